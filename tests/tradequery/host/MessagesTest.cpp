// Messages: filled by the host foundation's format function (or the standard one when the host
// has none), and the information box.
#include "platform/hostapi/HostGlobals.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tradequery/host/InfoBox.h"
#include "tradequery/host/Messages.h"

#include <gtest/gtest.h>

namespace {

TEST(Messages, FormattedThroughTheHostFoundationOrTheSameWayWithoutOne)
{
    {
        fakehost::FakeHost host;
        EXPECT_EQ(tq::FormatMsg(QStringLiteral("[%1]  的%2--共计：%3条记录"), QStringLiteral("螺栓"), QStringLiteral("销售"), 12),
                  QStringLiteral("[螺栓]  的销售--共计：12条记录"));
        EXPECT_EQ(host.log().texts(), QStringList{"Foundation.Format('[%1]  的%2--共计：%3条记录', '螺栓', '销售', 12)"});
    }
    hostapi::globals().reset();
    EXPECT_EQ(tq::FormatMsg(QStringLiteral("%2-%1"), QVariantList{1, 2}), QStringLiteral("2-1"));
}

TEST(Messages, InfoBoxIsOkOnlyInformationTitledQingHe)
{
    fakehost::MsgBoxRecorder boxes;
    tq::InfoBox(QStringLiteral("没有找到符合条件的数据"));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("没有找到符合条件的数据"));
    EXPECT_EQ(boxes.boxes()[0].style, 64);
    EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("青禾提示"));
}

} // namespace
