// The main window: menus, start-up, quitting, shutdown order, size rule.
#include "quillmark/shell/mdiMain.h"
#include "ShellTestSupport.h"
#include "common/FakeDialogs.h"
#include "quillmark/data/Connection.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/MdiClientArea.h"
#include "quillmark/shell/Screen.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

using test::FakeScreenFactories;
using test::TempProgramFolder;

const QStringList kAllScreens = {
    ScreenNames::dlgQuickLaunch, ScreenNames::dlgAbout,           ScreenNames::dlgIncome,
    ScreenNames::dlgExpense,     ScreenNames::dlgReportsCriteria, ScreenNames::dlgReports,
    ScreenNames::dlgCategories,  ScreenNames::dlgCompanyInfo,     ScreenNames::dlgDataPath};

const QString kQuitQuestion =
    QStringLiteral("msgbox question yesno [Quillmark] Do you wish to quit the application?");

QString connectionStringFor(const QString& path) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path +
           QStringLiteral(";Persist Security Info=False");
}

QStringList openConnections() {
    QStringList open;
    deQuillmark& de = deQuillmark::instance();
    for (Connection* connection : {&de.connSys(), &de.connReports(), &de.connSecurity()}) {
        if (connection->State() != 0) {
            open << connection->Name();
        }
    }
    return open;
}

const QStringList kAllConnections = {"connSys", "connReports", "connSecurity"};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : folder(true), factories(kAllScreens) {
        window.setEndProgram([this] { ++endCount; });
    }

    void startUp() {
        window.show();
        window.MDIForm_Load();
        factories.log.clear();
    }

    void openAllScreens() {
        for (const QString& name : kAllScreens) {
            Screens::instance().OpenScreen(name, 500, 100);
        }
        factories.log.clear();
    }

    FakeDialogs dialogs;
    TempProgramFolder folder;
    FakeScreenFactories factories;
    mdiMain window;
    int endCount = 0;
};

TEST_F(MainWindowTest, CaptionBackgroundMenusAndTheirItems) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillmark"));
    EXPECT_EQ(window.clientArea()->background().color(), QColor(Qt::white));
    EXPECT_FALSE(MdiClientArea::emblem().isNull());

    QStringList menus;
    for (QAction* action : window.menuBar()->actions()) {
        menus << action->menu()->objectName() + QLatin1Char(' ') + action->text();
    }
    EXPECT_EQ(menus, QStringList({"mnuFile &File", "mnuActions &Actions", "mnuHelp &Help"}));
    struct Item {
        const char* menu;
        const char* name;
        const char* caption;
        const char* shortcut;
    };
    const Item items[] = {
        {"mnuFile", "mnuFileCompany", "&Company Info", "Ctrl+C"},
        {"mnuFile", "mnuFileSep1", "", ""},
        {"mnuFile", "mnuFileExit", "E&xit", "Ctrl+X"},
        {"mnuActions", "mnuFileCategories", "Ca&tegories", "Ctrl+T"},
        {"mnuActions", "mnuFileReports", "Re&ports", "Ctrl+P"},
        {"mnuHelp", "mnuHelpAbout", "A&bout Software", "Ctrl+B"},
    };
    QStringList expected;
    for (const Item& item : items) {
        expected
            << QStringLiteral("%1/%2 %3 %4").arg(item.menu, item.name, item.caption, item.shortcut);
    }
    QStringList actual;
    for (const char* menuName : {"mnuFile", "mnuActions", "mnuHelp"}) {
        QMenu* menu = window.menu(QString::fromLatin1(menuName));
        ASSERT_NE(menu, nullptr) << menuName;
        for (QAction* action : menu->actions()) {
            actual << QStringLiteral("%1/%2 %3 %4")
                          .arg(menu->objectName(), action->objectName(),
                               action->isSeparator() ? QString() : action->text(),
                               action->shortcut().toString(QKeySequence::PortableText));
        }
    }
    EXPECT_EQ(actual, expected);
}

