#include "hostapp/database/SqlTokenizer.h"

#include "hostapp/database/SqlNestingLimit.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace hostdb::sql {

namespace {

bool isWordStart(QChar c)
{
    return c.isLetter() || c == u'_' || c == u'@' || c == u'#';
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isHexDigit(QChar c)
{
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// The end of a literal that closes with `quote`, a doubled quote standing for one; the text
// length when it never closes.
qsizetype endOfQuoted(const QString& text, qsizetype start, QChar quote)
{
    qsizetype i = start + 1;
    const qsizetype n = text.size();
    while (i < n) {
        if (text[i] == quote) {
            if (i + 1 < n && text[i + 1] == quote) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return n;
}

qsizetype endOfNumber(const QString& text, qsizetype i)
{
    const qsizetype n = text.size();
    if (text[i] == u'0' && i + 1 < n && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        i += 2;
        while (i < n && isHexDigit(text[i]))
            ++i;
        return i;
    }
    while (i < n && isDigit(text[i]))
        ++i;
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isDigit(text[i]))
            ++i;
    }
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// Block comments nest in SQL Server.
qsizetype endOfBlockComment(const QString& text, qsizetype i)
{
    const qsizetype n = text.size();
    int depth = 0;
    while (i < n) {
        if (text[i] == u'/' && i + 1 < n && text[i + 1] == u'*') {
            ++depth;
            i += 2;
        } else if (text[i] == u'*' && i + 1 < n && text[i + 1] == u'/') {
            i += 2;
            if (--depth == 0)
                return i;
        } else {
            ++i;
        }
    }
    return n;
}

constexpr const char* twoCharOperators[] = {"<=", ">=", "<>", "!=", "!<", "!>", "||", "::"};

} // namespace

bool isReservedText(QStringView word)
{
    // Sorted, for the binary search below.
    static constexpr const char* words[] = {
        "ADD", "ALL", "ALTER", "AND", "ANY", "AS", "ASC", "BEGIN", "BETWEEN", "BY", "CASE", "CHECK",
        "COLLATE", "CONSTRAINT", "CREATE", "CROSS", "DECLARE", "DEFAULT", "DELETE", "DESC",
        "DISTINCT", "DROP", "ELSE", "END", "ESCAPE", "EXCEPT", "EXISTS", "FOREIGN", "FROM", "FULL",
        "GROUP", "HAVING", "IF", "IN", "INDEX", "INNER", "INSERT", "INTERSECT", "INTO", "IS", "JOIN",
        "KEY", "LEFT", "LIKE", "LIMIT", "NOT", "OFFSET", "ON", "OR", "ORDER", "OUTER", "OUTPUT",
        "OVER", "PARTITION", "PERCENT", "PRIMARY", "REFERENCES", "RETURN", "RIGHT", "SELECT", "SET",
        "SOME", "TABLE", "THEN", "TIES", "TOP", "UNION", "UNIQUE", "UPDATE", "USING", "VALUES",
        "VIEW", "WHEN", "WHERE", "WITH",
    };
    if (word.size() < 2 || word.size() > 10)
        return false;
    char upper[12];
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word[i].unicode();
        if (c >= u'a' && c <= u'z')
            upper[i] = static_cast<char>(c - u'a' + u'A');
        else if (c >= u'A' && c <= u'Z')
            upper[i] = static_cast<char>(c);
        else
            return false;
    }
    upper[word.size()] = '\0';
    return std::binary_search(std::begin(words), std::end(words), static_cast<const char*>(upper),
                              [](const char* a, const char* b) { return std::strcmp(a, b) < 0; });
}

std::vector<Token> tokenize(const QString& text)
{
    std::vector<Token> tokens;
    const qsizetype n = text.size();
    qsizetype i = 0;
    // The blanks before a token are taken from the text in one piece unless a comment
    // stands among them; then they are built up, each comment becoming one blank.
    qsizetype leadStart = 0;
    QString builtLead;
    bool leadHasComment = false;
    auto push = [&](TokenKind kind, qsizetype start, qsizetype end) {
        Token& token = tokens.emplace_back();
        token.kind = kind;
        token.text = text.mid(start, end - start);
        static const QString oneBlank = QStringLiteral(" ");  // most leads: shared, not copied
        if (leadHasComment)
            token.lead = builtLead + text.mid(leadStart, start - leadStart);
        else if (start - leadStart == 1 && text[leadStart] == u' ')
            token.lead = oneBlank;
        else if (start > leadStart)
            token.lead = text.mid(leadStart, start - leadStart);
        token.reserved = kind == TokenKind::Word && isReservedText(token.text);
        builtLead.clear();
        leadHasComment = false;
        leadStart = end;
        i = end;
    };
    auto skipComment = [&](qsizetype end) {
        builtLead += text.mid(leadStart, i - leadStart);
        builtLead += u' ';
        leadHasComment = true;
        i = end;
        leadStart = end;
    };
    while (i < n) {
        const QChar c = text[i];
        const QChar next = i + 1 < n ? text[i + 1] : QChar();
        if (c.isSpace()) {
            ++i;
        } else if (c == u'-' && next == u'-') {
            qsizetype end = i;
            while (end < n && text[end] != u'\n' && text[end] != u'\r')
                ++end;
            skipComment(end);
        } else if (c == u'/' && next == u'*') {
            skipComment(endOfBlockComment(text, i));
        } else if (c == u'\'') {
            push(TokenKind::String, i, endOfQuoted(text, i, u'\''));
        } else if ((c == u'N' || c == u'n') && next == u'\'') {
            push(TokenKind::NString, i, endOfQuoted(text, i + 1, u'\''));
        } else if (c == u'[') {
            push(TokenKind::BracketName, i, endOfQuoted(text, i, u']'));
        } else if (c == u'"') {
            push(TokenKind::QuotedName, i, endOfQuoted(text, i, u'"'));
        } else if (isDigit(c) || (c == u'.' && isDigit(next))) {
            push(TokenKind::Number, i, endOfNumber(text, i));
        } else if (isWordStart(c)) {
            qsizetype end = i + 1;
            while (end < n && isWordChar(text[end]))
                ++end;
            push(TokenKind::Word, i, end);
        } else if (c == u'(') {
            push(TokenKind::LeftParen, i, i + 1);
        } else if (c == u')') {
            push(TokenKind::RightParen, i, i + 1);
        } else if (c == u';') {
            push(TokenKind::Semicolon, i, i + 1);
        } else {
            qsizetype end = i + 1;
            for (const char* op : twoCharOperators) {
                if (c == QLatin1Char(op[0]) && next == QLatin1Char(op[1])) {
                    end = i + 2;
                    break;
                }
            }
            push(TokenKind::Operator, i, end);
        }
    }
    return tokens;  // blanks after the last token are dropped
}

namespace {

// `depth` counts the parentheses and CASEs open around this level.
NodeList nestFrom(std::vector<Token>& tokens, size_t& pos, int depth, bool inGroup,
                  QString* closeLead, bool* closed)
{
    NodeList nodes;
    int openCases = 0;  // CASE ... END nests without parentheses
    while (pos < tokens.size()) {
        Token& token = tokens[pos];
        if (token.kind == TokenKind::RightParen && inGroup) {
            *closeLead = token.lead;
            *closed = true;
            ++pos;
            return nodes;
        }
        ++pos;
        Node node;
        if (token.kind == TokenKind::LeftParen) {
            if (depth + openCases + 1 > maxNesting)
                refuseDeepNesting();
            node.isGroup = true;
            node.closed = false;
            node.token = std::move(token);
            node.children = nestFrom(tokens, pos, depth + openCases + 1, true, &node.closeLead,
                                     &node.closed);
        } else {
            if (token.kind == TokenKind::RightParen)
                token.kind = TokenKind::Operator;  // unbalanced: left for the database to report
            if (token.kind == TokenKind::Word && equalsUpper(token.text, "CASE")
                && depth + ++openCases > maxNesting)
                refuseDeepNesting();
            if (token.kind == TokenKind::Word && equalsUpper(token.text, "END") && openCases > 0)
                --openCases;
            node.token = std::move(token);
        }
        nodes.push_back(std::move(node));
    }
    return nodes;
}

bool joinsAsOneToken(QChar last, QChar first)
{
    return (isWordChar(last) && isWordChar(first)) || (last == u'-' && first == u'-')
        || (last == u'/' && first == u'*') || (last == u'\'' && first == u'\'');
}

void renderInto(const NodeList& nodes, QString& out)
{
    for (const Node& node : nodes) {
        const QString& text = node.token.text;
        if (node.token.lead.isEmpty() && !out.isEmpty() && !text.isEmpty()
            && joinsAsOneToken(out.back(), text.front()))
            out += u' ';
        out += node.token.lead;
        out += text;
        if (node.isGroup) {
            renderInto(node.children, out);
            out += node.closeLead;
            if (node.closed)
                out += u')';
        }
    }
}

} // namespace

NodeList nest(std::vector<Token> tokens)
{
    size_t pos = 0;
    QString unusedLead;
    bool unusedClosed = true;
    return nestFrom(tokens, pos, 0, false, &unusedLead, &unusedClosed);
}

QString render(const NodeList& nodes)
{
    QString out;
    renderInto(nodes, out);
    return out;
}

void respell(Token& word, const QString& text)
{
    word.text = text;
    word.reserved = isReservedText(text);
}

Node makeNode(TokenKind kind, const QString& text, const QString& lead)
{
    Node node;
    node.token = Token{kind, text, lead, kind == TokenKind::Word && isReservedText(text)};
    return node;
}

Node makeGroup(NodeList children, const QString& lead)
{
    Node node;
    node.isGroup = true;
    node.token = Token{TokenKind::LeftParen, QStringLiteral("("), lead, false};
    node.children = std::move(children);
    return node;
}

} // namespace hostdb::sql
