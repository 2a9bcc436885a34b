#pragma once

// The rows a report prints: a fixed number of rows whose values are read by
// row and column. The engine reads them once in order to group and total
// them, and again to print detail rows: in order when printing, one page's
// rows at a time for a preview. It never keeps rows of its own.
#include <QString>
#include <QVariant>

namespace quillmark::report {

class RowSource {
public:
    virtual ~RowSource() = default;

    virtual long rowCount() const = 0;
    // -1 when the rows have no such field.
    virtual int columnIndex(const QString& field) const = 0;
    virtual QVariant value(long row, int column) const = 0;
};

} // namespace quillmark::report
