// Filter criteria: what each form selects, what is rejected and with which error, and what
// a failing, new or empty criteria leaves behind.
#include "AdoTestData.h"

#include "platform/com/ErrorCodes.h"

using namespace adotest;

namespace {

struct Selects {
    const char* criteria;
    Ids ids;
};

void PrintTo(const Selects& c, std::ostream* out)
{
    *out << c.criteria;
}

class FilterSelects : public ::testing::TestWithParam<Selects> {};

TEST_P(FilterSelects, ViewHoldsExactlyTheMatchingRowsInQueryOrder)
{
    auto rs = sampleRecordset();
    rs->SetFilter(QString::fromUtf8(GetParam().criteria));
    EXPECT_EQ(visibleIds(*rs), GetParam().ids);
    EXPECT_EQ(rs->RecordCount(), long(GetParam().ids.size()));
}

INSTANTIATE_TEST_SUITE_P(Numbers, FilterSelects, ::testing::Values(
    Selects{"FID = 3", {3}}, Selects{"fid >= 5", {5, 6, 7}}, Selects{"FID <> 3", {1, 2, 4, 5, 6, 7}},
    Selects{"FQty > 2.5", {1, 5, 7}}, Selects{"FQty >= 2.5", {1, 2, 5, 7}}, Selects{"FQty<=.5", {3, 6}},
    Selects{"FQty < -1", {3}}, Selects{"FQty>-1", {1, 2, 5, 6, 7}}, Selects{"FQty > +2", {1, 2, 5, 7}},
    Selects{"FQty = 1e1", {1, 7}}, Selects{"FQty = '10'", {1, 7}}, Selects{"FQty <> 10", {2, 3, 5, 6}},
    Selects{"FID = 2.5", {}}));

INSTANTIATE_TEST_SUITE_P(Text, FilterSelects, ::testing::Values(
    Selects{"FName = 'bolt'", {2, 3}}, Selects{"FName = 'BOLT   '", {2, 3}}, Selects{"FName <> 'bolt'", {1, 5, 6, 7}},
    Selects{"FName < 'c'", {2, 3}}, Selects{"FName >= 'NUT '", {1, 5, 6, 7}}, Selects{"FName = '螺母'", {6}},
    Selects{"[F Note] = 'it''s'", {3}}, Selects{"[F Note] = ''", {5}}, Selects{"FName Like 'bo*'", {2, 3}},
    Selects{"FName LIKE 'BO%'", {2, 3}}, Selects{"FName like '*bolt*'", {2, 3, 7}}, Selects{"FName Like '%螺%'", {1, 6}},
    Selects{"FName Like 'nut'", {5}}, Selects{"FName Like '*'", {1, 2, 3, 5, 6, 7}}));

INSTANTIATE_TEST_SUITE_P(DatesBooleansNulls, FilterSelects, ::testing::Values(
    Selects{"FDate = #2008-01-05#", {1, 6}}, Selects{"FDate = '2008-01-05'", {1, 6}}, Selects{"FDate = #1/5/2008#", {1, 6}},
    Selects{"FDate > #2008-01-05#", {2, 5, 7}}, Selects{"FDate = #2008-01-06 10:30#", {2}},
    Selects{"FDate < '2008/1/1'", {3}}, Selects{"FDate <> #2008-01-05#", {2, 3, 5, 7}},
    Selects{"FActive = TRUE", {1, 3, 6}}, Selects{"FActive = 0", {2, 5, 7}}, Selects{"FActive <> 'true'", {2, 5, 7}},
    Selects{"FName = NULL", {4}}, Selects{"FQty <> null", {1, 2, 3, 5, 6, 7}}, Selects{"[F Note] = Null", {2}}));

INSTANTIATE_TEST_SUITE_P(AndOrParentheses, FilterSelects, ::testing::Values(
    // AND binds tighter: read left to right these would select nothing.
    Selects{"FID = 1 OR FID = 2 AND FQty > 100", {1}}, Selects{"FID = 2 AND FQty > 100 OR FID = 1", {1}},
    Selects{"FName = 'bolt' and FActive = false or FQty >= 100", {2, 5}},
    Selects{"(FID = 1 OR FID = 2) OR FID = 3", {1, 2, 3}},
    Selects{"(FID = 1 AND FQty = 10) OR (FID = 7 AND FQty = 10)", {1, 7}},
    Selects{"(FID > 1 AND FID < 4) AND FQty > 0", {2}}, Selects{"((FID = 1))", {1}}, Selects{"  FID=1  ", {1}}));

struct Rejects {
    const char* criteria;
    int32_t number;
    const char* fragment;  // part of the description that names the problem
};

void PrintTo(const Rejects& c, std::ostream* out)
{
    *out << c.criteria;
}

class FilterRejects : public ::testing::TestWithParam<Rejects> {};

TEST_P(FilterRejects, RaisesANamedErrorAndKeepsTheView)
{
    auto rs = sampleRecordset();
    expectComError([&] { rs->SetFilter(QString::fromUtf8(GetParam().criteria)); }, GetParam().number,
                   QString::fromUtf8(GetParam().fragment));
    EXPECT_EQ(rs->RecordCount(), 7);
    EXPECT_EQ(rs->Filter(), "");
}

constexpr int32_t kArgs = com::ADO_ARGUMENTS_WRONG;
constexpr int32_t kType = com::DISP_E_TYPEMISMATCH_;

INSTANTIATE_TEST_SUITE_P(Syntax, FilterRejects, ::testing::Values(
    Rejects{"FName = 'abc", kArgs, "第 9 个字符：字符串缺少结束的单引号"},
    Rejects{"FName Like '%1%' AND Foo = 1", kArgs, "“FName Like '%1%' AND Foo = 1” 第 22 个字符"},
    Rejects{"FDate = #2008-01-05", kArgs, "#"}, Rejects{"[F Note = 'a'", kArgs, "]"}, Rejects{"FID", kArgs, "运算符"},
    Rejects{"FID =", kArgs, "缺少比较的值"}, Rejects{"FID = 1 AND", kArgs, "缺少字段名"},
    Rejects{"FID = 1 FID = 2", kArgs, "AND 或 OR"}, Rejects{"FID == 1", kArgs, "比较的值"}, Rejects{"FID ! 1", kArgs, "“!”"},
    Rejects{"FQty = 12abc", kArgs, "12abc"}, Rejects{"FQty = -", kArgs, "数字"}, Rejects{"(FID = 1", kArgs, "右括号"},
    Rejects{"FID = 1)", kArgs, "多余的右括号"}, Rejects{"()", kArgs, "没有条件"},
    Rejects{"(FID = 1 OR FID = 2) AND FID = 3", kArgs, "OR"}, Rejects{"FID = 3 AND (FID = 1 OR FID = 2)", kArgs, "OR"},
    Rejects{"FName < NULL", kArgs, "NULL"}, Rejects{"FDate = #2008-13-45#", kArgs, "2008-13-45"},
    Rejects{"Foo = 1", kArgs, "Foo"}, Rejects{"FName = 'a' OR Bar = 1", kArgs, "Bar"}));

INSTANTIATE_TEST_SUITE_P(LikeAndTypes, FilterRejects, ::testing::Values(
    Rejects{"FName Like 'a*b'", kArgs, "通配符"}, Rejects{"FName Like '*abc'", kArgs, "通配符"},
    Rejects{"FName Like 'a%b%'", kArgs, "通配符"}, Rejects{"FQty Like 10", kType, "LIKE"},
    Rejects{"FDate Like '2008*'", kType, "LIKE"}, Rejects{"FQty = 'abc'", kType, "FQty"}, Rejects{"FID > 'x1'", kType, "FID"},
    Rejects{"FQty = #2008-01-05#", kType, "类型不匹配"}, Rejects{"FDate = 'not a date'", kType, "FDate"},
    Rejects{"FDate = 5", kType, "FDate"}, Rejects{"FActive = 'maybe'", kType, "FActive"},
    Rejects{"FName = #2008-01-05#", kType, "FName"}));

TEST(RecordsetFilter, FailingCriteriaLeavesThePreviousFilterAndCursor)
{
    auto rs = sampleRecordset();
    rs->SetFilter("FID > 3");
    rs->MoveNext();
    expectComError([&] { rs->SetFilter("FID > 'x'"); }, kType);
    expectComError([&] { rs->SetFilter("FID >"); }, kArgs);
    EXPECT_EQ(rs->Filter(), "FID > 3");
    EXPECT_EQ(currentId(*rs), 5);
    EXPECT_EQ(visibleIds(*rs), (Ids{4, 5, 6, 7}));
}

TEST(RecordsetFilter, ANewOrRemovedFilterStartsOnItsFirstRecord)
{
    const std::pair<QString, Ids> changes[] = {
        {"FID > 5", {6, 7}}, {"", {1, 2, 3, 4, 5, 6, 7}}, {"   ", {1, 2, 3, 4, 5, 6, 7}}, {"FName = 'none'", {}},
    };
    for (const auto& [criteria, ids] : changes) {
        auto rs = sampleRecordset();
        rs->SetFilter("FID < 3");
        rs->MoveLast();
        rs->SetFilter(criteria);
        EXPECT_EQ(rs->Filter(), criteria.trimmed());
        EXPECT_EQ(rs->RecordCount(), long(ids.size()));
        EXPECT_EQ(rs->AbsolutePosition(), ids.empty() ? ado::adPosUnknown : 1);
        EXPECT_EQ(rs->Bof(), ids.empty());
        EXPECT_EQ(rs->Eof(), ids.empty());
        EXPECT_EQ(visibleIds(*rs), ids);
    }
}

} // namespace
