#pragma once

// What every fuzz target shares: the input as text, one Qt application per
// process (made in LLVMFuzzerInitialize, on the offscreen platform), and a
// check that stops the run with a message when a rule is broken, so that the
// input is kept as a finding.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace fuzz {

inline QString text(const std::uint8_t* data, std::size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

inline QByteArray bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// App is QCoreApplication, QGuiApplication or QApplication; it lives until
// the process ends.
template <class App> void startApplication(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static std::unique_ptr<App> app(new App(*argc, *argv));
}

[[noreturn]] inline void fail(const char* rule, const QString& detail) {
    std::fprintf(stderr, "fuzz: %s\n  %s\n", rule, qUtf8Printable(detail));
    std::abort();
}

inline void check(bool holds, const char* rule, const QString& detail = {}) {
    if (!holds) {
        fail(rule, detail);
    }
}

} // namespace fuzz
