#pragma once

// A prepared SQLite statement that finalizes itself; failures become
// RuntimeErrors with a readable description.
#include "quillmark/data/Field.h"

#include <QByteArrayView>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace quillmark {

class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, const QString& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    sqlite3_stmt* get() const { return m_statement; }

    // Binds the statement's numbered parameters ?1..?n from values, in order.
    // Throws RuntimeError when the statement needs more values than given.
    // With count, only the first count parameters are the caller's; the data
    // layer binds the others itself.
    void bindParameters(const QVariantList& values, int count = -1);
    void bind(int index, const QVariant& value);
    // A row key, or null.
    void bindKey(int index, std::optional<qint64> key);

    // True when a row is ready; false when done. Throws on failure.
    bool step();
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    QString columnDeclaredType(int column) const;
    QVariant value(int column, FieldType type) const;
    // A column's text as stored (UTF-8); null when the column is null.
    QByteArrayView utf8(int column) const;
    qint64 int64(int column) const;
    bool isNull(int column) const;
    // Whether the statement only reads (a SELECT).
    bool isReadOnly() const;

private:
    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
};

} // namespace quillmark
