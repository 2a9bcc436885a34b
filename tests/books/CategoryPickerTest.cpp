// The category picker: the combo-box messages, the type-ahead, selecting by
// key, and the check when the focus leaves the box, on the income screen.
#include "BooksTestSupport.h"
#include "quillmark/books/ComboMessages.h"
#include "quillmark/books/mdlComponents.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

using bookstest::categoryBox;
using bookstest::editState;
using bookstest::lines;
using bookstest::typeKey;
using bookstest::typeText;

const QString kDoesNotExist = QStringLiteral(
    "msgbox info ok [Quillmark] This category does not exist. Please select a valid category.");

// A bare editable box with the picker's entries, keys as item data.
class ComboBoxTest : public ::testing::Test {
protected:
    ComboBoxTest() {
        combo.setEditable(true);
        combo.setInsertPolicy(QComboBox::NoInsert);
        const QStringList names = {"Fees", "Food", "Rent"};
        for (int i = 0; i < names.size(); ++i) {
            combo.addItem(names[i], 100 + i);
        }
        combo.setCurrentIndex(-1);
        combo.setEditText(QStringLiteral("typed"));
    }
    ~ComboBoxTest() override { combo.hidePopup(); }

    QComboBox combo;
};

TEST_F(ComboBoxTest, SelectStringFindsTheFirstEntryThatBeginsWithTheText) {
    struct Case {
        long after;
        const char* text;
        long result;
        const char* boxText;
    };
    const Case cases[] = {
        {-1, "F", 0, "Fees"},
        {-1, "fo", 1, "Food"},
        {-1, "RENT", 2, "Rent"},
        {-1, "x", CB_ERR, "typed"},
        {-1, "Foods", CB_ERR, "typed"},
        {-1, "", 0, "Fees"},
        {0, "F", 1, "Food"},
        {1, "F", 0, "Fees"},
        {2, "f", 0, "Fees"},
    };
    for (const Case& c : cases) {
        combo.setCurrentIndex(-1);
        combo.setEditText(QStringLiteral("typed"));
        const long result =
            SendComboMessage(combo, CB_SELECTSTRING, c.after, QString::fromLatin1(c.text));
        EXPECT_EQ(result, c.result) << c.after << " " << c.text;
        EXPECT_EQ(combo.currentIndex(), static_cast<int>(c.result)) << c.text;
        EXPECT_EQ(combo.currentText(), QString::fromLatin1(c.boxText)) << c.text;
    }
    combo.clear();
    EXPECT_EQ(SendComboMessage(combo, CB_SELECTSTRING, -1, QStringLiteral("F")), CB_ERR);
}

TEST_F(ComboBoxTest, ShowDropDownOpensAndClosesTheList) {
    combo.show();
    SendComboMessage(combo, CB_SHOWDROPDOWN, 1);
    EXPECT_TRUE(combo.view()->isVisible());
    ShowComboList(combo); // already open: stays open
    EXPECT_TRUE(combo.view()->isVisible());
    SendComboMessage(combo, CB_SHOWDROPDOWN, 0);
    EXPECT_FALSE(combo.view()->isVisible());
    EXPECT_EQ(SendComboMessage(combo, 9, 0), 0); // other messages do nothing
}

TEST_F(ComboBoxTest, SelectComboByItemDataSelectsTheCarriedKeyOrLeavesTheSelection) {
    qint32 food = 101;
    SelectComboByItemData(combo, food);
    EXPECT_EQ(combo.currentText(), QStringLiteral("Food"));
    qint32 missing = 7;
    SelectComboByItemData(combo, missing);
    EXPECT_EQ(combo.currentIndex(), 1);

    combo.clear();
    combo.setEditText(QStringLiteral("design"));
    SelectComboByItemData(combo, food);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(combo.currentText(), QStringLiteral("design"));
}

