#include "toolbar/ToolbarPainter.h"

#include "core/control/Painting.h"
#include "core/control/Rounding.h"
#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Text.h"
#include "toolbar/ToolbarIcons.h"

namespace lumokit {

namespace {

constexpr OLE_COLOR kBlack = 0;
constexpr OLE_COLOR kDisabledText = 0x80000010; // button shadow
constexpr UINT kCentredLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr UINT kLeftLine = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
constexpr int kBackgroundExtra = 10; // the background gradient's height is bottom + 10
constexpr int kFadeInset = 4;        // the button fade's height is its bottom - 4
const QString kArrowGlyph = QStringLiteral("6");

} // namespace

void ToolbarPainter::paint(const ToolbarLayoutResult& layout) const {
    background();
    grip();
    for (const PlacedItem& placed : layout.items) {
        item(placed);
    }
    if (layout.chevron) {
        chevron(layout.chevronRect);
    }
    border();
}

void ToolbarPainter::setTextColor(OLE_COLOR color) const {
    SetTextColor(m_hdc, translateColor(color));
}

void ToolbarPainter::fade(OLE_COLOR c, const RECT& r) const {
    fillBands(m_hdc, r, c, m_settings.ButtonFadeColor, r.bottom - kFadeInset);
}

void ToolbarPainter::background() const {
    const ToolbarMetrics& m = m_metrics;
    if (m_settings.Style == lumoStyle::lumoVivid &&
        m_settings.BackgroundFade == lumobgFade::lumoFade) {
        const LONG H = m.bottom + kBackgroundExtra;
        fillBands(m_hdc, RECT{0, 0, m.SW, H}, m_settings.bgBottomRGB, m_settings.bgTopRGB, H);
    } else {
        fillSolid(m_hdc, RECT{0, m.top, m.SW, m.bottom}, m_settings.ButtonColor);
    }
}

void ToolbarPainter::grip() const {
    const ToolbarMetrics& m = m_metrics;
    fillSolid(m_hdc, RECT{2, m.top + 1, 3, m.bottom - 2}, m_settings.StripColor);
    fillSolid(m_hdc, RECT{4, m.top + 1, 5, m.bottom - 2}, m_settings.StripColor);
}

void ToolbarPainter::item(const PlacedItem& placed) const {
    const ToolbarButton& b = *m_model.button(placed.index);
    const RECT& r = placed.rect;
    const bool xp = m_settings.Style == lumoStyle::lumoXP;
    setDeviceFont(m_hdc, m_font);
    switch (b.style) {
    case sStyle::sSeparate:
        if (xp) {
            fillSolid(m_hdc, RECT{r.left, r.top, r.left + 4, r.bottom}, m_settings.ButtonColor);
        }
        frameSolid(m_hdc, RECT{r.left + 2, r.top + 1, r.left + 3, r.bottom - 2},
                   m_settings.SepColor);
        return;
    case sStyle::sPlaceHolder:
        if (xp) {
            fillSolid(m_hdc, r, m_settings.ButtonColor);
        }
        return;
    case sStyle::sLabel:
        label(b, r);
        return;
    default:
        break;
    }
    const ItemLook look =
        ToolbarLayout::lookOf(placed.index, b.enable, m_state.HoverIndex, m_state.PressedIndex);
    buttonFace(b, r, look);
    if (b.style == sStyle::sDropDown) {
        dropDownArrow(ToolbarLayout::arrowPart(r));
    }
    icon(b, r, look);
    if (b.showCaption) {
        caption(b, r);
    }
}

// Labels are drawn in the caption colours of buttons.
void ToolbarPainter::label(const ToolbarButton& b, const RECT& r) const {
    if (m_settings.Style == lumoStyle::lumoXP) {
        fillSolid(m_hdc, r, m_settings.ButtonColor);
    }
    setTextColor(b.enable ? kBlack : kDisabledText);
    drawText(m_hdc, b.caption, r, kCentredLine);
}

void ToolbarPainter::buttonFace(const ToolbarButton& b, const RECT& r, ItemLook look) const {
    if (m_settings.Style == lumoStyle::lumoXP) {
        xpFace(b, r, look);
    } else if (m_settings.Style == lumoStyle::lumoVivid) {
        vividFace(b, r, look);
    }
}

void ToolbarPainter::xpFace(const ToolbarButton& b, const RECT& r, ItemLook look) const {
    const ToolbarSettings& s = m_settings;
    const RECT inner = ToolbarLayout::innerRect(r);
    const RECT arrow = ToolbarLayout::arrowPart(r);
    const bool checked = b.style == sStyle::sCheckBox && b.isChecked;
    const bool dropDown = b.style == sStyle::sDropDown;
    switch (look) {
    case ItemLook::Normal:
        fillSolid(m_hdc, r, s.ButtonColor);
        frameSolid(m_hdc, r, s.ButtonBorderColor);
        if (checked) {
            fillSolid(m_hdc, inner, s.CheckedColor);
            frameSolid(m_hdc, inner, s.ButtonBorderColorDown);
        }
        if (dropDown) {
            fillSolid(m_hdc, arrow, s.ButtonColor);
            frameSolid(m_hdc, arrow, s.ButtonBorderColor);
        }
        break;
    case ItemLook::Hover:
        fillSolid(m_hdc, r, s.ButtonColorOver);
        frameSolid(m_hdc, r, s.ButtonBorderColorOver);
        if (checked) {
            fillSolid(m_hdc, inner, s.ButtonColorOver);
            frameSolid(m_hdc, inner, s.ButtonBorderColorOver);
        }
        if (dropDown) {
            fillSolid(m_hdc, arrow, s.ButtonColorOver);
            frameSolid(m_hdc, arrow, s.ButtonBorderColorOver);
        }
        break;
    case ItemLook::Pressed:
        fillSolid(m_hdc, r, m_state.DropDownOpen ? s.ButtonColor : s.ButtonColorDown);
        frameSolid(m_hdc, r, s.ButtonBorderColorDown);
        if (checked) {
            fillSolid(m_hdc, inner, s.CheckedColor);
        }
        if (dropDown) {
            fillSolid(m_hdc, arrow, m_state.DropDownOpen ? s.CheckedColor : s.ButtonColorDown);
            frameSolid(m_hdc, arrow, s.ButtonBorderColorDown);
        }
        break;
    }
}

void ToolbarPainter::vividFace(const ToolbarButton& b, const RECT& r, ItemLook look) const {
    const ToolbarSettings& s = m_settings;
    const RECT inner = ToolbarLayout::innerRect(r);
    const RECT arrow = ToolbarLayout::arrowPart(r);
    const bool checked = b.style == sStyle::sCheckBox && b.isChecked;
    const bool dropDown = b.style == sStyle::sDropDown;
    switch (look) {
    case ItemLook::Normal:
        if (checked) {
            fade(s.CheckedColor, RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 2});
            frameSolid(m_hdc, inner, s.ButtonBorderColorDown);
        }
        break;
    case ItemLook::Hover:
        fade(s.ButtonColorOver, RECT{r.left + 1, r.top + 3, r.right, r.bottom - 1});
        frameSolid(m_hdc, r, s.ButtonBorderColorOver);
        if (checked) {
            frameSolid(m_hdc, inner, s.ButtonBorderColorOver);
        }
        if (dropDown) {
            frameSolid(m_hdc, arrow, s.ButtonBorderColorOver);
        }
        break;
    case ItemLook::Pressed:
        // While its list is open a drop-down button keeps its main part
        // plain and shows the arrow pressed, as in the XP look.
        if (!(dropDown && m_state.DropDownOpen)) {
            fade(s.ButtonColorDown, RECT{r.left + 1, r.top + 3, r.right - 1, r.bottom - 1});
        }
        frameSolid(m_hdc, r, s.ButtonBorderColorDown);
        if (dropDown) {
            if (m_state.DropDownOpen) {
                fade(s.ButtonColorDown, arrow);
            }
            frameSolid(m_hdc, arrow, s.ButtonBorderColorDown);
        }
        if (checked) {
            fillSolid(m_hdc, inner, s.CheckedColor);
            frameSolid(m_hdc, inner, s.ButtonBorderColorDown);
        }
        break;
    }
}

