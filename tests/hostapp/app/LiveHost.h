#pragma once
// A running host inside the test program: a private copy of the small demo database, a user
// logged in with the real host services, the real component library registered in a
// temporary registry, and the host's main window up and published. Removes every trace when
// it goes (component windows closed, services uninstalled).
#include "hostapp/app/HostMainWindow.h"
#include "tests/testsupport/TemporaryComponentRegistry.h"

#include <QTemporaryDir>

#include <memory>

namespace zelhosttest {

class LiveHost {
public:
    explicit LiveHost(int32_t userId);
    ~LiveHost();
    LiveHost(const LiveHost&) = delete;
    LiveHost& operator=(const LiveHost&) = delete;

    zelhost::HostMainWindow& mainWindow() { return *m_window; }
    const QString& databasePath() const { return m_database; }
    QString folder() const { return m_folder.path(); }

    // The visible top-level windows besides the main window (the component's).
    QList<QWidget*> componentWindows() const;

private:
    QTemporaryDir m_folder;
    fakehost::TemporaryComponentRegistry m_registry;
    QString m_database;
    std::unique_ptr<zelhost::HostMainWindow> m_window;
};

} // namespace zelhosttest
