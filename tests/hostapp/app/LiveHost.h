#pragma once
// A running host for tests: the real services for a user on a database, the real component
// library in a temporary registry, the main window up and published. Ending it closes the
// component's windows and forgets the registered component.
#include "hostapp/app/ComponentSetup.h"
#include "hostapp/app/HostMainWindow.h"
#include "platform/com/ObjectFactory.h"
#include "tests/testsupport/HostServicesFixture.h"
#include "tests/testsupport/TemporaryComponentRegistry.h"

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

namespace hostapptest {

class LiveHost {
public:
    // On `database`, or on a private copy of the small demo database when it is empty.
    explicit LiveHost(int32_t userId, const QString& database = QString())
        : services(userId, database.isEmpty() ? testsupport::copySmallDemoDatabase(folder.path()) : database)
    {
        zelhost::registerTradeQueryComponent(zelhost::tradeQueryLibraryPath(QCoreApplication::applicationDirPath()));
        window = std::make_unique<zelhost::HostMainWindow>(services.session);
        window->publishAsMainForm();
        window->show();
    }
    ~LiveHost()
    {
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window.reset();
        com::ObjectFactory::instance().setFallback({});
    }
    zelhost::HostMainWindow& mainWindow() { return *window; }
    QString folderPath() const { return folder.path(); }

    // The visible top-level windows besides the main window (the component's).
    QList<QWidget*> componentWindows() const
    {
        QList<QWidget*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget != window.get() && widget->isVisible() && (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog))
                windows << widget;
        return windows;
    }

private:
    QTemporaryDir folder;
    hostsvc::testing::InstalledServices services;
    fakehost::TemporaryComponentRegistry registry;
    std::unique_ptr<zelhost::HostMainWindow> window;
};

} // namespace hostapptest
