#include "button/LumoXPButton.h"

#include "core/control/ErrorTrap.h"
#include "core/control/GradientFillRect.h"
#include "core/control/LibraryMessages.h"
#include "core/control/clsSubClass.h"
#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Icons.h"
#include "core/platform/Win32Rect.h"
#include "core/platform/Win32Text.h"
#include "core/platform/Win32Window.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QPointer>

#include <functional>

namespace lumokit {

namespace {

// The library file's version, as the About message shows it.
constexpr int kFileVersionMajor = 1;
constexpr int kFileVersionMinor = 0;
constexpr int kFileVersionRevision = 12;

constexpr COLORREF kSilhouetteColor = RGB(136, 141, 157);
constexpr OLE_COLOR kDisabledShadowColor = 0xFFFFFF;
constexpr OLE_COLOR kDisabledCaptionColor = 0x80000010; // button shadow
constexpr int kDisabledShadowSize = 1;

const QString kDefaultCaption = QStringLiteral("Lumo XPButton");

// Error labels of the handlers.
const QString kMouseDownLabel = QStringLiteral("Error in ERROR_UserControl_MouseDown : ");
const QString kMouseMoveLabel = QStringLiteral("Error in ERROR_UserControl_MouseMove : ");
const QString kMouseUpLabel = QStringLiteral("Error in ERROR_UserControl_MouseUp : ");
const QString kMouseOutLabel = QStringLiteral("Error in ERROR_UserControl_MouseOut : ");
const QString kClickLabel = QStringLiteral("Error in ERROR_UserControl_Click : ");
const QString kDblClickLabel = QStringLiteral("Error in ERROR_UserControl_DblClick : ");
const QString kKeyDownLabel = QStringLiteral("Error in ERROR_UserControl_KeyDown : ");
const QString kKeyPressLabel = QStringLiteral("Error in ERROR_UserControl_KeyPress : ");
const QString kKeyUpLabel = QStringLiteral("Error in ERROR_UserControl_KeyUp : ");
const QString kAccessKeyLabel = QStringLiteral("Error in ERROR_UserControl_AccessKeyPress : ");
const QString kGotFocusLabel = QStringLiteral("Error in ERROR_UserControl_GotFocus : ");
const QString kLostFocusLabel = QStringLiteral("Error in ERROR_UserControl_LostFocus : ");
const QString kAmbientLabel = QStringLiteral("Error in ERROR_UserControl_AmbientChanged : ");
const QString kResizeLabel = QStringLiteral("Error in ERROR_UserControl_Resize : ");

// The statements of one handler: an error in one is reported with the
// handler's label and the next one runs; once a handler of the host has
// destroyed the button, no further statement runs.
class HandlerSteps {
public:
    HandlerSteps(LumoXPButton* button, const QString& label) : m_button(button), m_trap(label) {}

