#pragma once

#include "quillmark/data/Recordset.h"
#include "quillmark/shell/DataGridColumn.h"

#include <QAbstractTableModel>
#include <QPointer>

#include <vector>

namespace quillmark {

// Read-only table over a bound record set: one row per record, one column
// per grid column. Values are read per visible cell through the record set's
// random-access read, so a record set of any size costs only its row count.
class RecordsetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RecordsetModel(QObject* parent = nullptr);

    void setColumns(std::vector<DataGridColumn> columns);
    const std::vector<DataGridColumn>& columns() const { return m_columns; }
    // Binds (or with nullptr unbinds) and reads the rows afresh.
    void setRecordset(Recordset* recordset);
    Recordset* recordset() const { return m_recordset; }
    // Reads the row count and field positions again.
    void reload();
    // The record set's field index that a grid column shows, or -1.
    int fieldIndexOf(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    bool isReadable() const;
    void resolveFields();
    void readRowCount();
    void onRowsInserted(long first, long last);
    void onRowChanged(long row);

    std::vector<DataGridColumn> m_columns;
    std::vector<int> m_fieldIndexes;
    QPointer<Recordset> m_recordset;
    int m_rowCount = 0;
};

} // namespace quillmark
