#pragma once
// Splits the text of a filter criteria or of a sort order into tokens: names (plain or in
// [brackets]), 'strings' with '' for an apostrophe, #dates#, bare numbers, comparison
// operators, signs, commas and parentheses.
#include <QString>
#include <vector>

namespace ado::criteria {

enum class TokenKind {
    Name,         // FName, t1.FQty; keywords (AND, OR, LIKE, NULL, ASC, ...) are names too
    BracketName,  // [F 3]: a field name taken literally
    String,       // 'it''s' -> it's
    Date,         // #2008-01-05# -> 2008-01-05
    Number,       // 12, 0.5, .5, 1e3 (signs are separate tokens)
    Operator,     // = <> < > <= >=
    Minus,
    Plus,
    Comma,
    LeftParen,
    RightParen,
    End,
};

struct Token {
    TokenKind kind = TokenKind::End;
    QString text;      // the value: quotes, brackets and # removed, '' made one apostrophe
    int position = 0;  // 1-based character position in the whole text, for messages
};

// The tokens of text, ending with one End token. An unterminated string, bracket or date,
// or a character with no meaning here, raises 3001; `what` names the text in the message
// ("筛选条件" or "排序").
std::vector<Token> tokenize(const QString& text, const QString& what);

// "<what> “<text>” 第 <position> 个字符：<problem>", the detail every 3001 here carries.
QString describeAt(const QString& what, const QString& text, int position, const QString& problem);

// Case-insensitive keyword test on a plain name token.
bool isKeyword(const Token& token, const char* keyword);

} // namespace ado::criteria
