// The query options dialog as a person uses it: what it shows, which keys the number field
// takes, and what Apply and Close leave in the system profile.
#include "platform/com/ErrorCodes.h"
#include "platform/win/ModalDialog.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tests/tradequery/history/SqlTextPrinter.h"
#include "tradequery/host/FrmQueryProperty.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
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

QStringList updatesSent(fakehost::FakeHost& host)
{
    return host.sqlSent().filter(QRegularExpression("^UPDATE "));
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

    // Opens the dialog as the browse window does and lets `person` act on it.
    int open(int32_t queryType, tq::QueryOptions options, std::function<void()> person)
    {
        // By name, as a host sets the properties of a class it created.
        EXPECT_TRUE(dialog.setProperty("QueryType", queryType));
        dialog.SetOptions(options);
        auto previous = win::setModalResponder([&](QDialog& shown) {
            EXPECT_EQ(&shown, &dialog);
            shown.show();
            person();
            return shown.result();
        });
        const int result = dialog.ShowModal();
        win::setModalResponder(std::move(previous));
        return result;
    }

    void typeInto(QLineEdit* edit, const QString& keys)
    {
        edit->setFocus();
        QTest::keyClicks(edit, keys);
    }

    fakehost::FakeHost host;
    tq::FrmQueryProperty dialog;
};

TEST_F(QueryPropertyDialog, CaptionsAndControls)
{
    open(1, {}, [&] {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("查询属性设置"));
        EXPECT_EQ(control<QCheckBox>("chkAllowSelf")->text(), QStringLiteral("只允许查看自己做过的单据"));
        EXPECT_EQ(control<QLabel>("Label15")->text(), QStringLiteral("统计最近"));
        EXPECT_EQ(control<QLabel>("Label1")->text(), QStringLiteral("次发生的业务"));
        EXPECT_EQ(control<QPushButton>("btnOK")->text(), QStringLiteral("确定(&O)"));
        EXPECT_EQ(control<QPushButton>("btnApply")->text(), QStringLiteral("应用(&A)"));
        EXPECT_EQ(control<QPushButton>("btnCancel")->text(), QStringLiteral("关闭(&C)"));
        EXPECT_FALSE(control<QPushButton>("btnOK")->isVisible());
        EXPECT_TRUE(control<QPushButton>("btnApply")->isVisible());
        EXPECT_TRUE(control<QPushButton>("btnApply")->isEnabled());  // showing the number changed the field

        // The number reads inside its sentence, all within the frame.
        auto* frame = control<QGroupBox>("Frame1");
        const QRect before = control<QLabel>("Label15")->geometry();
        const QRect number = control<QLineEdit>("txtTradeTimes")->geometry();
        const QRect after = control<QLabel>("Label1")->geometry();
        EXPECT_LE(before.right(), number.left());
        EXPECT_LE(number.right(), after.left());
        EXPECT_TRUE(number.center().y() > before.top() && number.center().y() < before.bottom());
        for (const char* name : {"chkAllowSelf", "Label15", "txtTradeTimes", "Label1"})
            EXPECT_EQ(dialog.findChild<QWidget*>(name)->parentWidget(), frame) << name;

        // build/bin/test_tradequery → build/screenshots, for a person to look at.
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
        QDir().mkpath(dir);
        EXPECT_TRUE(dialog.grab().save(dir + QStringLiteral("/host_query_property.png")));
        dialog.reject();
    });
}

TEST_F(QueryPropertyDialog, ShowsTheStoredOptionsOrTheCopyHandedOver)
{
    // First use: nothing stored yet, the window's copy is shown.
    open(1, {1, 25}, [&] {
        EXPECT_TRUE(control<QCheckBox>("chkAllowSelf")->isChecked());
        EXPECT_EQ(control<QLineEdit>("txtTradeTimes")->text(), QStringLiteral("25"));
        dialog.reject();
    });
    EXPECT_TRUE(updatesSent(host).isEmpty());
}

TEST_F(QueryPropertyDialog, StoredOptionsOfTheFlavourReplaceTheCopy)
{
    const QString select = "SELECT FKey,FCategory,FValue FROM t_SystemProfile WHERE FCategory='IC' And "
                           "(FKey ='ProviderAllowSelf' or FKey ='ProviderAllowDept' or  FKey ='ProviderAllowEmp' "
                           "or FKey ='ProviderAllowStock' or FKey ='ProviderTradeTimes' ) ";
    host.appConnection().sql().answer(select, fakehost::rows({{"FKey"}, {"FCategory"}, {"FValue"}},
                                                             {{"ProviderAllowSelf", "IC", "0"},
                                                              {"ProviderTradeTimes", "IC", "60"}}));
    open(2, {1, 25}, [&] {
        EXPECT_FALSE(control<QCheckBox>("chkAllowSelf")->isChecked());
        EXPECT_EQ(control<QLineEdit>("txtTradeTimes")->text(), QStringLiteral("60"));
        dialog.reject();
    });
}

