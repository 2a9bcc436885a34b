// The company data files screen: registering, opening and removing companies
// on a real default file and real company files.
#include "ShellScreensTestSupport.h"
#include "quillmark/data/Connection.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/DataGrid.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/XPButtonSite.h"
#include "quillmark/shell/dlgDataPath.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

using screenstest::clickButton;
using screenstest::clickRow;
using screenstest::lines;
using screenstest::openFile;
using screenstest::shownRows;
using screenstest::storedCompanies;

const QString kOpenDialog = QStringLiteral("open Data File|*.dat");
const QString kNameInput =
    QStringLiteral("input [Company File] Enter Company Name for the data file.");
const QString kInvalidPath =
    QStringLiteral("msgbox info ok [Quillmark] Please select a valid company file path.");
const QString kOpeningDefault =
    QStringLiteral("msgbox info ok [Quillmark] Opening default database...");
const QString kDeleteQuestion =
    QStringLiteral("msgbox question yesno [Quillmark] Do you wish to delete this company?");

class DataPathTest : public screenstest::DefaultBooksTest {
protected:
    DataPathTest() {
        useRealScreens({ScreenNames::dlgDataPath});
        screen = openScreen(ScreenNames::dlgDataPath);
        grid = screen->control<DataGrid>(QStringLiteral("gridDataPath"));
        txtFilePath = screen->control<QLineEdit>(QStringLiteral("txtFilePath"));
    }

    // A new, empty company file in a folder of the test's own.
    QString companyFile(const QString& fileName) {
        const QString path = files.filePath(fileName);
        DataFile::createCompanyFile(path, false);
        return path;
    }

    void browse(const QString& path, const QString& name) {
        dialogs.answerFile(path);
        dialogs.answerInput(name);
        clickButton(screen, QStringLiteral("cmdBrowse"));
    }

    void openCompany(const QString& path) {
        txtFilePath->setText(path);
        clickButton(screen, QStringLiteral("cmdSelect"));
    }

    bool screenOpen() const { return isLoaded(ScreenNames::dlgDataPath); }

    // "sys | reports | security": the files the three connections are open on.
    QString connections() const {
        deQuillmark& de = deQuillmark::instance();
        return openFile(de.connSys()) + QStringLiteral(" | ") + openFile(de.connReports()) +
               QStringLiteral(" | ") + openFile(de.connSecurity());
    }

    QString onDefault() const {
        const QString file = folder.defaultDataFile();
        return file + QStringLiteral(" | ") + file + QStringLiteral(" | ") + file;
    }

    QString onCompany(const QString& path) const {
        return path + QStringLiteral(" | ") + path + QStringLiteral(" | ") +
               folder.defaultDataFile();
    }

    QTemporaryDir files;
    Screen* screen = nullptr;
    DataGrid* grid = nullptr;
    QLineEdit* txtFilePath = nullptr;
};

TEST_F(DataPathTest, LoadsTheCompanyListAndShowsTheDefaultPath) {
    EXPECT_EQ(screen->Caption(), QStringLiteral("Select Company"));
    EXPECT_EQ(screen->control<QLabel>(QStringLiteral("Label1"))->text(),
              QStringLiteral("Double-click on the company to select its file path. Then click on "
                             "Open Company to open the data file."));
    EXPECT_EQ(screen->control<QLabel>(QStringLiteral("Label9"))->text(),
              QStringLiteral("Company File Path"));
    QStringList captions;
    for (const char* name : {"cmdSelect", "cmdBrowse", "cmdDelete"}) {
        captions << screen->control<XPButtonSite>(QString::fromLatin1(name))->Caption();
    }
    EXPECT_EQ(captions, QStringList({"Open Company", "Browse", "Delete"}));
    EXPECT_FALSE(screen->hasControl(QStringLiteral("cmdClose")));

    QStringList columns;
    for (int i = 0; i < grid->ColumnCount(); ++i) {
        columns << grid->Columns(i).Caption() + QLatin1Char('=') + grid->Columns(i).DataField();
    }
    EXPECT_EQ(columns, QStringList({"CompanyID=CompanyID", "Company=CompanyName",
                                    "File Path=CompanyFilePath"}));
    EXPECT_EQ(shownRows(grid), QStringList({"1|My Company|Default Path"}));
    EXPECT_EQ(txtFilePath->text(), QStringLiteral("Default Path"));
    EXPECT_TRUE(dialogs.calls().empty()) << lines(dialogs.dump());
}

