// The whole program: every screen it registers, started as main starts it.
#include "common/ScreenTestSupport.h"
#include "quillmark/AllScreens.h"
#include "quillmark/shell/MdiClientArea.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"

#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

namespace quillmark::test {

void registerTestedScreens() {
    registerAllScreens();
}

namespace {

class QuillmarkTest : public BooksTest {
protected:
    QuillmarkTest() : BooksTest(false) { window.MDIForm_Load(); }

    Screen* screen(const QString& name) const { return Screens::instance().find(name); }
    QStringList shownScreens() const {
        QStringList names;
        for (QMdiSubWindow* child : window.clientArea()->subWindowList()) {
            if (child->isVisible()) {
                names << child->widget()->objectName();
            }
        }
        return names;
    }
    // With QUILLMARK_SCREENSHOT_DIR set, the main window is saved there.
    void saveScreenshot(const QString& fileName) {
        const QString dir = qEnvironmentVariable("QUILLMARK_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            EXPECT_TRUE(window.grab().save(QDir(dir).filePath(fileName)));
        }
    }
};

TEST_F(QuillmarkTest, StartsWithTheQuickLaunchPanelBesideTheCompanyScreen) {
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(shownScreens(), QStringList({"dlgQuickLaunch", "dlgDataPath"}));
    QMdiSubWindow* panel = screen(ScreenNames::dlgQuickLaunch)->subWindow();
    EXPECT_EQ(panel->geometry(), QRect(487, 7, 224, 248)) << "no frame, 3360 by 3720 twips";
    QMdiSubWindow* companies = screen(ScreenNames::dlgDataPath)->subWindow();
    EXPECT_FALSE(companies->geometry().intersects(panel->geometry()));
    EXPECT_EQ(window.clientArea()->activeSubWindow(), companies);
    saveScreenshot(QStringLiteral("startup.png"));
}

TEST_F(QuillmarkTest, ASessionOpensACompanyAndQuitsThroughThePanel) {
    const QString shop = companyFile(QStringLiteral("shop.dat"));
    dialogs.answerFile(shop);
    dialogs.answerInput(QStringLiteral("Shop"));
    clickButton(screen(ScreenNames::dlgDataPath), QStringLiteral("cmdBrowse"));
    clickButton(screen(ScreenNames::dlgDataPath), QStringLiteral("cmdSelect"));
    EXPECT_EQ(connections(), onCompany(shop));
    EXPECT_EQ(shownScreens(), QStringList({"dlgQuickLaunch"}));

    dialogs.answerYes();
    clickButton(screen(ScreenNames::dlgQuickLaunch), QStringLiteral("cmdQuit"));
    flushDeletes();
    EXPECT_TRUE(Screens::instance().loadedNames().isEmpty());
    EXPECT_EQ(connections(), "(closed) | (closed) | (closed)");
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace quillmark::test
