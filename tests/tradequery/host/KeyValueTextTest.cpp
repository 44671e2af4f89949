// key=value lists.
#include "tradequery/host/KeyValueText.h"

#include <QList>
#include <gtest/gtest.h>

namespace {

TEST(KeyValueText, FindsTheValueOfAKey)
{
    const char* const cases[][4] = {
        // text, key, separator, value
        {"A=1|b=2", "B", "|", "2"},      // key matched without regard to case
        {"XA=1|A=2", "A", "|", "2"},     // a key that ends another key is not it
        {"A=x=y|B=1", "A", "|", "x=y"},
        {"A=1;;B=2;;", "B", ";;", "2"},
        {"A=1X2xB=3", "A", "x", "1X2"},  // the separator itself is matched exactly
        {"A=1", "A", "", "1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tq::GetKeyValue(c[0], c[1], c[2]), QString::fromLatin1(c[3])) << c[0] << " / " << c[1];
}

} // namespace
