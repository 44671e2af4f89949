// Parsing the login property string: braced values holding ";", a last pair without ";",
// blanks, keys read without regard to case; duplicate and missing keys.
#include "platform/com/ErrorCodes.h"
#include "tests/testsupport/ComErrorMatchers.h"
#include "tradequery/host/LoginProps.h"

#include <QList>
#include <gtest/gtest.h>
#include <utility>

namespace {

using fakehost::comErrorOf;
using Pairs = QList<std::pair<QString, QString>>;

TEST(LoginProps, ParsesEveryPairAndReplacesThePreviousOnes)
{
    struct Case {
        const char* what;
        QString props;
        Pairs expected;
        QString absentKey;  // a key the parse must not produce
    };
    const QList<Case> cases = {
        {"braces hold ';' and '='", "UserID=5;ConnectString={a=1;b=2};X=y",
         {{"UserID", "5"}, {"connectstring", "a=1;b=2"}, {"X", "y"}}, "a"},
        {"last pair without ';'", "UserID=5;UserName=张三", {{"userid", "5"}, {"UserName", "张三"}}, "X"},
        {"blanks round keys and values", " UserID = 7 ; ConnectString = { Data Source=x } ; ",
         {{"UserID", "7"}, {"ConnectString", "Data Source=x"}}, ""},
        {"text after the closing brace is dropped", "A={x;y} junk;B=2", {{"A", "x;y"}, {"B", "2"}}, "junk"},
        {"unclosed brace runs to the end", "A=1;B={x;y", {{"A", "1"}, {"B", "x;y"}}, "y"},
        {"an empty key ends the parse", "A=1;=2;B=3", {{"A", "1"}}, "B"},
        {"a pair without '=' is a key with no value", "A=;Flag", {{"A", ""}, {"Flag", ""}}, ""},
    };
    for (const Case& c : cases) {
        tq::LoadLoginProps(c.props);
        for (const auto& [key, value] : c.expected)
            EXPECT_EQ(tq::GetLoginProp(key), value) << c.what << ": " << key.toStdString();
        if (!c.absentKey.isEmpty())
            EXPECT_THROW(tq::GetLoginProp(c.absentKey), com::ComError) << c.what;
    }
    tq::LoadLoginProps(QStringLiteral("UserID=5;connectstring={x}"));
    EXPECT_EQ(tq::LoginConnectString(), QStringLiteral("x"));
}

TEST(LoginProps, MissingAndDuplicateKeys)
{
    tq::LoadLoginProps(QStringLiteral("UserID=5"));
    auto error = comErrorOf([] { tq::GetLoginProp(QStringLiteral("ConnectString")); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), com::vbError(5));
    EXPECT_EQ(error->description(), QStringLiteral("无效的过程调用或参数"));

    // A duplicate fails and keeps the pairs before it.
    error = comErrorOf([] { tq::LoadLoginProps(QStringLiteral("UserID=5;X=1;USERID=6;Y=2")); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), com::vbError(457));
    EXPECT_EQ(error->description(), QStringLiteral("此键已经与该集合的一个元素相关联"));
    EXPECT_EQ(tq::GetLoginProp(QStringLiteral("UserID")), QStringLiteral("5"));
    EXPECT_EQ(tq::GetLoginProp(QStringLiteral("X")), QStringLiteral("1"));
    EXPECT_THROW(tq::GetLoginProp(QStringLiteral("Y")), com::ComError);
}

} // namespace
