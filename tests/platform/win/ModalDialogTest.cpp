// Modal dialogs and windows: answered by a responder in tests instead of waiting for a person,
// and run until they close when there is none.
#include "platform/win/ModalDialog.h"

#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(RunModal, ResponderAnswersAndTheDialogEndsHiddenWithItsAnswer)
{
    for (const bool responderCloses : {true, false}) {
        QDialog dialog;
        auto* edit = new QLineEdit(&dialog);
        auto previous = win::setModalResponder([&](QDialog& d) {
            EXPECT_EQ(&d, &dialog);
            d.findChild<QLineEdit*>()->setText(QStringLiteral("15"));
            if (responderCloses) {
                d.accept();
                return int(QDialog::Accepted);
            }
            d.show();  // left open: runModal hides it
            return 7;
        });
        EXPECT_EQ(win::runModal(dialog), responderCloses ? int(QDialog::Accepted) : 7);
        EXPECT_EQ(dialog.result(), responderCloses ? int(QDialog::Accepted) : 7);
        EXPECT_EQ(edit->text(), QStringLiteral("15"));
        EXPECT_FALSE(dialog.isVisible());
        win::setModalResponder(std::move(previous));
    }
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
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.windowModality(), Qt::NonModal);

    auto* doomed = new QMainWindow;
    QTimer::singleShot(0, doomed, [doomed] { delete doomed; });
    win::runModalWindow(*doomed);  // would not return if the loop missed the destruction
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
