#pragma once

// The store in which a control saves its design-time properties: typed
// values under names, kept in the order they were first written. A writer
// leaves a key out when the value equals its default; a reader gets the
// default for a missing or unusable key. Bags travel as JSON.
//
// Value types (as QVariant): int = 32-bit, short = 16-bit, bool, QString,
// OLE_COLOR (unsigned) = colour, StdFont or QFont = font, Picture.
// Header-only, so hosts that load the library at run time can fill bags.
#include <lumokit/Picture.h>
#include <lumokit/StdFont.h>
#include <lumokit/Types.h>

#include <QBuffer>
#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace lumokit {

class PropertyBag {
public:
    enum class Kind { Long, Integer, Boolean, String, Color, Font, Picture };

    // The stored value converted to the default's type; the default when the
    // key is missing, unusable or of an incompatible type. With no default
    // the stored value comes back as stored (invalid when missing).
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue = {}) const;

    // Stores the value, or removes the key when the value equals the
    // default. False (and nothing stored) for a value of no bag type.
    bool WriteProperty(const QString& name, const QVariant& value,
                       const QVariant& defaultValue = {});

    template <class T> T read(const QString& name, const T& defaultValue) const {
        return ReadProperty(name, QVariant::fromValue(defaultValue)).template value<T>();
    }

    bool contains(const QString& name) const { return find(name) != nullptr; }
    QStringList keys() const;
    std::optional<Kind> kind(const QString& name) const;
    int count() const { return static_cast<int>(m_entries.size()); }
    void clear() { m_entries.clear(); }

    QByteArray toJson(QJsonDocument::JsonFormat format = QJsonDocument::Indented) const;
    // A document that is not a bag gives an empty bag and a message; an
    // entry that cannot be used is kept as a key that reads as its default.
    static PropertyBag fromJson(const QByteArray& json, QString* errorMessage = nullptr);

    static std::optional<Kind> kindOf(const QVariant& value);
    static const char* kindName(Kind kind);

private:
    struct Entry {
        QString name;
        QVariant value; // invalid for an unusable entry read from JSON
        Kind kind;
    };

    const Entry* find(const QString& name) const;
    Entry* find(const QString& name);

    static std::optional<QVariant> normalized(const QVariant& value, Kind kind);
    static std::optional<QVariant> convert(const QVariant& stored, Kind from, Kind to);
    static std::optional<std::int64_t> integral(const QVariant& value, Kind kind);
    static std::optional<QVariant> fromIntegral(std::int64_t number, Kind to);
    static bool sameValue(const QVariant& a, const QVariant& b, Kind kind);

    static QJsonValue valueToJson(const QVariant& value, Kind kind);
    static std::optional<QVariant> valueFromJson(const QJsonValue& json, Kind kind);
    static std::optional<Kind> kindFromName(const QString& name);
    static std::optional<Kind> inferKind(const QJsonValue& json);
    static QJsonObject fontToJson(const StdFont& font);
    static std::optional<StdFont> fontFromJson(const QJsonObject& json);
    static QJsonObject pictureToJson(const Picture& picture);
    static std::optional<Picture> pictureFromJson(const QJsonObject& json);

    std::vector<Entry> m_entries;
};

// ---------------------------------------------------------------------------

inline QVariant PropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const {
    const Entry* entry = find(name);
    if (!entry || !entry->value.isValid()) {
        return defaultValue;
    }
    if (!defaultValue.isValid()) {
        return entry->value;
    }
    const std::optional<Kind> wanted = kindOf(defaultValue);
    if (!wanted) {
        return defaultValue;
    }
    const std::optional<QVariant> converted = convert(entry->value, entry->kind, *wanted);
    if (!converted) {
        return defaultValue;
    }
    // Fonts come back in the type the caller asked for.
    if (*wanted == Kind::Font && defaultValue.metaType() == QMetaType::fromType<QFont>()) {
        return converted->value<StdFont>().toQFont();
    }
    return *converted;
}

inline bool PropertyBag::WriteProperty(const QString& name, const QVariant& value,
                                       const QVariant& defaultValue) {
    const std::optional<Kind> kind = kindOf(value);
    if (!kind || name.isEmpty()) {
        return false;
    }
    const std::optional<QVariant> stored = normalized(value, *kind);
    if (!stored) {
        return false;
    }
    bool isDefault = false;
    if (defaultValue.isValid()) {
        const std::optional<Kind> defaultKind = kindOf(defaultValue);
        if (defaultKind) {
            const std::optional<QVariant> normalDefault = normalized(defaultValue, *defaultKind);
            const std::optional<QVariant> comparable =
                normalDefault ? convert(*normalDefault, *defaultKind, *kind) : std::nullopt;
            isDefault = comparable && sameValue(*stored, *comparable, *kind);
        }
    }
    Entry* entry = find(name);
    if (isDefault) {
        if (entry) {
            m_entries.erase(m_entries.begin() + (entry - m_entries.data()));
        }
        return true;
    }
    if (entry) {
        entry->value = *stored;
        entry->kind = *kind;
    } else {
        m_entries.push_back(Entry{name, *stored, *kind});
    }
    return true;
}

