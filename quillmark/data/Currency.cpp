#include "quillmark/data/Currency.h"

#include "quillmark/data/DecimalText.h"
#include "quillmark/data/RuntimeError.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace quillmark {

namespace {

// Beyond this a double no longer holds ten-thousandths exactly.
constexpr double MaxMagnitude = 922337203685477.0;

[[noreturn]] void overflow(const QString& what) {
    throw RuntimeError(errOverflow,
                       QStringLiteral("The amount %1 is too large for a money value.").arg(what));
}

qint64 checkedAdd(qint64 a, qint64 b) {
    qint64 result = 0;
    if (__builtin_add_overflow(a, b, &result)) {
        overflow(QStringLiteral("of the sum"));
    }
    return result;
}

// The locale's own digits for a run of ASCII digits.
QString localeDigits(const QString& digits, const QLocale& locale) {
    if (locale.zeroDigit() == QLatin1String("0")) {
        return digits;
    }
    QString text;
    for (const QChar digit : digits) {
        text += locale.toString(digit.digitValue());
    }
    return text;
}

QString localeText(const DecimalText& number, const QLocale& locale) {
    QString text = locale.toString(number.whole.toULongLong());
    if (!number.fraction.isEmpty()) {
        text += locale.decimalPoint() + localeDigits(number.fraction, locale);
    }
    return number.negative ? locale.negativeSign() + text : text;
}

// The decimals the locale shows with its currency (2 for dollars, 0 for yen).
int currencyDecimals(const QLocale& locale) {
    const QString zero = locale.toCurrencyString(0.0);
    for (int decimals = 4; decimals > 0; --decimals) {
        if (zero.contains(locale.toString(0.0, 'f', decimals))) {
            return decimals;
        }
    }
    return 0;
}

} // namespace

Currency Currency::fromUnits(qint64 units) {
    qint64 scaled = 0;
    if (__builtin_mul_overflow(units, Scale, &scaled)) {
        overflow(QString::number(units));
    }
    return fromScaled(scaled);
}

Currency Currency::fromDouble(double value) {
    if (!std::isfinite(value)) {
        throw RuntimeError(errTypeMismatch, QStringLiteral("The number is not a valid amount."));
    }
    if (std::fabs(value) > MaxMagnitude) {
        overflow(QString::number(value, 'f', 0));
    }
    // std::round rounds halves away from zero, as the books do.
    return fromScaled(static_cast<qint64>(std::round(value * Scale)));
}

bool Currency::tryParse(const QString& text, Currency* result) {
    static const QRegularExpression pattern(QStringLiteral(R"(^([+-])?(\d*)(?:\.(\d*))?$)"));
    const auto m = pattern.match(text.trimmed());
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty())) {
        return false;
    }
    const bool negative = m.captured(1) == QLatin1String("-");
    const QString fraction = m.captured(3);
    // The magnitude in ten-thousandths, unsigned so that the most negative
    // amount fits too; every step is checked against the type's range.
    const quint64 limit =
        static_cast<quint64>(std::numeric_limits<qint64>::max()) + quint64(negative);
    quint64 magnitude = 0;
    auto append = [&](int digit) {
        return !__builtin_mul_overflow(magnitude, quint64(10), &magnitude) &&
               !__builtin_add_overflow(magnitude, quint64(digit), &magnitude) && magnitude <= limit;
    };
    for (const QChar digit : m.captured(2)) {
        if (!append(digit.digitValue())) {
            return false;
        }
    }
    for (int i = 0; i < 4; ++i) {
        if (!append(i < fraction.size() ? fraction.at(i).digitValue() : 0)) {
            return false;
        }
    }
    // Round away from zero on the fifth decimal, exactly, without a double.
    if (fraction.size() > 4 && fraction.at(4).digitValue() >= 5 && ++magnitude > limit) {
        return false;
    }
    if (result) {
        // Unsigned negation wraps to the two's complement value, which for
        // 2^63 is the most negative amount.
        *result = fromScaled(static_cast<qint64>(negative ? quint64(0) - magnitude : magnitude));
    }
    return true;
}

