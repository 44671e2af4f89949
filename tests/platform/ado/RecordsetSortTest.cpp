// Sort orders, stability, nulls, text rules, restoring the query order, the interplay with
// the filter, and rejected sort texts.
#include "AdoTestData.h"

#include "platform/ado/TextCompare.h"
#include "platform/com/ErrorCodes.h"

using namespace adotest;

TEST(RecordsetSort, ShowsRowsInTheOrderFromTheFirst)
{
    const std::pair<const char*, Ids> cases[] = {
        {"FQty", {4, 3, 6, 2, 1, 7, 5}},                 // nulls first; 1 and 7 tie: query order
        {"FQty DESC", {5, 1, 7, 2, 6, 3, 4}},            // ties stay in query order, nulls last
        {"fqty desc, FID DESC", {5, 7, 1, 2, 6, 3, 4}}, {"FDate DESC,FQty ASC", {7, 5, 2, 6, 1, 3, 4}},
        {"FName", {4, 2, 3, 5, 7, 1, 6}},                // "bolt " = "BOLT"; 栓 (U+6813) before 母 (U+6BCD)
        {"FActive, FID DESC", {4, 7, 5, 2, 6, 3, 1}}, {"[F Note] ASC", {2, 5, 1, 6, 7, 3, 4}}, {" FID DESC ", {7, 6, 5, 4, 3, 2, 1}},
    };
    for (const auto& [sort, ids] : cases) {
        auto rs = sampleRecordset();
        rs->MoveLast();
        rs->SetSort(QString::fromUtf8(sort));
        EXPECT_EQ(rs->AbsolutePosition(), 1) << sort;
        EXPECT_EQ(visibleIds(*rs), ids) << sort;
    }
    std::vector<std::vector<QVariant>> rows;  // stable over many equal keys
    Ids expected;
    for (int i = 0; i < 200; ++i) {
        rows.push_back({qint64(i), QString(i % 2 ? "A" : "a ")});
        expected.push_back(i);
    }
    auto many = ado::Recordset::make({{"FID", ado::FieldType::Integer}, {"FName", ado::FieldType::Text}}, rows);
    many->SetSort("FName DESC");
    EXPECT_EQ(visibleIds(*many), expected);
}

TEST(RecordsetSort, AppliesOnTopOfTheFilterWhicheverComesFirst)
{
    auto rs = sampleRecordset();
    rs->SetFilter("FQty >= 2.5");
    rs->SetSort("FQty DESC");
    EXPECT_EQ(visibleIds(*rs), (Ids{5, 1, 7, 2}));
    rs->SetFilter("FQty < 50");  // a new filter keeps the sort
    EXPECT_EQ(visibleIds(*rs), (Ids{1, 7, 2, 6, 3}));
    rs->SetSort("");  // removing the sort restores the query order and keeps the filter
    EXPECT_EQ(visibleIds(*rs), (Ids{1, 2, 3, 6, 7}));
    rs->SetSort("FID DESC");
    rs->SetFilter("");
    EXPECT_EQ(visibleIds(*rs), (Ids{7, 6, 5, 4, 3, 2, 1}));
}

TEST(RecordsetSort, RejectedSortKeepsThePreviousOrder)
{
    const std::pair<const char*, const char*> rejected[] = {{"FNone", "FNone"}, {"FID,,FQty", "字段名"}, {"FID,", "字段名"},
        {",FID", "字段名"}, {"FID DOWN", "ASC"}, {"[F Note", "]"}, {"FID ASC DESC", "ASC"}};
    auto rs = sampleRecordset();
    rs->SetSort("FID DESC");
    rs->MoveNext();
    for (const auto& [sort, fragment] : rejected) {
        SCOPED_TRACE(sort);
        expectComError([&] { rs->SetSort(sort); }, com::ADO_ARGUMENTS_WRONG, QString::fromUtf8(fragment));
        EXPECT_EQ(rs->Sort(), "FID DESC");
        EXPECT_EQ(currentId(*rs), 6);
    }
}

TEST(TextCompare, KeysOrderExactlyAsTheDirectComparison)
{
    const QStringList texts = {"", " ", "a", "A ", "ab", "AB", "b", "Ä", "ä", "z", "螺栓", "螺母", "a b", "ab  "};
    for (const QString& left : texts) {
        for (const QString& right : texts) {
            const int direct = ado::text::compare(left, right);
            const int byKey = ado::text::compareKeys(ado::text::comparisonKey(left), ado::text::comparisonKey(right));
            EXPECT_EQ((direct > 0) - (direct < 0), (byKey > 0) - (byKey < 0)) << left.toStdString() << " vs " << right.toStdString();
        }
    }
    EXPECT_EQ(ado::text::compare(u"Ä", u"ä "), 0);
    EXPECT_LT(ado::text::compare(u"ab", u"abc"), 0);
}
