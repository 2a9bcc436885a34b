// The income and expense screens on books of their own: what they show,
// store and refuse, in which order, and how they open one another.
#include "quillmark/books/TransactionScreen.h"
#include "BooksTestSupport.h"
#include "quillmark/books/AmountText.h"
#include "quillmark/data/Connection.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/Twips.h"
#include "quillmark/shell/XPButtonSite.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark::test {
namespace {

QString msgInfo(const char* text) {
    return QStringLiteral("msgbox info ok [Quillmark] ") + QString::fromUtf8(text);
}

// Positions land on whole pixels (15 twips each).
int snapped(int twips) {
    return pixelsToTwips(twipsToPixels(twips));
}

const QString kSaved = msgInfo("Transaction saved successfully.");
const QString kDeleteQuestion =
    QStringLiteral("msgbox question yesno [Quillmark] Do you wish to delete this transaction?");

TEST(AmountText, ReadsAndWritesAmountsAsTheUsersLocaleDoes) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::pair<const char*, const char*> cases[] = {
        {"1,234.50", "1234.50"}, {" $12.5 ", "12.50"},
        {"-5", "-5.00"},         {"0.005", "0.01"},
        {"1.2.3", "refused"},    {"99999999999999999999", "refused"},
        {"1e15", "refused"},     {"922337203685477.5808", "refused"},
    };
    for (const auto& [text, read] : cases) {
        Currency amount;
        const bool numeric = AmountText::parse(QString::fromLatin1(text), &amount);
        EXPECT_EQ(numeric ? amount.toString(2) : QStringLiteral("refused"), read) << text;
    }
    EXPECT_EQ(AmountText::format(Currency::fromString(QStringLiteral("1234.5"))), "1,234.50");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Currency amount;
    EXPECT_TRUE(AmountText::parse(QStringLiteral("1.234,50"), &amount));
    EXPECT_EQ(AmountText::format(amount), QStringLiteral("1.234,50"));
    QLocale::setDefault(QLocale::system());
}

class TransactionScreenTest : public EntryScreenTest {
protected:
    // Three income entries and one expense, stored directly.
    TransactionScreen* openWithSamples() {
        addEntry(categoryId("Fees"), "INC", QDateTime(QDate(2024, 3, 5), QTime(9, 0)), "Consulting",
                 "250");
        addEntry(categoryId("Rent"), "INC", QDateTime(QDate(2024, 1, 15), QTime(8, 0)), "Advice",
                 "1234.5");
        addEntry(categoryId("Food"), "INC", QDateTime(QDate(2024, 2, 20), QTime(12, 0)), "Workshop",
                 "80");
        addEntry(expenseCategory(), "EXP", QDateTime(QDate(2024, 2, 1), QTime(7, 0)), "Office",
                 "800");
        return openIncome();
    }
    int expenseCategory() const {
        return query("SELECT CategoryID FROM Categories WHERE CatType='EXP' ORDER BY CatName")
            .first()
            .toInt();
    }
    // New, then the amount and details as a user types them.
    void fillNewEntry(TransactionScreen* screen, const QString& amount, const QString& details) {
        clickButton(screen, "cmdNew");
        ASSERT_TRUE(lineEdit(screen, "txtAmount")->hasFocus());
        QTest::keyClicks(lineEdit(screen, "txtAmount"), amount);
        QTest::keyClicks(lineEdit(screen, "txtDetails"), details);
    }
    // The description of each row shown, in order.
    QString details(const TransactionScreen* screen) const {
        QStringList shown;
        for (const QString& row : shownRows(grid(screen))) {
            shown << row.section('|', 3, 3);
        }
        return shown.join(' ');
    }
};

