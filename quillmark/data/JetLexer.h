#pragma once

// Cuts a statement in the Jet dialect into tokens, keeping quoted text whole
// so that nothing inside quotes is ever rewritten.
#include "quillmark/data/JetToken.h"

#include <QString>

#include <vector>

namespace quillmark {

class JetLexer {
public:
    // Throws RuntimeError for an unterminated quote or bracket or a date
    // literal that is not a valid date.
    static std::vector<JetToken> tokenize(const QString& statement);
};

} // namespace quillmark
