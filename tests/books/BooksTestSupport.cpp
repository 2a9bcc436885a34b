#include "BooksTestSupport.h"

#include "quillmark/books/dlgCategories.h"
#include "quillmark/books/dlgCompanyInfo.h"
#include "quillmark/books/dlgExpense.h"
#include "quillmark/books/dlgIncome.h"
#include "quillmark/shell/Screens.h"

#include <QComboBox>
#include <QLineEdit>

namespace quillmark::test {

void registerTestedScreens() {
    Screens& screens = Screens::instance();
    screens.registerScreen(QStringLiteral("dlgCategories"), [] { return new dlgCategories; });
    screens.registerScreen(QStringLiteral("dlgCompanyInfo"), [] { return new dlgCompanyInfo; });
    screens.registerScreen(QStringLiteral("dlgIncome"), [] { return new dlgIncome; });
    screens.registerScreen(QStringLiteral("dlgExpense"), [] { return new dlgExpense; });
}

EntryScreenTest::EntryScreenTest() {
    execute(QStringLiteral("DELETE * FROM CATEGORIES WHERE CATTYPE='INC'"));
    const std::pair<int, QString> income[] = {{30, "Rent"}, {7, "Fees"}, {40, "Food"}};
    for (const auto& [code, name] : income) {
        m_categories.insert(name, addCategory(code, name, QStringLiteral("INC")));
    }
}

TransactionScreen* EntryScreenTest::openEntryScreen(const QString& name) {
    return qobject_cast<TransactionScreen*>(openScreen(name));
}

QStringList EntryScreenTest::storedEntries() const {
    return query(QStringLiteral(
        "SELECT t.CatType, c.CatName, t.TDate, t.Description, t.Credit, t.Debit FROM Transactions "
        "t, Categories c WHERE t.CategoryID = c.CategoryID ORDER BY t.TransactionID"));
}

QLineEdit* lineEdit(const Screen* screen, const QString& name) {
    return screen->control<QLineEdit>(name);
}

QComboBox* categoryBox(const Screen* screen) {
    return screen->control<QComboBox>(QStringLiteral("cboCatSource"));
}

DataGrid* grid(const Screen* screen) {
    return screen->control<DataGrid>(QStringLiteral("gridTrans"));
}

QString modeButtons(const Screen* screen) {
    return enabledButtons(screen,
                          {"cmdNew", "cmdEdit", "cmdClose", "cmdSave", "cmdCancel", "cmdDelete"});
}

QString editState(const QComboBox* combo) {
    const QLineEdit* edit = combo->lineEdit();
    const QString text = edit->text();
    if (edit->hasSelectedText()) {
        const int start = edit->selectionStart();
        const int length = static_cast<int>(edit->selectedText().size());
        return text.left(start) + '[' + text.mid(start, length) + ']' + text.mid(start + length);
    }
    return text.left(edit->cursorPosition()) + '|' + text.mid(edit->cursorPosition());
}

} // namespace quillmark::test
