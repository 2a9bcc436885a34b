#include "quillmark/data/FieldValue.h"

#include "quillmark/data/Currency.h"
#include "quillmark/data/JetDate.h"
#include "quillmark/data/RuntimeError.h"

#include <QDateTime>
#include <QRegularExpression>

#include <cmath>
#include <limits>

#include <sqlite3.h>

namespace quillmark {

namespace {

QString columnText(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(statement, column));
}

QVariant readInteger(sqlite3_stmt* statement, int column, bool wide) {
    qint64 value = 0;
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        value = sqlite3_column_int64(statement, column);
        break;
    case SQLITE_FLOAT:
        value = static_cast<qint64>(std::nearbyint(sqlite3_column_double(statement, column)));
        break;
    default: {
        bool ok = false;
        value = columnText(statement, column).trimmed().toLongLong(&ok);
        if (!ok) {
            return columnText(statement, column);
        }
    }
    }
    // A long integer reads as int; never truncate a larger stored value.
    if (!wide && value >= std::numeric_limits<int>::min() &&
        value <= std::numeric_limits<int>::max()) {
        return static_cast<int>(value);
    }
    return value;
}

// Money is an integer of ten-thousandths. A real number where money is
// expected is an integer result that went beyond 64 bits (SQLite turns those
// into reals rather than fail): it is reported, never shown rounded.
QVariant readCurrency(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return Currency::fromScaled(sqlite3_column_int64(statement, column)).toVariant();
    case SQLITE_FLOAT:
        throw RuntimeError(
            errOverflow,
            QStringLiteral("The amount %1 is too large for a money "
                           "value.")
                .arg(sqlite3_column_double(statement, column) / Currency::Scale, 0, 'f', 0));
    default: {
        Currency value;
        const QString text = columnText(statement, column);
        if (Currency::tryParse(text, &value)) {
            return value.toVariant();
        }
        return text;
    }
    }
}

QVariant readNatural(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return static_cast<qint64>(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(statement, column);
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, column)),
                          sqlite3_column_bytes(statement, column));
    default:
        return columnText(statement, column);
    }
}

