// The ledger grid's model: how a row text becomes cells, alignment and row colour, an owner that
// fails to answer; and its row cache, bounded, the row used longest ago going first.
#include "platform/controls/Ledger50Model.h"
#include "platform/controls/LedgerRowCache.h"

#include <QColor>
#include <gtest/gtest.h>

#include <stdexcept>

using namespace controls;

namespace {

TEST(Ledger50Model, RowTextsAreCutIntoCellsAtTheBars)
{
    const std::pair<QString, QStringList> cases[] = {
        {"a|b|c|", {"a", "b", "c"}}, {"a|b", {"a", "b", ""}}, {"x||z|", {"x", "", "z"}}, {"", {"", "", ""}},
        {"1|2|3|4|5|", {"1", "2", "3"}}, {" 1,234.50 |数量|", {" 1,234.50 ", "数量", ""}},
    };
    for (const auto& [text, cells] : cases) {
        Ledger50Model model;
        model.setCols(3);
        model.setRows(2);
        model.setRowSource([&](long) { return LedgerRowAnswer{splitRowText(text), 0}; });
        EXPECT_EQ((QStringList{model.cellText(2, 1), model.cellText(2, 2), model.cellText(2, 3)}), cells) << text.toStdString();
    }
}

TEST(Ledger50Model, ShowsAlignmentAndRowColourAndSurvivesAFailingOwner)
{
    Ledger50Model model;
    model.setCols(2);
    model.setRows(4);
    model.setNumericAlign(1, true);
    model.setRowSource([](long row) -> LedgerRowAnswer {
        if (row == 3)
            throw std::runtime_error("记录集已关闭");
        return {{"a", "1"}, row == 2 ? 0x0000FFL : 0L};  // red in 0x00BBGGRR
    });
    const auto data = [&](int row, int col, int role) { return model.data(model.index(row, col), role); };
    EXPECT_EQ(data(0, 0, Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(data(0, 1, Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(data(0, 0, Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
    EXPECT_FALSE(data(2, 0, Qt::BackgroundRole).isValid()) << "0 keeps the grid's background";
    EXPECT_EQ(model.cellText(3, 1), QString()) << "a failing owner leaves the row empty";
    EXPECT_EQ(model.cellText(4, 2), QStringLiteral("1"));
}

LedgerRowAnswer answerFor(long row)
{
    return {{QString::number(row)}, row};
}

TEST(LedgerRowCache, DropsTheRowUsedLongestAgoWhenFull)
{
    LedgerRowCache cache(3);
    for (long row : {10, 11, 12})
        cache.insert(row, answerFor(row));
    ASSERT_NE(cache.find(10), nullptr);  // 10 is now the most recent, 11 the oldest
    cache.insert(13, answerFor(13));
    EXPECT_TRUE(cache.contains(10) && !cache.contains(11) && cache.contains(12));
    cache.insert(12, answerFor(99));  // replacing refreshes and takes no extra place
    cache.insert(14, answerFor(14));
    EXPECT_EQ(cache.size(), 3);
    for (long row : {12, 13, 14})
        EXPECT_TRUE(cache.contains(row)) << row;
    EXPECT_EQ(cache.find(12)->color, 99);
    EXPECT_EQ(cache.find(14)->cells, QStringList{"14"});
    cache.clear();
    EXPECT_EQ(cache.find(14), nullptr);
}

TEST(LedgerRowCache, TheModelKeepsRecentRowsWhenPagingBeyondTheLimit)
{
    Ledger50Model model;
    QList<long> asked;
    model.setRowSource([&](long row) {
        asked << row;
        return answerFor(row);
    });
    const long limit = Ledger50Model::CACHE_LIMIT;
    model.setRows(limit * 2);
    for (long row = 1; row <= limit + 1; ++row)  // one row more than fits
        model.answer(row);
    asked.clear();
    for (long row = limit - 50; row <= limit + 1; ++row)  // a screenful just painted
        EXPECT_EQ(model.answer(row).cells, QStringList{QString::number(row)});
    EXPECT_TRUE(asked.isEmpty()) << "the rows around the window were dropped; first asked again: " << asked.value(0);
    model.answer(1);
    EXPECT_EQ(asked, QList<long>{1}) << "the row used longest ago made room";
}

} // namespace
