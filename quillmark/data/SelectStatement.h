#pragma once

// The clauses of a SELECT in the Jet dialect, found at the statement's top
// level: the select list, the tables of the FROM clause, WHERE and ORDER BY.
// A statement whose rows are not rows of its tables (DISTINCT, GROUP BY,
// unions, TOP, sub-queries in FROM) is marked as not keyable.
#include "quillmark/data/JetToken.h"

#include <QString>

#include <vector>

namespace quillmark {

class SelectStatement {
public:
    struct Range {
        size_t begin = 0;
        size_t end = 0;
        bool empty() const { return begin >= end; }
    };
    struct Item {
        Range expression;
        QString alias;         // empty when none was written
        bool star = false;     // * or q.*
        QString starQualifier; // q of q.*
    };
    struct Table {
        QString name;
        QString alias; // the name when no alias was written
    };
    struct OrderTerm {
        Range expression;
        bool descending = false;
    };
    // A clause after the select list: its word ("FROM", "GROUP", "UNION", ...)
    // and what follows the word (after "BY" for GROUP BY and ORDER BY; to the
    // end of the statement for UNION, EXCEPT and INTERSECT).
    struct Clause {
        QString word;
        Range range;
    };

    // tokens: a SELECT statement as JetSql::parse gives it.
    explicit SelectStatement(std::vector<JetToken> tokens);

    const std::vector<JetToken>& tokens() const { return m_tokens; }
    bool isKeyable() const { return m_keyable; }
    bool isDistinct() const { return m_distinct; }
    // TOP n: the number of rows, else empty.
    QString top() const { return m_top; }
    const std::vector<Item>& items() const { return m_items; }
    const std::vector<Table>& tables() const { return m_tables; }
    Range from() const { return m_from; }
    Range where() const { return m_where; }
    const std::vector<OrderTerm>& order() const { return m_order; }
    const std::vector<Clause>& clauses() const { return m_clauses; }

private:
    void findClauses();
    void readSelectList(Range range);
    void readTables(Range range);
    void readOrder(Range range);
    bool isSubQueryStart(size_t i) const;

    std::vector<JetToken> m_tokens;
    bool m_keyable = true;
    bool m_distinct = false;
    QString m_top;
    std::vector<Item> m_items;
    std::vector<Table> m_tables;
    Range m_from;
    Range m_where;
    std::vector<OrderTerm> m_order;
    std::vector<Clause> m_clauses;
};

} // namespace quillmark
