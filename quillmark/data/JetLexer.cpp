#include "quillmark/data/JetLexer.h"

#include "quillmark/data/JetDate.h"
#include "quillmark/data/RuntimeError.h"

namespace quillmark {

namespace {

bool isWordStart(QChar c) {
    return c.isLetter() || c == u'_';
}
bool isWordPart(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

class Scanner {
public:
    explicit Scanner(const QString& text) : m_text(text) {}

    std::vector<JetToken> run() {
        while (m_pos < m_text.size()) {
            m_tokens.push_back(next());
        }
        return std::move(m_tokens);
    }

private:
    QChar at(qsizetype i) const { return i < m_text.size() ? m_text.at(i) : QChar(); }

    JetToken make(JetTokenKind kind, qsizetype end) {
        JetToken token;
        token.kind = kind;
        token.text = m_text.mid(m_pos, end - m_pos);
        m_pos = end;
        return token;
    }

    JetToken next() {
        const QChar c = at(m_pos);
        if (c.isSpace()) {
            qsizetype end = m_pos;
            while (end < m_text.size() && m_text.at(end).isSpace()) {
                ++end;
            }
            return make(JetTokenKind::Space, end);
        }
        if (c == u'-' && at(m_pos + 1) == u'-') {
            qsizetype end = m_text.indexOf(u'\n', m_pos);
            return make(JetTokenKind::Space, end < 0 ? m_text.size() : end);
        }
        if (c == u'/' && at(m_pos + 1) == u'*') {
            const qsizetype close = m_text.indexOf(QLatin1String("*/"), m_pos + 2);
            if (close < 0) {
                fail(QStringLiteral("Unterminated comment in the statement."));
            }
            return make(JetTokenKind::Space, close + 2);
        }
        if (c == u'\'' || c == u'"') {
            return quoted(JetTokenKind::String, c, c);
        }
        if (c == u'[') {
            return quoted(JetTokenKind::QuotedName, u'[', u']');
        }
        if (c == u'`') {
            return quoted(JetTokenKind::QuotedName, u'`', u'`');
        }
        if (c == u'#') {
            return date();
        }
        if (c == u'?') {
            JetToken token = make(JetTokenKind::Parameter, m_pos + 1);
            token.parameterIndex = m_parameters++;
            return token;
        }
        if (c.isDigit() || (c == u'.' && at(m_pos + 1).isDigit())) {
            return number();
        }
        if (isWordStart(c)) {
            qsizetype end = m_pos + 1;
            while (end < m_text.size() && isWordPart(m_text.at(end))) {
                ++end;
            }
            JetToken token = make(JetTokenKind::Word, end);
            token.value = token.text.toUpper();
            return token;
        }
        return symbol();
    }

    JetToken quoted(JetTokenKind kind, QChar open, QChar close) {
        QString content;
        qsizetype i = m_pos + 1;
        while (true) {
            if (i >= m_text.size()) {
                fail(kind == JetTokenKind::String
                         ? QStringLiteral("Unterminated text in the statement: %1")
                               .arg(m_text.mid(m_pos, 40))
                         : QStringLiteral("Unterminated name in the statement: %1")
                               .arg(m_text.mid(m_pos, 40)));
            }
            const QChar c = m_text.at(i);
            if (c == close) {
                // A doubled closing quote stands for itself.
                if (open == close && at(i + 1) == close) {
                    content += c;
                    i += 2;
                    continue;
                }
                break;
            }
            content += c;
            ++i;
        }
        JetToken token = make(kind, i + 1);
        token.value = content;
        return token;
    }

    JetToken date() {
        const qsizetype close = m_text.indexOf(u'#', m_pos + 1);
        if (close < 0) {
            fail(QStringLiteral("Syntax error in date in query expression '%1'.")
                     .arg(m_text.mid(m_pos, 40)));
        }
        const QString inner = m_text.mid(m_pos + 1, close - m_pos - 1);
        const auto parsed = parseJetDateTime(inner);
        if (!parsed) {
            fail(QStringLiteral("Syntax error in date in query expression '#%1#'.").arg(inner));
        }
        JetToken token = make(JetTokenKind::Date, close + 1);
        token.value = storedDateTimeText(*parsed);
        return token;
    }

    JetToken number() {
        qsizetype end = m_pos;
        while (end < m_text.size() && (m_text.at(end).isDigit() || m_text.at(end) == u'.')) {
            ++end;
        }
        if ((at(end) == u'e' || at(end) == u'E') &&
            (at(end + 1).isDigit() ||
             ((at(end + 1) == u'+' || at(end + 1) == u'-') && at(end + 2).isDigit()))) {
            end += 2;
            while (end < m_text.size() && m_text.at(end).isDigit()) {
                ++end;
            }
        }
        return make(JetTokenKind::Number, end);
    }

    JetToken symbol() {
        static const char* const twoCharacter[] = {"<>", "<=", ">=", "!=", "==", "||", "<<", ">>"};
        const QString pair = m_text.mid(m_pos, 2);
        for (const char* s : twoCharacter) {
            if (pair == QLatin1String(s)) {
                return make(JetTokenKind::Symbol, m_pos + 2);
            }
        }
        return make(JetTokenKind::Symbol, m_pos + 1);
    }

    [[noreturn]] void fail(const QString& description) {
        throw RuntimeError(errSyntax, description);
    }

    const QString& m_text;
    qsizetype m_pos = 0;
    int m_parameters = 0;
    std::vector<JetToken> m_tokens;
};

} // namespace

std::vector<JetToken> JetLexer::tokenize(const QString& statement) {
    return Scanner(statement).run();
}

} // namespace quillmark
