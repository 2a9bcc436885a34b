#pragma once

// What a record set knows about its source statement: the fields in result
// order with their types and origins, the tables whose row keys make up the
// keyset, and the SQLite statements that read the keys (with an extra filter
// and order) and the values of one row. Statements whose rows are not table
// rows are read whole instead ("static" plans).
#include "quillmark/data/Field.h"
#include "quillmark/data/SelectSql.h"

#include <QString>

#include <memory>
#include <vector>

struct sqlite3;

namespace quillmark {

class SqliteStatement;

class QueryPlan {
public:
    using Column = SelectSql::Column; // sql: the value's SQLite expression, or the
                                      // quoted result name in a static plan
    using Table = SelectSql::Table;

    // source: a SELECT in the Jet dialect or a table name (always a table name
    // for adCmdTable). Throws RuntimeError when the statement fails to prepare.
    static std::shared_ptr<const QueryPlan> build(sqlite3* db, const QString& source,
                                                  long commandType);

    bool isKeyset() const { return m_keyset; }
    int parameterCount() const { return m_parameterCount; }
    const std::vector<Column>& columns() const { return m_columns; }
    const std::vector<Table>& tables() const { return m_tables; }
    int columnIndex(const QString& name) const;

    // Filter and sort are SQL fragments from filterSql() / sortSql(), or empty.
    QString keysetSql(const QString& filter, const QString& sort) const;
    // Reads one row by its keys (":k0", ":k1", ...); bit i of nullKeys set means
    // table i has no row in it (outer joins).
    QString fetchSql(quint32 nullKeys) const;
    // Static plans: all rows, the first column being the row's ordinal.
    QString staticSql(const QString& filter, const QString& sort) const;

    // ADO filter criteria ("CatCode = 7 AND CatName LIKE 'R*'") as SQL over the
    // fields; throws RuntimeError for anything but fields, literals and
    // comparisons.
    QString filterSql(const QString& criteria) const;
    // "Field [ASC|DESC], ..." as an ORDER BY list; throws for unknown fields.
    QString sortSql(const QString& sort) const;

private:
    QueryPlan() = default;
    void buildKeyset(const SelectSql& select);
    void buildStatic(const SqliteStatement& prepared, const SelectSql& select);

    bool m_keyset = false;
    int m_parameterCount = 0;
    std::vector<Column> m_columns;
    std::vector<Table> m_tables;
    QString m_fromSql;
    QString m_whereSql;
    QString m_orderSql;
    QString m_statementSql;
};

} // namespace quillmark
