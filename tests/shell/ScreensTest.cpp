// Loading, placing, showing and unloading screens by name.
#include "quillmark/shell/Screens.h"
#include "ShellTestSupport.h"
#include "common/FakeDialogs.h"
#include "quillmark/shell/Screen.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

using test::FakeScreenFactories;
using test::flushDeletes;

class ScreensTest : public ::testing::Test {
protected:
    void SetUp() override {
        area.resize(1000, 700);
        area.show();
        Screens::instance().setMdiArea(&area);
    }
    void TearDown() override { Screens::instance().setMdiArea(nullptr); }

    QMdiArea area;
};

TEST_F(ScreensTest, OpeningTwiceGivesOneScreenMovedBackAndBroughtUp) {
    FakeScreenFactories factories({QStringLiteral("dlgIncome"), QStringLiteral("dlgExpense")});
    Screen* first = Screens::instance().OpenScreen(QStringLiteral("dlgIncome"), 500, 100);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->subWindow()->pos(), QPoint(33, 7));
    EXPECT_EQ(first->Left(), 495);
    first->subWindow()->move(300, 200);
    Screens::instance().OpenScreen(QStringLiteral("dlgExpense"), 1000, 1000);

    Screen* second = Screens::instance().OpenScreen(QStringLiteral("dlgIncome"), 500, 100);

    EXPECT_EQ(second, first);
    EXPECT_EQ(first->subWindow()->pos(), QPoint(33, 7));
    EXPECT_EQ(area.activeSubWindow(), first->subWindow());
    EXPECT_EQ(area.subWindowList().size(), 2);
    EXPECT_EQ(factories.log, QStringList({"load dlgIncome", "load dlgExpense"}));
}

TEST_F(ScreensTest, LoadedScreenIsFramedButHiddenUntilShown) {
    FakeScreenFactories factories({QStringLiteral("dlgAbout")});
    Screen* screen = Screens::instance().Load(QStringLiteral("dlgAbout"));
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(Screens::instance().isLoaded(QStringLiteral("dlgAbout")));
    EXPECT_EQ(screen->subWindow()->parentWidget(), area.viewport());
    EXPECT_FALSE(screen->subWindow()->isVisible());
    Screens::instance().Show(screen);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(screen->size(), QSize(200, 100)) << "the frame shows the whole form";
    EXPECT_EQ(screen->subWindow()->windowTitle(), QStringLiteral("dlgAbout"));
}

TEST_F(ScreensTest, UnloadForgetsTheScreenAndUnloadingAgainDoesNothing) {
    FakeScreenFactories factories({QStringLiteral("dlgCategories")});
    QPointer<Screen> screen = Screens::instance().OpenScreen(QStringLiteral("dlgCategories"));
    Screens::instance().Unload(QStringLiteral("dlgCategories"));
    Screens::instance().Unload(QStringLiteral("dlgCategories"));
    Screens::instance().Unload(QStringLiteral("dlgNeverLoaded"));

    EXPECT_FALSE(Screens::instance().isLoaded(QStringLiteral("dlgCategories")));
    flushDeletes();
    EXPECT_TRUE(screen.isNull());
    EXPECT_TRUE(area.subWindowList().isEmpty());
    EXPECT_EQ(factories.log, QStringList({"load dlgCategories", "unload dlgCategories"}));

    // A later open makes a new screen.
    EXPECT_NE(Screens::instance().OpenScreen(QStringLiteral("dlgCategories")), nullptr);
}

TEST_F(ScreensTest, ClosingTheChildWindowOrUnloadingFromItsOwnHandlerUnloadsTheScreen) {
    const std::pair<const char*, std::function<void(Screen*)>> ways[] = {
        {"close", [](Screen* screen) { screen->subWindow()->close(); }},
        {"own handler",
         [](Screen* screen) {
             QMetaObject::invokeMethod(
                 screen, [screen] { screen->Unload(); }, Qt::QueuedConnection);
         }},
    };
    for (const auto& [way, unload] : ways) {
        SCOPED_TRACE(way);
        FakeScreenFactories factories({QStringLiteral("dlgAbout")});
        Screen* screen = Screens::instance().OpenScreen(QStringLiteral("dlgAbout"), 500, 100);
        ASSERT_NE(screen, nullptr);
        unload(screen);
        EXPECT_TRUE(QTest::qWaitFor(
            [] { return !Screens::instance().isLoaded(QStringLiteral("dlgAbout")); }));
        EXPECT_EQ(factories.log, QStringList({"load dlgAbout", "unload dlgAbout"}));
        flushDeletes();
        EXPECT_TRUE(area.subWindowList().isEmpty());
    }
}

TEST_F(ScreensTest, FactoryFailureOrNoFactoryLeavesNothingLoaded) {
    Screens::instance().registerScreen(QStringLiteral("dlgBroken"), []() -> Screen* {
        throw RuntimeError(kErrorBadFormData, QStringLiteral("Form dlgBroken: broken."));
    });
    EXPECT_THROW(Screens::instance().Load(QStringLiteral("dlgBroken")), RuntimeError);
    EXPECT_FALSE(Screens::instance().isLoaded(QStringLiteral("dlgBroken")));
    Screens::instance().unregisterScreen(QStringLiteral("dlgBroken"));

    FakeDialogs dialogs; // a name without a factory opens nothing, quietly
    EXPECT_EQ(Screens::instance().OpenScreen(QStringLiteral("dlgReports"), 500, 100), nullptr);
    EXPECT_FALSE(Screens::instance().isLoaded(QStringLiteral("dlgReports")));
    EXPECT_TRUE(area.subWindowList().isEmpty());
    EXPECT_TRUE(dialogs.calls().empty());
}

TEST(ScreensWithoutArea, ScreenStandsAloneAndIsPlacedInTwips) {
    FakeScreenFactories factories({QStringLiteral("dlgAbout")});
    Screen* screen = Screens::instance().OpenScreen(QStringLiteral("dlgAbout"), 1500, 3000);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->subWindow(), nullptr);
    EXPECT_EQ(screen->pos(), QPoint(100, 200));
    EXPECT_TRUE(screen->isVisible());
}

} // namespace
} // namespace quillmark
