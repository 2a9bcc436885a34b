#pragma once

// One token of a statement in the Jet dialect, as the lexer cuts it.
#include <QString>

namespace quillmark {

enum class JetTokenKind {
    Space,      // blanks, line breaks and comments
    Word,       // unquoted identifier or keyword
    QuotedName, // [name] or `name`
    String,     // 'text' or "text" (Jet reads double quotes as text too)
    Number,     // 12, 12.5, .5, 1e3
    Date,       // #11/5/2026 12:00:00 AM#
    Parameter,  // ?
    Symbol,     // operators and punctuation
};

struct JetToken {
    JetTokenKind kind = JetTokenKind::Space;
    QString text;            // as written
    QString value;           // String/QuotedName: the content; Date: stored form; Word: upper case
    int parameterIndex = -1; // Parameter: 0-based ordinal in the statement

    bool isSignificant() const { return kind != JetTokenKind::Space; }
    bool isWord(const char* upper) const {
        return kind == JetTokenKind::Word && value == QLatin1String(upper);
    }
    bool isSymbol(const char* symbol) const {
        return kind == JetTokenKind::Symbol && text == QLatin1String(symbol);
    }
    bool isName() const { return kind == JetTokenKind::Word || kind == JetTokenKind::QuotedName; }
    // The identifier it names (without brackets), for Word and QuotedName.
    QString name() const { return kind == JetTokenKind::Word ? text : value; }
};

} // namespace quillmark
