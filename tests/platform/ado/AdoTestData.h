#pragma once
// A small recordset with one field of every type, nulls, mixed case, trailing blanks and
// Chinese text, and helpers to read which rows a view shows and what a call raised.
#include "platform/ado/Recordset.h"
#include "tests/platform/RaisedError.h"

#include <QDateTime>
#include <gtest/gtest.h>
#include <vector>

namespace adotest {

using Ids = std::vector<qint64>;

// FID is the row's number in query order.
// 1 螺栓 M8 10 2008-01-05 | 2 "bolt " 2.5 2008-01-06 10:30 | 3 BOLT -3 2007-12-31 | 4 nulls |
// 5 Nut 100 2008-02-01 | 6 螺母 0.5 2008-01-05 | 7 washer bolt 10 2009-06-30
inline ado::RecordsetPtr sampleRecordset()
{
    using ado::FieldType;
    const auto at = [](int y, int m, int d, int h = 0, int min = 0) { return QDateTime(QDate(y, m, d), QTime(h, min)); };
    return ado::Recordset::make(
        {{"FID", FieldType::Integer}, {"FName", FieldType::Text}, {"FQty", FieldType::Double},
         {"FDate", FieldType::Date}, {"FActive", FieldType::Boolean}, {"F Note", FieldType::Text}},
        {{qint64(1), QString("螺栓 M8"), 10.0, at(2008, 1, 5), true, QString("a")},
         {qint64(2), QString("bolt "), 2.5, at(2008, 1, 6, 10, 30), false, QVariant()},
         {qint64(3), QString("BOLT"), -3.0, at(2007, 12, 31), true, QString("it's")},
         {qint64(4), QVariant(), QVariant(), QVariant(), QVariant(), QString("x")},
         {qint64(5), QString("Nut"), 100.0, at(2008, 2, 1), false, QString("")},
         {qint64(6), QString("螺母"), 0.5, at(2008, 1, 5), true, QString("b")},
         {qint64(7), QString("washer bolt"), 10.0, at(2009, 6, 30), false, QString("c")}});
}

// n rows with FID 1..n.
inline ado::RecordsetPtr numberedRecordset(int n)
{
    std::vector<std::vector<QVariant>> rows;
    for (int i = 1; i <= n; ++i)
        rows.push_back({qint64(i)});
    return ado::Recordset::make({{"FID", ado::FieldType::Integer}}, std::move(rows));
}

inline qint64 currentId(const ado::Recordset& rs)
{
    return rs.value("FID").toLongLong();
}

// The FIDs of the current view, walked from its first record; leaves the cursor at EOF.
inline Ids visibleIds(ado::Recordset& rs)
{
    Ids ids;
    for (rs.RecordCount() ? rs.MoveFirst() : void(); !rs.Eof(); rs.MoveNext())
        ids.push_back(currentId(rs));
    return ids;
}

// Checks that the action raises a ComError with this number whose description holds `fragment`.
inline void expectComError(const std::function<void()>& action, int32_t number, const QString& fragment = {})
{
    const platformtest::Raised raised = platformtest::raisedBy(action);
    EXPECT_EQ(raised.number, number) << raised.description.toStdString();
    EXPECT_TRUE(raised.description.contains(fragment)) << raised.description.toStdString() << " lacks " << fragment.toStdString();
}

} // namespace adotest
