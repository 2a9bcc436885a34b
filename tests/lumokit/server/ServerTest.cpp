// The built control server as a host meets it: loaded with dlopen only,
// registered into a temporary registry, objects created by programmatic
// identifier and driven through dispatch and their events.
#include <lumokit/ComControl.h>
#include <lumokit/ComServer.h>
#include <lumokit/DispatchClient.h>
#include <lumokit/Enums.h>
#include <lumokit/HostLoader.h>
#include <lumokit/PropertyBag.h>
#include <lumokit/Registry.h>
#include <lumokit/TypeLibIds.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <memory>

using namespace lumokit;

// The public headers stand alone: this program sees nothing else of the library.
static_assert(static_cast<int>(CaptionAlign::caLeft) == 2);

namespace {

const QString libraryPath = QStringLiteral(QUILLMARK_BUILD_DIR "/lib/liblumokit.so");

template <typename Fn> Fn entryPoint(const char* name) {
    QString message;
    void* symbol = HostLoader::ResolveEntryPoint(libraryPath, name, &message);
    EXPECT_NE(symbol, nullptr) << message.toStdString();
    return reinterpret_cast<Fn>(symbol);
}

HRESULT canUnloadNow() {
    return entryPoint<DllCanUnloadNowFn>("DllCanUnloadNow")();
}

class ServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        registryDir = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(registryDir->isValid());
        qputenv(Registry::EnvironmentVariable,
                registryDir->filePath(QStringLiteral("registry.json")).toLocal8Bit());
        QString message;
        ASSERT_EQ(HostLoader::RegisterServer(libraryPath, &message), S_OK) << message.toStdString();
    }
    static void TearDownTestSuite() {
        qunsetenv(Registry::EnvironmentVariable);
        registryDir.reset();
    }

    void TearDown() override {
        // Every test gives back what it created (deletions may wait for the loop).
        EXPECT_TRUE(QTest::qWaitFor([] { return canUnloadNow() == S_OK; }));
    }

    static inline std::unique_ptr<QTemporaryDir> registryDir;
};

} // namespace

TEST_F(ServerTest, OnlyTheEntryPointsAreVisible) {
    void* handle = HostLoader::LoadServer(libraryPath);
    ASSERT_NE(handle, nullptr);
    for (const char* name :
         {"DllRegisterServer", "DllUnregisterServer", "DllGetClassObject", "DllCanUnloadNow"}) {
        EXPECT_NE(dlsym(handle, name), nullptr) << name;
    }
    // Internal classes stay hidden (lumokit::TypeLibrary::instance()).
    EXPECT_EQ(dlsym(handle, "_ZN7lumokit11TypeLibrary8instanceEv"), nullptr);
}

TEST_F(ServerTest, TimerTicksReachTheHostThroughItsEvent) {
    DispatchClient timer(HostLoader::CreateObject(QStringLiteral("LumoKit.cTimer")));
    const DISPID timerEvent = timer.eventId(QStringLiteral("Timer"));
    int ticks = 0;
    timer.connect([&](DISPID id, QVariantList&) {
        if (id == timerEvent) {
            ++ticks;
        }
    });
    timer.put(QStringLiteral("Interval"), 10);
    EXPECT_EQ(timer.get(QStringLiteral("interval")).toInt(), 10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 5000));
    timer.put(QStringLiteral("Interval"), 0);
    EXPECT_EQ(timer.get(QStringLiteral("Interval")).toInt(), 0);
}

