// Start-up as a whole, with every screen the program registers: the main
// window connects the default books, shows the quick launch panel and then
// the company data files screen; a session ends through the panel's Quit.
#include "ShellScreensTestSupport.h"
#include "quillmark/data/Connection.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/AllScreens.h"
#include "quillmark/shell/MdiClientArea.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/mdiMain.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

using screenstest::clickButton;
using screenstest::lines;
using screenstest::openFile;

const QStringList kAllScreens = {
    ScreenNames::dlgDataPath, ScreenNames::dlgCategories,      ScreenNames::dlgIncome,
    ScreenNames::dlgExpense,  ScreenNames::dlgReportsCriteria, ScreenNames::dlgReports,
    ScreenNames::dlgAbout,    ScreenNames::dlgCompanyInfo,     ScreenNames::dlgQuickLaunch};

class StartupTest : public ::testing::Test {
protected:
    StartupTest() : folder(true) {
        registerAllScreens();
        window.setEndProgram([] { ADD_FAILURE() << "only Exit ends the program at once"; });
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    ~StartupTest() override {
        for (const QString& name : kAllScreens) {
            Screens::instance().Unload(name);
            Screens::instance().unregisterScreen(name);
        }
        test::flushDeletes();
    }

    QStringList childWindows() const {
        QStringList names;
        const auto windows = window.clientArea()->subWindowList(QMdiArea::CreationOrder);
        for (QMdiSubWindow* child : windows) {
            if (child->isVisible()) {
                names << child->widget()->objectName();
            }
        }
        return names;
    }

    QString companyConnections() const {
        deQuillmark& de = deQuillmark::instance();
        return openFile(de.connSys()) + QStringLiteral(" | ") + openFile(de.connReports()) +
               QStringLiteral(" | ") + openFile(de.connSecurity());
    }

    // With QUILLMARK_SCREENSHOT_DIR set, the main window as it stands is
    // saved there as a PNG, to look at the screens together.
    void saveScreenshot(const QString& fileName) {
        const QString dir = qEnvironmentVariable("QUILLMARK_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            EXPECT_TRUE(window.grab().save(QDir(dir).filePath(fileName)));
        }
    }

    FakeDialogs dialogs;
    test::TempProgramFolder folder;
    mdiMain window;
};

TEST_F(StartupTest, QuickLaunchAt7300By100ThenTheCompanyScreen) {
    window.MDIForm_Load();

    EXPECT_TRUE(dialogs.calls().empty()) << lines(dialogs.dump());
    const QString file = folder.defaultDataFile();
    EXPECT_EQ(companyConnections(), file + " | " + file + " | " + file);
    EXPECT_EQ(childWindows(), QStringList({"dlgQuickLaunch", "dlgDataPath"}));
    Screen* panel = Screens::instance().find(ScreenNames::dlgQuickLaunch);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->subWindow()->pos(), QPoint(487, 7));
    Screen* companies = Screens::instance().find(ScreenNames::dlgDataPath);
    ASSERT_NE(companies, nullptr);
    EXPECT_EQ(window.clientArea()->activeSubWindow(), companies->subWindow());
    EXPECT_EQ(companies->control<QLineEdit>(QStringLiteral("txtFilePath"))->text(),
              QStringLiteral("Default Path"));
    EXPECT_FALSE(companies->subWindow()->geometry().intersects(panel->subWindow()->geometry()))
        << "the company screen leaves the panel free";
    saveScreenshot(QStringLiteral("startup.png"));
}

TEST_F(StartupTest, ASessionOpensACompanyAndQuitsThroughThePanel) {
    QTemporaryDir files;
    const QString shop = files.filePath(QStringLiteral("shop.dat"));
    DataFile::createCompanyFile(shop, false);
    window.MDIForm_Load();
    Screen* companies = Screens::instance().find(ScreenNames::dlgDataPath);
    ASSERT_NE(companies, nullptr);

    dialogs.answerFile(shop);
    dialogs.answerInput(QStringLiteral("Shop"));
    clickButton(companies, QStringLiteral("cmdBrowse"));
    clickButton(companies, QStringLiteral("cmdSelect"));

    EXPECT_EQ(companyConnections(), shop + " | " + shop + " | " + folder.defaultDataFile());
    EXPECT_EQ(childWindows(), QStringList({"dlgQuickLaunch"}));

    window.menuItem(QStringLiteral("mnuHelpAbout"))->trigger();
    Screen* about = Screens::instance().find(ScreenNames::dlgAbout);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->subWindow()->pos(), QPoint(33, 7));
    saveScreenshot(QStringLiteral("about.png"));

    dialogs.answerYes();
    clickButton(Screens::instance().find(ScreenNames::dlgQuickLaunch), QStringLiteral("cmdQuit"));

    EXPECT_EQ(
        dialogs.dump().last(),
        QStringLiteral("msgbox question yesno [Quillmark] Do you wish to quit the application?"));
    test::flushDeletes();
    EXPECT_TRUE(Screens::instance().loadedNames().isEmpty())
        << lines(Screens::instance().loadedNames());
    EXPECT_EQ(companyConnections(), QStringLiteral("(closed) | (closed) | (closed)"));
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace quillmark
