// The category management screen, driven through its controls on a company
// file of its own; messages are checked through the recording dialogs.
#include "BooksTestSupport.h"
#include "quillmark/books/dlgCategories.h"
#include "quillmark/data/Connection.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/DataGrid.h"
#include "quillmark/shell/Screens.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace quillmark::bookstest {
namespace {

const QString kScreen = QStringLiteral("dlgCategories");
const QStringList kButtons = {QStringLiteral("cmdNew"),    QStringLiteral("cmdEdit"),
                              QStringLiteral("cmdSave"),   QStringLiteral("cmdDelete"),
                              QStringLiteral("cmdCancel"), QStringLiteral("cmdClose")};
const std::string kBrowsing = "New Edit Close";
const std::string kEditing = "Save Delete Cancel";
const std::string kSaved = "msgbox info ok [Quillmark] Category saved successfully.";
const std::string kDeleteQuestion =
    "msgbox question yesno [Quillmark] Do you wish to delete this unused category?";

class CategoriesTest : public CompanyFileTest {
protected:
    void SetUp() override {
        CompanyFileTest::SetUp();
        execute(QStringLiteral("INSERT INTO Categories (CatCode, CatName, CatType) VALUES "
                               "(7, 'Fees', 'INC')"));
        execute(QStringLiteral("INSERT INTO Categories (CatCode, CatName, CatType) VALUES "
                               "(300, 'Postage', 'EXP')"));
        screen = qobject_cast<dlgCategories*>(openScreen(kScreen));
        ASSERT_NE(screen, nullptr);
        grid = screen->control<DataGrid>(QStringLiteral("gridCat"));
        txtCode = screen->control<QLineEdit>(QStringLiteral("txtCode"));
        cboCatType = screen->control<QComboBox>(QStringLiteral("cboCatType"));
        txtDesc = screen->control<QLineEdit>(QStringLiteral("txtDesc"));
        before = stored();
    }

    QStringList stored() {
        return query(QStringLiteral(
            "SELECT CatCode, CatName, CatType, Fixed FROM Categories ORDER BY CatCode"));
    }
    std::string storedCode(int code) {
        return lines(query(QStringLiteral("SELECT CatCode, CatName, CatType, Fixed FROM "
                                          "Categories WHERE CatCode = %1")
                               .arg(code)));
    }
    std::string mode() const { return enabledButtons(screen, kButtons).toStdString(); }
    std::string entry() const {
        return QStringList{txtCode->text(), cboCatType->currentText(), txtDesc->text()}
            .join(QLatin1Char('|'))
            .toStdString();
    }
    void click(const char* button) { clickButton(screen, QString::fromLatin1(button)); }

