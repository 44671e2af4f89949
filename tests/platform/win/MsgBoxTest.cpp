// Message boxes: answered by a responder in tests, printed and defaulted when headless.
#include "platform/com/ErrorCodes.h"
#include "platform/win/Headless.h"
#include "platform/win/MsgBox.h"
#include "tests/platform/RaisedError.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(MsgBox, ResponderSeesTheBoxAndAnswersItUntilRemoved)
{
    std::vector<win::MsgBoxRequest> seen;
    auto previous = win::setMsgBoxResponder([&](const win::MsgBoxRequest& r) {
        seen.push_back(r);
        return win::vbNo;
    });
    EXPECT_EQ(win::MsgBox(QStringLiteral("是否重新搜索?"), win::vbYesNo + win::vbInformation,
                          QStringLiteral("青禾提示：")), win::vbNo);
    win::MsgBox(QStringLiteral("x"));
    // A button set that does not exist is refused before anyone is asked.
    const auto refused = platformtest::raisedBy([] { win::MsgBox(QStringLiteral("x"), 6); });
    win::setMsgBoxResponder(std::move(previous));
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(win::MsgBox(QStringLiteral("b"), win::vbOKCancel), win::vbOK);
    ::testing::internal::GetCapturedStdout();

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].text, QStringLiteral("是否重新搜索?"));
    EXPECT_EQ(seen[0].style, 68);
    EXPECT_EQ(seen[0].title, QStringLiteral("青禾提示："));
    EXPECT_EQ(seen[1].title, QCoreApplication::applicationName()) << "an empty title is the application's name";
    EXPECT_FALSE(seen[1].title.isEmpty());
    EXPECT_EQ(refused.number, com::VB_INVALID_PROC_CALL);
    EXPECT_TRUE(refused.description.contains(QLatin1String("6")));
}

TEST(MsgBox, HeadlessPrintsAndTakesTheDefaultButton)
{
    ASSERT_TRUE(win::isHeadless());
    const std::pair<int, int> cases[] = {
        {win::vbOKOnly, win::vbOK}, {win::vbExclamation, win::vbOK}, {win::vbYesNo, win::vbYes},
        {win::vbYesNo + win::vbDefaultButton2, win::vbNo},
        {win::vbYesNoCancel + win::vbDefaultButton3, win::vbCancel},
        {win::vbOKCancel + win::vbQuestion + win::vbDefaultButton2, win::vbCancel},
        {win::vbAbortRetryIgnore + win::vbDefaultButton2, win::vbRetry},
        {win::vbOKOnly + win::vbDefaultButton2, win::vbOK},  // no second button: the first
    };
    for (const auto& [style, expected] : cases) {
        ::testing::internal::CaptureStdout();
        const int answer = win::MsgBox(QStringLiteral("您没有客户历史销售价格查询的权限!"), style, QStringLiteral("系统提示"));
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), "[系统提示] 您没有客户历史销售价格查询的权限!\n") << style;
        EXPECT_EQ(answer, expected) << "style " << style;
    }
}

} // namespace
