#pragma once

// The shell tests' own helper: stand-in screens that record their load and
// unload.
#include "common/ScreenTestSupport.h"
#include "quillmark/shell/FormData.h"

namespace quillmark::test {

// Registers, while alive, a stand-in screen under each name that logs
// "load <name>" and "unload <name>"; they are unloaded and forgotten at the end.
class FakeScreenFactories {
public:
    explicit FakeScreenFactories(const QStringList& names);
    ~FakeScreenFactories();
    QStringList log;

private:
    QStringList m_names;
};

} // namespace quillmark::test
