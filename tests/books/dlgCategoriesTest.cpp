// The category management screen, driven through its controls on books of
// its own.
#include "quillmark/books/dlgCategories.h"
#include "BooksTestSupport.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/deQuillmark.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

namespace quillmark::test {
namespace {

const std::string kSaved = "msgbox info ok [Quillmark] Category saved successfully.";
const std::string kDeleteQuestion =
    "msgbox question yesno [Quillmark] Do you wish to delete this unused category?";

class dlgCategoriesTest : public BooksTest {
protected:
    dlgCategoriesTest() {
        addCategory(7, "Fees", "INC");
        addCategory(300, "Postage", "EXP");
        open();
        before = stored();
    }
    void open() {
        screen = openScreen(QStringLiteral("dlgCategories"));
        grid = screen->control<DataGrid>(QStringLiteral("gridCat"));
        txtCode = screen->control<QLineEdit>(QStringLiteral("txtCode"));
        cboCatType = screen->control<QComboBox>(QStringLiteral("cboCatType"));
        txtDesc = screen->control<QLineEdit>(QStringLiteral("txtDesc"));
    }

    QStringList stored() const {
        return query("SELECT CatCode, CatName, CatType, Fixed FROM Categories ORDER BY CatCode");
    }
    std::string storedCode(int code) const {
        return lines(stored().filter(QRegularExpression(QStringLiteral("^%1\\|").arg(code))));
    }
    QString mode() const { return modeButtons(screen); }
    std::string entry() const {
        return (txtCode->text() + '|' + cboCatType->currentText() + '|' + txtDesc->text())
            .toStdString();
    }
    void click(const char* button) { clickButton(screen, QString::fromLatin1(button)); }
    // The row showing that code, or -1; the pattern must match a whole row.
    int rowOf(int code) const {
        const QRegularExpression row(QStringLiteral("\\w+\\|%1\\|.*").arg(code));
        return static_cast<int>(shownRows(grid).indexOf(row));
    }
    void editCode(int code) {
        clickRow(grid, rowOf(code));
        click("cmdEdit");
        ASSERT_EQ(mode(), kEditing) << code;
    }
    void typeEntry(const QString& code, const QString& name) {
        txtCode->clear();
        QTest::keyClicks(txtCode, code);
        txtDesc->clear();
        QTest::keyClicks(txtDesc, name);
    }
    // The way a user can set the type: through the list.
    void pickIncome() { QTest::keyClick(cboCatType, Qt::Key_Down); }

