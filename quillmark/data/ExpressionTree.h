#pragma once

// The tree of one expression of a statement in the Jet dialect, as the
// translator reads it: literals, names with their types, operators, calls,
// and sub-queries and CASE kept as their SQLite text.
#include "quillmark/data/ExpressionTranslator.h"

#include <memory>
#include <vector>

namespace quillmark {

struct ExpressionNode;
using ExpressionNodePtr = std::unique_ptr<ExpressionNode>;

struct ExpressionNode {
    enum class Kind {
        Number,
        Text,
        Date,
        Constant, // True / False
        Null,
        Parameter,
        Name,
        Unary,
        Binary,
        Call,
        Between,
        In,
        Is,
        Group,
        Raw, // passed on as written: sub-queries, CASE
    };
    Kind kind = Kind::Raw;
    QString text; // literal, operator, function name or SQL, by kind
    FieldType type = FieldType::Variant;
    int parameter = -1;
    bool negated = false;  // NOT LIKE / IN / BETWEEN, IS NOT NULL
    bool distinct = false; // SUM(DISTINCT x)
    bool star = false;     // COUNT(*)
    std::vector<ExpressionNodePtr> children;

    static ExpressionNodePtr make(Kind kind, QString text = {}) {
        auto node = std::make_unique<ExpressionNode>();
        node->kind = kind;
        node->text = std::move(text);
        return node;
    }
};

// The expression in tokens [begin, end), or nullptr when it is not one the
// translator understands (it is then passed on as written).
ExpressionNodePtr parseExpression(const std::vector<JetToken>& tokens, size_t begin, size_t end,
                                  const ExpressionTranslator::Resolver& resolver,
                                  const ExpressionTranslator::SubQuery& subQuery);

} // namespace quillmark
