#include "quillmark/data/ExpressionTree.h"

#include "quillmark/data/JetSql.h"

#include <algorithm>

namespace quillmark {

namespace {

using Node = ExpressionNode;
using NodePtr = ExpressionNodePtr;

struct ParseFailure {};

// The significant tokens of a range into a tree, by precedence: OR, AND,
// NOT, comparisons, & (text join), + -, * / MOD, signs.
class Parser {
public:
    Parser(const std::vector<JetToken>& tokens, size_t begin, size_t end,
           const ExpressionTranslator::Resolver& resolver,
           const ExpressionTranslator::SubQuery& subQuery)
        : m_tokens(tokens), m_resolver(resolver), m_subQuery(subQuery) {
        for (size_t i = begin; i < end && i < tokens.size(); ++i) {
            if (tokens[i].isSignificant()) {
                m_sig.push_back(i);
            }
        }
    }

    NodePtr parseWhole() {
        if (m_sig.empty()) {
            throw ParseFailure{};
        }
        NodePtr node = parseOr();
        if (m_pos != m_sig.size()) {
            throw ParseFailure{};
        }
        return node;
    }

private:
    const JetToken* peek(size_t ahead = 0) const {
        return m_pos + ahead < m_sig.size() ? &m_tokens[m_sig[m_pos + ahead]] : nullptr;
    }
    bool atWord(const char* word, size_t ahead = 0) const {
        const JetToken* t = peek(ahead);
        return t && t->isWord(word);
    }
    bool atSymbol(const char* symbol, size_t ahead = 0) const {
        const JetToken* t = peek(ahead);
        return t && t->isSymbol(symbol);
    }
    const JetToken& take() {
        if (m_pos >= m_sig.size()) {
            throw ParseFailure{};
        }
        return m_tokens[m_sig[m_pos++]];
    }
    void expectSymbol(const char* symbol) {
        if (!atSymbol(symbol)) {
            throw ParseFailure{};
        }
        ++m_pos;
    }

    static NodePtr binary(const QString& op, NodePtr left, NodePtr right) {
        NodePtr node = Node::make(Node::Kind::Binary, op);
        node->children.push_back(std::move(left));
        node->children.push_back(std::move(right));
        return node;
    }

    NodePtr parseOr() {
        NodePtr left = parseAnd();
        while (atWord("OR")) {
            ++m_pos;
            left = binary(QStringLiteral("OR"), std::move(left), parseAnd());
        }
        return left;
    }

    NodePtr parseAnd() {
        NodePtr left = parseNot();
        while (atWord("AND")) {
            ++m_pos;
            left = binary(QStringLiteral("AND"), std::move(left), parseNot());
        }
        return left;
    }

    NodePtr parseNot() {
        if (atWord("NOT")) {
            ++m_pos;
            NodePtr node = Node::make(Node::Kind::Unary, QStringLiteral("NOT"));
            node->children.push_back(parseNot());
            return node;
        }
        return parseComparison();
    }

