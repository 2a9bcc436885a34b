#include "core/platform/Win32Shell.h"

#include <QDesktopServices>
#include <QString>

namespace lumokit {

namespace {

std::function<bool(const QUrl&)>& openHandler() {
    thread_local std::function<bool(const QUrl&)> handler;
    return handler;
}

} // namespace

std::intptr_t ShellExecuteA(HWND, const char* lpOperation, const char* lpFile, const char*,
                            const char*, int) {
    const QString operation = lpOperation ? QString::fromLatin1(lpOperation) : QString();
    if (!operation.isEmpty() &&
        operation.compare(QLatin1String("open"), Qt::CaseInsensitive) != 0) {
        return SE_ERR_NOASSOC;
    }
    const QString file = lpFile ? QString::fromLocal8Bit(lpFile).trimmed() : QString();
    const QUrl url = QUrl::fromUserInput(file);
    if (file.isEmpty() || !url.isValid()) {
        return SE_ERR_FNF;
    }
    const auto& handler = openHandler();
    const bool opened = handler ? handler(url) : QDesktopServices::openUrl(url);
    return opened ? 42 : SE_ERR_NOASSOC;
}

void setShellOpenHandler(std::function<bool(const QUrl&)> handler) {
    openHandler() = std::move(handler);
}

} // namespace lumokit