TEST_F(DataPathTest, BrowseRegistersTheChosenFileUnderTheGivenName) {
    struct Case {
        const char* fileName;
        QString answer; // an empty answer is a cancelled input box
        QString storedName;
    };
    const Case cases[] = {
        {"shop.dat", QStringLiteral("Corner Shop"), QStringLiteral("Corner Shop")},
        {"blank.dat", QStringLiteral("   "), QStringLiteral("New Company")},
        {"cancel.dat", QString(), QStringLiteral("New Company")},
        {"O'Brien's; 2024.dat", QStringLiteral("Bob's 'Books'"), QStringLiteral("Bob's 'Books'")},
        {"padded.dat", QStringLiteral("  Padded  "), QStringLiteral("  Padded  ")},
    };
    QStringList expected = {QStringLiteral("1|My Company|Default Path")};
    int id = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileName);
        dialogs.clear();
        const QString path = companyFile(QString::fromUtf8(c.fileName));

        browse(path, c.answer);

        EXPECT_EQ(dialogs.dump(), QStringList({kOpenDialog, kNameInput}));
        expected << QStringLiteral("%1|%2|%3").arg(++id).arg(c.storedName, path);
        EXPECT_EQ(storedCompanies(), expected);
        EXPECT_EQ(shownRows(grid), expected) << "the grid shows the new row";
        EXPECT_EQ(txtFilePath->text(), path) << "Open Company opens the new company next";
    }
}

TEST_F(DataPathTest, BrowseWithoutAFileRegistersNothing) {
    const QString shop = companyFile(QStringLiteral("shop.dat"));
    browse(shop, QStringLiteral("Shop"));
    const QStringList before = storedCompanies();
    // Cancelled with nothing chosen, then cancelled after a file was chosen:
    // neither registers anything.
    for (int attempt = 0; attempt < 2; ++attempt) {
        SCOPED_TRACE(attempt);
        dialogs.clear();
        dialogs.answerFile(QString());

        clickButton(screen, QStringLiteral("cmdBrowse"));

        EXPECT_EQ(
            dialogs.dump(),
            QStringList({kOpenDialog, QStringLiteral("msgbox none ok [Quillmark] No Company file "
                                                     "selected.")}));
        EXPECT_EQ(storedCompanies(), before);
        EXPECT_TRUE(screenOpen());
    }
}

TEST_F(DataPathTest, OpenCompanyPointsTheBooksAtTheRegisteredFile) {
    const QString shop = companyFile(QStringLiteral("shop.dat"));
    browse(shop, QStringLiteral("Shop"));
    dialogs.clear();

    clickButton(screen, QStringLiteral("cmdSelect"));

    EXPECT_TRUE(dialogs.calls().empty()) << lines(dialogs.dump());
    EXPECT_EQ(connections(), onCompany(shop));
    EXPECT_FALSE(screenOpen());
}

TEST_F(DataPathTest, DefaultPathMarkerOpensTheDefaultBooks) {
    OpenDataConnections(companyFile(QStringLiteral("other.dat")));
    clickRow(grid, 0);
    ASSERT_EQ(txtFilePath->text(), QStringLiteral("Default Path"));

    clickButton(screen, QStringLiteral("cmdSelect"));

    EXPECT_TRUE(dialogs.calls().empty()) << lines(dialogs.dump());
    EXPECT_EQ(connections(), onDefault());
    EXPECT_FALSE(screenOpen());
}