TEST_F(ComboBoxTest, EditingByHandDropsTheSelectionButKeepsTheText) {
    DeselectOnEdit(combo);
    combo.setCurrentIndex(2);
    combo.lineEdit()->setCursorPosition(4);
    QTest::keyClick(combo.lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(editState(&combo), QStringLiteral("Ren|"));

    SetComboText(combo, QStringLiteral("Rent"));
    EXPECT_EQ(combo.currentIndex(), -1) << "no entry gets selected by setting text";
    combo.setCurrentIndex(1);
    SetComboText(combo, QStringLiteral("Food"));
    EXPECT_EQ(combo.currentIndex(), 1) << "the same text keeps the entry";
    SetComboText(combo, QStringLiteral("Fo"));
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(combo.currentText(), QStringLiteral("Fo"));
}

TEST_F(ComboBoxTest, AutoCompleteReturnsWhatTheKeyPressContinuesWith) {
    combo.show();
    struct Case {
        int keyAscii;
        int result;
    };
    const Case cases[] = {{'f', 0}, {'x', 0}, {8, 0}, {13, 13}, {27, 0}, {3, 0}, {22, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(AutoCompleteCombo(combo, c.keyAscii), c.result) << c.keyAscii;
    }
    EXPECT_FALSE(combo.view()->isVisible()) << "Enter closed the list; nothing opened it since";
}

// The picker on the income screen, whose list is Fees, Food, Rent.
class CategoryPickerTest : public bookstest::EntryScreenTest {
protected:
    void SetUp() override {
        EntryScreenTest::SetUp();
        screen = openIncome();
        ASSERT_NE(screen, nullptr);
        box = categoryBox(screen);
        box->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([this] { return box->lineEdit()->hasFocus(); }));
        box->lineEdit()->selectAll();
    }
    void TearDown() override {
        box->hidePopup();
        EntryScreenTest::TearDown();
    }

    // Tab out of the box (closing the list first, as a user would see it).
    void leaveBox() { typeKey(Qt::Key_Tab); }

    QString itemTexts() const {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i) {
            texts << box->itemText(i) + QLatin1Char('=') + box->itemData(i).toString();
        }
        return texts.join(QLatin1Char(' '));
    }

    TransactionScreen* screen = nullptr;
    QComboBox* box = nullptr;
};

TEST_F(CategoryPickerTest, ListHoldsTheTypesCategoriesByNameWithTheirKeysFirstSelected) {
    const QString expected = QStringLiteral("Fees=%1 Food=%2 Rent=%3")
                                 .arg(categoryId("Fees"))
                                 .arg(categoryId("Food"))
                                 .arg(categoryId("Rent"));
    EXPECT_EQ(itemTexts(), expected);
    EXPECT_EQ(box->currentIndex(), 0);
    EXPECT_EQ(box->currentText(), QStringLiteral("Fees"));
}

