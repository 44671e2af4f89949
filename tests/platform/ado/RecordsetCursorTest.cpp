// Cursor rules: where each move lands, which moves raise 3021 or 3001 (and leave the cursor
// where it was), clones and the bookmarks that travel between them, field access, building from
// rows, and the closed state.
#include "AdoTestData.h"

#include "platform/com/ErrorCodes.h"

#include <limits>

using namespace adotest;
using R = ado::Recordset;

namespace {

constexpr int32_t kBofEof = com::ADO_BOF_OR_EOF, kArgs = com::ADO_ARGUMENTS_WRONG;
const long kBOF = ado::adPosBOF, kEOF = ado::adPosEOF, kUnknown = ado::adPosUnknown;

TEST(RecordsetCursor, EachMoveLandsWhereExpectedAndAFailedMoveStaysPut)
{
    const std::tuple<const char*, int, std::function<void(R&)>, int32_t, long> cases[] = {
        // name, rows, steps, error of the last step, AbsolutePosition afterwards
        {"past last", 5, [](R& r) { r.MoveLast(); r.MoveNext(); }, 0, kEOF},
        {"forward at EOF", 5, [](R& r) { r.MoveLast(); r.MoveNext(); r.MoveNext(); }, kBofEof, kEOF},
        {"before first", 5, [](R& r) { r.MovePrevious(); }, 0, kBOF},
        {"backward at BOF", 5, [](R& r) { r.MovePrevious(); r.MovePrevious(); }, kBofEof, kBOF},
        {"back from EOF", 5, [](R& r) { r.Move(10); r.Move(-2); }, 0, 4}, {"on from BOF", 5, [](R& r) { r.Move(-10); r.Move(2); }, 0, 2},
        {"zero at EOF", 5, [](R& r) { r.Move(5); r.Move(0); }, kBofEof, kEOF},
        {"zero at BOF", 5, [](R& r) { r.Move(-1); r.Move(0); }, kBofEof, kBOF}, {"opens on first", 5, [](R&) {}, 0, 1},
        {"from first", 5, [](R& r) { r.MoveLast(); r.Move(4, ado::adBookmarkFirst); }, 0, 5},
        {"from first before start", 5, [](R& r) { r.Move(-1, ado::adBookmarkFirst); }, 0, kBOF},
        {"from first while at EOF", 5, [](R& r) { r.Move(9); r.Move(1, ado::adBookmarkFirst); }, 0, 2},
        {"huge forward", 5, [](R& r) { r.Move(std::numeric_limits<long>::max()); }, 0, kEOF},
        {"unknown start", 5, [](R& r) { r.Move(1, ado::BookmarkEnum(7)); }, kArgs, 1},
        {"absolute zero", 5, [](R& r) { r.MoveNext(); r.SetAbsolutePosition(0); }, kArgs, 2},
        {"absolute beyond", 5, [](R& r) { r.SetAbsolutePosition(6); }, kArgs, 1},
        {"empty MoveFirst", 0, [](R& r) { r.MoveFirst(); }, kBofEof, kUnknown},
        {"empty MoveNext", 0, [](R& r) { r.MoveNext(); }, kBofEof, kUnknown},
        {"empty from first", 0, [](R& r) { r.Move(0, ado::adBookmarkFirst); }, kBofEof, kUnknown},
        {"empty absolute", 0, [](R& r) { r.SetAbsolutePosition(1); }, kBofEof, kUnknown},
    };
    for (const auto& [name, rows, steps, error, position] : cases) {
        SCOPED_TRACE(name);
        auto rs = numberedRecordset(rows);
        EXPECT_EQ(platformtest::raisedBy([&] { steps(*rs); }).number, error);
        EXPECT_EQ(rs->AbsolutePosition(), position);
        EXPECT_EQ(rs->Bof(), position == kUnknown || position == kBOF);
        EXPECT_EQ(rs->Eof(), position == kUnknown || position == kEOF);
        EXPECT_EQ(position > 0 ? currentId(*rs) : 0, std::max(0L, position));
    }
}

TEST(RecordsetCursor, NoCurrentRecordMeansNoFieldValueAndNoBookmark)
{
    const std::function<void(R&)> places[] = {[](R& r) { r.MovePrevious(); }, [](R& r) { r.MoveLast(); r.MoveNext(); },
                                              [](R& r) { r.SetFilter("FID > 99"); }};
    for (const auto& go : places) {
        auto rs = numberedRecordset(3);
        go(*rs);
        const std::function<void()> reads[] = {[&] { rs->value("FID"); }, [&] { rs->Fields()["fid"].Value(); },
                                               [&] { rs->currentRecord(); }, [&] { rs->Bookmark(); }};
        for (const auto& read : reads)
            expectComError(read, kBofEof);
    }
}

TEST(RecordsetClone, SharesRowsButStartsFreshOnTheFirstRecord)
{
    auto rs = sampleRecordset();
    rs->SetFilter("FQty > 1");
    rs->SetSort("FQty DESC");
    rs->MoveNext();
    auto clone = rs->Clone();
    EXPECT_EQ(clone->Filter() + clone->Sort(), "");
    EXPECT_EQ(currentId(*clone), 1);
    clone->MoveLast();
    clone->SetFilter("FID < 3");
    EXPECT_EQ(currentId(*rs), 1) << "the original's cursor did not move";
    EXPECT_EQ(visibleIds(*rs), (Ids{5, 1, 7, 2}));
    rs->Close();
    EXPECT_EQ(visibleIds(*clone), (Ids{1, 2})) << "closing leaves clones open";
}

TEST(RecordsetClone, BookmarksLandOnTheSameRowInAnotherClonesOrderAndNowhereElse)
{
    auto rs = sampleRecordset();
    rs->SetSort("FQty DESC");
    auto clone = rs->Clone();
    clone->SetFilter("FName Like '*bolt*'");
    clone->Move(1);  // second match in query order: row 3
    const ado::Bookmark mark = clone->Bookmark();
    rs->SetBookmark(mark);
    EXPECT_EQ(currentId(*rs), 3);
    EXPECT_EQ(rs->AbsolutePosition(), 6);  // 5 1 7 2 6 [3] 4
    rs->Move(-1, mark);
    EXPECT_EQ(currentId(*rs), 6);
    rs->Move(1, mark);
    EXPECT_EQ(currentId(*rs), 4);

    const ado::Bookmark foreign = sampleRecordset()->Bookmark();  // the same rows opened again
    const ado::Bookmark first = rs->Clone()->Bookmark();
    for (const auto& use : {std::function{[&] { rs->SetBookmark(foreign); }}, std::function{[&] { rs->Move(0, foreign); }},
                            std::function{[&] { rs->SetBookmark({}); }}, std::function{[&] { rs->SetBookmark({rs->storage().get(), 99}); }}})
        expectComError(use, com::ADO_ARGUMENTS_WRONG);
    rs->SetFilter("FID > 1");
    expectComError([&] { rs->SetBookmark(first); }, com::ADO_ARGUMENTS_WRONG, "筛选");
    EXPECT_EQ(currentId(*rs), 5);
}

TEST(RecordsetFields, LookUpByNameIgnoringCaseAndByIndex)
{
    auto rs = sampleRecordset();
    EXPECT_EQ(rs->Fields()["fname"].Name(), "FName");
    EXPECT_EQ(rs->Fields().IndexOf("F NOTE"), 5);
    EXPECT_EQ(rs->value("FName").toString(), "螺栓 M8");
    expectComError([&] { rs->Fields()["FNone"]; }, com::ADO_ITEM_NOT_FOUND, "FNone");
    expectComError([&] { rs->Fields()[6]; }, com::ADO_ITEM_NOT_FOUND, "6");
}

TEST(RecordsetMake, ConvertsCompatibleValuesToTheFieldTypesAndRejectsTheRest)
{
    auto rs = R::make({{"I", ado::FieldType::Integer}, {"D", ado::FieldType::Double}, {"T", ado::FieldType::Date},
                       {"B", ado::FieldType::Boolean}, {"S", ado::FieldType::Text}},
                      {{int(7), QString("2.5"), QDate(2008, 1, 5), int(1), qint64(42)},
                       {QVariant::fromValue(nullptr), QVariant(), QDateTime(), QVariant(), QVariant()}});
    const QVariant expected[] = {qint64(7), 2.5, QDateTime(QDate(2008, 1, 5), QTime(0, 0)), true, QString("42")};
    for (int field = 0; field < 5; ++field) {
        EXPECT_EQ(rs->value(field), expected[field]) << field;
        EXPECT_EQ(rs->value(field).metaType(), expected[field].metaType()) << field;
    }
    rs->MoveNext();
    EXPECT_FALSE(rs->value(0).isValid() || rs->value(2).isValid()) << "null and an invalid date are nulls";

    const std::vector<ado::FieldInfo> fields = {{"FID", ado::FieldType::Integer}, {"FQty", ado::FieldType::Double}};
    expectComError([&] { R::make(fields, {{qint64(1), 1.0}, {qint64(2), QString("abc")}}); }, kArgs, "第 2 行字段 FQty");
    expectComError([&] { R::make(fields, {{qint64(1)}}); }, kArgs, "第 1 行有 1 个值");
    auto storage = std::make_shared<ado::RecordsetStorage>(ado::RecordsetStorage{fields, {{int(1), 1.0}}});  // no conversion here
    expectComError([&] { R unconverted(storage); }, kArgs, "FID");
}

TEST(RecordsetClosed, EverythingButStateRaises3704)
{
    const std::function<void(R&)> uses[] = {[](R& r) { r.Eof(); }, [](R& r) { r.MoveNext(); }, [](R& r) { r.Bookmark(); },
                                            [](R& r) { r.SetSort(""); }, [](R& r) { r.Clone(); }, [](R& r) { r.value(0); }};
    R neverOpened;
    auto closed = numberedRecordset(2);
    closed->Close();
    for (R* rs : {&neverOpened, closed.get()})
        for (size_t i = 0; i < std::size(uses); ++i)
            EXPECT_EQ(platformtest::raisedBy([&] { uses[i](*rs); }).number, com::ADO_OBJECT_CLOSED) << "use " << i;
}

} // namespace
