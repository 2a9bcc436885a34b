#include "core/com/VariantCoercion.h"

#include <lumokit/ComInterfaces.h>
#include <lumokit/Picture.h>
#include <lumokit/StdFont.h>

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QLocale>
#include <QPixmap>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>

namespace lumokit {

namespace {

using Result = VariantCoercion::Result;

Result mismatch() {
    return {DISP_E_TYPEMISMATCH, {}};
}

Result overflow() {
    return {DISP_E_OVERFLOW, {}};
}

bool isNumericType(int typeId) {
    switch (typeId) {
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
    case QMetaType::Float:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

std::optional<double> parseNumber(const QString& text) {
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok) {
        return std::nullopt;
    }
    return v;
}

// The value as a number, as automation reads it: True is -1.
std::optional<double> numberOf(const QVariant& value) {
    const int typeId = value.metaType().id();
    if (typeId == QMetaType::Bool) {
        return value.toBool() ? -1.0 : 0.0;
    }
    if (isNumericType(typeId)) {
        return value.toDouble();
    }
    if (typeId == QMetaType::QString) {
        return parseNumber(value.toString());
    }
    return std::nullopt;
}

Result toInteger(const QVariant& value, double low, double high) {
    const auto number = numberOf(value);
    if (!number || std::isnan(*number)) {
        return {number ? DISP_E_OVERFLOW : DISP_E_TYPEMISMATCH, {}};
    }
    // Half to even, as automation rounds.
    const double rounded = std::nearbyint(*number);
    if (rounded < low || rounded > high) {
        return overflow();
    }
    return {S_OK, rounded};
}

Result toInt16(const QVariant& value) {
    Result r =
        toInteger(value, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
    if (r.hr == S_OK) {
        r.value = QVariant::fromValue(static_cast<qint16>(r.value.toDouble()));
    }
    return r;
}

Result toInt32(const QVariant& value) {
    Result r =
        toInteger(value, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    if (r.hr == S_OK) {
        r.value = QVariant::fromValue(static_cast<qint32>(r.value.toDouble()));
    }
    return r;
}

// Colours arrive signed (system colours such as &H8000000F read as negative
// 32-bit numbers) or unsigned; both mean the same 32 bits.
Result toColor(const QVariant& value) {
    Result r =
        toInteger(value, std::numeric_limits<qint32>::min(), std::numeric_limits<quint32>::max());
    if (r.hr == S_OK) {
        const auto wide = static_cast<qint64>(r.value.toDouble());
        r.value = QVariant::fromValue(static_cast<quint32>(wide));
    }
    return r;
}

Result toSingle(const QVariant& value) {
    const auto number = numberOf(value);
    if (!number) {
        return mismatch();
    }
    if (!std::isfinite(*number) || std::fabs(*number) > FLT_MAX) {
        return overflow();
    }
    return {S_OK, QVariant::fromValue(static_cast<float>(*number))};
}

Result toBool(const QVariant& value) {
    const int typeId = value.metaType().id();
    if (typeId == QMetaType::Bool) {
        return {S_OK, value.toBool()};
    }
    if (typeId == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
            return {S_OK, true};
        }
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
            return {S_OK, false};
        }
    }
    const auto number = numberOf(value);
    if (!number) {
        return mismatch();
    }
    return {S_OK, *number != 0.0};
}

Result toText(const QVariant& value) {
    const int typeId = value.metaType().id();
    if (typeId == QMetaType::QString) {
        return {S_OK, value};
    }
    if (typeId == QMetaType::Bool) {
        return {S_OK, value.toBool() ? QStringLiteral("True") : QStringLiteral("False")};
    }
    if (typeId == QMetaType::Float) {
        return {S_OK, QString::number(value.toFloat())};
    }
    if (isNumericType(typeId) || typeId == QMetaType::QByteArray) {
        return {S_OK, value.toString()};
    }
    return mismatch();
}

Result toObject(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<IDispatch*>()) {
        return {S_OK, value};
    }
    return mismatch();
}

// Fonts travel as QFont; the saved-font form converts.
Result toFont(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QFont>()) {
        return {S_OK, value};
    }
    if (value.metaType() == QMetaType::fromType<StdFont>()) {
        return {S_OK, value.value<StdFont>().toQFont()};
    }
    return mismatch();
}

Result toPicture(const QVariant& value) {
    const QMetaType type = value.metaType();
    if (type == QMetaType::fromType<Picture>()) {
        return {S_OK, value};
    }
    if (type == QMetaType::fromType<QImage>()) {
        return {S_OK, QVariant::fromValue(Picture::fromImage(value.value<QImage>()))};
    }
    if (type == QMetaType::fromType<QPixmap>()) {
        return {S_OK, QVariant::fromValue(Picture::fromImage(value.value<QPixmap>().toImage()))};
    }
    if (type == QMetaType::fromType<QIcon>()) {
        return {S_OK, QVariant::fromValue(Picture::fromIcon(value.value<QIcon>()))};
    }
    return mismatch();
}

} // namespace

QVariant VariantCoercion::emptyValue(const TypeRef& type) {
    switch (type.kind) {
    case VarKind::Void:
    case VarKind::Variant:
    case VarKind::Font:
        return {};
    case VarKind::Picture:
        return QVariant::fromValue(Picture());
    case VarKind::Bool:
        return false;
    case VarKind::Int16:
        return QVariant::fromValue(qint16(0));
    case VarKind::Int32:
    case VarKind::Enum:
        return QVariant::fromValue(qint32(0));
    case VarKind::Single:
        return QVariant::fromValue(0.0f);
    case VarKind::String:
        return QString();
    case VarKind::Color:
        return QVariant::fromValue(quint32(0));
    case VarKind::Object:
    case VarKind::DataObject:
        return QVariant::fromValue<IDispatch*>(nullptr);
    }
    return {};
}

QVariant VariantCoercion::missingValue(const TypeRef& type) {
    // An omitted optional Variant stays "missing" so the member can tell.
    return type.kind == VarKind::Variant ? QVariant() : emptyValue(type);
}

VariantCoercion::Result VariantCoercion::coerce(const QVariant& value, const TypeRef& type) {
    if (!value.isValid()) {
        return {S_OK, emptyValue(type)};
    }
    switch (type.kind) {
    case VarKind::Void:
        return {S_OK, {}};
    case VarKind::Variant:
        return {S_OK, value};
    case VarKind::Bool:
        return toBool(value);
    case VarKind::Int16:
        return toInt16(value);
    case VarKind::Int32:
    case VarKind::Enum:
        return toInt32(value);
    case VarKind::Single:
        return toSingle(value);
    case VarKind::String:
        return toText(value);
    case VarKind::Color:
        return toColor(value);
    case VarKind::Object:
    case VarKind::DataObject:
        return toObject(value);
    case VarKind::Font:
        return toFont(value);
    case VarKind::Picture:
        return toPicture(value);
    }
    return mismatch();
}

} // namespace lumokit
