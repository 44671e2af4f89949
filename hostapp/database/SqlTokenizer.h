#pragma once
// Splits SQL Server text into tokens and nests them by parentheses. Nothing here rejects
// text: an unterminated literal or an unbalanced parenthesis becomes a token like any other,
// so odd text reaches the database unchanged and the database reports it.
#include <QString>
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
    QString text;  // as written (a comment-free rewrite may change it)
    QString lead;  // blanks before the token; a comment becomes a blank or a line break
};

// A token, or a parenthesised group holding the nodes between "(" and ")".
struct Node {
    Token token;                 // the token itself, or "(" of a group
    std::vector<Node> children;  // a group's content
    QString closeLead;           // blanks before the group's ")"
    bool isGroup = false;
    bool closed = true;          // false when the text ends before the ")"

    bool isWord(const char* upperWord) const;  // a Word equal to upperWord, ignoring case
    bool isOperator(const char* op) const;
    bool is(TokenKind kind) const { return !isGroup && token.kind == kind; }
};

using NodeList = std::vector<Node>;

std::vector<Token> tokenize(const QString& text);
// Nests the tokens by parentheses; a ")" without its "(" stays a plain token.
NodeList nest(std::vector<Token> tokens);
// Writes nodes back as text, putting a blank between two tokens that would otherwise run
// together ("12" followed by "AND").
QString render(const NodeList& nodes);

// Convenience for building rewritten nodes.
Node makeNode(TokenKind kind, const QString& text, const QString& lead = QString());
Node makeGroup(NodeList children, const QString& lead = QString());

} // namespace hostdb::sql
