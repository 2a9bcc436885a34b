#include "quillmark/shell/FormData.h"

#include "quillmark/data/RuntimeError.h"
#include "quillmark/shell/ShellErrors.h"
#include "quillmark/shell/Twips.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace quillmark {

namespace {

[[noreturn]] void throwBadForm(const QString& where, const QString& what) {
    throw RuntimeError(kErrorBadFormData, QStringLiteral("Form %1: %2").arg(where, what),
                       QStringLiteral("FormData"));
}

const ControlRecord* findIn(const std::vector<ControlRecord>& records, const QString& name) {
    for (const ControlRecord& record : records) {
        if (record.name == name) {
            return &record;
        }
        if (const ControlRecord* inner = findIn(record.children, name)) {
            return inner;
        }
    }
    return nullptr;
}

} // namespace

FormData FormData::fromJson(const QByteArray& json, const QString& where) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        throwBadForm(where, QStringLiteral("cannot read the form data (%1 at offset %2).")
                                .arg(error.errorString())
                                .arg(error.offset));
    }
    if (!document.isObject()) {
        throwBadForm(where, QStringLiteral("the form data is not an object."));
    }
    const QJsonObject object = document.object();
    FormData form;
    form.name = object.value(QStringLiteral("name")).toString(where);
    form.caption = object.value(QStringLiteral("caption")).toString();
    form.width = object.value(QStringLiteral("width")).toInt();
    form.height = object.value(QStringLiteral("height")).toInt();
    form.borderStyle = object.value(QStringLiteral("borderStyle")).toString(form.borderStyle);
    if (form.width <= 0 || form.height <= 0) {
        throwBadForm(where, QStringLiteral("the form has no size."));
    }
    for (auto it = object.begin(); it != object.end(); ++it) {
        static const QStringList known = {
            QStringLiteral("name"),   QStringLiteral("caption"),     QStringLiteral("width"),
            QStringLiteral("height"), QStringLiteral("borderStyle"), QStringLiteral("controls")};
        if (!known.contains(it.key())) {
            form.properties.insert(it.key(), it.value());
        }
    }
    const QJsonArray controls = object.value(QStringLiteral("controls")).toArray();
    for (const QJsonValue& control : controls) {
        form.controls.push_back(ControlRecord::fromJson(control.toObject(), where));
    }
    return form;
}

FormData FormData::load(const QString& formName) {
    QFile file(QStringLiteral(":/forms/%1.json").arg(formName));
    if (!file.open(QIODevice::ReadOnly)) {
        throwBadForm(formName, QStringLiteral("the form data is missing."));
    }
    return fromJson(file.readAll(), formName);
}

QSize FormData::sizePixels() const {
    return QSize(twipsToPixels(width), twipsToPixels(height));
}

const ControlRecord* FormData::find(const QString& controlName) const {
    return findIn(controls, controlName);
}

} // namespace quillmark
