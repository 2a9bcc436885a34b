#pragma once

#include "quillmark/books/TransactionScreen.h"

namespace quillmark {

// The income screen ("Income View"): income entries, amounts in Credit.
class dlgIncome : public TransactionScreen {
    Q_OBJECT
public:
    explicit dlgIncome(QWidget* parent = nullptr);

    static const TransactionKind& Kind();

    void cmdExpense_Click();
};

} // namespace quillmark