    void operator()(const std::function<void()>& statement) const {
        if (m_button) {
            m_trap(statement);
        }
    }
    bool alive() const { return !m_button.isNull(); }

private:
    QPointer<LumoXPButton> m_button;
    ErrorTrap m_trap;
};

QVariant colorValue(OLE_COLOR color) {
    return QVariant::fromValue<OLE_COLOR>(color);
}

QVariant int16Value(int value) {
    return QVariant::fromValue(static_cast<qint16>(value));
}

QVariant dataValue(OleDataObject* data) {
    return QVariant::fromValue(static_cast<IDispatch*>(data));
}

int effectsOf(Qt::DropActions actions) {
    int effects = 0;
    effects |= actions.testFlag(Qt::CopyAction) ? LumoXPButton::vbDropEffectCopy : 0;
    effects |= actions.testFlag(Qt::MoveAction) ? LumoXPButton::vbDropEffectMove : 0;
    return effects;
}

Qt::DropActions actionsOf(int effects) {
    Qt::DropActions actions;
    actions.setFlag(Qt::CopyAction, (effects & LumoXPButton::vbDropEffectCopy) != 0);
    actions.setFlag(Qt::MoveAction, (effects & LumoXPButton::vbDropEffectMove) != 0);
    return actions;
}

int buttonsOf(Qt::MouseButtons buttons) {
    int result = 0;
    result |= buttons.testFlag(Qt::LeftButton) ? vbLeftButton : 0;
    result |= buttons.testFlag(Qt::RightButton) ? vbRightButton : 0;
    result |= buttons.testFlag(Qt::MiddleButton) ? vbMiddleButton : 0;
    return result;
}

int shiftOf(Qt::KeyboardModifiers modifiers) {
    int result = 0;
    result |= modifiers.testFlag(Qt::ShiftModifier) ? vbShiftMask : 0;
    result |= modifiers.testFlag(Qt::ControlModifier) ? vbCtrlMask : 0;
    result |= modifiers.testFlag(Qt::AltModifier) ? vbAltMask : 0;
    return result;
}

// The arguments OLEDragDrop and OLEDragOver share: Data, Effect, Button,
// Shift, x, y (OLEDragOver adds State).
QVariantList dropArgs(OleDataObject* data, int effect, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers modifiers, QPointF at) {
    return {dataValue(data),
            effect,
            int16Value(buttonsOf(buttons)),
            int16Value(shiftOf(modifiers)),
            static_cast<float>(at.x()),
            static_cast<float>(at.y())};
}

// Accepts the drop with the effect the host's handler left, preferring the
// action the user proposed.
void acceptDropEffect(QDropEvent* event, int effect) {
    const Qt::DropActions accepted = actionsOf(effect) & event->possibleActions();
    if (accepted == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(accepted.testFlag(event->proposedAction()) ? event->proposedAction()
                         : accepted.testFlag(Qt::CopyAction)        ? Qt::CopyAction
                                                                    : Qt::MoveAction);
    event->accept();
}

} // namespace

LumoXPButton::LumoXPButton(QWidget* parent) : UserControl(parent) {
    SubClassOwnWindow();
    ApplyPlacementDefaults();
}

LumoXPButton::~LumoXPButton() {
    UnloadSubClass();
}

void LumoXPButton::SubClassOwnWindow() {
    mSubClass = std::make_unique<clsSubClass>();
    connect(mSubClass.get(), &clsSubClass::NewMessage, this, &LumoXPButton::mSubClass_NewMessage,
            Qt::DirectConnection);
    mSubClass->SubClassHwnd(hWnd(), true);
}

void LumoXPButton::UnloadSubClass() {
    if (!mSubClass) {
        return;
    }
    mSubClass->SubClassHwnd(hWnd(), false);
    mSubClass.reset();
}

void LumoXPButton::ApplyPlacementDefaults() {
    m_ButtonFadeColor = 0xFFFFFF;
    m_ShowIcon = true;
    m_FocusColor = 0x808080;
    m_CheckedColor = RGB(213, 215, 216);
    m_Checked = false;
    m_Value = false;
    m_FontColorOver = 0;
    m_FontColorDown = 0;
    m_ShowFocus = false;
    m_AlignCaption = CaptionAlign::caLeft;
    m_MultiLine = false;
    m_ShowShadowOver = false;
    m_FontColor = 0;
    m_ShadowColor = 0;
    m_ShadowSize = 0;
    QWidget::setEnabled(true);
    m_IconSizeWidth = 16;
    m_IconSizeHeight = 16;
    m_BackColorIcon = 0xE0E0E0;
    m_BackColorIconOver = RGB(182, 189, 210);
    m_BackColorIconDown = RGB(182, 189, 210);
    m_BackColor = RGB(219, 216, 209);
    m_BackColorOver = RGB(182, 189, 210);
    m_BackColorDown = RGB(133, 146, 181);
    m_BorderColorDown = RGB(10, 36, 106);
    m_BorderColor = 0xFFFFFF;
    m_BorderColorOver = RGB(10, 36, 106);
    m_Icon = Picture();
    m_Style = lumoStyle::lumoVivid;
    setCaption(kDefaultCaption);
    ApplyFont(Ambient().Font());
}

// --- Methods ----------------------------------------------------------------------

void LumoXPButton::RefreshControl() {
    DrawControl(XPButtonLayout::refreshLook(m_Checked, m_Value, IsOver));
}

void LumoXPButton::DrawControl(LONG buttontype) {
    const int w = ScaleWidth();
    const int h = ScaleHeight();
    if (FocusWindow != hWnd()) {
        HasFocus = false;
    }
    const UINT flags = XPButtonLayout::captionFlags(m_AlignCaption, m_MultiLine);
    const LONG look = XPButtonLayout::paintedLook(buttontype, m_Checked, m_Value, isEnabled());
    Cls();
    PaintFace(look, w, h);
    PaintCaption(look, w, h, flags);
    m_paintedLook = look;
}

void LumoXPButton::About() {
    LibraryMessages::MsgBox(QStringLiteral("Lumo XP Button\n"
                                           "https://lumokit.example.org/contact\n"
                                           "Version %1.%2 Build: %3")
                                .arg(kFileVersionMajor)
                                .arg(kFileVersionMinor)
                                .arg(kFileVersionRevision));
}

void LumoXPButton::OLEDrag() {
    const QPointer<LumoXPButton> self(this);
    const ComPtr<OleDataObject> data = OleDataObject::createForSource();
    QVariantList start{dataValue(data.get()), vbDropEffectCopy | vbDropEffectMove};
    if (!Raise(OLEStartDragEventId, start, data.get())) {
        return;
    }
    const int allowed = start.value(1).toInt();
    int effect = vbDropEffectNone;
    // Nothing to carry, or nothing allowed: no drag starts.
    if ((allowed & (vbDropEffectCopy | vbDropEffectMove)) != 0 && !data->isEmpty()) {
        auto* drag = new QDrag(this);
        OleDataObject* source = data.get();
        drag->setMimeData(source->createMimeData([self, source](int format) {
            QVariantList args{dataValue(source), int16Value(format)};
            if (self) {
                self->Raise(OLESetDataEventId, args, source);
            }
        }));
        connect(drag, &QDrag::actionChanged, this, [this](Qt::DropAction action) {
            QVariantList args{int(effectsOf(action)), true};
            Raise(OLEGiveFeedbackEventId, args);
        });
        const Qt::DropAction result = drag->exec(actionsOf(allowed));
        if (!self) {
            return;
        }
        effect = effectsOf(result);
    }
    QVariantList complete{effect};
    Raise(OLECompleteDragEventId, complete);
}

// --- Property writers ---------------------------------------------------------------

// Every write marks the property changed and repaints, even of an unchanged
// value: hosts rewrite a value to force a repaint.
template <typename T>
void LumoXPButton::WriteAndRepaint(T& field, const T& value, const char* propertyName) {
    field = value;
    PropertyChanged(QLatin1String(propertyName));
    RefreshControl();
}

void LumoXPButton::setBorderColor(OLE_COLOR New_BorderColor) {
    WriteAndRepaint(m_BorderColor, New_BorderColor, "BorderColor");
}

void LumoXPButton::setBorderColorOver(OLE_COLOR New_BorderColorOver) {
    WriteAndRepaint(m_BorderColorOver, New_BorderColorOver, "BorderColorOver");
}

void LumoXPButton::setBorderColorDown(OLE_COLOR New_BorderColorDown) {
    WriteAndRepaint(m_BorderColorDown, New_BorderColorDown, "BorderColorDown");
}

void LumoXPButton::setBackColorOver(OLE_COLOR New_BackColorOver) {
    WriteAndRepaint(m_BackColorOver, New_BackColorOver, "BackColorOver");
}

void LumoXPButton::setBackColorDown(OLE_COLOR New_BackColorDown) {
    WriteAndRepaint(m_BackColorDown, New_BackColorDown, "BackColorDown");
}

void LumoXPButton::setBackColorIcon(OLE_COLOR New_BackColorIcon) {
    WriteAndRepaint(m_BackColorIcon, New_BackColorIcon, "BackColorIcon");
}

void LumoXPButton::setBackColorIconOver(OLE_COLOR New_BackColorIconOver) {
    WriteAndRepaint(m_BackColorIconOver, New_BackColorIconOver, "BackColorIconOver");
}

void LumoXPButton::setBackColorIconDown(OLE_COLOR New_BackColorIconDown) {
    WriteAndRepaint(m_BackColorIconDown, New_BackColorIconDown, "BackColorIconDown");
}

void LumoXPButton::setIconSizeWidth(LONG New_IconSizeWidth) {
    WriteAndRepaint(m_IconSizeWidth, New_IconSizeWidth, "IconSizeWidth");
}

void LumoXPButton::setIconSizeHeight(LONG New_IconSizeHeight) {
    WriteAndRepaint(m_IconSizeHeight, New_IconSizeHeight, "IconSizeHeight");
}

void LumoXPButton::setShadowSize(LONG New_ShadowSize) {
    WriteAndRepaint(m_ShadowSize, New_ShadowSize, "ShadowSize");
}

void LumoXPButton::setFontColor(OLE_COLOR New_FontColor) {
    WriteAndRepaint(m_FontColor, New_FontColor, "FontColor");
}

void LumoXPButton::setShadowColor(OLE_COLOR New_ShadowColor) {
    WriteAndRepaint(m_ShadowColor, New_ShadowColor, "ShadowColor");
}

void LumoXPButton::setAlignCaption(CaptionAlign New_AlignCaption) {
    WriteAndRepaint(m_AlignCaption, New_AlignCaption, "AlignCaption");
}

void LumoXPButton::setShowFocus(bool New_ShowFocus) {
    WriteAndRepaint(m_ShowFocus, New_ShowFocus, "ShowFocus");
}

void LumoXPButton::setFontColorOver(OLE_COLOR New_FontColorOver) {
    WriteAndRepaint(m_FontColorOver, New_FontColorOver, "FontColorOver");
}

void LumoXPButton::setFontColorDown(OLE_COLOR New_FontColorDown) {
    WriteAndRepaint(m_FontColorDown, New_FontColorDown, "FontColorDown");
}

void LumoXPButton::setChecked(bool New_Checked) {
    WriteAndRepaint(m_Checked, New_Checked, "Checked");
}

void LumoXPButton::setValue(bool New_Value) {
    WriteAndRepaint(m_Value, New_Value, "Value");
}

void LumoXPButton::setCheckedColor(OLE_COLOR New_CheckedColor) {
    WriteAndRepaint(m_CheckedColor, New_CheckedColor, "CheckedColor");
}

void LumoXPButton::setFocusColor(OLE_COLOR New_FocusColor) {
    WriteAndRepaint(m_FocusColor, New_FocusColor, "FocusColor");
}

void LumoXPButton::setShowIcon(bool New_ShowIcon) {
    WriteAndRepaint(m_ShowIcon, New_ShowIcon, "ShowIcon");
}

void LumoXPButton::setStyle(lumoStyle New_Style) {
    WriteAndRepaint(m_Style, New_Style, "Style");
}

void LumoXPButton::setButtonFadeColor(OLE_COLOR New_ButtonFadeColor) {
    WriteAndRepaint(m_ButtonFadeColor, New_ButtonFadeColor, "ButtonFadeColor");
}

void LumoXPButton::setIcon(const Picture& New_Icon) {
    // Always applied: setting the same icon again still turns ShowIcon on.
    m_Icon = New_Icon;
    m_ShowIcon = m_Icon.Handle() >= 1;
    PropertyChanged(QStringLiteral("Icon"));
    RefreshControl();
}

void LumoXPButton::setCaption(const QString& New_Caption) {
    m_Caption = New_Caption;
    // A caption without an access-key prefix keeps the key it had: hosts
    // rely on a caption like "Fish && Chips" not dropping the button's key.
    if (const std::optional<QChar> key = XPButtonLayout::accessKeyOf(m_Caption)) {
        setAccessKeys(QString(*key));
    }
    PropertyChanged(QStringLiteral("Caption"));
    RefreshControl();
}

void LumoXPButton::setBackColor(OLE_COLOR New_BackColor) {
    m_BackColor = New_BackColor;
    PropertyChanged(QStringLiteral("BackColor"));
}

void LumoXPButton::setMultiLine(bool New_MultiLine) {
    m_MultiLine = New_MultiLine;
    PropertyChanged(QStringLiteral("MultiLine"));
}

void LumoXPButton::setShowShadowOver(bool New_ShowShadowOver) {
    m_ShowShadowOver = New_ShowShadowOver;
    PropertyChanged(QStringLiteral("ShowShadowOver"));
    DrawControl(static_cast<LONG>(XPLook::Normal));
}

void LumoXPButton::setFont(const QFont& New_Font) {
    m_FontCharset = 0;
    QWidget::setFont(New_Font);
    PropertyChanged(QStringLiteral("Font"));
    RefreshControl();
}

void LumoXPButton::ApplyFont(const StdFont& font) {
    m_FontCharset = font.Charset;
    QWidget::setFont(font.toQFont());
}

void LumoXPButton::setEnabled(bool New_Enabled) {
    QWidget::setEnabled(New_Enabled); // a change repaints through WM_ENABLE too
    PropertyChanged(QStringLiteral("Enabled"));
    RefreshControl();
}

void LumoXPButton::setOLEDropMode(short New_OLEDropMode) {
    m_OLEDropMode = New_OLEDropMode;
    setAcceptDrops(m_OLEDropMode == vbOLEDropManual);
    PropertyChanged(QStringLiteral("OLEDropMode"));
}

// --- Persistence ------------------------------------------------------------------------

namespace {

// Keys and the defaults a bag supplies for missing keys; several differ from
// the placement defaults on purpose, so a new button writes those keys.
const QString kCaption = QStringLiteral("Caption");
const QString kBorderColor = QStringLiteral("BorderColor");
const QString kBorderColorOver = QStringLiteral("BorderColorOver");
const QString kIcon = QStringLiteral("Icon");
const QString kBorderColorDown = QStringLiteral("BorderColorDown");
const QString kBackColor = QStringLiteral("BackColor");
const QString kBackColorOver = QStringLiteral("BackColorOver");
const QString kBackColorDown = QStringLiteral("BackColorDown");
const QString kBackColorIcon = QStringLiteral("BackColorIcon");
const QString kBackColorIconOver = QStringLiteral("BackColorIconOver");
const QString kBackColorIconDown = QStringLiteral("BackColorIconDown");
const QString kIconSizeWidth = QStringLiteral("IconSizeWidth");
const QString kIconSizeHeight = QStringLiteral("IconSizeHeight");
const QString kFont = QStringLiteral("Font");
const QString kEnabled = QStringLiteral("Enabled");
const QString kShadowSize = QStringLiteral("ShadowSize");
const QString kFontColor = QStringLiteral("FontColor");
const QString kShadowColor = QStringLiteral("ShadowColor");
const QString kShowShadowOver = QStringLiteral("ShowShadowOver");
const QString kMultiLine = QStringLiteral("MultiLine");
const QString kAlignCaption = QStringLiteral("AlignCaption");
const QString kShowFocus = QStringLiteral("ShowFocus");
const QString kFontColorOver = QStringLiteral("FontColorOver");
const QString kFontColorDown = QStringLiteral("FontColorDown");
const QString kChecked = QStringLiteral("Checked");
const QString kValue = QStringLiteral("Value");
const QString kCheckedColor = QStringLiteral("CheckedColor");
const QString kOLEDropMode = QStringLiteral("OLEDropMode");
const QString kFocusColor = QStringLiteral("FocusColor");
const QString kShowIcon = QStringLiteral("ShowIcon");
const QString kStyle = QStringLiteral("Style");
const QString kButtonFadeColor = QStringLiteral("ButtonFadeColor");

constexpr OLE_COLOR kBagBorderColor = 0xFFFFFF;
constexpr OLE_COLOR kBagBorderColorOver = 0;
constexpr OLE_COLOR kBagBorderColorDown = 0;
constexpr OLE_COLOR kBagBackColor = 0;
constexpr OLE_COLOR kBagBackColorOver = 0;
constexpr OLE_COLOR kBagBackColorDown = 0;
constexpr OLE_COLOR kBagBackColorIcon = 0xE0E0E0;
constexpr OLE_COLOR kBagBackColorIconOver = 0xFFFFFF;
constexpr OLE_COLOR kBagBackColorIconDown = 0xF1F1F1;
constexpr int kBagIconSize = 16;
constexpr OLE_COLOR kBagCheckedColor = 0xFFC0C0;
constexpr OLE_COLOR kBagFocusColor = 0x808080;
constexpr int kBagAlignCaption = static_cast<int>(CaptionAlign::caLeft);
constexpr int kBagStyle = static_cast<int>(lumoStyle::lumoVivid);
constexpr OLE_COLOR kBagButtonFadeColor = 0xFFFFFF;

} // namespace

void LumoXPButton::UserControl_InitProperties() {
    ApplyPlacementDefaults();
    RefreshControl();
}

void LumoXPButton::UserControl_ReadProperties(const PropertyBag& PropBag) {
    const auto color = [&PropBag](const QString& key, OLE_COLOR bagDefault) {
        return PropBag.read<OLE_COLOR>(key, bagDefault);
    };
    setCaption(PropBag.read<QString>(kCaption, kDefaultCaption));
    m_BorderColor = color(kBorderColor, kBagBorderColor);
    m_BorderColorOver = color(kBorderColorOver, kBagBorderColorOver);
    m_Icon = PropBag.read<Picture>(kIcon, Picture()); // ShowIcon has its own key
    m_BorderColorDown = color(kBorderColorDown, kBagBorderColorDown);
    m_BackColor = color(kBackColor, kBagBackColor);
    m_BackColorOver = color(kBackColorOver, kBagBackColorOver);
    m_BackColorDown = color(kBackColorDown, kBagBackColorDown);
    m_BackColorIcon = color(kBackColorIcon, kBagBackColorIcon);
    m_BackColorIconOver = color(kBackColorIconOver, kBagBackColorIconOver);
    m_BackColorIconDown = color(kBackColorIconDown, kBagBackColorIconDown);
    m_IconSizeWidth = PropBag.read<int>(kIconSizeWidth, kBagIconSize);
    m_IconSizeHeight = PropBag.read<int>(kIconSizeHeight, kBagIconSize);
    ApplyFont(PropBag.read<StdFont>(kFont, Ambient().Font()));
    QWidget::setEnabled(PropBag.read<bool>(kEnabled, true));
    m_ShadowSize = PropBag.read<int>(kShadowSize, 0);
    m_FontColor = color(kFontColor, 0);
    m_ShadowColor = color(kShadowColor, 0);
    m_ShowShadowOver = PropBag.read<bool>(kShowShadowOver, false);
    m_MultiLine = PropBag.read<bool>(kMultiLine, false);
    m_AlignCaption = static_cast<CaptionAlign>(PropBag.read<int>(kAlignCaption, kBagAlignCaption));
    m_ShowFocus = PropBag.read<bool>(kShowFocus, false);
    m_FontColorOver = color(kFontColorOver, 0);
    m_FontColorDown = color(kFontColorDown, 0);
    m_Checked = PropBag.read<bool>(kChecked, false);
    m_Value = PropBag.read<bool>(kValue, false);
    m_CheckedColor = color(kCheckedColor, kBagCheckedColor);
    m_OLEDropMode = PropBag.read<short>(kOLEDropMode, vbOLEDropNone);
    setAcceptDrops(m_OLEDropMode == vbOLEDropManual);
    m_FocusColor = color(kFocusColor, kBagFocusColor);
    m_ShowIcon = PropBag.read<bool>(kShowIcon, true);
    m_Style = static_cast<lumoStyle>(PropBag.read<int>(kStyle, kBagStyle));
    m_ButtonFadeColor = color(kButtonFadeColor, kBagButtonFadeColor);
    RefreshControl();
}

void LumoXPButton::UserControl_WriteProperties(PropertyBag& PropBag) {
    const auto color = [&PropBag](const QString& key, OLE_COLOR value, OLE_COLOR bagDefault) {
        PropBag.WriteProperty(key, colorValue(value), colorValue(bagDefault));
    };
    PropBag.WriteProperty(kCaption, m_Caption, kDefaultCaption);
    color(kBorderColor, m_BorderColor, kBagBorderColor);
    color(kBorderColorOver, m_BorderColorOver, kBagBorderColorOver);
    PropBag.WriteProperty(kIcon, QVariant::fromValue(m_Icon), QVariant::fromValue(Picture()));
    color(kBorderColorDown, m_BorderColorDown, kBagBorderColorDown);
    color(kBackColor, m_BackColor, kBagBackColor);
    color(kBackColorOver, m_BackColorOver, kBagBackColorOver);
    color(kBackColorDown, m_BackColorDown, kBagBackColorDown);
    color(kBackColorIcon, m_BackColorIcon, kBagBackColorIcon);
    color(kBackColorIconOver, m_BackColorIconOver, kBagBackColorIconOver);
    color(kBackColorIconDown, m_BackColorIconDown, kBagBackColorIconDown);
    PropBag.WriteProperty(kIconSizeWidth, int(m_IconSizeWidth), kBagIconSize);
    PropBag.WriteProperty(kIconSizeHeight, int(m_IconSizeHeight), kBagIconSize);
    PropBag.WriteProperty(kFont, QVariant::fromValue(StdFont::fromQFont(font(), m_FontCharset)),
                          QVariant::fromValue(Ambient().Font()));
    PropBag.WriteProperty(kEnabled, Enabled(), true);
    PropBag.WriteProperty(kShadowSize, int(m_ShadowSize), 0);
    color(kFontColor, m_FontColor, 0);
    color(kShadowColor, m_ShadowColor, 0);
    PropBag.WriteProperty(kShowShadowOver, m_ShowShadowOver, false);
    PropBag.WriteProperty(kMultiLine, m_MultiLine, false);
    PropBag.WriteProperty(kAlignCaption, static_cast<int>(m_AlignCaption), kBagAlignCaption);
    PropBag.WriteProperty(kShowFocus, m_ShowFocus, false);
    color(kFontColorOver, m_FontColorOver, 0);
    color(kFontColorDown, m_FontColorDown, 0);
    PropBag.WriteProperty(kChecked, m_Checked, false);
    PropBag.WriteProperty(kValue, m_Value, false);
    color(kCheckedColor, m_CheckedColor, kBagCheckedColor);
    PropBag.WriteProperty(kOLEDropMode, QVariant::fromValue<short>(m_OLEDropMode),
                          QVariant::fromValue<short>(vbOLEDropNone));
    color(kFocusColor, m_FocusColor, kBagFocusColor);
    PropBag.WriteProperty(kShowIcon, m_ShowIcon, true);
    PropBag.WriteProperty(kStyle, static_cast<int>(m_Style), kBagStyle);
    color(kButtonFadeColor, m_ButtonFadeColor, kBagButtonFadeColor);
}

// --- Painting ---------------------------------------------------------------------------

void LumoXPButton::PaintFace(LONG look, int w, int h) {
    const RECT face = XPButtonLayout::face(w, h);
    const RECT inner = XPButtonLayout::innerFrame(w, h, m_ShowIcon);
    const bool toggledOn = m_Checked && m_Value;
    switch (static_cast<XPLook>(look)) {
    case XPLook::Normal:
        PaintBackground(m_BackColor, m_BackColorIcon, w, h);
        FrameArea(face, HasFocus ? m_FocusColor : m_BorderColor);
        if (m_ShowIcon) {
            PaintIcon(isEnabled() ? XPIconUse::Normal : XPIconUse::Disabled, h);
        }
        break;
    case XPLook::Over:
        PaintBackground(m_BackColorOver, m_BackColorIconOver, w, h);
        if (toggledOn) {
            FrameArea(inner, m_BorderColorDown);
        }
        FrameArea(face, m_BorderColorOver);
        if (m_ShowIcon) {
            PaintIcon(XPIconUse::OverSilhouette, h);
            PaintIcon(XPIconUse::OverLifted, h);
        }
        break;
    case XPLook::Down:
        PaintBackground(m_BackColorDown, m_BackColorIconDown, w, h);
        if (toggledOn) {
            FrameArea(inner, m_BorderColorDown);
        }
        FrameArea(face, m_BorderColorDown);
        if (m_ShowIcon) {
            PaintIcon(XPIconUse::Normal, h);
        }
        break;
    case XPLook::CheckedOn:
        FillArea(face, m_BackColor, h);
        FillArea(m_ShowIcon ? XPButtonLayout::iconSquare(h) : face, m_CheckedColor, h);
        FrameArea(face, m_BorderColor);
        FrameArea(inner, m_BorderColorDown);
        if (m_ShowIcon) {
            PaintIcon(XPIconUse::Normal, h);
        }
        break;
    default: // look 3 and unknown looks: the caption alone
        break;
    }
}

void LumoXPButton::PaintBackground(OLE_COLOR faceColor, OLE_COLOR iconColor, int w, int h) {
    FillArea(XPButtonLayout::face(w, h), faceColor, h);
    if (m_ShowIcon) {
        FillArea(XPButtonLayout::iconSquare(h), iconColor, h);
    }
}

void LumoXPButton::FillArea(RECT area, OLE_COLOR color, int h) {
    switch (m_Style) {
    case lumoStyle::lumoXP: {
        const HBRUSH brush = CreateSolidBrush(translateColor(color));
        FillRect(hDC(), &area, brush);
        DeleteObject(brush);
        break;
    }
    case lumoStyle::lumoVivid:
        GradientFillRect(hDC(), m_ButtonFadeColor, color, area, h, kGradientVertical);
        break;
    default: // an unknown style paints no background
        break;
    }
}

void LumoXPButton::FrameArea(const RECT& area, OLE_COLOR color) {
    const HBRUSH brush = CreateSolidBrush(translateColor(color));
    FrameRect(hDC(), &area, brush);
    DeleteObject(brush);
}

void LumoXPButton::PaintIcon(XPIconUse use, int h) {
    const int width = m_IconSizeWidth;
    const int height = m_IconSizeHeight;
    if (width < 0 || height < 0 || !XPButtonLayout::isDrawableIconSize(width, height)) {
        return;
    }
    const POINT at = XPButtonLayout::iconPosition(use, h, width, height);
    switch (use) {
    case XPIconUse::Normal:
    case XPIconUse::OverLifted:
        DrawStateA(hDC(), 0, nullptr, m_Icon, 0, at.x, at.y, width, height, DST_ICON);
        break;
    case XPIconUse::Disabled:
        DrawStateA(hDC(), 0, nullptr, m_Icon, 0, at.x, at.y, width, height,
                   DST_ICON | DSS_DISABLED);
        break;
    case XPIconUse::OverSilhouette: {
        const HBRUSH brush = CreateSolidBrush(kSilhouetteColor);
        DrawStateA(hDC(), brush, nullptr, m_Icon, 0, at.x, at.y, width, height,
                   DST_ICON | DSS_MONO);
        DeleteObject(brush);
        break;
    }
    }
}

void LumoXPButton::PaintCaption(LONG look, int w, int h, UINT flags) {
    if (m_Caption.isEmpty()) {
        return;
    }
    const bool enabled = isEnabled();
    // A disabled caption is engraved: one white copy down and right.
    const LONG shadowSize = enabled ? m_ShadowSize : kDisabledShadowSize;
    setForeColor(enabled ? m_ShadowColor : kDisabledShadowColor);
    const bool shadowInThisLook =
        !(m_ShowShadowOver && enabled) || look == static_cast<LONG>(XPLook::Over);
    if (shadowInThisLook) {
        const int copies = XPButtonLayout::visibleShadowCount(shadowSize, w, h);
        for (int i = 1; i <= copies; ++i) {
            m_workRect = XPButtonLayout::shadowRect(i, w, h, m_ShowIcon);
            DrawTextA(hDC(), m_Caption, -1, &m_workRect, flags);
        }
    }

    OLE_COLOR captionColor = kDisabledCaptionColor;
    if (enabled) {
        switch (static_cast<XPLook>(look)) {
        case XPLook::Over:
            captionColor = m_FontColorOver;
            break;
        case XPLook::Down:
            captionColor = m_FontColorDown;
            break;
        default:
            captionColor = m_FontColor;
            break;
        }
    }
    setForeColor(captionColor);
    m_workRect = XPButtonLayout::captionRect(w, h, m_ShowIcon);
    DrawTextA(hDC(), m_Caption, -1, &m_workRect, flags);

    if (HasFocus && m_ShowFocus && enabled) {
        m_workRect = XPButtonLayout::focusRect(w, h);
        DrawFocusRect(hDC(), &m_workRect);
    }
    SetRectEmpty(&m_workRect);
}

// --- Events ---------------------------------------------------------------------------

bool LumoXPButton::Raise(DISPID eventId, QVariantList& args, OleDataObject* data) {
    const QPointer<LumoXPButton> self(this);
    args = RaiseEvent(eventId, std::move(args));
    if (!self) {
        return false;
    }
    EmitTypedSignal(eventId, args, data);
    return !self.isNull();
}

bool LumoXPButton::RaiseClick() {
    QVariantList none;
    return Raise(ClickEventId, none);
}

bool LumoXPButton::RaiseMouseEvent(DISPID eventId, int Button, int Shift, float X, float Y) {
    QVariantList args{int16Value(Button), int16Value(Shift), X, Y};
    return Raise(eventId, args);
}

void LumoXPButton::EmitTypedSignal(DISPID eventId, QVariantList& args, OleDataObject* data) {
    const auto number = [&args](int index) { return args.value(index).toInt(); };
    const auto single = [&args](int index) { return args.value(index).toFloat(); };
    switch (eventId) {
    case ClickEventId:
        emit Click();
        break;
    case DropClickEventId:
        emit DropClick(single(0), single(1));
        break;
    case MouseOverEventId:
        emit MouseOver();
        break;
    case MouseDownEventId:
        emit MouseDown(number(0), number(1), single(2), single(3));
        break;
    case MouseMoveEventId:
        emit MouseMove(number(0), number(1), single(2), single(3));
        break;
    case MouseOutEventId:
        emit MouseOut(number(0), number(1), single(2), single(3));
        break;
    case MouseUpEventId:
        emit MouseUp(number(0), number(1), single(2), single(3));
        break;
    case KeyDownEventId:
        emit KeyDown(number(0), number(1));
        break;
    case KeyUpEventId:
        emit KeyUp(number(0), number(1));
        break;
    case KeyPressEventId:
        emit KeyPress(number(0));
        break;
    case OLECompleteDragEventId:
        emit OLECompleteDrag(number(0));
        break;
    case OLEDragDropEventId: {
        int effect = number(1);
        emit OLEDragDrop(data, effect, number(2), number(3), single(4), single(5));
        args[1] = effect;
        break;
    }
    case OLEDragOverEventId: {
        int effect = number(1);
        emit OLEDragOver(data, effect, number(2), number(3), single(4), single(5), number(6));
        args[1] = effect;
        break;
    }
    case OLEGiveFeedbackEventId: {
        int effect = number(0);
        bool defaultCursors = args.value(1).toBool();
        emit OLEGiveFeedback(effect, defaultCursors);
        args[0] = effect;
        args[1] = defaultCursors;
        break;
    }
    case OLESetDataEventId:
        emit OLESetData(data, number(1));
        break;
    case OLEStartDragEventId: {
        int allowed = number(1);
        emit OLEStartDrag(data, allowed);
        args[1] = allowed;
        break;
    }
    default:
        break;
    }
}

// --- Handlers -------------------------------------------------------------------------

void LumoXPButton::UserControl_MouseDown(int Button, int Shift, float X, float Y) {
    HandlerSteps step(this, kMouseDownLabel);
    step([&] { RaiseMouseEvent(MouseDownEventId, Button, Shift, X, Y); });
    step([&] { IsDown = true; });
    step([&] { DrawControl(static_cast<LONG>(XPLook::Down)); });
}

void LumoXPButton::UserControl_MouseMove(int Button, int Shift, float X, float Y) {
    HandlerSteps step(this, kMouseMoveLabel);
    step([&] { RaiseMouseEvent(MouseMoveEventId, Button, Shift, X, Y); });
    if (!step.alive() || IsDown) {
        return;
    }
    step([&] { IsOver = false; });
    step([&] {
        // Asked again on every move: the window manager forgets after a notice.
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hWnd(), 0};
        _TrackMouseEvent(&track);
    });
    step([&] {
        QVariantList none;
        Raise(MouseOverEventId, none);
    });
    step([&] { IsOver = true; });
    step([&] { DrawControl(static_cast<LONG>(XPLook::Over)); });
}

void LumoXPButton::UserControl_MouseUp(int Button, int Shift, float X, float Y) {
    HandlerSteps step(this, kMouseUpLabel);
    step([&] { RaiseMouseEvent(MouseUpEventId, Button, Shift, X, Y); });
    step([&] { IsDown = false; });
    step([&] { RefreshControl(); });
}

void LumoXPButton::UserControl_Click() {
    HandlerSteps step(this, kClickLabel);
    float x = 0;
    float y = 0;
    step([&] {
        // The screen point below the lower-left corner, for a drop-down.
        RECT window{};
        GetWindowRect(hWnd(), &window);
        x = static_cast<float>(window.left) * static_cast<float>(TwipsPerPixelX());
        y = static_cast<float>(window.bottom) * static_cast<float>(TwipsPerPixelY());
    });
    if (isEnabled()) {
        step([&] { setValue(!m_Value); });
        step([&] {
            QVariantList point{x, y};
            Raise(DropClickEventId, point);
        });
        step([&] { RaiseClick(); });
    }
    step([&] { IsOver = false; });
    step([&] { RefreshControl(); });
}

void LumoXPButton::UserControl_DblClick() {
    HandlerSteps step(this, kDblClickLabel);
    if (isEnabled()) {
        step([&] { RaiseClick(); });
    }
}

void LumoXPButton::UserControl_KeyDown(int& KeyCode, int& Shift) {
    HandlerSteps step(this, kKeyDownLabel);
    // Enter clicks even a disabled button; Space only an enabled one.
    if (KeyCode == VK_RETURN || (KeyCode == VK_SPACE && isEnabled())) {
        step([&] { RaiseClick(); });
        step([&] { DrawControl(static_cast<LONG>(XPLook::Normal)); });
        step([&] { DrawControl(static_cast<LONG>(XPLook::Over)); });
    }
    if (step.alive() && isEnabled()) {
        step([&] {
            QVariantList args{int16Value(KeyCode), int16Value(Shift)};
            Raise(KeyDownEventId, args);
        });
    }
}

void LumoXPButton::UserControl_KeyUp(int& KeyCode, int& Shift) {
    HandlerSteps step(this, kKeyUpLabel);
    if (isEnabled()) {
        step([&] {
            QVariantList args{int16Value(KeyCode), int16Value(Shift)};
            Raise(KeyUpEventId, args);
        });
    }
    if (step.alive() && (KeyCode == VK_RETURN || (KeyCode == VK_SPACE && isEnabled()))) {
        step([&] { DrawControl(static_cast<LONG>(XPLook::Normal)); });
    }
}

void LumoXPButton::UserControl_KeyPress(int& KeyAscii) {
    HandlerSteps step(this, kKeyPressLabel);
    if (isEnabled()) {
        step([&] {
            QVariantList args{int16Value(KeyAscii)};
            Raise(KeyPressEventId, args);
        });
    }
}

void LumoXPButton::UserControl_AccessKeyPress(int) {
    HandlerSteps step(this, kAccessKeyLabel);
    step([&] { HasFocus = true; });
    step([&] { RefreshControl(); });
    step([&] { RaiseClick(); });
}

void LumoXPButton::UserControl_GotFocus() {
    HandlerSteps step(this, kGotFocusLabel);
    step([&] { FocusWindow = GetFocus(); });
    step([&] { HasFocus = true; });
    step([&] { RefreshControl(); });
}

void LumoXPButton::UserControl_LostFocus() {
    HandlerSteps step(this, kLostFocusLabel);
    step([&] { HasFocus = false; });
    step([&] { RefreshControl(); });
}

void LumoXPButton::UserControl_AmbientChanged(const QString& PropertyName) {
    HandlerSteps step(this, kAmbientLabel);
    if (PropertyName == QLatin1String("DisplayAsDefault")) {
        step([&] { HasFocus = Ambient().DisplayAsDefault(); });
        step([&] { RefreshControl(); });
    }
}

void LumoXPButton::UserControl_Resize() {
    HandlerSteps step(this, kResizeLabel);
    step([&] { RefreshControl(); });
}

LRESULT LumoXPButton::DefWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_ENABLE) {
        RefreshControl(); // enabled or disabled from anywhere: show it
    }
    return UserControl::DefWindowProc(uMsg, wParam, lParam);
}

