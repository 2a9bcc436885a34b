#include "quillmark/data/DecimalText.h"

#include <algorithm>
#include <cmath>

namespace quillmark {

namespace {

quint64 powerOfTen(int exponent) {
    quint64 result = 1;
    for (int i = 0; i < exponent; ++i) {
        result *= 10;
    }
    return result;
}

} // namespace

DecimalText DecimalText::fromScaled(qint64 scaled, int scale, int decimals) {
    scale = std::clamp(scale, 0, 18);
    decimals = std::clamp(decimals, 0, 30);
    // The magnitude of the most negative value still fits unsigned.
    const quint64 magnitude =
        scaled < 0 ? quint64(0) - static_cast<quint64>(scaled) : static_cast<quint64>(scaled);
    const int kept = std::min(decimals, scale);
    const quint64 divisor = powerOfTen(scale - kept);
    quint64 rounded = magnitude / divisor;
    // Halves round away from zero; the sum stays below 2^64.
    if (divisor > 1 && (magnitude % divisor) * 2 >= divisor) {
        ++rounded;
    }
    const quint64 unit = powerOfTen(kept);
    DecimalText text;
    text.whole = QString::number(rounded / unit);
    text.fraction =
        kept > 0 ? QString::number(rounded % unit).rightJustified(kept, u'0') : QString();
    text.fraction = text.fraction.leftJustified(decimals, u'0');
    text.negative = scaled < 0 && rounded != 0;
    return text;
}

DecimalText DecimalText::fromDouble(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 30);
    const double scale = std::pow(10.0, decimals);
    // std::round rounds halves away from zero.
    const double rounded = std::round(std::fabs(value) * scale) / scale;
    const QString digits = QString::number(rounded, 'f', decimals);
    DecimalText text;
    text.whole = digits.section(u'.', 0, 0);
    text.fraction = digits.section(u'.', 1, 1);
    text.negative = value < 0 && rounded != 0;
    return text;
}

bool DecimalText::hasFractionDigits() const {
    return std::any_of(fraction.begin(), fraction.end(), [](QChar c) { return c != u'0'; });
}

QString DecimalText::plain() const {
    QString text = negative ? u'-' + whole : whole;
    if (!fraction.isEmpty()) {
        text += u'.' + fraction;
    }
    return text;
}

} // namespace quillmark
