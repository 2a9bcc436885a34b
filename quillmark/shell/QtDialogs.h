#pragma once

#include "quillmark/shell/IDialogs.h"

class QWidget;

namespace quillmark {

// The standard dialogs drawn with Qt: QMessageBox, QInputDialog, QFileDialog,
// QPrintDialog.
class QtDialogs : public IDialogs {
public:
    MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                     const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString ShowOpen(const QString& filter, const QString& initialFileName) override;
    QString ShowSave(const QString& filter, const QString& initialFileName) override;
    bool ShowPrint(QPrinter& printer, int pageCount) override;

    // "Data File|*.dat|All Files|*.*" -> "Data File (*.dat);;All Files (*.*)".
    static QString toQtFilter(const QString& filter);

private:
    static QWidget* dialogParent();
};

} // namespace quillmark
