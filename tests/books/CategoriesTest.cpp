// The category management screen, driven through its controls on a company
// file of its own; messages are checked through the recording dialogs.
#include "BooksTestSupport_Categories.h"
#include "quillmark/books/dlgCategories.h"
#include "quillmark/data/Connection.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/AllScreens.h"
#include "quillmark/shell/DataGrid.h"
#include "quillmark/shell/Screens.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace quillmark::cattest {
namespace {

const QString kScreen = QStringLiteral("dlgCategories");
const QStringList kButtons = {QStringLiteral("cmdNew"),    QStringLiteral("cmdEdit"),
                              QStringLiteral("cmdSave"),   QStringLiteral("cmdDelete"),
                              QStringLiteral("cmdCancel"), QStringLiteral("cmdClose")};
const std::string kBrowsing = "New Edit Close";
const std::string kEditing = "Save Delete Cancel";

QString info(const QString& text) {
    return QStringLiteral("msgbox info ok [Quillmark] ") + text;
}

const QString kSaved = info(QStringLiteral("Category saved successfully."));
const QString kDeleteQuestion =
    QStringLiteral("msgbox question yesno [Quillmark] Do you wish to delete this unused category?");

class CategoriesTest : public CompanyFileTest {
protected:
    void SetUp() override {
        CompanyFileTest::SetUp();
        feesId = addCategory(connSys(), 7, QStringLiteral("Fees"), QStringLiteral("INC"));
        addCategory(connSys(), 300, QStringLiteral("Postage"), QStringLiteral("EXP"));
        screen = openScreen<dlgCategories>(kScreen);
        ASSERT_NE(screen, nullptr);
        grid = screen->control<DataGrid>(QStringLiteral("gridCat"));
        txtCode = screen->control<QLineEdit>(QStringLiteral("txtCode"));
        cboCatType = screen->control<QComboBox>(QStringLiteral("cboCatType"));
        txtDesc = screen->control<QLineEdit>(QStringLiteral("txtDesc"));
        chkFixed = screen->control<QCheckBox>(QStringLiteral("chkFixed"));
        storedBefore = storedCategories(connSys());
    }

    std::string mode() const { return enabledButtons(screen, kButtons).toStdString(); }
    void click(const char* button) { clickButton(screen, QString::fromLatin1(button)); }

    void editCode(int code) {
        const int row = rowShowingCode(grid, code);
        ASSERT_GE(row, 0) << code;
        clickRow(grid, row);
        click("cmdEdit");
        ASSERT_EQ(mode(), kEditing);
    }

    void typeEntry(const QString& code, const QString& name) {
        txtCode->clear();
        QTest::keyClicks(txtCode, code);
        txtDesc->clear();
        QTest::keyClicks(txtDesc, name);
    }

    // Selects an item of the type box the way a user can: through its list.
    void pickType(const QString& shown) {
        while (cboCatType->currentText() != shown &&
               cboCatType->currentIndex() < cboCatType->count() - 1) {
            QTest::keyClick(cboCatType, Qt::Key_Down);
        }
        while (cboCatType->currentText() != shown && cboCatType->currentIndex() > 0) {
            QTest::keyClick(cboCatType, Qt::Key_Up);
        }
    }

    bool hasFocus(QWidget* widget) const {
        QWidget* focus = QApplication::focusWidget();
        return focus && (focus == widget || widget->isAncestorOf(focus));
    }

    std::string entry() const {
        return QStringList{txtCode->text(), cboCatType->currentText(), txtDesc->text()}
            .join(QLatin1Char('|'))
            .toStdString();
    }

