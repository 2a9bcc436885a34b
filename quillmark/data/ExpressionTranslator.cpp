#include "quillmark/data/ExpressionTranslator.h"

#include "quillmark/data/Currency.h"
#include "quillmark/data/ExpressionTree.h"
#include "quillmark/data/JetSql.h"

#include <QSet>

#include <algorithm>

namespace quillmark {

namespace {

using Node = ExpressionNode;
using NodePtr = ExpressionNodePtr;

bool isWholeNumberType(FieldType type) {
    return type == FieldType::Integer || type == FieldType::SmallInt || type == FieldType::BigInt ||
           type == FieldType::Boolean;
}

bool isNumericType(FieldType type) {
    return isWholeNumberType(type) || type == FieldType::Double || type == FieldType::Currency;
}

// The type of a + or - without money in it.
FieldType sumType(FieldType a, FieldType b) {
    if (a == FieldType::Double || b == FieldType::Double) {
        return isNumericType(a) && isNumericType(b) ? FieldType::Double : FieldType::Variant;
    }
    return isWholeNumberType(a) && isWholeNumberType(b) ? FieldType::BigInt : FieldType::Variant;
}

FieldType choiceType(FieldType a, FieldType b) {
    if (a == b || b == FieldType::Variant) {
        return a;
    }
    if (a == FieldType::Variant) {
        return b;
    }
    return isNumericType(a) && isNumericType(b) ? sumType(a, b) : FieldType::Variant;
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
    if (upperName == QLatin1String("CDBL") || upperName == QLatin1String("AVG") ||
        upperName == QLatin1String("TOTAL")) {
        return FieldType::Double;
    }
    return FieldType::Variant;
}

// Functions whose result is one of their arguments (or an aggregate of one).
bool returnsAnArgument(const QString& upperName) {
    static const QSet<QString> names = {
        QStringLiteral("SUM"),    QStringLiteral("MIN"),   QStringLiteral("MAX"),
        QStringLiteral("ABS"),    QStringLiteral("NZ"),    QStringLiteral("COALESCE"),
        QStringLiteral("IFNULL"), QStringLiteral("FIRST"), QStringLiteral("LAST")};
    return names.contains(upperName);
}

// ---- Writing SQLite with money kept exact -----------------------------------

using Result = ExpressionTranslator::Result;

QString asReal(const Result& value) {
    return value.type == FieldType::Currency ? u'(' + value.sql + QStringLiteral(" / 10000.0)")
                                             : value.sql;
}

QString moneyCall(const QString& sql) {
    return QLatin1String(ExpressionTranslator::MoneyFunction) + u'(' + sql + u')';
}

class Writer {
public:
    Result write(const Node& node) const {
        switch (node.kind) {
        case Node::Kind::Number:
            return {node.text,
                    node.text.contains(u'.') || node.text.contains(u'e', Qt::CaseInsensitive)
                        ? FieldType::Double
                        : FieldType::BigInt};
        case Node::Kind::Text:
            return {JetSql::quoteText(node.text), FieldType::Text};
        case Node::Kind::Date:
            return {JetSql::quoteText(node.text), FieldType::DateTime};
        case Node::Kind::Constant:
            return {node.text, FieldType::Boolean};
        case Node::Kind::Null:
            return {node.text, FieldType::Variant};
        case Node::Kind::Raw:
            return {node.text, node.type};
        case Node::Kind::Parameter:
            return {u'?' + QString::number(node.parameter + 1), FieldType::Variant};
        case Node::Kind::Name:
            return {node.text, node.type};
        case Node::Kind::Group: {
            const Result inner = write(*node.children[0]);
            return {u'(' + inner.sql + u')', inner.type};
        }
        case Node::Kind::Unary:
            return writeUnary(node);
        case Node::Kind::Binary:
            return writeBinary(node);
        case Node::Kind::Call:
            return writeCall(node);
        case Node::Kind::Between: {
            const auto sql = unifyChildren(node, nullptr);
            return {u'(' + sql[0] + not_(node) + QStringLiteral(" BETWEEN ") + sql[1] +
                        QStringLiteral(" AND ") + sql[2] + u')',
                    FieldType::Variant};
        }
        case Node::Kind::In:
            return writeIn(node);
        case Node::Kind::Is:
            return {
                u'(' + write(*node.children[0]).sql +
                    (node.negated ? QStringLiteral(" IS NOT NULL)") : QStringLiteral(" IS NULL)")),
                FieldType::Variant};
        }
        return {node.text, FieldType::Variant};
    }