void LumoXPButton::mSubClass_NewMessage(HWND, UINT& uMsg, WPARAM&, LPARAM&, bool&) {
    switch (uMsg) {
    case WM_LBUTTONDBLCLK:
        uMsg = WM_LBUTTONDOWN; // a quick second click is an ordinary click
        break;
    case WM_RBUTTONDBLCLK:
        uMsg = WM_RBUTTONDOWN;
        break;
    case WM_MOUSELEAVE: {
        HandlerSteps step(this, kMouseOutLabel);
        step([&] { IsOver = false; });
        step([&] { DrawControl(static_cast<LONG>(XPLook::Normal)); });
        step([&] { RaiseMouseEvent(MouseOutEventId, vbLeftButton, 0, 0, 0); });
        break;
    }
    default:
        break;
    }
}

// --- OLE drop target ----------------------------------------------------------------

void LumoXPButton::RaiseDragOver(QDropEvent* event, int state) {
    QVariantList args = dropArgs(m_dropData.get(), effectsOf(event->possibleActions()),
                                 event->buttons(), event->modifiers(), event->position());
    args.append(int16Value(state));
    const ComPtr<OleDataObject> data = m_dropData; // a handler may end the drag
    if (!Raise(OLEDragOverEventId, args, data.get())) {
        return;
    }
    acceptDropEffect(event, args.value(1).toInt());
}

