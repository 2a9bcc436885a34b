#pragma once

// The books screens' tests: the income and expense screens over income
// categories Fees, Food and Rent, and short readers of what they show.
#include "common/ScreenTestSupport.h"
#include "quillmark/books/TransactionScreen.h"

#include <QHash>

class QComboBox;
class QLineEdit;

namespace quillmark::test {

// The command buttons enabled while browsing, and while editing.
const QString kBrowsing = QStringLiteral("New Edit Close");
const QString kEditing = QStringLiteral("Save Cancel Delete");

class EntryScreenTest : public BooksTest {
protected:
    EntryScreenTest();

    int categoryId(const QString& name) const { return m_categories.value(name); }
    TransactionScreen* openEntryScreen(const QString& name);
    TransactionScreen* openIncome() { return openEntryScreen(QStringLiteral("dlgIncome")); }
    TransactionScreen* openExpense() { return openEntryScreen(QStringLiteral("dlgExpense")); }
    // Entries as stored, by key: "type|category|ISO date|description|credit|debit".
    QStringList storedEntries() const;

private:
    QHash<QString, int> m_categories;
};

QLineEdit* lineEdit(const Screen* screen, const QString& name);
QComboBox* categoryBox(const Screen* screen);
DataGrid* grid(const Screen* screen);
// "New Edit Close" while browsing, "Save Cancel Delete" while editing.
QString modeButtons(const Screen* screen);
// The box's edit field as "text[selection]" with the highlighted part in
// brackets, or "te|xt" showing the caret when nothing is highlighted.
QString editState(const QComboBox* combo);

} // namespace quillmark::test
