#include "quillmark/shell/DataGridColumn.h"

#include "quillmark/shell/DataGrid.h"

namespace quillmark {

namespace {

const GridColumn& definition(const DataGrid* grid, int index) {
    return grid->columnList()[static_cast<size_t>(index)];
}

} // namespace

QString DataGridColumn::Caption() const {
    return definition(m_grid, m_index).caption;
}

QString DataGridColumn::DataField() const {
    return definition(m_grid, m_index).dataField;
}

QString DataGridColumn::NumberFormat() const {
    return definition(m_grid, m_index).numberFormat;
}

bool DataGridColumn::Visible() const {
    return definition(m_grid, m_index).visible;
}

QVariant DataGridColumn::Value() const {
    return m_grid->currentValue(m_index);
}

QString DataGridColumn::Text() const {
    return m_grid->currentText(m_index);
}

} // namespace quillmark
