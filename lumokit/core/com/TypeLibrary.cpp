#include "core/com/TypeLibrary.h"

#include "core/com/InterfaceBuilder.h"

#include <lumokit/Enums.h>
#include <lumokit/TypeLibIds.h>

namespace lumokit {

namespace {

const TypeRef Bool{VarKind::Bool, {}};
const TypeRef Int16{VarKind::Int16, {}};
const TypeRef Int32{VarKind::Int32, {}};
const TypeRef Single{VarKind::Single, {}};
const TypeRef String{VarKind::String, {}};
const TypeRef Color{VarKind::Color, {}};
const TypeRef Variant{VarKind::Variant, {}};
const TypeRef Picture{VarKind::Picture, {}};
const TypeRef Font{VarKind::Font, {}};
const TypeRef DataObject{VarKind::DataObject, {}};

TypeRef enumType(const char* name) {
    return TypeRef::enumeration(QString::fromLatin1(name));
}

ParamInfo val(const char* name, const TypeRef& type) {
    return ParamInfo{QString::fromLatin1(name), type, false, false, {}};
}

ParamInfo ref(const char* name, const TypeRef& type) {
    return ParamInfo{QString::fromLatin1(name), type, true, false, {}};
}

template <typename E> QVariant enumValue(E value) {
    return QVariant::fromValue(static_cast<qint32>(value));
}

QString text(const char* name) {
    return QString::fromLatin1(name);
}

// ---- enumerations ------------------------------------------------------

template <typename E> EnumMember member(const char* name, E value) {
    return EnumMember{text(name), static_cast<std::int32_t>(value)};
}

std::vector<EnumInfo> enumerations() {
    return {
        {text("IFCBackStyles"),
         {member("ifbsTransparent", IFCBackStyles::ifbsTransparent),
          member("ifbsOpaque", IFCBackStyles::ifbsOpaque)}},
        {text("sStyle"),
         {member("sNormal", sStyle::sNormal), member("sSeparate", sStyle::sSeparate),
          member("sPlaceHolder", sStyle::sPlaceHolder), member("sDropDown", sStyle::sDropDown),
          member("sCheckBox", sStyle::sCheckBox), member("sLabel", sStyle::sLabel)}},
        {text("lumoBorder"),
         {member("lumoNoBorder", lumoBorder::lumoNoBorder),
          member("lumoFlatBorder", lumoBorder::lumoFlatBorder),
          member("lumo3dRaisedBorder", lumoBorder::lumo3dRaisedBorder),
          member("lumo3dDownBorder", lumoBorder::lumo3dDownBorder)}},
        {text("lumoStyle"),
         {member("lumoXP", lumoStyle::lumoXP), member("lumoVivid", lumoStyle::lumoVivid)}},
        {text("lumobgFade"),
         {member("lumoFade", lumobgFade::lumoFade), member("lumoSolid", lumobgFade::lumoSolid)}},
        {text("lumoDrawMode"),
         {member("lumoFast", lumoDrawMode::lumoFast), member("lumoSlow", lumoDrawMode::lumoSlow)}},
        {text("lumobStyle"),
         {member("lumoXP", lumobStyle::lumoXP), member("lumoVivid", lumobStyle::lumoVivid)}},
        {text("lumoTabstyle"),
         {member("IconCaption", lumoTabstyle::IconCaption),
          member("IconOnly", lumoTabstyle::IconOnly),
          member("CaptionOnly", lumoTabstyle::CaptionOnly)}},
        {text("lumocStyle"),
         {member("lumoXP", lumocStyle::lumoXP), member("lumoVivid", lumocStyle::lumoVivid)}},
        {text("CaptionAlign"),
         {member("caRight", CaptionAlign::caRight), member("caCenter", CaptionAlign::caCenter),
          member("caLeft", CaptionAlign::caLeft)}},
        {text("EErrorTimer"),
         {member("eeBaseTimer", eeBaseTimer), member("eeTooManyTimers", eeTooManyTimers),
          member("eeCantCreateTimer", eeCantCreateTimer)}},
        {text("sSize"),
         {member("sNoAutosize", sSize::sNoAutosize), member("sSpring", sSize::sSpring),
          member("sContents", sSize::sContents)}},
        {text("lumosBorder"),
         {member("lumosNoBorder", lumosBorder::lumosNoBorder),
          member("lumosFlatBorder", lumosBorder::lumosFlatBorder),
          member("lumos3dRaisedBorder", lumosBorder::lumos3dRaisedBorder),
          member("lumos3dDownBorder", lumosBorder::lumos3dDownBorder)}},
    };
}

// ---- shared event shapes -----------------------------------------------

std::vector<ParamInfo> mouseArgs() {
    return {ref("Button", Int16), ref("Shift", Int16), ref("x", Single), ref("y", Single)};
}

std::vector<ParamInfo> keyArgs() {
    return {ref("KeyCode", Int16), ref("Shift", Int16)};
}

EventInfo event(const char* name, std::vector<ParamInfo> params = {}) {
    return EventInfo{text(name), 0, std::move(params)};
}

EventInterfaceInfo eventInterface(const char* name, const GUID& iid,
                                  std::vector<EventInfo> events) {
    for (std::size_t i = 0; i < events.size(); ++i) {
        events[i].id = static_cast<DISPID>(i + 1);
    }
    return EventInterfaceInfo{text(name), iid, std::move(events)};
}

// ---- LumoXPButton ------------------------------------------------------

InterfaceInfo xpButtonInterface() {
    InterfaceBuilder b(text("_LumoXPButton"), IID__LumoXPButton);
    b.method(text("RefreshControl"))
        .method(text("Refresh"))
        .method(text("DrawControl"), {val("buttontype", Int32)})
        .method(text("About"))
        .readSet(text("Icon"), Picture)
        .readWrite(text("BorderColor"), Color)
        .readWrite(text("Caption"), String)
        .readWrite(text("BorderColorOver"), Color)
        .readWrite(text("BorderColorDown"), Color)
        .readWrite(text("BackColor"), Color)
        .readWrite(text("BackColorOver"), Color)
        .readWrite(text("BackColorDown"), Color)
        .readWrite(text("BackColorIcon"), Color)
        .readWrite(text("BackColorIconOver"), Color)
        .readWrite(text("BackColorIconDown"), Color)
        .readWrite(text("IconSizeWidth"), Int32)
        .readWrite(text("IconSizeHeight"), Int32)
        .readSet(text("Font"), Font)
        .readWrite(text("Enabled"), Bool)
        .readWrite(text("ShadowSize"), Int32)
        .readWrite(text("FontColor"), Color)
        .readWrite(text("ShadowColor"), Color)
        .readWrite(text("ShowShadowOver"), Bool)
        .readWrite(text("MultiLine"), Bool)
        .readWrite(text("AlignCaption"), enumType("CaptionAlign"))
        .readWrite(text("ShowFocus"), Bool)
        .readWrite(text("FontColorOver"), Color)
        .readWrite(text("FontColorDown"), Color)
        .readWrite(text("Checked"), Bool)
        .readWrite(text("Value"), Bool)
        .readWrite(text("CheckedColor"), Color)
        .get(text("hwnd"), Int32)
        .get(text("hDC"), Int32)
        .method(text("OLEDrag"))
        .readWrite(text("OLEDropMode"), Int16)
        .readWrite(text("FocusColor"), Color)
        .readWrite(text("ShowIcon"), Bool)
        .readWrite(text("Style"), enumType("lumoStyle"))
        .readWrite(text("ButtonFadeColor"), Color)
        .method(text("UnloadSubClass"));
    return b.build();
}

EventInterfaceInfo xpButtonEvents() {
    const auto dragArgs = [](bool withState) {
        std::vector<ParamInfo> args{ref("Data", DataObject), ref("Effect", Int32),
                                    ref("Button", Int16),    ref("Shift", Int16),
                                    ref("x", Single),        ref("y", Single)};
        if (withState) {
            args.push_back(ref("State", Int16));
        }
        return args;
    };
    return eventInterface(
        "__LumoXPButton", DIID___LumoXPButton,
        {event("Click"), event("DropClick", {ref("x", Single), ref("y", Single)}),
         event("MouseOver"), event("MouseDown", mouseArgs()), event("MouseMove", mouseArgs()),
         event("MouseOut", mouseArgs()), event("MouseUp", mouseArgs()), event("KeyDown", keyArgs()),
         event("KeyUp", keyArgs()), event("KeyPress", {ref("KeyAscii", Int16)}),
         event("OLECompleteDrag", {ref("Effect", Int32)}), event("OLEDragDrop", dragArgs(false)),
         event("OLEDragOver", dragArgs(true)),
         event("OLEGiveFeedback", {ref("Effect", Int32), ref("DefaultCursors", Bool)}),
         event("OLESetData", {ref("Data", DataObject), ref("DataFormat", Int16)}),
         event("OLEStartDrag", {ref("Data", DataObject), ref("AllowedEffects", Int32)})});
}

// ---- lumoadvToolbar ----------------------------------------------------

InterfaceInfo toolbarInterface() {
    const TypeRef style = enumType("sStyle");
    const std::vector<ParamInfo> button{val("index", Int32)};
    const std::vector<ParamInfo> dropItem{val("buttonindex", Int32), val("MenuIndex", Int32)};
    const std::vector<ParamInfo> popUpItem{val("index", Int32)};
    const std::vector<ParamInfo> subItem{val("buttonindex", Int32), val("MenuIndex", Int32)};
    const auto menuFlags = [] {
        return std::vector<ParamInfo>{ref("mEnable", Bool).withDefault(true),
                                      ref("mVisible", Bool).withDefault(true),
                                      ref("mIsChecked", Bool).withDefault(false)};
    };
    const auto popUpFlags = [] {
        return std::vector<ParamInfo>{val("mEnable", Bool).withDefault(true),
                                      val("mVisible", Bool).withDefault(true),
                                      val("mIsChecked", Bool).withDefault(false)};
    };
    const auto join = [](std::vector<ParamInfo> head, const std::vector<ParamInfo>& tail) {
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };

    InterfaceBuilder b(text("_lumoadvToolbar"), IID__lumoadvToolbar);
    b.method(text("SubClass"), {ref("sSub", Bool)})
        .method(text("AddMenu"), join({val("buttonindex", Int32), val("mItem", String),
                                       ref("mIcon", Picture), ref("Style", style)},
                                      menuFlags()))
        .method(text("AddButton"),
                {val("Icon", Picture).asOptional(), val("Caption", String).asOptional(),
                 val("Style", style).withDefault(enumValue(sStyle::sNormal)),
                 val("sToolText", String).withDefault(QString()),
                 val("description", String).withDefault(QString()),
                 val("Enable", Bool).withDefault(true), val("Visible", Bool).withDefault(true),
                 val("PlaceHoderWidth", Int32).withDefault(50),
                 val("ShowCaption", Bool).withDefault(false),
                 val("iChecked", Bool).withDefault(false)})
        .method(text("AddSeparate"), {val("Visible", Bool).withDefault(true)})
        .method(text("AddPlaceHolder"),
                {val("pWidth", Int32), val("Visible", Bool).withDefault(true)})
        .method(text("AddPopUpMenu"),
                join({val("mItem", String), val("mIcon", Picture),
                      val("Style", style).withDefault(enumValue(sStyle::sNormal))},
                     popUpFlags()))
        .method(text("AddPopUpSubMenu"),
                join({val("buttonindex", Int32), val("mItem", String), val("mIcon", Picture),
                      val("Style", style).withDefault(enumValue(sStyle::sNormal))},
                     popUpFlags()))
        .method(text("ShowPopUp"), {ref("pLeft", Int32), ref("pTop", Int32)})
        .method(text("ClearPopUpMenu"))
        .method(text("Refresh"))
        .method(text("DrawControl"))
        .method(text("About"))
        .method(text("MouseOut"), mouseArgs(), Variant);

    for (const char* colour :
         {"ButtonColor", "ButtonColorOver", "ButtonColorDown", "ButtonBorderColor",
          "ButtonBorderColorOver", "ButtonBorderColorDown", "CheckedColor", "ButtonFadeColor",
          "MenuBgColor", "MenuIconBGColor", "bgTopColor", "bgBottomColor", "StripColor",
          "SepColor"}) {
        b.readWrite(text(colour), Color);
    }
    b.readWrite(text("IconSizeWidth"), Int32)
        .readWrite(text("IconSizeHeight"), Int32)
        .readWrite(text("Style"), enumType("lumoStyle"))
        .readWrite(text("Border"), enumType("lumoBorder"))
        .readWrite(text("BackgroundFade"), enumType("lumobgFade"))
        .readWrite(text("MoreText"), String)
        .readSet(text("ToolbarFont"), Font)
        .get(text("Font"), Font)
        .get(text("ButtonCount"), Int32)
        .get(text("PopUpCount"), Int32);

    b.readSet(text("ButtonPicture"), Picture, button)
        .readWrite(text("ButtonEnable"), Bool, button)
        .readWrite(text("ButtonVisible"), Bool, button)
        .readWrite(text("ButtonDescription"), String, button)
        .readWrite(text("ButtonTag"), String, button)
        .readWrite(text("ButtonToolText"), String, button)
        .readWrite(text("ButtonIsChecked"), Bool, button)
        .readWrite(text("ButtonCaption"), String, button)
        .readWrite(text("ButtonStyle"), style, button)
        .readWrite(text("ButtonShowCaption"), Bool, button)
        .readWrite(text("DropDownCount"), Int32, button)
        .readWrite(text("ButtonPlaceHolderWidth"), Int32, button);

    b.readWrite(text("DropDownEnable"), Bool, dropItem)
        .readWrite(text("DropDownMaskColor"), Color, dropItem)
        .readWrite(text("DropDownIsChecked"), Bool, dropItem)
        .readWrite(text("DropDownVisible"), Bool, dropItem)
        .readWrite(text("DropDownCaption"), String, dropItem)
        .readWrite(text("DropDownTag"), String, dropItem)
        .readWrite(text("DropDownStyle"), style, dropItem)
        .readSet(text("DropDownPicture"), Picture, dropItem);

    b.readSet(text("PopUpPicture"), Picture, popUpItem)
        .readWrite(text("PopUpCaption"), String, popUpItem)
        .readWrite(text("PopUpTag"), String, popUpItem)
        .readWrite(text("PopUpEnable"), Bool, popUpItem)
        .readWrite(text("PopUpVisible"), Bool, popUpItem)
        .readWrite(text("PopUpStyle"), style, popUpItem)
        .readWrite(text("PopUpIsChecked"), Bool, popUpItem);

    b.readWrite(text("PopUpSubMenuEnable"), Bool, subItem)
        .readWrite(text("PopUpSubMenuMaskColor"), Color, subItem)
        .readWrite(text("PopUpSubMenuIsChecked"), Bool, subItem)
        .readWrite(text("PopUpSubMenuVisible"), Bool, subItem)
        .readWrite(text("PopUpSubMenuCaption"), String, subItem)
        .readWrite(text("PopUpSubMenuTag"), String, subItem)
        .readWrite(text("PopUpSubMenuStyle"), style, subItem)
        .readSet(text("PopUpSubMenuPicture"), Picture, subItem)
        .readWrite(text("PopUpSubCount"), Int32, {val("buttonindex", Int32)});
    return b.build();
}

EventInterfaceInfo toolbarEvents() {
    return eventInterface(
        "__lumoadvToolbar", DIID___lumoadvToolbar,
        {event("ButtonClick", {val("buttonindex", Int32)}), event("Click"),
         event("DropButtonClick", {val("buttonindex", Int32), val("dleft", Int32),
                                   val("dtop", Int32), val("dx", Int32), val("dy", Int32)}),
         event("DropMenuClick", {val("buttonindex", Int32), val("MenuIndex", Int32)}),
         event("PopUpMenuClick", {val("MenuIndex", Int32)}),
         event("PopUpSubMenuClick", {val("MenuIndex", Int32), val("SubIndex", Int32)}),
         event("ResizeBar", {val("buttonindex", Int32)}),
         event("MouseOverButton", {val("buttonindex", Int32), val("description", String)}),
         event("MouseDown", mouseArgs()), event("MouseMove", mouseArgs()),
         event("MouseOut", mouseArgs()), event("MouseUp", mouseArgs()), event("KeyDown", keyArgs()),
         event("KeyUp", keyArgs()), event("KeyPress", {ref("KeyAscii", Int16)})});
}

// ---- lumoTabStrip ------------------------------------------------------

InterfaceInfo tabStripInterface() {
    const std::vector<ParamInfo> tab{val("index", Int32)};
    InterfaceBuilder b(text("_lumoTabStrip"), IID__lumoTabStrip);
    b.method(text("AddTab"),
             {ref("Icon", Picture).asOptional(), val("Caption", String).asOptional(),
              val("description", String).withDefault(QString()),
              val("Enable", Bool).withDefault(true), val("Visible", Bool).withDefault(true),
              val("iChecked", Bool).asOptional(), val("sToolText", String).withDefault(QString())})
        .method(text("SubClass"), {ref("sSub", Bool)});
    for (const char* colour :
         {"BackColor", "TabColor", "TabColorOver", "TabColorDown", "SelectedBackColor",
          "TabBorColor", "TabBorColorOver", "TabBorColorDown", "CheckbgColor", "CheckBorderColor",
          "BorderColor"}) {
        b.readWrite(text(colour), Color);
    }
    b.readWrite(text("Style"), enumType("lumobStyle"))
        .readWrite(text("Selected"), Int32)
        .readWrite(text("TabStyle"), enumType("lumoTabstyle"))
        .readSet(text("TabPicture"), Picture, tab)
        .readWrite(text("TabEnable"), Bool, tab)
        .readWrite(text("TabVisible"), Bool, tab)
        .readWrite(text("TabDescription"), String, tab)
        .readWrite(text("TabTag"), String, tab)
        .readWrite(text("TabToolText"), String, tab)
        .readSet(text("MouseIcon"), Picture)
        .readWrite(text("MousePointer"), Int16)
        .readSet(text("Font"), Font)
        .readWrite(text("FontColor"), Color)
        .readWrite(text("FocusColor"), Color);
    return b.build();
}

EventInterfaceInfo tabStripEvents() {
    return eventInterface(
        "__lumoTabStrip", DIID___lumoTabStrip,
        {event("TabClick", {ref("lgTab", Int32)}),
         event("MouseOverTab", {ref("lgTab", Int32), ref("sDescription", String)}),
         event("MouseOut"), event("KeyDown", keyArgs()),
         event("KeyPress", {ref("KeyAscii", Int16)}), event("KeyUp", keyArgs()),
         event("MouseDown", mouseArgs()), event("MouseMove", mouseArgs()),
         event("MouseUp", mouseArgs()), event("resize")});
}

// ---- lumoStatusbar -----------------------------------------------------

InterfaceInfo statusbarInterface() {
    const std::vector<ParamInfo> panel{val("index", Int32)};
    InterfaceBuilder b(text("_lumoStatusbar"), IID__lumoStatusbar);
    b.method(text("AddPanel"),
             {ref("sCaption", String), ref("lgWidth", Int32),
              ref("bVisible", Bool).withDefault(true),
              ref("bAutoSise", enumType("sSize")).withDefault(enumValue(sSize::sNoAutosize)),
              ref("bBorder", enumType("lumosBorder"))
                  .withDefault(enumValue(lumosBorder::lumosFlatBorder))})
        .method(text("About"))
        .readWrite(text("bgColor2"), Color)
        .readWrite(text("bgColor1"), Color)
        .readWrite(text("PanelCaption"), String, panel)
        .readWrite(text("PanelWidth"), Int32, panel)
        .readWrite(text("PanelVisible"), Bool, panel)
        .readWrite(text("PanelAutosize"), enumType("sSize"), panel)
        .readWrite(text("PanelBorder"), enumType("lumosBorder"), panel)
        .readWrite(text("Framecolor"), Color)
        .readWrite(text("Border"), enumType("lumosBorder"))
        .readWrite(text("BorderColor"), Color);
    return b.build();
}

// ---- clsSubClass and cTimer --------------------------------------------

InterfaceInfo subClassInterface() {
    InterfaceBuilder b(text("_clsSubClass"), IID__clsSubClass);
    b.method(text("SubClassHwnd"), {val("hwnd", Int32), val("bSubClass", Bool)}, Bool);
    return b.build();
}

EventInterfaceInfo subClassEvents() {
    return eventInterface(
        "__clsSubClass", DIID___clsSubClass,
        {event("NewMessage", {val("hwnd", Int32), ref("uMsg", Int32), ref("wParam", Int32),
                              ref("lParam", Int32), ref("Cancel", Bool)})});
}

InterfaceInfo timerInterface() {
    InterfaceBuilder b(text("_cTimer"), IID__cTimer);
    b.dataMember(text("Item"), Variant)
        .get(text("Interval"), Int32)
        .put(text("Interval"), Int32, {}, true)
        .method(text("PulseTimer"));
    return b.build();
}

EventInterfaceInfo timerEvents() {
    return eventInterface("__cTimer", DIID___cTimer, {event("Timer")});
}

// ---- the library -------------------------------------------------------

struct ClassRow {
    const char* name;
    GUID clsid;
    bool control;
    int toolboxImageId;
};

TypeLibraryInfo buildTypeLibrary() {
    TypeLibraryInfo lib;
    lib.name = text("LumoKit");
    lib.libid = LIBID_LumoKit;
    lib.majorVersion = LumoKitVersionMajor;
    lib.minorVersion = LumoKitVersionMinor;
    lib.lcid = LumoKitLocale;
    lib.flags = LIBFLAG_FCONTROL;
    lib.enums = enumerations();
    // Interfaces and event interfaces in the order of the class rows below.
    lib.interfaces = {xpButtonInterface(),  toolbarInterface(),  tabStripInterface(),
                      statusbarInterface(), subClassInterface(), timerInterface()};
    lib.eventInterfaces = {
        xpButtonEvents(), toolbarEvents(),
        tabStripEvents(), eventInterface("__lumoStatusbar", DIID___lumoStatusbar, {}),
        subClassEvents(), timerEvents(),
    };
    const ClassRow rows[] = {
        {"LumoXPButton", CLSID_LumoXPButton, true, IDB_LumoXPButton},
        {"lumoadvToolbar", CLSID_lumoadvToolbar, true, IDB_lumoadvToolbar},
        {"lumoTabStrip", CLSID_lumoTabStrip, true, IDB_lumoTabStrip},
        {"lumoStatusbar", CLSID_lumoStatusbar, true, IDB_lumoStatusbar},
        {"clsSubClass", CLSID_clsSubClass, false, 0},
        {"cTimer", CLSID_cTimer, false, 0},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        lib.coclasses.push_back(CoClassInfo{text(rows[i].name), rows[i].clsid, rows[i].control,
                                            rows[i].toolboxImageId, &lib.interfaces[i],
                                            &lib.eventInterfaces[i]});
    }
    return lib;
}

} // namespace

const TypeLibraryInfo& TypeLibrary::instance() {
    // Built in place: the classes point into the interface vectors.
    static const TypeLibraryInfo* const library = new TypeLibraryInfo(buildTypeLibrary());
    return *library;
}

} // namespace lumokit