    int feesId = 0;
    dlgCategories* screen = nullptr;
    DataGrid* grid = nullptr;
    QLineEdit* txtCode = nullptr;
    QComboBox* cboCatType = nullptr;
    QLineEdit* txtDesc = nullptr;
    QCheckBox* chkFixed = nullptr;
    QStringList storedBefore;
};

TEST_F(CategoriesTest, MainProgramRegistersBothScreens) {
    Screens::instance().unregisterScreen(kScreen);
    Screens::instance().unregisterScreen(QStringLiteral("dlgCompanyInfo"));
    registerAllScreens();
    EXPECT_TRUE(Screens::instance().hasFactory(kScreen));
    EXPECT_TRUE(Screens::instance().hasFactory(QStringLiteral("dlgCompanyInfo")));
}

TEST_F(CategoriesTest, OpensBrowsingWithEveryCategoryByCode) {
    EXPECT_EQ(screen->Caption().toStdString(), "Categories View");
    EXPECT_EQ(screen->control<QLabel>(QStringLiteral("lblHeader"))->text().toStdString(),
              "CATEGORIES");
    EXPECT_EQ(mode(), kBrowsing);
    const QStringList rows = shownRows(grid);
    ASSERT_EQ(rows.size(), storedBefore.size());
    EXPECT_EQ(rows.first().toStdString(), "Income|7|Fees|No");
    EXPECT_EQ(rows.at(1).toStdString(), "Income|100|Sales|Yes");
    EXPECT_EQ(rows.at(rowShowingCode(grid, 300)).toStdString(), "Expense|300|Postage|No");
    EXPECT_EQ(entry(), "||");
    EXPECT_TRUE(cboCatType->isEnabled());
}

TEST_F(CategoriesTest, NewCategoryIsStoredAndShownInTheGrid) {
    click("cmdNew");
    EXPECT_EQ(mode(), kEditing);
    EXPECT_EQ(entry(), "|EXPENSE|");
    typeEntry(QStringLiteral("42"), QStringLiteral("Consulting"));
    pickType(QStringLiteral("INCOME"));
    click("cmdSave");

    EXPECT_EQ(lines(dialogs->dump()), lines({kSaved}));
    EXPECT_EQ(storedCategory(connSys(), 42), "42|Consulting|INC|0");
    EXPECT_EQ(storedCategories(connSys()).size(), storedBefore.size() + 1);
    EXPECT_EQ(mode(), kBrowsing);
    EXPECT_EQ(entry(), "42|INCOME|Consulting");
    EXPECT_EQ(currentRowShown(grid), "Income|42|Consulting|No");
}

TEST_F(CategoriesTest, CodeTypedWithLeadingZerosIsStoredAsItsNumber) {
    click("cmdNew");
    typeEntry(QStringLiteral("007"), QStringLiteral("Duplicate of Fees"));
    click("cmdSave");
    EXPECT_EQ(lines(dialogs->dump()),
              lines({info(QStringLiteral("The Category Code already exists. Please type in an "
                                         "unused Category Code."))}));
    dialogs->clear();
    typeEntry(QStringLiteral("008"), QStringLiteral("Stamps"));
    click("cmdSave");
    EXPECT_EQ(lines(dialogs->dump()), lines({kSaved}));
    EXPECT_EQ(storedCategory(connSys(), 8), "8|Stamps|EXP|0");
}

TEST_F(CategoriesTest, EditSavesTheChangesAndReturnsToTheEditedRow) {
    editCode(300);
    EXPECT_EQ(entry(), "300|EXPENSE|Postage");
    EXPECT_FALSE(chkFixed->isChecked());
    EXPECT_TRUE(hasFocus(txtCode));

    // The new code moves the row to the top of the list by code.
    typeEntry(QStringLiteral("5"), QStringLiteral("Postage & \"Stamps\""));
    pickType(QStringLiteral("INCOME"));
    click("cmdSave");

    EXPECT_EQ(lines(dialogs->dump()), lines({kSaved}));
    EXPECT_EQ(storedCategory(connSys(), 5), "5|Postage & \"Stamps\"|INC|0");
    EXPECT_EQ(storedCategory(connSys(), 300), "(none)");
    EXPECT_EQ(storedCategories(connSys()).size(), storedBefore.size());
    EXPECT_EQ(mode(), kBrowsing);
    EXPECT_EQ(shownRows(grid).first().toStdString(), "Income|5|Postage & \"Stamps\"|No");
    EXPECT_EQ(currentRowShown(grid), "Income|5|Postage & \"Stamps\"|No");
}

TEST_F(CategoriesTest, EditReturnsToTheRowAfterSortingWhileEditing) {
    editCode(300);
    clickHeader(grid, 3); // by name, while the entry is open
    typeEntry(QStringLiteral("301"), QStringLiteral("Postage"));
    click("cmdSave");
    EXPECT_EQ(currentRowShown(grid), "Expense|301|Postage|No");
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

TEST_P(CategorySaveChecks, RefusesWithItsMessageAndFocusAndWritesNothing) {
    const SaveCheck& check = GetParam();
    if (check.isNew) {
        click("cmdNew");
    } else {
        editCode(300);
    }
    typeEntry(QString::fromUtf8(check.code), QString::fromUtf8(check.name));
    if (check.blankType) {
        // The list holds no blank item; only a type box never set is blank.
        cboCatType->setCurrentIndex(-1);
    }
    click("cmdSave");

    EXPECT_EQ(lines(dialogs->dump()), lines({info(QString::fromUtf8(check.message))}));
    EXPECT_TRUE(hasFocus(screen->controlWidget(QString::fromLatin1(check.focus))))
        << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString()
                                        : std::string("no focus"));
    EXPECT_EQ(lines(storedCategories(connSys())), lines(storedBefore));
    EXPECT_EQ(mode(), kEditing);
}

const char* const kNotNumeric = "Please enter a numeric category code.";
const char* const kNoType = "Please select a category type.";
const char* const kNoName = "Please enter a category name.";
const char* const kTaken =
    "The Category Code already exists. Please type in an unused Category Code.";

INSTANTIATE_TEST_SUITE_P(
    InOrder, CategorySaveChecks,
    ::testing::Values(
        SaveCheck{"Letters", true, "abc", true, "", kNotNumeric, "txtCode"},
        SaveCheck{"Empty", true, "", false, "Name", kNotNumeric, "txtCode"},
        SaveCheck{"Decimal", true, "7.5", false, "Name", kNotNumeric, "txtCode"},
        SaveCheck{"Blanks", true, "   ", false, "Name", kNotNumeric, "txtCode"},
        SaveCheck{"NoTypeBeforeName", true, "12", true, "", kNoType, "cboCatType"},
        SaveCheck{"BlankName", true, " 12 ", false, "   ", kNoName, "txtDesc"},
        SaveCheck{"NewTakesUsedCode", true, "7", false, "Other", kTaken, "txtCode"},
        SaveCheck{"NewTakesFixedCode", true, "500", false, "Other", kTaken, "txtCode"},
        SaveCheck{"EditTakesOthersCode", false, "7", false, "Postage", kTaken, "txtCode"},
        SaveCheck{"EditNoName", false, "300", false, "", kNoName, "txtDesc"}),
    [](const ::testing::TestParamInfo<SaveCheck>& info) { return std::string(info.param.label); });

TEST_F(CategoriesTest, EditedCategoryKeepsItsOwnCode) {
    editCode(300);
    typeEntry(QStringLiteral("300"), QStringLiteral("Postage and Parcels"));
    click("cmdSave");
    EXPECT_EQ(lines(dialogs->dump()), lines({kSaved}));
    EXPECT_EQ(storedCategory(connSys(), 300), "300|Postage and Parcels|EXP|0");
}

TEST_F(CategoriesTest, CodeTooLargeForTheFieldIsReportedAndNothingWritten) {
    click("cmdNew");
    typeEntry(QStringLiteral("99999"), QStringLiteral("Huge"));
    click("cmdSave");
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->calls()[0].icon, MsgIcon::Information);
    EXPECT_TRUE(dialogs->calls()[0].text.contains(QStringLiteral("99999")))
        << dialogs->calls()[0].text.toStdString();
    EXPECT_EQ(lines(storedCategories(connSys())), lines(storedBefore));
    EXPECT_EQ(mode(), kEditing);
}

