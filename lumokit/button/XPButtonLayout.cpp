#include "button/XPButtonLayout.h"

#include "core/control/Rounding.h"
#include "core/platform/Win32Text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumokit {

namespace {

// An icon of more pixels than this would cost more memory than any screen
// can show of it.
constexpr double kMaxIconPixels = 16.0 * 1024 * 1024;

} // namespace

int XPButtonLayout::roundHalfEven(double value) {
    return lumokit::roundHalfEven(value);
}

UINT XPButtonLayout::captionFlags(CaptionAlign align, bool multiLine) {
    UINT flags = DT_LEFT;
    switch (align) {
    case CaptionAlign::caRight:
        flags = DT_RIGHT;
        break;
    case CaptionAlign::caCenter:
        flags = DT_CENTER;
        break;
    default: // caLeft, and any other stored number
        flags = DT_LEFT;
        break;
    }
    // A multi-line caption breaks only where the caption has line breaks.
    return flags | (multiLine ? DT_VCENTER : DT_VCENTER | DT_SINGLELINE);
}

LONG XPButtonLayout::refreshLook(bool checked, bool value, bool isOver) {
    if (checked && value) {
        return static_cast<LONG>(XPLook::CheckedOn);
    }
    return static_cast<LONG>(isOver ? XPLook::Down : XPLook::Normal);
}

LONG XPButtonLayout::paintedLook(LONG requested, bool checked, bool value, bool enabled) {
    LONG look = requested;
    if (checked && value && look != static_cast<LONG>(XPLook::Over)) {
        look = static_cast<LONG>(XPLook::CheckedOn);
    }
    if (!enabled) {
        look = static_cast<LONG>(XPLook::Normal);
    }
    return look;
}

POINT XPButtonLayout::iconPosition(XPIconUse use, int h, int iconWidth, int iconHeight) {
    const double x = h / 2.0 - iconWidth / 2.0;
    const double y = h / 2.0 - iconHeight / 2.0;
    switch (use) {
    case XPIconUse::Normal:
        return POINT{roundHalfEven(x), roundHalfEven(y - 1)};
    case XPIconUse::Disabled:
        return POINT{roundHalfEven(x), roundHalfEven(y)};
    case XPIconUse::OverSilhouette:
        return POINT{roundHalfEven(x + 1), roundHalfEven(y + 1)};
    case XPIconUse::OverLifted:
        return POINT{roundHalfEven(x - 1), roundHalfEven(y - 1)};
    }
    return POINT{};
}

bool XPButtonLayout::isDrawableIconSize(int iconWidth, int iconHeight) {
    const double width = std::abs(static_cast<double>(iconWidth));
    const double height = std::abs(static_cast<double>(iconHeight));
    return width <= std::numeric_limits<short>::max() &&
           height <= std::numeric_limits<short>::max() && width * height <= kMaxIconPixels;
}

RECT XPButtonLayout::innerFrame(int w, int h, bool showIcon) {
    return showIcon ? RECT{1, 1, h - 1, h - 1} : RECT{1, 1, w - 1, h - 1};
}

RECT XPButtonLayout::captionRect(int w, int h, bool showIcon) {
    return RECT{showIcon ? h + 2 : 2, 2, w - 2, h - 2};
}

RECT XPButtonLayout::shadowRect(int i, int w, int h, bool showIcon) {
    const int left = showIcon ? h + i + 2 : i + 2;
    return RECT{left, i + 2, w + i - 2, h + i - 2};
}

int XPButtonLayout::visibleShadowCount(int shadowSize, int w, int h) {
    if (shadowSize <= 0) {
        return 0;
    }
    // Copy i starts at (i + 2, i + 2); from max(w, h) on it starts outside.
    return std::min(shadowSize, std::max({w, h, 0}));
}

std::optional<QChar> XPButtonLayout::accessKeyOf(const QString& caption) {
    const QChar prefix = QLatin1Char('&');
    qsizetype at = caption.indexOf(prefix);
    while (at >= 0 && at + 1 < caption.size() && caption[at + 1] == prefix) {
        at = caption.indexOf(prefix, at + 2); // "&&" shows one "&"
    }
    if (at < 0 || at + 1 >= caption.size()) {
        return std::nullopt;
    }
    return caption[at + 1];
}

} // namespace lumokit
