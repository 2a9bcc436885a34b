#include "popups/AboutBox.h"

#include "core/control/LibraryVersion.h"
#include "core/control/Painting.h"
#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Rect.h"
#include "core/platform/Win32Shell.h"
#include "core/platform/Win32Text.h"

#include <QCloseEvent>
#include <QEventLoop>

namespace lumokit {

namespace {

constexpr OLE_COLOR kWhite = 0xFFFFFF;
constexpr OLE_COLOR kBlue = 0xFF0000;
constexpr OLE_COLOR kButtonFace = 0x8000000F;
constexpr OLE_COLOR kHoverColor = RGB(182, 189, 210);
constexpr OLE_COLOR kPressedColor = RGB(133, 146, 181);
constexpr UINT kTop = DT_VCENTER; // not single-line: drawn from the top
constexpr UINT kCentredTop = DT_CENTER | DT_VCENTER;
constexpr UINT kMiddleLine = DT_VCENTER | DT_SINGLELINE;
constexpr UINT kCentredLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

const QString kMakerName = QStringLiteral("Lumo Software");

bool& loadedFlag() {
    thread_local bool loaded = false;
    return loaded;
}

bool contains(const RECT& rect, float x, float y) {
    return PtInRect(&rect, POINT{static_cast<LONG>(x), static_cast<LONG>(y)});
}

} // namespace

AboutBox::AboutBox(QWidget* owner) : UserControl(owner) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("About LumoKit"));
    setFixedSize(kWidth, kHeight);
    setAccessKeys(QStringLiteral("O")); // "&OK"
    Form_Load();
}

void AboutBox::showModal(QWidget* owner) {
    AboutBox box(owner);
    box.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(&box, &AboutBox::unloaded, &loop, &QEventLoop::quit);
    box.show();
    loop.exec();
}

QString AboutBox::versionLine() {
    return QStringLiteral("Version - %1.%2 Build %3")
        .arg(LibraryVersion::Major)
        .arg(LibraryVersion::Minor)
        .arg(LibraryVersion::Revision);
}

QString AboutBox::webAddress() {
    return QStringLiteral("https://lumokit.example.org");
}

bool AboutBox::loadedOnce() {
    return loadedFlag();
}

RECT AboutBox::okRect() const {
    const int w = ScaleWidth();
    const int h = ScaleHeight();
    return RECT{w - 55, h - 30, w - 5, h - 5};
}

RECT AboutBox::linkHotZone() const {
    const int w = ScaleWidth();
    const int h = ScaleHeight();
    return RECT{5, h - 18, w - 155, h - 4};
}

void AboutBox::Form_Load() {
    OKPressed = false;
    DrawAbout();
    loadedFlag() = true;
}

void AboutBox::setFontSize(double points) {
    StdFont font;
    font.Size = points;
    setDeviceFont(hDC(), font.toQFont());
}

void AboutBox::DrawAbout() {
    const int w = ScaleWidth();
    const int h = ScaleHeight();
    Cls();
    fillGradient(hDC(), RECT{0, 0, w, h}, kWhite, kButtonFace, h);
    frameSolid(hDC(), RECT{0, 0, w, h}, kBlue);
    for (int i = 1, y = 90; i <= 3; y += i + 5, ++i) {
        fillSolid(hDC(), RECT{0, y, w, y + 2 * i}, kBlue);
    }
    drawTexts(w, h);
    drawLink(h);
    drawOkButton();
}

void AboutBox::drawTexts(int w, int h) {
    setFontSize(20);
    drawText(hDC(), QStringLiteral("LumoKit lite."), RECT{0, 10, w, h}, kCentredTop);
    setFontSize(10);
    drawText(hDC(), QStringLiteral("LumoKit Toolbar v1.0.11"), RECT{5, 45, w - 5, h}, kTop);
    drawText(hDC(), QStringLiteral("Lumo Tab Control v1.0.2"), RECT{5, 59, w - 5, h}, kTop);
    drawText(hDC(), QStringLiteral("Lumo XPButton v1.0.20"), RECT{5, 74, w - 5, h}, kTop);
    drawText(hDC(), kMakerName, RECT{5, 70, w, h}, kMiddleLine);
    setFontSize(9);
    drawText(hDC(), versionLine(), RECT{5, h - 31, w - 55, h - 10}, kTop);
}

void AboutBox::drawLink(int h) {
    const RECT link{5, h - 18, textExtent(hDC(), webAddress()).width() + 5, h - 4};
    if (OverLink) {
        fillGradient(hDC(), link, kWhite, kHoverColor, 14);
    }
    drawText(hDC(), webAddress(), link, kTop);
}

void AboutBox::drawOkButton() {
    const RECT ok = okRect();
    if (OKPressed) {
        fillGradient(hDC(), ok, kWhite, kPressedColor, 25);
    } else if (OverOK) {
        fillGradient(hDC(), ok, kWhite, kHoverColor, 25);
    }
    frameSolid(hDC(), ok, kBlue);
    drawText(hDC(), QStringLiteral("&OK"), ok, kCentredLine);
}

void AboutBox::UserControl_MouseDown(int, int, float X, float Y) {
    OKPressed = contains(okRect(), X, Y);
    DrawAbout();
}

void AboutBox::UserControl_MouseMove(int, int, float X, float Y) {
    OverOK = contains(okRect(), X, Y);
    OverLink = contains(linkHotZone(), X, Y);
    DrawAbout();
}

void AboutBox::UserControl_MouseUp(int, int, float, float) {
    // The press decides, not where the button is released.
    if (OKPressed) {
        OKPressed = false;
        close();
    } else if (OverLink) {
        ShellExecuteA(hWnd(), "Open", webAddress().toLatin1().constData(), nullptr, nullptr,
                      SW_SHOWNORMAL);
    }
}

void AboutBox::UserControl_KeyDown(int& KeyCode, int&) {
    if (KeyCode == VK_RETURN || KeyCode == VK_ESCAPE) {
        close();
    }
}

void AboutBox::UserControl_AccessKeyPress(int) {
    close();
}

void AboutBox::UserControl_Resize() {
    DrawAbout();
}

void AboutBox::closeEvent(QCloseEvent* event) {
    UserControl::closeEvent(event);
    emit unloaded();
}

} // namespace lumokit