    // The value as money when it converts exactly, else nothing.
    std::optional<QString> exactMoney(const Node& node, const Result& value) const {
        if (value.type == FieldType::Currency || node.kind == Node::Kind::Null) {
            return value.sql;
        }
        if (node.kind == Node::Kind::Group) {
            const auto inner = exactMoney(*node.children[0], write(*node.children[0]));
            return inner ? std::optional<QString>(u'(' + *inner + u')') : std::nullopt;
        }
        const Node* literal = &node;
        bool negative = false;
        if (node.kind == Node::Kind::Unary && node.text == QLatin1String("-") &&
            node.children[0]->kind == Node::Kind::Number) {
            literal = node.children[0].get();
            negative = true;
        }
        if (literal->kind == Node::Kind::Number || literal->kind == Node::Kind::Text) {
            Currency money;
            if (Currency::tryParse((negative ? QStringLiteral("-") : QString()) + literal->text,
                                   &money)) {
                return QString::number(money.scaled());
            }
            return std::nullopt;
        }
        if (node.kind == Node::Kind::Parameter || isWholeNumberType(value.type)) {
            return moneyCall(value.sql);
        }
        return std::nullopt;
    }

    // Values that meet (compared, chosen between): all money when one is
    // money and the others convert exactly, all real numbers when one is
    // money and another does not; as they are otherwise. *money tells which.
    std::vector<QString> unify(const std::vector<const Node*>& nodes,
                               const std::vector<Result>& values, bool* money) const {
        std::vector<QString> sql;
        for (const Result& value : values) {
            sql.push_back(value.sql);
        }
        if (money) {
            *money = false;
        }
        const bool anyMoney = std::any_of(values.begin(), values.end(), [](const Result& v) {
            return v.type == FieldType::Currency;
        });
        if (!anyMoney) {
            return sql;
        }
        std::vector<QString> exact;
        for (size_t i = 0; i < values.size(); ++i) {
            const auto converted = exactMoney(*nodes[i], values[i]);
            if (!converted) {
                break;
            }
            exact.push_back(*converted);
        }
        if (exact.size() == values.size()) {
            if (money) {
                *money = true;
            }
            return exact;
        }
        for (size_t i = 0; i < values.size(); ++i) {
            sql[i] = asReal(values[i]);
        }
        return sql;
    }

    // unify() over children [first, end) of a node, written here.
    std::vector<QString> unifyChildren(const Node& node, bool* money, size_t first = 0) const {
        std::vector<const Node*> nodes;
        std::vector<Result> values;
        for (size_t i = first; i < node.children.size(); ++i) {
            nodes.push_back(node.children[i].get());
            values.push_back(write(*node.children[i]));
        }
        return unify(nodes, values, money);
    }

private:
    static QString not_(const Node& node) {
        return node.negated ? QStringLiteral(" NOT") : QString();
    }

    Result writeUnary(const Node& node) const {
        const Result inner = write(*node.children[0]);
        if (node.text == QLatin1String("NOT")) {
            return {QStringLiteral("(NOT ") + inner.sql + u')', FieldType::Variant};
        }
        return {u'(' + node.text + inner.sql + u')',
                isNumericType(inner.type) ? inner.type : FieldType::Variant};
    }

    Result writeBinary(const Node& node) const {
        const QString& op = node.text;
        const Node& leftNode = *node.children[0];
        const Node& rightNode = *node.children[1];
        const Result left = write(leftNode);
        const Result right = write(rightNode);
        const bool anyMoney = left.type == FieldType::Currency || right.type == FieldType::Currency;
        auto join = [&](const QString& l, const QString& r) {
            return u'(' + l + u' ' + op + u' ' + r + u')';
        };
        if (op == QLatin1String("AND") || op == QLatin1String("OR")) {
            return {join(left.sql, right.sql), FieldType::Variant};
        }
        if (op == QLatin1String("LIKE")) {
            QString sql =
                u'(' + asReal(left) + not_(node) + QStringLiteral(" LIKE ") + asReal(right);
            if (node.children.size() > 2) {
                sql += QStringLiteral(" ESCAPE ") + write(*node.children[2]).sql;
            }
            return {sql + u')', FieldType::Variant};
        }
        if (op == QLatin1String("||")) {
            return {join(asReal(left), asReal(right)), FieldType::Text};
        }
        if (op == QLatin1String("+") || op == QLatin1String("-")) {
            if (!anyMoney) {
                return {join(left.sql, right.sql), sumType(left.type, right.type)};
            }
            bool money = false;
            const auto sql = unify({&leftNode, &rightNode}, {left, right}, &money);
            return {join(sql[0], sql[1]), money ? FieldType::Currency : FieldType::Double};
        }
        if (op == QLatin1String("*") && anyMoney) {
            // Money times a whole number stays money; anything else is a real number.
            const bool leftMoney = left.type == FieldType::Currency;
            const Result& other = leftMoney ? right : left;
            const Node& otherNode = leftMoney ? rightNode : leftNode;
            const bool whole =
                other.type != FieldType::Currency &&
                (isWholeNumberType(other.type) ||
                 (otherNode.kind == Node::Kind::Number && other.type == FieldType::BigInt));
            if (whole) {
                return {join(left.sql, right.sql), FieldType::Currency};
            }
            return {join(asReal(left), asReal(right)), FieldType::Double};
        }
        if (op == QLatin1String("*") || op == QLatin1String("/") || op == QLatin1String("%")) {
            return {join(asReal(left), asReal(right)),
                    anyMoney ? FieldType::Double : FieldType::Variant};
        }
        // A comparison.
        const auto sql = unify({&leftNode, &rightNode}, {left, right}, nullptr);
        return {join(sql[0], sql[1]), FieldType::Variant};
    }

