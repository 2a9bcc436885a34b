// The company data files screen on a real default file and real company files.
#include "ShellTestSupport.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/DataGrid.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/dlgDataPath.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

using test::clickButton;
using test::clickRow;
using test::lines;
using test::storedCompanies;

// The file dialog opens in the user's data folder.
QString openDialog() {
    return QStringLiteral("open Data File|*.dat {%1}").arg(UserDataFolder());
}
const QString kNameInput =
    QStringLiteral("input [Company File] Enter Company Name for the data file.");
const QString kOpeningDefault =
    QStringLiteral("msgbox info ok [Quillmark] Opening default database...");
const QString kDeleteQuestion =
    QStringLiteral("msgbox question yesno [Quillmark] Do you wish to delete this company?");

class DataPathTest : public test::DefaultBooksTest {
protected:
    DataPathTest() { open(); }

    void open() {
        screen = Screens::instance().OpenScreen(ScreenNames::dlgDataPath);
        grid = screen->control<DataGrid>(QStringLiteral("gridDataPath"));
        txtFilePath = screen->control<QLineEdit>(QStringLiteral("txtFilePath"));
    }

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

    // The grid's rows as "id|name|path".
    QStringList gridRows() const {
        QStringList rows;
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < 3; ++column) {
                cells << grid->model()->index(row, column).data().toString();
            }
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }

    QTemporaryDir files;
    Screen* screen = nullptr;
    DataGrid* grid = nullptr;
    QLineEdit* txtFilePath = nullptr;
};

TEST_F(DataPathTest, BrowseRegistersTheChosenFileUnderTheGivenName) {
    EXPECT_EQ(gridRows(), QStringList({"1|My Company|Default Path"}));
    EXPECT_EQ(txtFilePath->text(), QStringLiteral("Default Path"));
    const struct {
        const char* fileName;
        QString answer; // empty: the input box was cancelled
        QString storedName;
    } cases[] = {
        {"shop.dat", QStringLiteral("Corner Shop"), QStringLiteral("Corner Shop")},
        {"blank.dat", QStringLiteral("   "), QStringLiteral("New Company")},
        {"cancel.dat", QString(), QStringLiteral("New Company")},
        {"O'Brien's; 2024.dat", QStringLiteral("Bob's 'Books'"), QStringLiteral("Bob's 'Books'")},
    };
    QStringList expected = storedCompanies();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fileName);
        dialogs.clear();
        const QString path = companyFile(QString::fromUtf8(c.fileName));

        browse(path, c.answer);

        EXPECT_EQ(dialogs.dump(), QStringList({openDialog(), kNameInput}));
        expected << QStringLiteral("%1|%2|%3").arg(expected.size() + 1).arg(c.storedName, path);
        EXPECT_EQ(storedCompanies(), expected);
        EXPECT_EQ(gridRows(), expected);
        EXPECT_EQ(txtFilePath->text(), path);
    }
}

TEST_F(DataPathTest, BrowseWithoutAFileRegistersNothing) {
    browse(companyFile(QStringLiteral("shop.dat")), QStringLiteral("Shop"));
    const QStringList before = storedCompanies();
    // Nothing chosen yet, then a file chosen before: a cancel registers nothing.
    for (int attempt = 0; attempt < 2; ++attempt) {
        dialogs.clear();
        dialogs.answerFile(QString());
        clickButton(screen, QStringLiteral("cmdBrowse"));
        EXPECT_EQ(
            dialogs.dump(),
            QStringList({openDialog(), "msgbox none ok [Quillmark] No Company file selected."}));
        EXPECT_EQ(storedCompanies(), before);
    }
}