Currency Currency::fromString(const QString& text) {
    Currency result;
    if (!tryParse(text, &result)) {
        throw RuntimeError(errTypeMismatch,
                           QStringLiteral("'%1' is not a valid amount.").arg(text));
    }
    return result;
}

Currency Currency::fromVariant(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<Currency>()) {
        return value.value<Currency>();
    }
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        // Jet's True is -1.
        return fromUnits(value.toBool() ? -1 : 0);
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return fromUnits(value.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const quint64 units = value.toULongLong();
        if (units > static_cast<quint64>(std::numeric_limits<qint64>::max())) {
            overflow(QString::number(units));
        }
        return fromUnits(static_cast<qint64>(units));
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return fromDouble(value.toDouble());
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return fromString(value.toString());
    default:
        break;
    }
    throw RuntimeError(errTypeMismatch,
                       value.isNull() ? QStringLiteral("An empty value is not a valid amount.")
                                      : QStringLiteral("A value of type %1 is not a valid amount.")
                                            .arg(QString::fromLatin1(value.typeName())));
}

QString Currency::toString(int decimals) const {
    return DecimalText::fromScaled(m_scaled, 4, std::clamp(decimals, 0, 4)).plain();
}

QString Currency::toLocaleString(const QLocale& locale, int decimals) const {
    return localeText(DecimalText::fromScaled(m_scaled, 4, std::clamp(decimals, 0, 4)), locale);
}

QString Currency::toCurrencyString(const QLocale& locale) const {
    const int decimals = currencyDecimals(locale);
    const DecimalText exact = DecimalText::fromScaled(m_scaled, 4, decimals);
    if (exact.isZero()) {
        return locale.toCurrencyString(0.0, QString(), decimals);
    }
    // The locale's pattern (symbol, sign, brackets) around the number as a
    // double shows it; the number itself is then put in exactly.
    const double approximate = toDouble();
    QString text = locale.toCurrencyString(approximate, QString(), decimals);
    const QString signedNumber = locale.toString(approximate, 'f', decimals);
    if (exact.negative && text.contains(signedNumber)) {
        return text.replace(signedNumber, localeText(exact, locale));
    }
    DecimalText magnitude = exact;
    magnitude.negative = false;
    return text.replace(locale.toString(std::fabs(approximate), 'f', decimals),
                        localeText(magnitude, locale));
}

Currency Currency::operator-() const {
    if (m_scaled == std::numeric_limits<qint64>::min()) {
        overflow(QStringLiteral("of the negation"));
    }
    return fromScaled(-m_scaled);
}

Currency Currency::operator+(Currency other) const {
    return fromScaled(checkedAdd(m_scaled, other.m_scaled));
}

Currency Currency::operator-(Currency other) const {
    qint64 result = 0;
    if (__builtin_sub_overflow(m_scaled, other.m_scaled, &result)) {
        overflow(QStringLiteral("of the difference"));
    }
    return fromScaled(result);
}

Currency& Currency::operator+=(Currency other) {
    return *this = *this + other;
}

Currency& Currency::operator-=(Currency other) {
    return *this = *this - other;
}

QVariant Currency::toVariant() const {
    registerMetaType();
    return QVariant::fromValue(*this);
}

void Currency::registerMetaType() {
    static const bool registered = [] {
        qRegisterMetaType<Currency>("quillmark::Currency");
        QMetaType::registerConverter<Currency, double>(&Currency::toDouble);
        QMetaType::registerConverter<Currency, QString>(
            [](const Currency& c) { return c.toString(2); });
        // So that value<Currency>() also reads numbers computed by a statement.
        QMetaType::registerConverter<double, Currency>(
            [](double value) { return Currency::fromDouble(value); });
        QMetaType::registerConverter<qlonglong, Currency>(
            [](qlonglong value) { return Currency::fromUnits(value); });
        QMetaType::registerConverter<int, Currency>(
            [](int value) { return Currency::fromUnits(value); });
        return true;
    }();
    Q_UNUSED(registered);
}

// Money in a QVariant converts to numbers and text from the start.
static void registerCurrencyAtStartup() {
    Currency::registerMetaType();
}
Q_CONSTRUCTOR_FUNCTION(registerCurrencyAtStartup)

} // namespace quillmark
