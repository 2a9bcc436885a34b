#include "quillmark/data/Connection.h"

#include "quillmark/data/Currency.h"
#include "quillmark/data/JetDate.h"
#include "quillmark/data/JetFunctions.h"
#include "quillmark/data/JetSql.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/data/Schema.h"
#include "quillmark/data/SqliteError.h"
#include "quillmark/data/SqliteStatement.h"
#include "quillmark/data/WriteSql.h"

#include <QFileInfo>
#include <QList>

#include <sqlite3.h>

namespace quillmark {

namespace {

const QLatin1String DataSourceKey("Data Source=");
const QLatin1String PersistKey(";Persist Security Info=");
const QLatin1String JetProvider("Provider=Microsoft.Jet.OLEDB.4.0");
// How long a statement waits for another program's lock on the file.
constexpr int BusyTimeoutMs = 3000;
// Room for the keys and index pages of a large company's lists (16 MB).
constexpr const char* PageCachePragma = "PRAGMA cache_size = -16384";
// Reads map the file instead of copying its pages (up to 1 GB): a walk over a
// large company's entries or a list sorted off its index then costs no system
// call per page. Writes still go through the journal as before.
constexpr const char* MemoryMapPragma = "PRAGMA mmap_size = 1073741824";

QString run(sqlite3* db, const char* text) {
    SqliteStatement statement(db, QString::fromLatin1(text));
    return statement.step() ? statement.value(0, FieldType::Text).toString() : QString();
}

// A save must survive a power cut once the user is told it is saved. In WAL
// mode the commit point is the sync of the log, which synchronous=FULL does
// on every commit; readers then never hold up a save. The last connection to
// close checkpoints the log and removes it, so a closed company file is one
// file again. Where WAL is not possible (a read-only file), the rollback
// journal with synchronous=EXTRA also syncs the journal's deletion, its
// commit point.
void makeSavesDurable(sqlite3* db) {
    const bool wal =
        run(db, "PRAGMA journal_mode = WAL").compare(QLatin1String("wal"), Qt::CaseInsensitive) ==
        0;
    run(db, wal ? "PRAGMA synchronous = FULL" : "PRAGMA synchronous = EXTRA");
}

} // namespace

struct Connection::Private {
    QString name;
    QString connectionString;
    sqlite3* db = nullptr;
    QList<Recordset*> recordsets;
    bool readHeld = false;
    bool releaseQueued = false;
};

Connection::Connection(QString name, QObject* parent) : QObject(parent), d(new Private) {
    d->name = std::move(name);
    setObjectName(d->name);
    Currency::registerMetaType();
    useStableLocalTimeZone();
}

Connection::~Connection() {
    for (Recordset* recordset : QList<Recordset*>(d->recordsets)) {
        recordset->connectionClosing();
    }
    if (d->db) {
        sqlite3_close_v2(d->db);
    }
}

QString Connection::Name() const {
    return d->name;
}

QString Connection::ConnectionString() const {
    return d->connectionString;
}

void Connection::setConnectionString(const QString& connectionString) {
    if (d->db) {
        throw RuntimeError(errObjectOpen,
                           QStringLiteral("Operation is not allowed when the object is open: close "
                                          "the connection before changing its connection string."));
    }
    d->connectionString = connectionString;
}

long Connection::State() const {
    return d->db ? adStateOpen : adStateClosed;
}

QString Connection::dataSourceOf(const QString& connectionString) {
    const qsizetype start = connectionString.indexOf(DataSourceKey, 0, Qt::CaseInsensitive);
    if (start < 0) {
        return {};
    }
    QString path = connectionString.mid(start + DataSourceKey.size());
    // The path may hold ';' itself, so only the last Persist part ends it.
    const qsizetype end = path.lastIndexOf(PersistKey, -1, Qt::CaseInsensitive);
    if (end >= 0) {
        path.truncate(end);
    }
    return path;
}

QString Connection::DataSource() const {
    return dataSourceOf(d->connectionString);
}

void Connection::Open(const QString& connectionString, const QString&, const QString&, long) {
    if (d->db) {
        throw RuntimeError(errObjectOpen,
                           QStringLiteral("Operation is not allowed when the object is open: the "
                                          "connection is already open."));
    }
    if (!connectionString.isEmpty()) {
        d->connectionString = connectionString;
    }
    const qsizetype sourceAt = d->connectionString.indexOf(DataSourceKey, 0, Qt::CaseInsensitive);
    const QString properties =
        sourceAt < 0 ? d->connectionString : d->connectionString.left(sourceAt);
    if (!properties.contains(JetProvider, Qt::CaseInsensitive)) {
        throw RuntimeError(errProvider, QStringLiteral("Provider cannot be found. It may not be "
                                                       "properly installed."));
    }
    const QString path = DataSource();
    if (path.isEmpty()) {
        throw RuntimeError(errInvalidArgument,
                           QStringLiteral("The connection string names no data file."));
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        throw RuntimeError(errFileNotFound, QStringLiteral("Could not find file '%1'.").arg(path));
    }
    if (info.isDir()) {
        throw RuntimeError(errNotADataFile,
                           QStringLiteral("'%1' is a folder, not a data file.").arg(path));
    }

    sqlite3* db = nullptr;
    // Never create a missing file: READWRITE without CREATE. A connection is
    // used by one thread only, so SQLite need not lock it on every call.
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString reason = SqliteError::describe(db, rc);
        sqlite3_close_v2(db);
        throw RuntimeError(
            errFileNotFound,
            QStringLiteral("The data file '%1' could not be opened: %2").arg(path, reason));
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, BusyTimeoutMs);
    try {
        Schema::verify(db, path);
        JetFunctions::registerAll(db);
        Schema::upgrade(db, path);
        makeSavesDurable(db);
        run(db, "PRAGMA foreign_keys = ON");
        run(db, PageCachePragma);
        run(db, MemoryMapPragma);
    } catch (const RuntimeError& error) {
        sqlite3_close_v2(db);
        if (error.number() == errFileLocked) {
            throw RuntimeError(errFileLocked, SqliteError::lockedFile(path));
        }
        throw;
    }
    d->db = db;
    emit stateChanged(adStateOpen);
}