TEST_F(CategoriesTest, FixedCategoryDeleteIsRefusedBeforeAnyQuestion) {
    editCode(100);
    EXPECT_TRUE(chkFixed->isChecked());
    click("cmdDelete");
    EXPECT_EQ(lines(dialogs->dump()),
              lines({info(QStringLiteral("Fixed Categories cannot be deleted."))}));
    EXPECT_EQ(lines(storedCategories(connSys())), lines(storedBefore));
    EXPECT_EQ(mode(), kEditing);
}

TEST_F(CategoriesTest, DeleteAsksAndOnlyYesDeletes) {
    editCode(300);
    dialogs->answerNo();
    click("cmdDelete");
    EXPECT_EQ(lines(dialogs->dump()), lines({kDeleteQuestion}));
    EXPECT_EQ(lines(storedCategories(connSys())), lines(storedBefore));
    EXPECT_EQ(mode(), kEditing);

    dialogs->clear();
    dialogs->answerYes();
    click("cmdDelete");
    EXPECT_EQ(lines(dialogs->dump()),
              lines({kDeleteQuestion, info(QStringLiteral("Category deleted successfully."))}));
    EXPECT_EQ(storedCategory(connSys(), 300), "(none)");
    EXPECT_EQ(rowShowingCode(grid, 300), -1);
    EXPECT_EQ(mode(), kBrowsing);
    EXPECT_EQ(entry(), "300|EXPENSE|Postage");
}

