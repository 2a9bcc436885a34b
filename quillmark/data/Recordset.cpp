#include "quillmark/data/Recordset.h"

#include "quillmark/data/Connection.h"
#include "quillmark/data/Currency.h"
#include "quillmark/data/FieldValue.h"
#include "quillmark/data/JetDate.h"
#include "quillmark/data/JetSql.h"
#include "quillmark/data/QueryPlan.h"
#include "quillmark/data/RowBlocks.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/data/SqliteStatement.h"

#include <QPointer>

#include <limits>
#include <map>
#include <unordered_set>

#include <sqlite3.h>

namespace quillmark {

namespace {

constexpr qint64 NullKey = RowBlocks::NullKey;

[[noreturn]] void noCurrentRecord() {
    throw RuntimeError(errNoCurrentRecord,
                       QStringLiteral("Either BOF or EOF is True, or the current record has been "
                                      "deleted. Requested operation requires a current record."));
}

[[noreturn]] void closedObject() {
    throw RuntimeError(errObjectClosed,
                       QStringLiteral("Operation is not allowed when the object is closed."));
}

// The typed value a field reads back after an assignment (stored form in).
QVariant typedFromStored(const QVariant& stored, FieldType type) {
    if (stored.isNull()) {
        return {};
    }
    switch (type) {
    case FieldType::Currency:
        return Currency::fromScaled(stored.toLongLong()).toVariant();
    case FieldType::Boolean:
        return stored.toLongLong() != 0;
    case FieldType::Integer:
    case FieldType::SmallInt:
        return static_cast<int>(stored.toLongLong());
    case FieldType::DateTime:
        if (const auto parsed = parseStoredDateTime(stored.toString())) {
            return *parsed;
        }
        return stored;
    default:
        return stored;
    }
}

} // namespace

struct Recordset::Private {
    QPointer<Connection> connection;
    QString source;
    QVariantList parameters;
    long cursorType = adOpenKeyset;
    long lockType = adLockOptimistic;
    long options = -1;
    bool open = false;
    std::shared_ptr<const QueryPlan> plan;
    QString filter;
    QString sort;
    QString filterSql;
    QueryPlan::Order sortOrder;

    size_t stride = 1;
    std::vector<qint64> keys;
    std::vector<std::vector<QVariant>> staticRows;
    std::vector<qint32> staticBookmarks;
    long current = 0;

    long editMode = adEditNone;
    // Field index -> (value to store, value the field reads back).
    std::map<int, std::pair<QVariant, QVariant>> pending;

    RowBlocks cache;
    // The current row's values as read last, while the cache holds them.
    const QVariant* currentValues = nullptr;
    long currentValuesRow = -1;
    quint64 currentValuesGeneration = 0;
    std::vector<std::unique_ptr<Field>> fields;

    // A record set over a whole table reads its keys only when something asks
    // for its rows: opened to add a row, it reads none. Until then `keys`
    // holds only the rows it added, and addedRow is the one it stands on.
    bool keysLoaded = true;
    long addedRow = -1;

    long count() {
        if (!plan) {
            return 0;
        }
        if (!plan->isKeyset()) {
            return static_cast<long>(staticRows.size());
        }
        loadKeysOnUse();
        return static_cast<long>(keys.size() / stride);
    }
    bool standsOnUnlistedRow() const { return !keysLoaded && addedRow >= 0; }
    bool hasCurrentRow() {
        const long rows = count(); // first: reading the keys places the current row
        return open && current >= 0 && current < rows;
    }
    sqlite3* db() const { return connection ? connection->handle() : nullptr; }
    qint64 key(long row, size_t table) const {
        return keys[static_cast<size_t>(row) * stride + table];
    }

    void loadKeys() {
        // A fresh look at the file, shared by the rows read next.
        connection->releaseReadTransaction();
        connection->holdReadTransaction();
        SqliteStatement statement(db(), plan->keysetSql(filterSql, sortOrder));
        statement.bindParameters(parameters);
        std::vector<qint64> loaded;
        const int tables = static_cast<int>(stride);
        while (statement.step()) {
            for (int t = 0; t < tables; ++t) {
                loaded.push_back(statement.isNull(t) ? NullKey : statement.int64(t));
            }
        }
        loaded.shrink_to_fit();
        keys.swap(loaded);
        keysLoaded = true;
        addedRow = -1;
        cache.clear();
    }

