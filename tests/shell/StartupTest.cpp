// Start-up as a whole with every screen the program registers, and a session
// that opens a company and quits through the panel.
#include "ShellTestSupport.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/shell/MdiClientArea.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/mdiMain.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

using test::clickButton;

class StartupTest : public test::DefaultBooksTest {
protected:
    StartupTest() : DefaultBooksTest(false) {
        window.show();
        window.MDIForm_Load();
    }

    QStringList childWindows() const {
        QStringList names;
        for (QMdiSubWindow* child : window.clientArea()->subWindowList(QMdiArea::CreationOrder)) {
            if (child->isVisible()) {
                names << child->widget()->objectName();
            }
        }
        return names;
    }

    // With QUILLMARK_SCREENSHOT_DIR set, the main window is saved there as a PNG.
    void saveScreenshot(const QString& fileName) {
        const QString dir = qEnvironmentVariable("QUILLMARK_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            EXPECT_TRUE(window.grab().save(QDir(dir).filePath(fileName)));
        }
    }

    mdiMain window;
};

TEST_F(StartupTest, QuickLaunchAt7300By100ThenTheCompanyScreen) {
    EXPECT_TRUE(dialogs.calls().empty()) << test::lines(dialogs.dump());
    const QString file = folder.defaultDataFile();
    EXPECT_EQ(connections(), file + " | " + file + " | " + file);
    EXPECT_EQ(childWindows(), QStringList({"dlgQuickLaunch", "dlgDataPath"}));
    QMdiSubWindow* panel = Screens::instance().find(ScreenNames::dlgQuickLaunch)->subWindow();
    EXPECT_EQ(panel->geometry(), QRect(487, 7, 224, 248)) << "no frame, 3360 by 3720 twips";
    Screen* companies = Screens::instance().find(ScreenNames::dlgDataPath);
    EXPECT_EQ(window.clientArea()->activeSubWindow(), companies->subWindow());
    EXPECT_FALSE(companies->subWindow()->geometry().intersects(panel->geometry()));
    EXPECT_EQ(companies->control<QLineEdit>(QStringLiteral("txtFilePath"))->text(),
              QStringLiteral("Default Path"));
    saveScreenshot(QStringLiteral("startup.png"));
}

TEST_F(StartupTest, ASessionOpensACompanyAndQuitsThroughThePanel) {
    QTemporaryDir files;
    const QString shop = files.filePath(QStringLiteral("shop.dat"));
    DataFile::createCompanyFile(shop, false);
    Screen* companies = Screens::instance().find(ScreenNames::dlgDataPath);
    dialogs.answerFile(shop);
    dialogs.answerInput(QStringLiteral("Shop"));
    clickButton(companies, QStringLiteral("cmdBrowse"));
    clickButton(companies, QStringLiteral("cmdSelect"));
    EXPECT_EQ(connections(), onCompany(shop));
    EXPECT_EQ(childWindows(), QStringList({"dlgQuickLaunch"}));

    window.menuItem(QStringLiteral("mnuHelpAbout"))->trigger();
    saveScreenshot(QStringLiteral("about.png"));
    dialogs.answerYes();
    clickButton(Screens::instance().find(ScreenNames::dlgQuickLaunch), QStringLiteral("cmdQuit"));

    test::flushDeletes();
    EXPECT_TRUE(Screens::instance().loadedNames().isEmpty());
    EXPECT_EQ(connections(), QStringLiteral("(closed) | (closed) | (closed)"));
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace quillmark