void ToolbarPainter::dropDownArrow(const RECT& r) const {
    setTextColor(kBlack);
    QFont marlett = m_font;
    marlett.setFamily(QStringLiteral("Marlett"));
    setDeviceFont(m_hdc, marlett);
    drawText(m_hdc, kArrowGlyph, r, kCentredLine);
    setDeviceFont(m_hdc, m_font);
}

void ToolbarPainter::icon(const ToolbarButton& b, const RECT& r, ItemLook look) const {
    const int IW = m_settings.IconSizeWidth;
    const int IH = m_settings.IconSizeHeight;
    const ToolbarIconSpots spots = ToolbarLayout::iconSpots(r.left, m_metrics.bottom, IW, IH);
    if (look == ItemLook::Hover) {
        drawLiftedIcon(m_hdc, b.picture, spots.shadow, spots.lifted, IW, IH);
    } else if (b.enable) {
        drawPlainIcon(m_hdc, b.picture, spots.plain, IW, IH);
    } else {
        drawDisabledIcon(m_hdc, b.picture, spots.plain, IW, IH);
    }
}

void ToolbarPainter::caption(const ToolbarButton& b, const RECT& r) const {
    setTextColor(b.enable ? kBlack : kDisabledText);
    const RECT area{r.left + m_metrics.bottom, r.top, r.right + m_settings.IconSizeWidth, r.bottom};
    drawText(m_hdc, b.caption, area, kLeftLine);
}

void ToolbarPainter::chevron(const RECT& r) const {
    const ToolbarSettings& s = m_settings;
    const bool vivid = s.Style == lumoStyle::lumoVivid;
    if (m_state.MoreOpen) {
        if (vivid) {
            fade(s.ButtonColorDown, r);
        } else {
            fillSolid(m_hdc, r, s.CheckedColor);
        }
        frameSolid(m_hdc, r, s.ButtonBorderColorDown);
    } else if (m_state.InMoreZone) {
        if (vivid) {
            fade(s.ButtonColorOver, r);
        } else {
            fillSolid(m_hdc, r, s.ButtonColorOver);
        }
        frameSolid(m_hdc, r, s.ButtonBorderColorOver);
    }
    const POINT at{m_metrics.SW - 14, roundHalfEven(m_metrics.bottom / 2.0 - 8)};
    drawPlainIcon(m_hdc, chevronIcon(), at, kChevronSize, kChevronSize);
}

void ToolbarPainter::border() const {
    RECT all{0, 0, m_metrics.SW, m_metrics.SH};
    switch (m_settings.Border) {
    case lumoBorder::lumoFlatBorder:
        frameSolid(m_hdc, all, m_settings.ButtonBorderColor);
        break;
    case lumoBorder::lumo3dRaisedBorder:
        DrawEdge(m_hdc, &all, BDR_RAISEDINNER, BF_RECT);
        break;
    case lumoBorder::lumo3dDownBorder:
        DrawEdge(m_hdc, &all, BDR_SUNKENOUTER, BF_RECT);
        break;
    default:
        break;
    }
}

} // namespace lumokit
