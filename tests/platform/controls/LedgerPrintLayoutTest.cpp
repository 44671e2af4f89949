// Page arithmetic of a printed ledger: rows per page, the fit-to-width scale, and the header
// and footer lines of each page.
#include "platform/controls/LedgerPrintLayout.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

// 850 between header and footer: the title row and 16 rows.
LedgerPageMetrics page1000(double gridWidth = 800, double pageHeight = 1000)
{
    return {.pageWidth = 1000, .pageHeight = pageHeight, .headerHeight = 100, .footerHeight = 50,
            .gridWidth = gridWidth, .titleRowHeight = 50, .rowHeight = 50};
}

TEST(LedgerPrintLayout, RowsFallIntoNumberedPagesUnderTheRepeatedTitleRow)
{
    using Ranges = std::vector<std::pair<long, long>>;
    const std::tuple<LedgerPageMetrics, long, long, Ranges> cases[] = {  // metrics, last row, rows per page, pages
        {page1000(), 41, 16, {{2, 17}, {18, 33}, {34, 41}}}, {page1000(), 33, 16, {{2, 17}, {18, 33}}},
        {page1000(), 2, 16, {{2, 2}}}, {page1000(), 1, 16, {{2, 1}}},
        {page1000(2000), 101, 33, {{2, 34}, {35, 67}, {68, 100}, {101, 101}}},  // scaled to half
        {page1000(800, 180), 4, 1, {{2, 2}, {3, 3}, {4, 4}}},  // no room for a row: one a page all the same
    };
    for (const auto& [metrics, lastRow, rowsPerPage, pages] : cases) {
        const LedgerPrintLayout layout(metrics, 2, lastRow, {}, {});
        EXPECT_EQ(layout.rowsPerPage(), rowsPerPage) << lastRow;
        Ranges ranges;
        for (const LedgerPrintPage& page : layout.pages()) {
            ranges.push_back({page.firstRow, page.lastRow});
            EXPECT_EQ(page.number, long(ranges.size()));
        }
        EXPECT_EQ(ranges, pages) << lastRow;
    }
    EXPECT_DOUBLE_EQ(LedgerPrintLayout(page1000(2000), 2, 10, {}, {}).scale(), 0.5);
    EXPECT_DOUBLE_EQ(LedgerPrintLayout(page1000(), 2, 10, {}, {}).scale(), 1.0);
}

TEST(LedgerPrintLayout, HeaderAndFooterLinesSplitAtBarsAndCarryPageNumberAndCount)
{
    const LedgerPrintLayout layout(page1000(), 2, 41, {QStringLiteral("查询"), QStringLiteral("全部物料:螺栓|打印日期:2024-05-06|")},
                                   {QStringLiteral(""), QStringLiteral("第 &[页] 页|共 &[总页] 页")});
    ASSERT_EQ(layout.pages().size(), 3);
    const LedgerPrintPage& second = layout.pages()[1];
    EXPECT_EQ(second.headers, (QList<LedgerLineParts>{{"", QStringLiteral("查询"), ""},
                                                      {QStringLiteral("全部物料:螺栓"), QStringLiteral("打印日期:2024-05-06"), ""}}));
    EXPECT_EQ(second.footers, (QList<LedgerLineParts>{{QStringLiteral("第 2 页"), QStringLiteral("共 3 页"), ""}}))
        << "a line without text takes no place";

    const std::pair<QString, LedgerLineParts> lines[] = {
        {QStringLiteral("左|中|右"), {QStringLiteral("左"), QStringLiteral("中"), QStringLiteral("右")}},
        {QStringLiteral("|中|"), {"", QStringLiteral("中"), ""}}, {QStringLiteral("a|b|c|d"), {"a", "b", "c|d"}},
    };
    for (const auto& [text, parts] : lines)
        EXPECT_EQ(splitPageLine(text), parts) << text.toStdString();
    EXPECT_EQ(fillPagePlaceholders(QStringLiteral("&[页]/&[总页] &[页]"), 7, 12), QStringLiteral("7/12 7"));
    EXPECT_EQ(fillPagePlaceholders(QStringLiteral("&[页"), 1, 2), QStringLiteral("&[页"));
}

} // namespace
