#include "quillmark/data/JetFunctions.h"

#include "quillmark/data/Currency.h"
#include "quillmark/data/DecimalText.h"
#include "quillmark/data/ExpressionTranslator.h"
#include "quillmark/data/JetDate.h"
#include "quillmark/data/RuntimeError.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <optional>

#include <sqlite3.h>

namespace quillmark {

namespace {

QVariant argument(sqlite3_value* value) {
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
        return static_cast<qint64>(sqlite3_value_int64(value));
    case SQLITE_FLOAT:
        return sqlite3_value_double(value);
    case SQLITE_NULL:
        return {};
    default:
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(value)),
                                 sqlite3_value_bytes(value));
    }
}

void resultText(sqlite3_context* context, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text64(context, utf8.constData(), static_cast<sqlite3_uint64>(utf8.size()),
                          SQLITE_TRANSIENT, SQLITE_UTF8);
}

void resultVariant(sqlite3_context* context, const QVariant& value) {
    if (value.isNull()) {
        sqlite3_result_null(context);
    } else {
        resultText(context, value.toString());
    }
}

// A number to format: money exactly, anything else as a double.
class NumberToFormat {
public:
    explicit NumberToFormat(Currency money) : m_money(money), m_exact(true) {}
    explicit NumberToFormat(double number) : m_number(number) {}

    bool isNegative() const { return m_exact ? m_money.scaled() < 0 : m_number < 0; }
    // The magnitude, times 100 when a percentage, rounded to the decimals.
    DecimalText magnitude(int decimals, bool percent) const {
        DecimalText text =
            m_exact ? DecimalText::fromScaled(m_money.scaled(), percent ? 2 : 4, decimals)
                    : DecimalText::fromDouble(percent ? m_number * 100 : m_number, decimals);
        text.negative = false;
        return text;
    }

private:
    Currency m_money;
    double m_number = 0;
    bool m_exact = false;
};

// A digit pattern such as "000", "#,##0.00" or "$#,##0.00" applied to the
// number's magnitude; the caller decides about the sign.
QString formatMagnitude(const NumberToFormat& number, const QString& pattern, bool* zero) {
    static const QRegularExpression parts(
        QStringLiteral(R"(^([^0#,.%]*)([0#,]*)(?:\.([0#]*))?(%?)(.*)$)"));
    const auto m = parts.match(pattern);
    const QString prefix = m.captured(1);
    const QString integerPattern = m.captured(2);
    const QString decimalPattern = m.captured(3);
    const bool percent = !m.captured(4).isEmpty();
    const QString suffix = m.captured(5);
    const int minimumDigits = static_cast<int>(integerPattern.count(u'0'));
    const int fixedDecimals = static_cast<int>(decimalPattern.count(u'0'));

    const DecimalText digits = number.magnitude(static_cast<int>(decimalPattern.size()), percent);
    *zero = digits.isZero();
    QString whole = digits.whole;
    QString fraction = digits.fraction;
    while (fraction.size() > fixedDecimals && fraction.endsWith(u'0')) {
        fraction.chop(1);
    }
    if (whole == QLatin1String("0") && minimumDigits == 0) {
        whole.clear();
    }
    whole = whole.rightJustified(minimumDigits, u'0');
    if (integerPattern.contains(u',')) {
        for (qsizetype i = whole.size() - 3; i > 0; i -= 3) {
            whole.insert(i, u',');
        }
    }
    QString text = whole;
    if (!fraction.isEmpty() || pattern.contains(u'.')) {
        text += u'.' + fraction;
    }
    return prefix + text + (percent ? QStringLiteral("%") : QString()) + suffix;
}

// Up to three sections, "positive;negative;zero". A negative number takes
// the negative section without its sign, or the first with a '-'; a number
// that rounds to zero shows as zero, never as "-0.00".
QString formatNumber(const NumberToFormat& number, const QString& pattern) {
    const QStringList sections = pattern.split(u';');
    auto section = [&](int i) { return i < sections.size() ? sections.at(i) : QString(); };
    bool zero = false;
    QString text;
    if (number.isNegative() && !section(1).isEmpty()) {
        text = formatMagnitude(number, section(1), &zero);
    } else {
        text = formatMagnitude(number, section(0), &zero);
        if (number.isNegative() && !zero) {
            text.prepend(u'-');
        }
    }
    if (zero) {
        return formatMagnitude(NumberToFormat(Currency()),
                               section(2).isEmpty() ? section(0) : section(2), &zero);
    }
    return text;
}

