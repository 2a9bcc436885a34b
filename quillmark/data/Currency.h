#pragma once

// Exact money with four decimal places (ten-thousandths in a 64-bit integer),
// the way the books keep amounts: totals of many entries never drift. Every
// operation checks the range; nothing wraps around.
#include <QMetaType>
#include <QString>
#include <QVariant>

#include <compare>
#include <cstdint>

class QLocale;

namespace quillmark {

class Currency {
public:
    static constexpr qint64 Scale = 10000;

    constexpr Currency() = default;

    static constexpr Currency fromScaled(qint64 tenThousandths) {
        Currency c;
        c.m_scaled = tenThousandths;
        return c;
    }
    // Throws RuntimeError when units * 10000 does not fit.
    static Currency fromUnits(qint64 units);
    // Rounded to four places, ties away from zero. Throws RuntimeError for NaN,
    // infinity or values beyond the range of the type.
    static Currency fromDouble(double value);
    // Plain text such as "1234.5", "-0.10" or " 7 " (no grouping, '.' as the
    // decimal point; more than four decimals are rounded). Throws RuntimeError.
    static Currency fromString(const QString& text);
    // As fromString, but reports failure (also for amounts beyond
    // -922337203685477.5808 .. 922337203685477.5807) instead of throwing.
    static bool tryParse(const QString& text, Currency* result);
    // Accepts Currency, integers, doubles (rounded to four places), bool and
    // numeric text. Throws RuntimeError for anything else.
    static Currency fromVariant(const QVariant& value);

    static constexpr Currency max() { return fromScaled(INT64_MAX); }
    static constexpr Currency min() { return fromScaled(INT64_MIN); }

    constexpr qint64 scaled() const { return m_scaled; }
    double toDouble() const { return static_cast<double>(m_scaled) / Scale; }
    // Fixed decimals (0 to 4), '.' as the point, no grouping: "1234.50".
    QString toString(int decimals = 2) const;
    // As the locale writes numbers: its digits, grouping, point and sign
    // ("1,234.50" in the US, "1.234,50" in Germany).
    QString toLocaleString(const QLocale& locale, int decimals = 2) const;
    // As the locale writes amounts of its currency ("$1,234.50", "-$5.00").
    QString toCurrencyString(const QLocale& locale) const;
    QVariant toVariant() const;

    Currency operator-() const;
    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency& operator+=(Currency other);
    Currency& operator-=(Currency other);
    constexpr bool operator==(const Currency&) const = default;
    constexpr auto operator<=>(const Currency&) const = default;

    // Registers the converters QVariant uses (to double and to text); called
    // by the data layer, harmless to call again.
    static void registerMetaType();

private:
    qint64 m_scaled = 0;
};

} // namespace quillmark

Q_DECLARE_METATYPE(quillmark::Currency)
