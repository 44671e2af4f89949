// Cursor rules: where each move lands, which moves raise 3021 or 3001 (and leave the cursor
// where it was), field access, building from rows, and the closed state.
#include "AdoTestData.h"

#include "platform/com/ErrorCodes.h"

#include <limits>

using namespace adotest;
using ado::Recordset;

namespace {

constexpr int32_t kBofEof = com::ADO_BOF_OR_EOF;
constexpr int32_t kArgs = com::ADO_ARGUMENTS_WRONG;

struct CursorCase {
    const char* name;
    int rows;
    std::function<void(Recordset&)> steps;
    int32_t error;  // raised by the last step, which must then leave the cursor in place
    long position;  // AbsolutePosition afterwards
};

class CursorRules : public ::testing::TestWithParam<CursorCase> {};

TEST_P(CursorRules, LandsWhereExpected)
{
    const CursorCase& c = GetParam();
    auto rs = numberedRecordset(c.rows);
    EXPECT_EQ(platformtest::raisedBy([&] { c.steps(*rs); }).number, c.error);
    EXPECT_EQ(rs->AbsolutePosition(), c.position);
    const bool empty = c.position == ado::adPosUnknown;
    EXPECT_EQ(rs->Bof(), empty || c.position == ado::adPosBOF);
    EXPECT_EQ(rs->Eof(), empty || c.position == ado::adPosEOF);
    if (c.position > 0) {
        EXPECT_EQ(currentId(*rs), c.position);
    }
}

using R = Recordset;
const long kBOF = ado::adPosBOF, kEOF = ado::adPosEOF, kUnknown = ado::adPosUnknown;

INSTANTIATE_TEST_SUITE_P(Table, CursorRules, ::testing::Values(
    CursorCase{"OpensOnFirst", 5, [](R&) {}, 0, 1}, CursorCase{"NextTwice", 5, [](R& r) { r.MoveNext(); r.MoveNext(); }, 0, 3},
    CursorCase{"PastLastIsEof", 5, [](R& r) { r.MoveLast(); r.MoveNext(); }, 0, kEOF},
    CursorCase{"ForwardAtEof", 5, [](R& r) { r.MoveLast(); r.MoveNext(); r.MoveNext(); }, kBofEof, kEOF},
    CursorCase{"BeforeFirstIsBof", 5, [](R& r) { r.MovePrevious(); }, 0, kBOF},
    CursorCase{"BackwardAtBof", 5, [](R& r) { r.MovePrevious(); r.MovePrevious(); }, kBofEof, kBOF},
    CursorCase{"BackFromEof", 5, [](R& r) { r.Move(10); r.Move(-2); }, 0, 4},
    CursorCase{"OnFromBof", 5, [](R& r) { r.Move(-10); r.Move(2); }, 0, 2},
    CursorCase{"ZeroAtEof", 5, [](R& r) { r.Move(5); r.Move(0); }, kBofEof, kEOF},
    CursorCase{"ZeroAtBof", 5, [](R& r) { r.Move(-1); r.Move(0); }, kBofEof, kBOF},
    CursorCase{"ZeroStays", 5, [](R& r) { r.Move(2); r.Move(0); }, 0, 3},
    CursorCase{"FromFirst", 5, [](R& r) { r.MoveLast(); r.Move(4, ado::adBookmarkFirst); }, 0, 5},
    CursorCase{"FromFirstPastEnd", 5, [](R& r) { r.Move(5, ado::adBookmarkFirst); }, 0, kEOF},
    CursorCase{"FromFirstBeforeStart", 5, [](R& r) { r.Move(-1, ado::adBookmarkFirst); }, 0, kBOF},
    CursorCase{"FromFirstWhileAtEof", 5, [](R& r) { r.Move(9); r.Move(1, ado::adBookmarkFirst); }, 0, 2},
    CursorCase{"FromLast", 5, [](R& r) { r.Move(-4, ado::adBookmarkLast); }, 0, 1},
    CursorCase{"FromLastPastEnd", 5, [](R& r) { r.Move(1, ado::adBookmarkLast); }, 0, kEOF},
    CursorCase{"HugeForward", 5, [](R& r) { r.Move(std::numeric_limits<long>::max()); }, 0, kEOF},
    CursorCase{"HugeBackward", 5, [](R& r) { r.Move(std::numeric_limits<long>::min()); }, 0, kBOF},
    CursorCase{"UnknownStart", 5, [](R& r) { r.Move(1, ado::BookmarkEnum(7)); }, kArgs, 1},
    CursorCase{"Absolute", 5, [](R& r) { r.SetAbsolutePosition(3); }, 0, 3},
    CursorCase{"AbsoluteZero", 5, [](R& r) { r.MoveNext(); r.SetAbsolutePosition(0); }, kArgs, 2},
    CursorCase{"AbsoluteBeyond", 5, [](R& r) { r.SetAbsolutePosition(6); }, kArgs, 1},
    CursorCase{"OneRowNext", 1, [](R& r) { r.MoveNext(); }, 0, kEOF},
    CursorCase{"OneRowLastThenBack", 1, [](R& r) { r.MoveLast(); r.MovePrevious(); }, 0, kBOF},
    CursorCase{"EmptyMoveFirst", 0, [](R& r) { r.MoveFirst(); }, kBofEof, kUnknown},
    CursorCase{"EmptyMoveLast", 0, [](R& r) { r.MoveLast(); }, kBofEof, kUnknown},
    CursorCase{"EmptyMoveNext", 0, [](R& r) { r.MoveNext(); }, kBofEof, kUnknown},
    CursorCase{"EmptyMovePrevious", 0, [](R& r) { r.MovePrevious(); }, kBofEof, kUnknown},
    CursorCase{"EmptyMoveFromFirst", 0, [](R& r) { r.Move(0, ado::adBookmarkFirst); }, kBofEof, kUnknown},
    CursorCase{"EmptyAbsolute", 0, [](R& r) { r.SetAbsolutePosition(1); }, kBofEof, kUnknown}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordsetCursor, NoCurrentRecordMeansNoFieldValueAndNoBookmark)
{
    const std::vector<std::pair<const char*, std::function<void(R&)>>> places = {
        {"BOF", [](R& r) { r.MovePrevious(); }},
        {"EOF", [](R& r) { r.MoveLast(); r.MoveNext(); }},
        {"empty view", [](R& r) { r.SetFilter("FID > 99"); }},
    };
    for (const auto& [where, go] : places) {
        SCOPED_TRACE(where);
        auto rs = numberedRecordset(3);
        go(*rs);
        expectComError([&] { rs->value(0); }, kBofEof);
        expectComError([&] { rs->value("FID"); }, kBofEof);
        expectComError([&] { rs->Fields()["fid"].Value(); }, kBofEof);
        expectComError([&] { rs->currentRecord(); }, kBofEof);
        expectComError([&] { rs->Bookmark(); }, kBofEof);
    }
}

TEST(RecordsetFields, LookUpByNameIgnoringCaseAndByIndex)
{
    auto rs = sampleRecordset();
    EXPECT_EQ(rs->Fields().Count(), 6);
    EXPECT_EQ(rs->Fields()["fname"].Name(), "FName");
    EXPECT_EQ(rs->Fields()[3].Type(), ado::FieldType::Date);
    EXPECT_EQ(rs->Fields().IndexOf("F NOTE"), 5);
    EXPECT_EQ(rs->Fields().IndexOf("FNone"), -1);
    EXPECT_EQ(rs->value("FName").toString(), "螺栓 M8");
    rs->Move(3, ado::adBookmarkFirst);
    EXPECT_FALSE(rs->value("FName").isValid()) << "null is an invalid QVariant";
    EXPECT_EQ(rs->currentRecord().size(), 6u);
    expectComError([&] { rs->Fields()["FNone"]; }, com::ADO_ITEM_NOT_FOUND, "FNone");
    expectComError([&] { rs->Fields()[6]; }, com::ADO_ITEM_NOT_FOUND, "6");
    expectComError([&] { rs->value(-1); }, com::ADO_ITEM_NOT_FOUND);
}

TEST(RecordsetMake, ConvertsCompatibleValuesToTheFieldTypes)
{
    auto rs = Recordset::make(
        {{"I", ado::FieldType::Integer}, {"D", ado::FieldType::Double}, {"T", ado::FieldType::Date},
         {"B", ado::FieldType::Boolean}, {"S", ado::FieldType::Text}},
        {{int(7), QString("2.5"), QDate(2008, 1, 5), int(1), qint64(42)},
         {QVariant::fromValue(nullptr), QVariant(), QDateTime(), QVariant(), QVariant()}});
    const QVariant expected[] = {qint64(7), 2.5, QDateTime(QDate(2008, 1, 5), QTime(0, 0)), true, QString("42")};
    for (int field = 0; field < 5; ++field) {
        EXPECT_EQ(rs->value(field), expected[field]) << field;
        EXPECT_EQ(rs->value(field).metaType(), expected[field].metaType()) << field;
    }
    rs->MoveNext();
    for (int field = 0; field < 5; ++field)
        EXPECT_FALSE(rs->value(field).isValid()) << field;
}

TEST(RecordsetMake, RejectsRowsThatDoNotFitTheFields)
{
    const std::vector<ado::FieldInfo> fields = {{"FID", ado::FieldType::Integer}, {"FQty", ado::FieldType::Double}};
    expectComError([&] { Recordset::make(fields, {{qint64(1), 1.0}, {qint64(2), QString("abc")}}); },
                   kArgs, "第 2 行字段 FQty");
    expectComError([&] { Recordset::make(fields, {{qint64(1)}}); }, kArgs, "第 1 行有 1 个值");
    auto storage = std::make_shared<ado::RecordsetStorage>(
        ado::RecordsetStorage{fields, {{int(1), 1.0}}});  // int is not qint64: no conversion here
    expectComError([&] { Recordset rs(storage); }, kArgs, "FID");
}

TEST(RecordsetClosed, EverythingButStateRaises3704)
{
    const std::vector<std::pair<const char*, std::function<void(R&)>>> uses = {
        {"Eof", [](R& r) { r.Eof(); }}, {"Bof", [](R& r) { r.Bof(); }},
        {"RecordCount", [](R& r) { r.RecordCount(); }}, {"MoveFirst", [](R& r) { r.MoveFirst(); }},
        {"MoveLast", [](R& r) { r.MoveLast(); }}, {"MoveNext", [](R& r) { r.MoveNext(); }},
        {"MovePrevious", [](R& r) { r.MovePrevious(); }}, {"Move", [](R& r) { r.Move(1, ado::adBookmarkFirst); }},
        {"AbsolutePosition", [](R& r) { r.AbsolutePosition(); }},
        {"SetAbsolutePosition", [](R& r) { r.SetAbsolutePosition(1); }},
        {"Bookmark", [](R& r) { r.Bookmark(); }}, {"SetBookmark", [](R& r) { r.SetBookmark({}); }},
        {"Filter", [](R& r) { r.Filter(); }}, {"SetFilter", [](R& r) { r.SetFilter(""); }},
        {"Sort", [](R& r) { r.Sort(); }}, {"SetSort", [](R& r) { r.SetSort(""); }},
        {"Clone", [](R& r) { r.Clone(); }}, {"Close", [](R& r) { r.Close(); }},
        {"storage", [](R& r) { r.storage(); }}, {"Fields.Count", [](R& r) { r.Fields().Count(); }},
        {"value", [](R& r) { r.value(0); }}, {"fieldIndex", [](R& r) { r.fieldIndex("FID"); }},
    };
    Recordset neverOpened;
    auto closed = numberedRecordset(2);
    closed->Close();
    for (R* rs : {&neverOpened, closed.get()}) {
        EXPECT_EQ(rs->State(), ado::adStateClosed);
        for (const auto& [name, use] : uses) {
            SCOPED_TRACE(name);
            expectComError([&] { use(*rs); }, com::ADO_OBJECT_CLOSED);
        }
    }
}

} // namespace