std::optional<NumberToFormat> numberOf(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<Currency>()) {
        return NumberToFormat(value.value<Currency>());
    }
    if (value.metaType().id() == QMetaType::LongLong || value.metaType().id() == QMetaType::Int) {
        // Whole numbers are exact as money too, while they fit.
        Currency whole;
        if (Currency::tryParse(value.toString(), &whole)) {
            return NumberToFormat(whole);
        }
        return NumberToFormat(value.toDouble());
    }
    if (value.metaType().id() == QMetaType::Double) {
        return NumberToFormat(value.toDouble());
    }
    bool ok = false;
    const double number = value.toString().trimmed().toDouble(&ok);
    return ok ? std::optional<NumberToFormat>(NumberToFormat(number)) : std::nullopt;
}

QString formatDate(const QDateTime& value, const QString& pattern) {
    // VB date pattern letters; "m" right after an hour means minutes.
    static const QRegularExpression token(
        QStringLiteral("yyyy|yy|mmmm|mmm|mm|m|dddd|ddd|dd|d|hh|h|nn|n|ss|s|AM/PM|am/pm"),
        QRegularExpression::CaseInsensitiveOption);
    const QLocale c = QLocale::c();
    QString out;
    qsizetype pos = 0;
    bool afterHour = false;
    auto it = token.globalMatch(pattern);
    while (it.hasNext()) {
        const auto m = it.next();
        out += pattern.mid(pos, m.capturedStart() - pos);
        pos = m.capturedEnd();
        const QString t = m.captured().toLower();
        const QDate d = value.date();
        const QTime time = value.time();
        const bool pm = pattern.contains(QLatin1String("AM/PM"), Qt::CaseInsensitive);
        const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
        if (t == QLatin1String("yyyy")) {
            out += QString::number(d.year());
        } else if (t == QLatin1String("yy")) {
            out += QString::number(d.year() % 100).rightJustified(2, u'0');
        } else if (t == QLatin1String("mmmm")) {
            out += c.monthName(d.month());
        } else if (t == QLatin1String("mmm")) {
            out += c.monthName(d.month(), QLocale::ShortFormat);
        } else if (t == QLatin1String("mm") || t == QLatin1String("m")) {
            const int n = afterHour ? time.minute() : d.month();
            out += t.size() == 2 ? QString::number(n).rightJustified(2, u'0') : QString::number(n);
        } else if (t == QLatin1String("dddd")) {
            out += c.dayName(d.dayOfWeek());
        } else if (t == QLatin1String("ddd")) {
            out += c.dayName(d.dayOfWeek(), QLocale::ShortFormat);
        } else if (t == QLatin1String("dd")) {
            out += QString::number(d.day()).rightJustified(2, u'0');
        } else if (t == QLatin1String("d")) {
            out += QString::number(d.day());
        } else if (t == QLatin1String("hh") || t == QLatin1String("h")) {
            const int n = pm ? hour12 : time.hour();
            out += t.size() == 2 ? QString::number(n).rightJustified(2, u'0') : QString::number(n);
        } else if (t == QLatin1String("nn") || t == QLatin1String("n")) {
            out += t.size() == 2 ? QString::number(time.minute()).rightJustified(2, u'0')
                                 : QString::number(time.minute());
        } else if (t == QLatin1String("ss") || t == QLatin1String("s")) {
            out += t.size() == 2 ? QString::number(time.second()).rightJustified(2, u'0')
                                 : QString::number(time.second());
        } else {
            out += time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
        }
        afterHour = t.startsWith(u'h');
    }
    return out + pattern.mid(pos);
}

void formatFunction(sqlite3_context* context, int, sqlite3_value** values) {
    resultVariant(context,
                  JetFunctions::format(argument(values[0]), argument(values[1]).toString()));
}

