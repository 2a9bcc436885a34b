// The company data files screen on real default books and company files.
#include "quillmark/shell/dlgDataPath.h"
#include "ShellTestSupport.h"
#include "quillmark/data/Connection.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QFile>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace quillmark::test {
namespace {

const QString kNameInput =
    QStringLiteral("input [Company File] Enter Company Name for the data file.");
const QString kOpeningDefault =
    QStringLiteral("msgbox info ok [Quillmark] Opening default database...");
const QString kDeleteQuestion =
    QStringLiteral("msgbox question yesno [Quillmark] Do you wish to delete this company?");

class dlgDataPathTest : public BooksTest {
protected:
    dlgDataPathTest() { open(); }

    void open() {
        screen = openScreen(ScreenNames::dlgDataPath);
        grid = screen->control<DataGrid>(QStringLiteral("gridDataPath"));
        txtFilePath = screen->control<QLineEdit>(QStringLiteral("txtFilePath"));
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
    // The company list as stored, by key: "id|name|path" (connSys is on the
    // default books here, which hold the list).
    QStringList stored() const {
        return query("SELECT CompanyID, CompanyName, CompanyFilePath FROM CompanyFilePath "
                     "ORDER BY CompanyID");
    }

    Screen* screen = nullptr;
    DataGrid* grid = nullptr;
    QLineEdit* txtFilePath = nullptr;
};

TEST_F(dlgDataPathTest, BrowseRegistersTheChosenFileUnderTheGivenNameDeleteOnlyItsListEntry) {
    EXPECT_EQ(shownRows(grid), QStringList({"1|My Company|Default Path"}));
    EXPECT_EQ(txtFilePath->text(), QStringLiteral("Default Path"));
    clickButton(screen, QStringLiteral("cmdDelete"));
    EXPECT_EQ(messages(), "msgbox exclamation ok [Quillmark] No user defined companies to delete.");
    const struct {
        const char* fileName;
        QString answer; // empty: the input box was cancelled
        QString storedName;
    } cases[] = {
        {"shop.dat", "Corner Shop", "Corner Shop"},
        {"blank.dat", "   ", "New Company"},
        {"cancel.dat", {}, "New Company"},
        {"O'Brien's; 2024.dat", "Bob's 'Books'", "Bob's 'Books'"},
    };
    QStringList expected = stored();
    // The file dialog opens in the user's data folder.
    const QString fileDialog = QStringLiteral("open Data File|*.dat {%1}").arg(UserDataFolder());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fileName);
        dialogs.clear();
        const QString path = companyFile(QString::fromUtf8(c.fileName));
        browse(path, c.answer);
        EXPECT_EQ(dialogs.dump(), QStringList({fileDialog, kNameInput}));
        expected << QStringLiteral("%1|%2|%3").arg(expected.size() + 1).arg(c.storedName, path);
        EXPECT_EQ(stored(), expected);
        EXPECT_EQ(shownRows(grid), expected);
        EXPECT_EQ(currentRowShown(grid), expected.last()) << "the list stands on the new file";
        EXPECT_EQ(txtFilePath->text(), path);
    }

    // Cancelling the file dialog, also after a file was chosen, registers nothing.
    dialogs.clear();
    dialogs.answerFile(QString());
    clickButton(screen, QStringLiteral("cmdBrowse"));
    EXPECT_EQ(dialogs.dump(), QStringList({fileDialog, "msgbox none ok [Quillmark] No Company "
                                                       "file selected."}));
    EXPECT_EQ(stored(), expected);

    // Delete keeps the default company and its file, and leaves the path box alone.
    dialogs.clear();
    clickRow(grid, 0);
    clickButton(screen, QStringLiteral("cmdDelete"));
    clickRow(grid, 1);
    const QString shop = txtFilePath->text();
    EXPECT_EQ(shop, expected[1].section('|', 2));
    dialogs.answerNo();
    clickButton(screen, QStringLiteral("cmdDelete"));
    EXPECT_EQ(stored(), expected);
    dialogs.answerYes();
    clickButton(screen, QStringLiteral("cmdDelete"));
    EXPECT_EQ(dialogs.dump(),
              QStringList({"msgbox exclamation ok [Quillmark] Default Company cannot be deleted.",
                           kDeleteQuestion, kDeleteQuestion,
                           "msgbox info ok [Quillmark] Company deleted successfully."}));
    expected.removeAt(1);
    EXPECT_EQ(stored(), expected);
    EXPECT_EQ(shownRows(grid), expected);
    EXPECT_TRUE(QFile::exists(shop));
    EXPECT_EQ(txtFilePath->text(), shop);
}

TEST_F(dlgDataPathTest, OpenCompanyChecksThePathRepointsTheBooksAndFallsBackToTheDefaultOnes) {
    const QString onDefault = onCompany(defaultBooks());
    // Blanks and a semicolon go into the connection string as they are.
    const QString shop = companyFile(QStringLiteral("My Books; 2024.dat"));
    // Its name really ends in blanks: opening it shows the text went on unchanged.
    const QString padded = companyFile(QStringLiteral("padded.dat  "));
    const QString refused = "msgbox info ok [Quillmark] Please select a valid company file path.";
    const struct {
        QString text;
        QString connections; // empty: refused, the screen stays
    } cases[] = {
        {shop, onCompany(shop)},
        {"Default Path", onDefault},
        {padded, onCompany(padded)},
        {companyFile(QStringLiteral("CAPS.DAT")), {}},
        {{}, {}},
        {"   ", {}},
        {"Default Path ", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        dialogs.clear();
        OpenDataConnections(defaultBooks());
        if (!isOpen(ScreenNames::dlgDataPath)) {
            open();
        }
        openCompany(c.text);
        const bool accepted = !c.connections.isEmpty();
        EXPECT_EQ(dialogs.dump(), accepted ? QStringList() : QStringList({refused}));
        EXPECT_EQ(connections(), accepted ? c.connections : onDefault);
        EXPECT_EQ(isOpen(ScreenNames::dlgDataPath), !accepted);
    }

    // A company file that fails to open falls back to the default books.
    const QString junk = UserDataFolder() + QStringLiteral("/junk.dat");
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a data file, only some text long enough to be read as one");
    file.close();
    for (const QString& path : {UserDataFolder() + QStringLiteral("/missing.dat"), junk}) {
        SCOPED_TRACE(path.toStdString());
        dialogs.clear();
        open();
        openCompany(path);
        const QStringList shown = dialogs.dump();
        ASSERT_EQ(shown.size(), 2) << messages();
        EXPECT_TRUE(shown[0].startsWith("msgbox info ok [Quillmark] ")) << messages();
        EXPECT_TRUE(shown[0].contains(path));
        EXPECT_EQ(shown[1], kOpeningDefault);
        EXPECT_EQ(connections(), onCompany(defaultBooks()));
        EXPECT_FALSE(isOpen(ScreenNames::dlgDataPath));
    }

    // When the default books fail too, the screen stays for another choice.
    dialogs.clear();
    open();
    ASSERT_TRUE(QFile::rename(defaultBooks(), UserDataFolder() + QStringLiteral("/moved.dat")));
    openCompany(UserDataFolder() + QStringLiteral("/missing.dat"));
    ASSERT_EQ(dialogs.dump().size(), 3) << messages();
    EXPECT_EQ(dialogs.dump()[1], kOpeningDefault);
    EXPECT_TRUE(dialogs.dump()[2].contains(defaultBooks()));
    EXPECT_TRUE(isOpen(ScreenNames::dlgDataPath));
}

} // namespace
} // namespace quillmark::test
