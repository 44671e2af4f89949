// The query options dialog as a person uses it: what it shows, the count it refuses, and what
// Apply and Close leave in the system profile.
#include "platform/win/ModalDialog.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tests/testsupport/Screenshots.h"
#include "tradequery/host/FrmQueryProperty.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class QueryPropertyDialog : public ::testing::Test {
protected:
    QLineEdit* number() { return dialog.findChild<QLineEdit*>(QStringLiteral("txtTradeTimes")); }
    QCheckBox* allowSelf() { return dialog.findChild<QCheckBox*>(QStringLiteral("chkAllowSelf")); }
    QPushButton* button(const char* name) { return dialog.findChild<QPushButton*>(QLatin1String(name)); }

    // Opens the dialog as the browse window does and lets `person` act on it.
    int open(int32_t queryType, tq::QueryOptions options, const std::function<void()>& person)
    {
        EXPECT_TRUE(dialog.setProperty("QueryType", queryType));  // by name, as a host sets it
        dialog.SetOptions(options);
        auto previous = win::setModalResponder([&](QDialog& shown) {
            shown.show();
            person();
            return shown.result();
        });
        const int result = dialog.ShowModal();
        win::setModalResponder(std::move(previous));
        return result;
    }

    void retype(const QString& keys)
    {
        number()->clear();
        number()->setFocus();
        QTest::keyClicks(number(), keys);
    }

    // "Client 1 40" for each save sent: the flavour's prefix and the two values written.
    QStringList saves()
    {
        static const QRegularExpression save(QStringLiteral("^UPDATE .*FValue='([^']*)' .*FKey='(\\w+)AllowSelf ' \r\n"
                                                            "UPDATE .*FValue='([^']*)' .*TradeTimes' $"));
        QStringList found;
        for (const QString& sql : host.sqlSent()) {
            if (const auto m = save.match(sql); m.hasMatch())
                found << m.captured(2) + u' ' + m.captured(1) + u' ' + m.captured(3);
        }
        return found;
    }

    fakehost::FakeHost host;
    fakehost::MsgBoxRecorder boxes;
    tq::FrmQueryProperty dialog;
};

TEST_F(QueryPropertyDialog, ApplySavesWhatTheDialogShowsAndCloseDoesNot)
{
    EXPECT_EQ(open(1, {0, 25}, [&] {
                  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("查询属性设置"));
                  EXPECT_FALSE(allowSelf()->isChecked());
                  EXPECT_EQ(number()->text(), QStringLiteral("25"));
                  testsupport::saveScreenshot(dialog, QStringLiteral("host_query_property.png"));
                  allowSelf()->click();
                  retype("0040");
                  QTest::mouseClick(button("btnApply"), Qt::LeftButton);
              }),
              QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    open(2, {1, 25}, [&] {
        allowSelf()->click();
        number()->clear();  // an empty number saves 0
        button("btnApply")->click();
    });
    EXPECT_EQ(open(1, {0, 25}, [&] { button("btnCancel")->click(); }), QDialog::Rejected);
    EXPECT_EQ(saves(), (QStringList{"Client 1 40", "Provider 0 0"}));
}

TEST_F(QueryPropertyDialog, ACountBeyondThirtyTwoBitsIsRefused)
{
    open(1, {0, 25}, [&] {
        retype("2147483648");
        button("btnApply")->click();
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("统计的业务次数不能超过2147483647次，请重新输入。"));
        QTest::keyClick(number(), Qt::Key_End);  // the refused number comes back selected
        QTest::keyClick(number(), Qt::Key_Backspace);
        QTest::keyClick(number(), '7');
        button("btnApply")->click();
    });
    EXPECT_EQ(saves(), QStringList{"Client 0 2147483647"});
}

} // namespace
