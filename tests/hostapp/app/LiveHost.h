#pragma once
// A running host inside the test program: the host's real services for a user on a private copy
// of the small demo database, the real component library registered in a temporary registry,
// and the host's main window up and published. Removes every trace when it goes (component
// windows closed, services uninstalled).
#include "hostapp/app/HostMainWindow.h"
#include "tests/testsupport/HostServicesFixture.h"
#include "tests/testsupport/TemporaryComponentRegistry.h"

#include <memory>

namespace zelhosttest {

class LiveHost {
public:
    explicit LiveHost(int32_t userId);
    ~LiveHost();
    LiveHost(const LiveHost&) = delete;
    LiveHost& operator=(const LiveHost&) = delete;

    zelhost::HostMainWindow& mainWindow() { return *m_window; }
    QString folder() const { return m_folder.path(); }

    // The visible top-level windows besides the main window (the component's).
    QList<QWidget*> componentWindows() const;

private:
    QTemporaryDir m_folder;
    hostsvc::testing::InstalledServices m_services;
    fakehost::TemporaryComponentRegistry m_registry;
    std::unique_ptr<zelhost::HostMainWindow> m_window;
};

} // namespace zelhosttest