TEST_F(DataPathTest, PathCheckRefusesAnythingButADotDatEnding) {
    const QString refused[] = {QString(),
                               QStringLiteral("   "),
                               companyFile(QStringLiteral("CAPS.DAT")),
                               companyFile(QStringLiteral("mixed.Dat")),
                               files.filePath(QStringLiteral("books")),
                               QStringLiteral("default path"),
                               QStringLiteral("Default Path ")};
    for (const QString& path : refused) {
        SCOPED_TRACE(path.toStdString());
        dialogs.clear();

        openCompany(path);

        EXPECT_EQ(dialogs.dump(), QStringList({kInvalidPath}));
        EXPECT_EQ(connections(), onDefault());
        EXPECT_TRUE(screenOpen());
        EXPECT_EQ(txtFilePath->text(), path);
    }
}

TEST_F(DataPathTest, BlanksAfterTheExtensionPassTheCheckAndThePathIsUsedAsTyped) {
    // The file's name really ends in two blanks: opening it proves that the
    // text was passed on unchanged.
    const QString padded = companyFile(QStringLiteral("padded.dat  "));

    openCompany(padded);

    EXPECT_TRUE(dialogs.calls().empty()) << lines(dialogs.dump());
    EXPECT_EQ(connections(), onCompany(padded));
    EXPECT_FALSE(screenOpen());
}