    Result writeIn(const Node& node) const {
        if (node.children.size() == 2 && node.children[1]->kind == Node::Kind::Raw) {
            return {u'(' + write(*node.children[0]).sql + not_(node) + QStringLiteral(" IN ") +
                        node.children[1]->text + u')',
                    FieldType::Variant};
        }
        const auto sql = unifyChildren(node, nullptr);
        QStringList list;
        for (size_t i = 1; i < sql.size(); ++i) {
            list << sql[i];
        }
        return {u'(' + sql[0] + not_(node) + QStringLiteral(" IN (") +
                    list.join(QStringLiteral(", ")) + QStringLiteral("))"),
                FieldType::Variant};
    }

    Result writeCall(const Node& node) const {
        const QString upper = node.text.toUpper();
        auto call = [&](const QString& name, const std::vector<QString>& arguments) {
            QStringList list(arguments.begin(), arguments.end());
            return name + u'(' + (node.distinct ? QStringLiteral("DISTINCT ") : QString()) +
                   list.join(QStringLiteral(", ")) + u')';
        };
        if (node.star) {
            return {node.text + QStringLiteral("(*)"), functionType(upper)};
        }
        std::vector<Result> arguments;
        for (const NodePtr& child : node.children) {
            arguments.push_back(write(*child));
        }
        const bool firstIsMoney = !arguments.empty() && arguments[0].type == FieldType::Currency;
        if (upper == QLatin1String("IIF") && arguments.size() == 3) {
            bool money = false;
            const auto branches = unifyChildren(node, &money, 1);
            const bool real = !money && (arguments[1].type == FieldType::Currency ||
                                         arguments[2].type == FieldType::Currency);
            return {call(node.text, {arguments[0].sql, branches[0], branches[1]}),
                    money  ? FieldType::Currency
                    : real ? FieldType::Double
                           : choiceType(arguments[1].type, arguments[2].type)};
        }
        if (returnsAnArgument(upper)) {
            bool money = false;
            const auto sql = unifyChildren(node, &money);
            const bool real =
                !money && std::any_of(arguments.begin(), arguments.end(), [](const Result& a) {
                    return a.type == FieldType::Currency;
                });
            return {call(node.text, sql), money               ? FieldType::Currency
                                          : real              ? FieldType::Double
                                          : arguments.empty() ? FieldType::Variant
                                                              : arguments[0].type};
        }
        if (firstIsMoney && (upper == QLatin1String("AVG") || upper == QLatin1String("TOTAL"))) {
            return {u'(' + call(node.text, {arguments[0].sql}) + QStringLiteral(" / 10000.0)"),
                    FieldType::Double};
        }
        if (upper == QLatin1String("CCUR") && arguments.size() == 1) {
            return {firstIsMoney ? arguments[0].sql : moneyCall(arguments[0].sql),
                    FieldType::Currency};
        }
        std::vector<QString> sql;
        for (const Result& argument : arguments) {
            sql.push_back(asReal(argument));
        }
        if (firstIsMoney && upper == QLatin1String("FORMAT")) {
            sql[0] = arguments[0].sql;
            return {call(QLatin1String(ExpressionTranslator::FormatMoneyFunction), sql),
                    FieldType::Text};
        }
        return {call(node.text, sql), functionType(upper)};
    }
};

} // namespace

ExpressionTranslator::ExpressionTranslator(const std::vector<JetToken>& tokens, Resolver resolver,
                                           SubQuery subQuery)
    : m_tokens(tokens), m_resolver(std::move(resolver)), m_subQuery(std::move(subQuery)) {}

ExpressionTranslator::Result ExpressionTranslator::translate(size_t begin, size_t end,
                                                             FieldType context) const {
    Result result;
    const NodePtr root = parseExpression(m_tokens, begin, end, m_resolver, m_subQuery);
    if (!root) {
        result.sql = JetSql::translate(m_tokens, begin, end).trimmed();
    }
    const Writer writer;
    if (root) {
        result = writer.write(*root);
    }
    if (context == FieldType::Currency && result.type != FieldType::Currency) {
        const auto exact = root ? writer.exactMoney(*root, result) : std::nullopt;
        result.sql = exact ? *exact : moneyCall(result.sql);
        result.type = FieldType::Currency;
    }
    return result;
}

} // namespace quillmark
