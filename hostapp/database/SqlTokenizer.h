#pragma once
// Splits SQL Server text into tokens and nests them by parentheses. Nothing here rejects
// text but nesting deeper than the limit (SqlNestingLimit.h): an unterminated literal or an
// unbalanced parenthesis becomes a token like any other, so odd text reaches the database
// unchanged and the database reports it.
#include "hostapp/database/SqlColumnKinds.h"

#include <QString>
#include <optional>
#include <vector>

namespace hostdb::sql {

enum class TokenKind {
    Word,        // identifier, keyword or @variable
    QuotedName,  // "name"
    BracketName, // [name]
    String,      // 'text' with '' for an apostrophe
    NString,     // N'text'
    Number,      // 12, 1.5, .5, 1e3, 0x1F
    Operator,    // + - * / % = < > <= >= <> != || . , and the like
    LeftParen,
    RightParen,
    Semicolon,
};

struct Token {
    TokenKind kind = TokenKind::Word;
    QString text;           // as written (a comment-free rewrite may change it)
    QString lead;           // blanks before the token; a comment becomes a blank or a line break
    bool reserved = false;  // a Word that is a reserved word of the language (SELECT, AND, ...)
};

// ASCII letters compared without regard to case; `upper` is upper case.
inline bool equalsUpper(QStringView text, const char* upper)
{
    qsizetype i = 0;
    for (; upper[i]; ++i) {
        if (i >= text.size())
            return false;
        char16_t c = text[i].unicode();
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - u'a' + u'A');
        if (c != static_cast<unsigned char>(upper[i]))
            return false;
    }
    return i == text.size();
}

inline bool equalsExactly(QStringView text, const char* ascii)
{
    qsizetype i = 0;
    for (; ascii[i]; ++i) {
        if (i >= text.size() || text[i].unicode() != static_cast<unsigned char>(ascii[i]))
            return false;
    }
    return i == text.size();
}

// Words that end an expression rather than name a column (SELECT, AND, FROM, ...).
bool isReservedText(QStringView word);

// A token, or a parenthesised group holding the nodes between "(" and ")".
struct Node {
    Token token;                 // the token itself, or "(" of a group
    std::vector<Node> children;  // a group's content
    QString closeLead;           // blanks before the group's ")"
    bool isGroup = false;
    bool closed = true;          // false when the text ends before the ")"
    // The kind of value a group gives, once the translation has worked it out from its
    // final content; kept so that each group is classified once, not at every level above it.
    mutable std::optional<ColumnKind> valueKind;

    // A Word equal to upperWord, ignoring case.
    bool isWord(const char* upperWord) const
    {
        return !isGroup && token.kind == TokenKind::Word && equalsUpper(token.text, upperWord);
    }
    bool isOperator(const char* op) const
    {
        return !isGroup && token.kind == TokenKind::Operator && equalsExactly(token.text, op);
    }
    bool is(TokenKind kind) const { return !isGroup && token.kind == kind; }
};

using NodeList = std::vector<Node>;

std::vector<Token> tokenize(const QString& text);
// Nests the tokens by parentheses; a ")" without its "(" stays a plain token. Raises the
// database error of refuseDeepNesting when parentheses and CASEs nest too deep.
NodeList nest(std::vector<Token> tokens);
// Writes nodes back as text, putting a blank between two tokens that would otherwise run
// together ("12" followed by "AND").
QString render(const NodeList& nodes);

// Gives a Word a new spelling.
void respell(Token& word, const QString& text);

// Convenience for building rewritten nodes.
Node makeNode(TokenKind kind, const QString& text, const QString& lead = QString());
Node makeGroup(NodeList children, const QString& lead = QString());

} // namespace hostdb::sql
