#include "quillmark/data/SelectStatement.h"

#include "quillmark/data/JetSql.h"
#include "quillmark/data/RuntimeError.h"

namespace quillmark {

namespace {

bool isClauseWord(const JetToken& t) {
    static const char* const words[] = {"FROM",  "WHERE",  "GROUP", "HAVING", "ORDER",
                                        "UNION", "EXCEPT", "LIMIT", "WINDOW", "INTERSECT"};
    for (const char* w : words) {
        if (t.isWord(w)) {
            return true;
        }
    }
    return false;
}

bool isJoinWord(const JetToken& t) {
    return t.isWord("JOIN") || t.isWord("INNER") || t.isWord("LEFT") || t.isWord("RIGHT") ||
           t.isWord("OUTER") || t.isWord("CROSS") || t.isWord("FULL") || t.isWord("NATURAL");
}

// Words after which a trailing name is part of the expression, not an alias.
bool isOperatorWord(const JetToken& t) {
    static const char* const words[] = {"IS",   "NOT",  "AND",  "OR",     "LIKE",    "BETWEEN",
                                        "IN",   "ELSE", "THEN", "WHEN",   "CASE",    "ESCAPE",
                                        "GLOB", "MOD",  "XOR",  "SELECT", "DISTINCT"};
    for (const char* w : words) {
        if (t.isWord(w)) {
            return true;
        }
    }
    return false;
}

std::vector<SelectStatement::Range> splitAtCommas(const std::vector<JetToken>& tokens,
                                                  SelectStatement::Range range) {
    std::vector<SelectStatement::Range> parts;
    int depth = 0;
    size_t start = range.begin;
    for (size_t i = range.begin; i < range.end; ++i) {
        if (tokens[i].isSymbol("(")) {
            ++depth;
        } else if (tokens[i].isSymbol(")")) {
            --depth;
        } else if (depth == 0 && tokens[i].isSymbol(",")) {
            parts.push_back({start, i});
            start = i + 1;
        }
    }
    parts.push_back({start, range.end});
    return parts;
}

// Significant token indices of a range.
std::vector<size_t> significant(const std::vector<JetToken>& tokens, SelectStatement::Range r) {
    std::vector<size_t> result;
    for (size_t i = r.begin; i < r.end; ++i) {
        if (tokens[i].isSignificant()) {
            result.push_back(i);
        }
    }
    return result;
}

} // namespace

SelectStatement::SelectStatement(std::vector<JetToken> tokens) : m_tokens(std::move(tokens)) {
    findClauses();
}

bool SelectStatement::isSubQueryStart(size_t i) const {
    const size_t next = JetSql::nextSignificant(m_tokens, i + 1);
    return m_tokens[i].isSymbol("(") && next < m_tokens.size() && m_tokens[next].isWord("SELECT");
}

void SelectStatement::findClauses() {
    size_t i = JetSql::nextSignificant(m_tokens, 0);
    ++i; // SELECT
    // Set quantifiers: DISTINCTROW and ALL change nothing here; DISTINCT and
    // TOP make rows that are not table rows.
    while (true) {
        const size_t j = JetSql::nextSignificant(m_tokens, i);
        if (j >= m_tokens.size()) {
            break;
        }
        if (m_tokens[j].isWord("DISTINCTROW") || m_tokens[j].isWord("ALL")) {
            m_tokens[j] = JetToken{};
            i = j + 1;
        } else if (m_tokens[j].isWord("DISTINCT")) {
            m_keyable = false;
            m_distinct = true;
            i = j + 1;
        } else if (m_tokens[j].isWord("TOP")) {
            const size_t count = JetSql::nextSignificant(m_tokens, j + 1);
            if (count >= m_tokens.size() || m_tokens[count].kind != JetTokenKind::Number) {
                throw RuntimeError(errSyntax, QStringLiteral("TOP needs a number of rows."));
            }
            m_top = m_tokens[count].text;
            m_tokens[j] = JetToken{};
            m_tokens[count] = JetToken{};
            m_keyable = false;
            i = count + 1;
        } else {
            break;
        }
    }

    // Clause starts at depth 0.
    struct Mark {
        QString word;
        size_t at;
    };
    std::vector<Mark> marks;
    int depth = 0;
    for (size_t k = i; k < m_tokens.size(); ++k) {
        const JetToken& t = m_tokens[k];
        if (t.isSymbol("(")) {
            ++depth;
        } else if (t.isSymbol(")")) {
            --depth;
        } else if (depth == 0 && isClauseWord(t)) {
            marks.push_back({t.value, k});
        }
    }
    auto clauseEnd = [&](size_t index) {
        return index + 1 < marks.size() ? marks[index + 1].at : m_tokens.size();
    };
    Range selectList{i, marks.empty() ? m_tokens.size() : marks.front().at};
    readSelectList(selectList);
    for (size_t m = 0; m < marks.size(); ++m) {
        const QString& word = marks[m].word;
        size_t begin = marks[m].at + 1;
        if (word == QLatin1String("ORDER") || word == QLatin1String("GROUP")) {
            const size_t by = JetSql::nextSignificant(m_tokens, begin);
            if (by < m_tokens.size() && m_tokens[by].isWord("BY")) {
                begin = by + 1;
            }
        }
        const bool compound = word == QLatin1String("UNION") || word == QLatin1String("EXCEPT") ||
                              word == QLatin1String("INTERSECT");
        const Range range{begin, compound ? m_tokens.size() : clauseEnd(m)};
        m_clauses.push_back({word, range});
        if (compound) {
            // The rest is another SELECT, with clauses of its own.
            m_keyable = false;
            break;
        }
        if (word == QLatin1String("FROM")) {
            m_from = range;
            readTables(range);
        } else if (word == QLatin1String("WHERE")) {
            m_where = range;
        } else if (word == QLatin1String("ORDER")) {
            readOrder(range);
        } else {
            m_keyable = false;
        }
    }
    if (m_from.empty() || m_tables.empty()) {
        m_keyable = false;
    }
    // Aggregates over the whole table give one row that is no table row.
    for (const Item& item : m_items) {
        for (size_t k = item.expression.begin; k < item.expression.end; ++k) {
            const JetToken& t = m_tokens[k];
            if (t.kind == JetTokenKind::Word &&
                (t.value == QLatin1String("COUNT") || t.value == QLatin1String("SUM") ||
                 t.value == QLatin1String("AVG") || t.value == QLatin1String("MIN") ||
                 t.value == QLatin1String("MAX") || t.value == QLatin1String("TOTAL") ||
                 t.value == QLatin1String("GROUP_CONCAT") || t.value == QLatin1String("FIRST") ||
                 t.value == QLatin1String("LAST"))) {
                const size_t next = JetSql::nextSignificant(m_tokens, k + 1);
                if (next < m_tokens.size() && m_tokens[next].isSymbol("(")) {
                    m_keyable = false;
                }
            }
        }
    }
}

void SelectStatement::readSelectList(Range range) {
    for (const Range& part : splitAtCommas(m_tokens, range)) {
        const std::vector<size_t> sig = significant(m_tokens, part);
        if (sig.empty()) {
            throw RuntimeError(
                errSyntax, QStringLiteral("The select list of the statement has an empty item."));
        }
        Item item;
        item.expression = part;
        const JetToken& last = m_tokens[sig.back()];
        if (sig.size() == 1 && last.isSymbol("*")) {
            item.star = true;
        } else if (sig.size() == 3 && last.isSymbol("*") && m_tokens[sig[1]].isSymbol(".") &&
                   m_tokens[sig[0]].isName()) {
            item.star = true;
            item.starQualifier = m_tokens[sig[0]].name();
        } else if (sig.size() >= 2 && last.isName()) {
            const JetToken& before = m_tokens[sig[sig.size() - 2]];
            const bool asAlias = before.isWord("AS");
            const bool bareAlias = !asAlias && !isOperatorWord(before) &&
                                   (before.isName() || before.kind == JetTokenKind::Number ||
                                    before.kind == JetTokenKind::String ||
                                    before.kind == JetTokenKind::Date || before.isSymbol(")"));
            if (asAlias || bareAlias) {
                item.alias = last.name();
                item.expression.end = sig[sig.size() - (asAlias ? 2 : 1)];
            }
        }
        m_items.push_back(item);
    }
}

void SelectStatement::readTables(Range range) {
    // Walk the FROM clause: a table name follows FROM, a comma, JOIN or an
    // opening bracket; ON conditions are skipped up to the next join.
    bool expectTable = true;
    bool inCondition = false;
    int conditionDepth = 0;
    int depth = 0;
    for (size_t i = range.begin; i < range.end; ++i) {
        const JetToken& t = m_tokens[i];
        if (!t.isSignificant()) {
            continue;
        }
        if (t.isSymbol("(")) {
            if (isSubQueryStart(i)) {
                m_keyable = false;
            }
            ++depth;
            continue;
        }
        if (t.isSymbol(")")) {
            --depth;
            if (inCondition && depth < conditionDepth) {
                inCondition = false;
            }
            continue;
        }
        if (t.isSymbol(",") && (!inCondition || depth <= conditionDepth)) {
            expectTable = true;
            inCondition = false;
            continue;
        }
        if (isJoinWord(t)) {
            if (t.isWord("JOIN")) {
                expectTable = true;
                inCondition = false;
            }
            continue;
        }
        if (t.isWord("ON") || t.isWord("USING")) {
            inCondition = true;
            conditionDepth = depth;
            continue;
        }
        if (inCondition) {
            continue;
        }
        if (expectTable && t.isName()) {
            Table table;
            table.name = t.name();
            table.alias = table.name;
            // Optional alias: [AS] name.
            size_t next = JetSql::nextSignificant(m_tokens, i + 1);
            if (next < range.end && m_tokens[next].isSymbol(".")) {
                // schema.table: not a plain table of this file.
                m_keyable = false;
            }
            if (next < range.end && m_tokens[next].isWord("AS")) {
                next = JetSql::nextSignificant(m_tokens, next + 1);
            }
            if (next < range.end && m_tokens[next].isName() && !isJoinWord(m_tokens[next]) &&
                !m_tokens[next].isWord("ON") && !m_tokens[next].isWord("USING")) {
                table.alias = m_tokens[next].name();
                i = next;
            }
            m_tables.push_back(table);
            expectTable = false;
        }
    }
}

void SelectStatement::readOrder(Range range) {
    for (const Range& part : splitAtCommas(m_tokens, range)) {
        const std::vector<size_t> sig = significant(m_tokens, part);
        if (sig.empty()) {
            throw RuntimeError(errSyntax, QStringLiteral("The ORDER BY clause has an empty item."));
        }
        OrderTerm term;
        term.expression = part;
        const JetToken& last = m_tokens[sig.back()];
        if (last.isWord("ASC") || last.isWord("DESC")) {
            term.descending = last.isWord("DESC");
            term.expression.end = sig.back();
        }
        m_order.push_back(term);
    }
}

} // namespace quillmark
