#pragma once

// A number as the decimal digits it shows with, rounded half away from zero
// to a fixed number of decimals. Every place that turns money or numbers into
// text (Currency, FORMAT, the locale's amounts) goes through it, so an amount
// reads the same everywhere and money never passes through a double.
#include <QString>

namespace quillmark {

struct DecimalText {
    bool negative = false; // only when a digit other than 0 remains
    QString whole;         // at least "0"; no grouping
    QString fraction;      // exactly the requested number of decimals

    // The value scaled / 10^scale (scale 0 to 18), any int64 included.
    static DecimalText fromScaled(qint64 scaled, int scale, int decimals);
    static DecimalText fromDouble(double value, int decimals);

    bool isZero() const { return whole == QLatin1String("0") && !hasFractionDigits(); }
    bool hasFractionDigits() const;
    // "1234.50", "-7": '.' as the point, no grouping.
    QString plain() const;
};

} // namespace quillmark
