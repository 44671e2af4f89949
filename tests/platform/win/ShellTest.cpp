// Starting programs through registered launchers: the command line reaches the launcher of its
// program, whatever the path and case; what no launcher takes is refused by name.
#include "platform/com/ErrorCodes.h"
#include "platform/win/Shell.h"
#include "tests/platform/RaisedError.h"

#include <gtest/gtest.h>

using platformtest::raisedBy;

TEST(Shell, DispatchesByProgramNameAndRefusesTheRest)
{
    QStringList helpCalls;
    win::registerShellHandler(QStringLiteral("hh.exe"), [&](const QString& args) {
        helpCalls << args;
        return true;
    });
    win::registerShellHandler(QStringLiteral("broken.exe"), [](const QString&) { return false; });
    EXPECT_GT(win::Shell(QStringLiteral("\"C:\\Program Files\\HH.EXE\"   a b"), win::vbNormalFocus), 0.0);
    EXPECT_EQ(helpCalls, QStringList{QStringLiteral("a b")});
    const auto unknown = raisedBy([] { win::Shell(QStringLiteral("notepad.exe readme.txt"), win::vbNormalFocus); });
    EXPECT_EQ(unknown.number, com::vbError(53));
    EXPECT_EQ(unknown.description, QStringLiteral("文件未找到: notepad.exe"));
    const std::pair<QString, int> invalid[] = {{QStringLiteral("   "), win::vbNormalFocus}, {QStringLiteral("hh.exe x"), 5},
                                               {QStringLiteral("broken.exe"), win::vbNormalFocus}};
    for (const auto& [commandLine, style] : invalid)
        EXPECT_EQ(raisedBy([&] { win::Shell(commandLine, style); }).number, com::VB_INVALID_PROC_CALL) << commandLine.toStdString();
    win::unregisterShellHandler(QStringLiteral("HH.exe"));
    win::unregisterShellHandler(QStringLiteral("broken.exe"));
    EXPECT_EQ(raisedBy([] { win::Shell(QStringLiteral("hh.exe x")); }).number, com::vbError(53));
    EXPECT_EQ(helpCalls.size(), 1);
}