void LumoXPButton::dragEnterEvent(QDragEnterEvent* event) {
    if (m_OLEDropMode != vbOLEDropManual) {
        event->ignore();
        return;
    }
    m_dropData = OleDataObject::createForTarget(event->mimeData());
    m_dropPosition = event->position();
    RaiseDragOver(event, vbEnter);
}

void LumoXPButton::dragMoveEvent(QDragMoveEvent* event) {
    if (!m_dropData) {
        event->ignore();
        return;
    }
    m_dropPosition = event->position();
    RaiseDragOver(event, vbOver);
}

void LumoXPButton::dragLeaveEvent(QDragLeaveEvent* event) {
    const ComPtr<OleDataObject> data = std::move(m_dropData);
    m_dropData = nullptr;
    if (!data) {
        return;
    }
    QVariantList args = dropArgs(data.get(), vbDropEffectNone, QGuiApplication::mouseButtons(),
                                 QGuiApplication::keyboardModifiers(), m_dropPosition);
    args.append(int16Value(vbLeave));
    Raise(OLEDragOverEventId, args, data.get());
    event->accept();
}

void LumoXPButton::dropEvent(QDropEvent* event) {
    const ComPtr<OleDataObject> data =
        m_dropData ? std::move(m_dropData) : OleDataObject::createForTarget(event->mimeData());
    m_dropData = nullptr;
    if (m_OLEDropMode != vbOLEDropManual) {
        event->ignore();
        return;
    }
    QVariantList args = dropArgs(data.get(), effectsOf(event->possibleActions()), event->buttons(),
                                 event->modifiers(), event->position());
    if (!Raise(OLEDragDropEventId, args, data.get())) {
        return;
    }
    acceptDropEffect(event, args.value(1).toInt());
}

} // namespace lumokit
