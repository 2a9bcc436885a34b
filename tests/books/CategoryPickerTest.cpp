// The category picker on the income screen, whose list is Fees, Food, Rent:
// type-ahead, the keys it swallows or passes on, and the check when the focus
// leaves the box.
#include "quillmark/books/CategoryPicker.h"
#include "BooksTestSupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark::test {
namespace {

const QString kDoesNotExist = QStringLiteral(
    "msgbox info ok [Quillmark] This category does not exist. Please select a valid category.");

class CategoryPickerTest : public EntryScreenTest {
protected:
    void SetUp() override {
        screen = openIncome();
        ASSERT_NE(screen, nullptr);
        box = categoryBox(screen);
        box->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([this] { return box->lineEdit()->hasFocus(); }));
        box->lineEdit()->selectAll();
    }

    // Starts on the entry with its whole text highlighted and the list closed.
    void startOn(int index) {
        box->hidePopup();
        box->setCurrentIndex(index);
        box->lineEdit()->selectAll();
    }
    // Tab out of the box, as a user moving on to the details would.
    void leaveBox() { typeKey(Qt::Key_Tab); }

    TransactionScreen* screen = nullptr;
    QComboBox* box = nullptr;
};

TEST_F(CategoryPickerTest, TypingCompletesFromTheListInTheEntrysOwnCase) {
    // Each case starts on Fees highlighted; "\b" is Backspace.
    struct Case {
        const char* typed;
        const char* shown;
        int index;
    };
    const Case cases[] = {
        {"f", "F[ees]", 0},   {"fo", "Fo[od]", 1}, {"fo\b", "Fo|", -1},
        {"RENT", "Rent|", 2}, {"x", "x|", -1},
    };
    for (const Case& c : cases) {
        startOn(0);
        for (const char* key = c.typed; *key; ++key) {
            if (*key == '\b') {
                typeKey(Qt::Key_Backspace);
            } else {
                typeText(QString(QLatin1Char(*key)));
            }
        }
        EXPECT_EQ(editState(box), QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(box->currentIndex(), c.index) << c.typed;
        EXPECT_TRUE(box->view()->isVisible()) << c.typed << ": the list drops down";
    }
    EXPECT_EQ(messages(), "") << "typing alone never rejects";

    // Backspace without a highlight drops the last character wherever the caret is.
    startOn(2);
    box->lineEdit()->setCursorPosition(1);
    typeKey(Qt::Key_Backspace);
    EXPECT_EQ(editState(box), QStringLiteral("Ren|"));

    // The check runs only when the focus moves within the screen.
    box->hidePopup();
    ASSERT_NE(openExpense(), nullptr);
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(box->currentText(), QStringLiteral("Ren"));
}

TEST_F(CategoryPickerTest, EnterPassesOnWithTheCaretAtTheEndOtherControlKeysAreSwallowed) {
    QSignalSpy entered(box->lineEdit(), &QLineEdit::returnPressed);
    startOn(1);
    box->lineEdit()->setCursorPosition(2);
    typeKey(Qt::Key_Return);
    EXPECT_EQ(editState(box), QStringLiteral("Food|"));
    EXPECT_EQ(entered.count(), 1);
    for (const Qt::Key key : {Qt::Key_V, Qt::Key_X}) {
        box->lineEdit()->selectAll();
        typeKey(key, Qt::ControlModifier);
        EXPECT_EQ(box->currentText(), QStringLiteral("Food")) << key;
    }

    // With the list dropped down Enter closes it and passes on; Escape only
    // closes it. Both keep the text.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        startOn(0);
        typeText(QStringLiteral("r"));
        ASSERT_TRUE(box->view()->isVisible());
        typeKey(key);
        EXPECT_FALSE(box->view()->isVisible()) << key;
        EXPECT_EQ(box->currentText(), QStringLiteral("Rent")) << key;
    }
    EXPECT_EQ(entered.count(), 2);
}

TEST_F(CategoryPickerTest, LeavingWithATextThatNamesNoCategoryClearsItAndKeepsTheFocusOnce) {
    clickButton(screen, QStringLiteral("cmdNew"));
    box->setFocus();
    box->lineEdit()->selectAll();
    typeText(QStringLiteral("RENT"));
    leaveBox();
    EXPECT_EQ(messages(), "") << "the entry's own case is taken";
    EXPECT_FALSE(box->view()->isVisible()) << "Tab closed the list";

    // A pasted text is not completed: in another case it names no category.
    box->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("food"));
    box->lineEdit()->selectAll();
    typeKey(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(box->currentIndex(), -1);
    leaveBox();
    EXPECT_EQ(messages(), lines({kDoesNotExist}));
    EXPECT_EQ(box->currentText(), QString());
    EXPECT_TRUE(box->lineEdit()->hasFocus());

    // The user has done nothing to the box since: Cancel and New work
    // without the message coming back, and New puts the focus on the amount.
    dialogs.clear();
    clickButton(screen, QStringLiteral("cmdCancel"));
    clickButton(screen, QStringLiteral("cmdNew"));
    EXPECT_EQ(messages(), "");
    EXPECT_TRUE(lineEdit(screen, QStringLiteral("txtAmount"))->hasFocus());
}

} // namespace
} // namespace quillmark::test
