// The ledger's row cache: bounded, the row used longest ago goes first; and the grid's model
// keeps the rows around its visible window when it pages through more rows than fit.
#include "platform/controls/Ledger50Model.h"
#include "platform/controls/LedgerRowCache.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

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
    EXPECT_FALSE(cache.contains(11));
    EXPECT_TRUE(cache.contains(10) && cache.contains(12)) << "only one row makes room";
    cache.insert(12, answerFor(99));  // replacing refreshes and takes no extra place
    cache.insert(14, answerFor(14));
    EXPECT_FALSE(cache.contains(10));
    EXPECT_EQ(cache.size(), 3);
    for (long row : {12, 13, 14})
        EXPECT_TRUE(cache.contains(row)) << row;
    EXPECT_EQ(cache.find(12)->color, 99);
    EXPECT_EQ(cache.find(14)->cells, QStringList{"14"});
    cache.clear();
    EXPECT_EQ(cache.size(), 0);
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
    EXPECT_TRUE(asked.isEmpty()) << "the rows around the window were dropped; first asked again: "
                                 << asked.value(0);
    model.answer(1);
    EXPECT_EQ(asked, QList<long>{1}) << "the row used longest ago made room";
}

} // namespace