TEST_F(DataPathTest, OpenCompanyChecksThePathAndRepointsTheBooks) {
    const QString file = folder.defaultDataFile();
    const QString onDefault = file + " | " + file + " | " + file;
    const QString shop = companyFile(QStringLiteral("shop.dat"));
    // Its name really ends in blanks: opening it shows the text went on unchanged.
    const QString padded = companyFile(QStringLiteral("padded.dat  "));
    const QString refused = "msgbox info ok [Quillmark] Please select a valid company file path.";
    const struct {
        QString text;
        QString connections; // empty: refused, the screen stays
    } cases[] = {
        {shop, onCompany(shop)},
        {QStringLiteral("Default Path"), onDefault},
        {padded, onCompany(padded)},
        {companyFile(QStringLiteral("CAPS.DAT")), QString()},
        {QString(), QString()},
        {QStringLiteral("   "), QString()},
        {files.filePath(QStringLiteral("books")), QString()},
        {QStringLiteral("Default Path "), QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        dialogs.clear();
        OpenDataConnections(file);
        if (!isLoaded(ScreenNames::dlgDataPath)) {
            open();
        }

        openCompany(c.text);

        const bool accepted = !c.connections.isEmpty();
        EXPECT_EQ(dialogs.dump(), accepted ? QStringList() : QStringList({refused}));
        EXPECT_EQ(connections(), accepted ? c.connections : onDefault);
        EXPECT_EQ(isLoaded(ScreenNames::dlgDataPath), !accepted);
    }
}

TEST_F(DataPathTest, ACompanyFileThatFailsToOpenFallsBackToTheDefaultBooks) {
    QFile junk(files.filePath(QStringLiteral("junk.dat")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a data file, only some text long enough to be read as one");
    junk.close();
    const QString file = folder.defaultDataFile();
    for (const QString& path : {files.filePath(QStringLiteral("missing.dat")), junk.fileName()}) {
        SCOPED_TRACE(path.toStdString());
        dialogs.clear();
        open();

        openCompany(path);

        const QStringList shown = dialogs.dump();
        ASSERT_EQ(shown.size(), 2) << lines(shown);
        EXPECT_TRUE(shown[0].startsWith("msgbox info ok [Quillmark] ")) << lines(shown);
        EXPECT_TRUE(shown[0].contains(path));
        EXPECT_EQ(shown[1], kOpeningDefault);
        EXPECT_EQ(connections(), file + " | " + file + " | " + file);
        EXPECT_FALSE(isLoaded(ScreenNames::dlgDataPath));
    }
}

TEST_F(DataPathTest, WhenTheDefaultBooksFailTooTheScreenStaysForAnotherChoice) {
    const QString shop = companyFile(QStringLiteral("shop.dat"));
    ASSERT_TRUE(QFile::rename(folder.defaultDataFile(), folder.path() + "/moved.dat"));

    openCompany(files.filePath(QStringLiteral("missing.dat")));

    const QStringList shown = dialogs.dump();
    ASSERT_EQ(shown.size(), 3) << lines(shown);
    EXPECT_EQ(shown[1], kOpeningDefault);
    EXPECT_TRUE(shown[2].contains(DefaultDataFilePath()));
    EXPECT_TRUE(isLoaded(ScreenNames::dlgDataPath));
    dialogs.clear();
    openCompany(shop);
    EXPECT_TRUE(dialogs.calls().empty()) << lines(dialogs.dump());
    EXPECT_EQ(connections(), onCompany(shop));
}

TEST_F(DataPathTest, DeleteKeepsTheDefaultCompanyAndRemovesOnlyTheListEntry) {
    clickButton(screen, QStringLiteral("cmdDelete"));
    EXPECT_EQ(dialogs.dump(), QStringList({"msgbox exclamation ok [Quillmark] No user defined "
                                           "companies to delete."}));
    const QString shop = companyFile(QStringLiteral("shop.dat"));
    browse(shop, QStringLiteral("Shop"));
    browse(companyFile(QStringLiteral("farm.dat")), QStringLiteral("Farm"));
    const QStringList all = storedCompanies();

    dialogs.clear();
    clickRow(grid, 0);
    clickButton(screen, QStringLiteral("cmdDelete"));
    EXPECT_EQ(dialogs.dump(), QStringList({"msgbox exclamation ok [Quillmark] Default Company "
                                           "cannot be deleted."}));

    dialogs.clear();
    clickRow(grid, 1);
    EXPECT_EQ(txtFilePath->text(), shop);
    dialogs.answerNo();
    clickButton(screen, QStringLiteral("cmdDelete"));
    EXPECT_EQ(dialogs.dump(), QStringList({kDeleteQuestion}));
    EXPECT_EQ(storedCompanies(), all);

    dialogs.clear();
    dialogs.answerYes();
    clickButton(screen, QStringLiteral("cmdDelete"));
    EXPECT_EQ(
        dialogs.dump(),
        QStringList({kDeleteQuestion, "msgbox info ok [Quillmark] Company deleted successfully."}));
    EXPECT_EQ(storedCompanies(), QStringList({all[0], all[2]}));
    EXPECT_EQ(gridRows(), storedCompanies());
    EXPECT_TRUE(QFile::exists(shop));
    EXPECT_EQ(txtFilePath->text(), shop) << "a delete leaves the path box alone";
}

} // namespace
} // namespace quillmark
