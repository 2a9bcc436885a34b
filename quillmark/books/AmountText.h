#pragma once

// Amounts as the user types and reads them: in the user's locale, with its
// decimal point and digit grouping ("1,234.50" in a US locale).
#include "quillmark/data/Currency.h"

#include <QString>

namespace quillmark {

class AmountText {
public:
    // True when the text reads as a number in the user's locale (blanks
    // around it and the locale's currency symbol allowed) that money can
    // hold; the amount is then stored in *amount.
    static bool parse(const QString& text, Currency* amount);
    // Two decimals, leading digit, sign and grouping as the locale has them.
    static QString format(Currency amount);
};

} // namespace quillmark
