#include "quillmark/data/SqliteStatement.h"

#include "quillmark/data/FieldValue.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/data/SqliteError.h"

#include <sqlite3.h>

#include <algorithm>

namespace quillmark {

SqliteStatement::SqliteStatement(sqlite3* db, const QString& sql) : m_db(db) {
    const QByteArray utf8 = sql.toUtf8();
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db, utf8.constData(), static_cast<int>(utf8.size()),
                                      &m_statement, &tail);
    if (rc != SQLITE_OK) {
        SqliteError::raise(db, rc);
    }
    if (!m_statement) {
        throw RuntimeError(errSyntax, QStringLiteral("The statement is empty."));
    }
    // The Jet layer already refuses a second statement; this guards the
    // statements the data layer builds itself.
    if (tail && QByteArray(tail).trimmed().size() > 0) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
        throw RuntimeError(errSyntax,
                           QStringLiteral("Characters found after end of SQL statement."));
    }
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(m_statement);
}

void SqliteStatement::bindParameters(const QVariantList& values, int callerCount) {
    const int all = sqlite3_bind_parameter_count(m_statement);
    const int count = callerCount < 0 ? all : std::min(all, callerCount);
    for (int i = 1; i <= count; ++i) {
        if (i > values.size()) {
            throw RuntimeError(errMissingParameter,
                               QStringLiteral("No value given for one or more required "
                                              "parameters."));
        }
        FieldValue::bind(m_statement, i, values.at(i - 1));
    }
}

void SqliteStatement::bind(int index, const QVariant& value) {
    FieldValue::bind(m_statement, index, value);
}

void SqliteStatement::bindKey(int index, std::optional<qint64> key) {
    if (key) {
        sqlite3_bind_int64(m_statement, index, *key);
    } else {
        sqlite3_bind_null(m_statement, index);
    }
}

bool SqliteStatement::step() {
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_DONE) {
        return false;
    }
    // The error code of the connection is more precise than the step's.
    const int code = sqlite3_errcode(m_db);
    const bool deleting =
        QByteArray(sqlite3_sql(m_statement)).trimmed().left(6).toUpper() == "DELETE";
    sqlite3_reset(m_statement);
    SqliteError::raise(m_db, code != SQLITE_OK ? code : rc, deleting);
}

void SqliteStatement::reset() {
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

int SqliteStatement::columnCount() const {
    return sqlite3_column_count(m_statement);
}

QString SqliteStatement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(m_statement, column));
}

QString SqliteStatement::columnDeclaredType(int column) const {
    return QString::fromUtf8(sqlite3_column_decltype(m_statement, column));
}

QVariant SqliteStatement::value(int column, FieldType type) const {
    return FieldValue::read(m_statement, column, type);
}

QByteArrayView SqliteStatement::utf8(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return text ? QByteArrayView(text, sqlite3_column_bytes(m_statement, column))
                : QByteArrayView();
}

qint64 SqliteStatement::int64(int column) const {
    return sqlite3_column_int64(m_statement, column);
}

bool SqliteStatement::isNull(int column) const {
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

bool SqliteStatement::isReadOnly() const {
    return sqlite3_stmt_readonly(m_statement) != 0;
}

} // namespace quillmark
