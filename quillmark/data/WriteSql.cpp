#include "quillmark/data/WriteSql.h"

#include "quillmark/data/ExpressionTranslator.h"
#include "quillmark/data/SelectSql.h"
#include "quillmark/data/TableSchema.h"

#include <optional>

namespace quillmark {

namespace {

using Tokens = std::vector<JetToken>;

constexpr size_t None = static_cast<size_t>(-1);

// The first significant token at bracket depth 0 in [from, end) that is the word.
size_t findWord(const Tokens& tokens, size_t from, size_t end, const char* word) {
    int depth = 0;
    for (size_t i = from; i < end; ++i) {
        if (tokens[i].isSymbol("(")) {
            ++depth;
        } else if (tokens[i].isSymbol(")")) {
            --depth;
        } else if (depth == 0 && tokens[i].isWord(word)) {
            return i;
        }
    }
    return None;
}

// [begin, end) cut at the commas of bracket depth 0.
std::vector<std::pair<size_t, size_t>> splitAtCommas(const Tokens& tokens, size_t begin,
                                                     size_t end) {
    std::vector<std::pair<size_t, size_t>> parts;
    int depth = 0;
    size_t start = begin;
    for (size_t i = begin; i < end; ++i) {
        if (tokens[i].isSymbol("(")) {
            ++depth;
        } else if (tokens[i].isSymbol(")")) {
            --depth;
        } else if (depth == 0 && tokens[i].isSymbol(",")) {
            parts.emplace_back(start, i);
            start = i + 1;
        }
    }
    parts.emplace_back(start, end);
    return parts;
}

QString plain(const Tokens& tokens, size_t begin, size_t end) {
    return JetSql::translate(tokens, begin, end).trimmed();
}

class Writer {
public:
    Writer(sqlite3* db, const Tokens& tokens) : m_db(db), m_tokens(tokens) {}

    QString deleteSql() {
        // DELETE FROM name WHERE condition
        const size_t from = findWord(m_tokens, 0, m_tokens.size(), "FROM");
        const size_t where = findWord(m_tokens, 0, m_tokens.size(), "WHERE");
        if (from == None || where == None ||
            !readTable(JetSql::nextSignificant(m_tokens, from + 1))) {
            return all();
        }
        return plain(m_tokens, 0, where) + QStringLiteral(" WHERE ") + condition(where + 1);
    }

    QString updateSql() {
        // UPDATE name SET field = value, ... [WHERE condition]
        const size_t name =
            JetSql::nextSignificant(m_tokens, JetSql::nextSignificant(m_tokens, 0) + 1);
        const size_t set = JetSql::nextSignificant(m_tokens, name + 1);
        if (set >= m_tokens.size() || !m_tokens[set].isWord("SET") || !readTable(name)) {
            return all();
        }
        size_t where = findWord(m_tokens, set + 1, m_tokens.size(), "WHERE");
        const size_t end = where == None ? m_tokens.size() : where;
        QStringList assignments;
        for (const auto& [begin, finish] : splitAtCommas(m_tokens, set + 1, end)) {
            size_t field = JetSql::nextSignificant(m_tokens, begin);
            size_t equals = JetSql::nextSignificant(m_tokens, field + 1);
            // A qualified field: table.field
            if (equals < finish && m_tokens[equals].isSymbol(".")) {
                field = JetSql::nextSignificant(m_tokens, equals + 1);
                equals = JetSql::nextSignificant(m_tokens, field + 1);
            }
            if (field >= finish || !m_tokens[field].isName() || equals >= finish ||
                !m_tokens[equals].isSymbol("=")) {
                return all();
            }
            assignments << plain(m_tokens, begin, equals) + QStringLiteral(" = ") +
                               value(equals + 1, finish, typeOf(m_tokens[field].name()));
        }
        QString sql = plain(m_tokens, 0, set + 1) + u' ' + assignments.join(QStringLiteral(", "));
        if (where != None) {
            sql += QStringLiteral(" WHERE ") + condition(where + 1);
        }
        return sql;
    }

