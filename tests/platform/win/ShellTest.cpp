// Starting programs through registered launchers.
#include "platform/com/ErrorCodes.h"
#include "platform/win/Shell.h"
#include "tests/platform/RaisedError.h"

#include <QStringList>
#include <gtest/gtest.h>

using platformtest::raisedBy;

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

TEST_F(ShellTest, DispatchesByProgramNameWithTheArgumentsAndANewTaskIdEachTime)
{
    const QString topic = QStringLiteral("C:\\App\\ZELV12.chm::/销售管理.htm");
    const QStringList commandLines = {
        "hh.exe " + topic, "HH.EXE   " + topic, "C:\\Windows\\hh.exe " + topic,
        "\"C:\\Program Files\\hh.exe\" " + topic, "/usr/bin/hh " + topic,
    };
    QList<double> taskIds;
    for (const QString& commandLine : commandLines) {
        helpCalls.clear();
        taskIds << win::Shell(commandLine, win::vbNormalFocus);
        EXPECT_GT(taskIds.last(), 0.0) << commandLine.toStdString();
        EXPECT_EQ(helpCalls, QStringList{topic}) << commandLine.toStdString();
        EXPECT_EQ(taskIds.count(taskIds.last()), 1) << "task ids repeat";
    }
    helpCalls.clear();
    win::Shell(QStringLiteral("hh.exe"));
    EXPECT_EQ(helpCalls, QStringList{QString()});
}

TEST_F(ShellTest, UnknownProgramsAndInvalidCallsRaise)
{
    const auto unknown = raisedBy([] { win::Shell(QStringLiteral("notepad.exe readme.txt"), win::vbNormalFocus); });
    EXPECT_EQ(unknown.number, com::vbError(53));
    EXPECT_EQ(unknown.description, QStringLiteral("文件未找到: notepad.exe"));

    const std::pair<QString, int> invalid[] = {
        {QString(), win::vbNormalFocus}, {QStringLiteral("   "), win::vbNormalFocus},
        {QStringLiteral("hh.exe x"), 5}, {QStringLiteral("hh.exe x"), 7}, {QStringLiteral("broken.exe"), win::vbNormalFocus},
    };
    for (const auto& [commandLine, style] : invalid)
        EXPECT_EQ(raisedBy([&] { win::Shell(commandLine, style); }).number, com::VB_INVALID_PROC_CALL)
            << commandLine.toStdString() << " / " << style;

    win::unregisterShellHandler(QStringLiteral("HH.exe"));
    EXPECT_EQ(raisedBy([] { win::Shell(QStringLiteral("hh.exe x")); }).number, com::vbError(53));
    EXPECT_TRUE(helpCalls.isEmpty());
}

} // namespace
