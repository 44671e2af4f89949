// Parsing the login property string: braced values holding ";", a last pair without ";",
// blanks, keys read without regard to case; duplicate and missing keys; the 16-bit user id.
#include "platform/com/ErrorCodes.h"
#include "tests/testsupport/ComErrorMatchers.h"
#include "tradequery/host/LoginProps.h"

#include <QList>
#include <gtest/gtest.h>
#include <utility>

namespace {

using fakehost::comErrorOf;
using Pairs = QList<std::pair<QString, QString>>;

struct ParseCase {
    const char* what;
    QString props;
    Pairs expected;
    QString absentKey;  // a key the parse must not produce
};

TEST(LoginProps, ParsesEveryPair)
{
    const QList<ParseCase> cases = {
        {"braces hold ';' and '='", "UserID=5;ConnectString={a=1;b=2};X=y",
         {{"UserID", "5"}, {"ConnectString", "a=1;b=2"}, {"X", "y"}}, "a"},
        {"last pair without ';'", "UserID=5;UserName=张三", {{"UserID", "5"}, {"UserName", "张三"}}, "张三"},
        {"blanks round keys and values", " UserID = 7 ; ConnectString = { Data Source=x } ; ",
         {{"UserID", "7"}, {"ConnectString", "Data Source=x"}}, ""},
        {"text after the closing brace is dropped", "A={x;y} junk;B=2", {{"A", "x;y"}, {"B", "2"}}, "junk"},
        {"unclosed brace runs to the end", "A=1;B={x;y", {{"A", "1"}, {"B", "x;y"}}, "y"},
        {"empty value", "A=;B=2", {{"A", ""}, {"B", "2"}}, ""},
        {"an empty key ends the parse", "A=1;=2;B=3", {{"A", "1"}}, "B"},
        {"a pair without '=' is a key with no value", "A=1;Flag", {{"A", "1"}, {"Flag", ""}}, ""},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.what);
        tq::LoadLoginProps(c.props);
        for (const auto& [key, value] : c.expected)
            EXPECT_EQ(tq::GetLoginProp(key), value) << key.toStdString();
        if (!c.absentKey.isEmpty())
            EXPECT_THROW(tq::GetLoginProp(c.absentKey), com::ComError);
    }
}

TEST(LoginProps, KeysIgnoreCase)
{
    tq::LoadLoginProps(QStringLiteral("UserID=5;connectstring={x}"));
    EXPECT_EQ(tq::GetLoginProp(QStringLiteral("userid")), QStringLiteral("5"));
    EXPECT_EQ(tq::LoginConnectString(), QStringLiteral("x"));
}

TEST(LoginProps, EachParseReplacesThePreviousPairs)
{
    tq::LoadLoginProps(QStringLiteral("A=1;"));
    tq::LoadLoginProps(QStringLiteral("B=2;"));
    EXPECT_EQ(tq::GetLoginProp(QStringLiteral("B")), QStringLiteral("2"));
    EXPECT_THROW(tq::GetLoginProp(QStringLiteral("A")), com::ComError);
}

TEST(LoginProps, AMissingKeyIsInvalidProcedureCall)
{
    tq::LoadLoginProps(QStringLiteral("UserID=5"));
    const auto error = comErrorOf([] { tq::GetLoginProp(QStringLiteral("ConnectString")); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), com::vbError(5));
    EXPECT_EQ(error->description(), QStringLiteral("无效的过程调用或参数"));
}

TEST(LoginProps, ADuplicateKeyFailsAndKeepsThePairsBeforeIt)
{
    const auto error = comErrorOf([] { tq::LoadLoginProps(QStringLiteral("UserID=5;X=1;USERID=6;Y=2")); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), com::vbError(457));
    EXPECT_EQ(error->description(), QStringLiteral("此键已经与该集合的一个元素相关联"));
    EXPECT_EQ(tq::GetLoginProp(QStringLiteral("UserID")), QStringLiteral("5"));
    EXPECT_EQ(tq::GetLoginProp(QStringLiteral("X")), QStringLiteral("1"));
    EXPECT_THROW(tq::GetLoginProp(QStringLiteral("Y")), com::ComError);
}

TEST(LoginProps, UserIdForSqlIsSixteenBit)
{
    const QList<std::pair<QString, int>> fitting = {
        {"UserID=32767", 32767}, {"UserID=-32768", -32768}, {"UserID= 16394 ", 16394}, {"UserID=2.5", 2}};
    for (const auto& [props, id] : fitting) {
        tq::LoadLoginProps(props);
        EXPECT_EQ(tq::LoginUserId16(), id) << props.toStdString();
    }

    const QList<std::pair<QString, int32_t>> failing = {
        {"UserID=32768", com::VB_OVERFLOW}, {"UserID=100000", com::VB_OVERFLOW},
        {"UserID=abc", com::VB_TYPE_MISMATCH}, {"UserName=x", com::vbError(5)}};
    for (const auto& [props, number] : failing) {
        tq::LoadLoginProps(props);
        const auto error = comErrorOf([] { tq::LoginUserId16(); });
        ASSERT_TRUE(error) << props.toStdString();
        EXPECT_EQ(error->number(), number) << props.toStdString();
    }
}

} // namespace
