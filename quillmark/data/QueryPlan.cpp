#include "quillmark/data/QueryPlan.h"

#include "quillmark/data/ExpressionTranslator.h"
#include "quillmark/data/FieldValue.h"
#include "quillmark/data/JetLexer.h"
#include "quillmark/data/JetSql.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/data/SqliteStatement.h"

#include <algorithm>

namespace quillmark {

namespace {

const QString BookmarkColumn = QStringLiteral("\"__qm_bookmark\"");

std::vector<size_t> significantIn(const std::vector<JetToken>& tokens) {
    std::vector<size_t> result;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].isSignificant()) {
            result.push_back(i);
        }
    }
    return result;
}

} // namespace

std::shared_ptr<const QueryPlan> QueryPlan::build(sqlite3* db, const QString& source,
                                                  long commandType) {
    QString text = source;
    const std::vector<JetToken> sourceTokens = JetLexer::tokenize(source);
    const std::vector<size_t> sig = significantIn(sourceTokens);
    const bool tableName = commandType == 2 /* adCmdTable */ ||
                           (sig.size() == 1 && sourceTokens[sig.front()].isName() &&
                            !sourceTokens[sig.front()].isWord("SELECT"));
    if (tableName) {
        const QString name = sig.size() == 1 && sourceTokens[sig.front()].isName()
                                 ? sourceTokens[sig.front()].name()
                                 : source.trimmed();
        if (!TableSchema::read(db, name)) {
            throw RuntimeError(
                errSyntax,
                QStringLiteral("The table '%1' does not exist in the data file.").arg(name));
        }
        text = QStringLiteral("SELECT * FROM [%1]").arg(name);
    }
    JetSql::Statement statement = JetSql::parse(text);
    if (statement.kind != JetSql::Kind::Select) {
        throw RuntimeError(errInvalidArgument,
                           QStringLiteral("A record set can only be opened on a SELECT statement "
                                          "or a table name."));
    }
    std::shared_ptr<QueryPlan> plan(new QueryPlan);
    plan->m_wholeTable = tableName;
    plan->m_parameterCount = statement.parameterCount;
    const SelectSql select(db, std::move(statement.tokens));
    plan->m_statementSql = select.text();
    // Preparing checks tables, fields and syntax before anything else.
    const SqliteStatement prepared(db, plan->m_statementSql);
    if (select.statement().isKeyable() && select.tablesHaveRowKeys() && select.items() &&
        static_cast<int>(select.items()->size()) == prepared.columnCount()) {
        plan->buildKeyset(select);
    } else {
        plan->buildStatic(prepared, select);
    }
    return plan;
}

void QueryPlan::buildKeyset(const SelectSql& select) {
    m_columns = *select.items();
    m_tables = select.tables();
    m_fromSql = select.fromSql();
    m_whereSql = select.whereSql();
    for (const SelectSql::OrderTerm& term : select.orderTerms()) {
        m_order.push_back({u'(' + term.sql + u')', term.descending});
    }
    // Without an order of its own the statement lists rows by key, so that
    // the order stays the same from one run to the next. Ties of an explicit
    // order keep the index order; adding the keys there would cost a sort.
    if (m_order.empty()) {
        for (const Table& table : m_tables) {
            m_order.push_back({table.keySql, false});
        }
    }
    m_keyset = true;
}

void QueryPlan::buildStatic(const SqliteStatement& prepared, const SelectSql& select) {
    m_keyset = false;
    m_columns.clear();
    // Computed items (sums of money, ...) take the type of their expression
    // when the select list maps one to one onto the result.
    const auto& items = select.statement().items();
    const bool itemsMatch =
        select.items() && static_cast<int>(items.size()) == prepared.columnCount() &&
        std::none_of(items.begin(), items.end(), [](const auto& item) { return item.star; });
    for (int i = 0; i < prepared.columnCount(); ++i) {
        Column column;
        column.name = prepared.columnName(i);
        column.sql = JetSql::quoteName(column.name);
        const QString declared = prepared.columnDeclaredType(i);
        column.type = FieldValue::typeOfDeclaration(declared);
        column.definedSize = FieldValue::sizeOfDeclaration(declared);
        if (declared.isEmpty() && itemsMatch) {
            column.type = (*select.items())[static_cast<size_t>(i)].type;
        }
        m_columns.push_back(column);
    }
}