TEST_F(DataPathTest, ACompanyFileThatFailsToOpenFallsBackToTheDefaultBooks) {
    QFile junk(files.filePath(QStringLiteral("junk.dat")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is not a data file, just some text long enough to be read");
    junk.close();
    const QString failing[] = {files.filePath(QStringLiteral("missing.dat")), junk.fileName()};
    for (const QString& path : failing) {
        SCOPED_TRACE(path.toStdString());
        dialogs.clear();
        Screens::instance().OpenScreen(ScreenNames::dlgDataPath);
        screen = Screens::instance().find(ScreenNames::dlgDataPath);
        txtFilePath = screen->control<QLineEdit>(QStringLiteral("txtFilePath"));

        openCompany(path);

        ASSERT_EQ(dialogs.calls().size(), 2u) << lines(dialogs.dump());
        const FakeDialogs::Call& error = dialogs.calls()[0];
        EXPECT_EQ(error.icon, MsgIcon::Information);
        EXPECT_EQ(error.buttons, MsgButtons::OK);
        EXPECT_EQ(error.title, QStringLiteral("Quillmark"));
        EXPECT_TRUE(error.text.contains(path)) << error.text.toStdString();
        EXPECT_EQ(dialogs.dump()[1], kOpeningDefault);
        EXPECT_EQ(connections(), onDefault());
        EXPECT_FALSE(screenOpen());
        EXPECT_FALSE(QFile::exists(files.filePath(QStringLiteral("missing.dat"))));
    }
}

TEST_F(DataPathTest, WhenTheDefaultBooksFailTooTheScreenStaysForAnotherChoice) {
    const QString shop = companyFile(QStringLiteral("shop.dat"));
    ASSERT_TRUE(QFile::rename(folder.defaultDataFile(), folder.path() + "/moved.dat"));

    openCompany(files.filePath(QStringLiteral("missing.dat")));

    const QStringList shown = dialogs.dump();
    ASSERT_EQ(shown.size(), 3) << lines(shown);
    EXPECT_EQ(shown[1], kOpeningDefault);
    EXPECT_TRUE(dialogs.calls()[2].text.contains(folder.defaultDataFile()));
    EXPECT_EQ(dialogs.calls()[2].icon, MsgIcon::Information);
    EXPECT_TRUE(screenOpen()) << "no books are open: the user must be able to pick another";

    dialogs.clear();
    openCompany(shop);
    EXPECT_TRUE(dialogs.calls().empty()) << lines(dialogs.dump());
    EXPECT_EQ(connections(), shop + " | " + shop + " | " + folder.defaultDataFile());
    EXPECT_FALSE(screenOpen());
}

TEST_F(DataPathTest, ClickingARowPutsItsPathInTheBox) {
    const QString shop = companyFile(QStringLiteral("shop.dat"));
    const QString farm = companyFile(QStringLiteral("farm.dat"));
    browse(shop, QStringLiteral("Shop"));
    browse(farm, QStringLiteral("Farm"));
    const QString expected[] = {QStringLiteral("Default Path"), shop, farm};
    for (int row : {1, 0, 2}) {
        clickRow(grid, row);
        EXPECT_EQ(txtFilePath->text(), expected[row]) << row;
    }
}

TEST_F(DataPathTest, DeleteRefusesTheDefaultCompany) {
    const QString onlyDefault =
        QStringLiteral("msgbox exclamation ok [Quillmark] No user defined companies to delete.");
    const QString defaultSelected =
        QStringLiteral("msgbox exclamation ok [Quillmark] Default Company cannot be deleted.");

    clickButton(screen, QStringLiteral("cmdDelete"));
    EXPECT_EQ(dialogs.dump(), QStringList({onlyDefault}));

    browse(companyFile(QStringLiteral("shop.dat")), QStringLiteral("Shop"));
    dialogs.clear();
    clickRow(grid, 0);
    clickButton(screen, QStringLiteral("cmdDelete"));
    EXPECT_EQ(dialogs.dump(), QStringList({defaultSelected}));
    EXPECT_EQ(storedCompanies().size(), 2);
}

TEST_F(DataPathTest, DeleteAsksAndRemovesOnlyTheListEntry) {
    const QString shop = companyFile(QStringLiteral("shop.dat"));
    const QString farm = companyFile(QStringLiteral("farm.dat"));
    browse(shop, QStringLiteral("Shop"));
    browse(farm, QStringLiteral("Farm"));
    const QStringList all = storedCompanies();

    // No keeps everything.
    dialogs.clear();
    clickRow(grid, 1);
    dialogs.answerNo();
    clickButton(screen, QStringLiteral("cmdDelete"));
    EXPECT_EQ(dialogs.dump(), QStringList({kDeleteQuestion}));
    EXPECT_EQ(storedCompanies(), all);

    // Yes removes the selected row only, and the grid follows.
    dialogs.clear();
    clickRow(grid, 1);
    dialogs.answerYes();
    clickButton(screen, QStringLiteral("cmdDelete"));
    EXPECT_EQ(
        dialogs.dump(),
        QStringList({kDeleteQuestion,
                     QStringLiteral("msgbox info ok [Quillmark] Company deleted successfully.")}));
    const QStringList left = {all[0], all[2]};
    EXPECT_EQ(storedCompanies(), left);
    EXPECT_EQ(shownRows(grid), left);
    EXPECT_TRUE(QFile::exists(shop)) << "the data file itself stays";
    EXPECT_EQ(txtFilePath->text(), shop) << "a delete leaves the path box as the click left it";
}

TEST_F(DataPathTest, DeletingARowThatIsAlreadyGoneAsksNothing) {
    browse(companyFile(QStringLiteral("shop.dat")), QStringLiteral("Shop"));
    browse(companyFile(QStringLiteral("farm.dat")), QStringLiteral("Farm"));
    clickRow(grid, 1);
    // Another copy of the program removes the row behind the grid.
    long removed = 0;
    deQuillmark::instance().connSecurity().Execute(
        QStringLiteral("DELETE * FROM COMPANYFILEPATH WHERE COMPANYID=2"), &removed);
    ASSERT_EQ(removed, 1);
    const QStringList left = storedCompanies();
    dialogs.clear();

    clickButton(screen, QStringLiteral("cmdDelete"));

    ASSERT_EQ(dialogs.calls().size(), 1u) << lines(dialogs.dump());
    EXPECT_EQ(dialogs.calls()[0].icon, MsgIcon::Information);
    EXPECT_TRUE(dialogs.calls()[0].text.contains(QStringLiteral("current record")));
    EXPECT_EQ(storedCompanies(), left);
}

} // namespace
} // namespace quillmark
