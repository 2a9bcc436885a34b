#pragma once

// Translates one expression of a statement in the Jet dialect into SQLite,
// knowing the type of every value in it. Money is stored as an integer of
// ten-thousandths, so wherever money meets another value that value is
// brought to the same scale (literals exactly, parameters and whole numbers
// through qm_money), sums and differences of money stay integers, and money
// that meets a value of no exact scale (a double, an unknown value) becomes a
// real number instead. The result says when it is money, so that it is read
// back exactly. An expression the translator does not understand is passed
// on as written.
#include "quillmark/data/Field.h"
#include "quillmark/data/JetToken.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace quillmark {

class ExpressionTranslator {
public:
    struct Name {
        QString sql; // replaces the name as written, when not empty
        FieldType type = FieldType::Variant;
    };
    // A name written as "qualifier.name" or "name"; nothing when unknown.
    using Resolver =
        std::function<std::optional<Name>(const QString& qualifier, const QString& name)>;
    struct Result {
        QString sql;
        FieldType type = FieldType::Variant;
    };
    // The SQLite text of the sub-query in tokens [begin, end) (from its
    // SELECT) and the type of its first field.
    using SubQuery = std::function<Result(size_t begin, size_t end)>;

    ExpressionTranslator(const std::vector<JetToken>& tokens, Resolver resolver,
                         SubQuery subQuery = {});

    // The expression in tokens [begin, end). With context Currency the value
    // is made money, as a value assigned to a money field must be.
    Result translate(size_t begin, size_t end, FieldType context = FieldType::Variant) const;

    // The SQL functions the data layer registers for money: qm_money(x) reads
    // a number or text as money (an error when it does not fit), and
    // qm_format_money(x, pattern) is FORMAT for money.
    static constexpr const char* MoneyFunction = "qm_money";
    static constexpr const char* FormatMoneyFunction = "qm_format_money";

private:
    const std::vector<JetToken>& m_tokens;
    Resolver m_resolver;
    SubQuery m_subQuery;
};

} // namespace quillmark
