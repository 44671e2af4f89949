#include "platform/ado/SortOrder.h"

#include "platform/ado/AdoErrors.h"
#include "platform/ado/CriteriaLexer.h"
#include "platform/ado/FieldValues.h"
#include "platform/ado/TextCompare.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace ado {

namespace {

using criteria::isKeyword;
using criteria::Token;
using criteria::TokenKind;

QString sortWord()
{
    return QStringLiteral("排序");
}

// One sort key's values for every row being sorted, in the form that compares fastest.
struct KeyColumn {
    enum class Form { Integer, Real, Text };
    Form form = Form::Integer;
    bool descending = false;
    std::vector<unsigned char> isNull;
    std::vector<qint64> integers;  // Integer, Date (wall-clock key), Boolean (0/1)
    std::vector<double> reals;
    std::vector<QString> texts;    // comparison keys

    // Ascending order of positions a and b; nulls first, NaN after nulls and before numbers.
    int compare(size_t a, size_t b) const
    {
        if (isNull[a] || isNull[b])
            return int(isNull[b]) - int(isNull[a]);
        switch (form) {
        case Form::Integer:
            return integers[a] < integers[b] ? -1 : (integers[b] < integers[a] ? 1 : 0);
        case Form::Real: {
            const double x = reals[a], y = reals[b];
            const bool nanX = std::isnan(x), nanY = std::isnan(y);
            if (nanX || nanY)
                return int(nanY) - int(nanX);
            return x < y ? -1 : (y < x ? 1 : 0);
        }
        case Form::Text:
            return text::compareKeys(texts[a], texts[b]);
        }
        return 0;
    }
};

KeyColumn buildColumn(const SortKey& key, const std::vector<int>& rows, const RecordsetStorage& storage)
{
    KeyColumn column;
    column.descending = key.descending;
    const FieldType type = storage.fields[size_t(key.field)].type;
    column.form = type == FieldType::Double ? KeyColumn::Form::Real
        : type == FieldType::Text           ? KeyColumn::Form::Text
                                            : KeyColumn::Form::Integer;
    const size_t count = rows.size();
    column.isNull.resize(count);
    if (column.form == KeyColumn::Form::Integer)
        column.integers.resize(count);
    else if (column.form == KeyColumn::Form::Real)
        column.reals.resize(count);
    else
        column.texts.resize(count);

    for (size_t i = 0; i < count; ++i) {
        const QVariant& value = storage.rows[size_t(rows[i])][size_t(key.field)];
        if (!value.isValid()) {
            column.isNull[i] = 1;
            continue;
        }
        switch (type) {
        case FieldType::Integer: column.integers[i] = values::integer(value); break;
        case FieldType::Date: column.integers[i] = values::dateKey(value); break;
        case FieldType::Boolean: column.integers[i] = values::boolean(value) ? 1 : 0; break;
        case FieldType::Double: column.reals[i] = values::real(value); break;
        case FieldType::Text: column.texts[i] = text::comparisonKey(values::text(value)); break;
        }
    }
    return column;
}

} // namespace

std::vector<SortKey> parseSortOrder(const QString& text, const std::vector<FieldInfo>& fields)
{
    const std::vector<Token> tokens = criteria::tokenize(text, sortWord());
    auto fail = [&](const Token& at, const QString& problem) {
        throw errors::argumentsWrong(criteria::describeAt(sortWord(), text, at.position, problem));
    };
    std::vector<SortKey> keys;
    size_t at = 0;
    while (true) {
        const Token& name = tokens[at];
        if (name.kind != TokenKind::Name && name.kind != TokenKind::BracketName)
            fail(name, QStringLiteral("此处应为字段名"));
        SortKey key;
        key.field = fieldIndexOf(fields, name.text);
        if (key.field < 0)
            fail(name, QStringLiteral("没有名为 “%1” 的字段").arg(name.text));
        ++at;
        if (isKeyword(tokens[at], "DESC") || isKeyword(tokens[at], "ASC")) {
            key.descending = isKeyword(tokens[at], "DESC");
            ++at;
        }
        keys.push_back(key);
        if (tokens[at].kind == TokenKind::End)
            return keys;
        if (tokens[at].kind != TokenKind::Comma)
            fail(tokens[at], QStringLiteral("字段名后应为 ASC、DESC 或逗号"));
        ++at;
    }
}

void sortRows(std::vector<int>& rows, const std::vector<SortKey>& keys, const RecordsetStorage& storage)
{
    if (keys.empty() || rows.size() < 2)
        return;
    std::vector<KeyColumn> columns;
    columns.reserve(keys.size());
    for (const SortKey& key : keys)
        columns.push_back(buildColumn(key, rows, storage));

    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        for (const KeyColumn& column : columns) {
            const int comparison = column.compare(a, b);
            if (comparison != 0)
                return column.descending ? comparison > 0 : comparison < 0;
        }
        return false;
    });

    std::vector<int> sorted(rows.size());
    for (size_t i = 0; i < order.size(); ++i)
        sorted[i] = rows[order[i]];
    rows = std::move(sorted);
}

} // namespace ado
