#pragma once

// A SELECT in the Jet dialect as SQLite text, every expression in it
// translated with the types of its tables' columns known (money kept exact,
// see ExpressionTranslator), and what each result item is: its SQL, type,
// name and, for a plain column, the table column it reads.
#include "quillmark/data/ExpressionTranslator.h"
#include "quillmark/data/Field.h"
#include "quillmark/data/JetToken.h"
#include "quillmark/data/SelectStatement.h"
#include "quillmark/data/TableSchema.h"

#include <QString>

#include <optional>
#include <vector>

struct sqlite3;

namespace quillmark {

class SelectSql {
public:
    struct Column {
        QString name;
        QString sql; // the value's SQLite expression
        FieldType type = FieldType::Variant;
        long definedSize = 0;
        int table = -1; // index into tables() when the field is a column of that table
        QString baseColumn;
        bool autoKey = false;
    };
    struct Table {
        TableSchema schema;
        QString alias;
        QString keySql; // "alias".rowid
    };
    struct OrderTerm {
        QString sql;
        bool descending = false;
    };

    // tokens: a SELECT as JetSql::parse gives it. With itemTypes, item i is
    // converted to itemTypes[i] where that is Currency (INSERT ... SELECT
    // into money fields).
    SelectSql(sqlite3* db, std::vector<JetToken> tokens, std::vector<FieldType> itemTypes = {});

    const SelectStatement& statement() const { return m_select; }
    // Whether every table of FROM is a table of the file with row keys.
    bool tablesHaveRowKeys() const { return m_rowKeys; }
    const std::vector<Table>& tables() const { return m_tables; }
    // The result items with "*" expanded into table columns; nothing when a
    // star names no table of FROM.
    const std::optional<std::vector<Column>>& items() const { return m_items; }
    QString fromSql() const;
    QString whereSql() const;
    // ORDER BY with field names and positions replaced by the fields' SQL, as
    // a statement that lists other columns needs them.
    std::vector<OrderTerm> orderTerms() const;
    // The whole statement (TOP n becomes LIMIT n).
    QString text() const;
    // As a sub-query: the text and the type of the first field.
    ExpressionTranslator::Result asSubQuery() const;

private:
    void readTables();
    void readItems(const std::vector<FieldType>& itemTypes);
    const Column* column(const QString& qualifier, const QString& name) const;
    // The table column an expression of just a (qualified) name reads.
    const Column* namedColumn(const std::vector<size_t>& significant) const;
    std::optional<ExpressionTranslator::Name> resolve(const QString& qualifier, const QString& name,
                                                      bool aliases) const;
    ExpressionTranslator translator(bool replaceAliases) const;
    QString expression(SelectStatement::Range range, bool replaceAliases = false) const;
    QString expressionList(SelectStatement::Range range) const;
    QString selectList() const;
    QString clauseText(const SelectStatement::Clause& clause) const;

    sqlite3* m_db;
    SelectStatement m_select;
    std::vector<Table> m_tables;
    bool m_rowKeys = true;
    std::vector<Column> m_tableColumns; // every column of every table, for resolving names
    std::optional<std::vector<Column>> m_items;
    std::vector<QString> m_itemSql; // per select-list item (stars included as written)
};

} // namespace quillmark
