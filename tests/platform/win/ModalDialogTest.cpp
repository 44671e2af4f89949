// Modal dialogs and windows: answered by a responder in tests instead of waiting for a person,
// and run until they close when there is none.
#include "platform/win/ModalDialog.h"

#include <QDialog>
#include <QMainWindow>
#include <QTimer>
#include <gtest/gtest.h>

TEST(RunModal, ResponderAnswersAndTheDialogEndsHiddenWithItsAnswer)
{
    QDialog dialog;
    auto previous = win::setModalResponder([](QDialog& d) {
        d.show();  // left open, answered 7: runModal hides it and keeps the answer
        return 7;
    });
    EXPECT_EQ(win::runModal(dialog), 7);
    EXPECT_EQ(dialog.result(), 7);
    EXPECT_FALSE(dialog.isVisible());
    win::setModalResponder(std::move(previous));
    QDialog unanswered;
    QTimer::singleShot(0, &unanswered, [&] {
        EXPECT_TRUE(unanswered.isVisible() && unanswered.isModal());
        unanswered.reject();
    });
    EXPECT_EQ(win::runModal(unanswered), QDialog::Rejected);
}

TEST(RunModalWindow, ReturnsWhenTheWindowClosesOrIsDestroyed)
{
    QMainWindow window;
    bool wasModal = false;
    QTimer::singleShot(0, &window, [&] {
        wasModal = window.isVisible() && window.windowModality() == Qt::ApplicationModal;
        window.close();
    });
    win::runModalWindow(window);
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(window.windowModality(), Qt::NonModal);
    auto* doomed = new QMainWindow;  // would not return if the loop missed the destruction
    QTimer::singleShot(0, doomed, [doomed] { delete doomed; });
    win::runModalWindow(*doomed);

}
