#include "quillmark/data/Currency.h"

#include "quillmark/data/RuntimeError.h"

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

} // namespace

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
    const QString trimmed = text.trimmed();
    const auto m = pattern.match(trimmed);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty())) {
        return false;
    }
    const QString whole = m.captured(2);
    QString fraction = m.captured(3);
    // Beyond the range of the type (and of a long long once scaled).
    if (whole.size() > 15 || (!whole.isEmpty() && whole.toLongLong() > MaxMagnitude)) {
        return false;
    }
    // Round away from zero on the fifth decimal, exactly, without a double.
    bool roundUp = fraction.size() > 4 && fraction.at(4) >= u'5';
    fraction = fraction.left(4).leftJustified(4, u'0');
    qint64 scaled = whole.isEmpty() ? 0 : whole.toLongLong() * Scale;
    scaled += fraction.toLongLong();
    if (roundUp) {
        ++scaled;
    }
    if (m.captured(1) == QLatin1String("-")) {
        scaled = -scaled;
    }
    if (result) {
        *result = fromScaled(scaled);
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
    case QMetaType::LongLong: {
        const qint64 units = value.toLongLong();
        if (units > MaxMagnitude || units < -MaxMagnitude) {
            overflow(QString::number(units));
        }
        return fromUnits(units);
    }
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const quint64 units = value.toULongLong();
        if (units > static_cast<quint64>(MaxMagnitude)) {
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
    decimals = std::clamp(decimals, 0, 4);
    qint64 magnitude = m_scaled < 0 ? -m_scaled : m_scaled;
    // Round away from zero to the requested decimals.
    qint64 divisor = 1;
    for (int i = decimals; i < 4; ++i) {
        divisor *= 10;
    }
    magnitude = (magnitude + divisor / 2) / divisor;
    qint64 unitDivisor = 1;
    for (int i = 0; i < decimals; ++i) {
        unitDivisor *= 10;
    }
    QString text = QString::number(magnitude / unitDivisor);
    if (decimals > 0) {
        text += u'.' + QString::number(magnitude % unitDivisor).rightJustified(decimals, u'0');
    }
    if (m_scaled < 0 && magnitude != 0) {
        text.prepend(u'-');
    }
    return text;
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
    return *this + (-other);
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