TEST_F(CategoriesTest, DeletingACategoryInUseIsReportedAndKeepsEditing) {
    addIncomeEntry(connSys(), feesId);
    editCode(7);
    dialogs->answerYes();
    click("cmdDelete");
    ASSERT_EQ(dialogs->calls().size(), 2u) << lines(dialogs->dump());
    EXPECT_EQ(dialogs->calls()[1].icon, MsgIcon::Information);
    EXPECT_EQ(dialogs->calls()[1].title.toStdString(), "Quillmark");
    EXPECT_NE(dialogs->calls()[1].text.toStdString(), "Category deleted successfully.");
    EXPECT_EQ(lines(storedCategories(connSys())), lines(storedBefore));
    EXPECT_EQ(mode(), kEditing);
}

TEST_F(CategoriesTest, DeleteOfACategoryAlreadyGoneSaysSo) {
    editCode(300);
    execute(QStringLiteral("DELETE FROM Categories WHERE CatCode = 300"));
    dialogs->answerYes();
    click("cmdDelete");
    EXPECT_EQ(lines(dialogs->dump()),
              lines({kDeleteQuestion, QStringLiteral("msgbox exclamation ok [Quillmark] "
                                                     "Category could not be deleted.")}));
    EXPECT_EQ(mode(), kBrowsing);
}

TEST_F(CategoriesTest, DeleteWhileEnteringANewCategoryOnlyDropsTheEntry) {
    // An earlier edit leaves its key behind; the new entry must not delete that category.
    editCode(300);
    click("cmdCancel");
    click("cmdNew");
    typeEntry(QStringLiteral("77"), QStringLiteral("Unsaved"));
    click("cmdDelete");
    EXPECT_TRUE(dialogs->dump().isEmpty()) << lines(dialogs->dump());
    EXPECT_EQ(lines(storedCategories(connSys())), lines(storedBefore));
    EXPECT_EQ(mode(), kBrowsing);
    EXPECT_EQ(entry(), "|EXPENSE|");
}

