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

TEST(GetWindowOwner, TopLevelWindowsWithAParentAnswerTheParentsWindow)
{
    QMainWindow main;
    auto* central = new QWidget(&main);
    main.setCentralWidget(central);
    auto* dialog = new QDialog(central);  // made from a widget inside the main window
    auto* nested = new QDialog(dialog);

    EXPECT_EQ(win::GetWindow(win::handleOf(dialog), win::GW_OWNER), win::handleOf(&main));
    EXPECT_EQ(win::GetWindow(win::handleOf(nested), win::GW_OWNER), win::handleOf(dialog));
}

TEST(GetWindowOwner, NoOwnerAnswersZero)
{
    QMainWindow main;
    QDialog freeDialog;
    auto* button = new QPushButton(&main);  // a child, not a window

    EXPECT_EQ(win::GetWindow(win::handleOf(&main), win::GW_OWNER), 0);
    EXPECT_EQ(win::GetWindow(win::handleOf(&freeDialog), win::GW_OWNER), 0);
    EXPECT_EQ(win::GetWindow(win::handleOf(button), win::GW_OWNER), 0);
    EXPECT_EQ(win::GetWindow(win::GetDesktopWindow(), win::GW_OWNER), 0);
    EXPECT_EQ(win::GetWindow(0, win::GW_OWNER), 0);
}

TEST(GetWindowOwner, OtherCommandsAreRefused)
{
    QWidget w;
    EXPECT_THROW(win::GetWindow(win::handleOf(&w), 5), com::ComError);
}

std::string className(win::Handle handle, int max = 256)
{
    std::string buffer(static_cast<size_t>(max) + 8, 'x');
    const int count = win::GetClassNameA(handle, buffer.data(), max);
    EXPECT_EQ(buffer[static_cast<size_t>(count)], '\0');
    EXPECT_EQ(buffer[static_cast<size_t>(max) + 1], 'x') << "wrote past maxCount";
    return buffer.substr(0, static_cast<size_t>(count));
}

TEST(GetClassName, WindowClassPropertyElseQtClass)
{
    QMainWindow main;
    QDialog dialog;
    EXPECT_EQ(className(win::handleOf(&main)), "QMainWindow");
    EXPECT_EQ(className(win::handleOf(&dialog)), "QDialog");
    main.setProperty("windowClass", QStringLiteral("ThunderRT6Main"));
    EXPECT_EQ(className(win::handleOf(&main)), "ThunderRT6Main");
}

TEST(GetClassName, CutToMaxCountWithNul)
{
    QWidget w;
    w.setProperty("windowClass", QStringLiteral("ThunderRT6Main"));
    const win::Handle h = win::handleOf(&w);
    struct Case { int max; std::string expected; };
    for (const Case& c : {Case{15, "ThunderRT6Main"}, Case{14, "ThunderRT6Mai"}, Case{8, "Thunder"},
                          Case{2, "T"}, Case{1, ""}}) {
        EXPECT_EQ(className(h, c.max), c.expected) << "max " << c.max;
    }
}

TEST(GetClassName, NothingForUnknownHandlesOrNoRoom)
{
    char buffer[16] = "untouched";
    EXPECT_EQ(win::GetClassNameA(0x7ffffff0, buffer, 16), 0);
    EXPECT_EQ(buffer[0], '\0');
    QWidget w;
    EXPECT_EQ(win::GetClassNameA(win::handleOf(&w), buffer, 0), 0);
    EXPECT_EQ(win::GetClassNameA(win::handleOf(&w), nullptr, 16), 0);
    EXPECT_EQ(className(win::GetDesktopWindow()), "#32769");
}

} // namespace
