// Starting programs through registered launchers.
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/win/Shell.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        win::registerShellHandler(QStringLiteral("hh.exe"), [this](const QString& args) {
            helpCalls << args;
            return true;
        });
        win::registerShellHandler(QStringLiteral("broken.exe"), [](const QString&) { return false; });
    }
    void TearDown() override
    {
        win::unregisterShellHandler(QStringLiteral("hh.exe"));
        win::unregisterShellHandler(QStringLiteral("broken.exe"));
    }
    QStringList helpCalls;
};

TEST_F(ShellTest, DispatchesByProgramNameAndPassesTheArguments)
{
    const QString topic = QStringLiteral("C:\\App\\ZELV12.chm::/销售管理.htm");
    struct Case { QString commandLine; QString arguments; };
    const Case cases[] = {
        {QStringLiteral("hh.exe ") + topic, topic},
        {QStringLiteral("HH.EXE   ") + topic, topic},
        {QStringLiteral("C:\\Windows\\hh.exe ") + topic, topic},
        {QStringLiteral("\"C:\\Program Files\\hh.exe\" ") + topic, topic},
        {QStringLiteral("/usr/bin/hh ") + topic, topic},
        {QStringLiteral("hh.exe"), QString()},
    };
    for (const Case& c : cases) {
        helpCalls.clear();
        EXPECT_GT(win::Shell(c.commandLine, win::vbNormalFocus), 0.0) << c.commandLine.toStdString();
        EXPECT_EQ(helpCalls, QStringList{c.arguments}) << c.commandLine.toStdString();
    }
}

TEST_F(ShellTest, EachStartGetsItsOwnTaskId)
{
    const double first = win::Shell(QStringLiteral("hh.exe a"));
    const double second = win::Shell(QStringLiteral("hh.exe b"));
    EXPECT_GT(first, 0.0);
    EXPECT_NE(first, second);
}

TEST_F(ShellTest, UnknownProgramIsFileNotFound)
{
    try {
        win::Shell(QStringLiteral("notepad.exe readme.txt"), win::vbNormalFocus);
        FAIL() << "no error";
    } catch (const com::ComError& e) {
        EXPECT_EQ(e.number(), com::vbError(53));
        EXPECT_EQ(e.description(), QStringLiteral("文件未找到: notepad.exe"));
    }
}

TEST_F(ShellTest, UnregisteredLauncherIsGone)
{
    win::unregisterShellHandler(QStringLiteral("HH.exe"));
    EXPECT_THROW(win::Shell(QStringLiteral("hh.exe x")), com::ComError);
    EXPECT_TRUE(helpCalls.isEmpty());
}

TEST_F(ShellTest, InvalidCallsRaiseError5)
{
    struct Case { QString commandLine; int style; };
    const Case cases[] = {
        {QString(), win::vbNormalFocus},
        {QStringLiteral("   "), win::vbNormalFocus},
        {QStringLiteral("hh.exe x"), 5},
        {QStringLiteral("hh.exe x"), 7},
        {QStringLiteral("broken.exe"), win::vbNormalFocus},
    };
    for (const Case& c : cases) {
        try {
            win::Shell(c.commandLine, c.style);
            ADD_FAILURE() << "no error for " << c.commandLine.toStdString() << " / " << c.style;
        } catch (const com::ComError& e) {
            EXPECT_EQ(e.number(), com::VB_INVALID_PROC_CALL) << c.commandLine.toStdString();
        }
    }
    EXPECT_TRUE(helpCalls.isEmpty());
}

} // namespace
