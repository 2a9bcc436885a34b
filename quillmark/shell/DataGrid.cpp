#include "quillmark/shell/DataGrid.h"

#include "quillmark/data/Recordset.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/shell/ErrorTrap.h"
#include "quillmark/shell/RecordsetModel.h"
#include "quillmark/shell/Twips.h"

#include <QHeaderView>
#include <QLocale>

namespace quillmark {

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), m_model(new RecordsetModel(this)) {
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setWordWrap(false);
    setAlternatingRowColors(true);
    // Rows are never measured one by one: a fixed height keeps a record set
    // of any size cheap to show.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);

    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int logicalIndex) { emit HeadClick(logicalIndex); });
    // The header would flip its arrow by itself on a click; it shows the
    // record set's sort instead.
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            &DataGrid::showSortIndicator);
    connect(this, &QAbstractItemView::clicked, this, [this] { emit Click(); });
    connect(this, &QAbstractItemView::doubleClicked, this, [this] { emit DblClick(); });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { onCurrentRowChanged(current); });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        applyColumnLayout();
        showSortIndicator();
        followRecordset();
    });
}

DataGrid::~DataGrid() = default;

void DataGrid::setColumns(std::vector<DataGridColumn> columns) {
    m_model->setColumns(std::move(columns));
}

const std::vector<DataGridColumn>& DataGrid::columnList() const {
    return m_model->columns();
}

int DataGrid::ColumnCount() const {
    return static_cast<int>(m_model->columns().size());
}

void DataGrid::checkColumn(int index) const {
    if (index < 0 || index >= ColumnCount()) {
        throw RuntimeError(errInvalidArgument,
                           QStringLiteral("The grid has no column %1.").arg(index), objectName());
    }
}

DataGrid::Column DataGrid::Columns(int index) const {
    checkColumn(index);
    return Column(this, index);
}

QString DataGrid::HeaderSort(int ColIndex, const QString& lastSort) const {
    const QString field = Columns(ColIndex).DataField();
    const QString ascending = field + QStringLiteral(" ASC");
    return ascending == lastSort ? field + QStringLiteral(" DESC") : ascending;
}

void DataGrid::setDataSource(Recordset* recordset) {
    if (m_recordset) {
        disconnect(m_recordset, nullptr, this, nullptr);
    }
    m_recordset = recordset;
    if (m_recordset) {
        connect(m_recordset, &Recordset::currentChanged, this, &DataGrid::followRecordset);
    }
    m_model->setRecordset(recordset);
}

void DataGrid::applyColumnLayout() {
    const auto& columns = m_model->columns();
    int lastShown = -1;
    for (size_t i = 0; i < columns.size(); ++i) {
        setColumnHidden(static_cast<int>(i), !columns[i].visible);
        lastShown = columns[i].visible ? static_cast<int>(i) : lastShown;
    }
    // Header and contents fit (only the first rows are measured), never
    // narrower than the form asks; the last column fills the rest.
    for (int column = 0; column < lastShown; ++column) {
        if (isColumnHidden(column)) {
            continue;
        }
        const DataGridColumn& definition = columns[static_cast<size_t>(column)];
        resizeColumnToContents(column);
        setColumnWidth(column, qMax(columnWidth(column), twipsToPixels(definition.width)));
    }
}

void DataGrid::showSortIndicator() {
    QHeaderView* header = horizontalHeader();
    const QString sort = m_recordset && m_recordset->State() != adStateClosed
                             ? m_recordset->Sort().section(QLatin1Char(','), 0, 0).trimmed()
                             : QString();
    const QString field = sort.section(QLatin1Char(' '), 0, 0);
    const Qt::SortOrder order =
        sort.section(QLatin1Char(' '), 1, 1).compare(QLatin1String("DESC"), Qt::CaseInsensitive)
            ? Qt::AscendingOrder
            : Qt::DescendingOrder;
    int sorted = -1;
    for (int column = 0; !field.isEmpty() && column < ColumnCount(); ++column) {
        if (!isColumnHidden(column) && columnList()[static_cast<size_t>(column)].dataField.compare(
                                           field, Qt::CaseInsensitive) == 0) {
            sorted = column;
            break;
        }
    }
    if (header->sortIndicatorSection() != sorted || header->sortIndicatorOrder() != order) {
        header->setSortIndicator(sorted, order);
    }
}

void DataGrid::followRecordset() {
    if (m_syncing) {
        return;
    }
    m_syncing = true;
    const long position = m_recordset && m_recordset->State() != adStateClosed
                              ? m_recordset->AbsolutePosition()
                              : adPosUnknown;
    if (position >= 1 && position <= m_model->rowCount()) {
        int column = 0;
        while (column < ColumnCount() - 1 && isColumnHidden(column)) {
            ++column;
        }
        const QModelIndex current = m_model->index(static_cast<int>(position - 1), column);
        selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect |
                                                       QItemSelectionModel::Rows);
        scrollTo(current);
    } else {
        selectionModel()->clear();
    }
    m_syncing = false;
}

void DataGrid::onCurrentRowChanged(const QModelIndex& current) {
    if (m_syncing || !m_recordset || !current.isValid()) {
        return;
    }
    m_syncing = true;
    trapErrors([&] { m_recordset->setAbsolutePosition(current.row() + 1); });
    m_syncing = false;
}

qint32 DataGrid::Bookmark() const {
    if (!m_recordset || m_recordset->State() == adStateClosed || m_recordset->BOF() ||
        m_recordset->EOF()) {
        return 0;
    }
    return m_recordset->Bookmark();
}

void DataGrid::setBookmark(qint32 New_Bookmark) {
    if (New_Bookmark <= 0) {
        return;
    }
    if (!m_recordset) {
        throw RuntimeError(errObjectClosed, QStringLiteral("The grid is not bound to any rows."),
                           objectName());
    }
    m_recordset->setBookmark(New_Bookmark);
    followRecordset();
}

void DataGrid::ReBind() {
    m_model->reload();
}

void DataGrid::Refresh() {
    viewport()->update();
}

void DataGrid::SetFocus() {
    setFocus(Qt::OtherFocusReason);
}

QVariant DataGrid::currentValue(int column) const {
    checkColumn(column);
    if (!m_recordset || m_recordset->State() == adStateClosed) {
        return {};
    }
    const int field = m_model->fieldIndexOf(column);
    if (field < 0) {
        throw RuntimeError(errItemNotFound,
                           QStringLiteral("The rows shown have no field %1.")
                               .arg(m_model->columns()[static_cast<size_t>(column)].dataField),
                           objectName());
    }
    if (m_recordset->BOF() || m_recordset->EOF()) {
        return {};
    }
    return m_recordset->Fields(field).Value();
}

const DataGridColumn& DataGrid::Column::definition() const {
    return m_grid->columnList()[static_cast<size_t>(m_index)];
}

QVariant DataGrid::Column::Value() const {
    return m_grid->currentValue(m_index);
}

QString DataGrid::Column::Text() const {
    return definition().displayText(Value(), QLocale());
}

} // namespace quillmark
