#pragma once

#include "quillmark/data/Recordset.h"
#include "quillmark/shell/DataGridColumn.h"
#include "quillmark/shell/GridColumn.h"

#include <QPointer>
#include <QTableView>

#include <vector>

namespace quillmark {

class RecordsetModel;

// The grid that lists a bound record set: fixed columns, read-only, one row
// per record. The grid and the record set share the current row: choosing a
// row moves the record set, moving the record set moves the grid. Raises
// Click, DblClick and HeadClick(ColIndex) to its screen.
class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    void setColumns(std::vector<GridColumn> columns);
    const std::vector<GridColumn>& columnList() const;
    int ColumnCount() const;
    // Throws RuntimeError for a position outside the column list.
    DataGridColumn Columns(int index) const;

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

    // For DataGridColumn.
    QVariant currentValue(int column) const;
    QString currentText(int column) const;

signals:
    void Click();
    void DblClick();
    void HeadClick(int ColIndex);

private:
    void applyColumnLayout();
    void followRecordset();
    void onCurrentRowChanged(const QModelIndex& current);
    void checkColumn(int index) const;

    RecordsetModel* m_model;
    QPointer<Recordset> m_recordset;
    QString m_dataMember;
    bool m_syncing = false;
};

} // namespace quillmark
