// Generic dispatch over the type library: reference counting, interfaces,
// names and identifiers, argument checks, errors and event connections,
// driven through a recording object bound to real interfaces.
#include "core/com/ClassObject.h"
#include "core/com/MemberBindings.h"
#include "core/com/TypeLibrary.h"

#include <lumokit/ComControl.h>
#include <lumokit/ComError.h>
#include <lumokit/DispatchClient.h>
#include <lumokit/DispatchSink.h>
#include <lumokit/TypeLibIds.h>

#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace lumokit;

namespace {

// Stands in for a library class: records calls, raises events on demand.
struct Recorder : EventSource {
    static inline int alive = 0;
    Recorder() { ++alive; }
    ~Recorder() override { --alive; }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    void raise(DISPID id, QVariantList& args) { raiseToSink(id, args); }

    QVariantList lastArgs;
    QString captions[3];
    quint32 colour = 0;
    QVariantList eventArgs;
};

const CoClassInfo& coclass(const GUID& clsid) {
    return *TypeLibrary::instance().coclassById(clsid);
}

// Bound onto the status bar's interface; PanelWidth stays unbound.
const BindingTable& statusbarBindings() {
    static const MemberBindings<Recorder> bindings = [] {
        MemberBindings<Recorder> b(*coclass(CLSID_lumoStatusbar).defaultInterface);
        b.method(u"AddPanel",
                 [](Recorder& r, QVariantList& args) {
                     r.lastArgs = args;
                     args[0] = args[0].toString().toUpper();
                     args[1] = args[1].toInt() * 2;
                 })
            .method(u"About", [](Recorder&) { throw std::runtime_error("no about box here"); })
            .get(u"PanelCaption",
                 [](Recorder& r, QVariantList& args) {
                     const int index = args[0].toInt();
                     args[0] = 99; // by value: must not reach the caller
                     if (index < 0 || index > 2) {
                         throw ComError(static_cast<HRESULT>(0x800A0009u),
                                        QStringLiteral("lumokit.Statusbar"),
                                        QStringLiteral("Subscript out of range"));
                     }
                     return r.captions[index];
                 })
            .put(u"PanelCaption",
                 [](Recorder& r, QVariantList& args) {
                     r.captions[args[0].toInt()] = args[1].toString();
                 })
            .get(u"bgColor1", [](Recorder& r) { return r.colour; })
            .put(u"bgColor1",
                 [](Recorder& r, QVariantList& args) { r.colour = args[0].value<quint32>(); });
        return b;
    }();
    return bindings;
}

// Bound onto clsSubClass's interface so that the object has an event with
// by-value and by-reference arguments; SubClassHwnd raises it.
const BindingTable& subClassBindings() {
    static const MemberBindings<Recorder> bindings = [] {
        MemberBindings<Recorder> b(*coclass(CLSID_clsSubClass).defaultInterface);
        b.method(u"SubClassHwnd", [](Recorder& r, QVariantList& args) {
            QVariantList event{args[0], 0x203, 0, 0, false};
            r.raise(1, event);
            r.eventArgs = event;
            return event[4].toBool();
        });
        return b;
    }();
    return bindings;
}

ComPtr<IDispatch> makeObject(const GUID& clsid, const BindingTable& bindings) {
    ComPtr<IDispatch> object;
    EXPECT_EQ(ClassObject<Recorder>::create(coclass(clsid), bindings, IDispatch::IID, object.put()),
              S_OK);
    return object;
}

Recorder& recorderOf(IDispatch* object) {
    auto* wrapper = static_cast<ClassObject<Recorder>*>(static_cast<DispatchObject*>(object));
    return wrapper->object();
}

} // namespace