TEST_F(QueryPropertyDialog, NumberFieldTakesTypedAndPastedDigitsAndBackspaceOnly)
{
    open(1, {0, 25}, [&] {
        auto* number = control<QLineEdit>("txtTradeTimes");
        number->clear();
        typeInto(number, "a1-2 b.3,+e");
        EXPECT_EQ(number->text(), QStringLiteral("123"));
        QTest::keyClick(number, Qt::Key_Backspace);
        EXPECT_EQ(number->text(), QStringLiteral("12"));
        QTest::keyClick(number, Qt::Key_Left);  // keys that type nothing keep their meaning
        QTest::keyClick(number, '7');
        EXPECT_EQ(number->text(), QStringLiteral("172"));
        // Pasted text must be digits.
        number->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("4a"));
        number->paste();
        EXPECT_EQ(number->text(), QStringLiteral("172"));
        QApplication::clipboard()->setText(QStringLiteral("40"));
        number->paste();
        EXPECT_EQ(number->text(), QStringLiteral("40"));
        dialog.reject();
    });
}

TEST_F(QueryPropertyDialog, EnterMovesBackToTheSwitchAndDoesNotSave)
{
    const int result = open(1, {0, 25}, [&] {
        auto* number = control<QLineEdit>("txtTradeTimes");
        number->setFocus();
        EXPECT_EQ(dialog.focusWidget(), number);
        QTest::keyClick(number, Qt::Key_Return);
        EXPECT_EQ(dialog.focusWidget(), control<QCheckBox>("chkAllowSelf"));
        number->setFocus();
        QTest::keyClick(number, Qt::Key_Enter);  // the keypad's
        EXPECT_EQ(dialog.focusWidget(), control<QCheckBox>("chkAllowSelf"));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(number->text(), QStringLiteral("25"));
        dialog.reject();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(updatesSent(host).isEmpty());
}

TEST_F(QueryPropertyDialog, ApplySavesWhatTheDialogShowsAndCloses)
{
    const int result = open(1, {0, 25}, [&] {
        control<QCheckBox>("chkAllowSelf")->click();
        auto* number = control<QLineEdit>("txtTradeTimes");
        number->clear();
        typeInto(number, "0040");
        QTest::mouseClick(control<QPushButton>("btnApply"), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(updatesSent(host), QStringList{saveSql("Client", 1, "40")});
}

TEST_F(QueryPropertyDialog, UncheckingStoresZeroAndAnEmptyNumberSavesZero)
{
    open(2, {1, 25}, [&] {
        control<QCheckBox>("chkAllowSelf")->click();
        control<QLineEdit>("txtTradeTimes")->clear();
        control<QPushButton>("btnApply")->click();
    });
    EXPECT_EQ(updatesSent(host), QStringList{saveSql("Provider", 0, "0")});
}

TEST_F(QueryPropertyDialog, CloseDoesNotSave)
{
    const int result = open(1, {0, 25}, [&] {
        control<QCheckBox>("chkAllowSelf")->click();
        typeInto(control<QLineEdit>("txtTradeTimes"), "9");
        control<QPushButton>("btnCancel")->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(updatesSent(host).isEmpty());
}

TEST_F(QueryPropertyDialog, ApplyClosesEvenWhenTheSaveFails)
{
    host.appConnection().sql().setFallback([](const QString& sql) -> ado::RecordsetPtr {
        if (sql.startsWith("UPDATE"))
            throw com::ComError(com::ADO_PROVIDER_ERROR, "db", "read-only database");
        return fakehost::rows({});
    });
    fakehost::MsgBoxRecorder boxes;
    const int result = open(1, {0, 25}, [&] { control<QPushButton>("btnApply")->click(); });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(updatesSent(host).size(), 1);
    EXPECT_TRUE(boxes.boxes().isEmpty());  // silently
}

TEST_F(QueryPropertyDialog, ACountBeyondThirtyTwoBitsIsRefused)
{
    fakehost::MsgBoxRecorder boxes;
    open(1, {0, 25}, [&] {
        auto* number = control<QLineEdit>("txtTradeTimes");
        number->clear();
        typeInto(number, "2147483648");
        control<QPushButton>("btnApply")->click();
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("统计的业务次数不能超过2147483647次，请重新输入。"));
        EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("青禾提示"));
        EXPECT_TRUE(updatesSent(host).isEmpty());

        QTest::keyClick(number, Qt::Key_End);  // the refused number comes back selected
        QTest::keyClick(number, Qt::Key_Backspace);
        QTest::keyClick(number, '7');
        control<QPushButton>("btnApply")->click();
    });
    EXPECT_EQ(updatesSent(host), QStringList{saveSql("Client", 0, "2147483647")});
}

} // namespace
