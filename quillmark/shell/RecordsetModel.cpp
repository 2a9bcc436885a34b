#include "quillmark/shell/RecordsetModel.h"

#include "quillmark/data/Recordset.h"

#include <QLocale>

#include <limits>

namespace quillmark {

RecordsetModel::RecordsetModel(QObject* parent) : QAbstractTableModel(parent) {}

void RecordsetModel::setColumns(std::vector<DataGridColumn> columns) {
    beginResetModel();
    m_columns = std::move(columns);
    resolveFields();
    endResetModel();
}

void RecordsetModel::setRecordset(Recordset* recordset) {
    if (m_recordset) {
        disconnect(m_recordset, nullptr, this, nullptr);
    }
    beginResetModel();
    m_recordset = recordset;
    if (m_recordset) {
        connect(m_recordset, &Recordset::rowsReset, this, &RecordsetModel::reload);
        connect(m_recordset, &Recordset::rowsInserted, this, &RecordsetModel::onRowsInserted);
        connect(m_recordset, &Recordset::rowChanged, this, &RecordsetModel::onRowChanged);
        connect(m_recordset, &QObject::destroyed, this, &RecordsetModel::reload);
    }
    resolveFields();
    readRowCount();
    endResetModel();
}

void RecordsetModel::reload() {
    beginResetModel();
    resolveFields();
    readRowCount();
    endResetModel();
}

bool RecordsetModel::isReadable() const {
    return m_recordset && m_recordset->State() != adStateClosed;
}

void RecordsetModel::resolveFields() {
    m_fieldIndexes.assign(m_columns.size(), -1);
    if (!isReadable()) {
        return;
    }
    for (size_t i = 0; i < m_columns.size(); ++i) {
        m_fieldIndexes[i] = m_recordset->fieldIndex(m_columns[i].dataField);
    }
}

void RecordsetModel::readRowCount() {
    m_rowCount = 0;
    if (!isReadable()) {
        return;
    }
    // A view holds its rows in int; larger record sets show their first rows.
    const long count = m_recordset->RecordCount();
    m_rowCount = static_cast<int>(qBound(0L, count, long(std::numeric_limits<int>::max())));
}

void RecordsetModel::onRowsInserted(long first, long last) {
    if (first < 0 || last < first || first > m_rowCount) {
        reload();
        return;
    }
    beginInsertRows(QModelIndex(), static_cast<int>(first), static_cast<int>(last));
    m_rowCount += static_cast<int>(last - first + 1);
    endInsertRows();
}

void RecordsetModel::onRowChanged(long row) {
    if (row < 0 || row >= m_rowCount || m_columns.empty()) {
        return;
    }
    const int r = static_cast<int>(row);
    emit dataChanged(index(r, 0), index(r, columnCount() - 1));
}

int RecordsetModel::fieldIndexOf(int column) const {
    if (column < 0 || static_cast<size_t>(column) >= m_fieldIndexes.size()) {
        return -1;
    }
    return m_fieldIndexes[static_cast<size_t>(column)];
}

int RecordsetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rowCount;
}

int RecordsetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant RecordsetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !isReadable()) {
        return {};
    }
    const DataGridColumn& column = m_columns[static_cast<size_t>(index.column())];
    if (role == Qt::TextAlignmentRole) {
        return column.isRightAligned() ? int(Qt::AlignRight | Qt::AlignVCenter)
                                       : int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const int field = fieldIndexOf(index.column());
    if (field < 0) {
        return {};
    }
    try {
        return column.displayText(m_recordset->value(index.row(), field), QLocale());
    } catch (const std::exception&) {
        // A row that cannot be read (its file closed meanwhile) shows empty;
        // the screen's next action reports the cause.
        return {};
    }
}

QVariant RecordsetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        static_cast<size_t>(section) >= m_columns.size()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return m_columns[static_cast<size_t>(section)].caption;
}

Qt::ItemFlags RecordsetModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    // Shown and selectable, never edited through the grid.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace quillmark
