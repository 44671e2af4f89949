#include "platform/ado/CriteriaLexer.h"

#include "platform/ado/AdoErrors.h"

namespace ado::criteria {

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'.' || c == u'$' || c == u'@';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

class Lexer {
public:
    Lexer(const QString& text, const QString& what) : m_text(text), m_what(what) {}

    std::vector<Token> run()
    {
        std::vector<Token> tokens;
        while (true) {
            skipBlanks();
            if (m_at >= m_text.size()) {
                tokens.push_back({TokenKind::End, {}, int(m_at) + 1});
                return tokens;
            }
            tokens.push_back(next());
        }
    }

private:
    void skipBlanks()
    {
        while (m_at < m_text.size() && m_text[m_at].isSpace())
            ++m_at;
    }

    [[noreturn]] void fail(qsizetype at, const QString& problem) const
    {
        throw errors::argumentsWrong(describeAt(m_what, m_text, int(at) + 1, problem));
    }

    Token next()
    {
        const qsizetype start = m_at;
        const QChar c = m_text[m_at];
        auto single = [&](TokenKind kind) {
            ++m_at;
            return Token{kind, QString(c), int(start) + 1};
        };
        if (c == u'\'')
            return quoted(TokenKind::String, u'\'', QStringLiteral("字符串缺少结束的单引号"), true);
        if (c == u'#')
            return quoted(TokenKind::Date, u'#', QStringLiteral("日期缺少结束的 #"), false);
        if (c == u'[')
            return quoted(TokenKind::BracketName, u']', QStringLiteral("字段名缺少结束的 ]"), false);
        if (isDigit(c) || (c == u'.' && m_at + 1 < m_text.size() && isDigit(m_text[m_at + 1])))
            return number();
        if (isNameChar(c))
            return name();
        if (c == u'=')
            return single(TokenKind::Operator);
        if (c == u'<' || c == u'>') {
            ++m_at;
            QString op(c);
            if (m_at < m_text.size() && (m_text[m_at] == u'=' || (c == u'<' && m_text[m_at] == u'>')))
                op += m_text[m_at++];
            return {TokenKind::Operator, op, int(start) + 1};
        }
        if (c == u'-')
            return single(TokenKind::Minus);
        if (c == u'+')
            return single(TokenKind::Plus);
        if (c == u',')
            return single(TokenKind::Comma);
        if (c == u'(')
            return single(TokenKind::LeftParen);
        if (c == u')')
            return single(TokenKind::RightParen);
        fail(start, QStringLiteral("无法识别的字符 “%1”").arg(c));
    }

    // A token between `open` and `close`; with `doubledEscape` a doubled closing character
    // stands for itself.
    Token quoted(TokenKind kind, QChar close, const QString& unterminated, bool doubledEscape)
    {
        const qsizetype start = m_at++;
        QString value;
        while (true) {
            if (m_at >= m_text.size())
                fail(start, unterminated);
            const QChar c = m_text[m_at++];
            if (c != close) {
                value += c;
                continue;
            }
            if (doubledEscape && m_at < m_text.size() && m_text[m_at] == close) {
                value += close;
                ++m_at;
                continue;
            }
            return {kind, value, int(start) + 1};
        }
    }

    Token number()
    {
        const qsizetype start = m_at;
        while (m_at < m_text.size() && isDigit(m_text[m_at]))
            ++m_at;
        if (m_at < m_text.size() && m_text[m_at] == u'.') {
            ++m_at;
            while (m_at < m_text.size() && isDigit(m_text[m_at]))
                ++m_at;
        }
        if (m_at < m_text.size() && (m_text[m_at] == u'e' || m_text[m_at] == u'E')) {
            qsizetype exponent = m_at + 1;
            if (exponent < m_text.size() && (m_text[exponent] == u'+' || m_text[exponent] == u'-'))
                ++exponent;
            if (exponent < m_text.size() && isDigit(m_text[exponent])) {
                m_at = exponent;
                while (m_at < m_text.size() && isDigit(m_text[m_at]))
                    ++m_at;
            }
        }
        if (m_at < m_text.size() && isNameChar(m_text[m_at]))
            fail(start, QStringLiteral("“%1” 不是数字").arg(wordFrom(start)));
        return {TokenKind::Number, m_text.mid(start, m_at - start), int(start) + 1};
    }

    Token name()
    {
        const qsizetype start = m_at;
        while (m_at < m_text.size() && isNameChar(m_text[m_at]))
            ++m_at;
        return {TokenKind::Name, m_text.mid(start, m_at - start), int(start) + 1};
    }

    QString wordFrom(qsizetype start) const
    {
        qsizetype end = start;
        while (end < m_text.size() && isNameChar(m_text[end]))
            ++end;
        return m_text.mid(start, end - start);
    }

    const QString& m_text;
    const QString& m_what;
    qsizetype m_at = 0;
};

} // namespace

std::vector<Token> tokenize(const QString& text, const QString& what)
{
    return Lexer(text, what).run();
}

QString describeAt(const QString& what, const QString& text, int position, const QString& problem)
{
    // One multi-argument call: the texts may hold "%1" themselves (LIKE '%1%').
    return QStringLiteral("%1 “%2” 第 %3 个字符：%4").arg(what, text, QString::number(position), problem);
}

bool isKeyword(const Token& token, const char* keyword)
{
    return token.kind == TokenKind::Name
        && token.text.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

} // namespace ado::criteria