TEST_F(MainWindowTest, StartUpConnectsTheDefaultFileThenOpensQuickLaunchAndCompanyScreen) {
    window.show();
    window.MDIForm_Load();

    EXPECT_TRUE(dialogs.calls().empty()) << dialogs.dump().join('\n').toStdString();
    EXPECT_EQ(factories.log, QStringList({"load dlgQuickLaunch", "load dlgDataPath"}));
    EXPECT_EQ(openConnections(), kAllConnections);
    deQuillmark& de = deQuillmark::instance();
    const QString expected = connectionStringFor(folder.defaultDataFile());
    EXPECT_EQ(de.connSecurity().ConnectionString(), expected);
    EXPECT_EQ(de.connSys().ConnectionString(), expected);
    EXPECT_EQ(de.connReports().ConnectionString(), expected);

    Screen* quickLaunch = Screens::instance().find(ScreenNames::dlgQuickLaunch);
    ASSERT_NE(quickLaunch, nullptr);
    EXPECT_EQ(quickLaunch->subWindow()->pos(), QPoint(487, 7)); // 7300, 100 twips
    EXPECT_TRUE(quickLaunch->isVisible());
    Screen* companies = Screens::instance().find(ScreenNames::dlgDataPath);
    ASSERT_NE(companies, nullptr);
    EXPECT_TRUE(companies->isVisible());
    EXPECT_EQ(window.clientArea()->activeSubWindow(), companies->subWindow());
}

