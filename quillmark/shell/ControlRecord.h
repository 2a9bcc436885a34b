#pragma once

#include <QJsonObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace quillmark {

// One control of a screen's saved form data: kind, name, geometry in twips,
// caption, and every further key as stored (kinds such as a LumoKit button
// keep their own property bag there), with the controls it contains.
class ControlRecord {
public:
    QString kind;
    QString name;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    QString caption;
    QJsonObject properties;
    std::vector<ControlRecord> children;

    // Reads one control (and its children); throws RuntimeError on a record
    // without kind or name. where names the form for the error text.
    static ControlRecord fromJson(const QJsonObject& object, const QString& where);

    QRect geometryPixels() const;

    bool has(const QString& key) const { return properties.contains(key); }
    bool boolProperty(const QString& key, bool fallback) const;
    int intProperty(const QString& key, int fallback) const;
    QString stringProperty(const QString& key, const QString& fallback = {}) const;
    QStringList stringListProperty(const QString& key) const;
};

} // namespace quillmark
