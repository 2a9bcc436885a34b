#pragma once

#include "quillmark/data/Recordset.h"
#include "quillmark/shell/DataGridColumn.h"

#include <QPointer>
#include <QTableView>

#include <vector>

namespace quillmark {

class RecordsetModel;

// The grid that lists a bound record set: fixed columns, read-only, one row
// per record. The grid and the record set share the current row: choosing a
// row moves the record set, moving the record set moves the grid. Columns are
// as wide as their header and the rows shown need, and the header marks the
// column the record set is sorted by. Raises Click, DblClick and
// HeadClick(ColIndex) to its screen.
class DataGrid : public QTableView {
    Q_OBJECT
public:
    // A column as the screens address it: Columns(i).Value() is the column's
    // value in the current row, DataField() the field it shows.
    class Column {
    public:
        Column(const DataGrid* grid, int index) : m_grid(grid), m_index(index) {}
        const DataGridColumn& definition() const;
        QString DataField() const { return definition().dataField; }
        bool Visible() const { return definition().visible; }
        // The stored value in the current row (null when there is no current
        // row); throws RuntimeError when the record set has no such field.
        QVariant Value() const;
        // The value as the grid shows it.
        QString Text() const;

    private:
        const DataGrid* m_grid;
        int m_index;
    };

    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    void setColumns(std::vector<DataGridColumn> columns);
    const std::vector<DataGridColumn>& columnList() const;
    int ColumnCount() const;
    // Throws RuntimeError for a position outside the column list.
    Column Columns(int index) const;
    // The sort a click on a column header asks for: the column's field
    // ascending, or descending when lastSort already sorts it ascending.
    QString HeaderSort(int ColIndex, const QString& lastSort) const;

    // The named command whose record set the form binds the grid to.
    QString DataMember() const { return m_dataMember; }
    void setDataMember(const QString& New_DataMember) { m_dataMember = New_DataMember; }
    void setDataSource(Recordset* recordset);
    Recordset* DataSource() const { return m_recordset; }

    // The current row's bookmark, 0 when there is no current row.
    qint32 Bookmark() const;
    // Moves the current row to the row with this bookmark; 0 or less does
    // nothing. Throws RuntimeError when no row has it.
    void setBookmark(qint32 New_Bookmark);
    // Reads the bound record set again (after its command was re-run or
    // requeried) and repaints.
    void ReBind();
    // Repaints the rows shown.
    void Refresh();
    void SetFocus();

signals:
    void Click();
    void DblClick();
    void HeadClick(int ColIndex);

private:
    void applyColumnLayout();
    void showSortIndicator();
    void followRecordset();
    void onCurrentRowChanged(const QModelIndex& current);
    void checkColumn(int index) const;
    QVariant currentValue(int column) const;

    RecordsetModel* m_model;
    QPointer<Recordset> m_recordset;
    QString m_dataMember;
    bool m_syncing = false;
};

} // namespace quillmark
