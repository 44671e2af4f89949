// Message boxes: answered by a responder in tests, printed and defaulted when headless.
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/win/Headless.h"
#include "platform/win/MsgBox.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Installs a responder for one test and puts the previous one back.
class ResponderScope {
public:
    explicit ResponderScope(win::MsgBoxResponder responder)
        : m_previous(win::setMsgBoxResponder(std::move(responder))) {}
    ~ResponderScope() { win::setMsgBoxResponder(std::move(m_previous)); }
private:
    win::MsgBoxResponder m_previous;
};

TEST(MsgBox, ResponderSeesTheBoxAndAnswersIt)
{
    std::vector<win::MsgBoxRequest> seen;
    ResponderScope scope([&](const win::MsgBoxRequest& r) {
        seen.push_back(r);
        return win::vbNo;
    });
    const int answer = win::MsgBox(QStringLiteral("是否重新搜索?"), win::vbYesNo + win::vbInformation,
                                   QStringLiteral("青禾提示："));
    EXPECT_EQ(answer, win::vbNo);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, QStringLiteral("是否重新搜索?"));
    EXPECT_EQ(seen[0].style, 68);
    EXPECT_EQ(seen[0].title, QStringLiteral("青禾提示："));
}

TEST(MsgBox, EmptyTitleBecomesTheApplicationName)
{
    QString title;
    ResponderScope scope([&](const win::MsgBoxRequest& r) { title = r.title; return win::vbOK; });
    win::MsgBox(QStringLiteral("x"));
    EXPECT_EQ(title, QCoreApplication::applicationName());
    EXPECT_FALSE(title.isEmpty());
}

TEST(MsgBox, RemovingTheResponderReturnsToTheDefault)
{
    int calls = 0;
    {
        ResponderScope scope([&](const win::MsgBoxRequest&) { ++calls; return win::vbCancel; });
        EXPECT_EQ(win::MsgBox(QStringLiteral("a"), win::vbOKCancel), win::vbCancel);
    }
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(win::MsgBox(QStringLiteral("b"), win::vbOKCancel), win::vbOK);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(calls, 1);
}

TEST(MsgBox, HeadlessPrintsAndTakesTheDefaultButton)
{
    ASSERT_TRUE(win::isHeadless());
    struct Case { int style; int expected; };
    const Case cases[] = {
        {win::vbOKOnly, win::vbOK},
        {win::vbExclamation, win::vbOK},
        {win::vbInformation, win::vbOK},
        {win::vbYesNo, win::vbYes},
        {win::vbYesNo + win::vbDefaultButton2, win::vbNo},
        {win::vbYesNoCancel + win::vbDefaultButton3, win::vbCancel},
        {win::vbOKCancel + win::vbQuestion + win::vbDefaultButton2, win::vbCancel},
        {win::vbAbortRetryIgnore + win::vbDefaultButton2, win::vbRetry},
        {win::vbOKOnly + win::vbDefaultButton2, win::vbOK},  // no second button: the first
    };
    for (const Case& c : cases) {
        ::testing::internal::CaptureStdout();
        const int answer = win::MsgBox(QStringLiteral("您没有客户历史销售价格查询的权限!"), c.style,
                                       QStringLiteral("系统提示"));
        const std::string printed = ::testing::internal::GetCapturedStdout();
        EXPECT_EQ(answer, c.expected) << "style " << c.style;
        EXPECT_EQ(printed, "[系统提示] 您没有客户历史销售价格查询的权限!\n") << "style " << c.style;
    }
}

TEST(MsgBox, UnknownButtonSetIsRefusedBeforeAnyoneIsAsked)
{
    int calls = 0;
    ResponderScope scope([&](const win::MsgBoxRequest&) { ++calls; return win::vbOK; });
    try {
        win::MsgBox(QStringLiteral("x"), 6);
        FAIL() << "no error";
    } catch (const com::ComError& e) {
        EXPECT_EQ(e.number(), com::VB_INVALID_PROC_CALL);
        EXPECT_TRUE(e.description().contains(QLatin1String("6")));
    }
    EXPECT_EQ(calls, 0);
}

} // namespace
