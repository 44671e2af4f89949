#include "hostapp/database/SqlStatementRewriter.h"

#include "hostapp/database/SqlConcatenation.h"

#include <QSet>

#include <algorithm>

namespace hostdb::sql {

namespace {

void eraseAt(NodeList& level, size_t index, size_t count = 1)
{
    level.erase(level.begin() + static_cast<std::ptrdiff_t>(index),
                level.begin() + static_cast<std::ptrdiff_t>(index + count));
}

bool isTerminatedLiteral(const QString& text, QChar open, QChar close)
{
    if (text.size() < 2 || text.front() != open || text.back() != close)
        return false;
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text[i] != close)
            continue;
        if (i == text.size() - 1)
            return true;
        if (text[i + 1] != close)
            return false;  // closes before the end: not one literal
        ++i;
    }
    return false;
}

bool isNamed(const Node& node, QLatin1String name)
{
    if (node.isGroup)
        return false;
    const QString& text = node.token.text;
    switch (node.token.kind) {
    case TokenKind::Word:
        return text.compare(name, Qt::CaseInsensitive) == 0;
    case TokenKind::QuotedName:
    case TokenKind::BracketName:
        return text.size() >= 2 && text.mid(1, text.size() - 2).compare(name, Qt::CaseInsensitive) == 0;
    default:
        return false;
    }
}

bool isNameToken(const Node& node)
{
    return !node.isGroup
        && ((node.token.kind == TokenKind::Word && !isReservedWord(node))
            || node.token.kind == TokenKind::QuotedName || node.token.kind == TokenKind::BracketName);
}

bool isTableHintGroup(const Node& node)
{
    static const QSet<QString> hints = {
        "NOLOCK", "READUNCOMMITTED", "READCOMMITTED", "REPEATABLEREAD", "SERIALIZABLE",
        "ROWLOCK", "PAGLOCK", "TABLOCK", "TABLOCKX", "UPDLOCK", "XLOCK", "HOLDLOCK",
        "READPAST", "NOWAIT",
    };
    if (!node.isGroup || node.children.empty())
        return false;
    for (const Node& child : node.children) {
        if (child.isOperator(","))
            continue;
        if (child.isGroup || child.token.kind != TokenKind::Word
            || !hints.contains(child.token.text.toUpper()))
            return false;
    }
    return true;
}

// N'x' -> 'x'; [name] -> "name"; dbo.t -> t; WITH (NOLOCK) and (NOLOCK) dropped. SQL Server
// names ignore case; PostgreSQL stores unquoted names in lower case, so a quoted name is
// lowered there to find the same column.
void rewriteNames(NodeList& level, SqlTarget target)
{
    for (Node& node : level) {
        if (node.isGroup)
            continue;
        Token& token = node.token;
        if (token.kind == TokenKind::NString) {
            token.kind = TokenKind::String;
            token.text.remove(0, 1);
        } else if (token.kind == TokenKind::BracketName
                   && isTerminatedLiteral(token.text, u'[', u']')) {
            QString inner = token.text.mid(1, token.text.size() - 2);
            inner.replace(QStringLiteral("]]"), QStringLiteral("]"));
            inner.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            token.kind = TokenKind::QuotedName;
            token.text = u'"' + (target == SqlTarget::Postgres ? inner.toLower() : inner) + u'"';
        } else if (token.kind == TokenKind::QuotedName && target == SqlTarget::Postgres) {
            token.text = token.text.toLower();
        }
    }
    // The level is built anew, so that a long one is rewritten in one pass.
    NodeList kept;
    kept.reserve(level.size());
    size_t i = 0;
    while (i < level.size()) {
        if (i + 2 < level.size() && isNamed(level[i], QLatin1String("dbo"))
            && level[i + 1].isOperator(".") && isNameToken(level[i + 2])
            && (kept.empty() || !kept.back().isOperator("."))) {
            level[i + 2].token.lead = level[i].token.lead;
            i += 2;
        }
        if (i + 1 < level.size() && level[i].isWord("WITH") && isTableHintGroup(level[i + 1]))
            i += 2;
        else if (!kept.empty() && isTableHintGroup(level[i]) && !level[i].token.lead.isEmpty()
                 && isNameToken(kept.back()))  // "t_Item t1 (NOLOCK)", not a call
            ++i;
        else
            kept.push_back(std::move(level[i++]));
    }
    level = std::move(kept);
}

std::vector<NodeList> takeArguments(NodeList& children)
{
    std::vector<NodeList> args(1);
    for (Node& child : children) {
        if (child.isOperator(","))
            args.emplace_back();
        else
            args.back().push_back(std::move(child));
    }
    children.clear();
    return args;
}

// function(args) as the two nodes "function" and "(args)".
void appendCall(NodeList& out, const QString& function, NodeList args, const QString& lead)
{
    if (!args.empty())
        args.front().token.lead.clear();
    out.push_back(makeNode(TokenKind::Word, function, lead));
    out.push_back(makeGroup(std::move(args)));
}

