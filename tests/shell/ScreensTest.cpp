// Unloading screens by name, by their close box or by themselves, and
// factories that fail. The menus' and the panel's tests place them.
#include "quillmark/shell/Screens.h"
#include "ShellTestSupport.h"
#include "quillmark/shell/ShellErrors.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark::test {
namespace {

class ScreensTest : public ::testing::Test {
protected:
    ScreensTest() {
        area.resize(1000, 700);
        area.show();
        Screens::instance().setMdiArea(&area);
    }
    ~ScreensTest() override { Screens::instance().setMdiArea(nullptr); }

    QMdiArea area;
    FakeScreenFactories factories{{"dlgAbout"}};
};

TEST_F(ScreensTest, EveryWayOfUnloadingForgetsTheScreenOnceAndAFailedLoadLeavesNothing) {
    const std::pair<const char*, std::function<void(Screen*)>> ways[] = {
        {"by name",
         [](Screen*) {
             Screens::instance().Unload("dlgAbout");
             Screens::instance().Unload("dlgAbout");
         }},
        {"close box", [](Screen* screen) { screen->subWindow()->close(); }},
        {"own handler",
         [](Screen* screen) {
             QMetaObject::invokeMethod(
                 screen, [screen] { screen->Unload(); }, Qt::QueuedConnection);
         }},
    };
    for (const auto& [way, unload] : ways) {
        SCOPED_TRACE(way);
        factories.log.clear();
        unload(Screens::instance().OpenScreen("dlgAbout", 500, 100));
        EXPECT_TRUE(QTest::qWaitFor([] { return !Screens::instance().isLoaded("dlgAbout"); }));
        flushDeletes();
        EXPECT_EQ(factories.log, QStringList({"load dlgAbout", "unload dlgAbout"}));
        EXPECT_TRUE(area.subWindowList().isEmpty());
    }

    // A factory that fails, or none at all, leaves nothing loaded.
    Screens::instance().registerScreen("dlgBroken", []() -> Screen* {
        throw RuntimeError(kErrorBadFormData, QStringLiteral("Form dlgBroken: broken."));
    });
    EXPECT_THROW(Screens::instance().Load("dlgBroken"), RuntimeError);
    Screens::instance().unregisterScreen("dlgBroken");
    EXPECT_EQ(Screens::instance().OpenScreen("dlgBroken", 500, 100), nullptr);
    EXPECT_TRUE(Screens::instance().loadedNames().isEmpty());
    EXPECT_TRUE(area.subWindowList().isEmpty());
}

} // namespace
} // namespace quillmark::test
