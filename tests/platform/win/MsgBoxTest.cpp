// Message boxes: answered by a responder in tests, printed and defaulted when headless, and the
// box a person sees (icon, buttons, default and escape button, the answer of a click).
#include "platform/com/ErrorCodes.h"
#include "platform/win/Headless.h"
#include "platform/win/MsgBox.h"
#include "platform/win/VbMessageBox.h"
#include "tests/platform/RaisedError.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
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

TEST(VbMessageBox, StyleGivesIconButtonsAndDefault)
{
    struct Case { int style; QMessageBox::Icon icon; QStringList buttons; QString defaultCaption; };
    const Case cases[] = {
        {win::vbExclamation, QMessageBox::Warning, {"确定"}, "确定"},
        {win::vbInformation, QMessageBox::Information, {"确定"}, "确定"},
        {win::vbCritical + win::vbOKCancel, QMessageBox::Critical, {"取消", "确定"}, "确定"},
        {win::vbQuestion + win::vbYesNo + win::vbDefaultButton2, QMessageBox::Question, {"否(&N)", "是(&Y)"}, "否(&N)"},
        {win::vbYesNoCancel + win::vbDefaultButton3, QMessageBox::NoIcon, {"取消", "否(&N)", "是(&Y)"}, "取消"},
    };
    for (const Case& c : cases) {
        win::VbMessageBox box({QStringLiteral("文本"), c.style, QStringLiteral("标题")});
        QStringList captions;
        for (QAbstractButton* b : box.buttons())
            captions << b->text();
        captions.sort();
        EXPECT_EQ(box.icon(), c.icon) << c.style;
        EXPECT_EQ(captions, c.buttons) << c.style;
        ASSERT_NE(box.defaultButton(), nullptr) << c.style;
        EXPECT_EQ(box.defaultButton()->text(), c.defaultCaption) << c.style;
        EXPECT_EQ(box.windowTitle(), QStringLiteral("标题"));
        EXPECT_EQ(box.text(), QStringLiteral("文本"));
    }
}

TEST(VbMessageBox, AClickOrEscapeGivesTheVbAnswer)
{
    // NoButton stands for the escape key: cancel where there is one, else the default.
    struct Case { int style; QMessageBox::StandardButton click; int answer; };
    for (const Case& c : {Case{win::vbYesNo, QMessageBox::No, win::vbNo}, Case{win::vbYesNo, QMessageBox::Yes, win::vbYes},
                          Case{win::vbOKCancel, QMessageBox::Cancel, win::vbCancel},
                          Case{win::vbRetryCancel, QMessageBox::Retry, win::vbRetry},
                          Case{win::vbYesNoCancel, QMessageBox::NoButton, win::vbCancel},
                          Case{win::vbOKOnly, QMessageBox::NoButton, win::vbOK},
                          Case{win::vbYesNo + win::vbDefaultButton2, QMessageBox::NoButton, win::vbNo}}) {
        win::VbMessageBox box({QStringLiteral("x"), c.style, QStringLiteral("t")});
        box.show();
        if (c.click == QMessageBox::NoButton)
            QTest::keyClick(&box, Qt::Key_Escape);
        else
            QTest::mouseClick(box.button(c.click), Qt::LeftButton);
        EXPECT_EQ(box.answer(), c.answer) << c.style << " " << c.click;
    }
}

} // namespace
