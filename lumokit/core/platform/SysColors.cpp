#include "core/platform/SysColors.h"

#include <array>

namespace lumokit {

namespace {

// The classic "Windows Standard" scheme.
constexpr std::array<COLORREF, 31> kClassicColors = {
    RGB(212, 208, 200), // scroll bar
    RGB(58, 110, 165),  // desktop
    RGB(10, 36, 106),   // active caption
    RGB(128, 128, 128), // inactive caption
    RGB(212, 208, 200), // menu
    RGB(255, 255, 255), // window
    RGB(0, 0, 0),       // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(255, 255, 255), // caption text
    RGB(212, 208, 200), // active border
    RGB(212, 208, 200), // inactive border
    RGB(128, 128, 128), // application workspace
    RGB(10, 36, 106),   // highlight
    RGB(255, 255, 255), // highlight text
    RGB(212, 208, 200), // button face
    RGB(128, 128, 128), // button shadow
    RGB(128, 128, 128), // grey text
    RGB(0, 0, 0),       // button text
    RGB(212, 208, 200), // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(64, 64, 64),    // 3-D dark shadow
    RGB(212, 208, 200), // 3-D light
    RGB(0, 0, 0),       // tooltip text
    RGB(255, 255, 225), // tooltip background
    RGB(181, 181, 181), // (unnamed)
    RGB(0, 0, 128),     // hot-tracked item
    RGB(166, 202, 240), // active caption gradient
    RGB(192, 192, 192), // inactive caption gradient
    RGB(10, 36, 106),   // menu highlight
    RGB(212, 208, 200), // menu bar
};

} // namespace

COLORREF GetSysColor(int nIndex) {
    if (nIndex < 0 || nIndex >= static_cast<int>(kClassicColors.size())) {
        return 0;
    }
    return kClassicColors[static_cast<std::size_t>(nIndex)];
}

HRESULT OleTranslateColor(OLE_COLOR clr, std::intptr_t, COLORREF* pColorRef) {
    const std::uint32_t highByte = clr >> 24;
    COLORREF result = 0;
    switch (highByte) {
    case 0x00: // plain colour
    case 0x02: // palette-relative: the colour itself without a palette
        result = clr & 0x00FFFFFFu;
        break;
    case 0x80: {
        const std::uint32_t index = clr & 0x00FFFFFFu;
        if (index >= kClassicColors.size()) {
            return E_INVALIDARG;
        }
        result = kClassicColors[index];
        break;
    }
    default: // palette indexes need a palette; anything else is no colour
        return E_INVALIDARG;
    }
    if (pColorRef) {
        *pColorRef = result;
    }
    return S_OK;
}

COLORREF translateColor(OLE_COLOR clr) {
    COLORREF color = 0;
    OleTranslateColor(clr, 0, &color);
    return color;
}

QColor toQColor(COLORREF color) {
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

COLORREF fromQColor(const QColor& color) {
    return RGB(color.red(), color.green(), color.blue());
}

} // namespace lumokit
