// The quick launch panel inside the main window.
#include "quillmark/shell/dlgQuickLaunch.h"
#include "ShellTestSupport.h"
#include "quillmark/shell/MdiClientArea.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"

#include <QMdiSubWindow>

#include <gtest/gtest.h>

namespace quillmark::test {
namespace {

class dlgQuickLaunchTest : public BooksTest {
protected:
    FakeScreenFactories others{{"dlgIncome", "dlgExpense", "dlgReports"}};
    Screen* panel = Screens::instance().OpenScreen(ScreenNames::dlgQuickLaunch, 7300, 100);
};

// Quit closes the main window, whose tests cover the rest of quitting.
TEST_F(dlgQuickLaunchTest, ButtonsOpenTheirScreenAt500By100OnlyOnceAndQuitAsksFirst) {
    for (const char* name : {"Income", "Expense", "Reports"}) {
        for (int click = 0; click < 2; ++click) {
            clickButton(panel, QStringLiteral("cmd") + QLatin1String(name));
            Screen* screen = Screens::instance().find(QStringLiteral("dlg") + QLatin1String(name));
            ASSERT_NE(screen, nullptr) << name;
            EXPECT_EQ(screen->subWindow()->pos(), QPoint(33, 7)) << name;
            EXPECT_EQ(window.clientArea()->activeSubWindow(), screen->subWindow()) << name;
            // Moved away and behind: the next click puts it back on top.
            screen->subWindow()->move(200, 150);
            window.clientArea()->setActiveSubWindow(panel->subWindow());
        }
    }
    EXPECT_EQ(others.log, QStringList({"load dlgIncome", "load dlgExpense", "load dlgReports"}));
    dialogs.answerNo();
    clickButton(panel, QStringLiteral("cmdQuit"));
    EXPECT_EQ(messages(), "msgbox question yesno [Quillmark] Do you wish to quit the application?");
    EXPECT_TRUE(window.isVisible());
}

} // namespace
} // namespace quillmark::test