TEST_F(TransactionScreenTest, EachTwinShowsItsOwnEntriesAndOpensTheOtherScreensBesideOnlyOnce) {
    TransactionScreen* income = openWithSamples();
    EXPECT_EQ(income->Caption(), QStringLiteral("Income View"));
    EXPECT_EQ(lineEdit(income, "txtAmount")->text(), QStringLiteral("0.00"));
    EXPECT_FALSE(lineEdit(income, "txtAmount")->isEnabled());
    EXPECT_EQ(modeButtons(income), kBrowsing);
    // Entries by date, with the income amount shown and the rest hidden.
    EXPECT_EQ(lines(shownRows(grid(income))),
              lines({"1/15/24|030|Rent|Advice|$1,234.50", "2/20/24|040|Food|Workshop|$80.00",
                     "3/5/24|007|Fees|Consulting|$250.00"}));
    clickButton(income, "cmdExpense");
    auto* expense = qobject_cast<TransactionScreen*>(Screens::instance().find("dlgExpense"));
    ASSERT_NE(expense, nullptr);
    EXPECT_EQ(expense->control<QLabel>("lblHeader")->text(), QStringLiteral("EXPENSE"));
    EXPECT_EQ(lines(shownRows(grid(expense))), "2/1/24|500|Advertising|Office|$800.00");
    EXPECT_EQ(shownRows(grid(income)).size(), 3) << "the twins keep their own lists";
    EXPECT_EQ(expense->Left(), snapped(income->Left() + 500));
    EXPECT_EQ(expense->Top(), snapped(income->Top() + 500));
    EXPECT_FALSE(expense->control<XPButtonSite>("cmdIncome")->isVisible());
    EXPECT_TRUE(income->isVisible()) << "the opening screen stays open";

    // Opened from the menus, the twin keeps its way back.
    Screens::instance().Unload("dlgExpense");
    TransactionScreen* fromMenu = openExpense();
    EXPECT_TRUE(fromMenu->control<XPButtonSite>("cmdIncome")->isVisible());
    clickButton(fromMenu, "cmdIncome");
    EXPECT_EQ(Screens::instance().find("dlgIncome"), income) << "never opened twice";
    EXPECT_EQ(income->Top(), snapped(fromMenu->Top() + 500));
    EXPECT_FALSE(income->control<XPButtonSite>("cmdExpense")->isVisible());

    clickButton(income, "cmdCategories");
    Screen* categories = Screens::instance().find("dlgCategories");
    ASSERT_NE(categories, nullptr);
    EXPECT_EQ(categories->Left(), snapped(income->Left() + 500));
    clickButton(income, "cmdReports"); // not part of these books: nothing opens
    EXPECT_EQ(messages(), "");
}

TEST_F(TransactionScreenTest, ANewEntryIsStoredInTheScreensMoneyFieldWithItsDetailsAsTyped) {
    const std::pair<const char*, const char*> cases[] = {
        {"dlgIncome", "INC|{category}|{date}|  Consulting  |250.00|0.00"},
        {"dlgExpense", "EXP|{category}|{date}|  Consulting  |0.00|250.00"},
    };
    for (const auto& [name, stored] : cases) {
        execute(QStringLiteral("DELETE * FROM TRANSACTIONS"));
        dialogs.clear();
        TransactionScreen* screen = openEntryScreen(QString::fromLatin1(name));
        const QString category = categoryBox(screen)->currentText();
        fillNewEntry(screen, "250", "  Consulting  ");
        EXPECT_EQ(modeButtons(screen), kEditing);
        const QDateTime date = screen->control<QDateTimeEdit>("dtTransDate")->dateTime();
        clickButton(screen, "cmdSave");

        EXPECT_EQ(messages(), lines({kSaved})) << name;
        EXPECT_EQ(lines(storedEntries()),
                  lines({QString::fromLatin1(stored)
                             .replace("{date}", date.toString("yyyy-MM-dd'T'hh:mm:ss.000"))
                             .replace("{category}", category)}));
        EXPECT_EQ(modeButtons(screen), kBrowsing);
        // The grid lists the new entry and stands on it.
        ASSERT_EQ(shownRows(grid(screen)).size(), 1);
        EXPECT_EQ(currentRowShown(grid(screen)), shownRows(grid(screen)).at(0));
        Screens::instance().Unload(QString::fromLatin1(name));
    }
}

TEST_F(TransactionScreenTest, SaveChecksTheEntryInOrderAndKeepsItsMode) {
    const struct {
        const char* amount;
        const char* category;
        const char* details;
        const char* message;
        const char* focus;
    } cases[] = {
        {"abc", "   ", "   ", "Please enter a valid amount.", "txtAmount"},
        {"", "Fees", "Rent", "Please enter a valid amount.", "txtAmount"},
        {"0", "   ", "Rent", "Please enter an amount greater than 0.", "txtAmount"},
        {"-922337203685477.5808", "Fees", "Rent", "Please enter an amount greater than 0.",
         "txtAmount"},
        {"1,234.50", "   ", "   ", "Please select a category.", "cboCatSource"},
        {"12", "Fees", "   ", "Please enter transaction details.", "txtDetails"},
    };
    TransactionScreen* screen = openIncome();
    clickButton(screen, "cmdNew");
    for (const auto& c : cases) {
        dialogs.clear();
        lineEdit(screen, "txtAmount")->setText(QString::fromLatin1(c.amount));
        categoryBox(screen)->setEditText(QString::fromLatin1(c.category));
        lineEdit(screen, "txtDetails")->setText(QString::fromLatin1(c.details));
        clickButton(screen, "cmdSave");
        EXPECT_EQ(messages(), lines({msgInfo(c.message)})) << c.amount;
        EXPECT_TRUE(screen->controlWidget(QString::fromLatin1(c.focus))->hasFocus()) << c.focus;
        EXPECT_EQ(modeButtons(screen), kEditing) << c.amount;
    }
    EXPECT_TRUE(storedEntries().isEmpty());
}