TEST_F(CategoriesTest, SavingACategoryDeletedMeanwhileTellsTheUser) {
    editCode(300);
    execute(QStringLiteral("DELETE FROM Categories WHERE CatCode = 300"));
    typeEntry(QStringLiteral("301"), QStringLiteral("Postage"));
    click("cmdSave");
    EXPECT_EQ(lines(dialogs->dump()),
              lines({info(QStringLiteral("This category no longer exists; it may have been "
                                         "deleted in the meantime. Your changes were not "
                                         "saved."))}));
    EXPECT_EQ(storedCategories(connSys()).size(), storedBefore.size() - 1);
    EXPECT_EQ(storedCategory(connSys(), 301), "(none)");
    EXPECT_EQ(mode(), kBrowsing);
    EXPECT_EQ(rowShowingCode(grid, 300), -1);
}

TEST_F(CategoriesTest, CancelClearsTheEntryAndWritesNothing) {
    editCode(300);
    typeEntry(QStringLiteral("301"), QStringLiteral("Changed"));
    click("cmdCancel");
    EXPECT_EQ(mode(), kBrowsing);
    EXPECT_EQ(entry(), "|EXPENSE|");
    EXPECT_EQ(lines(storedCategories(connSys())), lines(storedBefore));
    EXPECT_TRUE(dialogs->dump().isEmpty());
}

