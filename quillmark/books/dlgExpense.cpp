#include "quillmark/books/dlgExpense.h"

#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/XPButtonSite.h"

namespace quillmark {

const TransactionKind& dlgExpense::Kind() {
    static const TransactionKind kind{
        ScreenNames::dlgExpense,
        QStringLiteral("EXP"),
        QStringLiteral("Debit"),
        QStringLiteral("Credit"),
        8,
        ScreenNames::dlgIncome,
        QStringLiteral("cmdExpense"),
        QStringLiteral("There are no expense categories to choose from. Please add one on the "
                       "Categories screen and open this screen again."),
    };
    return kind;
}

dlgExpense::dlgExpense(QWidget* parent) : TransactionScreen(Kind(), parent) {
    connect(control<XPButtonSite>(QStringLiteral("cmdIncome")), &XPButtonSite::Click, this,
            &dlgExpense::cmdIncome_Click);
}

void dlgExpense::cmdIncome_Click() {
    openTwinScreen();
}

} // namespace quillmark