TEST(ComDispatch, QueryInterfaceGivesTheObjectsInterfacesOnly) {
    ComPtr<IDispatch> object = makeObject(CLSID_lumoStatusbar, statusbarBindings());
    for (const GUID& iid : {IDispatch::IID, IID__lumoStatusbar, IEventConnection::IID}) {
        ComPtr<IUnknown> out;
        EXPECT_EQ(object->QueryInterface(iid, out.put()), S_OK) << iid.toString().toStdString();
        EXPECT_TRUE(out);
    }
    for (const GUID& iid : {DIID___lumoStatusbar, IControl::IID, IID__cTimer}) {
        void* out = reinterpret_cast<void*>(0x1);
        EXPECT_EQ(object->QueryInterface(iid, &out), E_NOINTERFACE) << iid.toString().toStdString();
        EXPECT_EQ(out, nullptr);
    }
    EXPECT_EQ(object->QueryInterface(IDispatch::IID, nullptr), E_POINTER);

    // One identity whichever interface is asked.
    const ComPtr<IUnknown> viaDispatch = object.as<IUnknown>();
    const ComPtr<IUnknown> viaEvents = object.as<IEventConnection>().as<IUnknown>();
    EXPECT_EQ(viaDispatch.get(), viaEvents.get());
}

TEST(ComDispatch, RefusedCallsReportTheirReason) {
    ComPtr<IDispatch> object = makeObject(CLSID_lumoStatusbar, statusbarBindings());
    struct Row {
        const char* what;
        DISPID id;
        std::uint16_t flags;
        QVariantList args;
        HRESULT expected;
        int argError;
    };
    const DISPID addPanel = 0x60030000, caption = 0x68030004, width = 0x68030005,
                 colour = 0x68030003;
    const std::uint16_t get = DISPATCH_PROPERTYGET, put = DISPATCH_PROPERTYPUT,
                        call = DISPATCH_METHOD;
    const QString a = QStringLiteral("a");
    const QVariant font = QVariant::fromValue(QFont());
    const Row rows[] = {
        {"unbound member", width, get, {1}, DISP_E_MEMBERNOTFOUND, -1},
        {"unknown identifier", 0x60031234, call, {}, DISP_E_MEMBERNOTFOUND, -1},
        {"reader called as method only", caption, call, {1}, DISP_E_MEMBERNOTFOUND, -1},
        {"no reference writer", colour, DISPATCH_PROPERTYPUTREF, {1}, DISP_E_MEMBERNOTFOUND, -1},
        {"no flags", addPanel, 0, {}, E_INVALIDARG, -1},
        {"read and write at once", caption, std::uint16_t(get | put), {1}, E_INVALIDARG, -1},
        {"required arguments left off", addPanel, call, {a}, DISP_E_BADPARAMCOUNT, 1},
        {"too many arguments", addPanel, call, {a, 1, true, 0, 1, 7}, DISP_E_BADPARAMCOUNT, -1},
        {"reader without its index", caption, get, {}, DISP_E_BADPARAMCOUNT, 0},
        {"writer without its value", caption, put, {1}, DISP_E_BADPARAMCOUNT, -1},
        {"required argument missing", addPanel, call, {QVariant(), 5}, DISP_E_PARAMNOTFOUND, 0},
        {"text where a number belongs", addPanel, call, {a, a}, DISP_E_TYPEMISMATCH, 1},
        {"number too large for 32 bits", addPanel, call, {a, 1e12}, DISP_E_OVERFLOW, 1},
        {"object where a number belongs", colour, put, {font}, DISP_E_TYPEMISMATCH, 0},
    };
    for (const Row& row : rows) {
        QVariantList args = row.args;
        ExcepInfo info;
        EXPECT_EQ(object->Invoke(row.id, row.flags, args, nullptr, &info), row.expected)
            << row.what;
        EXPECT_EQ(info.argError, row.argError) << row.what;
    }
    EXPECT_FALSE(recorderOf(object.get()).lastArgs.size()) << "no refused call reached the member";
    DISPID id = 0;
    EXPECT_EQ(object->GetIDsOfNames(QStringLiteral("NoSuchMember"), &id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(id, DISPID_UNKNOWN);
}

TEST(ComDispatch, OptionalArgumentsTakeDefaultsAndReferenceArgumentsComeBack) {
    ComPtr<IDispatch> object = makeObject(CLSID_lumoStatusbar, statusbarBindings());
    QVariantList args{QStringLiteral("Ready"), QStringLiteral("40")};
    ASSERT_EQ(object->Invoke(0x60030000, DISPATCH_METHOD, args, nullptr, nullptr), S_OK);
    const QVariantList& seen = recorderOf(object.get()).lastArgs;
    ASSERT_EQ(seen.size(), 5);
    EXPECT_EQ(seen[1].metaType(), QMetaType::fromType<qint32>()); // "40" converted
    EXPECT_EQ(seen[1].toInt(), 40);
    EXPECT_EQ(seen[2], QVariant(true));                 // bVisible
    EXPECT_EQ(seen[4], QVariant::fromValue(qint32(1))); // lumosFlatBorder
    // By-reference arguments come back; omitted optional ones are not appended.
    ASSERT_EQ(args.size(), 2);
    EXPECT_EQ(args[0].toString(), QStringLiteral("READY"));
    EXPECT_EQ(args[1].toInt(), 80);

    // A missing optional argument in the middle also takes its default.
    args = {QStringLiteral("x"), 1, QVariant(), 2};
    ASSERT_EQ(object->Invoke(0x60030000, DISPATCH_METHOD, args, nullptr, nullptr), S_OK);
    EXPECT_EQ(recorderOf(object.get()).lastArgs[2], QVariant(true));
    EXPECT_EQ(recorderOf(object.get()).lastArgs[3].toInt(), 2);

    // Read as a property or a method; the index is by value, so the
    // member's change to it stays inside.
    recorderOf(object.get()).captions[1] = QStringLiteral("Saved");
    QVariantList index{1};
    QVariant result;
    ASSERT_EQ(
        object->Invoke(0x68030004, DISPATCH_PROPERTYGET | DISPATCH_METHOD, index, &result, nullptr),
        S_OK);
    EXPECT_EQ(result.toString(), QStringLiteral("Saved"));
    EXPECT_EQ(index[0].toInt(), 1);
}

TEST(ComDispatch, MemberErrorsReachTheCallerWithSourceAndDescription) {
    ComPtr<IDispatch> object = makeObject(CLSID_lumoStatusbar, statusbarBindings());
    QVariantList args{5};
    ExcepInfo info;
    QVariant result(123);
    EXPECT_EQ(object->Invoke(0x68030004, DISPATCH_PROPERTYGET, args, &result, &info),
              static_cast<HRESULT>(0x800A0009u));
    EXPECT_EQ(info.source, QStringLiteral("lumokit.Statusbar"));
    EXPECT_EQ(info.description, QStringLiteral("Subscript out of range"));
    EXPECT_FALSE(result.isValid());

    QVariantList none;
    info = {};
    EXPECT_EQ(object->Invoke(0x60030001, DISPATCH_METHOD, none, nullptr, &info), E_FAIL);
    EXPECT_EQ(info.description, QStringLiteral("no about box here"));
    EXPECT_EQ(info.source, QStringLiteral("LumoKit.lumoStatusbar"));
}

TEST(ComEvents, SinksSeeEventsAndTheirByReferenceChangesReachTheRaiser) {
    ComPtr<IDispatch> object = makeObject(CLSID_clsSubClass, subClassBindings());
    DispatchClient client(object);
    QList<QVariantList> heard;
    const auto first = client.connect([&](DISPID id, QVariantList& args) {
        EXPECT_EQ(id, 1);
        heard << args;
        args[0] = 777;   // hwnd is by value
        args[1] = 0x201; // uMsg by reference
    });
    const auto second = client.connect([&](DISPID, QVariantList& args) {
        heard << args;
        args[4] = true; // Cancel
    });

    const QVariant cancelled = client.call(QStringLiteral("SubClassHwnd"), {12, true});
    ASSERT_EQ(heard.size(), 2);
    EXPECT_EQ(heard[0][0].metaType(), QMetaType::fromType<qint32>());
    EXPECT_EQ(heard[0][1].toInt(), 0x203);
    EXPECT_EQ(heard[1][1].toInt(), 0x201) << "the second sink sees the first one's change";
    const QVariantList& raised = recorderOf(object.get()).eventArgs;
    EXPECT_EQ(raised[0].toInt(), 12);
    EXPECT_EQ(raised[1].toInt(), 0x201);
    EXPECT_TRUE(cancelled.toBool());

    client.disconnect(first);
    client.disconnect(second);
    heard.clear();
    client.call(QStringLiteral("SubClassHwnd"), {12, true});
    EXPECT_TRUE(heard.isEmpty());
    EXPECT_THROW(client.disconnect(first), ComError);

    // A sink unadvised by an earlier one hears nothing more.
    std::uint32_t later = 0;
    client.connect([&](DISPID, QVariantList&) { client.disconnect(later); });
    later = client.connect([&](DISPID, QVariantList& args) { heard << args; });
    client.call(QStringLiteral("SubClassHwnd"), {1, true});
    EXPECT_TRUE(heard.isEmpty());

    ComPtr<IEventConnection> events = object.as<IEventConnection>();
    DISPID id = 0;
    EXPECT_EQ(events->GetEventIdOfName(QStringLiteral("newmessage"), &id), S_OK);
    EXPECT_EQ(id, 1);
    EXPECT_EQ(events->GetEventIdOfName(QStringLiteral("Timer"), &id), DISP_E_UNKNOWNNAME);
    GUID iid;
    EXPECT_EQ(events->GetEventInterface(&iid), S_OK);
    EXPECT_EQ(iid, DIID___clsSubClass);
    std::uint32_t cookie = 0;
    EXPECT_EQ(events->Advise(nullptr, &cookie), E_POINTER);
    EXPECT_EQ(events->Unadvise(12345), CONNECT_E_NOCONNECTION);
}

TEST(ComEvents, ReleasingTheLastReferenceInsideACallDeletesAfterTheCallReturns) {
    ComPtr<IDispatch> object = makeObject(CLSID_clsSubClass, subClassBindings());
    IDispatch* raw = object.detach();
    ComPtr<IEventConnection> events = ComPtr<IDispatch>(raw).as<IEventConnection>();
    std::uint32_t cookie = 0;
    bool released = false;
    events->Advise(DispatchSink::create([&](DISPID, QVariantList&) {
                       if (!released) {
                           released = true;
                           raw->Release(); // the host's last reference
                       }
                   }).get(),
                   &cookie);
    events.reset();
    QVariantList args{1, true};
    EXPECT_EQ(raw->Invoke(0x60030000, DISPATCH_METHOD, args, nullptr, nullptr), S_OK);
    EXPECT_TRUE(released);
    EXPECT_EQ(Recorder::alive, 0) << "deleted as soon as the call was over";
}

TEST(ComEvents, ReleasingTheLastReferenceInsideAnEventFromTheObjectDefersDeletion) {
    ComPtr<IDispatch> object = makeObject(CLSID_clsSubClass, subClassBindings());
    Recorder& recorder = recorderOf(object.get());
    IDispatch* raw = object.detach();
    std::uint32_t cookie = 0;
    ComPtr<IDispatch>(raw).as<IEventConnection>()->Advise(
        DispatchSink::create([raw](DISPID, QVariantList&) { raw->Release(); }).get(), &cookie);

    // The object's own code raises the event (as a window message would).
    QVariantList args{1, 0x200, 0, 0, false};
    recorder.raise(1, args);
    EXPECT_EQ(Recorder::alive, 1) << "still alive while its own code runs";
    EXPECT_TRUE(QTest::qWaitFor([] { return Recorder::alive == 0; }));
}

// Binding through member functions with their own types is exercised by the
// XP button's dispatch tests; here only the checks made while binding.
TEST(MemberBindings, AMisspeltMemberFailsWhenBound) {
    MemberBindings<Recorder> b(*coclass(CLSID_LumoXPButton).defaultInterface);
    EXPECT_THROW(b.method(u"Refesh", [](Recorder&) {}), std::logic_error);
    EXPECT_THROW(b.put(u"hwnd", [](Recorder&, QVariantList&) {}), std::logic_error)
        << "hwnd is read-only";
    EXPECT_EQ(b.boundCount(), 0);
}