// Sums and their overflow are the data layer's; see MoneyTest.
TEST_F(TransactionScreenTest, LargeAmountsAreSavedToTheTenThousandthAndShownToTheCent) {
    const std::pair<const char*, const char*> cases[] = {
        {"100000000000.0001", "$100,000,000,000.00"},
        {"99,999,999,999,999.99", "$99,999,999,999,999.99"},
        {"922337203685477.5807", "$922,337,203,685,477.58"},
    };
    TransactionScreen* screen = openIncome();
    for (const auto& [typed, shown] : cases) {
        fillNewEntry(screen, QString::fromLatin1(typed), QStringLiteral("large"));
        clickButton(screen, "cmdSave");
        EXPECT_TRUE(currentRowShown(grid(screen)).endsWith(QString::fromLatin1(shown)))
            << typed << ": " << currentRowShown(grid(screen)).toStdString();
    }
    EXPECT_EQ(messages(), lines({kSaved, kSaved, kSaved}));
    QStringList credits;
    auto rs =
        connSys().Execute(QStringLiteral("SELECT Credit FROM Transactions ORDER BY TransactionID"));
    for (; !rs->EOF(); rs->MoveNext()) {
        credits << rs->Fields(0).Value().value<Currency>().toString(4);
    }
    EXPECT_EQ(credits,
              QStringList({"100000000000.0001", "99999999999999.9900", "922337203685477.5807"}));
}

TEST_F(TransactionScreenTest, EditOrDoubleClickLoadsTheRowSaveReturnsToItCancelWritesNothing) {
    TransactionScreen* screen = openWithSamples();
    clickHeader(grid(screen), 6); // by description: the second row is Consulting
    clickRow(grid(screen), 1);
    // Enter on the focused Edit button runs Edit like a click.
    QTest::keyClick(screen->control<XPButtonSite>("cmdEdit")->buttonWidget(), Qt::Key_Return);
    EXPECT_EQ(modeButtons(screen), kEditing);
    EXPECT_EQ(lineEdit(screen, "txtAmount")->text(), QStringLiteral("250.00"));
    EXPECT_EQ(categoryBox(screen)->currentText(), QStringLiteral("Fees"));
    EXPECT_EQ(screen->control<QDateTimeEdit>("dtTransDate")->dateTime(),
              QDateTime(QDate(2024, 3, 5), QTime(9, 0)));
    EXPECT_TRUE(lineEdit(screen, "txtDetails")->hasFocus());
    EXPECT_EQ(lineEdit(screen, "txtDetails")->text(), QStringLiteral("Consulting"));

    lineEdit(screen, "txtDetails")->setText(QStringLiteral("changed"));
    clickButton(screen, "cmdCancel");
    EXPECT_EQ(modeButtons(screen), kBrowsing);
    EXPECT_EQ(lineEdit(screen, "txtAmount")->text() + lineEdit(screen, "txtDetails")->text(),
              QStringLiteral("0.00"));
    EXPECT_TRUE(storedEntries().filter("changed").isEmpty());

    clickButton(screen, "cmdEdit");
    lineEdit(screen, "txtAmount")->setText(QStringLiteral("2,500.75"));
    lineEdit(screen, "txtDetails")->setText(QStringLiteral("Consulting, March"));
    categoryBox(screen)->setCurrentIndex(1); // Food
    clickButton(screen, "cmdSave");
    EXPECT_EQ(storedEntries().at(0),
              "INC|Food|2024-03-05T09:00:00.000|Consulting, March|2500.75|0.00");
    EXPECT_EQ(storedEntries().size(), 4) << "changed in place";
    // Back in date order, standing on the edited entry.
    EXPECT_EQ(currentRowShown(grid(screen)), "3/5/24|040|Food|Consulting, March|$2,500.75");

    // A double-click edits while browsing and is refused while editing.
    doubleClickRow(grid(screen), 1);
    EXPECT_EQ(lineEdit(screen, "txtDetails")->text(), QStringLiteral("Workshop"));
    clickButton(screen, "cmdCancel");
    fillNewEntry(screen, "40", "Tips");
    doubleClickRow(grid(screen), 2);
    EXPECT_EQ(messages(),
              lines({kSaved, msgInfo("Please Save or Cancel the current edited record \r\nbefore "
                                     "trying to edit the selected record.")}));
    EXPECT_EQ(lineEdit(screen, "txtAmount")->text() + lineEdit(screen, "txtDetails")->text(),
              QStringLiteral("40Tips"));
    clickButton(screen, "cmdSave");
    EXPECT_EQ(storedEntries().size(), 5) << "still a new entry";
}