inline QStringList PropertyBag::keys() const {
    QStringList names;
    for (const Entry& entry : m_entries) {
        names.append(entry.name);
    }
    return names;
}

inline std::optional<PropertyBag::Kind> PropertyBag::kind(const QString& name) const {
    const Entry* entry = find(name);
    return entry ? std::optional<Kind>(entry->kind) : std::nullopt;
}

inline const PropertyBag::Entry* PropertyBag::find(const QString& name) const {
    for (const Entry& entry : m_entries) {
        if (entry.name.compare(name, Qt::CaseInsensitive) == 0) {
            return &entry;
        }
    }
    return nullptr;
}

inline PropertyBag::Entry* PropertyBag::find(const QString& name) {
    return const_cast<Entry*>(static_cast<const PropertyBag*>(this)->find(name));
}

inline std::optional<PropertyBag::Kind> PropertyBag::kindOf(const QVariant& value) {
    const QMetaType type = value.metaType();
    if (type == QMetaType::fromType<int>()) {
        return Kind::Long;
    }
    if (type == QMetaType::fromType<short>()) {
        return Kind::Integer;
    }
    if (type == QMetaType::fromType<bool>()) {
        return Kind::Boolean;
    }
    if (type == QMetaType::fromType<QString>()) {
        return Kind::String;
    }
    if (type == QMetaType::fromType<OLE_COLOR>()) {
        return Kind::Color;
    }
    if (type == QMetaType::fromType<StdFont>() || type == QMetaType::fromType<QFont>()) {
        return Kind::Font;
    }
    if (type == QMetaType::fromType<Picture>()) {
        return Kind::Picture;
    }
    return std::nullopt;
}

inline const char* PropertyBag::kindName(Kind kind) {
    switch (kind) {
    case Kind::Long:
        return "long";
    case Kind::Integer:
        return "integer";
    case Kind::Boolean:
        return "boolean";
    case Kind::String:
        return "string";
    case Kind::Color:
        return "color";
    case Kind::Font:
        return "font";
    case Kind::Picture:
        return "picture";
    }
    return "";
}

inline std::optional<PropertyBag::Kind> PropertyBag::kindFromName(const QString& name) {
    for (Kind kind : {Kind::Long, Kind::Integer, Kind::Boolean, Kind::String, Kind::Color,
                      Kind::Font, Kind::Picture}) {
        if (name == QLatin1String(kindName(kind))) {
            return kind;
        }
    }
    return std::nullopt;
}

// Values are kept as int, short, bool, QString, OLE_COLOR, StdFont, Picture.
inline std::optional<QVariant> PropertyBag::normalized(const QVariant& value, Kind kind) {
    if (kind == Kind::Font && value.metaType() == QMetaType::fromType<QFont>()) {
        return QVariant::fromValue(StdFont::fromQFont(value.value<QFont>()));
    }
    return value;
}

inline std::optional<std::int64_t> PropertyBag::integral(const QVariant& value, Kind kind) {
    switch (kind) {
    case Kind::Long:
        return value.value<int>();
    case Kind::Integer:
        return value.value<short>();
    case Kind::Boolean:
        return value.value<bool>() ? -1 : 0; // True is -1
    case Kind::Color:
        return value.value<OLE_COLOR>();
    default:
        return std::nullopt;
    }
}

