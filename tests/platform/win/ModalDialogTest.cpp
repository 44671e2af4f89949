// Modal dialogs and windows: answered by a responder in tests instead of waiting for a person.
#include "platform/win/ModalDialog.h"

#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(RunModal, ResponderFillsInAndAnswers)
{
    QDialog dialog;
    auto* edit = new QLineEdit(&dialog);
    auto previous = win::setModalResponder([&](QDialog& d) {
        EXPECT_EQ(&d, &dialog);
        d.findChild<QLineEdit*>()->setText(QStringLiteral("15"));
        d.accept();
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(win::runModal(dialog), QDialog::Accepted);
    EXPECT_EQ(edit->text(), QStringLiteral("15"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    win::setModalResponder(std::move(previous));
}

TEST(RunModal, ADialogLeftOpenByTheResponderIsHiddenWithItsAnswer)
{
    QDialog dialog;
    auto previous = win::setModalResponder([](QDialog& d) {
        d.show();
        return 7;
    });
    EXPECT_EQ(win::runModal(dialog), 7);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 7);
    win::setModalResponder(std::move(previous));
}

TEST(RunModal, WithoutResponderRunsTheDialogUntilItCloses)
{
    QDialog dialog;
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.isModal());
        dialog.reject();
    });
    EXPECT_EQ(win::runModal(dialog), QDialog::Rejected);
}

TEST(RunModalWindow, ReturnsWhenTheWindowCloses)
{
    QMainWindow window;
    bool wasModal = false;
    QTimer::singleShot(0, &window, [&] {
        wasModal = window.isVisible() && window.windowModality() == Qt::ApplicationModal;
        window.close();
    });
    win::runModalWindow(window);
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.windowModality(), Qt::NonModal);
}

TEST(RunModalWindow, ReturnsWhenTheWindowIsDestroyed)
{
    auto* window = new QMainWindow;
    bool destroyed = false;
    QObject::connect(window, &QObject::destroyed, [&] { destroyed = true; });
    QTimer::singleShot(0, window, [window] { delete window; });
    win::runModalWindow(*window);  // would not return if the loop missed the destruction
    EXPECT_TRUE(destroyed);
}

TEST(RunModalWindow, ResponderRunsInsteadAndTheWindowEndsHidden)
{
    QMainWindow window;
    int calls = 0;
    auto previous = win::setModalWindowResponder([&](QWidget& w) {
        ++calls;
        w.show();
    });
    win::runModalWindow(window);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(window.isVisible());
    win::setModalWindowResponder(std::move(previous));
}

} // namespace
