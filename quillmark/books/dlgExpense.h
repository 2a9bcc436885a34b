#pragma once

#include "quillmark/books/TransactionScreen.h"

namespace quillmark {

// The expense screen ("Expense View"): expense entries, amounts in Debit.
class dlgExpense : public TransactionScreen {
    Q_OBJECT
public:
    explicit dlgExpense(QWidget* parent = nullptr);

    static const TransactionKind& Kind();

    void cmdIncome_Click();
};

} // namespace quillmark
