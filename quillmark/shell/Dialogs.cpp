#include "quillmark/shell/Dialogs.h"

#include "quillmark/shell/QtDialogs.h"

namespace quillmark {

namespace {

IDialogs*& installed() {
    static IDialogs* current = nullptr;
    return current;
}

} // namespace

IDialogs& Dialogs::instance() {
    static QtDialogs qtDialogs;
    IDialogs* current = installed();
    return current ? *current : qtDialogs;
}

IDialogs* Dialogs::set(IDialogs* dialogs) {
    IDialogs* previous = installed();
    installed() = dialogs;
    return previous;
}

} // namespace quillmark