bool isIntegral(const QVariant& value) {
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool isFloating(const QVariant& value) {
    return value.metaType().id() == QMetaType::Double || value.metaType().id() == QMetaType::Float;
}

bool isCurrency(const QVariant& value) {
    return value.metaType() == QMetaType::fromType<Currency>();
}

bool isText(const QVariant& value) {
    return value.metaType().id() == QMetaType::QString ||
           value.metaType().id() == QMetaType::QByteArray ||
           value.metaType().id() == QMetaType::QChar;
}

QString shown(const QVariant& value) {
    if (isCurrency(value)) {
        return value.value<Currency>().toString(4);
    }
    return value.toString();
}

[[noreturn]] void mismatch(const QVariant& value, const QString& kind, const QString& field) {
    throw RuntimeError(errTypeMismatch,
                       QStringLiteral("The value '%1' cannot be stored in the %2 field '%3'.")
                           .arg(shown(value), kind, field));
}

qint64 toWholeNumber(const QVariant& value, const QString& field) {
    if (value.metaType().id() == QMetaType::Bool) {
        return value.toBool() ? -1 : 0;
    }
    if (isIntegral(value)) {
        if (value.metaType().id() == QMetaType::ULongLong &&
            value.toULongLong() > static_cast<quint64>(std::numeric_limits<qint64>::max())) {
            throw RuntimeError(errOverflow,
                               QStringLiteral("The value %1 is too large for the field '%2'.")
                                   .arg(value.toString(), field));
        }
        return value.toLongLong();
    }
    double number = 0;
    if (isFloating(value)) {
        number = value.toDouble();
    } else if (isCurrency(value)) {
        number = value.value<Currency>().toDouble();
    } else if (isText(value)) {
        const QString text = value.toString().trimmed();
        bool ok = false;
        const qint64 whole = text.toLongLong(&ok);
        if (ok) {
            return whole;
        }
        number = text.toDouble(&ok);
        if (!ok || text.isEmpty()) {
            mismatch(value, QStringLiteral("number"), field);
        }
    } else {
        mismatch(value, QStringLiteral("number"), field);
    }
    if (!std::isfinite(number) || std::fabs(number) > 9.2e18) {
        throw RuntimeError(errOverflow,
                           QStringLiteral("The value %1 is too large for the field '%2'.")
                               .arg(shown(value), field));
    }
    // Whole-number fields round halves to even, as Jet does.
    return static_cast<qint64>(std::nearbyint(number));
}

QVariant wholeNumberInRange(const QVariant& value, qint64 low, qint64 high, const QString& field) {
    const qint64 number = toWholeNumber(value, field);
    if (number < low || number > high) {
        throw RuntimeError(errOverflow,
                           QStringLiteral("The value %1 is too large for the field '%2'.")
                               .arg(shown(value).trimmed(), field));
    }
    return number;
}

QVariant toBoolean(const QVariant& value, const QString& field) {
    if (value.metaType().id() == QMetaType::Bool) {
        return static_cast<qint64>(value.toBool() ? -1 : 0);
    }
    if (isIntegral(value) || isFloating(value)) {
        return static_cast<qint64>(value.toDouble() != 0 ? -1 : 0);
    }
    if (isText(value)) {
        const QString text = value.toString().trimmed().toLower();
        static const QStringList yes = {QStringLiteral("true"), QStringLiteral("yes"),
                                        QStringLiteral("on"), QStringLiteral("-1"),
                                        QStringLiteral("1")};
        static const QStringList no = {QStringLiteral("false"), QStringLiteral("no"),
                                       QStringLiteral("off"), QStringLiteral("0")};
        if (yes.contains(text)) {
            return static_cast<qint64>(-1);
        }
        if (no.contains(text)) {
            return static_cast<qint64>(0);
        }
    }
    mismatch(value, QStringLiteral("yes/no"), field);
}

QVariant toDateText(const QVariant& value, const QString& field) {
    switch (value.metaType().id()) {
    case QMetaType::QDateTime:
        if (value.toDateTime().isValid()) {
            return storedDateTimeText(value.toDateTime());
        }
        break;
    case QMetaType::QDate:
        if (value.toDate().isValid()) {
            return storedDateTimeText(QDateTime(value.toDate(), QTime(0, 0)));
        }
        break;
    case QMetaType::QString:
        if (const auto parsed = parseJetDateTime(value.toString())) {
            return storedDateTimeText(*parsed);
        }
        break;
    default:
        break;
    }
    throw RuntimeError(errTypeMismatch,
                       QStringLiteral("The value '%1' is not a valid date for the field '%2'.")
                           .arg(value.toString(), field));
}

QVariant toTextValue(const QVariant& value, long definedSize, const QString& field) {
    QString text;
    switch (value.metaType().id()) {
    case QMetaType::QDateTime:
        text = storedDateTimeText(value.toDateTime());
        break;
    case QMetaType::QDate:
        text = value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
        break;
    case QMetaType::Bool:
        text = value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        break;
    default:
        text = shown(value);
        break;
    }
    if (definedSize > 0 && text.size() > definedSize) {
        throw RuntimeError(errOverflow,
                           QStringLiteral("The text for the field '%1' is too long: it has %2 "
                                          "characters, at most %3 are allowed.")
                               .arg(field)
                               .arg(text.size())
                               .arg(definedSize));
    }
    return text;
}

} // namespace

FieldType FieldValue::typeOfDeclaration(const QString& declaredType) {
    const QString type = declaredType.trimmed().toUpper();
    if (type.isEmpty()) {
        return FieldType::Variant;
    }
    if (type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("TEXT")) ||
        type.contains(QLatin1String("CLOB")) || type.contains(QLatin1String("MEMO"))) {
        return FieldType::Text;
    }
    if (type.startsWith(QLatin1String("CURRENCY")) || type.startsWith(QLatin1String("MONEY"))) {
        return FieldType::Currency;
    }
    if (type.startsWith(QLatin1String("BOOL")) || type.startsWith(QLatin1String("YESNO")) ||
        type == QLatin1String("BIT")) {
        return FieldType::Boolean;
    }
    if (type.contains(QLatin1String("DATE")) || type.contains(QLatin1String("TIME"))) {
        return FieldType::DateTime;
    }
    if (type.startsWith(QLatin1String("SMALLINT")) || type.startsWith(QLatin1String("SHORT"))) {
        return FieldType::SmallInt;
    }
    if (type.startsWith(QLatin1String("BIGINT"))) {
        return FieldType::BigInt;
    }
    if (type.contains(QLatin1String("INT")) || type.startsWith(QLatin1String("LONG")) ||
        type.startsWith(QLatin1String("COUNTER"))) {
        return FieldType::Integer;
    }
    if (type.contains(QLatin1String("REAL")) || type.contains(QLatin1String("FLOA")) ||
        type.contains(QLatin1String("DOUB")) || type.contains(QLatin1String("NUMERIC")) ||
        type.contains(QLatin1String("DECIMAL"))) {
        return FieldType::Double;
    }
    return FieldType::Variant;
}

long FieldValue::sizeOfDeclaration(const QString& declaredType) {
    static const QRegularExpression size(QStringLiteral(R"(\(\s*(\d+)\s*\))"));
    if (typeOfDeclaration(declaredType) != FieldType::Text) {
        return 0;
    }
    const auto m = size.match(declaredType);
    return m.hasMatch() ? m.captured(1).toLong() : 0;
}

