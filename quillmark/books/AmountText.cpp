#include "quillmark/books/AmountText.h"

#include "quillmark/data/RuntimeError.h"

#include <QLocale>

namespace quillmark {

namespace {

QString withoutCurrencySymbol(QString text, const QLocale& locale) {
    const QString symbol = locale.currencySymbol();
    if (symbol.isEmpty()) {
        return text;
    }
    if (text.startsWith(symbol)) {
        text.remove(0, symbol.size());
    } else if (text.endsWith(symbol)) {
        text.chop(symbol.size());
    }
    return text.trimmed();
}

// The same number in the plain form the money type reads exactly ("1234.50"),
// so that large amounts do not pass through a double.
QString plainNumber(const QString& text, const QLocale& locale) {
    QString plain = text;
    plain.remove(locale.groupSeparator());
    plain.replace(locale.decimalPoint(), QStringLiteral("."));
    plain.replace(locale.negativeSign(), QStringLiteral("-"));
    plain.replace(locale.positiveSign(), QStringLiteral("+"));
    return plain;
}

} // namespace

bool AmountText::parse(const QString& text, Currency* amount) {
    const QLocale locale;
    const QString number = withoutCurrencySymbol(text.trimmed(), locale);
    if (number.isEmpty()) {
        return false;
    }
    bool ok = false;
    const double value = locale.toDouble(number, &ok);
    if (!ok) {
        return false;
    }
    Currency exact;
    if (Currency::tryParse(plainNumber(number, locale), &exact)) {
        *amount = exact;
        return true;
    }
    try {
        // Forms such as "1e3" that only the locale reads.
        *amount = Currency::fromDouble(value);
        return true;
    } catch (const RuntimeError&) {
        return false; // beyond what money can hold
    }
}

QString AmountText::format(Currency amount) {
    return amount.toLocaleString(QLocale(), 2);
}

} // namespace quillmark
