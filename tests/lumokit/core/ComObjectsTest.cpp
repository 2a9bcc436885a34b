// The server's classes reached through its entry points: class factories,
// server locks, cTimer's Item through dispatch, and the controls through
// IControl.
#include "core/platform/Win32Window.h"

#include <lumokit/ComControl.h>
#include <lumokit/ComServer.h>
#include <lumokit/DispatchClient.h>
#include <lumokit/TypeLibIds.h>

#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

using namespace lumokit;

namespace {

ComPtr<IClassFactory> factoryFor(const GUID& clsid) {
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(DllGetClassObject(clsid, IClassFactory::IID, factory.put()), S_OK);
    return factory;
}

template <typename I> ComPtr<I> create(const GUID& clsid) {
    ComPtr<I> object;
    EXPECT_EQ(factoryFor(clsid)->CreateInstance(nullptr, I::IID, object.put()), S_OK);
    return object;
}

} // namespace

TEST(ComServer, UnloadIsRefusedWhileObjectsFactoriesOrLocksLive) {
    ASSERT_EQ(DllCanUnloadNow(), S_OK);
    ComPtr<IClassFactory> factory = factoryFor(CLSID_cTimer);
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE) << "a held factory keeps the server";

    ComPtr<IDispatch> timer;
    ASSERT_EQ(factory->CreateInstance(nullptr, IDispatch::IID, timer.put()), S_OK);
    EXPECT_EQ(factory->LockServer(true), S_OK);
    factory.reset();
    timer.reset();
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE) << "the lock keeps the server";

    factory = factoryFor(CLSID_cTimer);
    EXPECT_EQ(factory->LockServer(false), S_OK);
    EXPECT_EQ(factory->LockServer(false), E_UNEXPECTED) << "more unlocks than locks";
    factory.reset();
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

// Every class's factory is reached by the tests that create its objects.
TEST(ComServer, ClassObjectsAndFactoriesRefuseWhatTheyDoNotServe) {
    void* out = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(DllGetClassObject(IID__cTimer, IClassFactory::IID, &out), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(DllGetClassObject(CLSID_cTimer, IDispatch::IID, &out), E_NOINTERFACE);
    EXPECT_EQ(DllGetClassObject(CLSID_cTimer, IClassFactory::IID, nullptr), E_POINTER);

    ComPtr<IClassFactory> factory = factoryFor(CLSID_cTimer);
    ComPtr<IDispatch> outer = create<IDispatch>(CLSID_cTimer);
    out = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(factory->CreateInstance(outer.get(), IUnknown::IID, &out), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(factory->CreateInstance(nullptr, IControl::IID, &out), E_NOINTERFACE);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID__cTimer, &out), S_OK);
    static_cast<IDispatch*>(out)->Release();
}

TEST(ComTimer, ItemHoldsAnyValueAndKeepsObjectsAlive) {
    DispatchClient timer(create<IDispatch>(CLSID_cTimer));
    timer.put(QStringLiteral("Item"), QStringLiteral("note"));
    EXPECT_EQ(timer.get(QStringLiteral("Item")).toString(), QStringLiteral("note"));
    timer.put(QStringLiteral("Item"), QVariant());
    EXPECT_FALSE(timer.get(QStringLiteral("Item")).isValid());

    ComPtr<IDispatch> other = create<IDispatch>(CLSID_cTimer);
    IDispatch* raw = other.get();
    timer.putRef(QStringLiteral("Item"), QVariant::fromValue(raw));
    EXPECT_EQ(timer.get(QStringLiteral("Item")).value<IDispatch*>(), raw);
    other.reset();
    // Only the Item's reference is left: one more and one less leave 1.
    EXPECT_EQ(raw->AddRef(), 2u);
    EXPECT_EQ(raw->Release(), 1u);
    timer.put(QStringLiteral("Item"), 0); // drops the object
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE) << "the first timer is still held";
}

// Loading and saving through IControl are each control's own tests' subject.
TEST(ComControls, TheFourControlsArePlaceableThroughIControl) {
    const GUID controls[] = {CLSID_LumoXPButton, CLSID_lumoadvToolbar, CLSID_lumoTabStrip,
                             CLSID_lumoStatusbar};
    for (const GUID& clsid : controls) {
        ComPtr<IDispatch> object = create<IDispatch>(clsid);
        ComPtr<IControl> control = object.as<IControl>();
        ASSERT_TRUE(control) << clsid.toString().toStdString();
        QWidget* widget = control->GetWidget();
        ASSERT_NE(widget, nullptr);
        std::int32_t hwnd = 0;
        EXPECT_EQ(control->GetHwnd(&hwnd), S_OK);
        EXPECT_EQ(widgetOf(hwnd), widget);
        EXPECT_EQ(control->SetContainer(nullptr), S_OK);
        const QPointer<QWidget> watch(widget);
        control.reset();
        object.reset();
        EXPECT_TRUE(watch.isNull()) << "the window goes with the object";
    }
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

TEST(ComControls, AWindowDeletedByItsHostLeavesTheObjectSafe) {
    ComPtr<IDispatch> object = create<IDispatch>(CLSID_lumoStatusbar);
    ComPtr<IControl> control = object.as<IControl>();
    auto* form = new QWidget;
    control->GetWidget()->setParent(form);
    delete form; // the host's form takes the control's window with it
    EXPECT_EQ(control->GetWidget(), nullptr);
    std::int32_t hwnd = -1;
    EXPECT_EQ(control->GetHwnd(&hwnd), E_UNEXPECTED);
    EXPECT_EQ(hwnd, 0);
    EXPECT_EQ(control->InitNew(), E_UNEXPECTED);
}