    NodePtr parseComparison() {
        static const char* const comparisons[] = {"=", "<>", "!=", "==", "<", ">", "<=", ">="};
        NodePtr left = parseConcat();
        while (true) {
            const JetToken* t = peek();
            if (!t) {
                return left;
            }
            const bool comparison = std::any_of(std::begin(comparisons), std::end(comparisons),
                                                [t](const char* s) { return t->isSymbol(s); });
            if (comparison) {
                ++m_pos;
                left = binary(t->text, std::move(left), parseConcat());
                continue;
            }
            if (t->isWord("IS")) {
                ++m_pos;
                NodePtr node = Node::make(Node::Kind::Is);
                node->negated = atWord("NOT");
                m_pos += node->negated ? 1 : 0;
                if (!atWord("NULL")) {
                    throw ParseFailure{};
                }
                ++m_pos;
                node->children.push_back(std::move(left));
                left = std::move(node);
                continue;
            }
            const bool negated = t->isWord("NOT");
            const JetToken* word = negated ? peek(1) : t;
            if (word && word->isWord("LIKE")) {
                m_pos += negated ? 2 : 1;
                left = binary(QStringLiteral("LIKE"), std::move(left), parseConcat());
                left->negated = negated;
                if (atWord("ESCAPE")) {
                    ++m_pos;
                    left->children.push_back(parseConcat());
                }
            } else if (word && word->isWord("IN")) {
                m_pos += negated ? 2 : 1;
                left = parseInList(std::move(left), negated);
            } else if (word && word->isWord("BETWEEN")) {
                m_pos += negated ? 2 : 1;
                NodePtr node = Node::make(Node::Kind::Between);
                node->negated = negated;
                node->children.push_back(std::move(left));
                node->children.push_back(parseConcat());
                if (!atWord("AND")) {
                    throw ParseFailure{};
                }
                ++m_pos;
                node->children.push_back(parseConcat());
                left = std::move(node);
            } else {
                return left;
            }
        }
    }

    NodePtr parseInList(NodePtr operand, bool negated) {
        NodePtr node = Node::make(Node::Kind::In);
        node->negated = negated;
        node->children.push_back(std::move(operand));
        if (atSymbol("(") && atWord("SELECT", 1)) {
            node->children.push_back(parseSubQuery());
            return node;
        }
        expectSymbol("(");
        do {
            node->children.push_back(parseOr());
        } while (atSymbol(",") && (++m_pos, true));
        expectSymbol(")");
        return node;
    }

    NodePtr parseConcat() {
        NodePtr left = parseAdditive();
        while (atSymbol("&") || atSymbol("||")) {
            ++m_pos;
            left = binary(QStringLiteral("||"), std::move(left), parseAdditive());
        }
        return left;
    }

    NodePtr parseAdditive() {
        NodePtr left = parseMultiplicative();
        while (atSymbol("+") || atSymbol("-")) {
            const QString op = take().text;
            left = binary(op, std::move(left), parseMultiplicative());
        }
        return left;
    }

    NodePtr parseMultiplicative() {
        NodePtr left = parseUnary();
        while (atSymbol("*") || atSymbol("/") || atWord("MOD")) {
            const JetToken& op = take();
            left = binary(op.isWord("MOD") ? QStringLiteral("%") : op.text, std::move(left),
                          parseUnary());
        }
        return left;
    }

    NodePtr parseUnary() {
        if (atSymbol("-") || atSymbol("+")) {
            NodePtr node = Node::make(Node::Kind::Unary, take().text);
            node->children.push_back(parseUnary());
            return node;
        }
        return parsePrimary();
    }

    NodePtr parsePrimary() {
        const JetToken& t = take();
        switch (t.kind) {
        case JetTokenKind::Number:
            return Node::make(Node::Kind::Number, t.text);
        case JetTokenKind::String:
            return Node::make(Node::Kind::Text, t.value);
        case JetTokenKind::Date:
            return Node::make(Node::Kind::Date, t.value);
        case JetTokenKind::Parameter: {
            NodePtr node = Node::make(Node::Kind::Parameter);
            node->parameter = t.parameterIndex;
            return node;
        }
        case JetTokenKind::Symbol:
            if (t.isSymbol("(")) {
                if (atWord("SELECT")) {
                    --m_pos;
                    return parseSubQuery();
                }
                NodePtr node = Node::make(Node::Kind::Group);
                node->children.push_back(parseOr());
                expectSymbol(")");
                return node;
            }
            throw ParseFailure{};
        case JetTokenKind::Word:
            if ((t.isWord("TRUE") || t.isWord("FALSE")) && !atSymbol(".") && !atSymbol("(")) {
                return Node::make(Node::Kind::Constant,
                                  t.isWord("TRUE") ? QStringLiteral("-1") : QStringLiteral("0"));
            }
            if (t.isWord("NULL")) {
                return Node::make(Node::Kind::Null, QStringLiteral("NULL"));
            }
            if (t.isWord("CASE")) {
                return parseCase();
            }
            if (t.isWord("EXISTS") && atSymbol("(")) {
                NodePtr node = parseSubQuery();
                node->text.prepend(QStringLiteral("EXISTS "));
                return node;
            }
            if (atSymbol("(")) {
                return parseCall(t);
            }
            [[fallthrough]];
        case JetTokenKind::QuotedName:
            return parseName(t);
        default:
            throw ParseFailure{};
        }
    }