TEST_F(ServerTest, TheButtonAnswersToItsInterfacesAndItsWindowCanBeSubclassed) {
    ComPtr<IDispatch> button = HostLoader::CreateObject(QStringLiteral("LumoKit.LumoXPButton"));
    ComPtr<IUnknown> viaDefault;
    EXPECT_EQ(button->QueryInterface(IID__LumoXPButton, viaDefault.put()), S_OK);
    GUID events;
    ASSERT_EQ(button.as<IEventConnection>()->GetEventInterface(&events), S_OK);
    EXPECT_EQ(events, DIID___LumoXPButton);

    ComPtr<IControl> control = button.as<IControl>();
    ASSERT_TRUE(control);
    std::int32_t hwnd = 0;
    ASSERT_EQ(control->GetHwnd(&hwnd), S_OK);
    QWidget* window = control->GetWidget();
    ASSERT_NE(window, nullptr);
    window->resize(80, 24);

    // The button subclasses its own window; it lets go of it first.
    DispatchClient(button).call(QStringLiteral("UnloadSubClass"));
    DispatchClient subclass(HostLoader::CreateObject(QStringLiteral("LumoKit.clsSubClass")));
    QList<QVariantList> messages;
    subclass.connect([&](DISPID, QVariantList& args) { messages << args; });
    ASSERT_TRUE(subclass.call(QStringLiteral("SubClassHwnd"), {hwnd, true}).toBool());

    QMouseEvent move(QEvent::MouseMove, QPointF(7, 5), window->mapToGlobal(QPointF(7, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window, &move);
    ASSERT_FALSE(messages.isEmpty());
    const QVariantList& message = messages.last();
    ASSERT_EQ(message.size(), 5);
    EXPECT_EQ(message[0].toInt(), hwnd);
    EXPECT_EQ(message[1].toInt(), 0x200); // WM_MOUSEMOVE
    EXPECT_EQ(message[3].toInt(), (5 << 16) | 7);
    EXPECT_FALSE(message[4].toBool());

    EXPECT_TRUE(subclass.call(QStringLiteral("SubClassHwnd"), {hwnd, false}).toBool());
    messages.clear();
    QApplication::sendEvent(window, &move);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ServerTest, TabStripAndStatusbarAreFilledAndReadByName) {
    DispatchClient tabs(HostLoader::CreateObject(QStringLiteral("LumoKit.lumoTabStrip")));
    QList<int> clicked;
    const DISPID tabClick = tabs.eventId(QStringLiteral("TabClick"));
    tabs.connect([&](DISPID id, QVariantList& args) {
        if (id == tabClick) {
            clicked << args.value(0).toInt();
        }
    });
    tabs.call(QStringLiteral("AddTab"), {QVariant(), QStringLiteral("General")});
    tabs.call(QStringLiteral("AddTab"),
              {QVariant(), QStringLiteral("Advanced"), QStringLiteral("More settings")});
    tabs.put(QStringLiteral("TabTag"), QStringLiteral("adv"), {2});
    EXPECT_EQ(tabs.get(QStringLiteral("TabDescription"), {2}).toString(), u"More settings");
    EXPECT_EQ(tabs.get(QStringLiteral("TabTag"), {2}).toString(), u"adv");
    EXPECT_TRUE(tabs.get(QStringLiteral("TabEnable"), {1}).toBool()) << "enabled by default";
    EXPECT_EQ(tabs.get(QStringLiteral("Selected")).toInt(), 1);

    tabs.put(QStringLiteral("Selected"), 2);
    QWidget* window = ComPtr<IDispatch>(tabs.object()).as<IControl>()->GetWidget();
    ASSERT_NE(window, nullptr);
    window->resize(300, 60);
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(5, 55)); // on tab 1
    EXPECT_EQ(clicked, QList<int>{1});
    EXPECT_EQ(tabs.get(QStringLiteral("Selected")).toInt(), 1);

    DispatchClient bar(HostLoader::CreateObject(QStringLiteral("LumoKit.lumoStatusbar")));
    bar.call(QStringLiteral("AddPanel"), {QStringLiteral("Ready"), 120});
    bar.call(QStringLiteral("AddPanel"), {QStringLiteral("Rows: 12"), 0, true, 2});
    EXPECT_EQ(bar.get(QStringLiteral("PanelCaption"), {2}).toString(), u"Rows: 12");
    EXPECT_EQ(bar.get(QStringLiteral("PanelWidth"), {1}).toInt(), 120);
    EXPECT_TRUE(bar.get(QStringLiteral("PanelVisible"), {1}).toBool()) << "visible by default";
    EXPECT_EQ(bar.get(QStringLiteral("PanelBorder"), {1}).toInt(), 1) << "flat by default";
    EXPECT_GT(bar.get(QStringLiteral("PanelWidth"), {2}).toInt(), 10) << "fits its caption";
    EXPECT_THROW(bar.get(QStringLiteral("PanelCaption"), {3}), ComError);
}

TEST_F(ServerTest, AHostFillsClicksAndSavesTheToolbarKnowingOnlyItsProgId) {
    DispatchClient toolbar(HostLoader::CreateObject(QStringLiteral("LumoKit.lumoadvToolbar")));
    ComPtr<IControl> control = ComPtr<IDispatch>(toolbar.object()).as<IControl>();
    ASSERT_TRUE(control);
    QWidget* window = control->GetWidget();
    window->resize(300, 24);
    QStringList events;
    toolbar.connect([&](DISPID id, QVariantList& args) {
        for (const char* name : {"ButtonClick", "Click", "MouseDown", "MouseUp"}) {
            if (id == toolbar.eventId(QString::fromLatin1(name))) {
                events << QString::fromLatin1(name) + QLatin1Char('/') +
                              QString::number(args.size());
            }
        }
    });

    toolbar.call(QStringLiteral("AddButton"), {QVariant(), QStringLiteral("Open")});
    toolbar.call(QStringLiteral("AddButton"),
                 {QVariant(), QStringLiteral("Bold"), static_cast<int>(sStyle::sCheckBox)});
    EXPECT_EQ(toolbar.get(QStringLiteral("ButtonCount")).toInt(), 2);

    // The second button spans 30..52 once painted; a press and a release on it.
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(40, 5), window->mapToGlobal(QPointF(40, 5)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(window, &event);
    }
    EXPECT_EQ(events, (QStringList{"MouseDown/4", "MouseUp/4", "ButtonClick/1", "Click/0"}));
    EXPECT_TRUE(toolbar.get(QStringLiteral("ButtonIsChecked"), {2}).toBool());

    PropertyBag bag;
    ASSERT_EQ(control->Save(bag), S_OK);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("ButtonCaption2")).toString(),
              QStringLiteral("Bold"));
    EXPECT_TRUE(bag.ReadProperty(QStringLiteral("ButtonIsChecked2")).toBool());
}
