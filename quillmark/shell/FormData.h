#pragma once

#include "quillmark/shell/ControlRecord.h"

#include <QByteArray>
#include <QJsonObject>
#include <QSize>
#include <QString>

#include <vector>

namespace quillmark {

// A screen's saved form: caption, client size in twips, window style and the
// controls. Stored as JSON in the resources under ":/forms/<name>.json".
class FormData {
public:
    QString name;
    QString caption;
    int width = 0;  // client area, twips
    int height = 0; // client area, twips
    // "sizable" (default), "fixed" (no resizing) or "none" (no frame, no caption).
    QString borderStyle = QStringLiteral("sizable");
    QJsonObject properties;
    std::vector<ControlRecord> controls;

    // Throws RuntimeError when the JSON cannot be read or a control is malformed.
    static FormData fromJson(const QByteArray& json, const QString& where);
    // Reads ":/forms/<formName>.json"; throws RuntimeError when it is missing.
    static FormData load(const QString& formName);

    QSize sizePixels() const;
    // The control with this name at any depth, or nullptr.
    const ControlRecord* find(const QString& controlName) const;
};

} // namespace quillmark
