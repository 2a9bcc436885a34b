#pragma once

#include "quillmark/shell/IDialogs.h"

namespace quillmark {

// Where the program's standard dialogs come from. By default the Qt dialogs;
// a test installs its fake with set() and restores the default with set(nullptr).
class Dialogs {
public:
    static IDialogs& instance();
    // Installs dialogs (not owned); nullptr restores the Qt dialogs. Returns
    // the dialogs that were installed before.
    static IDialogs* set(IDialogs* dialogs);
};

} // namespace quillmark
