#include "platform/ado/FilterPredicate.h"

#include "platform/ado/AdoErrors.h"
#include "platform/ado/CriteriaLexer.h"
#include "platform/ado/FieldValues.h"
#include "platform/ado/TextCompare.h"

#include <QRegularExpression>
#include <cmath>
#include <optional>

namespace ado {

namespace {

using criteria::CompareOp;
using criteria::CriteriaTerm;
using criteria::CriteriaValue;
using Kind = FilterPredicate::Test::Kind;

// yyyy-m-d, yyyy/m/d or m/d/yyyy, optionally followed by h:mm[:ss[.zzz]].
std::optional<qint64> parseDate(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"re(^\s*(?:(\d{4})[-/.](\d{1,2})[-/.](\d{1,2})|(\d{1,2})/(\d{1,2})/(\d{4})))re"
        R"re((?:(?:\s+|T)(\d{1,2}):(\d{2})(?::(\d{2})(?:\.(\d{1,3}))?)?)?\s*$)re"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    auto number = [&](int group) { return match.captured(group).toInt(); };
    const bool yearFirst = match.hasCaptured(1);
    const QDate date = yearFirst ? QDate(number(1), number(2), number(3))
                                 : QDate(number(6), number(4), number(5));
    QTime time(0, 0);
    if (match.hasCaptured(7)) {
        const int millis = match.hasCaptured(10) ? match.captured(10).leftJustified(3, u'0').toInt() : 0;
        time = QTime(number(7), number(8), match.hasCaptured(9) ? number(9) : 0, millis);
    }
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return values::dateKey(date, time);
}

class TermBinder {
public:
    TermBinder(const QString& criteria, const std::vector<FieldInfo>& fields)
        : m_criteria(criteria), m_fields(fields)
    {
    }

    FilterPredicate::Test bind(const CriteriaTerm& term) const
    {
        FilterPredicate::Test test;
        test.field = fieldIndexOf(m_fields, term.field);
        if (test.field < 0)
            failAt(term.fieldPosition, QStringLiteral("没有名为 “%1” 的字段").arg(term.field));
        test.op = term.op;
        const FieldInfo& field = m_fields[size_t(test.field)];
        const CriteriaValue& value = term.value;

        // A #date# must be a date whatever it is compared with.
        std::optional<qint64> literalDate;
        if (value.kind == CriteriaValue::Kind::Date) {
            literalDate = parseDate(value.text);
            if (!literalDate)
                failAt(value.position, QStringLiteral("“#%1#” 不是有效的日期").arg(value.text));
        }
        if (value.kind == CriteriaValue::Kind::Null) {
            test.kind = term.op == CompareOp::Equal ? Kind::IsNull : Kind::IsNotNull;
            return test;
        }
        if (term.op == CompareOp::Like && field.type != FieldType::Text)
            mismatch(QStringLiteral("%1字段 %2 不能用 LIKE 比较").arg(typeName(field.type), field.name));

        switch (field.type) {
        case FieldType::Text: bindText(test, term, field); break;
        case FieldType::Integer:
        case FieldType::Double: bindNumber(test, value, field); break;
        case FieldType::Date: bindDate(test, value, field, literalDate); break;
        case FieldType::Boolean: bindBoolean(test, value, field); break;
        }
        return test;
    }

private:
    [[noreturn]] void failAt(int position, const QString& problem) const
    {
        throw errors::argumentsWrong(
            criteria::describeAt(criteria::criteriaWord(), m_criteria, position, problem));
    }

    [[noreturn]] static void mismatch(const QString& problem)
    {
        throw errors::typeMismatch(problem);
    }

    [[noreturn]] static void cannotCompare(const FieldInfo& field, const CriteriaValue& value)
    {
        const QString shown = value.kind == CriteriaValue::Kind::String ? u'\'' + value.text + u'\''
            : value.kind == CriteriaValue::Kind::Date                    ? u'#' + value.text + u'#'
                                                                         : value.text;
        mismatch(QStringLiteral("%1字段 %2 不能与 %3 比较").arg(typeName(field.type), field.name, shown));
    }

    void bindText(FilterPredicate::Test& test, const CriteriaTerm& term, const FieldInfo& field) const
    {
        const CriteriaValue& value = term.value;
        if (value.kind != CriteriaValue::Kind::String && value.kind != CriteriaValue::Kind::Number)
            cannotCompare(field, value);
        if (term.op != CompareOp::Like) {
            test.kind = Kind::Text;
            test.text = value.text;
            return;
        }
        bindLike(test, value);
    }

    // LIKE takes * or % at the end ('abc*') or at both ends ('*abc*'); without one it is
    // an equality test.
    void bindLike(FilterPredicate::Test& test, const CriteriaValue& value) const
    {
        auto isWildcard = [](QChar c) { return c == u'*' || c == u'%'; };
        QStringView pattern(value.text);
        const bool leading = !pattern.isEmpty() && isWildcard(pattern.front());
        if (leading)
            pattern = pattern.sliced(1);
        const bool trailing = !pattern.isEmpty() && isWildcard(pattern.back());
        if (trailing)
            pattern.chop(1);
        const bool lonelyWildcard = leading && !trailing && pattern.isEmpty();  // LIKE '*'
        if (leading && !trailing && !lonelyWildcard)
            failAt(value.position, QStringLiteral("LIKE 的通配符只能在末尾或两端，如 'abc*' 或 '*abc*'"));
        for (QChar c : pattern) {
            if (isWildcard(c))
                failAt(value.position, QStringLiteral("LIKE 的通配符只能在末尾或两端，如 'abc*' 或 '*abc*'"));
        }
        test.text = text::folded(pattern);
        if (leading && trailing)
            test.kind = Kind::TextPart;
        else if (trailing || lonelyWildcard)
            test.kind = Kind::TextPrefix;
        else {
            test.kind = Kind::Text;
            test.op = CompareOp::Equal;
            test.text = pattern.toString();
        }
    }

