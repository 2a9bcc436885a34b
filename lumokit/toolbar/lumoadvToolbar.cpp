#include "toolbar/lumoadvToolbar.h"

#include "core/com/TypeLibrary.h"
#include "core/control/MouseLeaveWatch.h"
#include "core/control/cTimer.h"
#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Text.h"
#include "popups/AboutBox.h"
#include "toolbar/ToolbarPainter.h"
#include "toolbar/ToolbarPersistence.h"
#include "toolbar/frmdropdown.h"

#include <lumokit/TypeLibIds.h>

namespace lumokit {

namespace {

const EventInterfaceInfo* toolbarEvents() {
    return TypeLibrary::instance().coclassById(CLSID_lumoadvToolbar)->eventInterface;
}

} // namespace

lumoadvToolbar::lumoadvToolbar(QWidget* parent) : UserControl(parent, toolbarEvents()) {
    setFontObject(StdFont{});
    ToolbarPersistence::place(*this);
    fdrop = newMenuWindow(&lumoadvToolbar::fdrop_Unload);
    fmore = newMenuWindow(&lumoadvToolbar::fmore_Unload);
    fpopup = newMenuWindow(&lumoadvToolbar::fpopup_Unload);
    Timer1 = std::make_unique<cTimer>();
    connect(Timer1.get(), &cTimer::Timer, this, &lumoadvToolbar::Timer1_Timer);
    bool subclass = true;
    SubClass(subclass);
}

lumoadvToolbar::~lumoadvToolbar() {
    bool subclass = false;
    SubClass(subclass);
    // A window whose own handler is still running goes once it returns.
    frmdropdown::dispose(fdrop.data());
    frmdropdown::dispose(fmore.data());
    frmdropdown::dispose(fpopup.data());
}

frmdropdown* lumoadvToolbar::newMenuWindow(void (lumoadvToolbar::*closed)()) {
    auto* window = new frmdropdown();
    connect(window, &frmdropdown::Unloaded, this, closed);
    return window;
}

// --- Methods ------------------------------------------------------------------------

void lumoadvToolbar::SubClass(bool& sSub) {
    if (!sSub) {
        mSubClass.reset();
        return;
    }
    if (!mSubClass) {
        mSubClass = std::make_unique<MouseLeaveWatch>(
            hWnd(), [this](HWND hwnd, UINT& uMsg, WPARAM& wParam, LPARAM& lParam, bool& Cancel) {
                mSubClass_NewMessage(hwnd, uMsg, wParam, lParam, Cancel);
            });
    }
}

void lumoadvToolbar::AddMenu(LONG buttonindex, const QString& mItem, const Picture& mIcon,
                             sStyle Style, bool mEnable, bool mVisible, bool mIsChecked) {
    m_model.AddMenu(buttonindex, {mItem, mIcon, Style, mEnable, mVisible, mIsChecked});
}

void lumoadvToolbar::AddButton(const Picture& Icon, const QString& Caption, sStyle Style,
                               const QString& sToolText, const QString& description, bool Enable,
                               bool Visible, LONG PlaceHoderWidth, bool ShowCaption,
                               bool iChecked) {
    m_model.AddButton({Icon, Caption, Style, sToolText, description, Enable, Visible,
                       PlaceHoderWidth, ShowCaption, iChecked},
                      ScaleHeight());
    DrawControl();
}

void lumoadvToolbar::AddSeparate(bool Visible) {
    AddButton({}, {}, sStyle::sSeparate, {}, {}, true, Visible, 50, false, false);
}

void lumoadvToolbar::AddPlaceHolder(LONG pWidth, bool Visible) {
    AddButton({}, {}, sStyle::sPlaceHolder, {}, {}, true, Visible, pWidth, false, false);
}

void lumoadvToolbar::AddPopUpMenu(const QString& mItem, const Picture& mIcon, sStyle Style,
                                  bool mEnable, bool mVisible, bool mIsChecked) {
    m_model.AddPopUpMenu({mItem, mIcon, Style, mEnable, mVisible, mIsChecked});
}

void lumoadvToolbar::AddPopUpSubMenu(LONG buttonindex, const QString& mItem, const Picture& mIcon,
                                     sStyle Style, bool mEnable, bool mVisible, bool mIsChecked) {
    m_model.AddPopUpSubMenu(buttonindex, {mItem, mIcon, Style, mEnable, mVisible, mIsChecked});
}

void lumoadvToolbar::ClearPopUpMenu() {
    m_model.ClearPopUpMenu();
}

void lumoadvToolbar::Refresh() {
    DrawControl();
    update();
}

QFont lumoadvToolbar::drawingFont() const {
    QFont drawing = font();
    drawing.setFamily(m_settings.ToolbarFont.Name);
    return drawing;
}

int lumoadvToolbar::captionWidth(const QString& caption) {
    const QFont drawing = drawingFont();
    const QString key = drawing.key();
    if (key != m_captionFontKey || m_captionWidths.size() > 4 * ButtonCount() + 64) {
        m_captionFontKey = key;
        m_captionWidths.clear();
    }
    const auto known = m_captionWidths.constFind(caption);
    if (known != m_captionWidths.constEnd()) {
        return *known;
    }
    setDeviceFont(hDC(), drawing);
    const int width = textExtent(hDC(), caption).width();
    m_captionWidths.insert(caption, width);
    return width;
}

void lumoadvToolbar::DrawControl() {
    Cls();
    const QFont drawing = drawingFont();
    setDeviceFont(hDC(), drawing);
    const ToolbarMetrics metrics =
        ToolbarLayout::metrics(ScaleWidth(), ScaleHeight(), m_settings.Border);
    const ToolbarLayoutResult layout = ToolbarLayout::layOut(
        m_model, metrics, [this](const QString& text) { return captionWidth(text); });
    ToolbarPainter(hDC(), m_settings, m_model, state(), metrics, drawing).paint(layout);
}

void lumoadvToolbar::About() {
    AboutBox::showModal(this);
}

QVariant lumoadvToolbar::MouseOut(qint16&, qint16&, float&, float&) {
    m_interaction.MouseOut();
    return {};
}

// --- Toolbar-wide properties ----------------------------------------------------------

void lumoadvToolbar::setColor(OLE_COLOR& field, OLE_COLOR value, const char* name, bool repaint) {
    field = value;
    propertyWritten(name, repaint);
}

void lumoadvToolbar::setButtonColor(OLE_COLOR New_ButtonColor) {
    setColor(m_settings.ButtonColor, New_ButtonColor, "ButtonColor", true);
}

void lumoadvToolbar::setButtonColorOver(OLE_COLOR New_ButtonColorOver) {
    setColor(m_settings.ButtonColorOver, New_ButtonColorOver, "ButtonColorOver", true);
}

void lumoadvToolbar::setButtonColorDown(OLE_COLOR New_ButtonColorDown) {
    setColor(m_settings.ButtonColorDown, New_ButtonColorDown, "ButtonColorDown", true);
}

void lumoadvToolbar::setButtonBorderColor(OLE_COLOR New_ButtonBorderColor) {
    setColor(m_settings.ButtonBorderColor, New_ButtonBorderColor, "ButtonBorderColor", true);
}

void lumoadvToolbar::setButtonBorderColorOver(OLE_COLOR New_ButtonBorderColorOver) {
    setColor(m_settings.ButtonBorderColorOver, New_ButtonBorderColorOver, "ButtonBorderColorOver",
             true);
}

void lumoadvToolbar::setButtonBorderColorDown(OLE_COLOR New_ButtonBorderColorDown) {
    setColor(m_settings.ButtonBorderColorDown, New_ButtonBorderColorDown, "ButtonBorderColorDown",
             true);
}

void lumoadvToolbar::setCheckedColor(OLE_COLOR New_CheckedColor) {
    setColor(m_settings.CheckedColor, New_CheckedColor, "CheckedColor", true);
}

void lumoadvToolbar::setButtonFadeColor(OLE_COLOR New_ButtonFadeColor) {
    setColor(m_settings.ButtonFadeColor, New_ButtonFadeColor, "ButtonFadeColor", false);
}

void lumoadvToolbar::setMenuBgColor(OLE_COLOR New_MenuBgColor) {
    setColor(m_settings.MenuBgColor, New_MenuBgColor, "MenuBgColor", false);
}

void lumoadvToolbar::setMenuIconBGColor(OLE_COLOR New_MenuIconBGColor) {
    setColor(m_settings.MenuIconBGColor, New_MenuIconBGColor, "MenuIconBGColor", false);
}

void lumoadvToolbar::setStripColor(OLE_COLOR New_StripColor) {
    setColor(m_settings.StripColor, New_StripColor, "StripColor", true);
}

void lumoadvToolbar::setSepColor(OLE_COLOR New_SepColor) {
    setColor(m_settings.SepColor, New_SepColor, "SepColor", true);
}

void lumoadvToolbar::setBackgroundColor(OLE_COLOR& field, COLORREF& resolved, OLE_COLOR value) {
    if (value == field) {
        return;
    }
    field = value;
    resolved = translateColor(value);
    DrawControl();
}

void lumoadvToolbar::setbgTopColor(OLE_COLOR New_bgTopColor) {
    setBackgroundColor(m_settings.bgTopColor, m_settings.bgTopRGB, New_bgTopColor);
}

void lumoadvToolbar::setbgBottomColor(OLE_COLOR New_bgBottomColor) {
    setBackgroundColor(m_settings.bgBottomColor, m_settings.bgBottomRGB, New_bgBottomColor);
}

void lumoadvToolbar::setIconSizeWidth(LONG New_IconSizeWidth) {
    writeProperty(m_settings.IconSizeWidth, New_IconSizeWidth, "IconSizeWidth");
}

void lumoadvToolbar::setIconSizeHeight(LONG New_IconSizeHeight) {
    writeProperty(m_settings.IconSizeHeight, New_IconSizeHeight, "IconSizeHeight");
}

void lumoadvToolbar::setStyle(lumoStyle New_Style) {
    writeProperty(m_settings.Style, New_Style, "Style");
}

void lumoadvToolbar::setBorder(lumoBorder New_Border) {
    writeProperty(m_settings.Border, New_Border, "Border");
}

void lumoadvToolbar::setBackgroundFade(lumobgFade New_BackgroundFade) {
    writeProperty(m_settings.BackgroundFade, New_BackgroundFade, "BackgroundFade");
}

void lumoadvToolbar::setMoreText(const QString& New_MoreText) {
    m_settings.MoreText = New_MoreText;
    propertyWritten("MoreText", false);
}

void lumoadvToolbar::setToolbarFont(const QFont& New_ToolbarFont) {
    m_settings.ToolbarFont = StdFont::fromQFont(New_ToolbarFont);
    propertyWritten("ToolbarFont");
}

// --- Persistence ----------------------------------------------------------------------

void lumoadvToolbar::UserControl_InitProperties() {
    ToolbarPersistence::place(*this);
    DrawControl();
}

void lumoadvToolbar::UserControl_ReadProperties(const PropertyBag& PropBag) {
    ToolbarPersistence::read(*this, PropBag);
    DrawControl();
}

void lumoadvToolbar::UserControl_WriteProperties(PropertyBag& PropBag) {
    ToolbarPersistence::write(*this, PropBag);
}

} // namespace lumokit