int QueryPlan::columnIndex(const QString& name) const {
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

namespace {

QString orderBy(const QueryPlan::Order& order) {
    QStringList terms;
    for (const SelectSql::OrderTerm& term : order) {
        terms << term.sql + (term.descending ? QStringLiteral(" DESC") : QString());
    }
    return terms.join(QStringLiteral(", "));
}

// What a term orders by, whatever its brackets and collation.
QString orderedValue(const SelectSql::OrderTerm& term) {
    QString value = term.sql;
    value.remove(QStringLiteral(" COLLATE NOCASE"));
    value.remove(u'(');
    value.remove(u')');
    return value;
}

} // namespace

QString QueryPlan::keysetSql(const QString& filter, const Order& sort) const {
    QStringList keys;
    for (const Table& table : m_tables) {
        keys << table.keySql;
    }
    QString sql = QStringLiteral("SELECT ") + keys.join(QStringLiteral(", ")) +
                  QStringLiteral(" FROM ") + m_fromSql;
    if (!m_whereSql.isEmpty() && !filter.isEmpty()) {
        sql += QStringLiteral(" WHERE (") + m_whereSql + QStringLiteral(") AND (") + filter + u')';
    } else if (!m_whereSql.isEmpty()) {
        sql += QStringLiteral(" WHERE ") + m_whereSql;
    } else if (!filter.isEmpty()) {
        sql += QStringLiteral(" WHERE ") + filter;
    }
    Order order = sort;
    for (SelectSql::OrderTerm tiebreak : m_order) {
        const bool repeated = std::any_of(sort.begin(), sort.end(), [&](const auto& term) {
            return orderedValue(term) == orderedValue(tiebreak);
        });
        if (!repeated) {
            if (!sort.empty()) {
                tiebreak.descending = sort.back().descending;
            }
            order.push_back(tiebreak);
        }
    }
    return sql + QStringLiteral(" ORDER BY ") + orderBy(order);
}

QString QueryPlan::fetchSql(quint32 nullKeys, int rows) const {
    QStringList keyNames{QStringLiteral("i")};
    QStringList conditions;
    for (size_t t = 0; t < m_tables.size(); ++t) {
        const QString key = QStringLiteral("qm_keys.k") + QString::number(t);
        keyNames << QStringLiteral("k") + QString::number(t);
        conditions << m_tables[t].keySql +
                          ((nullKeys >> t) & 1u ? QStringLiteral(" IS ") : QStringLiteral(" = ")) +
                          key;
    }
    QStringList keyRows;
    int parameter = m_parameterCount;
    for (int row = 0; row < rows; ++row) {
        QString keys = u'?' + QString::number(++parameter);
        for (size_t t = 0; t < m_tables.size(); ++t) {
            keys += QStringLiteral(", ?") + QString::number(++parameter);
        }
        keyRows << u'(' + keys + u')';
    }
    QStringList values{QStringLiteral("qm_keys.i")};
    for (const Column& column : m_columns) {
        values << column.sql;
    }
    // The keys drive the lookup, in the order they are given: each row is
    // found by its keys.
    return QStringLiteral("WITH qm_keys(") + keyNames.join(QStringLiteral(", ")) +
           QStringLiteral(") AS (VALUES ") + keyRows.join(QStringLiteral(", ")) +
           QStringLiteral(") SELECT ") + values.join(QStringLiteral(", ")) +
           QStringLiteral(" FROM qm_keys CROSS JOIN ") + m_fromSql + QStringLiteral(" WHERE ") +
           conditions.join(QStringLiteral(" AND "));
}

QString QueryPlan::staticSql(const QString& filter, const Order& sort) const {
    QString sql = QStringLiteral("SELECT * FROM (SELECT row_number() OVER () AS ") +
                  BookmarkColumn + QStringLiteral(", * FROM (") + m_statementSql +
                  QStringLiteral("))");
    if (!filter.isEmpty()) {
        sql += QStringLiteral(" WHERE ") + filter;
    }
    sql += QStringLiteral(" ORDER BY ");
    if (!sort.empty()) {
        sql += orderBy(sort) + QStringLiteral(", ");
    }
    return sql + BookmarkColumn;
}

QString QueryPlan::filterSql(const QString& criteria) const {
    std::vector<JetToken> tokens = JetLexer::tokenize(criteria);
    auto refuse = [&](const QString& why) {
        throw RuntimeError(
            errInvalidArgument,
            QStringLiteral("The filter '%1' cannot be applied: %2").arg(criteria, why));
    };
    static const char* const keywords[] = {"AND",  "OR", "NOT",     "LIKE", "IS",
                                           "NULL", "IN", "BETWEEN", "TRUE", "FALSE"};
    static const char* const symbols[] = {
        "=", "<>", "<", ">", "<=", ">=", "!=", "(", ")", ",", "+", "-"};
    // Only field names, literals and comparisons; checked before anything runs.
    bool afterLike = false;
    for (size_t i = 0; i < tokens.size(); ++i) {
        JetToken& t = tokens[i];
        if (!t.isSignificant()) {
            continue;
        }
        const bool keyword = std::any_of(std::begin(keywords), std::end(keywords),
                                         [&t](const char* k) { return t.isWord(k); });
        if (t.isName() && !keyword) {
            const size_t next = JetSql::nextSignificant(tokens, i + 1);
            if (next < tokens.size() && tokens[next].isSymbol("(")) {
                refuse(QStringLiteral("functions are not allowed in a filter."));
            }
            if (columnIndex(t.name()) < 0) {
                refuse(QStringLiteral("the record set has no field named '%1'.").arg(t.name()));
            }
        } else if (t.kind == JetTokenKind::Symbol) {
            if (std::none_of(std::begin(symbols), std::end(symbols),
                             [&t](const char* s) { return t.isSymbol(s); })) {
                refuse(QStringLiteral("'%1' is not allowed in a filter.").arg(t.text));
            }
        } else if (t.kind == JetTokenKind::String && afterLike) {
            // ADO filters also take '*' as the wildcard.
            t.value.replace(u'*', u'%');
        } else if (!keyword && t.kind != JetTokenKind::String && t.kind != JetTokenKind::Date &&
                   t.kind != JetTokenKind::Number) {
            refuse(QStringLiteral("'%1' is not allowed in a filter.").arg(t.text));
        }
        afterLike = t.isWord("LIKE");
    }
    // Field names stand for the fields' own SQL; money compares exactly.
    const ExpressionTranslator translator(
        tokens,
        [this](const QString& qualifier,
               const QString& name) -> std::optional<ExpressionTranslator::Name> {
            const int index = qualifier.isEmpty() ? columnIndex(name) : -1;
            if (index < 0) {
                return std::nullopt;
            }
            const Column& column = m_columns[static_cast<size_t>(index)];
            return ExpressionTranslator::Name{u'(' + column.sql + u')', column.type};
        });
    return translator.translate(0, tokens.size()).sql;
}

QueryPlan::Order QueryPlan::sortOrder(const QString& sort) const {
    const std::vector<JetToken> tokens = JetLexer::tokenize(sort);
    Order terms;
    std::vector<size_t> current;
    auto refuse = [&](const QString& why) {
        throw RuntimeError(errInvalidArgument,
                           QStringLiteral("Cannot sort by '%1': %2").arg(sort, why));
    };
    auto finishTerm = [&]() {
        if (current.empty()) {
            refuse(QStringLiteral("a field name is missing."));
        }
        bool descending = false;
        const JetToken& last = tokens[current.back()];
        if (last.isWord("ASC") || last.isWord("DESC")) {
            descending = last.isWord("DESC");
            current.pop_back();
        }
        QString name;
        for (size_t k : current) {
            if (tokens[k].isName()) {
                name += tokens[k].name();
            } else if (tokens[k].isSymbol(".")) {
                name += u'.';
            } else {
                refuse(QStringLiteral("'%1' is not a field name.").arg(tokens[k].text));
            }
        }
        const int index = columnIndex(name);
        if (index < 0) {
            refuse(QStringLiteral("the record set has no field named '%1'.").arg(name));
        }
        const Column& column = m_columns[static_cast<size_t>(index)];
        QString term = u'(' + column.sql + u')';
        if (column.type == FieldType::Text) {
            term += QStringLiteral(" COLLATE NOCASE");
        }
        terms.push_back({term, descending});
        current.clear();
    };
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (!tokens[i].isSignificant()) {
            continue;
        }
        if (tokens[i].isSymbol(",")) {
            finishTerm();
        } else {
            current.push_back(i);
        }
    }
    if (!current.empty() || !terms.empty()) {
        finishTerm();
    }
    return terms;
}

} // namespace quillmark