    static void bindNumber(FilterPredicate::Test& test, const CriteriaValue& value, const FieldInfo& field)
    {
        if (value.kind != CriteriaValue::Kind::Number && value.kind != CriteriaValue::Kind::String)
            cannotCompare(field, value);
        const QString written = value.text.trimmed();
        bool isNumber = false;
        const double number = written.toDouble(&isNumber);
        if (!isNumber || !std::isfinite(number))
            cannotCompare(field, value);
        bool isInteger = false;
        const qint64 integer = written.toLongLong(&isInteger);
        test.number = number;
        test.integer = integer;
        test.kind = field.type == FieldType::Integer && isInteger ? Kind::Integer : Kind::Number;
    }

    static void bindDate(FilterPredicate::Test& test, const CriteriaValue& value, const FieldInfo& field,
                         std::optional<qint64> literalDate)
    {
        if (value.kind == CriteriaValue::Kind::String)
            literalDate = parseDate(value.text);
        if (!literalDate)
            cannotCompare(field, value);
        test.kind = Kind::Date;
        test.integer = *literalDate;
    }

    static void bindBoolean(FilterPredicate::Test& test, const CriteriaValue& value, const FieldInfo& field)
    {
        std::optional<bool> truth;
        const QString written = value.text.trimmed().toLower();
        if (value.kind == CriteriaValue::Kind::Boolean || value.kind == CriteriaValue::Kind::String) {
            if (written == u"true")
                truth = true;
            else if (written == u"false")
                truth = false;
        }
        if (!truth && (value.kind == CriteriaValue::Kind::Number || value.kind == CriteriaValue::Kind::String)) {
            bool isNumber = false;
            const double number = written.toDouble(&isNumber);
            if (isNumber)
                truth = number != 0;
        }
        if (!truth)
            cannotCompare(field, value);
        test.kind = Kind::Boolean;
        test.integer = *truth ? 1 : 0;
    }

    const QString& m_criteria;
    const std::vector<FieldInfo>& m_fields;
};

template <class T>
int threeWay(T left, T right)
{
    return left < right ? -1 : (right < left ? 1 : 0);
}

bool holds(int comparison, CompareOp op)
{
    switch (op) {
    case CompareOp::Equal:
    case CompareOp::Like: return comparison == 0;
    case CompareOp::NotEqual: return comparison != 0;
    case CompareOp::Less: return comparison < 0;
    case CompareOp::Greater: return comparison > 0;
    case CompareOp::LessOrEqual: return comparison <= 0;
    case CompareOp::GreaterOrEqual: return comparison >= 0;
    }
    return false;
}

bool passes(const FilterPredicate::Test& test, const std::vector<QVariant>& row)
{
    const QVariant& value = row[size_t(test.field)];
    if (test.kind == Kind::IsNull)
        return !value.isValid();
    if (!value.isValid())
        return false;  // a null matches nothing but "= NULL"; "<> NULL" is the next case
    switch (test.kind) {
    case Kind::IsNull:
    case Kind::IsNotNull: return true;
    case Kind::Text: return holds(text::compare(values::text(value), test.text), test.op);
    case Kind::TextPrefix: return text::startsWithFolded(values::text(value), test.text);
    case Kind::TextPart: return text::containsFolded(values::text(value), test.text);
    case Kind::Integer: return holds(threeWay(values::integer(value), test.integer), test.op);
    case Kind::Number: {
        const double number = values::number(value);
        if (std::isnan(number))
            return false;
        return holds(threeWay(number, test.number), test.op);
    }
    case Kind::Date: return holds(threeWay(values::dateKey(value), test.integer), test.op);
    case Kind::Boolean: return holds(threeWay(qint64(values::boolean(value)), test.integer), test.op);
    }
    return false;
}

} // namespace

FilterPredicate::FilterPredicate(const QString& criteria, const std::vector<FieldInfo>& fields)
{
    const criteria::ParsedCriteria parsed = criteria::parseCriteria(criteria);
    const TermBinder binder(criteria, fields);
    for (const criteria::AndGroup& group : parsed.groups) {
        std::vector<Test> tests;
        for (const CriteriaTerm& term : group)
            tests.push_back(binder.bind(term));
        m_groups.push_back(std::move(tests));
    }
}

bool FilterPredicate::matches(const std::vector<QVariant>& row) const
{
    for (const std::vector<Test>& group : m_groups) {
        bool all = true;
        for (const Test& test : group) {
            if (!passes(test, row)) {
                all = false;
                break;
            }
        }
        if (all)
            return true;
    }
    return false;
}

std::vector<int> FilterPredicate::select(const std::vector<std::vector<QVariant>>& rows) const
{
    std::vector<int> matching;
    for (size_t r = 0; r < rows.size(); ++r) {
        if (matches(rows[r]))
            matching.push_back(int(r));
    }
    return matching;
}

} // namespace ado
