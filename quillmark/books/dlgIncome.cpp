#include "quillmark/books/dlgIncome.h"

#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/XPButtonSite.h"

namespace quillmark {

const TransactionKind& dlgIncome::Kind() {
    static const TransactionKind kind{
        ScreenNames::dlgIncome,
        QStringLiteral("INC"),
        QStringLiteral("Credit"),
        QStringLiteral("Debit"),
        7,
        ScreenNames::dlgExpense,
        QStringLiteral("cmdIncome"),
        QStringLiteral("There are no income categories to choose from. Please add one on the "
                       "Categories screen and open this screen again."),
    };
    return kind;
}

dlgIncome::dlgIncome(QWidget* parent) : TransactionScreen(Kind(), parent) {
    connect(control<XPButtonSite>(QStringLiteral("cmdExpense")), &XPButtonSite::Click, this,
            &dlgIncome::cmdExpense_Click);
}

void dlgIncome::cmdExpense_Click() {
    openTwinScreen();
}

} // namespace quillmark
