#include "platform/ado/CriteriaParser.h"

#include "platform/ado/AdoErrors.h"
#include "platform/ado/CriteriaLexer.h"

namespace ado::criteria {

namespace {

using Groups = std::vector<AndGroup>;

// The parser descends once per parenthesis; deeper criteria are refused before the stack
// runs out. Real criteria nest two or three levels.
constexpr int maxParenthesisDepth = 100;

class Parser {
public:
    explicit Parser(const QString& text) : m_text(text), m_tokens(tokenize(text, criteriaWord())) {}

    ParsedCriteria run()
    {
        ParsedCriteria parsed{parseOr()};
        if (peek().kind == TokenKind::RightParen)
            fail(peek(), QStringLiteral("多余的右括号"));
        if (peek().kind != TokenKind::End)
            fail(peek(), QStringLiteral("条件之间应为 AND 或 OR"));
        return parsed;
    }

private:
    const Token& peek() const { return m_tokens[m_at]; }
    // Never steps past the End token, so a failing caller can still point at it.
    const Token& take()
    {
        const Token& token = m_tokens[m_at];
        if (m_at + 1 < m_tokens.size())
            ++m_at;
        return token;
    }

    [[noreturn]] void fail(const Token& at, const QString& problem) const
    {
        throw errors::argumentsWrong(describeAt(criteriaWord(), m_text, at.position, problem));
    }

    Groups parseOr()
    {
        Groups groups = parseAnd();
        while (isKeyword(peek(), "OR")) {
            take();
            Groups more = parseAnd();
            groups.insert(groups.end(), more.begin(), more.end());
        }
        return groups;
    }

    Groups parseAnd()
    {
        Groups groups = parsePrimary();
        while (isKeyword(peek(), "AND")) {
            const Token& andToken = take();
            Groups next = parsePrimary();
            if (groups.size() > 1 || next.size() > 1)
                fail(andToken, QStringLiteral("含有 OR 的括号不能再用 AND 与其他条件连接"));
            groups.front().insert(groups.front().end(), next.front().begin(), next.front().end());
        }
        return groups;
    }

    Groups parsePrimary()
    {
        if (peek().kind != TokenKind::LeftParen)
            return {AndGroup{parseTerm()}};
        const Token& open = take();
        if (peek().kind == TokenKind::RightParen)
            fail(peek(), QStringLiteral("括号内没有条件"));
        if (++m_depth > maxParenthesisDepth)
            fail(open, QStringLiteral("括号嵌套超过 %1 层").arg(maxParenthesisDepth));
        Groups inner = parseOr();
        --m_depth;
        if (peek().kind != TokenKind::RightParen)
            fail(peek().kind == TokenKind::End ? open : peek(),
                 peek().kind == TokenKind::End ? QStringLiteral("括号缺少对应的右括号")
                                               : QStringLiteral("此处应为 AND、OR 或右括号"));
        take();
        return inner;
    }

    CriteriaTerm parseTerm()
    {
        CriteriaTerm term;
        const Token& field = take();
        const bool plainName = field.kind == TokenKind::Name && !isKeyword(field, "AND")
            && !isKeyword(field, "OR") && !isKeyword(field, "LIKE");
        if (!plainName && field.kind != TokenKind::BracketName)
            fail(field, field.kind == TokenKind::End ? QStringLiteral("条件不完整，缺少字段名")
                                                      : QStringLiteral("此处应为字段名"));
        term.field = field.text;
        term.fieldPosition = field.position;

        const Token& op = take();
        if (op.kind == TokenKind::Operator)
            term.op = operatorOf(op.text);
        else if (isKeyword(op, "LIKE"))
            term.op = CompareOp::Like;
        else
            fail(op, QStringLiteral("字段 %1 后应为比较运算符（= <> < > <= >= LIKE）").arg(field.text));

        term.value = parseValue();
        if (term.value.kind == CriteriaValue::Kind::Null && term.op != CompareOp::Equal
            && term.op != CompareOp::NotEqual)
            fail(op, QStringLiteral("NULL 只能用 = 或 <> 比较"));
        return term;
    }

    CriteriaValue parseValue()
    {
        const Token& token = take();
        using Kind = CriteriaValue::Kind;
        switch (token.kind) {
        case TokenKind::String:
            return {Kind::String, token.text, token.position};
        case TokenKind::Date:
            return {Kind::Date, token.text.trimmed(), token.position};
        case TokenKind::Number:
            return {Kind::Number, token.text, token.position};
        case TokenKind::Minus:
        case TokenKind::Plus: {
            const Token& number = take();
            if (number.kind != TokenKind::Number)
                fail(number, QStringLiteral("正负号后应为数字"));
            return {Kind::Number, token.kind == TokenKind::Minus ? u'-' + number.text : number.text,
                    token.position};
        }
        default:
            break;
        }
        if (isKeyword(token, "NULL"))
            return {Kind::Null, {}, token.position};
        if (isKeyword(token, "TRUE") || isKeyword(token, "FALSE"))
            return {Kind::Boolean, token.text.toLower(), token.position};
        if (token.kind == TokenKind::End)
            fail(token, QStringLiteral("条件不完整，缺少比较的值"));
        fail(token, QStringLiteral("此处应为比较的值（'文字'、数字、#日期# 或 NULL）"));
    }

    static CompareOp operatorOf(const QString& op)
    {
        if (op == u"=")
            return CompareOp::Equal;
        if (op == u"<>")
            return CompareOp::NotEqual;
        if (op == u"<")
            return CompareOp::Less;
        if (op == u">")
            return CompareOp::Greater;
        if (op == u"<=")
            return CompareOp::LessOrEqual;
        return CompareOp::GreaterOrEqual;
    }

    const QString& m_text;
    std::vector<Token> m_tokens;
    size_t m_at = 0;
    int m_depth = 0;  // parentheses open around the current position
};

} // namespace

ParsedCriteria parseCriteria(const QString& text)
{
    return Parser(text).run();
}

QString criteriaWord()
{
    return QStringLiteral("筛选条件");
}

} // namespace ado::criteria
