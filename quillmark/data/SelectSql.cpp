#include "quillmark/data/SelectSql.h"

#include "quillmark/data/JetSql.h"

namespace quillmark {

namespace {

std::vector<size_t> significantIn(const std::vector<JetToken>& tokens,
                                  SelectStatement::Range range) {
    std::vector<size_t> result;
    for (size_t i = range.begin; i < range.end; ++i) {
        if (tokens[i].isSignificant()) {
            result.push_back(i);
        }
    }
    return result;
}

QString plain(const std::vector<JetToken>& tokens, SelectStatement::Range range) {
    return JetSql::translate(tokens, range.begin, range.end).trimmed();
}

} // namespace

SelectSql::SelectSql(sqlite3* db, std::vector<JetToken> tokens, std::vector<FieldType> itemTypes)
    : m_db(db), m_select(std::move(tokens)) {
    readTables();
    readItems(itemTypes);
}

void SelectSql::readTables() {
    for (const SelectStatement::Table& ref : m_select.tables()) {
        auto schema = TableSchema::read(m_db, ref.name);
        if (!schema) {
            m_rowKeys = false;
            continue;
        }
        m_rowKeys = m_rowKeys && schema->hasRowKeys;
        Table table;
        table.schema = std::move(*schema);
        table.alias = ref.alias;
        table.keySql = JetSql::quoteName(ref.alias) + QStringLiteral(".rowid");
        m_tables.push_back(std::move(table));
    }
    // Outer joins mark tables without a row in a 32-bit mask.
    m_rowKeys = m_rowKeys && m_tables.size() <= 32;
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
}

std::optional<ExpressionTranslator::Name>
SelectSql::resolve(const QString& qualifier, const QString& name, bool replaceAliases) const {
    if (const Column* c = column(qualifier, name)) {
        return ExpressionTranslator::Name{QString(), c->type};
    }
    // Not a table column: a field of the select list, as ORDER BY may name it.
    if (qualifier.isEmpty() && m_items) {
        for (const Column& item : *m_items) {
            if (item.name.compare(name, Qt::CaseInsensitive) == 0) {
                return ExpressionTranslator::Name{
                    replaceAliases ? u'(' + item.sql + u')' : QString(), item.type};
            }
        }
    }
    return std::nullopt;
}

ExpressionTranslator SelectSql::translator(bool replaceAliases) const {
    const std::vector<JetToken>& tokens = m_select.tokens();
    return ExpressionTranslator(
        tokens,
        [this, replaceAliases](const QString& qualifier, const QString& name) {
            return resolve(qualifier, name, replaceAliases);
        },
        [this, &tokens](size_t begin, size_t end) {
            const auto first = tokens.begin() + static_cast<std::ptrdiff_t>(begin);
            return SelectSql(m_db, std::vector<JetToken>(
                                       first, first + static_cast<std::ptrdiff_t>(end - begin)))
                .asSubQuery();
        });
}

QString SelectSql::expression(SelectStatement::Range range, bool replaceAliases) const {
    return translator(replaceAliases).translate(range.begin, range.end).sql;
}

QString SelectSql::expressionList(SelectStatement::Range range) const {
    QStringList parts;
    const std::vector<JetToken>& tokens = m_select.tokens();
    int depth = 0;
    size_t start = range.begin;
    for (size_t i = range.begin; i <= range.end; ++i) {
        if (i == range.end || (depth == 0 && tokens[i].isSymbol(","))) {
            parts << expression({start, i});
            start = i + 1;
        } else if (tokens[i].isSymbol("(")) {
            ++depth;
        } else if (tokens[i].isSymbol(")")) {
            --depth;
        }
    }
    return parts.join(QStringLiteral(", "));
}

void SelectSql::readItems(const std::vector<FieldType>& itemTypes) {
    const std::vector<JetToken>& tokens = m_select.tokens();
    std::vector<Column> columns;
    std::vector<bool> fromStar;
    bool complete = true;
    int expressionNumber = 1000;
    const ExpressionTranslator expressions = translator(false);
    for (size_t k = 0; k < m_select.items().size(); ++k) {
        const SelectStatement::Item& item = m_select.items()[k];
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
            complete = complete && found;
            m_itemSql.push_back(plain(tokens, item.expression));
            continue;
        }
        const FieldType context = k < itemTypes.size() ? itemTypes[k] : FieldType::Variant;
        const auto translated =
            expressions.translate(item.expression.begin, item.expression.end, context);
        const std::vector<size_t> sig = significantIn(tokens, item.expression);
        const Column* origin = namedColumn(sig);
        Column result;
        if (origin && origin->type == translated.type) {
            result = *origin;
        } else {
            result.sql = translated.sql;
            result.type = translated.type;
            result.name = QStringLiteral("Expr%1").arg(expressionNumber++);
        }
        if (!item.alias.isEmpty()) {
            result.name = item.alias;
        }
        const bool named = !item.alias.isEmpty() || result.table < 0;
        m_itemSql.push_back(
            translated.sql +
            (named ? QStringLiteral(" AS ") + JetSql::quoteName(result.name) : QString()));
        columns.push_back(result);
        fromStar.push_back(false);
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
    if (complete) {
        m_items = std::move(columns);
    }
}

const SelectSql::Column* SelectSql::column(const QString& qualifier, const QString& name) const {
    for (const Column& c : m_tableColumns) {
        const Table& table = m_tables[static_cast<size_t>(c.table)];
        if (c.baseColumn.compare(name, Qt::CaseInsensitive) == 0 &&
            (qualifier.isEmpty() || table.alias.compare(qualifier, Qt::CaseInsensitive) == 0)) {
            return &c;
        }
    }
    return nullptr;
}

const SelectSql::Column* SelectSql::namedColumn(const std::vector<size_t>& sig) const {
    const std::vector<JetToken>& tokens = m_select.tokens();
    if (sig.size() == 1 && tokens[sig[0]].isName()) {
        return column({}, tokens[sig[0]].name());
    }
    if (sig.size() == 3 && tokens[sig[0]].isName() && tokens[sig[1]].isSymbol(".") &&
        tokens[sig[2]].isName()) {
        return column(tokens[sig[0]].name(), tokens[sig[2]].name());
    }
    return nullptr;
}

QString SelectSql::fromSql() const {
    return plain(m_select.tokens(), m_select.from());
}

QString SelectSql::whereSql() const {
    return m_select.where().empty() ? QString() : expression(m_select.where());
}

std::vector<SelectSql::OrderTerm> SelectSql::orderTerms() const {
    const std::vector<JetToken>& tokens = m_select.tokens();
    std::vector<OrderTerm> terms;
    for (const SelectStatement::OrderTerm& term : m_select.order()) {
        const std::vector<size_t> sig = significantIn(tokens, term.expression);
        QString sql;
        if (sig.size() == 1 && tokens[sig[0]].kind == JetTokenKind::Number && m_items) {
            // A number is a field position.
            const int position = tokens[sig[0]].text.toInt();
            if (position >= 1 && position <= static_cast<int>(m_items->size())) {
                sql = u'(' + (*m_items)[static_cast<size_t>(position - 1)].sql + u')';
            }
        }
        // A table column as the fields name it, so that a sort by that field
        // is seen to repeat it.
        const Column* named = namedColumn(sig);
        if (sql.isEmpty()) {
            sql = named ? named->sql : expression(term.expression, true);
        }
        terms.push_back({sql, term.descending});
    }
    return terms;
}

QString SelectSql::selectList() const {
    QStringList items(m_itemSql.begin(), m_itemSql.end());
    return items.join(QStringLiteral(", "));
}

QString SelectSql::clauseText(const SelectStatement::Clause& clause) const {
    const std::vector<JetToken>& tokens = m_select.tokens();
    const QString& word = clause.word;
    if (word == QLatin1String("WHERE") || word == QLatin1String("HAVING")) {
        return word + u' ' + expression(clause.range);
    }
    if (word == QLatin1String("GROUP")) {
        return QStringLiteral("GROUP BY ") + expressionList(clause.range);
    }
    if (word == QLatin1String("ORDER")) {
        QStringList terms;
        for (const SelectStatement::OrderTerm& term : m_select.order()) {
            terms << expression(term.expression) +
                         (term.descending ? QStringLiteral(" DESC") : QString());
        }
        return QStringLiteral("ORDER BY ") + terms.join(QStringLiteral(", "));
    }
    if (word == QLatin1String("UNION") || word == QLatin1String("EXCEPT") ||
        word == QLatin1String("INTERSECT")) {
        size_t first = JetSql::nextSignificant(tokens, clause.range.begin);
        QString joined = word;
        if (first < tokens.size() && tokens[first].isWord("ALL")) {
            joined += QStringLiteral(" ALL");
            first = JetSql::nextSignificant(tokens, first + 1);
        }
        if (first >= tokens.size() || !tokens[first].isWord("SELECT")) {
            return joined + u' ' + plain(tokens, {first, clause.range.end});
        }
        const auto begin = tokens.begin() + static_cast<std::ptrdiff_t>(first);
        return joined + u' ' +
               SelectSql(m_db,
                         std::vector<JetToken>(
                             begin, tokens.begin() + static_cast<std::ptrdiff_t>(clause.range.end)))
                   .text();
    }
    return word + u' ' + plain(tokens, clause.range);
}

ExpressionTranslator::Result SelectSql::asSubQuery() const {
    ExpressionTranslator::Result result;
    result.sql = text();
    if (m_items && !m_items->empty()) {
        result.type = m_items->front().type;
    }
    return result;
}

QString SelectSql::text() const {
    QString sql = QStringLiteral("SELECT ") +
                  (m_select.isDistinct() ? QStringLiteral("DISTINCT ") : QString()) + selectList();
    for (const SelectStatement::Clause& clause : m_select.clauses()) {
        sql += u' ' + clauseText(clause);
    }
    if (!m_select.top().isEmpty()) {
        sql += QStringLiteral(" LIMIT ") + m_select.top();
    }
    return sql;
}

} // namespace quillmark
