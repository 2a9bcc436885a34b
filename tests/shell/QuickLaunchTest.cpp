// The quick launch panel inside the main window.
#include "ShellTestSupport.h"
#include "quillmark/shell/MdiClientArea.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/dlgQuickLaunch.h"
#include "quillmark/shell/mdiMain.h"

#include <QMdiSubWindow>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

using test::clickButton;

const QString kQuitQuestion =
    QStringLiteral("msgbox question yesno [Quillmark] Do you wish to quit the application?");

class QuickLaunchTest : public test::DefaultBooksTest {
protected:
    QuickLaunchTest()
        : others({ScreenNames::dlgIncome, ScreenNames::dlgExpense, ScreenNames::dlgReports}) {
        window.show();
        panel = Screens::instance().OpenScreen(ScreenNames::dlgQuickLaunch, 7300, 100);
    }

    test::FakeScreenFactories others;
    mdiMain window;
    Screen* panel = nullptr;
};

TEST_F(QuickLaunchTest, ButtonsOpenTheirScreenAt500By100OnlyOnce) {
    const std::pair<const char*, QString> cases[] = {
        {"cmdIncome", ScreenNames::dlgIncome},
        {"cmdExpense", ScreenNames::dlgExpense},
        {"cmdReports", ScreenNames::dlgReports},
    };
    for (const auto& [button, name] : cases) {
        SCOPED_TRACE(button);
        for (int click = 0; click < 2; ++click) {
            clickButton(panel, QString::fromLatin1(button));
            Screen* screen = Screens::instance().find(name);
            ASSERT_NE(screen, nullptr);
            EXPECT_EQ(screen->subWindow()->pos(), QPoint(33, 7));
            EXPECT_EQ(window.clientArea()->activeSubWindow(), screen->subWindow());
            // Moved away and brought behind: the next click puts it back on top.
            screen->subWindow()->move(200, 150);
            window.clientArea()->setActiveSubWindow(panel->subWindow());
        }
    }
    EXPECT_EQ(others.log, QStringList({"load dlgIncome", "load dlgExpense", "load dlgReports"}));
    EXPECT_TRUE(dialogs.calls().empty());
}

TEST_F(QuickLaunchTest, QuitAnsweredNoLeavesEverythingOpen) {
    clickButton(panel, QStringLiteral("cmdIncome"));
    const QString file = folder.defaultDataFile();

    dialogs.answerNo();

    clickButton(panel, QStringLiteral("cmdQuit"));

    EXPECT_EQ(dialogs.dump(), QStringList({kQuitQuestion}));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(isLoaded(ScreenNames::dlgQuickLaunch));
    EXPECT_TRUE(isLoaded(ScreenNames::dlgIncome));
    EXPECT_EQ(connections(), file + " | " + file + " | " + file);
}

} // namespace
} // namespace quillmark
