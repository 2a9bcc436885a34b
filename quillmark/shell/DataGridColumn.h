#pragma once

#include <QHash>
#include <QJsonValue>
#include <QString>
#include <QVariant>

#include <vector>

class QLocale;

namespace quillmark {

// One fixed column of a data grid: caption, the record set field it shows,
// an optional display format ("Short Date" or "Currency"), a visible flag and
// an optional mapping of stored values to shown texts ("INC" -> "Income").
// Hidden columns still hold their values.
class DataGridColumn {
public:
    QString caption;
    QString dataField;
    QString numberFormat;
    bool visible = true;
    int width = 0; // twips; 0 leaves the grid's default
    QHash<QString, QString> valueMap;

    // Reads a "columns" array of the form data; throws RuntimeError when a
    // column has no data field.
    static std::vector<DataGridColumn> listFromJson(const QJsonValue& columns);

    // The text the grid shows for a value of this column.
    QString displayText(const QVariant& value, const QLocale& locale) const;
    bool isRightAligned() const;
};

} // namespace quillmark
