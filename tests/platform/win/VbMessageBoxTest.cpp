// The message box a person sees: icon, buttons, default and escape button, answer of a click.
#include "platform/win/VbMessageBox.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

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
