// The per-item properties of the toolbar: buttons, drop-down items, pop-up
// items and their sub-items. An index that names nothing reads the empty
// value and writes nothing. Button setters that change the row repaint;
// the others only tell the host.
#include "core/control/Rounding.h"
#include "toolbar/lumoadvToolbar.h"

namespace lumokit {

using B = ToolbarButton;
using M = ToolbarMenuItem;
using S = ToolbarSubMenuItem;

// --- Buttons ------------------------------------------------------------------------

Picture lumoadvToolbar::ButtonPicture(LONG index) const {
    return fieldOf(m_model.button(index), &B::picture);
}

void lumoadvToolbar::setButtonPicture(LONG index, const Picture& New_ButtonPicture) {
    setFieldOf(m_model.button(index), &B::picture, New_ButtonPicture, "ButtonPicture", true);
}

bool lumoadvToolbar::ButtonEnable(LONG index) const {
    return fieldOf(m_model.button(index), &B::enable);
}

void lumoadvToolbar::setButtonEnable(LONG index, bool New_ButtonEnable) {
    setFieldOf(m_model.button(index), &B::enable, New_ButtonEnable, "ButtonEnable", true);
}

bool lumoadvToolbar::ButtonVisible(LONG index) const {
    return fieldOf(m_model.button(index), &B::visible);
}

void lumoadvToolbar::setButtonVisible(LONG index, bool New_ButtonVisible) {
    setFieldOf(m_model.button(index), &B::visible, New_ButtonVisible, "ButtonVisible", true);
}

QString lumoadvToolbar::ButtonDescription(LONG index) const {
    return fieldOf(m_model.button(index), &B::description);
}

void lumoadvToolbar::setButtonDescription(LONG index, const QString& New_ButtonDescription) {
    setFieldOf(m_model.button(index), &B::description, New_ButtonDescription, "ButtonDescription");
}

QString lumoadvToolbar::ButtonTag(LONG index) const {
    return fieldOf(m_model.button(index), &B::tag);
}

void lumoadvToolbar::setButtonTag(LONG index, const QString& New_ButtonTag) {
    setFieldOf(m_model.button(index), &B::tag, New_ButtonTag, "ButtonTag");
}

QString lumoadvToolbar::ButtonToolText(LONG index) const {
    return fieldOf(m_model.button(index), &B::toolText);
}

void lumoadvToolbar::setButtonToolText(LONG index, const QString& New_ButtonToolText) {
    setFieldOf(m_model.button(index), &B::toolText, New_ButtonToolText, "ButtonToolText");
}

bool lumoadvToolbar::ButtonIsChecked(LONG index) const {
    return fieldOf(m_model.button(index), &B::isChecked);
}

void lumoadvToolbar::setButtonIsChecked(LONG index, bool New_ButtonIsChecked) {
    setFieldOf(m_model.button(index), &B::isChecked, New_ButtonIsChecked, "ButtonIsChecked", true);
}

QString lumoadvToolbar::ButtonCaption(LONG index) const {
    return fieldOf(m_model.button(index), &B::caption);
}

void lumoadvToolbar::setButtonCaption(LONG index, const QString& New_ButtonCaption) {
    ToolbarButton* b = m_model.button(index);
    if (!b) {
        return;
    }
    b->caption = New_ButtonCaption;
    if (!b->caption.isEmpty() && b->showCaption) {
        b->width = roundHalfEven(captionWidth(b->caption) + ScaleHeight() + 8);
    }
    propertyWritten("ButtonCaption");
}

sStyle lumoadvToolbar::ButtonStyle(LONG index) const {
    return fieldOf(m_model.button(index), &B::style);
}

void lumoadvToolbar::setButtonStyle(LONG index, sStyle New_ButtonStyle) {
    setFieldOf(m_model.button(index), &B::style, New_ButtonStyle, "ButtonStyle", true);
}

bool lumoadvToolbar::ButtonShowCaption(LONG index) const {
    return fieldOf(m_model.button(index), &B::showCaption);
}

void lumoadvToolbar::setButtonShowCaption(LONG index, bool New_ButtonShowCaption) {
    setFieldOf(m_model.button(index), &B::showCaption, New_ButtonShowCaption, "ButtonShowCaption",
               true);
}

LONG lumoadvToolbar::DropDownCount(LONG index) const {
    return fieldOf(m_model.button(index), &B::dropDownCount);
}

void lumoadvToolbar::setDropDownCount(LONG index, LONG New_DropDownCount) {
    if (m_model.setDropDownCount(index, New_DropDownCount)) {
        propertyWritten("DropDownCount");
    }
}

LONG lumoadvToolbar::ButtonPlaceHolderWidth(LONG index) const {
    return fieldOf(m_model.button(index), &B::width);
}

void lumoadvToolbar::setButtonPlaceHolderWidth(LONG index, LONG New_ButtonPlaceHolderWidth) {
    setFieldOf(m_model.button(index), &B::width, New_ButtonPlaceHolderWidth,
               "ButtonPlaceHolderWidth", true);
}

// --- Drop-down items -------------------------------------------------------------------

bool lumoadvToolbar::DropDownEnable(LONG buttonindex, LONG MenuIndex) const {
    return fieldOf(m_model.dropDownItem(buttonindex, MenuIndex), &M::enable);
}

void lumoadvToolbar::setDropDownEnable(LONG buttonindex, LONG MenuIndex, bool New_DropDownEnable) {
    setFieldOf(m_model.dropDownItem(buttonindex, MenuIndex), &M::enable, New_DropDownEnable,
               "DropDownEnable");
}

OLE_COLOR lumoadvToolbar::DropDownMaskColor(LONG buttonindex, LONG MenuIndex) const {
    return fieldOf(m_model.dropDownItem(buttonindex, MenuIndex), &M::maskColor);
}

void lumoadvToolbar::setDropDownMaskColor(LONG buttonindex, LONG MenuIndex,
                                          OLE_COLOR New_DropDownMaskColor) {
    setFieldOf(m_model.dropDownItem(buttonindex, MenuIndex), &M::maskColor, New_DropDownMaskColor,
               "DropDownMaskColor");
}

bool lumoadvToolbar::DropDownIsChecked(LONG buttonindex, LONG MenuIndex) const {
    return fieldOf(m_model.dropDownItem(buttonindex, MenuIndex), &M::isChecked);
}

void lumoadvToolbar::setDropDownIsChecked(LONG buttonindex, LONG MenuIndex,
                                          bool New_DropDownIsChecked) {
    setFieldOf(m_model.dropDownItem(buttonindex, MenuIndex), &M::isChecked, New_DropDownIsChecked,
               "DropDownIsChecked");
}

bool lumoadvToolbar::DropDownVisible(LONG buttonindex, LONG MenuIndex) const {
    return fieldOf(m_model.dropDownItem(buttonindex, MenuIndex), &M::visible);
}

void lumoadvToolbar::setDropDownVisible(LONG buttonindex, LONG MenuIndex,
                                        bool New_DropDownVisible) {
    setFieldOf(m_model.dropDownItem(buttonindex, MenuIndex), &M::visible, New_DropDownVisible,
               "DropDownVisible");
}

QString lumoadvToolbar::DropDownCaption(LONG buttonindex, LONG MenuIndex) const {
    return fieldOf(m_model.dropDownItem(buttonindex, MenuIndex), &M::caption);
}

void lumoadvToolbar::setDropDownCaption(LONG buttonindex, LONG MenuIndex,
                                        const QString& New_DropDownCaption) {
    setFieldOf(m_model.dropDownItem(buttonindex, MenuIndex), &M::caption, New_DropDownCaption,
               "DropDownCaption");
}

QString lumoadvToolbar::DropDownTag(LONG buttonindex, LONG MenuIndex) const {
    return fieldOf(m_model.dropDownItem(buttonindex, MenuIndex), &M::tag);
}

void lumoadvToolbar::setDropDownTag(LONG buttonindex, LONG MenuIndex,
                                    const QString& New_DropDownTag) {
    setFieldOf(m_model.dropDownItem(buttonindex, MenuIndex), &M::tag, New_DropDownTag,
               "DropDownTag");
}

sStyle lumoadvToolbar::DropDownStyle(LONG buttonindex, LONG MenuIndex) const {
    return fieldOf(m_model.dropDownItem(buttonindex, MenuIndex), &M::style);
}

void lumoadvToolbar::setDropDownStyle(LONG buttonindex, LONG MenuIndex, sStyle New_DropDownStyle) {
    setFieldOf(m_model.dropDownItem(buttonindex, MenuIndex), &M::style, New_DropDownStyle,
               "DropDownStyle");
}

Picture lumoadvToolbar::DropDownPicture(LONG buttonindex, LONG MenuIndex) const {
    return fieldOf(m_model.dropDownItem(buttonindex, MenuIndex), &M::picture);
}

void lumoadvToolbar::setDropDownPicture(LONG buttonindex, LONG MenuIndex,
                                        const Picture& New_DropDownPicture) {
    setFieldOf(m_model.dropDownItem(buttonindex, MenuIndex), &M::picture, New_DropDownPicture,
               "DropDownPicture");
}

// --- Pop-up items ----------------------------------------------------------------------

Picture lumoadvToolbar::PopUpPicture(LONG index) const {
    return fieldOf(m_model.popUpItem(index), &M::picture);
}

void lumoadvToolbar::setPopUpPicture(LONG index, const Picture& New_PopUpPicture) {
    setFieldOf(m_model.popUpItem(index), &M::picture, New_PopUpPicture, "PopUpPicture");
}

QString lumoadvToolbar::PopUpCaption(LONG index) const {
    return fieldOf(m_model.popUpItem(index), &M::caption);
}

void lumoadvToolbar::setPopUpCaption(LONG index, const QString& New_PopUpCaption) {
    setFieldOf(m_model.popUpItem(index), &M::caption, New_PopUpCaption, "PopUpCaption");
}

QString lumoadvToolbar::PopUpTag(LONG index) const {
    return fieldOf(m_model.popUpItem(index), &M::tag);
}

void lumoadvToolbar::setPopUpTag(LONG index, const QString& New_PopUpTag) {
    setFieldOf(m_model.popUpItem(index), &M::tag, New_PopUpTag, "PopUpTag");
}

bool lumoadvToolbar::PopUpEnable(LONG index) const {
    return fieldOf(m_model.popUpItem(index), &M::enable);
}

void lumoadvToolbar::setPopUpEnable(LONG index, bool New_PopUpEnable) {
    setFieldOf(m_model.popUpItem(index), &M::enable, New_PopUpEnable, "PopUpEnable");
}

bool lumoadvToolbar::PopUpVisible(LONG index) const {
    return fieldOf(m_model.popUpItem(index), &M::visible);
}

void lumoadvToolbar::setPopUpVisible(LONG index, bool New_PopUpVisible) {
    setFieldOf(m_model.popUpItem(index), &M::visible, New_PopUpVisible, "PopUpVisible");
}

sStyle lumoadvToolbar::PopUpStyle(LONG index) const {
    return fieldOf(m_model.popUpItem(index), &M::style);
}

void lumoadvToolbar::setPopUpStyle(LONG index, sStyle New_PopUpStyle) {
    setFieldOf(m_model.popUpItem(index), &M::style, New_PopUpStyle, "PopUpStyle");
}

bool lumoadvToolbar::PopUpIsChecked(LONG index) const {
    return fieldOf(m_model.popUpItem(index), &M::isChecked);
}

void lumoadvToolbar::setPopUpIsChecked(LONG index, bool New_PopUpIsChecked) {
    setFieldOf(m_model.popUpItem(index), &M::isChecked, New_PopUpIsChecked, "PopUpIsChecked");
}

// --- Pop-up sub-items --------------------------------------------------------------

bool lumoadvToolbar::PopUpSubMenuEnable(LONG buttonindex, LONG MenuIndex) const {
    return fieldOf(m_model.popUpSubItem(buttonindex, MenuIndex), &S::enable);
}

void lumoadvToolbar::setPopUpSubMenuEnable(LONG buttonindex, LONG MenuIndex,
                                           bool New_PopUpSubMenuEnable) {
    setFieldOf(m_model.popUpSubItem(buttonindex, MenuIndex), &S::enable, New_PopUpSubMenuEnable,
               "PopUpSubMenuEnable");
}

OLE_COLOR lumoadvToolbar::PopUpSubMenuMaskColor(LONG buttonindex, LONG MenuIndex) const {
    return fieldOf(m_model.popUpSubItem(buttonindex, MenuIndex), &S::maskColor);
}

void lumoadvToolbar::setPopUpSubMenuMaskColor(LONG buttonindex, LONG MenuIndex,
                                              OLE_COLOR New_PopUpSubMenuMaskColor) {
    setFieldOf(m_model.popUpSubItem(buttonindex, MenuIndex), &S::maskColor,
               New_PopUpSubMenuMaskColor, "PopUpSubMenuMaskColor");
}

bool lumoadvToolbar::PopUpSubMenuIsChecked(LONG buttonindex, LONG MenuIndex) const {
    return fieldOf(m_model.popUpSubItem(buttonindex, MenuIndex), &S::isChecked);
}

void lumoadvToolbar::setPopUpSubMenuIsChecked(LONG buttonindex, LONG MenuIndex,
                                              bool New_PopUpSubMenuIsChecked) {
    setFieldOf(m_model.popUpSubItem(buttonindex, MenuIndex), &S::isChecked,
               New_PopUpSubMenuIsChecked, "PopUpSubMenuIsChecked");
}

bool lumoadvToolbar::PopUpSubMenuVisible(LONG buttonindex, LONG MenuIndex) const {
    return fieldOf(m_model.popUpSubItem(buttonindex, MenuIndex), &S::visible);
}

void lumoadvToolbar::setPopUpSubMenuVisible(LONG buttonindex, LONG MenuIndex,
                                            bool New_PopUpSubMenuVisible) {
    setFieldOf(m_model.popUpSubItem(buttonindex, MenuIndex), &S::visible, New_PopUpSubMenuVisible,
               "PopUpSubMenuVisible");
}

QString lumoadvToolbar::PopUpSubMenuCaption(LONG buttonindex, LONG MenuIndex) const {
    return fieldOf(m_model.popUpSubItem(buttonindex, MenuIndex), &S::caption);
}

void lumoadvToolbar::setPopUpSubMenuCaption(LONG buttonindex, LONG MenuIndex,
                                            const QString& New_PopUpSubMenuCaption) {
    setFieldOf(m_model.popUpSubItem(buttonindex, MenuIndex), &S::caption, New_PopUpSubMenuCaption,
               "PopUpSubMenuCaption");
}

QString lumoadvToolbar::PopUpSubMenuTag(LONG buttonindex, LONG MenuIndex) const {
    return fieldOf(m_model.popUpSubItem(buttonindex, MenuIndex), &S::tag);
}

void lumoadvToolbar::setPopUpSubMenuTag(LONG buttonindex, LONG MenuIndex,
                                        const QString& New_PopUpSubMenuTag) {
    setFieldOf(m_model.popUpSubItem(buttonindex, MenuIndex), &S::tag, New_PopUpSubMenuTag,
               "PopUpSubMenuTag");
}

sStyle lumoadvToolbar::PopUpSubMenuStyle(LONG buttonindex, LONG MenuIndex) const {
    return fieldOf(m_model.popUpSubItem(buttonindex, MenuIndex), &S::style);
}

void lumoadvToolbar::setPopUpSubMenuStyle(LONG buttonindex, LONG MenuIndex,
                                          sStyle New_PopUpSubMenuStyle) {
    setFieldOf(m_model.popUpSubItem(buttonindex, MenuIndex), &S::style, New_PopUpSubMenuStyle,
               "PopUpSubMenuStyle");
}

Picture lumoadvToolbar::PopUpSubMenuPicture(LONG buttonindex, LONG MenuIndex) const {
    return fieldOf(m_model.popUpSubItem(buttonindex, MenuIndex), &S::picture);
}

void lumoadvToolbar::setPopUpSubMenuPicture(LONG buttonindex, LONG MenuIndex,
                                            const Picture& New_PopUpSubMenuPicture) {
    setFieldOf(m_model.popUpSubItem(buttonindex, MenuIndex), &S::picture, New_PopUpSubMenuPicture,
               "PopUpSubMenuPicture");
}

LONG lumoadvToolbar::PopUpSubCount(LONG buttonindex) const {
    return fieldOf(m_model.popUpItem(buttonindex), &M::subCount);
}

void lumoadvToolbar::setPopUpSubCount(LONG buttonindex, LONG New_PopUpSubCount) {
    if (m_model.setPopUpSubCount(buttonindex, New_PopUpSubCount)) {
        propertyWritten("PopUpSubCount", false);
    }
}

} // namespace lumokit
