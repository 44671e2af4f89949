// Keystrokes sent as if typed: they reach the focus widget after the sender returns.
#include "platform/com/ComError.h"
#include "platform/win/Foreground.h"
#include "platform/win/SendKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Records the keys pressed on it.
class KeyRecorder : public QWidget {
public:
    KeyRecorder() { setFocusPolicy(Qt::StrongFocus); }
    QList<std::pair<int, Qt::KeyboardModifiers>> presses;
    QString text;
    int releases = 0;
protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        presses.append({e->key(), e->modifiers()});
        text += e->text();
    }
    void keyReleaseEvent(QKeyEvent*) override { ++releases; }
};

class SendKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setCentralWidget(recorder);
        window.show();
        win::SwitchToThisWindow(win::handleOf(&window), true);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        recorder->setFocus();
        QApplication::processEvents();
    }
    QMainWindow window;
    KeyRecorder* recorder = new KeyRecorder;
};

TEST_F(SendKeysTest, KeysArriveAfterTheSenderReturnsUnlessItWaits)
{
    win::SendKeys(QStringLiteral("{F5}"));
    EXPECT_TRUE(recorder->presses.isEmpty());  // posted, not sent
    QApplication::processEvents();
    win::SendKeys(QStringLiteral("{esc}"), true);
    EXPECT_EQ(recorder->presses, (QList<std::pair<int, Qt::KeyboardModifiers>>{{Qt::Key_F5, {}}, {Qt::Key_Escape, {}}}));
    EXPECT_EQ(recorder->releases, 2);
}

TEST_F(SendKeysTest, NamesCharactersAndModifiers)
{
    win::SendKeys(QStringLiteral("{F1}{F12}{ENTER}~{TAB}aZ1+b^{F5}{+}{}}"), true);
    const QList<std::pair<int, Qt::KeyboardModifiers>> expected = {
        {Qt::Key_F1, {}}, {Qt::Key_F12, {}}, {Qt::Key_Return, {}}, {Qt::Key_Return, {}},
        {Qt::Key_Tab, {}}, {Qt::Key_A, {}}, {Qt::Key_Z, {}}, {Qt::Key_1, {}},
        {Qt::Key_B, Qt::ShiftModifier}, {Qt::Key_F5, Qt::ControlModifier}, {Qt::Key_Plus, {}},
        {Qt::Key_BraceRight, {}},
    };
    EXPECT_EQ(recorder->presses, expected);
    EXPECT_TRUE(recorder->text.contains(QStringLiteral("aZ1"))) << recorder->text.toStdString();
}

TEST_F(SendKeysTest, BadNotationRaisesAndSendsNothing)
{
    for (const char* bad : {"{F5", "{NOSUCH}", "(ab)", "a}", "{F5 3}", "+"})
        EXPECT_THROW(win::SendKeys(QString::fromLatin1(bad), true), com::ComError) << bad;
    QApplication::processEvents();
    EXPECT_TRUE(recorder->presses.isEmpty());
}

TEST_F(SendKeysTest, F5TriggersTheWindowsShortcutAndTextReachesAnEditor)
{
    int refreshed = 0;
    auto* refresh = new QAction(QStringLiteral("刷新(&R)"), &window);
    refresh->setShortcut(Qt::Key_F5);
    window.addAction(refresh);
    QObject::connect(refresh, &QAction::triggered, [&] { ++refreshed; });
    win::SendKeys(QStringLiteral("{F5}"));
    QApplication::processEvents();
    EXPECT_EQ(refreshed, 1);

    auto* edit = new QLineEdit;
    window.setCentralWidget(edit);
    edit->setFocus();
    QApplication::processEvents();
    win::SendKeys(QStringLiteral("12a{BS}3"), true);
    EXPECT_EQ(edit->text(), QStringLiteral("123"));
}

} // namespace