    void editCode(int code) {
        clickRow(grid, rowShowingCode(grid, code));
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

    dlgCategories* screen = nullptr;
    DataGrid* grid = nullptr;
    QLineEdit* txtCode = nullptr;
    QComboBox* cboCatType = nullptr;
    QLineEdit* txtDesc = nullptr;
    QStringList before;
};

TEST_F(CategoriesTest, OpensBrowsingWithEveryCategoryByCode) {
    EXPECT_EQ(screen->Caption().toStdString(), "Categories View");
    EXPECT_EQ(screen->control<QLabel>(QStringLiteral("lblHeader"))->text().toStdString(),
              "CATEGORIES");
    EXPECT_EQ(mode(), kBrowsing);
    const QStringList rows = shownRows(grid);
    ASSERT_EQ(rows.size(), before.size());
    EXPECT_EQ(lines(rows.mid(0, 2)), "Income|7|Fees|No\nIncome|100|Sales|Yes");
    EXPECT_EQ(rows.at(rowShowingCode(grid, 300)).toStdString(), "Expense|300|Postage|No");
    EXPECT_EQ(entry(), "||");
}

TEST_F(CategoriesTest, NewCategoryIsStoredAndBecomesTheCurrentRow) {
    click("cmdNew");
    EXPECT_EQ(mode(), kEditing);
    EXPECT_EQ(entry(), "|EXPENSE|");
    typeEntry(QStringLiteral("042"), QStringLiteral("Consulting"));
    pickIncome();
    click("cmdSave");

    EXPECT_EQ(messages(), kSaved);
    EXPECT_EQ(storedCode(42), "42|Consulting|INC|0");
    EXPECT_EQ(stored().size(), before.size() + 1);
    EXPECT_EQ(mode(), kBrowsing);
    EXPECT_EQ(entry(), "042|INCOME|Consulting");
    EXPECT_EQ(currentRowShown(grid), "Income|42|Consulting|No");
}

TEST_F(CategoriesTest, EditSavesTheChangesAndReturnsToTheEditedRowCodeChangedOrNot) {
    editCode(300);
    EXPECT_EQ(entry(), "300|EXPENSE|Postage");
    EXPECT_EQ(QApplication::focusWidget(), txtCode);
    clickHeader(grid, 3); // sorting meanwhile moves rows about

    typeEntry(QStringLiteral("5"), QStringLiteral("Postage & \"Stamps\""));
    pickIncome();
    click("cmdSave");

    EXPECT_EQ(messages(), kSaved);
    EXPECT_EQ(storedCode(5), "5|Postage & \"Stamps\"|INC|0");
    EXPECT_EQ(storedCode(300), "");
    EXPECT_EQ(stored().size(), before.size());
    EXPECT_EQ(mode(), kBrowsing);
    EXPECT_EQ(currentRowShown(grid), "Income|5|Postage & \"Stamps\"|No");

    // An edited category may keep its own code.
    dialogs->clear();
    editCode(5);
    typeEntry(QStringLiteral("5"), QStringLiteral("Parcels"));
    click("cmdSave");
    EXPECT_EQ(messages(), kSaved);
    EXPECT_EQ(storedCode(5), "5|Parcels|INC|0");
}

struct SaveCheck {
    const char* label;
    bool isNew;
    const char* code;
    bool blankType;
    const char* name;
    const char* message;
    const char* focus;
};

class CategorySaveChecks : public CategoriesTest,
                           public ::testing::WithParamInterface<SaveCheck> {};

TEST_P(CategorySaveChecks, RefuseWithTheirMessageAndFocusAndWriteNothing) {
    const SaveCheck& check = GetParam();
    if (check.isNew) {
        click("cmdNew");
    } else {
        editCode(300);
    }
    typeEntry(QString::fromUtf8(check.code), QString::fromUtf8(check.name));
    if (check.blankType) {
        cboCatType->setCurrentIndex(-1); // as before any New or Edit
    }
    click("cmdSave");

    EXPECT_EQ(messages(), std::string("msgbox info ok [Quillmark] ") + check.message);
    QWidget* focus = screen->controlWidget(QString::fromLatin1(check.focus));
    EXPECT_TRUE(focus == QApplication::focusWidget() ||
                focus->isAncestorOf(QApplication::focusWidget()));
    EXPECT_EQ(lines(stored()), lines(before));
    EXPECT_EQ(mode(), kEditing);
}

const char* const kNotNumeric = "Please enter a numeric category code.";
const char* const kTaken =
    "The Category Code already exists. Please type in an unused Category Code.";

INSTANTIATE_TEST_SUITE_P(
    InOrder, CategorySaveChecks,
    ::testing::Values(
        SaveCheck{"Letters", true, "abc", true, "", kNotNumeric, "txtCode"},
        SaveCheck{"Empty", true, "", false, "Name", kNotNumeric, "txtCode"},
        SaveCheck{"Decimal", true, "7.5", false, "Name", kNotNumeric, "txtCode"},
        SaveCheck{"NoType", true, "12", true, "", "Please select a category type.", "cboCatType"},
        SaveCheck{"BlankName", true, " 12 ", false, "   ", "Please enter a category name.",
                  "txtDesc"},
        SaveCheck{"NewTakesUsedCode", true, "7", false, "Other", kTaken, "txtCode"},
        SaveCheck{"NewTakesFixedCode", true, "500", false, "Other", kTaken, "txtCode"},
        SaveCheck{"EditTakesOthersCode", false, "7", false, "Postage", kTaken, "txtCode"}),
    [](const ::testing::TestParamInfo<SaveCheck>& info) { return std::string(info.param.label); });

TEST_F(CategoriesTest, FixedCategoryDeleteIsRefusedBeforeAnyQuestion) {
    editCode(100);
    EXPECT_TRUE(screen->control<QCheckBox>(QStringLiteral("chkFixed"))->isChecked());
    click("cmdDelete"); // an unscripted question would fail the test
    EXPECT_EQ(messages(), "msgbox info ok [Quillmark] Fixed Categories cannot be deleted.");
    EXPECT_EQ(lines(stored()), lines(before));
    EXPECT_EQ(mode(), kEditing);
}

TEST_F(CategoriesTest, DeleteAsksAndOnlyYesDeletes) {
    editCode(300);
    dialogs->answerNo();
    click("cmdDelete");
    EXPECT_EQ(messages(), kDeleteQuestion);
    EXPECT_EQ(lines(stored()), lines(before));
    EXPECT_EQ(mode(), kEditing);

    dialogs->clear();
    dialogs->answerYes();
    click("cmdDelete");
    EXPECT_EQ(messages(),
              kDeleteQuestion + "\nmsgbox info ok [Quillmark] Category deleted successfully.");
    EXPECT_EQ(storedCode(300), "");
    EXPECT_EQ(rowShowingCode(grid, 300), -1);
    EXPECT_EQ(mode(), kBrowsing);
    EXPECT_EQ(entry(), "300|EXPENSE|Postage");
}

TEST_F(CategoriesTest, DeletingACategoryInUseIsReportedAndKeepsEditing) {
    execute(QStringLiteral("INSERT INTO Transactions (CategoryID, CatType, TDate, Description, "
                           "Credit) SELECT CategoryID, 'INC', #3/5/2024#, 'Advice', 250 FROM "
                           "Categories WHERE CatCode = 7"));
    editCode(7);
    dialogs->answerYes();
    click("cmdDelete");
    ASSERT_EQ(dialogs->calls().size(), 2u) << messages();
    EXPECT_EQ(dialogs->calls()[1].icon, MsgIcon::Information);
    EXPECT_EQ(dialogs->calls()[1].title.toStdString(), "Quillmark");
    EXPECT_EQ(lines(stored()), lines(before));
    EXPECT_EQ(mode(), kEditing);
}

TEST_F(CategoriesTest, DeleteWhileEnteringANewCategoryOnlyDropsTheEntry) {
    // The earlier edit leaves its key behind; that category must stay.
    editCode(300);
    click("cmdCancel");
    EXPECT_EQ(entry(), "|EXPENSE|");
    click("cmdNew");
    typeEntry(QStringLiteral("77"), QStringLiteral("Unsaved"));
    click("cmdDelete");
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(lines(stored()), lines(before));
    EXPECT_EQ(mode(), kBrowsing);
    EXPECT_EQ(entry(), "|EXPENSE|");
}

TEST_F(CategoriesTest, SavingACategoryDeletedMeanwhileTellsTheUser) {
    editCode(300);
    execute(QStringLiteral("DELETE FROM Categories WHERE CatCode = 300"));
    typeEntry(QStringLiteral("301"), QStringLiteral("Postage"));
    click("cmdSave");
    EXPECT_EQ(messages(), "msgbox info ok [Quillmark] This category no longer exists; it may "
                          "have been deleted in the meantime. Your changes were not saved.");
    EXPECT_EQ(stored().size(), before.size() - 1);
    EXPECT_EQ(storedCode(301), "");
    EXPECT_EQ(mode(), kBrowsing);
    EXPECT_EQ(rowShowingCode(grid, 300), -1);
}

TEST_F(CategoriesTest, TypeBoxTakesNoTypingAndIsDisabledOnlyWhileAFixedCategoryIsEdited) {
    editCode(500);
    EXPECT_EQ(entry(), "500|EXPENSE|Advertising");
    EXPECT_FALSE(cboCatType->isEnabled());
    click("cmdCancel");
    EXPECT_TRUE(cboCatType->isEnabled());

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

    // Typing into the type box changes nothing; only the list sets it.
    click("cmdNew");
    QApplication::clipboard()->setText(QStringLiteral("INCOME"));
    cboCatType->setFocus();
    QTest::keyClicks(cboCatType, QStringLiteral("INCOME"));
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Backspace, Qt::NoModifier}, std::pair{Qt::Key_Delete, Qt::NoModifier},
          std::pair{Qt::Key_V, Qt::ControlModifier}, std::pair{Qt::Key_Insert, Qt::ShiftModifier},
          std::pair{Qt::Key_Return, Qt::NoModifier}}) {
        QTest::keyClick(cboCatType, key, modifiers);
    }
    EXPECT_EQ(cboCatType->lineEdit()->text().toStdString(), "EXPENSE");
    pickIncome(); // the list still sets it
    EXPECT_EQ(cboCatType->currentText().toStdString(), "INCOME");
}

