#include "toolbar/ToolbarPersistence.h"

#include "core/control/PropertyTable.h"
#include "core/platform/SysColors.h"
#include "toolbar/lumoadvToolbar.h"

#include <QHash>

#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

namespace lumokit {

namespace {

using T = lumoadvToolbar;
using S = ToolbarSettings;

// 16-bit keys: values past the range are stored at its end.
short toShort(LONG value) {
    return static_cast<short>(std::clamp<LONG>(value, std::numeric_limits<short>::min(),
                                               std::numeric_limits<short>::max()));
}

// One saved value of a record: its key name, the default the bag leaves out
// and reads for a missing key (its type is the stored type), and the field.
template <typename Record> struct RecordKey {
    const char* name;
    QVariant bagDefault;
    std::function<QVariant(const Record&)> get;
    std::function<void(Record&, const QVariant&)> set;
};

template <typename Record, typename F>
RecordKey<Record> key(const char* name, F Record::*field, F bagDefault) {
    return {name, QVariant::fromValue(bagDefault),
            [field](const Record& r) { return QVariant::fromValue(r.*field); },
            [field](Record& r, const QVariant& v) { r.*field = v.value<F>(); }};
}

// A field kept as 32 bits but stored in 16.
template <typename Record, typename F>
RecordKey<Record> shortKey(const char* name, F Record::*field, short bagDefault) {
    return {name, QVariant::fromValue(bagDefault),
            [field](const Record& r) {
                return QVariant::fromValue(toShort(static_cast<LONG>(r.*field)));
            },
            [field](Record& r, const QVariant& v) { r.*field = static_cast<F>(v.value<short>()); }};
}

using ButtonKey = RecordKey<ToolbarButton>;
using ItemKey = RecordKey<ToolbarMenuItem>;

// In reading order.
const std::vector<ButtonKey>& buttonKeys() {
    using B = ToolbarButton;
    static const std::vector<ButtonKey> keys = {
        key("ButtonCaption", &B::caption, QString()),
        key("ButtonTag", &B::tag, QString()),
        key("ButtonDescription", &B::description, QString()),
        key("ButtonEnable", &B::enable, true),
        key("ButtonPicture", &B::picture, Picture()),
        key("ButtonShowCaption", &B::showCaption, false),
        shortKey("ButtonStyle", &B::style, 0),
        key("ButtonIsChecked", &B::isChecked, false),
        key("ButtonVisible", &B::visible, true),
        shortKey("ButtonPlaceHolderWidth", &B::width, 50),
        key<B, OLE_COLOR>("ButtonMaskColor", &B::maskColor, 0xFFFFFF),
        shortKey("DropDownCount", &B::dropDownCount, 0),
        key("ButtonToolText", &B::toolText, QString()),
    };
    return keys;
}

// The writer's order, by key name.
const std::vector<const char*>& buttonWriteOrder() {
    static const std::vector<const char*> order = {
        "ButtonEnable",      "ButtonIsChecked",   "ButtonCaption",          "ButtonTag",
        "ButtonDescription", "ButtonPicture",     "ButtonPlaceHolderWidth", "ButtonStyle",
        "ButtonVisible",     "ButtonShowCaption", "DropDownCount",          "ButtonMaskColor",
        "ButtonToolText"};
    return order;
}

// In reading and writing order. The check state reads as false when it is
// missing, which is what the writer leaves out.
const std::vector<ItemKey>& itemKeys() {
    using M = ToolbarMenuItem;
    static const std::vector<ItemKey> keys = {
        key("DropDownCaption", &M::caption, QString()),
        key("DropDownEnable", &M::enable, true),
        key("DropDownVisible", &M::visible, true),
        key("DropDownIsChecked", &M::isChecked, false),
        shortKey("DropDownStyle", &M::style, 0),
        key<M, OLE_COLOR>("DropDownMaskColor", &M::maskColor, 0xFFFFFF),
        key("DropDownTag", &M::tag, QString()),
        key("DropDownPicture", &M::picture, Picture()),
    };
    return keys;
}

const char* const kCaptionKey = "DropDownCaption";
const char* const kPictureKey = "DropDownPicture";

// Height and style of an item as read: lists hold no nested lists.
void settleItem(ToolbarMenuItem& item) {
    switch (item.style) {
    case sStyle::sNormal:
    case sStyle::sPlaceHolder:
    case sStyle::sCheckBox:
        item.height = 24;
        break;
    case sStyle::sSeparate:
        item.height = 5;
        break;
    case sStyle::sDropDown:
        item.style = sStyle::sPlaceHolder;
        break;
    default:
        break;
    }
}

bool storesPicture(sStyle style) {
    return style == sStyle::sNormal || style == sStyle::sDropDown || style == sStyle::sCheckBox;
}

QString plainSuffix(LONG button, LONG item) {
    return QString::number(button) + QString::number(item);
}

// Items whose plain keys another item of the toolbar would share.
QHash<QString, int> plainSuffixUse(const ToolbarModel& model) {
    QHash<QString, int> use;
    for (LONG i = 1; i <= model.ButtonCount(); ++i) {
        for (LONG j = 1; j <= model.button(i)->dropDownCount; ++j) {
            ++use[plainSuffix(i, j)];
        }
    }
    return use;
}

} // namespace

const PropertyTable<T>& ToolbarPersistence::toolbarKeys() {
    static const PropertyTable<T> table = [] {
        PropertyTable<T> t;
        t.member("ButtonBorderColor", &T::m_settings, &S::ButtonBorderColor, RGB(219, 216, 209),
                 0xFFFFFF)
            .member("ButtonBorderColorOver", &T::m_settings, &S::ButtonBorderColorOver,
                    RGB(10, 36, 106), 0)
            .member("ButtonBorderColorDown", &T::m_settings, &S::ButtonBorderColorDown,
                    RGB(10, 36, 106), 0)
            .member("ButtonColor", &T::m_settings, &S::ButtonColor, RGB(219, 216, 209), 0)
            .member("ButtonColorOver", &T::m_settings, &S::ButtonColorOver, RGB(182, 189, 210),
                    0xFF0000)
            .member("ButtonColorDown", &T::m_settings, &S::ButtonColorDown, RGB(133, 146, 181),
                    0x0000FF)
            .member("IconSizeWidth", &T::m_settings, &S::IconSizeWidth, 16, 16)
            .member("IconSizeHeight", &T::m_settings, &S::IconSizeHeight, 16, 16)
            .member("Checked", &T::m_settings, &S::Checked, false, false)
            .member("Value", &T::m_settings, &S::Value, false, false)
            .member("CheckedColor", &T::m_settings, &S::CheckedColor, RGB(213, 215, 216), 0xFFC0C0)
            .member("MenuBgColor", &T::m_settings, &S::MenuBgColor, 0xFFFFFF, 0xFFFFFF)
            .member("MenuIconBGColor", &T::m_settings, &S::MenuIconBGColor, 0x8000000F, 0x8000000F)
            .member("Style", &T::m_settings, &S::Style, lumoStyle::lumoVivid, lumoStyle::lumoVivid)
            .property<OLE_COLOR>(
                "bgBottomColor", 0xFFFFFF, 0xFFFFFF, [](const T& c) { return c.bgBottomColor(); },
                [](T& c, const OLE_COLOR& v) { c.setbgBottomColor(v); })
            .property<OLE_COLOR>(
                "bgTopColor", 0x8000000F, 0x8000000F, [](const T& c) { return c.bgTopColor(); },
                [](T& c, const OLE_COLOR& v) { c.setbgTopColor(v); })
            .member("Border", &T::m_settings, &S::Border, lumoBorder::lumoNoBorder,
                    lumoBorder::lumoNoBorder)
            .member("ButtonFadeColor", &T::m_settings, &S::ButtonFadeColor, 0xFFFFFF, 0xFFFFFF)
            .property<short>(
                "ButtonCount", 0, 0, [](const T& c) { return toShort(c.ButtonCount()); },
                [](T& c, const short& count) { c.m_storedButtonCount = count; })
            .member("BackgroundFade", &T::m_settings, &S::BackgroundFade, lumobgFade::lumoFade,
                    lumobgFade::lumoFade)
            .member("StripColor", &T::m_settings, &S::StripColor, 0x808080, 0x808080)
            .member("SepColor", &T::m_settings, &S::SepColor, 0x808080, 0x808080);
        return t;
    }();
    return table;
}

namespace {

const QString kToolbarFont = QStringLiteral("ToolbarFont");
const QString kMoreText = QStringLiteral("MoreText");
const QString kDefaultMoreText = QStringLiteral("More...");

} // namespace

QString ToolbarPersistence::itemKey(const char* name, LONG button, LONG item, bool separated) {
    return QString::fromLatin1(name) + QString::number(button) +
           (separated ? QStringLiteral("_") : QString()) + QString::number(item);
}

void ToolbarPersistence::place(lumoadvToolbar& toolbar) {
    toolbarKeys().place(toolbar);
    toolbar.m_settings.MoreText = kDefaultMoreText;
    toolbar.m_settings.ToolbarFont = toolbar.Ambient().Font();
}

void ToolbarPersistence::read(lumoadvToolbar& toolbar, const PropertyBag& bag) {
    toolbarKeys().read(toolbar, bag);
    toolbar.m_settings.ToolbarFont = bag.read<StdFont>(kToolbarFont, toolbar.Ambient().Font());
    toolbar.m_settings.MoreText = bag.read<QString>(kMoreText, kDefaultMoreText);
    readButtons(bag, toolbar.m_model, toolbar.m_storedButtonCount);
}

void ToolbarPersistence::write(const lumoadvToolbar& toolbar, PropertyBag& bag) {
    toolbarKeys().write(toolbar, bag);
    bag.WriteProperty(kMoreText, toolbar.m_settings.MoreText, kDefaultMoreText);
    bag.WriteProperty(kToolbarFont, QVariant::fromValue(toolbar.m_settings.ToolbarFont),
                      QVariant::fromValue(toolbar.Ambient().Font()));
    writeButtons(bag, toolbar.m_model);
}

void ToolbarPersistence::readButtons(const PropertyBag& bag, ToolbarModel& model, LONG count) {
    model.clearButtons();
    for (LONG i = 1; i <= count; ++i) {
        ToolbarButton& button = model.appendButton();
        const QString suffix = QString::number(i);
        for (const ButtonKey& k : buttonKeys()) {
            k.set(button, bag.ReadProperty(QString::fromLatin1(k.name) + suffix, k.bagDefault));
        }
        button.dropDownCount = std::max<LONG>(button.dropDownCount, 0);
        for (LONG j = 1; j <= button.dropDownCount; ++j) {
            ToolbarMenuItem& item = button.dropDownItems.emplace_back();
            const bool separated = bag.contains(itemKey(kCaptionKey, i, j, true));
            for (const ItemKey& k : itemKeys()) {
                k.set(item, bag.ReadProperty(itemKey(k.name, i, j, separated), k.bagDefault));
            }
            settleItem(item);
        }
    }
}

void ToolbarPersistence::writeButtons(PropertyBag& bag, const ToolbarModel& model) {
    const QHash<QString, int> suffixUse = plainSuffixUse(model);
    for (LONG i = 1; i <= model.ButtonCount(); ++i) {
        const ToolbarButton& button = *model.button(i);
        const QString suffix = QString::number(i);
        for (const char* name : buttonWriteOrder()) {
            const auto k =
                std::find_if(buttonKeys().begin(), buttonKeys().end(),
                             [name](const ButtonKey& b) { return qstrcmp(b.name, name) == 0; });
            bag.WriteProperty(QString::fromLatin1(name) + suffix, k->get(button), k->bagDefault);
        }
        for (LONG j = 1; j <= button.dropDownCount; ++j) {
            const ToolbarMenuItem& item = *model.dropDownItem(i, j);
            const bool separated = suffixUse.value(plainSuffix(i, j)) > 1;
            for (const ItemKey& k : itemKeys()) {
                if (qstrcmp(k.name, kPictureKey) == 0 && !storesPicture(item.style)) {
                    continue; // separators and place holders store no picture
                }
                // The caption is always stored.
                const QVariant bagDefault =
                    qstrcmp(k.name, kCaptionKey) == 0 ? QVariant() : k.bagDefault;
                bag.WriteProperty(itemKey(k.name, i, j, separated), k.get(item), bagDefault);
            }
        }
    }
}

} // namespace lumokit