void Connection::Close() {
    if (!d->db) {
        throw RuntimeError(errObjectClosed,
                           QStringLiteral("Operation is not allowed when the object is closed: the "
                                          "connection is not open."));
    }
    for (Recordset* recordset : QList<Recordset*>(d->recordsets)) {
        recordset->connectionClosing();
    }
    releaseReadTransaction();
    sqlite3_close_v2(d->db);
    d->db = nullptr;
    emit stateChanged(adStateClosed);
}

std::unique_ptr<Recordset> Connection::Execute(const QString& statement, long* recordsAffected,
                                               long) {
    if (!d->db) {
        throw RuntimeError(errObjectClosed,
                           QStringLiteral("Operation is not allowed when the object is closed: the "
                                          "connection is not open."));
    }
    if (recordsAffected) {
        *recordsAffected = 0;
    }
    const JetSql::Statement parsed = JetSql::parse(statement);
    if (parsed.kind == JetSql::Kind::Select) {
        auto recordset = std::make_unique<Recordset>();
        recordset->Open(statement, this, adOpenKeyset, adLockReadOnly);
        return recordset;
    }
    releaseReadTransaction();
    SqliteStatement prepared(d->db, WriteSql::translate(d->db, parsed));
    prepared.bindParameters({});
    while (prepared.step()) {
    }
    if (recordsAffected && parsed.kind != JetSql::Kind::Definition) {
        *recordsAffected = static_cast<long>(sqlite3_changes64(d->db));
    }
    notifyDataChanged();
    return nullptr;
}

sqlite3* Connection::handle() const {
    return d->db;
}

void Connection::registerRecordset(Recordset* recordset) {
    if (!d->recordsets.contains(recordset)) {
        d->recordsets.append(recordset);
    }
}

void Connection::unregisterRecordset(Recordset* recordset) {
    d->recordsets.removeAll(recordset);
}

void Connection::holdReadTransaction() {
    if (!d->db || d->readHeld || !sqlite3_get_autocommit(d->db)) {
        return;
    }
    run(d->db, "BEGIN");
    d->readHeld = true;
    if (!d->releaseQueued) {
        d->releaseQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                d->releaseQueued = false;
                releaseReadTransaction();
            },
            Qt::QueuedConnection);
    }
}

void Connection::releaseReadTransaction() {
    if (!d->readHeld) {
        return;
    }
    d->readHeld = false;
    // Only reads ran in it: ending it cannot lose anything.
    if (sqlite3_exec(d->db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        sqlite3_exec(d->db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void Connection::notifyDataChanged() {
    for (Recordset* recordset : QList<Recordset*>(d->recordsets)) {
        recordset->dropCachedRows();
    }
    emit dataChanged();
}

} // namespace quillmark
