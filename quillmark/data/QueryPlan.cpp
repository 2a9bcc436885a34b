#include "quillmark/data/QueryPlan.h"

#include "quillmark/data/FieldValue.h"
#include "quillmark/data/JetLexer.h"
#include "quillmark/data/JetSql.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/data/SelectStatement.h"
#include "quillmark/data/SqliteStatement.h"

#include <QSet>

#include <algorithm>

namespace quillmark {

namespace {

const QString BookmarkColumn = QStringLiteral("\"__qm_bookmark\"");

std::vector<size_t> significantIn(const std::vector<JetToken>& tokens, size_t begin, size_t end) {
    std::vector<size_t> result;
    for (size_t i = begin; i < end; ++i) {
        if (tokens[i].isSignificant()) {
            result.push_back(i);
        }
    }
    return result;
}

bool isNumericType(FieldType type) {
    return type == FieldType::Integer || type == FieldType::SmallInt || type == FieldType::BigInt ||
           type == FieldType::Double || type == FieldType::Currency || type == FieldType::Boolean;
}

FieldType combineArithmetic(const std::vector<FieldType>& operands) {
    bool anyCurrency = false;
    bool anyDouble = false;
    bool anyDate = false;
    for (FieldType t : operands) {
        if (t == FieldType::Currency) {
            anyCurrency = true;
        } else if (t == FieldType::Double) {
            anyDouble = true;
        } else if (t == FieldType::DateTime) {
            anyDate = true;
        } else if (t == FieldType::Text) {
            return FieldType::Variant;
        }
    }
    if (anyDate) {
        return FieldType::Variant;
    }
    if (anyCurrency) {
        return FieldType::Currency;
    }
    if (anyDouble) {
        return FieldType::Double;
    }
    for (FieldType t : operands) {
        if (t == FieldType::Variant) {
            return FieldType::Variant;
        }
    }
    return FieldType::BigInt;
}

FieldType combineChoices(FieldType a, FieldType b) {
    if (a == b) {
        return a;
    }
    if (a == FieldType::Variant) {
        return b;
    }
    if (b == FieldType::Variant) {
        return a;
    }
    if (isNumericType(a) && isNumericType(b)) {
        return combineArithmetic({a, b});
    }
    return FieldType::Variant;
}

// Function names by the type of their result.
FieldType functionType(const QString& upperName) {
    static const QSet<QString> text = {
        QStringLiteral("FORMAT"), QStringLiteral("UCASE"), QStringLiteral("LCASE"),
        QStringLiteral("UPPER"),  QStringLiteral("LOWER"), QStringLiteral("TRIM"),
        QStringLiteral("LTRIM"),  QStringLiteral("RTRIM"), QStringLiteral("LEFT"),
        QStringLiteral("RIGHT"),  QStringLiteral("MID"),   QStringLiteral("SUBSTR"),
        QStringLiteral("CSTR"),   QStringLiteral("STR"),   QStringLiteral("REPLACE")};
    if (text.contains(upperName)) {
        return FieldType::Text;
    }
    if (upperName == QLatin1String("CCUR")) {
        return FieldType::Currency;
    }
    if (upperName == QLatin1String("CDATE")) {
        return FieldType::DateTime;
    }
    if (upperName == QLatin1String("CLNG") || upperName == QLatin1String("CINT") ||
        upperName == QLatin1String("LEN") || upperName == QLatin1String("LENGTH")) {
        return FieldType::Integer;
    }
    if (upperName == QLatin1String("COUNT")) {
        return FieldType::BigInt;
    }
    if (upperName == QLatin1String("CDBL") || upperName == QLatin1String("AVG")) {
        return FieldType::Double;
    }
    return FieldType::Variant;
}

// Functions whose result has the type of their first argument.
bool passesFirstArgumentType(const QString& upperName) {
    static const QSet<QString> names = {
        QStringLiteral("SUM"),      QStringLiteral("MIN"),    QStringLiteral("MAX"),
        QStringLiteral("ABS"),      QStringLiteral("ROUND"),  QStringLiteral("NZ"),
        QStringLiteral("COALESCE"), QStringLiteral("IFNULL"), QStringLiteral("FIRST"),
        QStringLiteral("LAST"),     QStringLiteral("TOTAL")};
    return names.contains(upperName);
}

} // namespace

std::shared_ptr<const QueryPlan> QueryPlan::build(sqlite3* db, const QString& source,
                                                  long commandType) {
    QString text = source;
    const std::vector<JetToken> sourceTokens = JetLexer::tokenize(source);
    const std::vector<size_t> sig = significantIn(sourceTokens, 0, sourceTokens.size());
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
    plan->m_parameterCount = statement.parameterCount;
    const SelectStatement select(std::move(statement.tokens));
    plan->m_statementSql = select.sqliteText();
    // Preparing checks tables, fields and syntax before anything else.
    const SqliteStatement prepared(db, plan->m_statementSql);
    const bool rowKeys = plan->readTables(db, select);
    if (select.isKeyable() && rowKeys) {
        plan->buildKeyset(select, prepared.columnCount());
    }
    if (!plan->m_keyset) {
        plan->buildStatic(prepared, select);
    }
    return plan;
}

bool QueryPlan::readTables(sqlite3* db, const SelectStatement& select) {
    bool allHaveRowKeys = true;
    for (const SelectStatement::Table& ref : select.tables()) {
        auto schema = TableSchema::read(db, ref.name);
        if (!schema) {
            allHaveRowKeys = false;
            continue;
        }
        allHaveRowKeys = allHaveRowKeys && schema->hasRowKeys;
        Table table;
        table.schema = std::move(*schema);
        table.alias = ref.alias;
        table.keySql = JetSql::quoteName(ref.alias) + QStringLiteral(".rowid");
        m_tables.push_back(std::move(table));
    }
    for (size_t t = 0; t < m_tables.size(); ++t) {
        for (const TableSchema::Column& c : m_tables[t].schema.columns) {
            Column column;
            column.name = c.name;
            column.sql = JetSql::quoteName(m_tables[t].alias) + u'.' + JetSql::quoteName(c.name);
            column.type = c.type;
            column.definedSize = c.definedSize;
            column.table = static_cast<int>(t);
            column.baseColumn = c.name;
            column.autoKey = c.autoKey;
            m_tableColumns.push_back(column);
        }
    }
    return allHaveRowKeys && m_tables.size() <= 32;
}

void QueryPlan::buildKeyset(const SelectStatement& select, int resultColumns) {
    const std::vector<JetToken>& tokens = select.tokens();
    std::vector<Column> columns;
    std::vector<bool> fromStar;
    int expressionNumber = 1000;
    for (const SelectStatement::Item& item : select.items()) {
        if (item.star) {
            bool found = item.starQualifier.isEmpty();
            for (const Column& c : m_tableColumns) {
                const Table& table = m_tables[static_cast<size_t>(c.table)];
                if (item.starQualifier.isEmpty() ||
                    table.alias.compare(item.starQualifier, Qt::CaseInsensitive) == 0) {
                    found = true;
                    columns.push_back(c);
                    fromStar.push_back(true);
                }
            }
            if (!found) {
                return;
            }
            continue;
        }
        const std::vector<size_t> sig =
            significantIn(tokens, item.expression.begin, item.expression.end);
        Column column;
        const Column* origin = nullptr;
        if (sig.size() == 1 && tokens[sig[0]].isName()) {
            origin = resolveColumn({}, tokens[sig[0]].name());
        } else if (sig.size() == 3 && tokens[sig[0]].isName() && tokens[sig[1]].isSymbol(".") &&
                   tokens[sig[2]].isName()) {
            origin = resolveColumn(tokens[sig[0]].name(), tokens[sig[2]].name());
        }
        if (origin) {
            column = *origin;
        } else {
            column.sql =
                JetSql::translate(tokens, item.expression.begin, item.expression.end).trimmed();
            column.type = inferType(tokens, sig, 0, sig.size());
            column.name = QStringLiteral("Expr%1").arg(expressionNumber++);
        }
        if (!item.alias.isEmpty()) {
            column.name = item.alias;
        }
        columns.push_back(column);
        fromStar.push_back(false);
    }
    if (static_cast<int>(columns.size()) != resultColumns) {
        return;
    }
    // Table columns of the same name from different tables carry the table's
    // name, as Jet reports them ("tr.CategoryID").
    for (size_t i = 0; i < columns.size(); ++i) {
        if (!fromStar[i]) {
            continue;
        }
        for (size_t j = 0; j < columns.size(); ++j) {
            if (j != i && columns[j].table != columns[i].table &&
                columns[j].baseColumn.compare(columns[i].baseColumn, Qt::CaseInsensitive) == 0 &&
                columns[j].name.compare(columns[i].baseColumn, Qt::CaseInsensitive) == 0) {
                columns[i].name =
                    m_tables[static_cast<size_t>(columns[i].table)].alias + u'.' + columns[i].name;
                break;
            }
        }
    }
    m_columns = std::move(columns);

    m_fromSql = JetSql::translate(tokens, select.from().begin, select.from().end).trimmed();
    if (!select.where().empty()) {
        m_whereSql = JetSql::translate(tokens, select.where().begin, select.where().end).trimmed();
    }
    // The statement's own order. A bare name is a table column first (as Jet
    // reads it), else a field alias; a number is a field position.
    QStringList order;
    for (const SelectStatement::OrderTerm& term : select.order()) {
        const std::vector<size_t> sig =
            significantIn(tokens, term.expression.begin, term.expression.end);
        QString sql =
            JetSql::translate(tokens, term.expression.begin, term.expression.end).trimmed();
        if (sig.size() == 1 && tokens[sig[0]].isName() &&
            !resolveColumn({}, tokens[sig[0]].name())) {
            const int index = columnIndex(tokens[sig[0]].name());
            if (index >= 0) {
                sql = m_columns[static_cast<size_t>(index)].sql;
            }
        } else if (sig.size() == 1 && tokens[sig[0]].kind == JetTokenKind::Number) {
            const int position = tokens[sig[0]].text.toInt();
            if (position >= 1 && position <= static_cast<int>(m_columns.size())) {
                sql = m_columns[static_cast<size_t>(position - 1)].sql;
            }
        }
        order << u'(' + sql + (term.descending ? QStringLiteral(") DESC") : QStringLiteral(")"));
    }
    // Without an order of its own the statement lists rows by key, so that
    // the order stays the same from one run to the next. Ties of an explicit
    // order keep the index order; adding the keys there would cost a sort.
    if (order.isEmpty()) {
        for (const Table& table : m_tables) {
            order << table.keySql;
        }
    }
    m_orderSql = order.join(QStringLiteral(", "));
    m_keyset = true;
}

void QueryPlan::buildStatic(const SqliteStatement& prepared, const SelectStatement& select) {
    m_keyset = false;
    m_columns.clear();
    // Computed items (sums of money, ...) are typed from their expression when
    // the select list maps one to one onto the result.
    const auto& items = select.items();
    const bool itemsMatch =
        static_cast<int>(items.size()) == prepared.columnCount() &&
        std::none_of(items.begin(), items.end(), [](const auto& item) { return item.star; });
    for (int i = 0; i < prepared.columnCount(); ++i) {
        Column column;
        column.name = prepared.columnName(i);
        column.sql = JetSql::quoteName(column.name);
        const QString declared = prepared.columnDeclaredType(i);
        column.type = FieldValue::typeOfDeclaration(declared);
        column.definedSize = FieldValue::sizeOfDeclaration(declared);
        if (declared.isEmpty() && itemsMatch) {
            const auto& range = items[static_cast<size_t>(i)].expression;
            const auto sig = significantIn(select.tokens(), range.begin, range.end);
            column.type = inferType(select.tokens(), sig, 0, sig.size());
        }
        m_columns.push_back(column);
    }
}

const QueryPlan::Column* QueryPlan::resolveColumn(const QString& qualifier,
                                                  const QString& name) const {
    for (const Column& c : m_tableColumns) {
        if (c.baseColumn.compare(name, Qt::CaseInsensitive) != 0) {
            continue;
        }
        const Table& table = m_tables[static_cast<size_t>(c.table)];
        if (qualifier.isEmpty() || table.alias.compare(qualifier, Qt::CaseInsensitive) == 0) {
            return &c;
        }
    }
    return nullptr;
}

FieldType QueryPlan::inferType(const std::vector<JetToken>& tokens, const std::vector<size_t>& sig,
                               size_t begin, size_t end) const {
    if (begin >= end) {
        return FieldType::Variant;
    }
    // Matching bracket of an opening bracket at position p of sig.
    auto closing = [&](size_t p) {
        int depth = 0;
        for (size_t k = p; k < end; ++k) {
            if (tokens[sig[k]].isSymbol("(")) {
                ++depth;
            } else if (tokens[sig[k]].isSymbol(")") && --depth == 0) {
                return k;
            }
        }
        return end;
    };
    if (tokens[sig[begin]].isSymbol("(") && closing(begin) == end - 1) {
        return inferType(tokens, sig, begin + 1, end - 1);
    }
    const JetToken& first = tokens[sig[begin]];
    if (end - begin == 1) {
        switch (first.kind) {
        case JetTokenKind::String:
            return FieldType::Text;
        case JetTokenKind::Date:
            return FieldType::DateTime;
        case JetTokenKind::Number:
            return first.text.contains(u'.') || first.text.contains(u'e', Qt::CaseInsensitive)
                       ? FieldType::Double
                       : FieldType::BigInt;
        case JetTokenKind::Word:
            if (first.isWord("TRUE") || first.isWord("FALSE")) {
                return FieldType::Boolean;
            }
            [[fallthrough]];
        case JetTokenKind::QuotedName:
            if (const Column* c = resolveColumn({}, first.name())) {
                return c->type;
            }
            return FieldType::Variant;
        default:
            return FieldType::Variant;
        }
    }
    if (end - begin == 3 && first.isName() && tokens[sig[begin + 1]].isSymbol(".") &&
        tokens[sig[begin + 2]].isName()) {
        const Column* c = resolveColumn(first.name(), tokens[sig[begin + 2]].name());
        return c ? c->type : FieldType::Variant;
    }
    // Binary + and - (and the text join) at this level.
    std::vector<std::pair<size_t, size_t>> operands;
    bool textJoin = false;
    size_t start = begin;
    int depth = 0;
    for (size_t k = begin; k < end; ++k) {
        const JetToken& t = tokens[sig[k]];
        if (t.isSymbol("(")) {
            ++depth;
        } else if (t.isSymbol(")")) {
            --depth;
        } else if (depth == 0 && k > start &&
                   (t.isSymbol("+") || t.isSymbol("-") || t.isSymbol("&") || t.isSymbol("||"))) {
            const JetToken& before = tokens[sig[k - 1]];
            const bool unary = before.kind == JetTokenKind::Symbol && !before.isSymbol(")");
            if (!unary) {
                textJoin = textJoin || t.isSymbol("&") || t.isSymbol("||");
                operands.emplace_back(start, k);
                start = k + 1;
            }
        } else if (depth == 0 && (t.kind == JetTokenKind::Symbol || t.kind == JetTokenKind::Word) &&
                   (t.isSymbol("=") || t.isSymbol("<") || t.isSymbol(">") || t.isSymbol("<>") ||
                    t.isSymbol("<=") || t.isSymbol(">=") || t.isSymbol("*") || t.isSymbol("/") ||
                    t.isWord("AND") || t.isWord("OR") || t.isWord("LIKE") || t.isWord("IS") ||
                    t.isWord("BETWEEN") || t.isWord("IN") || t.isWord("MOD"))) {
            return FieldType::Variant;
        }
    }
    if (!operands.empty()) {
        operands.emplace_back(start, end);
        if (textJoin) {
            return FieldType::Text;
        }
        std::vector<FieldType> types;
        for (const auto& [b, e] : operands) {
            types.push_back(inferType(tokens, sig, b, e));
        }
        return combineArithmetic(types);
    }
    if (first.isSymbol("-") || first.isSymbol("+")) {
        const FieldType inner = inferType(tokens, sig, begin + 1, end);
        return isNumericType(inner) ? inner : FieldType::Variant;
    }
    // A function call spanning the whole expression.
    if (first.kind == JetTokenKind::Word && end - begin >= 3 &&
        tokens[sig[begin + 1]].isSymbol("(") && closing(begin + 1) == end - 1) {
        std::vector<std::pair<size_t, size_t>> arguments;
        size_t argStart = begin + 2;
        int level = 0;
        for (size_t k = begin + 2; k < end - 1; ++k) {
            const JetToken& t = tokens[sig[k]];
            if (t.isSymbol("(")) {
                ++level;
            } else if (t.isSymbol(")")) {
                --level;
            } else if (level == 0 && t.isSymbol(",")) {
                arguments.emplace_back(argStart, k);
                argStart = k + 1;
            }
        }
        arguments.emplace_back(argStart, end - 1);
        if (first.value == QLatin1String("IIF") && arguments.size() == 3) {
            return combineChoices(inferType(tokens, sig, arguments[1].first, arguments[1].second),
                                  inferType(tokens, sig, arguments[2].first, arguments[2].second));
        }
        if (passesFirstArgumentType(first.value)) {
            return inferType(tokens, sig, arguments[0].first, arguments[0].second);
        }
        return functionType(first.value);
    }
    return FieldType::Variant;
}

int QueryPlan::columnIndex(const QString& name) const {
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QString QueryPlan::keysetSql(const QString& filter, const QString& sort) const {
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
    sql += QStringLiteral(" ORDER BY ");
    if (!sort.isEmpty()) {
        sql += sort + QStringLiteral(", ");
    }
    return sql + m_orderSql;
}

QString QueryPlan::fetchSql(quint32 nullKeys) const {
    QStringList values;
    for (const Column& column : m_columns) {
        values << column.sql;
    }
    QStringList conditions;
    for (size_t t = 0; t < m_tables.size(); ++t) {
        conditions << ((nullKeys >> t) & 1u
                           ? m_tables[t].keySql + QStringLiteral(" IS NULL")
                           : m_tables[t].keySql + QStringLiteral(" = :k") + QString::number(t));
    }
    return QStringLiteral("SELECT ") + values.join(QStringLiteral(", ")) +
           QStringLiteral(" FROM ") + m_fromSql + QStringLiteral(" WHERE ") +
           conditions.join(QStringLiteral(" AND "));
}

QString QueryPlan::staticSql(const QString& filter, const QString& sort) const {
    QString sql = QStringLiteral("SELECT * FROM (SELECT row_number() OVER () AS ") +
                  BookmarkColumn + QStringLiteral(", * FROM (") + m_statementSql +
                  QStringLiteral("))");
    if (!filter.isEmpty()) {
        sql += QStringLiteral(" WHERE ") + filter;
    }
    sql += QStringLiteral(" ORDER BY ");
    if (!sort.isEmpty()) {
        sql += sort + QStringLiteral(", ");
    }
    return sql + BookmarkColumn;
}

QString QueryPlan::filterSql(const QString& criteria) const {
    const std::vector<JetToken> tokens = JetLexer::tokenize(criteria);
    auto refuse = [&](const QString& why) {
        throw RuntimeError(
            errInvalidArgument,
            QStringLiteral("The filter '%1' cannot be applied: %2").arg(criteria, why));
    };
    static const char* const keywords[] = {"AND", "OR",   "NOT", "LIKE",
                                           "IS",  "NULL", "IN",  "BETWEEN"};
    static const char* const symbols[] = {
        "=", "<>", "<", ">", "<=", ">=", "!=", "(", ")", ",", "+", "-"};
    QString sql;
    bool afterLike = false;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const JetToken& t = tokens[i];
        if (!t.isSignificant()) {
            sql += u' ';
            continue;
        }
        bool likeNow = false;
        switch (t.kind) {
        case JetTokenKind::Word: {
            bool keyword = false;
            for (const char* k : keywords) {
                keyword = keyword || t.isWord(k);
            }
            if (keyword) {
                sql += u' ' + t.value + u' ';
                likeNow = t.isWord("LIKE");
                break;
            }
            if (t.isWord("TRUE") || t.isWord("FALSE")) {
                sql += t.isWord("TRUE") ? QStringLiteral("-1") : QStringLiteral("0");
                break;
            }
            [[fallthrough]];
        }
        case JetTokenKind::QuotedName: {
            const size_t next = JetSql::nextSignificant(tokens, i + 1);
            if (next < tokens.size() && tokens[next].isSymbol("(")) {
                refuse(QStringLiteral("functions are not allowed in a filter."));
            }
            const int index = columnIndex(t.name());
            if (index < 0) {
                refuse(QStringLiteral("the record set has no field named '%1'.").arg(t.name()));
            }
            sql += u'(' + m_columns[static_cast<size_t>(index)].sql + u')';
            break;
        }
        case JetTokenKind::String: {
            QString value = t.value;
            if (afterLike) {
                // ADO filters also take '*' as the wildcard.
                value.replace(u'*', u'%');
            }
            sql += JetSql::quoteText(value);
            break;
        }
        case JetTokenKind::Date:
            sql += JetSql::quoteText(t.value);
            break;
        case JetTokenKind::Number:
            sql += t.text;
            break;
        case JetTokenKind::Symbol: {
            bool allowed = false;
            for (const char* s : symbols) {
                allowed = allowed || t.isSymbol(s);
            }
            if (!allowed) {
                refuse(QStringLiteral("'%1' is not allowed in a filter.").arg(t.text));
            }
            sql += t.text;
            break;
        }
        default:
            refuse(QStringLiteral("'%1' is not allowed in a filter.").arg(t.text));
        }
        afterLike = likeNow;
    }
    return sql.trimmed();
}

QString QueryPlan::sortSql(const QString& sort) const {
    const std::vector<JetToken> tokens = JetLexer::tokenize(sort);
    QStringList terms;
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
        terms << term + (descending ? QStringLiteral(" DESC") : QStringLiteral(" ASC"));
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
    if (!current.empty() || !terms.isEmpty()) {
        finishTerm();
    }
    return terms.join(QStringLiteral(", "));
}

} // namespace quillmark
