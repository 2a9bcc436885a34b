// The main window: menus, start-up, quitting, shutdown order, size rule.
#include "quillmark/shell/mdiMain.h"
#include "ShellTestSupport.h"
#include "quillmark/data/Connection.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/shell/MdiClientArea.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark::test {
namespace {

// In the order the main window unloads them.
const QStringList kAllScreens = {
    ScreenNames::dlgDataPath, ScreenNames::dlgCategories,      ScreenNames::dlgIncome,
    ScreenNames::dlgExpense,  ScreenNames::dlgReportsCriteria, ScreenNames::dlgReports,
    ScreenNames::dlgAbout,    ScreenNames::dlgCompanyInfo,     ScreenNames::dlgQuickLaunch};

const QString kQuitQuestion =
    QStringLiteral("msgbox question yesno [Quillmark] Do you wish to quit the application?");

class mdiMainTest : public BooksTest {
protected:
    mdiMainTest() : BooksTest(false) {
        window.setEndProgram([this] { ++endCount; });
    }
    void startUp() {
        window.MDIForm_Load();
        factories.log.clear();
    }

    FakeScreenFactories factories{kAllScreens};
    int endCount = 0;
};

TEST_F(mdiMainTest, WithoutTheDefaultBooksStartUpOffersToMakeThemAndOpensThemOnlyOnceMade) {
    const QString question = QStringLiteral("msgbox question yesno [Quillmark] There are no books "
                                            "at %1 yet.\r\n\r\nCreate empty default books there "
                                            "now?")
                                 .arg(defaultBooks());
    ASSERT_TRUE(QFile::remove(defaultBooks()));
    dialogs.answerNo();
    window.MDIForm_Load();
    ASSERT_EQ(dialogs.dump().size(), 2) << messages();
    EXPECT_EQ(dialogs.dump()[0], question);
    const QString& shown = dialogs.dump()[1];
    EXPECT_TRUE(shown.startsWith("msgbox info ok [Quillmark] ")) << messages();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("\r\n\r\nTo start with empty books, create them "
                                              "with:\r\nnewcompanyfile --default \"%1\"")
                                   .arg(defaultBooks())))
        << messages();
    EXPECT_FALSE(QFile::exists(defaultBooks())) << "start-up never creates it unasked";

    // A file where the data folder should be: neither folder nor books can be made.
    const QString dataFolder = UserDataFolder();
    ASSERT_TRUE(QDir(dataFolder).removeRecursively());
    QFile blocker(dataFolder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    dialogs.clear();
    dialogs.answerYes();
    window.MDIForm_Load();
    ASSERT_EQ(dialogs.dump().size(), 2) << messages();
    EXPECT_EQ(dialogs.dump()[1],
              QStringLiteral("msgbox info ok [Quillmark] The folder '%1' cannot be created.")
                  .arg(dataFolder));
    EXPECT_TRUE(factories.log.isEmpty());
    EXPECT_EQ(connections(), "(closed) | (closed) | (closed)");
    EXPECT_TRUE(window.isVisible());

    // Without the data folder, answered Yes.
    ASSERT_TRUE(blocker.remove());
    dialogs.clear();
    dialogs.answerYes();
    window.MDIForm_Load();
    EXPECT_EQ(messages(), lines({question}));
    EXPECT_EQ(connections(), onCompany(defaultBooks()));
    EXPECT_EQ(factories.log, QStringList({"load dlgQuickLaunch", "load dlgDataPath"}));
    EXPECT_EQ(connSys().Execute(QStringLiteral("SELECT * FROM CompanyFilePath"))->RecordCount(), 1)
        << "default books, with the company list";
}

