#pragma once
// What the Show tests share: a fake host, answered message boxes and modal windows, a stand-in
// for the host's main window, and the browse windows left open.
#include "platform/win/Foreground.h"
#include "platform/win/WindowHandles.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/testsupport/ModalWindowRecorder.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tradequery/window/BrowseBase.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <gtest/gtest.h>
#include <memory>

namespace showtest {

// The browse windows that are open (shown). Found by class name: a window made by the loaded
// libZELTradeQuery.so has that library's own meta-object, which qobject_cast here does not know.
inline QList<QWidget*> openBrowseWindows()
{
    QList<QWidget*> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qstrcmp(widget->metaObject()->className(), "tq::BrowseBase") == 0 && widget->isVisible())
            open.append(widget);
    }
    return open;
}

// Lets windows released with deleteLater go.
inline void deleteReleasedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class ShowTest : public testing::Test {
protected:
    void SetUp() override
    {
        mainWindow = std::make_unique<QWidget>(nullptr, Qt::Window);
        mainWindow->setProperty("windowClass", QStringLiteral("ThunderRT6Main"));
        mainWindow->show();
    }

    void TearDown() override
    {
        win::testing::clearForegroundOverride();
        for (QWidget* window : openBrowseWindows())
            window->close();
        deleteReleasedWindows();
    }

    // The host publishes its main window and `front` is the window in the foreground.
    void hostWithMainWindow(QWidget* front)
    {
        host.sharedDictionary().setValue(QStringLiteral("MainFormWnd"), win::handleOf(mainWindow.get()));
        win::testing::setForegroundOverride(win::handleOf(front), win::GetCurrentProcessId());
    }

    fakehost::FakeHost host;
    fakehost::MsgBoxRecorder boxes;
    fakehost::ModalWindowRecorder modal;
    std::unique_ptr<QWidget> mainWindow;
};

} // namespace showtest