QVariant FieldValue::read(sqlite3_stmt* statement, int column, FieldType type) {
    if (sqlite3_column_type(statement, column) == SQLITE_NULL) {
        return {};
    }
    switch (type) {
    case FieldType::Text:
        return columnText(statement, column);
    case FieldType::Integer:
    case FieldType::SmallInt:
        return readInteger(statement, column, false);
    case FieldType::BigInt:
        return readInteger(statement, column, true);
    case FieldType::Boolean:
        return sqlite3_column_int64(statement, column) != 0;
    case FieldType::Currency:
        return readCurrency(statement, column);
    case FieldType::Double:
        return sqlite3_column_double(statement, column);
    case FieldType::DateTime: {
        const QString text = columnText(statement, column);
        if (const auto parsed = parseStoredDateTime(text)) {
            return *parsed;
        }
        return text;
    }
    case FieldType::Variant:
        break;
    }
    return readNatural(statement, column);
}

QVariant FieldValue::toStored(const QVariant& value, FieldType type, long definedSize,
                              const QString& fieldName) {
    if (!value.isValid() || value.isNull()) {
        return {};
    }
    switch (type) {
    case FieldType::Text:
        return toTextValue(value, definedSize, fieldName);
    case FieldType::SmallInt:
        return wholeNumberInRange(value, std::numeric_limits<qint16>::min(),
                                  std::numeric_limits<qint16>::max(), fieldName);
    case FieldType::Integer:
        return wholeNumberInRange(value, std::numeric_limits<qint32>::min(),
                                  std::numeric_limits<qint32>::max(), fieldName);
    case FieldType::BigInt:
        return toWholeNumber(value, fieldName);
    case FieldType::Boolean:
        return toBoolean(value, fieldName);
    case FieldType::Currency:
        try {
            return Currency::fromVariant(value).scaled();
        } catch (const RuntimeError& error) {
            if (error.number() == errOverflow) {
                throw RuntimeError(errOverflow,
                                   QStringLiteral("The amount %1 is too large for the field '%2'.")
                                       .arg(shown(value), fieldName));
            }
            mismatch(value, QStringLiteral("money"), fieldName);
        }
    case FieldType::Double: {
        bool ok = false;
        const double number = isCurrency(value) ? value.value<Currency>().toDouble()
                                                : value.toString().trimmed().toDouble(&ok);
        if (!isCurrency(value) && !(ok && std::isfinite(number))) {
            mismatch(value, QStringLiteral("number"), fieldName);
        }
        return number;
    }
    case FieldType::DateTime:
        return toDateText(value, fieldName);
    case FieldType::Variant:
        break;
    }
    if (isCurrency(value)) {
        return value.value<Currency>().toDouble();
    }
    if (value.metaType().id() == QMetaType::Bool) {
        return static_cast<qint64>(value.toBool() ? -1 : 0);
    }
    if (value.metaType().id() == QMetaType::QDateTime ||
        value.metaType().id() == QMetaType::QDate) {
        return toDateText(value, fieldName);
    }
    return value;
}

void FieldValue::bind(sqlite3_stmt* statement, int index, const QVariant& value) {
    if (!value.isValid() || value.isNull()) {
        sqlite3_bind_null(statement, index);
        return;
    }
    if (isCurrency(value)) {
        // As exact text: the statement makes it money again (qm_money) where
        // it meets money.
        const QByteArray text = value.value<Currency>().toString(4).toLatin1();
        sqlite3_bind_text64(statement, index, text.constData(),
                            static_cast<sqlite3_uint64>(text.size()), SQLITE_TRANSIENT,
                            SQLITE_UTF8);
        return;
    }
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        sqlite3_bind_int64(statement, index, value.toBool() ? -1 : 0);
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(statement, index, value.toDouble());
        return;
    case QMetaType::QDateTime:
        break;
    case QMetaType::QDate:
        break;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        sqlite3_bind_blob64(statement, index, bytes.constData(),
                            static_cast<sqlite3_uint64>(bytes.size()), SQLITE_TRANSIENT);
        return;
    }
    default:
        if (isIntegral(value)) {
            sqlite3_bind_int64(statement, index, value.toLongLong());
            return;
        }
        break;
    }
    QString text;
    if (value.metaType().id() == QMetaType::QDateTime) {
        text = storedDateTimeText(value.toDateTime());
    } else if (value.metaType().id() == QMetaType::QDate) {
        text = storedDateTimeText(QDateTime(value.toDate(), QTime(0, 0)));
    } else {
        text = value.toString();
    }
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text64(statement, index, utf8.constData(),
                        static_cast<sqlite3_uint64>(utf8.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
}

} // namespace quillmark