    Screen* screen = nullptr;
    DataGrid* grid = nullptr;
    QLineEdit* txtCode = nullptr;
    QComboBox* cboCatType = nullptr;
    QLineEdit* txtDesc = nullptr;
    QStringList before;
};

TEST_F(dlgCategoriesTest, ANewOrEditedCategoryIsStoredAndBecomesTheCurrentRowAsDoubleClickEdits) {
    EXPECT_EQ(mode(), kBrowsing);
    EXPECT_EQ(lines(shownRows(grid).mid(0, 2)), "Income|7|Fees|No\nIncome|100|Sales|Yes");
    click("cmdNew");
    EXPECT_EQ(entry(), "|EXPENSE|");
    typeEntry(QStringLiteral("042"), QStringLiteral("Consulting"));
    pickIncome();
    click("cmdSave");
    EXPECT_EQ(storedCode(42), "42|Consulting|INC|0");
    EXPECT_EQ(mode(), kBrowsing);
    EXPECT_EQ(entry(), "042|INCOME|Consulting");
    EXPECT_EQ(currentRowShown(grid), "Income|42|Consulting|No");

    editCode(300);
    EXPECT_EQ(entry(), "300|EXPENSE|Postage");
    EXPECT_EQ(QApplication::focusWidget(), txtCode);
    clickHeader(grid, 3); // sorting meanwhile moves rows about
    typeEntry(QStringLiteral("5"), QStringLiteral("Postage & \"Stamps\""));
    pickIncome();
    click("cmdSave");
    EXPECT_EQ(storedCode(5), "5|Postage & \"Stamps\"|INC|0");
    EXPECT_EQ(storedCode(300), "");
    EXPECT_EQ(currentRowShown(grid), "Income|5|Postage & \"Stamps\"|No");

    editCode(5); // keeping its own code
    typeEntry(QStringLiteral("5"), QStringLiteral("Parcels"));
    click("cmdSave");
    EXPECT_EQ(messages(), kSaved + "\n" + kSaved + "\n" + kSaved);
    EXPECT_EQ(storedCode(5), "5|Parcels|INC|0");
    EXPECT_EQ(stored().size(), before.size() + 1);

    // A double-click edits while browsing and is refused while editing.
    dialogs.clear();
    doubleClickRow(grid, rowOf(5));
    EXPECT_EQ(entry(), "5|INCOME|Parcels");
    typeEntry(QStringLiteral("6"), QStringLiteral("Half typed"));
    doubleClickRow(grid, rowOf(7));
    EXPECT_EQ(messages(), "msgbox info ok [Quillmark] Please Save or Cancel the current edited "
                          "record \r\nbefore trying to edit the selected record.");
    EXPECT_EQ(entry(), "6|INCOME|Half typed");
    EXPECT_EQ(mode(), kEditing);
}

TEST_F(dlgCategoriesTest, SaveChecksInOrderWithTheirMessageAndFocusAndWritesNothing) {
    const char* const notNumeric = "Please enter a numeric category code.";
    const char* const taken =
        "The Category Code already exists. Please type in an unused Category Code.";
    const struct {
        bool isNew;
        const char* code;
        bool blankType;
        const char* name;
        const char* message;
        const char* focus;
    } cases[] = {
        {true, "abc", true, "", notNumeric, "txtCode"},
        {true, "7.5", false, "Name", notNumeric, "txtCode"},
        {true, "12", true, "", "Please select a category type.", "cboCatType"},
        {true, " 12 ", false, "   ", "Please enter a category name.", "txtDesc"},
        {true, "7", false, "Other", taken, "txtCode"},
        {false, "7", false, "Postage", taken, "txtCode"},
    };
    for (const auto& c : cases) {
        dialogs.clear();
        click("cmdCancel");
        if (c.isNew) {
            click("cmdNew");
        } else {
            editCode(300);
        }
        typeEntry(QString::fromLatin1(c.code), QString::fromLatin1(c.name));
        if (c.blankType) {
            cboCatType->setCurrentIndex(-1); // as before any New or Edit
        }
        click("cmdSave");
        EXPECT_EQ(messages(), std::string("msgbox info ok [Quillmark] ") + c.message) << c.code;
        QWidget* focus = screen->controlWidget(QString::fromLatin1(c.focus));
        EXPECT_TRUE(focus == QApplication::focusWidget() ||
                    focus->isAncestorOf(QApplication::focusWidget()))
            << c.code;
        EXPECT_EQ(mode(), kEditing) << c.code;
    }
    EXPECT_EQ(stored(), before);
}

TEST_F(dlgCategoriesTest, DeleteDropsANewEntryRefusesAFixedCategoryAsksForOthersAndReportsUse) {
    editCode(300); // leaves its key behind; that category must stay
    click("cmdCancel");
    click("cmdNew");
    typeEntry(QStringLiteral("77"), QStringLiteral("Unsaved"));
    click("cmdDelete");
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(mode(), kBrowsing);
    EXPECT_EQ(entry(), "|EXPENSE|");

    editCode(100);
    click("cmdDelete"); // an unscripted question would fail the test
    EXPECT_EQ(messages(), "msgbox info ok [Quillmark] Fixed Categories cannot be deleted.");
    click("cmdCancel");

    dialogs.clear();
    editCode(300);
    dialogs.answerNo();
    click("cmdDelete");
    EXPECT_EQ(mode(), kEditing);
    dialogs.answerYes();
    click("cmdDelete");
    EXPECT_EQ(messages(), kDeleteQuestion + "\n" + kDeleteQuestion +
                              "\nmsgbox info ok [Quillmark] Category deleted successfully.");
    EXPECT_EQ(storedCode(300), "");
    EXPECT_EQ(rowOf(300), -1);
    EXPECT_EQ(mode(), kBrowsing);
    EXPECT_EQ(entry(), "300|EXPENSE|Postage");

    execute("INSERT INTO Transactions (CategoryID, CatType, TDate, Description, Credit) SELECT "
            "CategoryID, 'INC', #3/5/2024#, 'Advice', 250 FROM Categories WHERE CatCode = 7");
    dialogs.clear();
    editCode(7);
    dialogs.answerYes();
    click("cmdDelete");
    ASSERT_EQ(dialogs.dump().size(), 2) << messages();
    EXPECT_TRUE(dialogs.dump()[1].startsWith("msgbox info ok [Quillmark] ")) << messages();
    EXPECT_EQ(storedCode(7), "7|Fees|INC|0");
    EXPECT_EQ(mode(), kEditing);
}

TEST_F(dlgCategoriesTest, SavingACategoryDeletedMeanwhileTellsTheUser) {
    editCode(300);
    execute(QStringLiteral("DELETE FROM Categories WHERE CatCode = 300"));
    typeEntry(QStringLiteral("301"), QStringLiteral("Postage"));
    click("cmdSave");
    EXPECT_EQ(messages(), "msgbox info ok [Quillmark] This category no longer exists; it may "
                          "have been deleted in the meantime. Your changes were not saved.");
    EXPECT_EQ(storedCode(301), "");
    EXPECT_EQ(mode(), kBrowsing);
    EXPECT_EQ(rowOf(300), -1);
}

TEST_F(dlgCategoriesTest, TheTypeBoxTakesNoTypingAndIsDisabledOnlyForAFixedCategory) {
    editCode(100);
    EXPECT_EQ(entry(), "100|INCOME|Sales");
    EXPECT_FALSE(cboCatType->isEnabled());
    typeEntry(QStringLiteral("100"), QStringLiteral("Sales of Goods"));
    click("cmdSave");
    EXPECT_EQ(storedCode(100), "100|Sales of Goods|INC|1");
    EXPECT_TRUE(cboCatType->isEnabled());
    editCode(300);
    EXPECT_TRUE(cboCatType->isEnabled());
    click("cmdCancel");

    click("cmdNew");
    QApplication::clipboard()->setText(QStringLiteral("INCOME"));
    cboCatType->setFocus();
    QTest::keyClicks(cboCatType, QStringLiteral("I"));
    QTest::keyClick(cboCatType, Qt::Key_Backspace);
    QTest::keyClick(cboCatType, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(cboCatType->lineEdit()->text().toStdString(), "EXPENSE");
    pickIncome(); // the list still sets it
    EXPECT_EQ(cboCatType->currentText().toStdString(), "INCOME");
}

TEST_F(dlgCategoriesTest, HeaderClicksToggleTheSortAndClosingRestoresCodeOrder) {
    const std::pair<int, const char*> steps[] = {
        {3, "CatName ASC"}, {3, "CatName DESC"}, {1, "CatType ASC"}};
    for (const auto& [column, sort] : steps) {
        clickHeader(grid, column);
        EXPECT_EQ(deQuillmark::instance().rscmdCategories().Sort().toStdString(), sort);
    }
    EXPECT_TRUE(shownRows(grid).first().startsWith("Expense|")) << "by type";
    click("cmdClose");
    EXPECT_FALSE(isOpen(QStringLiteral("dlgCategories")));
    open();
    EXPECT_EQ(shownRows(grid).first(), QStringLiteral("Income|7|Fees|No"));
    clickHeader(grid, 2);
    EXPECT_EQ(deQuillmark::instance().rscmdCategories().Sort().toStdString(), "CatCode ASC");
}

} // namespace
} // namespace quillmark::test
