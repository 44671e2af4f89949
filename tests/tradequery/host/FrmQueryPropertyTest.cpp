// The query options dialog as a person uses it: what it shows, which keys the number field
// takes, and what Apply and Close leave in the system profile.
#include "platform/com/ErrorCodes.h"
#include "platform/win/ModalDialog.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tests/testsupport/Screenshots.h"
#include "tests/tradequery/history/HistoryTestData.h"
#include "tradequery/host/FrmQueryProperty.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString saveSql(const QString& p, int allowSelf, const QString& tradeTimes)
{
    return "UPDATE t_SystemProfile SET FValue='" + QString::number(allowSelf) + "' WHERE FCategory='IC' AND FKey='" + p
           + "AllowSelf ' \r\nUPDATE t_SystemProfile SET FValue='" + tradeTimes
           + "' WHERE FCategory='IC' AND FKey='" + p + "TradeTimes' ";
}

class QueryPropertyDialog : public ::testing::Test {
protected:
    template <class W>
    W* control(const char* name)
    {
        auto* widget = dialog.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* number() { return control<QLineEdit>("txtTradeTimes"); }
    QCheckBox* allowSelf() { return control<QCheckBox>("chkAllowSelf"); }

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

    QStringList updatesSent() { return host.sqlSent().filter(QRegularExpression("^UPDATE ")); }

    fakehost::FakeHost host;
    fakehost::MsgBoxRecorder boxes;
    tq::FrmQueryProperty dialog;
};

TEST_F(QueryPropertyDialog, ShowsTheCopyHandedOverOnFirstUse)
{
    open(1, {1, 25}, [&] {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("查询属性设置"));
        EXPECT_TRUE(allowSelf()->isChecked());
        EXPECT_EQ(number()->text(), QStringLiteral("25"));
        EXPECT_FALSE(control<QPushButton>("btnOK")->isVisible());
        testsupport::saveScreenshot(dialog, QStringLiteral("host_query_property.png"));
        dialog.reject();
    });
    EXPECT_TRUE(updatesSent().isEmpty());
}

TEST_F(QueryPropertyDialog, StoredOptionsOfTheFlavourReplaceTheCopy)
{
    host.appConnection().sql().answer(
        "SELECT FKey,FCategory,FValue FROM t_SystemProfile WHERE FCategory='IC' And (FKey ='ProviderAllowSelf' or "
        "FKey ='ProviderAllowDept' or  FKey ='ProviderAllowEmp' or FKey ='ProviderAllowStock' or FKey ='ProviderTradeTimes' ) ",
        fakehost::rows({{"FKey"}, {"FCategory"}, {"FValue"}}, {{"ProviderAllowSelf", "IC", "0"}, {"ProviderTradeTimes", "IC", "60"}}));
    open(2, {1, 25}, [&] {
        EXPECT_FALSE(allowSelf()->isChecked());
        EXPECT_EQ(number()->text(), QStringLiteral("60"));
        dialog.reject();
    });
    EXPECT_TRUE(updatesSent().isEmpty());
}

TEST_F(QueryPropertyDialog, TheNumberTakesTypedAndPastedDigitsOnlyAndEnterDoesNotSave)
{
    const int result = open(1, {0, 25}, [&] {
        retype("a1-2 b.3,+e");
        EXPECT_EQ(number()->text(), QStringLiteral("123"));
        QTest::keyClick(number(), Qt::Key_Backspace);
        QTest::keyClick(number(), Qt::Key_Left);  // keys that type nothing keep their meaning
        QTest::keyClick(number(), '7');
        EXPECT_EQ(number()->text(), QStringLiteral("172"));
        number()->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("4a"));
        number()->paste();
        EXPECT_EQ(number()->text(), QStringLiteral("172"));
        QApplication::clipboard()->setText(QStringLiteral("40"));
        number()->paste();
        EXPECT_EQ(number()->text(), QStringLiteral("40"));

        for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
            number()->setFocus();
            QTest::keyClick(number(), enter);
            EXPECT_EQ(dialog.focusWidget(), allowSelf());  // back to the switch
            EXPECT_TRUE(dialog.isVisible());
        }
        dialog.reject();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(updatesSent().isEmpty());
}

TEST_F(QueryPropertyDialog, ApplySavesWhatTheDialogShowsAndCloseDoesNot)
{
    EXPECT_EQ(open(1, {0, 25}, [&] {
                  allowSelf()->click();
                  retype("0040");
                  QTest::mouseClick(control<QPushButton>("btnApply"), Qt::LeftButton);
              }),
              QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    open(2, {1, 25}, [&] {
        allowSelf()->click();
        number()->clear();  // an empty number saves 0
        control<QPushButton>("btnApply")->click();
    });
    EXPECT_EQ(updatesSent(), (QStringList{saveSql("Client", 1, "40"), saveSql("Provider", 0, "0")}));

    EXPECT_EQ(open(1, {0, 25}, [&] {
                  allowSelf()->click();
                  retype("9");
                  control<QPushButton>("btnCancel")->click();
              }),
              QDialog::Rejected);
    EXPECT_EQ(updatesSent().size(), 2);
}

TEST_F(QueryPropertyDialog, ACountBeyondThirtyTwoBitsIsRefusedAndAFailedSaveStillCloses)
{
    open(1, {0, 25}, [&] {
        retype("2147483648");
        control<QPushButton>("btnApply")->click();
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("统计的业务次数不能超过2147483647次，请重新输入。"));
        EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("青禾提示"));
        QTest::keyClick(number(), Qt::Key_End);  // the refused number comes back selected
        QTest::keyClick(number(), Qt::Key_Backspace);
        QTest::keyClick(number(), '7');
        control<QPushButton>("btnApply")->click();
    });
    EXPECT_EQ(updatesSent(), QStringList{saveSql("Client", 0, "2147483647")});

    host.appConnection().sql().setFallback([](const QString& sql) -> ado::RecordsetPtr {
        if (sql.startsWith("UPDATE"))
            throw com::ComError(com::ADO_PROVIDER_ERROR, "db", "read-only database");
        return fakehost::rows({});
    });
    boxes.clear();
    EXPECT_EQ(open(1, {0, 25}, [&] { control<QPushButton>("btnApply")->click(); }), QDialog::Accepted);
    EXPECT_TRUE(boxes.boxes().isEmpty());  // silently
}

} // namespace
