#include "hostapp/database/SqlConcatenation.h"

#include "hostapp/database/SqlNestingLimit.h"

#include <QSet>

#include <algorithm>
#include <iterator>

namespace hostdb::sql {

namespace {

// Reserved words that are also functions when a parenthesis follows.
bool isFunctionWord(const Node& node)
{
    return node.isWord("LEFT") || node.isWord("RIGHT");
}

bool isName(const Node& node)
{
    if (node.isGroup)
        return false;
    switch (node.token.kind) {
    case TokenKind::Word:
        return !isReservedWord(node);
    case TokenKind::QuotedName:
    case TokenKind::BracketName:
        return true;
    default:
        return false;
    }
}

QString unquotedName(const Node& node)
{
    const QString& text = node.token.text;
    if (node.token.kind == TokenKind::QuotedName && text.size() >= 2)
        return text.mid(1, text.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
    if (node.token.kind == TokenKind::BracketName && text.size() >= 2)
        return text.mid(1, text.size() - 2).replace(QStringLiteral("]]"), QStringLiteral("]"));
    return text;
}

bool isAnyOperator(const Node& node, std::initializer_list<const char*> ops)
{
    for (const char* op : ops) {
        if (node.isOperator(op))
            return true;
    }
    return false;
}

// The index after the END that closes the CASE at `i`.
size_t caseEnd(const NodeList& nodes, size_t i, size_t limit)
{
    int depth = 0;
    for (size_t j = i; j < limit; ++j) {
        if (nodes[j].isWord("CASE"))
            ++depth;
        else if (nodes[j].isWord("END") && --depth == 0)
            return j + 1;
    }
    return limit;
}

struct Scan {
    const NodeList& nodes;
    const SqlColumnKinds& columns;
    bool casesAreOperands;
};

// The index after the operand that starts at `i`, or `i` when none starts there.
size_t operandEnd(const Scan& scan, size_t i, size_t limit)
{
    const NodeList& nodes = scan.nodes;
    if (i >= limit)
        return i;
    const Node& node = nodes[i];
    if (node.isGroup)
        return i + 1;
    switch (node.token.kind) {
    case TokenKind::String:
    case TokenKind::NString:
    case TokenKind::Number:
        return i + 1;
    default:
        break;
    }
    if (node.isWord("CASE"))
        return scan.casesAreOperands ? caseEnd(nodes, i, limit) : i;
    if (node.isWord("NULL"))
        return i + 1;
    if (node.token.kind == TokenKind::Word && i + 1 < limit && nodes[i + 1].isGroup
        && (!isReservedWord(node) || isFunctionWord(node)))
        return i + 2;
    if (!isName(node))
        return i;
    size_t j = i + 1;
    while (j + 1 < limit && nodes[j].isOperator(".")
           && (isName(nodes[j + 1]) || nodes[j + 1].isOperator("*")))
        j += 2;
    if (j < limit && nodes[j].isGroup && nodes[j - 1].token.kind == TokenKind::Word)
        ++j;  // schema.function(...)
    return j;
}

ColumnKind expressionKind(const NodeList& nodes, size_t begin, size_t end, const SqlColumnKinds& columns);
ColumnKind functionKind(const Scan& scan, const Node& nameNode, const Node& args);
ColumnKind caseKind(const Scan& scan, size_t begin, size_t end);
ColumnKind groupKind(const Node& group, const SqlColumnKinds& columns);

ColumnKind nameKind(const Scan& scan, const Node& name, bool* unknownName)
{
    const QString upper = unquotedName(name).toUpper();
    const std::optional<ColumnKind> kind = scan.columns.findUpperCase(upper);
    if (unknownName && !kind)
        *unknownName = true;
    return kind.value_or(ColumnKind::Unknown);
}

// `unknownName` is set when the operand is a column the schema does not know.
ColumnKind operandKind(const Scan& scan, size_t begin, size_t end, bool* unknownName = nullptr)
{
    const NodeList& nodes = scan.nodes;
    const Node& first = nodes[begin];
    if (end - begin == 1) {
        if (first.isGroup)
            return groupKind(first, scan.columns);
        switch (first.token.kind) {
        case TokenKind::String:
        case TokenKind::NString:
            return ColumnKind::Text;
        case TokenKind::Number:
            return ColumnKind::Numeric;
        default:
            break;
        }
        if (first.isWord("NULL"))
            return ColumnKind::Unknown;
        return nameKind(scan, first, unknownName);
    }
    if (first.isWord("CASE"))
        return caseKind(scan, begin, end);
    const Node& last = nodes[end - 1];
    if (last.isGroup)
        return functionKind(scan, nodes[end - 2], last);
    if (isName(last))
        return nameKind(scan, last, unknownName);
    return ColumnKind::Unknown;
}

struct Term {
    size_t begin = 0;
    size_t end = 0;
    size_t firstOperandBegin = 0;
    size_t firstOperandEnd = 0;
    bool simple = true;  // one operand, no sign: needs no parentheses
    // Filled by classify, only for chains that hold an operator.
    ColumnKind kind = ColumnKind::Unknown;
    bool unknownName = false;  // a column the schema does not know
};

bool parseTerm(const Scan& scan, size_t pos, size_t limit, Term& term)
{
    const NodeList& nodes = scan.nodes;
    term.begin = pos;
    bool signed_ = false;
    while (pos < limit && isAnyOperator(nodes[pos], {"+", "-", "~"})) {
        ++pos;
        signed_ = true;
    }
    size_t end = operandEnd(scan, pos, limit);
    if (end == pos)
        return false;
    term.firstOperandBegin = pos;
    term.firstOperandEnd = end;
    int operands = 1;
    pos = end;
    while (pos < limit && isAnyOperator(nodes[pos], {"*", "/", "%"})) {
        size_t next = pos + 1;
        while (next < limit && isAnyOperator(nodes[next], {"+", "-"}))
            ++next;
        const size_t nextEnd = operandEnd(scan, next, limit);
        if (nextEnd == next)
            break;
        ++operands;
        pos = nextEnd;
    }
    term.end = pos;
    term.simple = !signed_ && operands == 1;
    return true;
}

void classify(const Scan& scan, Term& term)
{
    if (!term.simple) {
        term.kind = ColumnKind::Numeric;  // signed, or multiplied: a number
        return;
    }
    term.kind = operandKind(scan, term.firstOperandBegin, term.firstOperandEnd, &term.unknownName);
}

// term (("+" | "-" | "||") term)*
struct Chain {
    size_t begin = 0;
    size_t end = 0;
    std::vector<Term> terms;
    std::vector<size_t> operators;  // between terms[k] and terms[k + 1]
};

bool parseChain(const Scan& scan, size_t pos, size_t limit, Chain& chain)
{
    chain = Chain{};
    chain.begin = pos;
    Term term;
    if (!parseTerm(scan, pos, limit, term))
        return false;
    chain.terms.push_back(term);
    pos = term.end;
    while (pos < limit && isAnyOperator(scan.nodes[pos], {"+", "-", "||"})) {
        Term next;
        if (!parseTerm(scan, pos + 1, limit, next))
            break;
        chain.operators.push_back(pos);
        chain.terms.push_back(next);
        pos = next.end;
    }
    chain.end = pos;
    if (!chain.operators.empty()) {
        for (Term& each : chain.terms)
            classify(scan, each);
    }
    return true;
}

bool joinsText(ColumnKind left, ColumnKind right)
{
    return (left == ColumnKind::Text || right == ColumnKind::Text) && left != ColumnKind::Numeric
        && right != ColumnKind::Numeric;
}

// What each operator of a chain becomes, and where parentheses are needed.
struct ChainPlan {
    std::vector<bool> concatenates;     // per operator
    std::vector<bool> wrapLeft;         // per operator: everything before it
    std::vector<bool> wrapTerm;         // per operator: the term after it
    ColumnKind kind = ColumnKind::Unknown;
    bool changes = false;
};

ChainPlan planChain(const Scan& scan, const Chain& chain)
{
    ChainPlan plan;
    ColumnKind kind = chain.terms[0].kind;
    bool simple = chain.terms[0].simple;
    for (size_t k = 0; k < chain.operators.size(); ++k) {
        const Node& op = scan.nodes[chain.operators[k]];
        const Term& term = chain.terms[k + 1];
        const bool concatenates = op.isOperator("||") || (op.isOperator("+") && joinsText(kind, term.kind));
        plan.concatenates.push_back(concatenates);
        plan.wrapLeft.push_back(concatenates && !simple);
        plan.wrapTerm.push_back(concatenates && !term.simple);
        if (concatenates) {
            plan.changes = plan.changes || op.isOperator("+") || !simple || !term.simple;
            kind = ColumnKind::Text;
            simple = true;
        } else {
            kind = (op.isOperator("-") || kind == ColumnKind::Numeric || term.kind == ColumnKind::Numeric)
                ? ColumnKind::Numeric
                : ColumnKind::Unknown;
            simple = false;
        }
    }
    plan.kind = kind;
    return plan;
}

Node wrap(NodeList nodes)
{
    QString lead;
    if (!nodes.empty())
        std::swap(lead, nodes.front().token.lead);
    return makeGroup(std::move(nodes), lead);
}

void moveRange(NodeList& from, size_t begin, size_t end, NodeList& to)
{
    for (size_t i = begin; i < end; ++i)
        to.push_back(std::move(from[i]));
}

// Appends the rewritten chain to `out`.
void applyPlan(NodeList& level, const Chain& chain, const ChainPlan& plan, NodeList& result)
{
    NodeList out;
    int wraps = 0;  // each one nests everything before it one level deeper
    moveRange(level, chain.terms[0].begin, chain.terms[0].end, out);
    for (size_t k = 0; k < chain.operators.size(); ++k) {
        if (plan.wrapLeft[k]) {
            if (++wraps > maxNesting)
                refuseDeepNesting();
            Node group = wrap(std::move(out));
            out.clear();
            out.push_back(std::move(group));
        }
        Node op = std::move(level[chain.operators[k]]);
        if (plan.concatenates[k])
            op.token.text = QStringLiteral("||");
        out.push_back(std::move(op));
        const Term& term = chain.terms[k + 1];
        if (plan.wrapTerm[k]) {
            NodeList inner;
            moveRange(level, term.begin, term.end, inner);
            out.push_back(wrap(std::move(inner)));
        } else {
            moveRange(level, term.begin, term.end, out);
        }
    }
    std::move(out.begin(), out.end(), std::back_inserter(result));
}

// Builds the level anew, chain by chain, so that a long level is rewritten in one pass.
void rewriteChains(NodeList& level, const SqlColumnKinds& columns, bool casesAreOperands,
                   bool& guessedColumn)
{
    NodeList result;
    result.reserve(level.size());
    const Scan scan{level, columns, casesAreOperands};
    size_t i = 0;
    while (i < level.size()) {
        Chain chain;
        if (!parseChain(scan, i, level.size(), chain)) {
            result.push_back(std::move(level[i++]));
            continue;
        }
        for (size_t k = 0; k < chain.operators.size(); ++k) {
            if (level[chain.operators[k]].isOperator("+")
                && (chain.terms[k].unknownName || chain.terms[k + 1].unknownName))
                guessedColumn = true;
        }
        const ChainPlan plan = planChain(scan, chain);
        if (plan.changes)
            applyPlan(level, chain, plan, result);
        else
            moveRange(level, chain.begin, chain.end, result);
        i = chain.end;
    }
    level = std::move(result);
}

std::vector<std::pair<size_t, size_t>> splitArguments(const NodeList& children)
{
    std::vector<std::pair<size_t, size_t>> args;
    size_t start = 0;
    for (size_t i = 0; i < children.size(); ++i) {
        if (children[i].isOperator(",")) {
            args.emplace_back(start, i);
            start = i + 1;
        }
    }
    if (!children.empty())
        args.emplace_back(start, children.size());
    return args;
}

ColumnKind functionKind(const Scan& scan, const Node& nameNode, const Node& args)
{
    const QString name = nameNode.token.text.toLower();
    static const QSet<QString> textFunctions = {
        "lower", "upper", "ltrim", "rtrim", "trim", "substring", "substr", "left", "right",
        "replace", "char", "nchar", "str", "space", "replicate", "stuff", "concat", "quotename",
        "reverse", "format",
    };
    static const QSet<QString> numberFunctions = {
        "len", "length", "charindex", "instr", "round", "abs", "count", "sum", "avg", "floor",
        "ceiling", "datediff", "year", "month", "day", "datalength", "sign", "power", "sqrt",
    };
    if (textFunctions.contains(name))
        return ColumnKind::Text;
    if (numberFunctions.contains(name))
        return ColumnKind::Numeric;
    const NodeList& children = args.children;
    if (name == "cast") {
        for (size_t i = 0; i + 1 < children.size(); ++i) {
            if (children[i].isWord("AS"))
                return SqlColumnKinds::kindOfDeclaredType(children[i + 1].token.text);
        }
        return ColumnKind::Unknown;
    }
    if (name == "convert")
        return children.empty() ? ColumnKind::Unknown
                                : SqlColumnKinds::kindOfDeclaredType(children.front().token.text);
    if (name == "isnull" || name == "ifnull" || name == "coalesce" || name == "nullif"
        || name == "min" || name == "max") {
        ColumnKind kind = ColumnKind::Unknown;
        for (const auto& [begin, end] : splitArguments(children)) {
            const ColumnKind argument = expressionKind(children, begin, end, scan.columns);
            if (argument == ColumnKind::Text)
                return ColumnKind::Text;
            if (argument == ColumnKind::Numeric)
                kind = ColumnKind::Numeric;
        }
        return kind;
    }
    return ColumnKind::Unknown;
}

// A CASE gives text when one of its branches does.
ColumnKind caseKind(const Scan& scan, size_t begin, size_t end)
{
    const NodeList& nodes = scan.nodes;
    ColumnKind kind = ColumnKind::Unknown;
    int depth = 0;
    size_t branchStart = 0;
    bool inBranch = false;
    for (size_t i = begin; i < end; ++i) {
        const Node& node = nodes[i];
        const bool caseWord = node.isWord("CASE");
        const bool endWord = node.isWord("END");
        const bool boundary = depth == 1 && (node.isWord("WHEN") || node.isWord("ELSE") || endWord);
        if (inBranch && boundary) {
            const ColumnKind branch = expressionKind(nodes, branchStart, i, scan.columns);
            if (branch == ColumnKind::Text)
                return ColumnKind::Text;
            if (branch == ColumnKind::Numeric)
                kind = ColumnKind::Numeric;
            inBranch = false;
        }
        if (depth == 1 && (node.isWord("THEN") || node.isWord("ELSE"))) {
            inBranch = true;
            branchStart = i + 1;
        }
        if (caseWord)
            ++depth;
        else if (endWord)
            --depth;
    }
    return kind;
}

ColumnKind contentKind(const NodeList& children, const SqlColumnKinds& columns)
{
    if (children.empty() || !children.front().isWord("SELECT"))
        return expressionKind(children, 0, children.size(), columns);
    // A subquery gives the kind of its first column.
    size_t begin = 1;
    if (begin < children.size() && (children[begin].isWord("DISTINCT") || children[begin].isWord("ALL")))
        ++begin;
    size_t end = begin;
    while (end < children.size() && !children[end].isOperator(",") && !children[end].isWord("FROM"))
        ++end;
    return expressionKind(children, begin, end, columns);
}

// Worked out once per group: the groups inside it are rewritten before the level that holds
// it, and nothing changes them afterwards.
ColumnKind groupKind(const Node& group, const SqlColumnKinds& columns)
{
    if (!group.valueKind)
        group.valueKind = contentKind(group.children, columns);
    return *group.valueKind;
}

// The kind of value an expression gives, as far as the text tells.
ColumnKind expressionKind(const NodeList& nodes, size_t begin, size_t end,
                          const SqlColumnKinds& columns)
{
    const Scan scan{nodes, columns, true};
    Chain chain;
    if (begin >= end || !parseChain(scan, begin, end, chain) || chain.end != end)
        return ColumnKind::Unknown;
    if (chain.operators.empty())
        classify(scan, chain.terms.front());
    return planChain(scan, chain).kind;
}

} // namespace

bool isReservedWord(const Node& node)
{
    return !node.isGroup && node.token.kind == TokenKind::Word && node.token.reserved;
}

void rewriteConcatenation(NodeList& level, const SqlColumnKinds& columns, bool& guessedColumn)
{
    // First the expressions inside CASE branches, then the chains that hold whole CASEs.
    rewriteChains(level, columns, false, guessedColumn);
    rewriteChains(level, columns, true, guessedColumn);
}

} // namespace hostdb::sql
