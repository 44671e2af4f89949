#pragma once
// The answers of a fake that runs SQL: recordsets for exact SQL texts, a function for the
// rest, and by default an empty recordset.
#include "platform/ado/Recordset.h"

#include <QHash>
#include <QString>
#include <functional>

namespace fakehost {

class SqlScript {
public:
    using Answer = std::function<ado::RecordsetPtr(const QString& sql)>;

    // Answers exactly this text with the rows (a fresh cursor each time; null answers null).
    void answer(const QString& sql, ado::RecordsetPtr rows);
    // Answers every other text; without one, an open recordset with no fields and no rows.
    void setFallback(Answer fallback) { m_fallback = std::move(fallback); }
    void clear();

    ado::RecordsetPtr run(const QString& sql) const;

private:
    QHash<QString, ado::RecordsetPtr> m_answers;
    Answer m_fallback;
};

// A recordset of rows under the given fields, for scripting answers in one line:
//     rows({{"FValue", ado::FieldType::Text}}, {{QString("12")}})
ado::RecordsetPtr rows(std::vector<ado::FieldInfo> fields, std::vector<std::vector<QVariant>> values = {});

} // namespace fakehost