TEST_F(CategoriesTest, DoubleClickEditsWhileBrowsingAndIsRefusedWhileEditing) {
    doubleClickRow(grid, rowShowingCode(grid, 300));
    EXPECT_EQ(mode(), kEditing);
    EXPECT_EQ(entry(), "300|EXPENSE|Postage");

    typeEntry(QStringLiteral("301"), QStringLiteral("Half typed"));
    doubleClickRow(grid, rowShowingCode(grid, 7));
    EXPECT_EQ(messages(), "msgbox info ok [Quillmark] Please Save or Cancel the current edited "
                          "record \r\nbefore trying to edit the selected record.");
    EXPECT_EQ(entry(), "301|EXPENSE|Half typed");
    EXPECT_EQ(mode(), kEditing);
}

TEST_F(CategoriesTest, HeaderClicksToggleTheSortAndClosingRestoresCodeOrder) {
    const struct {
        int column;
        const char* sort;
        const char* firstRow;
    } steps[] = {
        {3, "CatName ASC", "Expense|500|Advertising|Yes"},
        {3, "CatName DESC", "Expense|620|Wages|Yes"},
        {3, "CatName ASC", "Expense|500|Advertising|Yes"},
        {2, "CatCode ASC", "Income|7|Fees|No"},
        {2, "CatCode DESC", "Expense|690|Other Expenses|Yes"},
        {1, "CatType ASC", "Expense|"},
    };
    for (const auto& step : steps) {
        clickHeader(grid, step.column);
        EXPECT_EQ(deQuillmark::instance().rscmdCategories().Sort().toStdString(), step.sort);
        EXPECT_TRUE(shownRows(grid).first().startsWith(QLatin1String(step.firstRow))) << step.sort;
    }

    click("cmdClose");
    EXPECT_FALSE(isOpen(kScreen));
    screen = qobject_cast<dlgCategories*>(openScreen(kScreen));
    grid = screen->control<DataGrid>(QStringLiteral("gridCat"));
    EXPECT_EQ(shownRows(grid).first().toStdString(), "Income|7|Fees|No");
    clickHeader(grid, 2);
    EXPECT_EQ(deQuillmark::instance().rscmdCategories().Sort().toStdString(), "CatCode ASC");
}

} // namespace
} // namespace quillmark::bookstest
