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
}

TEST_F(ServerTest, TheButtonsWindowCanBeSubclassedByAnotherObject) {
    ComPtr<IDispatch> button = HostLoader::CreateObject(QStringLiteral("LumoKit.LumoXPButton"));
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

    EXPECT_TRUE(subclass.call(QStringLiteral("SubClassHwnd"), {hwnd, false}).toBool());
    messages.clear();
    QApplication::sendEvent(window, &move);
    EXPECT_TRUE(messages.isEmpty());
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