TEST_F(TransactionScreenTest, ANewEntrySavedAfterAnEditEndedOtherwiseIsTheRowTheGridStandsOn) {
    TransactionScreen* screen = openWithSamples();
    // An edit that ends in Cancel, then one that ends in Delete: neither
    // leaves its row for the grid to return to after the next new entry.
    for (const char* ending : {"cmdCancel", "cmdDelete"}) {
        clickRow(grid(screen), 2);
        clickButton(screen, "cmdEdit");
        if (QString::fromLatin1(ending) == "cmdDelete") {
            dialogs.answerYes();
        }
        clickButton(screen, ending);
        const QString details = QStringLiteral("after ") + QString::fromLatin1(ending);
        fillNewEntry(screen, "5", details);
        clickButton(screen, "cmdSave");
        EXPECT_EQ(currentRowShown(grid(screen)).section('|', 3, 3), details);
        EXPECT_EQ(QString::number(grid(screen)->Bookmark()),
                  query("SELECT MAX(TransactionID) FROM Transactions").value(0));
    }
}

TEST_F(TransactionScreenTest, DeleteDropsANewEntryAndAsksBeforeDeletingAStoredOne) {
    TransactionScreen* screen = openWithSamples();
    // The key of the entry loaded before is still in the form.
    clickButton(screen, "cmdEdit");
    clickButton(screen, "cmdCancel");
    fillNewEntry(screen, "40", "Tips");
    clickButton(screen, "cmdDelete");
    EXPECT_EQ(storedEntries().size(), 4);
    EXPECT_EQ(modeButtons(screen), kBrowsing);
    EXPECT_EQ(lineEdit(screen, "txtAmount")->text(), QStringLiteral("0.00"));

    clickButton(screen, "cmdEdit"); // Advice, the first row
    dialogs.answerNo();
    clickButton(screen, "cmdDelete");
    EXPECT_EQ(modeButtons(screen), kEditing);
    dialogs.answerYes();
    clickButton(screen, "cmdDelete");
    EXPECT_EQ(messages(), lines({kDeleteQuestion, kDeleteQuestion,
                                 msgInfo("Transaction deleted successfully.")}));
    EXPECT_TRUE(storedEntries().filter("Advice").isEmpty());
    EXPECT_EQ(shownRows(grid(screen)).size(), 2);
    EXPECT_EQ(modeButtons(screen), kBrowsing);
    EXPECT_EQ(lineEdit(screen, "txtDetails")->text(), QStringLiteral("Advice"))
        << "the form keeps the deleted entry";
}

