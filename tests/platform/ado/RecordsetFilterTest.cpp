// Filter criteria: what each form selects, what is rejected and with which error, and what
// a failing, new or empty criteria leaves behind.
#include "AdoTestData.h"

#include "platform/com/ErrorCodes.h"

#include <string>

using namespace adotest;

constexpr int32_t kArgs = com::ADO_ARGUMENTS_WRONG, kType = com::DISP_E_TYPEMISMATCH_;

// Nesting at the parser's limit, and far beyond it (which once overflowed the stack).
const std::string nestedAtLimit = std::string(100, '(') + "FID = 1" + std::string(100, ')');
const std::string nestedTooDeep = std::string(100000, '(') + "FID = 1" + std::string(100000, ')');

TEST(RecordsetFilter, TheViewHoldsExactlyTheMatchingRowsInQueryOrder)
{
    const std::pair<const char*, Ids> cases[] = {
        {"FID = 3", {3}}, {"fid >= 5", {5, 6, 7}}, {"FID <> 3", {1, 2, 4, 5, 6, 7}}, {"FQty > 2.5", {1, 5, 7}},
        {"FQty >= 2.5", {1, 2, 5, 7}}, {"FQty<=.5", {3, 6}}, {"FQty < -1", {3}}, {"FQty>-1", {1, 2, 5, 6, 7}},
        {"FQty > +2", {1, 2, 5, 7}}, {"FQty = 1e1", {1, 7}}, {"FQty = '10'", {1, 7}}, {"FQty <> 10", {2, 3, 5, 6}}, {"FID = 2.5", {}},
        // Texts: trailing blanks and case do not count; Like takes * and % at either end.
        {"FName = 'bolt'", {2, 3}}, {"FName = 'BOLT   '", {2, 3}}, {"FName <> 'bolt'", {1, 5, 6, 7}}, {"FName < 'c'", {2, 3}},
        {"FName >= 'NUT '", {1, 5, 6, 7}}, {"FName = '螺母'", {6}}, {"[F Note] = 'it''s'", {3}}, {"[F Note] = ''", {5}},
        {"FName Like 'bo*'", {2, 3}}, {"FName LIKE 'BO%'", {2, 3}}, {"FName like '*bolt*'", {2, 3, 7}}, {"FName Like '%螺%'", {1, 6}},
        {"FName Like 'nut'", {5}}, {"FName Like '*'", {1, 2, 3, 5, 6, 7}},
        {"FDate = #2008-01-05#", {1, 6}}, {"FDate = '2008-01-05'", {1, 6}}, {"FDate = #1/5/2008#", {1, 6}},
        {"FDate > #2008-01-05#", {2, 5, 7}}, {"FDate = #2008-01-06 10:30#", {2}}, {"FDate < '2008/1/1'", {3}},
        {"FDate <> #2008-01-05#", {2, 3, 5, 7}}, {"FActive = TRUE", {1, 3, 6}}, {"FActive = 0", {2, 5, 7}},
        {"FActive <> 'true'", {2, 5, 7}}, {"FName = NULL", {4}}, {"FQty <> null", {1, 2, 3, 5, 6, 7}}, {"[F Note] = Null", {2}},
        // AND binds tighter: read left to right the first two would select nothing.
        {"FID = 1 OR FID = 2 AND FQty > 100", {1}}, {"FID = 2 AND FQty > 100 OR FID = 1", {1}},
        {"FName = 'bolt' and FActive = false or FQty >= 100", {2, 5}}, {"(FID = 1 OR FID = 2) OR FID = 3", {1, 2, 3}},
        {"(FID = 1 AND FQty = 10) OR (FID = 7 AND FQty = 10)", {1, 7}}, {"(FID > 1 AND FID < 4) AND FQty > 0", {2}},
        {"((FID = 1))", {1}}, {"  FID=1  ", {1}}, {nestedAtLimit.c_str(), {1}},
    };
    for (const auto& [criteria, ids] : cases) {
        auto rs = sampleRecordset();
        rs->SetFilter(QString::fromUtf8(criteria));
        EXPECT_EQ(rs->RecordCount(), long(ids.size())) << criteria;
        EXPECT_EQ(visibleIds(*rs), ids) << criteria;
    }
}

TEST(RecordsetFilter, RejectedCriteriaRaiseANamedErrorAndKeepTheViewAndCursor)
{
    const std::tuple<const char*, int32_t, const char*> cases[] = {  // criteria, error, part of the description
        {"FName = 'abc", kArgs, "第 9 个字符：字符串缺少结束的单引号"},
        {"FName Like '%1%' AND Foo = 1", kArgs, "“FName Like '%1%' AND Foo = 1” 第 22 个字符"}, {"FDate = #2008-01-05", kArgs, "#"},
        {"[F Note = 'a'", kArgs, "]"}, {"FID", kArgs, "运算符"}, {"FID =", kArgs, "缺少比较的值"}, {"FID = 1 AND", kArgs, "缺少字段名"},
        {"FID = 1 FID = 2", kArgs, "AND 或 OR"}, {"FID ! 1", kArgs, "“!”"}, {"FQty = 12abc", kArgs, "12abc"}, {"FQty = -", kArgs, "数字"},
        {"(FID = 1", kArgs, "右括号"}, {"FID = 1)", kArgs, "多余的右括号"}, {"()", kArgs, "没有条件"},
        {"(FID = 1 OR FID = 2) AND FID = 3", kArgs, "OR"}, {"FID = 3 AND (FID = 1 OR FID = 2)", kArgs, "OR"},
        {"FName < NULL", kArgs, "NULL"}, {"FDate = #2008-13-45#", kArgs, "2008-13-45"}, {"Foo = 1", kArgs, "Foo"},
        {"FName = 'a' OR Bar = 1", kArgs, "Bar"}, {"FName Like 'a*b'", kArgs, "通配符"}, {"FName Like '*abc'", kArgs, "通配符"},
        {"FName Like 'a%b%'", kArgs, "通配符"}, {"FQty Like 10", kType, "LIKE"}, {"FQty = 'abc'", kType, "FQty"}, {"FID > 'x1'", kType, "FID"},
        {"FQty = #2008-01-05#", kType, "类型不匹配"}, {"FDate = 'not a date'", kType, "FDate"}, {"FActive = 'maybe'", kType, "FActive"},
        {"FName = #2008-01-05#", kType, "FName"}, {nestedTooDeep.c_str(), kArgs, "第 101 个字符：括号嵌套超过 100 层"},
    };
    auto rs = sampleRecordset();
    rs->SetFilter("FID > 3");
    rs->MoveNext();
    for (const auto& [criteria, number, fragment] : cases) {
        SCOPED_TRACE(criteria);
        expectComError([&] { rs->SetFilter(QString::fromUtf8(criteria)); }, number, QString::fromUtf8(fragment));
        EXPECT_EQ(rs->Filter(), "FID > 3");
        EXPECT_EQ(currentId(*rs), 5);
    }
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
        EXPECT_EQ(rs->AbsolutePosition(), ids.empty() ? ado::adPosUnknown : 1);
        EXPECT_EQ(visibleIds(*rs), ids);
    }
}