TEST(MainWindowStartUp, MissingDefaultFileShowsOneErrorAndNoScreen) {
    FakeDialogs dialogs;
    TempProgramFolder folder(false);
    FakeScreenFactories factories(kAllScreens);
    mdiMain window;
    window.show();

    window.MDIForm_Load();

    ASSERT_EQ(dialogs.calls().size(), 1u) << dialogs.dump().join('\n').toStdString();
    const FakeDialogs::Call& shown = dialogs.calls().front();
    EXPECT_EQ(shown.icon, MsgIcon::Information);
    EXPECT_EQ(shown.buttons, MsgButtons::OK);
    EXPECT_EQ(shown.title, QStringLiteral("Quillmark"));
    EXPECT_TRUE(shown.text.endsWith(
        QStringLiteral("\r\n\r\nTo start with empty books, create them with:\r\n"
                       "newcompanyfile --default \"%1\"")
            .arg(DefaultDataFilePath())))
        << shown.text.toStdString();
    EXPECT_TRUE(DefaultDataFilePath().startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
    EXPECT_TRUE(factories.log.isEmpty());
    EXPECT_TRUE(Screens::instance().loadedNames().isEmpty());
    EXPECT_TRUE(openConnections().isEmpty());
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(QFileInfo::exists(folder.defaultDataFile())) << "start-up must not create it";
}

TEST_F(MainWindowTest, MenusOpenTheirScreenAt500By100AndOnlyOnce) {
    const std::pair<const char*, QString> cases[] = {
        {"mnuFileCompany", ScreenNames::dlgCompanyInfo},
        {"mnuFileCategories", ScreenNames::dlgCategories},
        {"mnuFileReports", ScreenNames::dlgReports},
        {"mnuHelpAbout", ScreenNames::dlgAbout},
    };
    startUp();
    for (const auto& [item, screenName] : cases) {
        SCOPED_TRACE(item);
        window.menuItem(QString::fromLatin1(item))->trigger();
        Screen* screen = Screens::instance().find(screenName);
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(screen->subWindow()->pos(), QPoint(33, 7));
        EXPECT_EQ(window.clientArea()->activeSubWindow(), screen->subWindow());
        screen->subWindow()->move(250, 300); // the next open moves it back
    }
    // Opening an open screen again moves it back without a second copy.
    window.menuItem(QStringLiteral("mnuFileCategories"))->trigger();
    Screen* categories = Screens::instance().find(ScreenNames::dlgCategories);
    EXPECT_EQ(categories->subWindow()->pos(), QPoint(33, 7));
    EXPECT_EQ(factories.log.filter(QStringLiteral("dlgCategories")),
              QStringList({"load dlgCategories"}));
    EXPECT_EQ(window.clientArea()->subWindowList().size(), 6); // with quick launch, companies
    EXPECT_TRUE(dialogs.calls().empty());
}

TEST_F(MainWindowTest, ShortcutsOpenScreensButCopyAndCutStayWithTheTextBox) {
    startUp();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* box = new QLineEdit(Screens::instance().find(ScreenNames::dlgDataPath));
    box->setText(QStringLiteral("/books/acme.dat"));
    box->selectAll();
    box->show();
    box->setFocus();

    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(Screens::instance().isLoaded(ScreenNames::dlgCompanyInfo));
    EXPECT_TRUE(dialogs.calls().empty()) << "Ctrl+X cut the text instead of asking to quit";
    EXPECT_EQ(box->text(), QString());

    QTest::keyClick(box, Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(Screens::instance().isLoaded(ScreenNames::dlgCategories));
}

TEST_F(MainWindowTest, QuitAnsweredNoFromCloseBoxOrExitMenuLeavesEverythingAsItWas) {
    startUp();
    openAllScreens();
    for (const bool viaExitMenu : {false, true}) {
        SCOPED_TRACE(viaExitMenu ? "exit menu" : "close box");
        dialogs.clear();
        dialogs.answerNo();
        if (viaExitMenu) {
            window.menuItem(QStringLiteral("mnuFileExit"))->trigger();
        } else {
            EXPECT_FALSE(window.close());
        }
        EXPECT_EQ(dialogs.dump(), QStringList{kQuitQuestion});
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(Screens::instance().loadedNames().size(), kAllScreens.size());
        EXPECT_TRUE(factories.log.isEmpty());
        EXPECT_EQ(openConnections(), kAllConnections);
        EXPECT_EQ(endCount, 0);
    }
}

TEST_F(MainWindowTest, CloseBoxAnsweredYesUnloadsInOrderAndClosesConnections) {
    startUp();
    openAllScreens();
    dialogs.answerYes();

    EXPECT_TRUE(window.close());

    EXPECT_EQ(dialogs.dump(), QStringList{kQuitQuestion});
    EXPECT_EQ(factories.log, QStringList({
                                 "unload dlgDataPath",
                                 "unload dlgCategories",
                                 "unload dlgIncome",
                                 "unload dlgExpense",
                                 "unload dlgReportsCriteria",
                                 "unload dlgReports",
                                 "unload dlgAbout",
                                 "unload dlgCompanyInfo",
                                 "unload dlgQuickLaunch",
                             }));
    EXPECT_TRUE(openConnections().isEmpty());
    EXPECT_TRUE(Screens::instance().loadedNames().isEmpty());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(endCount, 0);
}

TEST_F(MainWindowTest, ExitMenuAnsweredYesUnloadsOnlyLoadedScreensAndEndsWithoutAskingAgain) {
    startUp(); // quick launch and company screen only
    dialogs.answerYes();

    window.menuItem(QStringLiteral("mnuFileExit"))->trigger();

    EXPECT_EQ(endCount, 1);
    EXPECT_EQ(factories.log, QStringList({"unload dlgDataPath", "unload dlgQuickLaunch"}));
    EXPECT_TRUE(openConnections().isEmpty());
    // The window going away after the end asks nothing more.
    EXPECT_TRUE(window.close());
    EXPECT_EQ(dialogs.dump(), QStringList{kQuitQuestion});
}

TEST_F(MainWindowTest, ResizeSnapsBackToTheSmallestSize) {
    window.show();
    // The whole window, frame included, in whole pixels: 11190 x 8600 twips.
    auto outerSize = [this] { return window.frameGeometry().size(); };
    const struct {
        QSize requested; // outer size
        QSize expected;
    } cases[] = {
        {{300, 200}, {746, 573}},
        {{900, 200}, {900, 573}},
        {{500, 800}, {746, 800}},
        {{1000, 800}, {1000, 800}},
    };
    const QSize frameExtra = outerSize() - window.size();
    for (const auto& c : cases) {
        window.resize(c.requested - frameExtra);
        EXPECT_TRUE(QTest::qWaitFor([&] { return outerSize() == c.expected; }))
            << "asked " << c.requested.width() << "x" << c.requested.height() << ", got "
            << outerSize().width() << "x" << outerSize().height();
    }
    EXPECT_TRUE(dialogs.calls().empty());
}

TEST_F(MainWindowTest, MinimizedWindowIsNotResizedAndShowsNoMessage) {
    window.resize(300, 200);
    window.setWindowState(Qt::WindowMinimized);
    QResizeEvent resize(QSize(300, 200), QSize(746, 573));
    QApplication::sendEvent(&window, &resize);
    EXPECT_EQ(window.size(), QSize(300, 200));
    EXPECT_TRUE(dialogs.calls().empty());
}

} // namespace
} // namespace quillmark