// qm_money(x): a number (whole numbers are units) or text as money, in
// ten-thousandths; what does not fit or read as an amount is an error.
void moneyFunction(sqlite3_context* context, int, sqlite3_value** values) {
    try {
        switch (sqlite3_value_type(values[0])) {
        case SQLITE_NULL:
            sqlite3_result_null(context);
            return;
        case SQLITE_INTEGER:
            sqlite3_result_int64(context,
                                 Currency::fromUnits(sqlite3_value_int64(values[0])).scaled());
            return;
        case SQLITE_FLOAT:
            sqlite3_result_int64(context,
                                 Currency::fromDouble(sqlite3_value_double(values[0])).scaled());
            return;
        default:
            sqlite3_result_int64(context,
                                 Currency::fromString(argument(values[0]).toString()).scaled());
            return;
        }
    } catch (const RuntimeError& error) {
        const QByteArray message = error.description().toUtf8();
        sqlite3_result_error(context, message.constData(), static_cast<int>(message.size()));
    }
}

// FORMAT for money in ten-thousandths.
void formatMoneyFunction(sqlite3_context* context, int, sqlite3_value** values) {
    const QVariant value = sqlite3_value_type(values[0]) == SQLITE_INTEGER
                               ? Currency::fromScaled(sqlite3_value_int64(values[0])).toVariant()
                               : argument(values[0]);
    resultVariant(context, JetFunctions::format(value, argument(values[1]).toString()));
}

void nzFunction(sqlite3_context* context, int count, sqlite3_value** values) {
    sqlite3_value* chosen = values[0];
    if (sqlite3_value_type(values[0]) == SQLITE_NULL) {
        if (count < 2) {
            sqlite3_result_int(context, 0);
            return;
        }
        chosen = values[1];
    }
    sqlite3_result_value(context, chosen);
}

void caseFunction(sqlite3_context* context, int, sqlite3_value** values) {
    const QVariant value = argument(values[0]);
    if (value.isNull()) {
        sqlite3_result_null(context);
        return;
    }
    const bool upper = sqlite3_user_data(context) != nullptr;
    resultText(context, upper ? value.toString().toUpper() : value.toString().toLower());
}

} // namespace

QVariant JetFunctions::format(const QVariant& value, const QString& pattern) {
    if (value.isNull()) {
        return {};
    }
    const QString named = pattern.trimmed().toLower();
    const auto number = numberOf(value);
    const auto date = value.metaType().id() == QMetaType::QString
                          ? parseStoredDateTime(value.toString())
                          : std::nullopt;
    if (date) {
        if (named == QLatin1String("short date")) {
            return JetDateLiteralText(date->date());
        }
        if (named == QLatin1String("long date")) {
            return formatDate(*date, QStringLiteral("dddd, mmmm d, yyyy"));
        }
        if (named == QLatin1String("general date")) {
            return formatDate(*date, QStringLiteral("m/d/yyyy h:nn:ss AM/PM"));
        }
        if (!named.isEmpty() && !named.contains(u'0') && !named.contains(u'#')) {
            return formatDate(*date, pattern);
        }
    }
    if (!number) {
        return value.toString();
    }
    if (named.isEmpty() || named == QLatin1String("general number")) {
        // Money shows all its places and no more ("1.2345", "250").
        return value.metaType() == QMetaType::fromType<Currency>()
                   ? formatNumber(*number, QStringLiteral("0.####"))
                   : value.toString();
    }
    if (named == QLatin1String("fixed")) {
        return formatNumber(*number, QStringLiteral("0.00"));
    }
    if (named == QLatin1String("standard")) {
        return formatNumber(*number, QStringLiteral("#,##0.00"));
    }
    if (named == QLatin1String("percent")) {
        return formatNumber(*number, QStringLiteral("0.00%"));
    }
    return formatNumber(*number, pattern);
}

void JetFunctions::registerAll(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function_v2(db, "FORMAT", 2, flags, nullptr, formatFunction, nullptr, nullptr,
                               nullptr);
    sqlite3_create_function_v2(db, ExpressionTranslator::MoneyFunction, 1, flags, nullptr,
                               moneyFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, ExpressionTranslator::FormatMoneyFunction, 2, flags, nullptr,
                               formatMoneyFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "NZ", 1, flags, nullptr, nzFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "NZ", 2, flags, nullptr, nzFunction, nullptr, nullptr, nullptr);
    static int upperTag = 1;
    sqlite3_create_function_v2(db, "UCASE", 1, flags, &upperTag, caseFunction, nullptr, nullptr,
                               nullptr);
    sqlite3_create_function_v2(db, "LCASE", 1, flags, nullptr, caseFunction, nullptr, nullptr,
                               nullptr);
}

} // namespace quillmark