    void loadKeysOnUse() {
        if (keysLoaded) {
            return;
        }
        // Rows added before stay at the end, as on a record set whose keys
        // were read at once.
        const std::vector<qint64> added = std::move(keys);
        const long standingOn = addedRow;
        loadKeys();
        const std::unordered_set<qint64> addedKeys(added.begin(), added.end());
        std::erase_if(keys, [&](qint64 key) { return addedKeys.count(key) > 0; });
        keys.insert(keys.end(), added.begin(), added.end());
        if (standingOn >= 0) {
            current = static_cast<long>((keys.size() - added.size()) / stride) + standingOn;
        }
    }
};

Recordset::Recordset(QObject* parent) : QObject(parent), d(new Private) {
    Currency::registerMetaType();
}

Recordset::~Recordset() {
    if (d->connection) {
        d->connection->unregisterRecordset(this);
    }
}

void Recordset::Open(const QString& source, Connection* activeConnection, long cursorType,
                     long lockType, long options) {
    OpenWithParameters(source, activeConnection, {}, cursorType, lockType, options);
}

void Recordset::OpenWithParameters(const QString& source, Connection* activeConnection,
                                   const QVariantList& parameters, long cursorType, long lockType,
                                   long options) {
    if (d->open) {
        throw RuntimeError(errObjectOpen,
                           QStringLiteral("Operation is not allowed when the object is open."));
    }
    if (!activeConnection || activeConnection->State() != adStateOpen) {
        throw RuntimeError(errObjectClosed,
                           QStringLiteral("The connection cannot be used to perform this "
                                          "operation. It is either closed or invalid in this "
                                          "context."));
    }
    auto plan = QueryPlan::build(activeConnection->handle(), source, options);
    if (plan->parameterCount() > parameters.size()) {
        throw RuntimeError(errMissingParameter,
                           QStringLiteral("No value given for one or more required parameters."));
    }
    d->connection = activeConnection;
    d->source = source;
    d->parameters = parameters;
    d->cursorType = cursorType;
    d->lockType = lockType;
    d->options = options;
    d->plan = std::move(plan);
    d->stride = d->plan->isKeyset() ? d->plan->tables().size() : 1;
    d->filter.clear();
    d->sort.clear();
    d->filterSql.clear();
    d->sortOrder.clear();
    d->cache.reset();
    d->keys.clear();
    d->keysLoaded = false;
    d->addedRow = -1;
    try {
        if (!(d->plan->isKeyset() && d->plan->isWholeTable())) {
            loadRows();
        }
    } catch (...) {
        d->plan.reset();
        d->connection = nullptr;
        throw;
    }
    d->fields.clear();
    for (size_t i = 0; i < d->plan->columns().size(); ++i) {
        d->fields.emplace_back(new Field(this, static_cast<int>(i)));
    }
    d->current = 0;
    d->editMode = adEditNone;
    d->pending.clear();
    d->open = true;
    activeConnection->registerRecordset(this);
    emit rowsReset();
    emit currentChanged();
}

void Recordset::loadRows() {
    sqlite3* db = d->db();
    if (d->plan->isKeyset()) {
        d->loadKeys();
    } else {
        SqliteStatement statement(db, d->plan->staticSql(d->filterSql, d->sortOrder));
        statement.bindParameters(d->parameters);
        std::vector<std::vector<QVariant>> rows;
        std::vector<qint32> bookmarks;
        const auto& columns = d->plan->columns();
        while (statement.step()) {
            bookmarks.push_back(static_cast<qint32>(statement.int64(0)));
            std::vector<QVariant> values;
            values.reserve(columns.size());
            for (size_t c = 0; c < columns.size(); ++c) {
                values.push_back(statement.value(static_cast<int>(c) + 1, columns[c].type));
            }
            rows.push_back(std::move(values));
        }
        d->staticRows.swap(rows);
        d->staticBookmarks.swap(bookmarks);
    }
    d->cache.clear();
}

void Recordset::Close() {
    if (!d->open) {
        closedObject();
    }
    closeRows();
}

void Recordset::closeRows() {
    d->open = false;
    d->editMode = adEditNone;
    d->pending.clear();
    d->keys = {};
    d->staticRows = {};
    d->staticBookmarks = {};
    d->cache.reset();
    d->fields.clear();
    d->plan.reset();
    d->current = 0;
    if (d->connection) {
        d->connection->unregisterRecordset(this);
    }
    emit rowsReset();
}

void Recordset::connectionClosing() {
    if (d->open) {
        closeRows();
    }
    d->connection = nullptr;
}

void Recordset::dropCachedRows() {
    d->cache.clear();
}

long Recordset::State() const {
    return d->open ? adStateOpen : adStateClosed;
}

QString Recordset::Source() const {
    return d->source;
}

Connection* Recordset::ActiveConnection() const {
    return d->connection;
}

long Recordset::CursorType() const {
    if (!d->plan) {
        return d->cursorType;
    }
    return d->plan->isKeyset() ? adOpenKeyset : adOpenStatic;
}

long Recordset::LockType() const {
    return d->plan && !d->plan->isKeyset() ? adLockReadOnly : d->lockType;
}

bool Recordset::EOF() const {
    requireOpen();
    if (d->editMode == adEditAdd) {
        return false;
    }
    return d->count() == 0 || d->current >= d->count();
}

bool Recordset::BOF() const {
    requireOpen();
    if (d->editMode == adEditAdd) {
        return false;
    }
    return d->count() == 0 || d->current < 0;
}

long Recordset::RecordCount() const {
    requireOpen();
    return d->count();
}

void Recordset::MoveFirst() {
    requireOpen();
    moveTo(0);
}

void Recordset::MoveLast() {
    requireOpen();
    moveTo(d->count() > 0 ? d->count() - 1 : 0);
}

void Recordset::MoveNext() {
    if (EOF()) {
        noCurrentRecord();
    }
    moveTo(d->current + 1);
}

void Recordset::MovePrevious() {
    if (BOF()) {
        noCurrentRecord();
    }
    moveTo(d->current - 1);
}

void Recordset::Move(long offset) {
    if ((offset > 0 && EOF()) || (offset < 0 && BOF())) {
        noCurrentRecord();
    }
    const long target = d->current + offset;
    moveTo(std::clamp(target, -1L, d->count()));
}

long Recordset::AbsolutePosition() const {
    requireOpen();
    if (d->count() == 0) {
        return adPosUnknown;
    }
    if (d->current < 0) {
        return adPosBOF;
    }
    if (d->current >= d->count()) {
        return adPosEOF;
    }
    return d->current + 1;
}

void Recordset::setAbsolutePosition(long position) {
    requireOpen();
    if (position < 1 || position > d->count()) {
        throw RuntimeError(errInvalidArgument,
                           QStringLiteral("The position %1 is outside the record set's %2 rows.")
                               .arg(position)
                               .arg(d->count()));
    }
    moveTo(position - 1);
}

qint32 Recordset::Bookmark() const {
    requireOpen();
    if (d->standsOnUnlistedRow()) {
        return static_cast<qint32>(d->key(d->addedRow, 0));
    }
    if (!d->hasCurrentRow()) {
        noCurrentRecord();
    }
    return bookmarkAt(d->current);
}

void Recordset::setBookmark(qint32 bookmark) {
    requireOpen();
    const long row = rowOfBookmark(bookmark);
    if (row < 0) {
        throw RuntimeError(
            errInvalidArgument,
            QStringLiteral("The bookmark %1 names no row of the record set.").arg(bookmark));
    }
    moveTo(row);
}

qint32 Recordset::bookmarkAt(long row) const {
    if (!d->open || row < 0 || row >= d->count()) {
        return 0;
    }
    if (!d->plan->isKeyset()) {
        return d->staticBookmarks[static_cast<size_t>(row)];
    }
    const qint64 key = d->key(row, 0);
    return key > 0 && key <= std::numeric_limits<qint32>::max() ? static_cast<qint32>(key) : 0;
}

long Recordset::rowOfBookmark(qint32 bookmark) const {
    if (!d->open || bookmark <= 0) {
        return -1;
    }
    const long rows = d->count();
    if (!d->plan->isKeyset()) {
        for (long row = 0; row < rows; ++row) {
            if (d->staticBookmarks[static_cast<size_t>(row)] == bookmark) {
                return row;
            }
        }
        return -1;
    }
    for (long row = 0; row < rows; ++row) {
        if (d->key(row, 0) == bookmark) {
            return row;
        }
    }
    return -1;
}

void Recordset::moveTo(long row) {
    if (d->editMode != adEditNone) {
        // Leaving a changed or new row writes it, as ADO does.
        Update();
    }
    if (row == d->current) {
        return;
    }
    d->current = row;
    emit currentChanged();
}

Field& Recordset::Fields(const QString& name) {
    requireOpen();
    const int index = fieldIndex(name);
    if (index < 0) {
        throw RuntimeError(errItemNotFound,
                           QStringLiteral("Item cannot be found in the collection corresponding to "
                                          "the requested name or ordinal: the record set has no "
                                          "field '%1'.")
                               .arg(name));
    }
    return *d->fields[static_cast<size_t>(index)];
}

Field& Recordset::Fields(int index) {
    requireOpen();
    if (index < 0 || index >= fieldCount()) {
        throw RuntimeError(errItemNotFound,
                           QStringLiteral("Item cannot be found in the collection corresponding to "
                                          "the requested name or ordinal: there is no field %1.")
                               .arg(index));
    }
    return *d->fields[static_cast<size_t>(index)];
}

int Recordset::fieldCount() const {
    return d->plan ? static_cast<int>(d->plan->columns().size()) : 0;
}

QString Recordset::fieldName(int index) const {
    if (index < 0 || index >= fieldCount()) {
        return {};
    }
    return d->plan->columns()[static_cast<size_t>(index)].name;
}

int Recordset::fieldIndex(const QString& name) const {
    return d->plan ? d->plan->columnIndex(name) : -1;
}

FieldType Recordset::fieldType(int index) const {
    if (index < 0 || index >= fieldCount()) {
        return FieldType::Variant;
    }
    return d->plan->columns()[static_cast<size_t>(index)].type;
}

long Recordset::fieldDefinedSize(int index) const {
    if (index < 0 || index >= fieldCount()) {
        return 0;
    }
    return d->plan->columns()[static_cast<size_t>(index)].definedSize;
}

bool Recordset::fieldUpdatable(int index) const {
    if (index < 0 || index >= fieldCount() || !isUpdatable()) {
        return false;
    }
    const QueryPlan::Column& column = d->plan->columns()[static_cast<size_t>(index)];
    return column.table >= 0 && !column.autoKey;
}

const QVariant* Recordset::rowValues(long row) const {
    if (!d->plan->isKeyset()) {
        return d->staticRows[static_cast<size_t>(row)].data();
    }
    std::optional<RowBlocks::Row> values = d->cache.find(row);
    if (!values) {
        d->connection->holdReadTransaction();
        RowBlocks::Source source;
        source.db = d->db();
        source.plan = d->plan.get();
        source.parameters = &d->parameters;
        // The rows listed, or those added to a whole table nobody has listed yet.
        source.rowCount = static_cast<long>(d->keys.size() / d->stride);
        source.keys = d->keys.data();
        values = d->cache.read(row, source);
    }
    return values->values;
}

QVariant Recordset::value(long row, int column) const {
    if (!d->open || row < 0 || row >= d->count() || column < 0 || column >= fieldCount()) {
        return {};
    }
    const QVariant* values = rowValues(row);
    return values ? values[column] : QVariant();
}

QVariant Recordset::fieldValue(int index) const {
    requireOpen();
    if (!d->pending.empty()) {
        const auto pending = d->pending.find(index);
        if (pending != d->pending.end()) {
            return pending->second.second;
        }
    }
    if (d->editMode == adEditAdd) {
        return {};
    }
    // A walk asks for the current row's fields one after another.
    if (d->currentValues && d->currentValuesRow == d->current &&
        d->currentValuesGeneration == d->cache.generation()) {
        return d->currentValues[index];
    }
    long row = d->addedRow;
    if (!d->standsOnUnlistedRow()) {
        if (!d->hasCurrentRow()) {
            noCurrentRecord();
        }
        row = d->current;
    }
    const QVariant* values = rowValues(row);
    if (!values) {
        noCurrentRecord();
    }
    if (d->plan->isKeyset() && row == d->current) {
        d->currentValues = values;
        d->currentValuesRow = row;
        d->currentValuesGeneration = d->cache.generation();
    }
    return values[index];
}

void Recordset::setFieldValue(int index, const QVariant& value) {
    requireOpen();
    requireUpdatable();
    const QueryPlan::Column& column = d->plan->columns()[static_cast<size_t>(index)];
    if (column.table < 0) {
        throw RuntimeError(errNotSupported,
                           QStringLiteral("The field '%1' is computed by the statement and cannot "
                                          "be changed.")
                               .arg(column.name));
    }
    if (column.autoKey) {
        throw RuntimeError(errNotSupported,
                           QStringLiteral("The field '%1' is assigned by the database and cannot "
                                          "be changed.")
                               .arg(column.name));
    }
    if (d->editMode == adEditNone && !d->hasCurrentRow()) {
        noCurrentRecord();
    }
    // Convert first: a value that does not fit changes nothing.
    const QVariant stored =
        FieldValue::toStored(value, column.type, column.definedSize, column.name);
    d->pending[index] = {stored, typedFromStored(stored, column.type)};
    if (d->editMode == adEditNone) {
        d->editMode = adEditInProgress;
    }
}

void Recordset::AddNew() {
    requireOpen();
    requireUpdatable();
    if (d->stride != 1) {
        throw RuntimeError(errNotSupported,
                           QStringLiteral("New rows can only be added to a record set that reads "
                                          "a single table."));
    }
    if (d->editMode != adEditNone) {
        Update();
    }
    d->pending.clear();
    d->editMode = adEditAdd;
}

void Recordset::Update() {
    requireOpen();
    if (d->editMode == adEditNone) {
        return;
    }
    if (d->editMode == adEditAdd) {
        insertRow();
    } else {
        updateRow();
    }
}

void Recordset::insertRow() {
    // Committed at once, never inside a read transaction.
    d->connection->releaseReadTransaction();
    const QueryPlan::Table& table = d->plan->tables().front();
    QStringList names;
    QStringList markers;
    QVariantList values;
    for (const auto& [index, value] : d->pending) {
        names << JetSql::quoteName(d->plan->columns()[static_cast<size_t>(index)].baseColumn);
        values << value.first;
        markers << u'?' + QString::number(values.size());
    }
    const QString target = JetSql::quoteName(table.schema.name);
    const QString sql =
        names.isEmpty()
            ? QStringLiteral("INSERT INTO ") + target + QStringLiteral(" DEFAULT VALUES")
            : QStringLiteral("INSERT INTO ") + target + QStringLiteral(" (") +
                  names.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (") +
                  markers.join(QStringLiteral(", ")) + u')';
    SqliteStatement statement(d->db(), sql);
    statement.bindParameters(values);
    statement.step();
    d->keys.push_back(sqlite3_last_insert_rowid(d->db()));
    d->editMode = adEditNone;
    d->pending.clear();
    d->connection->notifyDataChanged();
    if (!d->keysLoaded) {
        // Nobody lists these rows yet; where the new row stands is known
        // once they are read.
        d->addedRow = static_cast<long>(d->keys.size()) - 1;
        emit currentChanged();
        return;
    }
    d->current = d->count() - 1;
    emit rowsInserted(d->current, d->current);
    emit currentChanged();
}

void Recordset::updateRow() {
    if (!d->hasCurrentRow()) {
        noCurrentRecord();
    }
    // One UPDATE per table the changed fields come from, all or nothing.
    std::map<int, std::vector<int>> byTable;
    for (const auto& [index, value] : d->pending) {
        byTable[d->plan->columns()[static_cast<size_t>(index)].table].push_back(index);
    }
    sqlite3* db = d->db();
    d->connection->releaseReadTransaction();
    const bool several = byTable.size() > 1;
    auto run = [db](const char* sql) {
        SqliteStatement statement(db, QString::fromLatin1(sql));
        statement.step();
    };
    if (several) {
        run("SAVEPOINT quillmark_update");
    }
    try {
        for (const auto& [tableIndex, indexes] : byTable) {
            const QueryPlan::Table& table = d->plan->tables()[static_cast<size_t>(tableIndex)];
            const qint64 key = d->key(d->current, static_cast<size_t>(tableIndex));
            QStringList assignments;
            QVariantList values;
            for (int index : indexes) {
                values << d->pending[index].first;
                assignments << JetSql::quoteName(
                                   d->plan->columns()[static_cast<size_t>(index)].baseColumn) +
                                   QStringLiteral(" = ?") + QString::number(values.size());
            }
            values << (key == NullKey ? QVariant() : QVariant(key));
            SqliteStatement statement(
                db, QStringLiteral("UPDATE ") + JetSql::quoteName(table.schema.name) +
                        QStringLiteral(" SET ") + assignments.join(QStringLiteral(", ")) +
                        QStringLiteral(" WHERE rowid = ?") + QString::number(values.size()));
            statement.bindParameters(values);
            statement.step();
            if (sqlite3_changes(db) == 0) {
                throw RuntimeError(errRowVanished,
                                   QStringLiteral("The row could not be updated: it no longer "
                                                  "exists in table '%1' (it was deleted after it "
                                                  "was read).")
                                       .arg(table.schema.name));
            }
        }
    } catch (...) {
        if (several) {
            run("ROLLBACK TO quillmark_update");
            run("RELEASE quillmark_update");
        }
        throw;
    }
    if (several) {
        run("RELEASE quillmark_update");
    }
    d->editMode = adEditNone;
    d->pending.clear();
    d->connection->notifyDataChanged();
    emit rowChanged(d->current);
}

void Recordset::CancelUpdate() {
    requireOpen();
    d->editMode = adEditNone;
    d->pending.clear();
}

long Recordset::EditMode() const {
    return d->editMode;
}

bool Recordset::isUpdatable() const {
    return d->open && d->plan && d->plan->isKeyset() && d->lockType != adLockReadOnly;
}

QString Recordset::Filter() const {
    return d->filter;
}

void Recordset::setFilter(const QString& criteria) {
    requireOpen();
    requireNoPendingEdit();
    const QString trimmed = criteria.trimmed();
    const QString sql = trimmed.isEmpty() ? QString() : d->plan->filterSql(trimmed);
    const QString previousSql = d->filterSql;
    d->filterSql = sql;
    try {
        loadRows();
    } catch (const RuntimeError& error) {
        d->filterSql = previousSql;
        throw RuntimeError(error.number(), QStringLiteral("The filter '%1' cannot be applied: %2")
                                               .arg(criteria, error.description()));
    }
    d->filter = trimmed;
    d->current = 0;
    emit rowsReset();
    emit currentChanged();
}

QString Recordset::Sort() const {
    return d->sort;
}

void Recordset::setSort(const QString& sort) {
    requireOpen();
    requireNoPendingEdit();
    const QString trimmed = sort.trimmed();
    QueryPlan::Order order = trimmed.isEmpty() ? QueryPlan::Order() : d->plan->sortOrder(trimmed);
    const qint32 keep = d->hasCurrentRow() ? bookmarkAt(d->current) : 0;
    std::swap(order, d->sortOrder);
    try {
        loadRows();
    } catch (...) {
        d->sortOrder = std::move(order);
        throw;
    }
    d->sort = trimmed;
    // The current row stays current in its new place.
    const long row = keep > 0 ? rowOfBookmark(keep) : -1;
    d->current = row >= 0 ? row : 0;
    emit rowsReset();
    emit currentChanged();
}

void Recordset::Requery() {
    requireOpen();
    requireNoPendingEdit();
    loadRows();
    d->current = 0;
    emit rowsReset();
    emit currentChanged();
}

std::unique_ptr<Recordset> Recordset::Clone() const {
    requireOpen();
    auto clone = std::make_unique<Recordset>();
    Private& c = *clone->d;
    c.connection = d->connection;
    c.source = d->source;
    c.parameters = d->parameters;
    c.cursorType = d->cursorType;
    c.lockType = d->lockType;
    c.options = d->options;
    c.plan = d->plan;
    c.filter = d->filter;
    c.sort = d->sort;
    c.filterSql = d->filterSql;
    c.sortOrder = d->sortOrder;
    c.stride = d->stride;
    d->loadKeysOnUse();
    c.keys = d->keys;
    c.staticRows = d->staticRows;
    c.staticBookmarks = d->staticBookmarks;
    c.current = 0;
    for (size_t i = 0; i < d->fields.size(); ++i) {
        c.fields.emplace_back(new Field(clone.get(), static_cast<int>(i)));
    }
    c.open = true;
    if (d->connection) {
        d->connection->registerRecordset(clone.get());
    }
    return clone;
}

void Recordset::requireOpen() const {
    if (!d->open) {
        closedObject();
    }
}

void Recordset::requireUpdatable() const {
    if (!d->plan->isKeyset()) {
        throw RuntimeError(errNotSupported,
                           QStringLiteral("The record set cannot be changed: its rows are computed "
                                          "by the statement, not read from a table."));
    }
    if (d->lockType == adLockReadOnly) {
        throw RuntimeError(errNotSupported,
                           QStringLiteral("The record set was opened read-only and cannot be "
                                          "changed."));
    }
}

void Recordset::requireNoPendingEdit() const {
    if (d->editMode != adEditNone) {
        throw RuntimeError(errInvalidArgument,
                           QStringLiteral("The current row has changes that were not written: "
                                          "call Update or CancelUpdate first."));
    }
}

} // namespace quillmark
