#pragma once

#include <QString>

class QPrinter;

namespace quillmark {

// Buttons, icons and answers of the program's message box.
enum class MsgButtons { OK, YesNo };
enum class MsgIcon { None, Information, Exclamation, Question };
enum class MsgResult { OK, Yes, No };

// The standard dialogs the screens use. One implementation shows Qt dialogs;
// tests install a recording fake through Dialogs::set().
class IDialogs {
public:
    virtual ~IDialogs() = default;

    virtual MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                             const QString& title) = 0;
    // Returns the typed text, or an empty text when the user cancels.
    virtual QString InputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;
    // Shows an open-file dialog. filter uses the "Description|*.ext" form;
    // initialFileName preselects a file (or names the folder to open in).
    // Returns the chosen path, or an empty text when the user cancels.
    virtual QString ShowOpen(const QString& filter, const QString& initialFileName) = 0;
    // Shows a save-file dialog that asks before replacing a file; filter as
    // for ShowOpen; initialFileName proposes the file and its folder. Returns
    // the chosen path, or an empty text when the user cancels.
    virtual QString ShowSave(const QString& filter, const QString& initialFileName) = 0;
    // Shows the print dialog for a document of pageCount pages. True when
    // the user chose to print; the printer then holds the choices (printer,
    // page range, copies).
    virtual bool ShowPrint(QPrinter& printer, int pageCount) = 0;
};

} // namespace quillmark
