#include "quillmark/shell/ControlRecord.h"

#include "quillmark/data/RuntimeError.h"
#include "quillmark/shell/ShellErrors.h"
#include "quillmark/shell/Twips.h"

#include <QJsonArray>

namespace quillmark {

namespace {

const QString kKind = QStringLiteral("kind");
const QString kName = QStringLiteral("name");
const QString kLeft = QStringLiteral("left");
const QString kTop = QStringLiteral("top");
const QString kWidth = QStringLiteral("width");
const QString kHeight = QStringLiteral("height");
const QString kCaption = QStringLiteral("caption");
const QString kControls = QStringLiteral("controls");

[[noreturn]] void throwBadRecord(const QString& where, const QString& what) {
    throw RuntimeError(kErrorBadFormData, QStringLiteral("Form %1: %2").arg(where, what),
                       QStringLiteral("FormData"));
}

} // namespace

ControlRecord ControlRecord::fromJson(const QJsonObject& object, const QString& where) {
    ControlRecord record;
    record.kind = object.value(kKind).toString();
    record.name = object.value(kName).toString();
    if (record.kind.isEmpty() || record.name.isEmpty()) {
        throwBadRecord(where, QStringLiteral("a control has no kind or no name."));
    }
    record.left = object.value(kLeft).toInt();
    record.top = object.value(kTop).toInt();
    record.width = object.value(kWidth).toInt();
    record.height = object.value(kHeight).toInt();
    record.caption = object.value(kCaption).toString();
    if (record.width < 0 || record.height < 0) {
        throwBadRecord(where, QStringLiteral("control %1 has a negative size.").arg(record.name));
    }
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString& key = it.key();
        if (key != kKind && key != kName && key != kLeft && key != kTop && key != kWidth &&
            key != kHeight && key != kCaption && key != kControls) {
            record.properties.insert(key, it.value());
        }
    }
    const QJsonArray children = object.value(kControls).toArray();
    record.children.reserve(static_cast<size_t>(children.size()));
    for (const QJsonValue& child : children) {
        record.children.push_back(fromJson(child.toObject(), where));
    }
    return record;
}

QRect ControlRecord::geometryPixels() const {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

bool ControlRecord::boolProperty(const QString& key, bool fallback) const {
    return properties.value(key).toBool(fallback);
}

int ControlRecord::intProperty(const QString& key, int fallback) const {
    return properties.value(key).toInt(fallback);
}

QString ControlRecord::stringProperty(const QString& key, const QString& fallback) const {
    return properties.value(key).toString(fallback);
}

QStringList ControlRecord::stringListProperty(const QString& key) const {
    QStringList list;
    const QJsonArray array = properties.value(key).toArray();
    for (const QJsonValue& value : array) {
        list << value.toString();
    }
    return list;
}

} // namespace quillmark
