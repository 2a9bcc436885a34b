#include "quillmark/data/JetSql.h"

#include "quillmark/data/JetLexer.h"
#include "quillmark/data/RuntimeError.h"

namespace quillmark {

namespace {

bool isConstantWord(const std::vector<JetToken>& tokens, size_t i) {
    const JetToken& token = tokens[i];
    if (!(token.isWord("TRUE") || token.isWord("FALSE"))) {
        return false;
    }
    // A qualified name such as t.True is a column, not the constant.
    for (size_t j = i; j-- > 0;) {
        if (tokens[j].isSignificant()) {
            if (tokens[j].isSymbol(".")) {
                return false;
            }
            break;
        }
    }
    const size_t next = JetSql::nextSignificant(tokens, i + 1);
    return next >= tokens.size() || !(tokens[next].isSymbol(".") || tokens[next].isSymbol("("));
}

JetSql::Kind kindOf(const JetToken& first) {
    if (first.isWord("SELECT")) {
        return JetSql::Kind::Select;
    }
    if (first.isWord("INSERT")) {
        return JetSql::Kind::Insert;
    }
    if (first.isWord("UPDATE")) {
        return JetSql::Kind::Update;
    }
    if (first.isWord("DELETE")) {
        return JetSql::Kind::Delete;
    }
    if (first.isWord("CREATE") || first.isWord("DROP") || first.isWord("ALTER")) {
        return JetSql::Kind::Definition;
    }
    throw RuntimeError(errSyntax, QStringLiteral("Invalid SQL statement; expected 'DELETE', "
                                                 "'INSERT', 'PROCEDURE', 'SELECT', or 'UPDATE'."));
}

} // namespace

JetSql::Statement JetSql::parse(const QString& text) {
    Statement statement;
    statement.tokens = JetLexer::tokenize(text);
    auto& tokens = statement.tokens;

    // One statement only: a ';' may end it, but nothing may follow.
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].isSymbol(";")) {
            if (nextSignificant(tokens, i + 1) < tokens.size()) {
                throw RuntimeError(errSyntax,
                                   QStringLiteral("Characters found after end of SQL statement."));
            }
            tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(i), tokens.end());
            break;
        }
    }
    const size_t first = nextSignificant(tokens, 0);
    if (first >= tokens.size()) {
        throw RuntimeError(errSyntax, QStringLiteral("The statement is empty."));
    }
    statement.kind = kindOf(tokens[first]);
    if (statement.kind == Kind::Delete) {
        // Jet writes DELETE * FROM; the '*' names no columns.
        const size_t star = nextSignificant(tokens, first + 1);
        if (star < tokens.size() && tokens[star].isSymbol("*")) {
            tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(star));
        }
    }
    for (const JetToken& token : tokens) {
        if (token.kind == JetTokenKind::Parameter) {
            ++statement.parameterCount;
        }
    }
    return statement;
}

QString JetSql::translate(const std::vector<JetToken>& tokens, size_t begin, size_t end) {
    QString sql;
    for (size_t i = begin; i < end && i < tokens.size(); ++i) {
        const JetToken& token = tokens[i];
        switch (token.kind) {
        case JetTokenKind::Space:
            sql += u' ';
            break;
        case JetTokenKind::Word:
            if (isConstantWord(tokens, i)) {
                // Jet's True is -1.
                sql += token.isWord("TRUE") ? QLatin1String("-1") : QLatin1String("0");
            } else {
                sql += token.text;
            }
            break;
        case JetTokenKind::QuotedName:
            sql += quoteName(token.value);
            break;
        case JetTokenKind::String:
        case JetTokenKind::Date:
            sql += quoteText(token.value);
            break;
        case JetTokenKind::Number:
            sql += token.text;
            break;
        case JetTokenKind::Parameter:
            sql += u'?' + QString::number(token.parameterIndex + 1);
            break;
        case JetTokenKind::Symbol:
            sql += token.isSymbol("&") ? QStringLiteral("||") : token.text;
            break;
        }
    }
    return sql;
}

QString JetSql::quoteName(const QString& name) {
    QString quoted = name;
    quoted.replace(u'"', QLatin1String("\"\""));
    return u'"' + quoted + u'"';
}

QString JetSql::quoteText(const QString& text) {
    QString quoted = text;
    quoted.replace(u'\'', QLatin1String("''"));
    return u'\'' + quoted + u'\'';
}

size_t JetSql::nextSignificant(const std::vector<JetToken>& tokens, size_t i) {
    while (i < tokens.size() && !tokens[i].isSignificant()) {
        ++i;
    }
    return i;
}

} // namespace quillmark
