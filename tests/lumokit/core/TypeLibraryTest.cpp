// The compiled-in type library: members in slot order with their dispatch
// identifiers, events, the enumerations' oddities and the printed form.
#include "core/com/TypeLibrary.h"
#include "core/com/TypeLibraryPrinter.h"

#include <lumokit/ComInterfaces.h>

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

// "Name kind(param:type&?,...) -> type", for one-line checks.
std::string summary(const MemberInfo& m) {
    static const char* const kinds[] = {"method", "get", "put", "putref"};
    QStringList params;
    for (const ParamInfo& p : m.params) {
        params << p.name + QLatin1Char(':') + TypeLibraryPrinter::typeName(p.type) +
                      (p.byRef ? QStringLiteral("&") : QString()) +
                      (p.optional ? QStringLiteral("?") : QString());
    }
    QString text = m.name + QLatin1Char(' ') + QLatin1String(kinds[static_cast<int>(m.kind)]) +
                   QLatin1Char('(') + params.join(QLatin1Char(',')) + QLatin1Char(')');
    if (!m.result.isVoid()) {
        text += QStringLiteral(" -> ") + TypeLibraryPrinter::typeName(m.result);
    }
    return text.toStdString();
}

// Signatures that calls through dispatch exercise (AddPanel, SubClassHwnd,
// Icon and Item by reference) are left to those tests.
TEST(TypeLibrary, MembersAtTheEdgesOfTheirSlotOrder) {
    struct Row {
        const char* className;
        int slot;
        const char* expected;
    };
    const Row rows[] = {
        {"LumoXPButton", 72, "UnloadSubClass method()"},
        {"lumoadvToolbar", 2,
         "AddMenu method(buttonindex:long,mItem:BSTR,mIcon:Picture*&,Style:sStyle&,"
         "mEnable:VARIANT_BOOL&?,mVisible:VARIANT_BOOL&?,mIsChecked:VARIANT_BOOL&?)"},
        {"lumoadvToolbar", 130, "PopUpSubCount put(buttonindex:long,New_PopUpSubCount:long)"},
    };
    for (const Row& row : rows) {
        const MemberInfo& m =
            coclass(row.className).defaultInterface->members[std::size_t(row.slot - 1)];
        EXPECT_EQ(m.slot, row.slot);
        EXPECT_EQ(summary(m), row.expected);
    }
}

TEST(TypeLibrary, IdentifiersNumberDistinctMembersAndWritersMatchTheirReaders) {
    for (const InterfaceInfo& iface : lib().interfaces) {
        QHash<DISPID, QString> nameOf;
        QSet<QPair<DISPID, int>> seen;
        for (const MemberInfo& m : iface.members) {
            const auto key = qMakePair(m.dispid, static_cast<int>(m.kind));
            EXPECT_FALSE(seen.contains(key)) << summary(m);
            seen.insert(key);
            EXPECT_TRUE(nameOf.value(m.dispid, m.name) == m.name) << summary(m) << " shares an id";
            nameOf.insert(m.dispid, m.name);
            EXPECT_TRUE(m.result.kind != VarKind::Enum || lib().enumByName(m.result.enumName));
            for (const ParamInfo& p : m.params) {
                EXPECT_TRUE(p.type.kind != VarKind::Enum || lib().enumByName(p.type.enumName))
                    << summary(m);
            }
            if (m.kind == InvokeKind::PropertyPut || m.kind == InvokeKind::PropertyPutRef) {
                const MemberInfo* reader = iface.find(m.dispid, InvokeKind::PropertyGet);
                ASSERT_NE(reader, nullptr) << summary(m);
                ASSERT_EQ(m.params.size(), reader->params.size() + 1) << summary(m);
                EXPECT_EQ(m.params.back().type, reader->result) << summary(m);
                EXPECT_TRUE(m.range == MemberRange::DataMember ||
                            m.params.back().name == QStringLiteral("New_") + m.name)
                    << summary(m);
            }
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
    for (const EventInterfaceInfo& events : lib().eventInterfaces) {
        for (std::size_t i = 0; i < events.events.size(); ++i) {
            EXPECT_EQ(events.events[i].id, static_cast<DISPID>(i + 1));
        }
    }
}

TEST(TypeLibrary, EnumerationOddities) {
    const auto value = [](const char* enumName, const char* member) {
        for (const EnumMember& m : lib().enumByName(QString::fromLatin1(enumName))->members) {
            if (m.name == QLatin1String(member)) {
                return m.value;
            }
        }
        return -999;
    };
    EXPECT_EQ(value("CaptionAlign", "caRight"), 0) << "right first";
    EXPECT_EQ(value("CaptionAlign", "caLeft"), 2);
    for (const char* shared : {"lumoStyle", "lumobStyle", "lumocStyle"}) {
        EXPECT_EQ(value(shared, "lumoVivid"), 1) << shared;
    }
    EXPECT_EQ(value("EErrorTimer", "eeTooManyTimers"), 13651);
}

TEST(TypeLibraryPrinter, DescribesLibraryInterfacesEventsAndClassesInSlotOrder) {
    const QString text = TypeLibraryPrinter::print(lib());
    const char* expectedLines[] = {
        "  uuid(3BBEC9BA-158B-49A1-A585-4622DB6C8488),",
        "    interface _lumoadvToolbar : IDispatch {  // 130 members",
        "        [id(0x68030004), propputref] HRESULT Icon([in] Picture* New_Icon);",
        "        [id(0x60030003)] HRESULT AddSeparate([in, defaultvalue(-1)] VARIANT_BOOL "
        "Visible);",
        "            [id(0x00000001)] void NewMessage([in] long hwnd, [in, out] long* uMsg, "
        "[in, out] long* wParam, [in, out] long* lParam, [in, out] VARIANT_BOOL* Cancel);",
        "    coclass LumoXPButton {  // \"LumoKit.LumoXPButton\", toolbox image 30000",
        "        [default, source] dispinterface __cTimer;",
    };
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const char* line : expectedLines) {
        EXPECT_TRUE(lines.contains(QString::fromLatin1(line))) << line;
    }
    qsizetype previous = -1;
    for (const MemberInfo& m : coclass("lumoTabStrip").defaultInterface->members) {
        const qsizetype at = text.indexOf(TypeLibraryPrinter::memberLine(m));
        EXPECT_GT(at, previous) << summary(m);
        previous = at;
    }
}

} // namespace
