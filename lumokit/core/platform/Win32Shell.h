#pragma once

// ShellExecuteA for opening a web address or document with the desktop's
// handler. Tests replace the handler through the seam.
#include "core/platform/Win32Types.h"

#include <QUrl>

#include <functional>

namespace lumokit {

constexpr int SW_SHOWNORMAL = 1;
constexpr std::intptr_t SE_ERR_NOASSOC = 31;
constexpr std::intptr_t SE_ERR_FNF = 2;

// Above 32 on success, as the platform reports it.
std::intptr_t ShellExecuteA(HWND hwnd, const char* lpOperation, const char* lpFile,
                            const char* lpParameters, const char* lpDirectory, int nShowCmd);

// Test seam: the handler that opens a URL; an empty one restores
// QDesktopServices::openUrl.
void setShellOpenHandler(std::function<bool(const QUrl&)> handler);

} // namespace lumokit
