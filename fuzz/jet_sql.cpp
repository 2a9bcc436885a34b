// Statements in the Jet dialect: the lexer, the statement parser, the SELECT
// clause reader and the expression translator on arbitrary text. Refusing a
// statement (RuntimeError) is fine; crashes, sanitizer reports and broken
// rules are not.
#include "FuzzSupport.h"

#include "quillmark/data/ExpressionTranslator.h"
#include "quillmark/data/JetDate.h"
#include "quillmark/data/JetLexer.h"
#include "quillmark/data/JetSql.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/data/SelectStatement.h"

#include <QCoreApplication>

using namespace quillmark;

namespace {

// A few names of the company file with their types; any other is unknown.
std::optional<ExpressionTranslator::Name> resolve(const QString&, const QString& name) {
    static const std::pair<const char*, FieldType> known[] = {
        {"Credit", FieldType::Currency}, {"Debit", FieldType::Currency},
        {"TDate", FieldType::DateTime},  {"CatName", FieldType::Text},
        {"CatCode", FieldType::Integer}, {"TransactionID", FieldType::BigInt},
        {"Fixed", FieldType::Boolean},   {"Rate", FieldType::Double},
    };
    for (const auto& [field, type] : known) {
        if (name.compare(QLatin1String(field), Qt::CaseInsensitive) == 0) {
            return ExpressionTranslator::Name{QString(), type};
        }
    }
    return std::nullopt;
}

ExpressionTranslator::Result subQuery(size_t, size_t) {
    return {QStringLiteral("(SELECT 1)"), FieldType::Integer};
}

void translateRange(const ExpressionTranslator& translator, SelectStatement::Range range) {
    if (range.empty()) {
        return;
    }
    for (FieldType context : {FieldType::Variant, FieldType::Currency}) {
        try {
            translator.translate(range.begin, range.end, context);
        } catch (const RuntimeError&) {
        }
    }
}

void checkTokens(const QString& input, const std::vector<JetToken>& tokens) {
    QString joined;
    for (const JetToken& token : tokens) {
        fuzz::check(!token.text.isEmpty(), "a token is never empty", input);
        joined += token.text;
        if (token.kind == JetTokenKind::Date) {
            // A date literal's stored form reads back as itself.
            const auto stored = parseStoredDateTime(token.value);
            fuzz::check(stored.has_value(), "a date literal's stored form reads back", token.value);
            fuzz::check(storedDateTimeText(*stored) == token.value,
                        "a date literal's stored form is canonical", token.value);
        }
    }
    fuzz::check(joined == input, "the tokens spell the statement", input);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::startApplication<QCoreApplication>(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString input = fuzz::text(data, size);
    try {
        checkTokens(input, JetLexer::tokenize(input));
    } catch (const RuntimeError&) {
    }
    JetSql::Statement statement;
    try {
        statement = JetSql::parse(input);
    } catch (const RuntimeError&) {
        return 0;
    }
    JetSql::translate(statement.tokens);
    const size_t first = JetSql::nextSignificant(statement.tokens, 0);
    fuzz::check(first <= statement.tokens.size(), "nextSignificant stays within the tokens");
    if (statement.kind != JetSql::Kind::Select) {
        return 0;
    }
    try {
        const SelectStatement select(statement.tokens);
        const ExpressionTranslator translator(select.tokens(), resolve, subQuery);
        const size_t count = select.tokens().size();
        auto inside = [count](SelectStatement::Range range) {
            return range.empty() || (range.begin < count && range.end <= count);
        };
        for (const auto& item : select.items()) {
            fuzz::check(inside(item.expression), "a select item lies within the statement");
            translateRange(translator, item.expression);
        }
        fuzz::check(inside(select.from()) && inside(select.where()),
                    "FROM and WHERE lie within the statement");
        translateRange(translator, select.where());
        for (const auto& term : select.order()) {
            fuzz::check(inside(term.expression), "an order term lies within the statement");
            translateRange(translator, term.expression);
        }
        for (const auto& clause : select.clauses()) {
            fuzz::check(inside(clause.range), "a clause lies within the statement");
        }
    } catch (const RuntimeError&) {
    }
    return 0;
}
