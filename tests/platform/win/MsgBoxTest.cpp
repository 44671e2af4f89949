// Message boxes: answered by a responder in tests, printed and defaulted when headless, and the
// answer of the box a person clicks or escapes.
#include "platform/com/ErrorCodes.h"
#include "platform/win/Headless.h"
#include "platform/win/MsgBox.h"
#include "platform/win/VbMessageBox.h"
#include "tests/platform/RaisedError.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

TEST(MsgBox, AnEmptyTitleIsTheApplicationsNameAndAnUnknownButtonSetIsRefusedBeforeAnyoneIsAsked)
{
    QStringList titles;
    auto previous = win::setMsgBoxResponder([&](const win::MsgBoxRequest& r) {
        titles << r.title;
        return win::vbOK;
    });
    win::MsgBox(QStringLiteral("x"));
    EXPECT_EQ(platformtest::raisedBy([] { win::MsgBox(QStringLiteral("x"), 6); }).number, com::VB_INVALID_PROC_CALL);
    win::setMsgBoxResponder(std::move(previous));
    EXPECT_EQ(titles, QStringList{QCoreApplication::applicationName()});
}

TEST(MsgBox, HeadlessPrintsAndTakesTheDefaultButton)
{
    ASSERT_TRUE(win::isHeadless());
    const std::pair<int, int> cases[] = {
        {win::vbOKOnly, win::vbOK}, {win::vbYesNo, win::vbYes}, {win::vbYesNo + win::vbDefaultButton2, win::vbNo},
        {win::vbYesNoCancel + win::vbDefaultButton3, win::vbCancel}, {win::vbAbortRetryIgnore + win::vbDefaultButton2, win::vbRetry},
        {win::vbOKOnly + win::vbDefaultButton2, win::vbOK},  // no second button: the first
    };
    for (const auto& [style, expected] : cases) {
        ::testing::internal::CaptureStdout();
        const int answer = win::MsgBox(QStringLiteral("您没有客户历史销售价格查询的权限!"), style, QStringLiteral("系统提示"));
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), "[系统提示] 您没有客户历史销售价格查询的权限!\n") << style;
        EXPECT_EQ(answer, expected) << "style " << style;
    }
}

TEST(VbMessageBox, AClickOrEscapeGivesTheAnswerOfTheStylesButtons)
{
    // NoButton stands for the escape key: cancel where there is one, else the default.
    struct Click { int style; QMessageBox::StandardButton button; int answer; };
    for (const Click& c : {Click{win::vbYesNo, QMessageBox::No, win::vbNo}, Click{win::vbRetryCancel, QMessageBox::Retry, win::vbRetry},
                           Click{win::vbYesNoCancel, QMessageBox::NoButton, win::vbCancel},
                           Click{win::vbOKOnly, QMessageBox::NoButton, win::vbOK},
                           Click{win::vbYesNo + win::vbDefaultButton2, QMessageBox::NoButton, win::vbNo}}) {
        win::VbMessageBox box({QStringLiteral("<b>x</b>"), c.style, QStringLiteral("t")});
        EXPECT_EQ(box.textFormat(), Qt::PlainText);  // a message is shown as written, never as markup
        box.show();
        if (c.button == QMessageBox::NoButton)
            QTest::keyClick(&box, Qt::Key_Escape);
        else
            QTest::mouseClick(box.button(c.button), Qt::LeftButton);
        EXPECT_EQ(box.answer(), c.answer) << c.style << " " << c.button;
    }
}
