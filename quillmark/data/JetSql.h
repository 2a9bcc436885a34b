#pragma once

// Turns statements in the Jet dialect into SQLite statements: date literals
// between '#' signs, text in double quotes, "DELETE * FROM", True/False, the
// '&' text join and '?' parameters (numbered, so that pieces of a statement can
// be put together again in another order). Works token by token, so nothing
// inside quotes is rewritten.
#include "quillmark/data/JetToken.h"

#include <QString>

#include <vector>

namespace quillmark {

class JetSql {
public:
    enum class Kind { Select, Insert, Update, Delete, Definition };

    struct Statement {
        std::vector<JetToken> tokens; // without a trailing ';'
        Kind kind = Kind::Select;
        int parameterCount = 0;
    };

    // Cuts and checks a statement: exactly one statement of a kind Jet accepts.
    // Throws RuntimeError otherwise (nothing has run).
    static Statement parse(const QString& statement);

    // The SQLite text of tokens [begin, end).
    static QString translate(const std::vector<JetToken>& tokens, size_t begin, size_t end);
    static QString translate(const std::vector<JetToken>& tokens) {
        return translate(tokens, 0, tokens.size());
    }

    // Quoting for names and text that the data layer writes into statements itself.
    static QString quoteName(const QString& name);
    static QString quoteText(const QString& text);

    // Index of the next significant token at or after i (tokens.size() when none).
    static size_t nextSignificant(const std::vector<JetToken>& tokens, size_t i);
};

} // namespace quillmark