TEST_F(CategoryPickerTest, TypingCompletesFromTheListInTheEntrysOwnCase) {
    // Each case starts on Fees with its text highlighted; "\b" is Backspace.
    struct Case {
        const char* typed;
        const char* shown;
        int index;
        bool listDown;
    };
    const Case cases[] = {
        {"f", "F[ees]", 0, true},   {"fo", "Fo[od]", 1, true}, {"fo\b", "Fo|", -1, true},
        {"RENT", "Rent|", 2, true}, {"x", "x|", -1, true},
    };
    for (const Case& c : cases) {
        box->hidePopup();
        box->setCurrentIndex(0);
        box->lineEdit()->selectAll();
        for (const char* key = c.typed; *key; ++key) {
            if (*key == '\b') {
                typeKey(Qt::Key_Backspace);
            } else {
                typeText(QString(QLatin1Char(*key)));
            }
        }
        EXPECT_EQ(editState(box), QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(box->currentIndex(), c.index) << c.typed;
        EXPECT_EQ(box->view()->isVisible(), c.listDown) << c.typed;
    }
    EXPECT_TRUE(dialogs->calls().empty()) << "typing alone never rejects";

    // Backspace without a highlight drops the last character wherever the caret is.
    box->setCurrentIndex(2); // Rent
    box->lineEdit()->setCursorPosition(1);
    typeKey(Qt::Key_Backspace);
    EXPECT_EQ(editState(box), QStringLiteral("Ren|"));
    box->lineEdit()->setText(QString());
    typeKey(Qt::Key_Backspace);
    EXPECT_EQ(editState(box), QStringLiteral("|"));
}

TEST_F(CategoryPickerTest, TextThatMatchesNoCategoryIsClearedWhenTheFocusLeaves) {
    typeText(QStringLiteral("x"));
    box->hidePopup();
    leaveBox();
    EXPECT_EQ(messages(), lines({kDoesNotExist}));
    EXPECT_EQ(box->currentText(), QString());
    EXPECT_EQ(box->currentIndex(), -1);
    EXPECT_TRUE(box->lineEdit()->hasFocus()) << "the focus stays in the box";
}

TEST_F(CategoryPickerTest, TypingInCapitalsPassesTheCheck) {
    typeText(QStringLiteral("RENT"));
    leaveBox();
    EXPECT_TRUE(dialogs->calls().empty()) << messages();
    EXPECT_FALSE(box->lineEdit()->hasFocus());
    EXPECT_FALSE(box->view()->isVisible()) << "Tab closed the list";
}

TEST_F(CategoryPickerTest, EnterKeepsTheTextPutsTheCaretAtTheEndAndPassesOn) {
    box->setCurrentIndex(1); // Food
    box->lineEdit()->setCursorPosition(2);
    QSignalSpy entered(box->lineEdit(), &QLineEdit::returnPressed);
    typeKey(Qt::Key_Return);
    EXPECT_EQ(editState(box), QStringLiteral("Food|"));
    EXPECT_EQ(entered.count(), 1) << "the key reached the box";

    // With the list dropped down Enter closes it and is handled the same way.
    box->lineEdit()->selectAll();
    typeText(QStringLiteral("r"));
    ASSERT_TRUE(box->view()->isVisible());
    typeKey(Qt::Key_Return);
    EXPECT_FALSE(box->view()->isVisible());
    EXPECT_EQ(editState(box), QStringLiteral("Rent|"));
    EXPECT_EQ(box->currentIndex(), 2);
    EXPECT_EQ(entered.count(), 2);
}

TEST_F(CategoryPickerTest, OtherControlKeysAreSwallowed) {
    box->setCurrentIndex(1);
    box->lineEdit()->selectAll();
    typeKey(Qt::Key_Escape);
    typeKey(Qt::Key_V, Qt::ControlModifier);
    typeKey(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(box->currentText(), QStringLiteral("Food"));
    EXPECT_EQ(box->currentIndex(), 1);

    // With the list dropped down Escape closes it and keeps the text.
    box->lineEdit()->selectAll();
    typeText(QStringLiteral("r"));
    ASSERT_TRUE(box->view()->isVisible());
    typeKey(Qt::Key_Escape);
    EXPECT_FALSE(box->view()->isVisible());
    EXPECT_EQ(box->currentText(), QStringLiteral("Rent"));
}

TEST_F(CategoryPickerTest, PastedNameInAnotherCaseOrACategoryRenamedSinceLoadingFailsTheCheck) {
    QApplication::clipboard()->setText(QStringLiteral("food"));
    box->lineEdit()->selectAll();
    typeKey(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(box->currentText(), QStringLiteral("food"));
    EXPECT_EQ(box->currentIndex(), -1);
    leaveBox();
    EXPECT_EQ(messages(), lines({kDoesNotExist}));
    EXPECT_EQ(box->currentText(), QString());
    EXPECT_TRUE(box->lineEdit()->hasFocus());

    dialogs->clear();
    box->setCurrentIndex(0);
    execute(QStringLiteral("UPDATE Categories SET CatName='Fares' WHERE CatName='Fees'"));
    EXPECT_EQ(box->currentText(), QStringLiteral("Fees"));
    leaveBox();
    EXPECT_EQ(messages(), lines({kDoesNotExist}));
}

TEST_F(CategoryPickerTest, TheCheckRunsOnlyWhenTheFocusMovesWithinTheScreen) {
    typeText(QStringLiteral("x"));
    box->hidePopup();
    // Another screen taking the focus is no reason to check.
    TransactionScreen* expense = openExpense();
    ASSERT_NE(expense, nullptr);
    EXPECT_TRUE(dialogs->calls().empty()) << messages();
    EXPECT_EQ(box->currentText(), QStringLiteral("x"));
}

} // namespace
} // namespace quillmark
