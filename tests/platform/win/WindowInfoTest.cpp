// Owner windows and class names, as read to tell the host's main window from a dialog.
#include "platform/com/ComError.h"
#include "platform/win/WindowHandles.h"
#include "platform/win/WindowInfo.h"

#include <QDialog>
#include <QMainWindow>
#include <QPushButton>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(GetWindowOwner, IsTheWindowOfATopLevelWindowsParentElseZero)
{
    QMainWindow main;
    auto* central = new QWidget(&main);
    main.setCentralWidget(central);
    auto* dialog = new QDialog(central);  // made from a widget inside the main window
    auto* nested = new QDialog(dialog);
    QDialog freeDialog;
    auto* button = new QPushButton(&main);  // a child, not a window
    const std::pair<win::Handle, win::Handle> cases[] = {
        {win::handleOf(dialog), win::handleOf(&main)}, {win::handleOf(nested), win::handleOf(dialog)},
        {win::handleOf(&main), 0}, {win::handleOf(&freeDialog), 0}, {win::handleOf(button), 0},
        {win::GetDesktopWindow(), 0}, {0, 0},
    };
    for (const auto& [window, owner] : cases)
        EXPECT_EQ(win::GetWindow(window, win::GW_OWNER), owner) << window;
    EXPECT_THROW(win::GetWindow(win::handleOf(&main), 5), com::ComError);
}

TEST(GetClassName, WindowClassPropertyElseQtClassCutToMaxCount)
{
    QMainWindow main;
    QDialog dialog;
    main.setProperty("windowClass", QStringLiteral("ThunderRT6Main"));
    struct Case { win::Handle window; int max; std::string expected; };
    for (const Case& c : {Case{win::handleOf(&dialog), 256, "QDialog"}, Case{win::handleOf(&main), 256, "ThunderRT6Main"},
                          Case{win::GetDesktopWindow(), 256, "#32769"}, Case{win::handleOf(&main), 15, "ThunderRT6Main"},
                          Case{win::handleOf(&main), 14, "ThunderRT6Mai"}, Case{win::handleOf(&main), 2, "T"},
                          Case{win::handleOf(&main), 1, ""}, Case{0x7ffffff0, 16, ""}}) {
        std::string buffer(static_cast<size_t>(c.max) + 8, 'x');
        const int count = win::GetClassNameA(c.window, buffer.data(), c.max);
        EXPECT_EQ(buffer.substr(0, static_cast<size_t>(count)), c.expected) << "max " << c.max;
        EXPECT_EQ(buffer[static_cast<size_t>(count)], '\0');
        EXPECT_EQ(buffer[static_cast<size_t>(c.max) + 1], 'x') << "wrote past maxCount";
    }
    char buffer[4] = "abc";
    EXPECT_EQ(win::GetClassNameA(win::handleOf(&main), buffer, 0), 0);
    EXPECT_EQ(buffer[0], 'a');
    EXPECT_EQ(win::GetClassNameA(win::handleOf(&main), nullptr, 16), 0);
}

} // namespace