    NodePtr parseName(const JetToken& first) {
        QString qualifier;
        QString name = first.name();
        QString written =
            first.kind == JetTokenKind::Word ? first.text : JetSql::quoteName(first.value);
        if (atSymbol(".") && peek(1) && peek(1)->isName()) {
            ++m_pos;
            const JetToken& second = take();
            qualifier = name;
            name = second.name();
            written += u'.' + (second.kind == JetTokenKind::Word ? second.text
                                                                 : JetSql::quoteName(second.value));
        }
        NodePtr node = Node::make(Node::Kind::Name, written);
        if (const auto resolved = m_resolver ? m_resolver(qualifier, name) : std::nullopt) {
            node->type = resolved->type;
            if (!resolved->sql.isEmpty()) {
                node->text = resolved->sql;
            }
        }
        return node;
    }

    NodePtr parseCall(const JetToken& name) {
        NodePtr node = Node::make(Node::Kind::Call, name.text);
        expectSymbol("(");
        if (atSymbol("*") && atSymbol(")", 1)) {
            node->star = true;
            m_pos += 2;
            return node;
        }
        if (atWord("DISTINCT")) {
            node->distinct = true;
            ++m_pos;
        }
        if (!atSymbol(")")) {
            do {
                node->children.push_back(parseOr());
            } while (atSymbol(",") && (++m_pos, true));
        }
        expectSymbol(")");
        return node;
    }

    // "(SELECT ...)", translated on its own.
    NodePtr parseSubQuery() {
        const size_t open = m_pos;
        expectSymbol("(");
        int depth = 1;
        while (depth > 0) {
            const JetToken& t = take();
            depth += t.isSymbol("(") ? 1 : t.isSymbol(")") ? -1 : 0;
        }
        const size_t begin = m_sig[open + 1];
        const size_t end = m_sig[m_pos - 1];
        ExpressionTranslator::Result inner;
        if (m_subQuery) {
            inner = m_subQuery(begin, end);
        } else {
            inner.sql = JetSql::translate(m_tokens, begin, end).trimmed();
        }
        NodePtr node = Node::make(Node::Kind::Raw, u'(' + inner.sql + u')');
        node->type = inner.type;
        return node;
    }

    // CASE ... END as written.
    NodePtr parseCase() {
        const size_t first = m_sig[m_pos - 1];
        int depth = 1;
        while (depth > 0) {
            const JetToken& t = take();
            depth += t.isWord("CASE") ? 1 : t.isWord("END") ? -1 : 0;
        }
        return Node::make(Node::Kind::Raw,
                          JetSql::translate(m_tokens, first, m_sig[m_pos - 1] + 1).trimmed());
    }

    const std::vector<JetToken>& m_tokens;
    const ExpressionTranslator::Resolver& m_resolver;
    const ExpressionTranslator::SubQuery& m_subQuery;
    std::vector<size_t> m_sig;
    size_t m_pos = 0;
};

} // namespace

ExpressionNodePtr parseExpression(const std::vector<JetToken>& tokens, size_t begin, size_t end,
                                  const ExpressionTranslator::Resolver& resolver,
                                  const ExpressionTranslator::SubQuery& subQuery) {
    try {
        return Parser(tokens, begin, end, resolver, subQuery).parseWhole();
    } catch (const ParseFailure&) {
        return nullptr;
    }
}

} // namespace quillmark
