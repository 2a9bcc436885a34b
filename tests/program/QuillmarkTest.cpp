// The whole program: every screen it registers, started as main starts it,
// and driven from the keyboard.
#include "common/ScreenTestSupport.h"
#include "quillmark/AllScreens.h"
#include "quillmark/data/Connection.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/shell/MdiClientArea.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"

#include <QMdiSubWindow>

#include <gtest/gtest.h>

namespace quillmark::test {

void registerTestedScreens() {
    registerAllScreens();
}

namespace {

// Writes the business name into a data file's company information.
void nameCompany(const QString& path, const QString& name) {
    Connection connection;
    connection.Open(DataFile::connectionStringFor(path));
    connection.Execute(QStringLiteral("UPDATE CompanyInfo SET BusinessName = '%1'").arg(name));
    connection.Close();
}

class QuillmarkTest : public BooksTest {
protected:
    QuillmarkTest() : BooksTest(false) {
        nameCompany(defaultBooks(), QStringLiteral("Maple Street Bakery"));
        window.MDIForm_Load();
    }

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
    bool hasFocus(const QString& screenName, const QString& control) const {
        return screen(screenName)->controlWidget(control)->hasFocus();
    }
};

TEST_F(QuillmarkTest, StartsWithThePanelBesideTheCompanyScreenThenTheActionsShortcutsWork) {
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillmark - Maple Street Bakery"));
    EXPECT_EQ(shownScreens(), QStringList({"dlgQuickLaunch", "dlgDataPath"}));
    QMdiSubWindow* panel = screen(ScreenNames::dlgQuickLaunch)->subWindow();
    EXPECT_EQ(panel->geometry(), QRect(487, 7, 224, 248)) << "no frame, 3360 by 3720 twips";
    QMdiSubWindow* companies = screen(ScreenNames::dlgDataPath)->subWindow();
    EXPECT_FALSE(companies->geometry().intersects(panel->geometry()));
    EXPECT_EQ(window.clientArea()->activeSubWindow(), companies);
    EXPECT_TRUE(hasFocus(ScreenNames::dlgDataPath, "gridDataPath"));

    // The actions' shortcuts work from a text box; closing a screen brings
    // back the one that was active before it.
    screen(ScreenNames::dlgDataPath)->controlWidget("txtFilePath")->setFocus();
    typeKey(Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window.clientArea()->activeSubWindow(), screen("dlgIncome")->subWindow());
    typeKey(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window.clientArea()->activeSubWindow(), screen("dlgExpense")->subWindow());
    EXPECT_EQ(screen("dlgExpense")->subWindow()->pos(), QPoint(33, 7)) << "as the menus place";
    clickButton(screen("dlgExpense"), QStringLiteral("cmdCategories"));
    typeKey(Qt::Key_Escape);
    EXPECT_FALSE(isOpen(QStringLiteral("dlgCategories")));
    EXPECT_EQ(window.clientArea()->activeSubWindow(), screen("dlgExpense")->subWindow());
}

// One screen at a time: the screens share their buttons' access keys.
TEST_F(QuillmarkTest, EachScreenOpensOnItsFirstControlEscCancelsAnOpenEditThenClosesTheScreen) {
    const struct {
        const char* name;
        const char* first;
        const char* afterNew;
    } cases[] = {
        {"dlgIncome", "gridTrans", "txtAmount"}, {"dlgExpense", "gridTrans", "txtAmount"},
        {"dlgCategories", "gridCat", "txtCode"}, {"dlgCompanyInfo", "txtBusinessName", nullptr},
        {"dlgAbout", "cmdClose", nullptr},
    };
    for (const auto& c : cases) {
        Screen* opened = openScreen(QString::fromLatin1(c.name));
        EXPECT_TRUE(hasFocus(c.name, c.first)) << c.name;
        if (c.afterNew) {
            typeKey(Qt::Key_N, Qt::AltModifier);
            EXPECT_TRUE(hasFocus(c.name, c.afterNew)) << c.name;
            typeText(QStringLiteral("25"));
            typeKey(Qt::Key_Escape);
            EXPECT_EQ(enabledButtons(opened, {"cmdNew", "cmdSave"}), QStringLiteral("New"));
            EXPECT_TRUE(isOpen(c.name)) << c.name << ": Esc cancelled the entry only";
        }
        typeKey(Qt::Key_Escape);
        EXPECT_FALSE(isOpen(c.name)) << c.name;
    }

    // The company screen drops its changes on Close without asking: Esc
    // leaves it open with them.
    openScreen(ScreenNames::dlgCompanyInfo);
    typeText(QStringLiteral("Maple"));
    typeKey(Qt::Key_Escape);
    EXPECT_TRUE(isOpen(ScreenNames::dlgCompanyInfo));
    EXPECT_EQ(messages(), "");
}

TEST_F(QuillmarkTest, FileOpenCompanySwitchesBooksAfterAskingAboutAnOpenEdit) {
    const QString shop = companyFile(QStringLiteral("shop.dat"));
    nameCompany(shop, QStringLiteral("Corner Shop"));
    clickButton(screen(ScreenNames::dlgDataPath), QStringLiteral("cmdSelect")); // Default Path
    addEntry(addCategory(7, "Fees", "INC"), "INC", QDateTime::currentDateTime(), "Cake", "12");
    typeKey(Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
    typeKey(Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(shownRows(screen("dlgIncome")->control<DataGrid>("gridTrans")).size(), 1);

    dialogs.answerNo();
    typeKey(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(shownScreens(), QStringList({"dlgQuickLaunch", "dlgIncome"}));
    dialogs.answerYes();
    typeKey(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(shownScreens(), QStringList({"dlgQuickLaunch", "dlgDataPath"}));
    const QString question =
        QStringLiteral("msgbox question yesno [Quillmark] Income View has changes that are not "
                       "saved. Do you wish to close it and lose them?");
    EXPECT_EQ(dialogs.dump(), QStringList({question, question}));

    dialogs.answerFile(shop);
    dialogs.answerInput(QStringLiteral("Shop"));
    clickButton(screen(ScreenNames::dlgDataPath), QStringLiteral("cmdBrowse"));
    clickButton(screen(ScreenNames::dlgDataPath), QStringLiteral("cmdSelect"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillmark - Corner Shop"));
    typeKey(Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(shownRows(screen("dlgIncome")->control<DataGrid>("gridTrans")).isEmpty());
}

} // namespace
} // namespace quillmark::test
