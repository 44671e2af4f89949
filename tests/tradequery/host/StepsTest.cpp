// A failing step is skipped and the next one runs; errors not the host's are bugs, not swallowed.
#include "tradequery/host/Steps.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <stdexcept>

TEST(Steps, AFailingStepIsSkippedAndTheNextRuns)
{
    QStringList ran;
    EXPECT_FALSE(tq::step([&] {
        ran << "first";
        throw com::ComError(6, "test", "溢出");
        ran << "after the error";
    }));
    EXPECT_TRUE(tq::step([&] { ran << "second"; }));
    EXPECT_EQ(ran, (QStringList{"first", "second"}));
    EXPECT_THROW(tq::step([] { throw std::logic_error("bug"); }), std::logic_error);
}
