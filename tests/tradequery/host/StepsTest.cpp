// A failing step is skipped and the next one runs.
#include "tradequery/host/Steps.h"

#include <QStringList>

#include <gtest/gtest.h>
#include <stdexcept>

TEST(Steps, FailingStepIsSkippedAndTheNextRuns)
{
    QStringList ran;
    const bool first = tq::step([&] {
        ran << "first";
        throw com::ComError(6, "test", "溢出");
        ran << "after the error";
    });
    const bool second = tq::step([&] { ran << "second"; });
    EXPECT_FALSE(first);
    EXPECT_TRUE(second);
    EXPECT_EQ(ran, (QStringList{"first", "second"}));
}

TEST(Steps, OtherExceptionsAreNotSwallowed)
{
    EXPECT_THROW(tq::step([] { throw std::logic_error("bug"); }), std::logic_error);
}
