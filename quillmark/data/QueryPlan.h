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
    using Order = std::vector<SelectSql::OrderTerm>;

    // source: a SELECT in the Jet dialect or a table name (always a table name
    // for adCmdTable). Throws RuntimeError when the statement fails to prepare.
    static std::shared_ptr<const QueryPlan> build(sqlite3* db, const QString& source,
                                                  long commandType);

    bool isKeyset() const { return m_keyset; }
    // Opened on a table name: all rows of one table.
    bool isWholeTable() const { return m_wholeTable; }
    int parameterCount() const { return m_parameterCount; }
    const std::vector<Column>& columns() const { return m_columns; }
    const std::vector<Table>& tables() const { return m_tables; }
    int columnIndex(const QString& name) const;

    // The keys of the rows in order. Filter is SQL from filterSql() or empty;
    // sort from sortOrder() or empty. Ties of a sort are broken by the
    // statement's own order (or the keys) in the sort's direction, so that an
    // index serves the whole order either way; terms that repeat the sort are
    // left out.
    QString keysetSql(const QString& filter, const Order& sort) const;
    // Reads up to `rows` rows by their keys in one statement: after the
    // statement's own parameters come, for each row, a number and the key of
    // each table (null for a row not to read). The first column of the result
    // is that number. Bit t of nullKeys set means table t may have no row in
    // some of them (outer joins).
    QString fetchSql(quint32 nullKeys, int rows) const;
    // Static plans: all rows, the first column being the row's ordinal.
    QString staticSql(const QString& filter, const Order& sort) const;

    // ADO filter criteria ("CatCode = 7 AND CatName LIKE 'R*'") as SQL over the
    // fields; throws RuntimeError for anything but fields, literals and
    // comparisons.
    QString filterSql(const QString& criteria) const;
    // "Field [ASC|DESC], ..." as order terms; throws for unknown fields.
    Order sortOrder(const QString& sort) const;

private:
    QueryPlan() = default;
    void buildKeyset(const SelectSql& select);
    void buildStatic(const SqliteStatement& prepared, const SelectSql& select);

    bool m_keyset = false;
    bool m_wholeTable = false;
    int m_parameterCount = 0;
    std::vector<Column> m_columns;
    std::vector<Table> m_tables;
    QString m_fromSql;
    QString m_whereSql;
    Order m_order; // the statement's own, or the keys when it has none
    QString m_statementSql;
};

} // namespace quillmark