// isnull -> ifnull (coalesce), substring -> substr, len(x) -> length(rtrim(x)) (LEN ignores
// trailing blanks), getdate() -> datetime('now','localtime') (localtimestamp),
// CharIndex(a, b) -> instr(lower(b), lower(a)) (strpos(lower(b), lower(a))).
void rewriteFunctions(NodeList& level, SqlTarget target)
{
    const bool postgres = target == SqlTarget::Postgres;
    for (size_t i = 0; i + 1 < level.size(); ++i) {
        Node& name = level[i];
        Node& args = level[i + 1];
        if (name.isGroup || name.token.kind != TokenKind::Word || !args.isGroup
            || (i > 0 && level[i - 1].isOperator(".")))
            continue;
        if (name.isWord("ISNULL")) {
            respell(name.token, postgres ? QStringLiteral("coalesce") : QStringLiteral("ifnull"));
        } else if (name.isWord("SUBSTRING")) {
            if (!postgres)
                respell(name.token, QStringLiteral("substr"));
        } else if (name.isWord("LEN")) {
            respell(name.token, QStringLiteral("length"));
            NodeList inner;
            appendCall(inner, QStringLiteral("rtrim"), std::move(args.children), QString());
            args.children = std::move(inner);
        } else if (name.isWord("GETDATE") && args.children.empty() && postgres) {
            respell(name.token, QStringLiteral("localtimestamp"));
            eraseAt(level, i + 1);
        } else if (name.isWord("GETDATE") && args.children.empty()) {
            respell(name.token, QStringLiteral("datetime"));
            args.children.push_back(makeNode(TokenKind::String, QStringLiteral("'now'")));
            args.children.push_back(makeNode(TokenKind::Operator, QStringLiteral(",")));
            args.children.push_back(makeNode(TokenKind::String, QStringLiteral("'localtime'")));
        } else if (name.isWord("CHARINDEX")) {
            std::vector<NodeList> parts = takeArguments(args.children);
            if (parts.size() != 2) {
                // The three-argument form has no SQLite counterpart: put it back as written.
                for (size_t p = 0; p < parts.size(); ++p) {
                    if (p > 0)
                        args.children.push_back(makeNode(TokenKind::Operator, QStringLiteral(",")));
                    for (Node& node : parts[p])
                        args.children.push_back(std::move(node));
                }
                continue;
            }
            respell(name.token, postgres ? QStringLiteral("strpos") : QStringLiteral("instr"));
            const QString secondLead = parts[1].empty() ? QString() : parts[1].front().token.lead;
            appendCall(args.children, QStringLiteral("lower"), std::move(parts[1]), QString());
            args.children.push_back(makeNode(TokenKind::Operator, QStringLiteral(",")));
            appendCall(args.children, QStringLiteral("lower"), std::move(parts[0]),
                       secondLead.isEmpty() ? QStringLiteral(" ") : secondLead);
        }
    }
}

// SELECT [DISTINCT] TOP n ... -> SELECT [DISTINCT] ... LIMIT n, the LIMIT closing the level
// that holds the SELECT (the statement, or the parentheses of a subquery).
void rewriteTop(NodeList& level)
{
    for (size_t s = 0; s < level.size(); ++s) {
        if (!level[s].isWord("SELECT"))
            continue;
        size_t top = s + 1;
        if (top < level.size() && (level[top].isWord("DISTINCT") || level[top].isWord("ALL")))
            ++top;
        if (top + 1 >= level.size() || !level[top].isWord("TOP"))
            continue;
        const Node& value = level[top + 1];
        const bool plainValue = value.isGroup || value.is(TokenKind::Number)
            || (value.is(TokenKind::Word) && value.token.text.startsWith(u'@'));
        const size_t after = top + 2;
        const bool unsupported = after < level.size()
            && (level[after].isWord("PERCENT") || level[after].isWord("WITH"));
        if (!plainValue || unsupported)
            return;  // left as written; the database reports it
        Node limitValue = std::move(level[top + 1]);
        limitValue.token.lead = QStringLiteral(" ");
        eraseAt(level, top, 2);
        level.push_back(makeNode(TokenKind::Word, QStringLiteral("LIMIT"), QStringLiteral(" ")));
        level.push_back(std::move(limitValue));
        return;
    }
}

bool isArithmetic(const Node& node)
{
    for (const char* op : {"+", "-", "*", "/", "%", "||", "&", "|", "^"}) {
        if (node.isOperator(op))
            return true;
    }
    return false;
}

void trimTrailingBlanks(Node& literal)
{
    QString& text = literal.token.text;
    if (!isTerminatedLiteral(text, u'\'', u'\''))
        return;
    qsizetype end = text.size() - 1;  // the closing quote
    while (end > 1 && text[end - 1] == u' ')
        --end;
    text.remove(end, text.size() - 1 - end);
}

