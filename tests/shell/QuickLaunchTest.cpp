// The quick launch panel inside the main window: its buttons open the daily
// screens where the menus put theirs, and Quit goes through the quit question.
#include "ShellScreensTestSupport.h"
#include "quillmark/data/Connection.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/MdiClientArea.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/XPButtonSite.h"
#include "quillmark/shell/dlgQuickLaunch.h"
#include "quillmark/shell/mdiMain.h"

#include <QMdiSubWindow>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

using screenstest::clickButton;
using screenstest::lines;

const QString kQuitQuestion =
    QStringLiteral("msgbox question yesno [Quillmark] Do you wish to quit the application?");

class QuickLaunchTest : public screenstest::DefaultBooksTest {
protected:
    QuickLaunchTest()
        : others({ScreenNames::dlgIncome, ScreenNames::dlgExpense, ScreenNames::dlgReports}) {
        useRealScreens({ScreenNames::dlgQuickLaunch});
        window.setEndProgram([] { ADD_FAILURE() << "Quit must not end the program by Exit"; });
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        panel = Screens::instance().OpenScreen(ScreenNames::dlgQuickLaunch, 7300, 100);
    }

    QStringList openConnections() const {
        deQuillmark& de = deQuillmark::instance();
        QStringList open;
        for (Connection* c : {&de.connSys(), &de.connReports(), &de.connSecurity()}) {
            open << QString::number(c->State());
        }
        return open;
    }

    test::FakeScreenFactories others;
    mdiMain window;
    Screen* panel = nullptr;
};

TEST_F(QuickLaunchTest, BorderlessPanelWithFourButtons) {
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->formData().borderStyle, QStringLiteral("none"));
    EXPECT_TRUE(panel->subWindow()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(panel->Caption().isEmpty());
    EXPECT_EQ(panel->size(), QSize(224, 248)) << "3360 by 3720 twips";
    EXPECT_EQ(panel->subWindow()->geometry(), QRect(487, 7, 224, 248)) << "no frame around it";
    QStringList captions;
    for (const char* name : {"cmdIncome", "cmdExpense", "cmdReports", "cmdQuit"}) {
        captions << panel->control<XPButtonSite>(QString::fromLatin1(name))->Caption();
    }
    EXPECT_EQ(captions, QStringList({"Income", "Expense", "Reports", "Quit"}));
}

TEST_F(QuickLaunchTest, ButtonsOpenTheirScreenAt500By100OnlyOnce) {
    const std::pair<const char*, QString> cases[] = {
        {"cmdIncome", ScreenNames::dlgIncome},
        {"cmdExpense", ScreenNames::dlgExpense},
        {"cmdReports", ScreenNames::dlgReports},
    };
    for (const auto& [button, name] : cases) {
        SCOPED_TRACE(button);
        clickButton(panel, QString::fromLatin1(button));
        Screen* screen = Screens::instance().find(name);
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(screen->subWindow()->pos(), QPoint(33, 7));
        EXPECT_EQ(window.clientArea()->activeSubWindow(), screen->subWindow());

        // Moved away and asked for again: back in place, brought up, no second copy.
        screen->subWindow()->move(200, 150);
        window.clientArea()->setActiveSubWindow(panel->subWindow());
        clickButton(panel, QString::fromLatin1(button));
        EXPECT_EQ(Screens::instance().find(name), screen);
        EXPECT_EQ(screen->subWindow()->pos(), QPoint(33, 7));
        EXPECT_EQ(window.clientArea()->activeSubWindow(), screen->subWindow());
    }
    EXPECT_EQ(others.log, QStringList({"load dlgIncome", "load dlgExpense", "load dlgReports"}));
    EXPECT_TRUE(dialogs.calls().empty()) << lines(dialogs.dump());
}

TEST_F(QuickLaunchTest, AScreenNotYetBuiltOpensNothing) {
    Screens::instance().unregisterScreen(ScreenNames::dlgReports);

    clickButton(panel, QStringLiteral("cmdReports"));

    EXPECT_FALSE(isLoaded(ScreenNames::dlgReports));
    EXPECT_TRUE(dialogs.calls().empty()) << lines(dialogs.dump());
}

TEST_F(QuickLaunchTest, QuitAnsweredNoLeavesEverythingOpen) {
    clickButton(panel, QStringLiteral("cmdIncome"));
    dialogs.answerNo();

    clickButton(panel, QStringLiteral("cmdQuit"));

    EXPECT_EQ(dialogs.dump(), QStringList({kQuitQuestion}));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(isLoaded(ScreenNames::dlgQuickLaunch));
    EXPECT_TRUE(isLoaded(ScreenNames::dlgIncome));
    EXPECT_EQ(openConnections(), QStringList({"1", "1", "1"}));
}

TEST_F(QuickLaunchTest, QuitAnsweredYesShutsDown) {
    clickButton(panel, QStringLiteral("cmdExpense"));
    dialogs.answerYes();

    clickButton(panel, QStringLiteral("cmdQuit"));

    EXPECT_EQ(dialogs.dump(), QStringList({kQuitQuestion}));
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(isLoaded(ScreenNames::dlgQuickLaunch));
    EXPECT_FALSE(isLoaded(ScreenNames::dlgExpense));
    EXPECT_EQ(openConnections(), QStringList({"0", "0", "0"}));
}

} // namespace
} // namespace quillmark
