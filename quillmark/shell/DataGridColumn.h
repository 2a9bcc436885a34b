#pragma once

#include <QString>
#include <QVariant>

namespace quillmark {

class DataGrid;

// A column of a data grid as the screens address it: Columns(i).Value() is
// the column's value in the current row, DataField() the field it shows.
class DataGridColumn {
public:
    DataGridColumn(const DataGrid* grid, int index) : m_grid(grid), m_index(index) {}

    int ColIndex() const { return m_index; }
    QString Caption() const;
    QString DataField() const;
    QString NumberFormat() const;
    bool Visible() const;
    // The stored value in the current row (null when there is no current
    // row); throws RuntimeError when the record set has no such field.
    QVariant Value() const;
    // The value as the grid shows it.
    QString Text() const;

private:
    const DataGrid* m_grid;
    int m_index;
};

} // namespace quillmark