inline std::optional<QVariant> PropertyBag::fromIntegral(std::int64_t number, Kind to) {
    switch (to) {
    case Kind::Long:
        // A colour read as a 32-bit number keeps its bits (0x8000000F is negative).
        if (number >= std::numeric_limits<std::int32_t>::min() &&
            number <= std::numeric_limits<std::uint32_t>::max()) {
            return QVariant::fromValue(static_cast<int>(static_cast<std::uint32_t>(number)));
        }
        return std::nullopt;
    case Kind::Integer:
        if (number >= std::numeric_limits<std::int16_t>::min() &&
            number <= std::numeric_limits<std::int16_t>::max()) {
            return QVariant::fromValue(static_cast<short>(number));
        }
        return std::nullopt;
    case Kind::Boolean:
        return QVariant::fromValue(number != 0);
    case Kind::Color:
        if (number >= std::numeric_limits<std::int32_t>::min() &&
            number <= std::numeric_limits<std::uint32_t>::max()) {
            return QVariant::fromValue(static_cast<OLE_COLOR>(static_cast<std::uint32_t>(number)));
        }
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

inline std::optional<QVariant> PropertyBag::convert(const QVariant& stored, Kind from, Kind to) {
    if (from == to) {
        return stored;
    }
    const std::optional<std::int64_t> number = integral(stored, from);
    if (!number) {
        return std::nullopt; // strings, fonts and pictures convert to nothing else
    }
    return fromIntegral(*number, to);
}

inline bool PropertyBag::sameValue(const QVariant& a, const QVariant& b, Kind kind) {
    switch (kind) {
    case Kind::Font:
        return a.value<StdFont>() == b.value<StdFont>();
    case Kind::Picture:
        return a.value<Picture>() == b.value<Picture>();
    case Kind::String:
        return a.toString() == b.toString();
    default:
        return integral(a, kind) == integral(b, kind);
    }
}

inline QByteArray PropertyBag::toJson(QJsonDocument::JsonFormat format) const {
    QJsonArray properties;
    for (const Entry& entry : m_entries) {
        if (!entry.value.isValid()) {
            continue; // unusable entries read from a damaged document are not carried on
        }
        QJsonObject item;
        item.insert(QStringLiteral("name"), entry.name);
        item.insert(QStringLiteral("type"), QLatin1String(kindName(entry.kind)));
        item.insert(QStringLiteral("value"), valueToJson(entry.value, entry.kind));
        properties.append(item);
    }
    QJsonObject root;
    root.insert(QStringLiteral("properties"), properties);
    return QJsonDocument(root).toJson(format);
}

inline PropertyBag PropertyBag::fromJson(const QByteArray& json, QString* errorMessage) {
    PropertyBag bag;
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    QJsonArray properties;
    if (document.isObject() && document.object().value(QStringLiteral("properties")).isArray()) {
        properties = document.object().value(QStringLiteral("properties")).toArray();
    } else if (document.isArray()) {
        properties = document.array();
    } else {
        if (errorMessage) {
            *errorMessage = parseError.error != QJsonParseError::NoError
                                ? parseError.errorString()
                                : QStringLiteral("not a property bag");
        }
        return bag;
    }
    for (const QJsonValue& itemValue : properties) {
        const QJsonObject item = itemValue.toObject();
        const QString name = item.value(QStringLiteral("name")).toString();
        if (name.isEmpty() || bag.find(name)) {
            continue;
        }
        const QJsonValue value = item.value(QStringLiteral("value"));
        const QJsonValue typeName = item.value(QStringLiteral("type"));
        const std::optional<Kind> kind =
            typeName.isUndefined() ? inferKind(value) : kindFromName(typeName.toString());
        std::optional<QVariant> stored = kind ? valueFromJson(value, *kind) : std::nullopt;
        bag.m_entries.push_back(
            Entry{name, stored ? *stored : QVariant(), kind ? *kind : Kind::String});
    }
    if (errorMessage) {
        errorMessage->clear();
    }
    return bag;
}

inline std::optional<PropertyBag::Kind> PropertyBag::inferKind(const QJsonValue& json) {
    if (json.isBool()) {
        return Kind::Boolean;
    }
    if (json.isDouble()) {
        return Kind::Long;
    }
    if (json.isString()) {
        return Kind::String;
    }
    if (json.isObject()) {
        return json.toObject().contains(QStringLiteral("png")) ? Kind::Picture : Kind::Font;
    }
    return std::nullopt;
}

inline QJsonValue PropertyBag::valueToJson(const QVariant& value, Kind kind) {
    switch (kind) {
    case Kind::Long:
        return value.value<int>();
    case Kind::Integer:
        return value.value<short>();
    case Kind::Boolean:
        return value.value<bool>();
    case Kind::String:
        return value.toString();
    case Kind::Color:
        return static_cast<qint64>(value.value<OLE_COLOR>());
    case Kind::Font:
        return fontToJson(value.value<StdFont>());
    case Kind::Picture:
        return pictureToJson(value.value<Picture>());
    }
    return {};
}

inline std::optional<QVariant> PropertyBag::valueFromJson(const QJsonValue& json, Kind kind) {
    switch (kind) {
    case Kind::Boolean:
        return json.isBool() ? std::optional<QVariant>(json.toBool()) : std::nullopt;
    case Kind::String:
        return json.isString() ? std::optional<QVariant>(json.toString()) : std::nullopt;
    case Kind::Long:
    case Kind::Integer:
    case Kind::Color: {
        double number = 0;
        if (json.isDouble()) {
            number = json.toDouble();
        } else if (kind == Kind::Color && json.isString()) {
            // Hand-written colours may be hexadecimal: "0x8000000F" or "&H8000000F".
            QString text = json.toString().trimmed();
            if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ||
                text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
                bool ok = false;
                number = static_cast<double>(text.mid(2).toULongLong(&ok, 16));
                if (!ok) {
                    return std::nullopt;
                }
            } else {
                return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
        if (!std::isfinite(number) || std::trunc(number) != number || std::fabs(number) > 1e12) {
            return std::nullopt;
        }
        return fromIntegral(static_cast<std::int64_t>(number), kind);
    }
    case Kind::Font: {
        const std::optional<StdFont> font =
            json.isObject() ? fontFromJson(json.toObject()) : std::nullopt;
        return font ? std::optional<QVariant>(QVariant::fromValue(*font)) : std::nullopt;
    }
    case Kind::Picture: {
        const std::optional<Picture> picture =
            json.isObject() ? pictureFromJson(json.toObject()) : std::nullopt;
        return picture ? std::optional<QVariant>(QVariant::fromValue(*picture)) : std::nullopt;
    }
    }
    return std::nullopt;
}

inline QJsonObject PropertyBag::fontToJson(const StdFont& font) {
    QJsonObject json;
    json.insert(QStringLiteral("family"), font.Name);
    json.insert(QStringLiteral("size"), font.Size);
    json.insert(QStringLiteral("bold"), font.Bold);
    json.insert(QStringLiteral("italic"), font.Italic);
    json.insert(QStringLiteral("underline"), font.Underline);
    json.insert(QStringLiteral("strikeout"), font.Strikethrough);
    json.insert(QStringLiteral("weight"), font.Weight);
    json.insert(QStringLiteral("charset"), font.Charset);
    return json;
}

inline std::optional<StdFont> PropertyBag::fontFromJson(const QJsonObject& json) {
    StdFont font;
    const auto isA = [&](const char* key, QJsonValue::Type type) {
        const QJsonValue value = json.value(QLatin1String(key));
        return value.isUndefined() || value.type() == type;
    };
    if (!isA("family", QJsonValue::String) || !isA("size", QJsonValue::Double) ||
        !isA("bold", QJsonValue::Bool) || !isA("italic", QJsonValue::Bool) ||
        !isA("underline", QJsonValue::Bool) || !isA("strikeout", QJsonValue::Bool) ||
        !isA("weight", QJsonValue::Double) || !isA("charset", QJsonValue::Double)) {
        return std::nullopt;
    }
    font.Name = json.value(QStringLiteral("family")).toString(font.Name);
    font.Size = json.value(QStringLiteral("size")).toDouble(font.Size);
    if (!std::isfinite(font.Size) || font.Size <= 0 || font.Size > 2048) {
        return std::nullopt;
    }
    const double weight = json.value(QStringLiteral("weight")).toDouble(font.Weight);
    const double charset = json.value(QStringLiteral("charset")).toDouble(font.Charset);
    if (weight < 0 || weight > 1000 || charset < 0 || charset > 255) {
        return std::nullopt;
    }
    font.setWeight(static_cast<std::int16_t>(weight));
    if (json.contains(QStringLiteral("bold")) &&
        json.value(QStringLiteral("bold")).toBool() != font.Bold) {
        font.setBold(json.value(QStringLiteral("bold")).toBool());
    }
    font.Italic = json.value(QStringLiteral("italic")).toBool();
    font.Underline = json.value(QStringLiteral("underline")).toBool();
    font.Strikethrough = json.value(QStringLiteral("strikeout")).toBool();
    font.Charset = static_cast<std::int16_t>(charset);
    return font;
}

inline QJsonObject PropertyBag::pictureToJson(const Picture& picture) {
    QJsonObject json;
    if (picture.isNull()) {
        json.insert(QStringLiteral("type"), QStringLiteral("none"));
        return json;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.image().save(&buffer, "PNG");
    json.insert(QStringLiteral("type"), picture.PictureType() == Picture::Icon
                                            ? QStringLiteral("icon")
                                            : QStringLiteral("bitmap"));
    json.insert(QStringLiteral("png"), QString::fromLatin1(png.toBase64()));
    return json;
}

inline std::optional<Picture> PropertyBag::pictureFromJson(const QJsonObject& json) {
    const QString type = json.value(QStringLiteral("type")).toString();
    if (type == QLatin1String("none")) {
        return Picture();
    }
    if (type != QLatin1String("icon") && type != QLatin1String("bitmap")) {
        return std::nullopt;
    }
    const QJsonValue png = json.value(QStringLiteral("png"));
    if (!png.isString()) {
        return std::nullopt;
    }
    const auto decoded = QByteArray::fromBase64Encoding(png.toString().toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    // Only a real PNG is handed to the decoder.
    if (!decoded || !(*decoded).startsWith("\x89PNG\r\n\x1a\n")) {
        return std::nullopt;
    }
    const QImage image = QImage::fromData(*decoded, "PNG");
    if (image.isNull()) {
        return std::nullopt;
    }
    return Picture::fromImage(image,
                              type == QLatin1String("icon") ? Picture::Icon : Picture::Bitmap);
}

} // namespace lumokit
