// The compiled-in type library: classes, interfaces in slot order, dispatch
// identifiers, events, enumerations and the printed description.
#include "core/com/TypeLibrary.h"
#include "core/com/TypeLibraryPrinter.h"

#include <lumokit/ComInterfaces.h>
#include <lumokit/TypeLibIds.h>

#include <QSet>

#include <gtest/gtest.h>

using namespace lumokit;

namespace {

const TypeLibraryInfo& lib() {
    return TypeLibrary::instance();
}

const CoClassInfo& coclass(const char* name) {
    const CoClassInfo* c = lib().coclassByName(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return *c;
}

const char* kindName(InvokeKind kind) {
    switch (kind) {
    case InvokeKind::Method:
        return "method";
    case InvokeKind::PropertyGet:
        return "get";
    case InvokeKind::PropertyPut:
        return "put";
    case InvokeKind::PropertyPutRef:
        return "putref";
    }
    return "?";
}

// "Name get(index:long) -> BSTR" style summary of a member, for one-line checks.
std::string summary(const MemberInfo& m) {
    QStringList params;
    for (const ParamInfo& p : m.params) {
        params << p.name + QLatin1Char(':') + TypeLibraryPrinter::typeName(p.type) +
                      (p.byRef ? QStringLiteral("&") : QString()) +
                      (p.optional ? QStringLiteral("?") : QString());
    }
    QString text = m.name + QLatin1Char(' ') + QLatin1String(kindName(m.kind)) + QLatin1Char('(') +
                   params.join(QLatin1Char(',')) + QLatin1Char(')');
    if (!m.result.isVoid()) {
        text += QStringLiteral(" -> ") + TypeLibraryPrinter::typeName(m.result);
    }
    return text.toStdString();
}

std::string slotSummary(const char* className, int slot) {
    const auto& members = coclass(className).defaultInterface->members;
    if (slot < 1 || slot > static_cast<int>(members.size())) {
        return "no slot";
    }
    const MemberInfo& m = members[static_cast<std::size_t>(slot - 1)];
    EXPECT_EQ(m.slot, slot);
    return summary(m);
}

} // namespace

struct ClassRow {
    const char* name;
    const char* clsid;
    const char* iid;
    const char* diid;
    int members;
    int events;
    bool control;
    int toolboxImage;
};

class ClassTable : public ::testing::TestWithParam<ClassRow> {};

TEST_P(ClassTable, IdentifiersCountsAndFlags) {
    const ClassRow& row = GetParam();
    const CoClassInfo& c = coclass(row.name);
    EXPECT_EQ(c.clsid.toString(), QLatin1String(row.clsid));
    EXPECT_EQ(c.defaultInterface->iid.toString(), QLatin1String(row.iid));
    EXPECT_EQ(c.eventInterface->iid.toString(), QLatin1String(row.diid));
    EXPECT_EQ(c.defaultInterface->name, QLatin1Char('_') + QLatin1String(row.name));
    EXPECT_EQ(c.eventInterface->name, QStringLiteral("__") + QLatin1String(row.name));
    EXPECT_EQ(static_cast<int>(c.defaultInterface->members.size()), row.members);
    EXPECT_EQ(static_cast<int>(c.eventInterface->events.size()), row.events);
    EXPECT_EQ(c.control, row.control);
    EXPECT_EQ(c.toolboxImageId, row.toolboxImage);
    EXPECT_EQ(c.progId(), QStringLiteral("LumoKit.") + QLatin1String(row.name));
}

INSTANTIATE_TEST_SUITE_P(
    AllClasses, ClassTable,
    ::testing::Values(ClassRow{"LumoXPButton", "{8B41E56F-FEBA-476E-9299-533A243EC6DB}",
                               "{3793273D-3BE0-4F7C-86C9-ED9641F8D601}",
                               "{766FAC59-02D7-4BC8-AC4B-66FEE65D6920}", 72, 16, true, 30000},
                      ClassRow{"lumoadvToolbar", "{28A1A005-2A37-40E9-8016-692EE3F500BB}",
                               "{3A38C05A-8D81-4426-8FA1-63B0D1E6F358}",
                               "{8FF966FE-47BC-4FFD-9B07-1A8BC6A70F8B}", 130, 15, true, 30001},
                      ClassRow{"lumoTabStrip", "{85724470-58F5-409B-946A-9D74E54F2FEB}",
                               "{865C7346-DE8F-4A32-90C5-0D2E3910C3E5}",
                               "{98A0BD0F-EDB4-4D75-9828-F50F97EBB783}", 52, 10, true, 30002},
                      ClassRow{"lumoStatusbar", "{72F1ABDF-080B-40C9-83C0-1F8E8C16F874}",
                               "{57471569-A17F-4455-B0CF-C474280C7AEE}",
                               "{0D80852E-63B8-4CA1-98A4-00FF607400F3}", 22, 0, true, 30003},
                      ClassRow{"clsSubClass", "{915CDCF4-0F67-42D5-9B16-912BB28E84E2}",
                               "{809DDCCB-BEA6-481A-AFCB-22CD8E9DEC97}",
                               "{B50E5CD9-DB34-4630-9060-C3EC63069482}", 1, 1, false, 0},
                      ClassRow{"cTimer", "{080D8F74-2124-4F30-9398-EA33D427F8FE}",
                               "{65C10B6D-A6B6-4757-AF11-9ABE99292359}",
                               "{0A60A847-0E76-4B58-8290-358C153A3211}", 6, 1, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct SlotRow {
    const char* className;
    int slot;
    const char* expected;
};

class SlotOrder : public ::testing::TestWithParam<SlotRow> {};

TEST_P(SlotOrder, MemberAtSlot) {
    const SlotRow& row = GetParam();
    EXPECT_EQ(slotSummary(row.className, row.slot), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    SpotChecks, SlotOrder,
    ::testing::Values(
        SlotRow{"LumoXPButton", 1, "RefreshControl method()"},
        SlotRow{"LumoXPButton", 6, "Icon putref(New_Icon:Picture*)"},
        SlotRow{"LumoXPButton", 45, "AlignCaption get() -> CaptionAlign"},
        SlotRow{"LumoXPButton", 72, "UnloadSubClass method()"},
        SlotRow{"lumoadvToolbar", 1, "SubClass method(sSub:VARIANT_BOOL&)"},
        SlotRow{"lumoadvToolbar", 2,
                "AddMenu method(buttonindex:long,mItem:BSTR,mIcon:Picture*&,Style:sStyle&,"
                "mEnable:VARIANT_BOOL&?,mVisible:VARIANT_BOOL&?,mIsChecked:VARIANT_BOOL&?)"},
        SlotRow{"lumoadvToolbar", 60,
                "ButtonPicture putref(index:long,New_ButtonPicture:Picture*)"},
        SlotRow{"lumoadvToolbar", 130,
                "PopUpSubCount put(buttonindex:long,New_PopUpSubCount:long)"},
        SlotRow{
            "lumoTabStrip", 1,
            "AddTab method(Icon:Picture*&?,Caption:BSTR?,description:BSTR?,Enable:VARIANT_BOOL?,"
            "Visible:VARIANT_BOOL?,iChecked:VARIANT_BOOL?,sToolText:BSTR?)"},
        SlotRow{"lumoTabStrip", 52, "FocusColor put(New_FocusColor:OLE_COLOR)"},
        SlotRow{"lumoStatusbar", 1,
                "AddPanel method(sCaption:BSTR&,lgWidth:long&,bVisible:VARIANT_BOOL&?,"
                "bAutoSise:sSize&?,bBorder:lumosBorder&?)"},
        SlotRow{"lumoStatusbar", 22, "BorderColor put(New_BorderColor:OLE_COLOR)"},
        SlotRow{"clsSubClass", 1,
                "SubClassHwnd method(hwnd:long,bSubClass:VARIANT_BOOL) -> VARIANT_BOOL"},
        SlotRow{"cTimer", 1, "Item get() -> VARIANT"},
        SlotRow{"cTimer", 3, "Item putref(Item:VARIANT)"},
        SlotRow{"cTimer", 5, "Interval put(New_Interval:long&)"},
        SlotRow{"cTimer", 6, "PulseTimer method()"}, SlotRow{"cTimer", 7, "no slot"}));

TEST(TypeLibrary, ReadersAndWritersShareOneIdentifierAndEveryEnumerationIsDeclared) {
    const auto checkEnum = [](const TypeRef& type, const std::string& where) {
        if (type.kind == VarKind::Enum) {
            EXPECT_NE(lib().enumByName(type.enumName), nullptr) << where;
        }
    };
    for (const InterfaceInfo& iface : lib().interfaces) {
        QHash<DISPID, QString> nameOf;
        QSet<QPair<DISPID, int>> seen;
        for (const MemberInfo& m : iface.members) {
            checkEnum(m.result, summary(m));
            for (const ParamInfo& p : m.params) {
                checkEnum(p.type, summary(m));
            }
            const auto key = qMakePair(m.dispid, static_cast<int>(m.kind));
            EXPECT_FALSE(seen.contains(key)) << iface.name.toStdString() << " " << summary(m);
            seen.insert(key);
            const QString previous = nameOf.value(m.dispid);
            EXPECT_TRUE(previous.isEmpty() || previous == m.name)
                << iface.name.toStdString() << ": " << previous.toStdString() << " and "
                << m.name.toStdString() << " share an identifier";
            nameOf.insert(m.dispid, m.name);
        }
        // Distinct members are numbered 0..n-1 within their range.
        QList<int> numbers;
        for (DISPID id : nameOf.keys()) {
            numbers << (id & 0xFFFF);
        }
        std::sort(numbers.begin(), numbers.end());
        for (int i = 0; i < numbers.size(); ++i) {
            EXPECT_EQ(numbers[i], i) << iface.name.toStdString();
        }
    }
}

TEST(TypeLibrary, WritersTakeTheReadersTypeAsTheirLastParameter) {
    for (const InterfaceInfo& iface : lib().interfaces) {
        for (const MemberInfo& writer : iface.members) {
            if (writer.kind != InvokeKind::PropertyPut &&
                writer.kind != InvokeKind::PropertyPutRef) {
                continue;
            }
            const MemberInfo* reader = iface.find(writer.dispid, InvokeKind::PropertyGet);
            ASSERT_NE(reader, nullptr) << summary(writer);
            ASSERT_EQ(writer.params.size(), reader->params.size() + 1) << summary(writer);
            EXPECT_EQ(writer.params.back().type, reader->result) << summary(writer);
            if (writer.range != MemberRange::DataMember) {
                EXPECT_EQ(writer.params.back().name, QStringLiteral("New_") + writer.name);
            }
        }
    }
}

TEST(TypeLibrary, EventsAreNumberedFromOneInDeclarationOrder) {
    for (const EventInterfaceInfo& events : lib().eventInterfaces) {
        for (std::size_t i = 0; i < events.events.size(); ++i) {
            EXPECT_EQ(events.events[i].id, static_cast<DISPID>(i + 1));
        }
    }
    EXPECT_EQ(coclass("lumoadvToolbar").eventInterface->idOfName(u"KeyPress"), 15);
    EXPECT_EQ(coclass("cTimer").eventInterface->idOfName(u"timer"), 1);
}

TEST(TypeLibrary, EnumerationsWithTheirValues) {
    struct Row {
        const char* enumName;
        const char* member;
        int value;
    };
    const Row rows[] = {
        {"IFCBackStyles", "ifbsOpaque", 1},
        {"sStyle", "sLabel", 5},
        {"lumoBorder", "lumo3dDownBorder", 3},
        {"lumoStyle", "lumoVivid", 1},
        {"lumobgFade", "lumoSolid", 1},
        {"lumoDrawMode", "lumoSlow", 1},
        {"lumobStyle", "lumoXP", 0},
        {"lumoTabstyle", "CaptionOnly", 2},
        {"lumocStyle", "lumoVivid", 1},
        {"CaptionAlign", "caRight", 0},
        {"CaptionAlign", "caLeft", 2},
        {"EErrorTimer", "eeCantCreateTimer", 13652},
        {"sSize", "sContents", 2},
        {"lumosBorder", "lumos3dRaisedBorder", 2},
    };
    EXPECT_EQ(lib().enums.size(), 13u);
    for (const Row& row : rows) {
        const EnumInfo* e = lib().enumByName(QString::fromLatin1(row.enumName));
        ASSERT_NE(e, nullptr) << row.enumName;
        const auto it = std::find_if(e->members.begin(), e->members.end(),
                                     [&](const EnumMember& m) { return m.name == row.member; });
        ASSERT_NE(it, e->members.end()) << row.member;
        EXPECT_EQ(it->value, row.value) << row.enumName << "." << row.member;
    }
    EXPECT_EQ(lib().enumByName(u"sStyle")->members.size(), 6u);
    EXPECT_EQ(lib().enumByName(u"EErrorTimer")->members.size(), 3u);
}

TEST(TypeLibraryPrinter, DescribesLibraryInterfacesEventsAndClasses) {
    EXPECT_EQ(lib().lcid, 0x409);
    EXPECT_EQ(lib().flags, 0x2);
    const QString text = TypeLibraryPrinter::print(lib());
    const char* expectedLines[] = {
        "  uuid(3BBEC9BA-158B-49A1-A585-4622DB6C8488),",
        "  version(12.0),",
        "library LumoKit",
        "        caRight = 0,",
        "    } CaptionAlign;",
        "    interface _lumoadvToolbar : IDispatch {  // 130 members",
        "        [id(0x68030004), propget] HRESULT Icon([out, retval] Picture** Icon);",
        "        [id(0x68030004), propputref] HRESULT Icon([in] Picture* New_Icon);",
        "        [id(0x68030001), propput] HRESULT Interval([in, out] long* New_Interval);",
        "        [id(0x40030000), propputref] HRESULT Item([in] VARIANT Item);",
        "        [id(0x60030000)] HRESULT SubClassHwnd([in] long hwnd, [in] VARIANT_BOOL "
        "bSubClass, "
        "[out, retval] VARIANT_BOOL* SubClassHwnd);",
        "        [id(0x60030003)] HRESULT AddSeparate([in, defaultvalue(-1)] VARIANT_BOOL "
        "Visible);",
        "    dispinterface __LumoXPButton {  // 16 events",
        "            [id(0x00000001)] void NewMessage([in] long hwnd, [in, out] long* uMsg, "
        "[in, out] long* wParam, [in, out] long* lParam, [in, out] VARIANT_BOOL* Cancel);",
        "    dispinterface __lumoStatusbar {  // 0 events",
        "    coclass LumoXPButton {  // \"LumoKit.LumoXPButton\", toolbox image 30000",
        "      control",
        "    coclass cTimer {  // \"LumoKit.cTimer\"",
        "        [default, source] dispinterface __cTimer;",
    };
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const char* line : expectedLines) {
        EXPECT_TRUE(lines.contains(QString::fromLatin1(line))) << line;
    }
    // Every member of every interface appears once, in slot order.
    qsizetype previous = -1;
    for (const MemberInfo& m : coclass("lumoTabStrip").defaultInterface->members) {
        const qsizetype at = text.indexOf(TypeLibraryPrinter::memberLine(m));
        EXPECT_GT(at, previous) << summary(m);
        previous = at;
    }
}