TEST_F(CategoriesTest, TypingIntoTheTypeBoxChangesNothing) {
    click("cmdNew");
    QApplication::clipboard()->setText(QStringLiteral("INCOME"));
    cboCatType->setFocus();
    QTest::keyClicks(cboCatType, QStringLiteral("INCOME"));
    QTest::keyClick(cboCatType, Qt::Key_Backspace);
    QTest::keyClick(cboCatType, Qt::Key_Delete);
    QTest::keyClick(cboCatType, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(cboCatType, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClicks(cboCatType->lineEdit(), QStringLiteral("xyz"));
    EXPECT_EQ(cboCatType->currentText().toStdString(), "EXPENSE");
    EXPECT_EQ(cboCatType->lineEdit()->text().toStdString(), "EXPENSE");

    // The list still sets it.
    QTest::keyClick(cboCatType, Qt::Key_Down);
    EXPECT_EQ(cboCatType->currentText().toStdString(), "INCOME");

    int KeyAscii = 'A';
    screen->cboCatType_KeyPress(KeyAscii);
    EXPECT_EQ(KeyAscii, 0);
}

TEST_F(CategoriesTest, TypeBoxIsDisabledOnlyWhileAFixedCategoryIsEdited) {
    editCode(500);
    EXPECT_EQ(entry(), "500|EXPENSE|Advertising");
    EXPECT_FALSE(cboCatType->isEnabled());
    click("cmdCancel");
    EXPECT_TRUE(cboCatType->isEnabled());

    editCode(100);
    EXPECT_EQ(entry(), "100|INCOME|Sales");
    EXPECT_FALSE(cboCatType->isEnabled());
    // A fixed category can still be renamed; its type stays.
    typeEntry(QStringLiteral("100"), QStringLiteral("Sales of Goods"));
    click("cmdSave");
    EXPECT_EQ(storedCategory(connSys(), 100), "100|Sales of Goods|INC|1");
    EXPECT_TRUE(cboCatType->isEnabled());

    editCode(300);
    EXPECT_TRUE(cboCatType->isEnabled());
    click("cmdCancel");
    click("cmdNew");
    EXPECT_TRUE(cboCatType->isEnabled());
}

TEST_F(CategoriesTest, DoubleClickEditsWhileBrowsingAndIsRefusedWhileEditing) {
    doubleClickRow(grid, rowShowingCode(grid, 300));
    EXPECT_EQ(mode(), kEditing);
    EXPECT_EQ(entry(), "300|EXPENSE|Postage");

    typeEntry(QStringLiteral("301"), QStringLiteral("Half typed"));
    doubleClickRow(grid, rowShowingCode(grid, 7));
    EXPECT_EQ(lines(dialogs->dump()),
              lines({info(QStringLiteral("Please Save or Cancel the current edited record \r\n"
                                         "before trying to edit the selected record."))}));
    EXPECT_EQ(entry(), "301|EXPENSE|Half typed");
    EXPECT_EQ(mode(), kEditing);
}

TEST_F(CategoriesTest, EditOnAnEmptyListDoesNothing) {
    screen->Unload();
    deQuillmark::instance().command(QStringLiteral("cmdCategories")).recordset().Close();
    execute(QStringLiteral("DELETE FROM Categories"));
    screen = openScreen<dlgCategories>(kScreen);
    ASSERT_NE(screen, nullptr);
    clickButton(screen, QStringLiteral("cmdEdit"));
    EXPECT_EQ(mode(), kBrowsing);
    EXPECT_TRUE(dialogs->dump().isEmpty());
}

TEST_F(CategoriesTest, HeaderClicksToggleTheSortAndClosingRestoresCodeOrder) {
    struct Step {
        int column;
        const char* sort;
        const char* firstRow;
    };
    const Step steps[] = {
        {3, "CatName ASC", "Expense|500|Advertising|Yes"},
        {3, "CatName DESC", "Expense|620|Wages|Yes"},
        {3, "CatName ASC", "Expense|500|Advertising|Yes"},
        {2, "CatCode ASC", "Income|7|Fees|No"},
        {2, "CatCode DESC", "Expense|690|Other Expenses|Yes"},
        {1, "CatType ASC", nullptr},
    };
    for (const Step& step : steps) {
        clickHeader(grid, step.column);
        EXPECT_EQ(deQuillmark::instance().rscmdCategories().Sort().toStdString(), step.sort);
        if (step.firstRow) {
            EXPECT_EQ(shownRows(grid).first().toStdString(), step.firstRow) << step.sort;
        }
    }
    EXPECT_TRUE(shownRows(grid).first().startsWith(QStringLiteral("Expense|")));

    clickButton(screen, QStringLiteral("cmdClose"));
    EXPECT_FALSE(isOpen(kScreen));
    screen = openScreen<dlgCategories>(kScreen);
    grid = screen->control<DataGrid>(QStringLiteral("gridCat"));
    EXPECT_EQ(shownRows(grid).first().toStdString(), "Income|7|Fees|No");
    clickHeader(grid, 3);
    EXPECT_EQ(deQuillmark::instance().rscmdCategories().Sort().toStdString(), "CatName ASC");
}

TEST_F(CategoriesTest, HandlersOfDisabledButtonsDoNothing) {
    // Browsing: Save, Delete and Cancel are disabled.
    // An unscripted delete question would fail the test.
    screen->control<QLineEdit>(QStringLiteral("txtCatID"))->setText(QString::number(feesId));
    typeEntry(QStringLiteral("55"), QStringLiteral("Typed while browsing"));
    screen->cmdSave_Click();
    screen->cmdDelete_Click();
    screen->cmdCancel_Click();
    EXPECT_EQ(lines(storedCategories(connSys())), lines(storedBefore));
    EXPECT_TRUE(dialogs->dump().isEmpty()) << lines(dialogs->dump());
    EXPECT_EQ(entry(), "55||Typed while browsing");

    // Editing: New, Edit and Close are disabled.
    editCode(300);
    typeEntry(QStringLiteral("301"), QStringLiteral("Half typed"));
    clickRow(grid, rowShowingCode(grid, 7));
    screen->cmdNew_Click();
    screen->cmdEdit_Click();
    screen->cmdClose_Click();
    EXPECT_TRUE(isOpen(kScreen));
    EXPECT_EQ(mode(), kEditing);
    EXPECT_EQ(entry(), "301|EXPENSE|Half typed");
}

TEST_F(CategoriesTest, CloseUnloadsTheScreen) {
    click("cmdClose");
    EXPECT_FALSE(isOpen(kScreen));
    EXPECT_EQ(lines(storedCategories(connSys())), lines(storedBefore));
}

} // namespace
} // namespace quillmark::cattest
