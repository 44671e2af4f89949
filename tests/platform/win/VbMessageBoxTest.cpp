// The message box a person sees: icon, buttons, default and escape button, answer of a click.
#include "platform/win/VbMessageBox.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList captions(const QMessageBox& box)
{
    QStringList texts;
    for (QAbstractButton* b : box.buttons())
        texts << b->text();
    texts.sort();
    return texts;
}

TEST(VbMessageBox, StyleGivesIconButtonsAndDefault)
{
    struct Case { int style; QMessageBox::Icon icon; QStringList buttons; QString defaultCaption; };
    const Case cases[] = {
        {win::vbExclamation, QMessageBox::Warning, {QStringLiteral("确定")}, QStringLiteral("确定")},
        {win::vbInformation, QMessageBox::Information, {QStringLiteral("确定")}, QStringLiteral("确定")},
        {win::vbCritical + win::vbOKCancel, QMessageBox::Critical,
         {QStringLiteral("取消"), QStringLiteral("确定")}, QStringLiteral("确定")},
        {win::vbQuestion + win::vbYesNo + win::vbDefaultButton2, QMessageBox::Question,
         {QStringLiteral("否(&N)"), QStringLiteral("是(&Y)")}, QStringLiteral("否(&N)")},
        {win::vbYesNoCancel + win::vbDefaultButton3, QMessageBox::NoIcon,
         {QStringLiteral("取消"), QStringLiteral("否(&N)"), QStringLiteral("是(&Y)")}, QStringLiteral("取消")},
    };
    for (const Case& c : cases) {
        win::VbMessageBox box({QStringLiteral("文本"), c.style, QStringLiteral("标题")});
        EXPECT_EQ(box.icon(), c.icon) << c.style;
        EXPECT_EQ(captions(box), c.buttons) << c.style;
        ASSERT_NE(box.defaultButton(), nullptr) << c.style;
        EXPECT_EQ(box.defaultButton()->text(), c.defaultCaption) << c.style;
        EXPECT_EQ(box.windowTitle(), QStringLiteral("标题"));
        EXPECT_EQ(box.text(), QStringLiteral("文本"));
    }
}

TEST(VbMessageBox, ClickedButtonGivesTheVbAnswer)
{
    struct Case { int style; QMessageBox::StandardButton click; int answer; };
    for (const Case& c : {Case{win::vbYesNo, QMessageBox::No, win::vbNo},
                          Case{win::vbYesNo, QMessageBox::Yes, win::vbYes},
                          Case{win::vbOKCancel, QMessageBox::Cancel, win::vbCancel},
                          Case{win::vbRetryCancel, QMessageBox::Retry, win::vbRetry}}) {
        win::VbMessageBox box({QStringLiteral("x"), c.style, QStringLiteral("t")});
        box.show();
        QTest::mouseClick(box.button(c.click), Qt::LeftButton);
        EXPECT_EQ(box.answer(), c.answer) << c.style << " " << c.click;
    }
}

TEST(VbMessageBox, EscapeAnswersCancelWhereThereIsOneElseTheDefault)
{
    struct Case { int style; int answer; };
    for (const Case& c : {Case{win::vbYesNoCancel, win::vbCancel}, Case{win::vbOKOnly, win::vbOK},
                          Case{win::vbYesNo + win::vbDefaultButton2, win::vbNo}}) {
        win::VbMessageBox box({QStringLiteral("x"), c.style, QStringLiteral("t")});
        box.show();
        QTest::keyClick(&box, Qt::Key_Escape);
        EXPECT_EQ(box.answer(), c.answer) << c.style;
    }
}

TEST(VbMessageBox, Screenshot)
{
    win::VbMessageBox box({QStringLiteral("你已搜索完全部记录，但没有找到相应的下一个记录!是否重新搜索?"),
                           win::vbYesNo + win::vbInformation, QStringLiteral("青禾提示：")});
    box.show();
    // build/bin/test_platform → build/screenshots
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
    QDir().mkpath(dir);
    EXPECT_TRUE(box.grab().save(dir + QStringLiteral("/win_msgbox_yesno.png")));
}

} // namespace