// The "=" of "SET column = value" in an UPDATE assigns rather than compares.
std::vector<bool> assignmentOperators(const NodeList& statement)
{
    std::vector<bool> assigns(statement.size(), false);
    if (statement.empty() || !statement.front().isWord("UPDATE"))
        return assigns;
    size_t j = 0;
    while (j < statement.size() && !statement[j].isWord("SET"))
        ++j;
    int caseDepth = 0;
    bool expectTarget = true;
    for (++j; j < statement.size(); ++j) {
        const Node& node = statement[j];
        if (caseDepth == 0 && (node.isWord("WHERE") || node.isWord("FROM") || node.isWord("OUTPUT")))
            break;
        if (node.isWord("CASE"))
            ++caseDepth;
        else if (node.isWord("END") && caseDepth > 0)
            --caseDepth;
        if (expectTarget) {
            if (node.isOperator("=")) {
                assigns[j] = true;
                expectTarget = false;
            } else if (!isNameToken(node) && !node.isOperator(".")) {
                expectTarget = false;
            }
        } else if (caseDepth == 0 && node.isOperator(",")) {
            expectTarget = true;
        }
    }
    return assigns;
}

// SQL Server pads the shorter text with blanks before comparing, so 'abc ' = 'abc'.
void trimComparedLiterals(NodeList& level, const std::vector<bool>& assignments)
{
    for (size_t k = 0; k < level.size(); ++k) {
        const Node& node = level[k];
        if (node.isWord("IN") && k + 1 < level.size() && level[k + 1].isGroup) {
            NodeList& list = level[k + 1].children;
            const bool literalsOnly = std::all_of(list.begin(), list.end(), [](const Node& item) {
                return item.is(TokenKind::String) || item.is(TokenKind::Number)
                    || item.isOperator(",") || item.isOperator("-") || item.isWord("NULL");
            });
            if (literalsOnly) {
                for (Node& item : list) {
                    if (item.is(TokenKind::String))
                        trimTrailingBlanks(item);
                }
            }
            continue;
        }
        const bool compares = node.isOperator("=") || node.isOperator("<>") || node.isOperator("!=");
        if (!compares || (k < assignments.size() && assignments[k]))
            continue;
        if (k >= 1 && level[k - 1].is(TokenKind::String) && (k < 2 || !isArithmetic(level[k - 2])))
            trimTrailingBlanks(level[k - 1]);
        if (k + 1 < level.size() && level[k + 1].is(TokenKind::String)
            && (k + 2 >= level.size() || !isArithmetic(level[k + 2])))
            trimTrailingBlanks(level[k + 1]);
    }
}

// SQL Server's LIKE turns a number or a date into text first; PostgreSQL refuses LIKE on them.
// A numeric column or a round(...) before LIKE becomes CAST(... AS text) there.
void castLikeOperands(NodeList& level, const SqlColumnKinds& columns)
{
    for (size_t k = 1; k < level.size(); ++k) {
        if (!level[k].isWord("LIKE"))
            continue;
        size_t first = k - 1;
        bool numeric = false;
        if (level[first].isGroup && first >= 1 && level[first - 1].isWord("ROUND")) {
            numeric = true;
            --first;
        } else if (isNameToken(level[first])) {
            numeric = columns.kindOf(level[first].token.text) == ColumnKind::Numeric;
            while (first >= 2 && level[first - 1].isOperator(".") && isNameToken(level[first - 2]))
                first -= 2;
        }
        if (!numeric || (first >= 1 && level[first - 1].isOperator(".")))
            continue;
        const QString lead = level[first].token.lead;
        NodeList operand(std::make_move_iterator(level.begin() + static_cast<std::ptrdiff_t>(first)),
                         std::make_move_iterator(level.begin() + static_cast<std::ptrdiff_t>(k)));
        operand.front().token.lead.clear();
        operand.push_back(makeNode(TokenKind::Word, QStringLiteral("AS"), QStringLiteral(" ")));
        operand.push_back(makeNode(TokenKind::Word, QStringLiteral("text"), QStringLiteral(" ")));
        eraseAt(level, first, k - first);
        level.insert(level.begin() + static_cast<std::ptrdiff_t>(first), makeGroup(std::move(operand)));
        level.insert(level.begin() + static_cast<std::ptrdiff_t>(first), makeNode(TokenKind::Word, QStringLiteral("CAST"), lead));
        k = first + 2;
    }
}

void rewriteLevel(NodeList& level, const SqlColumnKinds& columns, SqlTarget target, bool statementLevel,
                  bool& guessedColumn)
{
    for (Node& node : level) {
        if (node.isGroup)
            rewriteLevel(node.children, columns, target, false, guessedColumn);
    }
    rewriteNames(level, target);
    if (target == SqlTarget::Postgres)
        castLikeOperands(level, columns);  // before round(...) is renamed or moved
    rewriteFunctions(level, target);
    rewriteTop(level);
    rewriteConcatenation(level, columns, guessedColumn);
    trimComparedLiterals(level, statementLevel ? assignmentOperators(level) : std::vector<bool>());
}

} // namespace

void rewriteStatement(NodeList& statement, const SqlColumnKinds& columns, SqlTarget target, bool& guessedColumn)
{
    rewriteLevel(statement, columns, target, true, guessedColumn);
}

} // namespace hostdb::sql
