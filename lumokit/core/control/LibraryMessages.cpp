#include "core/control/LibraryMessages.h"

#include <QApplication>
#include <QMessageBox>

namespace lumokit {

namespace {

class MessageBoxMessages : public LibraryMessages {
public:
    void showMessage(const QString& text, const QString& title) override {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    }
    bool askRetryCancel(const QString& text, const QString& title) override {
        QMessageBox box(QMessageBox::Critical, title, text,
                        QMessageBox::Retry | QMessageBox::Cancel, QApplication::activeWindow());
        return box.exec() == QMessageBox::Retry;
    }
};

LibraryMessages*& installed() {
    thread_local LibraryMessages* messages = nullptr;
    return messages;
}

} // namespace

LibraryMessages& LibraryMessages::current() {
    thread_local MessageBoxMessages standard;
    LibraryMessages* messages = installed();
    return messages ? *messages : standard;
}

LibraryMessages* LibraryMessages::install(LibraryMessages* messages) {
    LibraryMessages* previous = installed();
    installed() = messages;
    return previous;
}

void LibraryMessages::MsgBox(const QString& text, const QString& title) {
    current().showMessage(text, title.isEmpty() ? QStringLiteral("LumoKit") : title);
}

bool LibraryMessages::RetryBox(const QString& text, const QString& title) {
    return current().askRetryCancel(text, title.isEmpty() ? QStringLiteral("LumoKit") : title);
}

} // namespace lumokit
