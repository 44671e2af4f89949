#include "tests/testsupport/SqlScript.h"

namespace fakehost {

void SqlScript::answer(const QString& sql, ado::RecordsetPtr rows)
{
    m_answers.insert(sql, std::move(rows));
}

void SqlScript::clear()
{
    m_answers.clear();
    m_fallback = nullptr;
}

ado::RecordsetPtr SqlScript::run(const QString& sql) const
{
    const auto found = m_answers.constFind(sql);
    if (found != m_answers.constEnd()) {
        // Each caller gets its own cursor, as a new query would give.
        const ado::RecordsetPtr& scripted = *found;
        return scripted && scripted->State() == ado::adStateOpen ? scripted->Clone() : scripted;
    }
    if (m_fallback)
        return m_fallback(sql);
    return rows({});
}

ado::RecordsetPtr rows(std::vector<ado::FieldInfo> fields, std::vector<std::vector<QVariant>> values)
{
    return ado::Recordset::make(std::move(fields), std::move(values));
}

} // namespace fakehost