    QString insertSql() {
        // INSERT INTO name [(fields)] VALUES (values), ... | [WITH ...] SELECT ...
        const size_t into = findWord(m_tokens, 0, m_tokens.size(), "INTO");
        const size_t name = into == None ? None : JetSql::nextSignificant(m_tokens, into + 1);
        if (name == None || !readTable(name)) {
            return all();
        }
        std::vector<FieldType> types;
        size_t next = JetSql::nextSignificant(m_tokens, name + 1);
        if (next < m_tokens.size() && m_tokens[next].isSymbol("(")) {
            const size_t close = closing(next);
            for (const auto& [begin, end] : splitAtCommas(m_tokens, next + 1, close)) {
                const size_t field = JetSql::nextSignificant(m_tokens, begin);
                types.push_back(field < end ? typeOf(m_tokens[field].name()) : FieldType::Variant);
            }
            next = JetSql::nextSignificant(m_tokens, close + 1);
        } else {
            for (const TableSchema::Column& column : m_table->columns) {
                types.push_back(column.type);
            }
        }
        if (next >= m_tokens.size()) {
            return all();
        }
        if (m_tokens[next].isWord("VALUES")) {
            QStringList rows;
            for (const auto& [begin, end] : splitAtCommas(m_tokens, next + 1, m_tokens.size())) {
                const size_t open = JetSql::nextSignificant(m_tokens, begin);
                if (open >= end || !m_tokens[open].isSymbol("(")) {
                    return all();
                }
                QStringList values;
                size_t position = 0;
                for (const auto& [from, to] : splitAtCommas(m_tokens, open + 1, closing(open))) {
                    values << value(from, to,
                                    position < types.size() ? types[position] : FieldType::Variant);
                    ++position;
                }
                rows << u'(' + values.join(QStringLiteral(", ")) + u')';
            }
            return plain(m_tokens, 0, next) + QStringLiteral(" VALUES ") +
                   rows.join(QStringLiteral(", "));
        }
        // A query, perhaps after WITH: its select list gives the values.
        const size_t select = m_tokens[next].isWord("SELECT")
                                  ? next
                                  : findWord(m_tokens, next, m_tokens.size(), "SELECT");
        if (select == None || !(m_tokens[next].isWord("SELECT") || m_tokens[next].isWord("WITH"))) {
            return all();
        }
        const auto first = m_tokens.begin() + static_cast<std::ptrdiff_t>(select);
        return plain(m_tokens, 0, select) + u' ' +
               SelectSql(m_db, Tokens(first, m_tokens.end()), types).text();
    }

private:
    QString all() const { return plain(m_tokens, 0, m_tokens.size()); }

    bool readTable(size_t index) {
        if (index >= m_tokens.size() || !m_tokens[index].isName()) {
            return false;
        }
        m_table = TableSchema::read(m_db, m_tokens[index].name());
        return m_table.has_value();
    }

    FieldType typeOf(const QString& field) const {
        const TableSchema::Column* column = m_table->column(field);
        return column ? column->type : FieldType::Variant;
    }

    size_t closing(size_t open) const {
        int depth = 0;
        for (size_t i = open; i < m_tokens.size(); ++i) {
            depth += m_tokens[i].isSymbol("(") ? 1 : m_tokens[i].isSymbol(")") ? -1 : 0;
            if (depth == 0) {
                return i;
            }
        }
        return m_tokens.size();
    }

    ExpressionTranslator translator() const {
        return ExpressionTranslator(
            m_tokens,
            [this](const QString& qualifier,
                   const QString& name) -> std::optional<ExpressionTranslator::Name> {
                const TableSchema::Column* column = m_table->column(name);
                if (!column || (!qualifier.isEmpty() &&
                                qualifier.compare(m_table->name, Qt::CaseInsensitive) != 0)) {
                    return std::nullopt;
                }
                return ExpressionTranslator::Name{QString(), column->type};
            },
            [this](size_t begin, size_t end) {
                const auto first = m_tokens.begin() + static_cast<std::ptrdiff_t>(begin);
                return SelectSql(m_db,
                                 Tokens(first, first + static_cast<std::ptrdiff_t>(end - begin)))
                    .asSubQuery();
            });
    }

    QString condition(size_t begin) const {
        return translator().translate(begin, m_tokens.size()).sql;
    }

    QString value(size_t begin, size_t end, FieldType type) const {
        return translator()
            .translate(begin, end, type == FieldType::Currency ? type : FieldType::Variant)
            .sql;
    }

    sqlite3* m_db;
    const Tokens& m_tokens;
    std::optional<TableSchema> m_table;
};

} // namespace

QString WriteSql::translate(sqlite3* db, const JetSql::Statement& statement) {
    Writer writer(db, statement.tokens);
    switch (statement.kind) {
    case JetSql::Kind::Delete:
        return writer.deleteSql();
    case JetSql::Kind::Update:
        return writer.updateSql();
    case JetSql::Kind::Insert:
        return writer.insertSql();
    default:
        return JetSql::translate(statement.tokens);
    }
}

} // namespace quillmark