TEST_F(mdiMainTest, CopyAndCutStayWithATextBoxTheMenusShortcutsOpenTheirScreenOnlyOnce) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillmark"));
    EXPECT_EQ(window.clientArea()->background().color(), QColor(Qt::white));
    startUp();
    auto* box = new QLineEdit(Screens::instance().find(ScreenNames::dlgDataPath));
    box->setText(QStringLiteral("/books/acme.dat"));
    box->show();
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QString()) << "Ctrl+X cut the text instead of asking to quit";
    EXPECT_TRUE(factories.log.isEmpty()) << "Ctrl+C opened nothing";
    delete box;

    // Company Info, Categories, Reports, About Software, Categories again.
    for (const Qt::Key key : {Qt::Key_C, Qt::Key_T, Qt::Key_P, Qt::Key_B, Qt::Key_T}) {
        QTest::keyClick(&window, key, Qt::ControlModifier);
        QMdiSubWindow* active = window.clientArea()->activeSubWindow();
        EXPECT_EQ(active->pos(), QPoint(33, 7)) << key;
        EXPECT_EQ(active->widget()->size(), QSize(200, 100)) << "the frame shows the whole form";
        active->move(250, 300); // the next opening moves it back
    }
    EXPECT_EQ(factories.log, QStringList({"load dlgCompanyInfo", "load dlgCategories",
                                          "load dlgReports", "load dlgAbout"}));
    EXPECT_EQ(messages(), "");
}

TEST_F(mdiMainTest, QuitAnsweredNoLeavesAllAsItWasYesUnloadsInOrderClosesTheBooksAndAsksOnce) {
    startUp();
    for (const QString& name : kAllScreens) {
        Screens::instance().OpenScreen(name, 500, 100);
    }
    factories.log.clear();
    dialogs.answerNo();
    EXPECT_FALSE(window.close());
    dialogs.answerNo();
    QTest::keyClick(&window, Qt::Key_X, Qt::ControlModifier); // Exit
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Screens::instance().loadedNames().size(), kAllScreens.size());
    EXPECT_TRUE(factories.log.isEmpty());
    EXPECT_EQ(connections(), onCompany(defaultBooks()));

    dialogs.answerYes();
    EXPECT_TRUE(window.close());
    QStringList unloads;
    for (const QString& name : kAllScreens) {
        unloads << "unload " + name;
    }
    EXPECT_EQ(factories.log, unloads);
    EXPECT_EQ(connections(), "(closed) | (closed) | (closed)");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(endCount, 0);

    // Exit ends the program at once; only the loaded screens are unloaded,
    // and the window going away afterwards asks nothing more.
    window.show();
    startUp();
    dialogs.answerYes();
    window.menuItem(QStringLiteral("mnuFileExit"))->trigger();
    EXPECT_EQ(endCount, 1);
    EXPECT_EQ(factories.log, QStringList({"unload dlgDataPath", "unload dlgQuickLaunch"}));
    EXPECT_TRUE(window.close());
    EXPECT_EQ(dialogs.dump(), QStringList(4, kQuitQuestion));
}

TEST_F(mdiMainTest, TheWindowSnapsBackToItsSmallestSizeAndAMinimizedOneIsLeftAlone) {
    // The whole window, frame included, in whole pixels: 11190 x 8600 twips.
    const QSize frameExtra = window.frameGeometry().size() - window.size();
    const std::pair<QSize, QSize> cases[] = {
        {{300, 200}, {746, 573}},
        {{900, 200}, {900, 573}},
        {{1000, 800}, {1000, 800}},
    };
    for (const auto& [requested, expected] : cases) {
        window.resize(requested - frameExtra);
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.frameGeometry().size() == expected; }))
            << requested.width() << "x" << requested.height();
    }
    window.hide(); // resized without a resize event, which comes once minimized
    window.resize(300, 200);
    window.setWindowState(Qt::WindowMinimized);
    QResizeEvent resize(QSize(300, 200), QSize(746, 573));
    QApplication::sendEvent(&window, &resize);
    EXPECT_EQ(window.size(), QSize(300, 200));
    EXPECT_EQ(messages(), "");
}

} // namespace
} // namespace quillmark::test
