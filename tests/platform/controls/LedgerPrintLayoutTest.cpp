// Page arithmetic of a printed ledger: rows per page, the fit-to-width scale, and the header
// and footer lines of each page.
#include "platform/controls/LedgerPrintLayout.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

// 850 between header and footer: the title row and 16 rows.
LedgerPageMetrics page1000()
{
    return {.pageWidth = 1000, .pageHeight = 1000, .headerHeight = 100, .footerHeight = 50, .gridWidth = 800,
            .titleRowHeight = 50, .rowHeight = 50};
}

struct Range {
    long first;
    long last;
    bool operator==(const Range&) const = default;
};

std::vector<Range> rangesOf(const LedgerPrintLayout& layout)
{
    std::vector<Range> ranges;
    for (const LedgerPrintPage& page : layout.pages())
        ranges.push_back({page.firstRow, page.lastRow});
    return ranges;
}

} // namespace

TEST(LedgerPrintLayout, RowsFallIntoPagesUnderTheRepeatedTitleRow)
{
    struct Case {
        const char* name;
        LedgerPageMetrics metrics;
        long lastRow;
        long rowsPerPage;
        std::vector<Range> pages;
    };
    LedgerPageMetrics wide = page1000();
    wide.gridWidth = 2000;  // scaled to half: titles 25, rows 25 -> 33 rows in 850
    LedgerPageMetrics tiny = page1000();
    tiny.pageHeight = 180;  // no room for a row: one per page all the same
    const std::vector<Case> cases{
        {"several pages", page1000(), 41, 16, {{2, 17}, {18, 33}, {34, 41}}},
        {"exactly full", page1000(), 33, 16, {{2, 17}, {18, 33}}},
        {"one row", page1000(), 2, 16, {{2, 2}}},
        {"titles only", page1000(), 1, 16, {{2, 1}}},
        {"scaled to the width", wide, 101, 33, {{2, 34}, {35, 67}, {68, 100}, {101, 101}}},
        {"page too small", tiny, 4, 1, {{2, 2}, {3, 3}, {4, 4}}},
    };
    for (const Case& c : cases) {
        const LedgerPrintLayout layout(c.metrics, 2, c.lastRow, {}, {});
        EXPECT_EQ(layout.rowsPerPage(), c.rowsPerPage) << c.name;
        EXPECT_EQ(rangesOf(layout), c.pages) << c.name;
        for (int i = 0; i < layout.pages().size(); ++i)
            EXPECT_EQ(layout.pages()[i].number, i + 1) << c.name;
    }
    EXPECT_DOUBLE_EQ(LedgerPrintLayout(wide, 2, 10, {}, {}).scale(), 0.5);
    EXPECT_DOUBLE_EQ(LedgerPrintLayout(page1000(), 2, 10, {}, {}).scale(), 1.0);
}

TEST(LedgerPrintLayout, HeaderAndFooterLinesCarryPageNumberAndCount)
{
    const QStringList headers{QStringLiteral("客户历史销售价格查询"), QStringLiteral(" "),
                              QStringLiteral("全部物料:六角螺栓|打印日期:2024-05-06|")};
    const QStringList footers{QStringLiteral(""),
                              QStringLiteral("第 &[页] 页        |共 &[总页] 页")};
    const LedgerPrintLayout layout(page1000(), 2, 41, headers, footers);
    ASSERT_EQ(layout.pages().size(), 3);

    const LedgerPrintPage& second = layout.pages()[1];
    ASSERT_EQ(second.headers.size(), 3);
    EXPECT_EQ(second.headers[0], (LedgerLineParts{"", QStringLiteral("客户历史销售价格查询"), ""}));
    EXPECT_EQ(second.headers[1], (LedgerLineParts{"", " ", ""}));
    EXPECT_EQ(second.headers[2],
              (LedgerLineParts{QStringLiteral("全部物料:六角螺栓"), QStringLiteral("打印日期:2024-05-06"), ""}));
    ASSERT_EQ(second.footers.size(), 1) << "a line without text takes no place";
    EXPECT_EQ(second.footers[0], (LedgerLineParts{QStringLiteral("第 2 页        "), QStringLiteral("共 3 页"), ""}));
    EXPECT_EQ(layout.pages()[2].footers[0].left, QStringLiteral("第 3 页        "));
}

TEST(LedgerPrintLayout, LineTextsSplitAtBarsAndFillPlaceholders)
{
    struct Case {
        QString text;
        LedgerLineParts parts;
    };
    const std::vector<Case> cases{
        {QStringLiteral("居中"), {"", QStringLiteral("居中"), ""}},
        {QStringLiteral("左|中|右"), {QStringLiteral("左"), QStringLiteral("中"), QStringLiteral("右")}},
        {QStringLiteral("|中|"), {"", QStringLiteral("中"), ""}},
        {QStringLiteral("左|"), {QStringLiteral("左"), "", ""}},
        {QStringLiteral("a|b|c|d"), {"a", "b", "c|d"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitPageLine(c.text), c.parts) << qPrintable(c.text);

    EXPECT_EQ(fillPagePlaceholders(QStringLiteral("&[页]/&[总页] &[页]"), 7, 12), QStringLiteral("7/12 7"));
    EXPECT_EQ(fillPagePlaceholders(QStringLiteral("&[页"), 1, 2), QStringLiteral("&[页"));
}