TEST_F(TransactionScreenTest, AccessKeysPressOnlyEnabledButtonsAndLeaveNoFocusFrameBehind) {
    TransactionScreen* screen = openWithSamples();
    QWidget* newButton = screen->control<XPButtonSite>("cmdNew")->buttonWidget();
    QWidget* editButton = screen->control<XPButtonSite>("cmdEdit")->buttonWidget();
    const QImage newLook = newButton->grab().toImage();
    const QImage editLook = editButton->grab().toImage();
    // Tabbed over once, later pressed by their access keys.
    newButton->setFocus();
    editButton->setFocus();
    grid(screen)->setFocus();
    // Browsing: Save, Cancel and Delete are disabled; Delete would ask.
    for (const Qt::Key key : {Qt::Key_S, Qt::Key_C, Qt::Key_D}) {
        typeKey(key, Qt::AltModifier);
    }
    EXPECT_EQ(modeButtons(screen), kBrowsing);
    typeKey(Qt::Key_E, Qt::AltModifier); // Edit is enabled: the keys do arrive
    EXPECT_EQ(modeButtons(screen), kEditing);
    grid(screen)->setFocus();
    typeKey(Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(lineEdit(screen, "txtDetails")->text(), QStringLiteral("Advice"));
    typeKey(Qt::Key_C, Qt::AltModifier);
    typeKey(Qt::Key_N, Qt::AltModifier);
    typeKey(Qt::Key_C, Qt::AltModifier);
    typeKey(Qt::Key_E, Qt::AltModifier);
    dialogs.answerYes();
    typeKey(Qt::Key_D, Qt::AltModifier);
    grid(screen)->setFocus();
    EXPECT_EQ(newButton->grab().toImage(), newLook);
    EXPECT_EQ(editButton->grab().toImage(), editLook);
}

TEST_F(TransactionScreenTest, AnEntryDeletedMeanwhileIsReportedAtSaveEditOrDeleteNothingWritten) {
    TransactionScreen* screen = openWithSamples();
    const auto deleteShown = [&] {
        execute("DELETE * FROM TRANSACTIONS WHERE TRANSACTIONID=" +
                lineEdit(screen, "txtTransactionID")->text());
    };
    clickButton(screen, "cmdEdit");
    deleteShown();
    clickButton(screen, "cmdSave");
    execute(QStringLiteral("DELETE * FROM TRANSACTIONS WHERE Description='Workshop'"));
    clickRow(grid(screen), 0); // Workshop's row, now showing nothing
    clickButton(screen, "cmdEdit");
    EXPECT_EQ(storedEntries().size(), 2);
    EXPECT_EQ(modeButtons(screen), kBrowsing);
    EXPECT_EQ(shownRows(grid(screen)).size(), 1);
    clickButton(screen, "cmdEdit");
    deleteShown();
    dialogs.answerYes();
    clickButton(screen, "cmdDelete");
    EXPECT_EQ(messages(),
              lines({msgInfo("This transaction no longer exists; it may have been deleted on "
                             "another screen. Your changes were not saved."),
                     msgInfo("This transaction no longer exists; it may have been deleted on "
                             "another screen."),
                     kDeleteQuestion,
                     "msgbox exclamation ok [Quillmark] Transaction could not be deleted."}));
}

TEST_F(TransactionScreenTest, HeaderClicksToggleTheSortWhichOutlivesARefresh) {
    TransactionScreen* screen = openWithSamples();
    const std::pair<int, const char*> steps[] = {
        {3, "Advice Workshop Consulting"}, // date ascending
        {6, "Advice Consulting Workshop"}, // description ascending
        {4, "Consulting Advice Workshop"}, // code ascending: 007, 030, 040
    };
    for (const auto& [column, order] : steps) {
        clickHeader(grid(screen), column);
        EXPECT_EQ(details(screen), QString::fromLatin1(order)) << column;
    }
    clickHeader(grid(screen), 6); // description ascending
    fillNewEntry(screen, "5", "Bonus");
    clickButton(screen, "cmdSave");
    EXPECT_EQ(details(screen), QStringLiteral("Advice Workshop Consulting Bonus")) << "by date";
    clickHeader(grid(screen), 6);
    EXPECT_EQ(details(screen), QStringLiteral("Workshop Consulting Bonus Advice")) << "descending";
}

TEST_F(TransactionScreenTest, ATypeWithoutCategoriesIsRefusedAtSaveAndAnEmptyListHasNothingToEdit) {
    execute(QStringLiteral("DELETE * FROM CATEGORIES WHERE CATTYPE='INC'"));
    TransactionScreen* screen = openIncome();
    EXPECT_EQ(categoryBox(screen)->currentText(), QStringLiteral("Select an Income Category"));
    clickButton(screen, "cmdEdit");
    EXPECT_EQ(modeButtons(screen), kBrowsing);
    EXPECT_EQ(messages(), "");
    fillNewEntry(screen, "10", "Gift");
    clickButton(screen, "cmdSave");
    EXPECT_EQ(messages(),
              lines({msgInfo("There are no income categories to choose from. Please add one on "
                             "the Categories screen and open this screen again.")}));
    EXPECT_TRUE(storedEntries().isEmpty());
    clickButton(screen, "cmdCancel");
    clickButton(screen, "cmdClose"); // unloads without asking
    EXPECT_FALSE(isOpen("dlgIncome"));
}

TEST_F(TransactionScreenTest, AnEntryWhoseCategoryIsNoLongerListedKeepsItsCategory) {
    // An income entry whose category has become an expense category since.
    addEntry(expenseCategory(), "INC", QDateTime(QDate(2024, 4, 1), QTime(10, 0)), "Refund", "15");
    TransactionScreen* screen = openIncome();
    const QString name = shownRows(grid(screen)).at(0).section('|', 2, 2);
    clickButton(screen, "cmdEdit");
    EXPECT_EQ(categoryBox(screen)->currentText(), name);
    EXPECT_EQ(categoryBox(screen)->currentIndex(), -1);
    clickButton(screen, "cmdSave");
    EXPECT_EQ(messages(), lines({msgInfo("This category does not exist. Please select a valid "
                                         "category.")}));
    EXPECT_EQ(storedEntries().at(0).section('|', 1, 1), name);
}

} // namespace
} // namespace quillmark::test
