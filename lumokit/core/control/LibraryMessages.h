#pragma once

// The library's message box: its error traps and the controls' About
// messages show a modal box with text, an OK button and a title. Tests and
// hosts may install their own implementation.
#include <QString>

namespace lumokit {

class LibraryMessages {
public:
    virtual ~LibraryMessages() = default;

    virtual void showMessage(const QString& text, const QString& title) = 0;
    // A critical box with Retry and Cancel; true for Retry. A service that
    // offers only OK boxes shows the text and answers Cancel.
    virtual bool askRetryCancel(const QString& text, const QString& title) {
        showMessage(text, title);
        return false;
    }

    // The service in use on this thread (a QMessageBox one by default).
    static LibraryMessages& current();
    // Installs a service (not owned); nullptr restores the default. Returns
    // the one that was installed before.
    static LibraryMessages* install(LibraryMessages* messages);

    // Shows text modally, titled with the library's name unless given.
    static void MsgBox(const QString& text, const QString& title = {});
    // Asks Retry or Cancel, titled like MsgBox; true for Retry.
    static bool RetryBox(const QString& text, const QString& title = {});
};

} // namespace lumokit
