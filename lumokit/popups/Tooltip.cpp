#include "popups/Tooltip.h"

#include "core/control/HandlerSteps.h"
#include "core/control/Painting.h"
#include "core/control/cTimer.h"
#include "core/platform/Win32Text.h"
#include "core/platform/Win32Window.h"

#include <QPointer>

namespace lumokit {

namespace {

constexpr OLE_COLOR kWhite = 0xFFFFFF;
constexpr OLE_COLOR kTooltipBackground = 0x80000018;
constexpr OLE_COLOR kBlack = 0;
constexpr UINT kTextFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr int kTextPadding = 6; // above and below the line together

struct TipState {
    QPointer<Tooltip> window;
    bool shown = false;
    bool expired = false;
};

TipState& tip() {
    thread_local TipState state;
    return state;
}

} // namespace

Tooltip::Tooltip() : UserControl(nullptr) {
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(false);
    setFontObject(StdFont{});
}

Tooltip::~Tooltip() = default;

bool Tooltip::TipShown() {
    return tip().shown;
}

bool Tooltip::TipExpired() {
    return tip().expired;
}

Tooltip* Tooltip::current() {
    return tip().window.data();
}

void Tooltip::ShowTip(const QString& text) {
    if (text.isEmpty() || tip().shown) {
        return;
    }
    const ErrorTrap step(ErrorLabel::ShowTip);
    step([] { tip().shown = true; });
    step([&] { load(text); });
    step([] {
        if (Tooltip* window = current()) {
            window->placeNearPointer();
        }
    });
}

void Tooltip::HideTip() {
    const ErrorTrap step(ErrorLabel::HideTip);
    step([] { tip().expired = false; });
    step([] { unload(); });
}

void Tooltip::load(const QString& text) {
    if (!tip().window) {
        tip().window = new Tooltip();
    }
    tip().window->m_TipText = text;
    tip().window->Form_Load();
}

void Tooltip::unload() {
    if (Tooltip* window = current()) {
        window->Form_Unload();
        delete window;
    }
}

void Tooltip::Form_Load() {
    tip().expired = false;
    Timer1 = std::make_unique<cTimer>();
    connect(Timer1.get(), &cTimer::Timer, this, &Tooltip::Timer1_Timer);
    AddDropShadow(hWnd());
    // Last: a timer the platform refuses leaves the rest of the load done.
    Timer1->setInterval(kLifetime);
}

void Tooltip::Form_Unload() {
    tip().shown = false;
    if (Timer1) {
        Timer1->setInterval(0);
        Timer1.reset();
    }
}

void Tooltip::Timer1_Timer() {
    tip().expired = true;
    unload();
}

void Tooltip::placeNearPointer() {
    POINT pointer{};
    GetCursorPos(&pointer);
    const QSize text = textExtent(hDC(), m_TipText);
    const int width = text.width() + kTextMargin;
    const int height = text.height() + kTextPadding;
    // Right of the pointer, or left of it where the screen ends.
    const bool fitsRight = pointer.x + width <= GetSystemMetrics(SM_CXSCREEN);
    const int left = fitsRight ? pointer.x : pointer.x - width;
    SetWindowPos(hWnd(), 0, left, pointer.y + kBelowPointer, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(hWnd(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Form_Paint();
}

void Tooltip::UserControl_Resize() {
    Form_Paint();
}

void Tooltip::Form_Paint() {
    const int w = ScaleWidth();
    const int h = ScaleHeight();
    const RECT all{0, 0, w, h};
    Cls();
    // From the bottom row up to 3 pixels below the top; the rows above keep
    // the cleared background.
    fillGradient(hDC(), all, kWhite, kTooltipBackground, h - 3);
    drawText(hDC(), m_TipText, all, kTextFlags);
    frameSolid(hDC(), all, kBlack);
}

} // namespace lumokit
