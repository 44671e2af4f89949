#pragma once
// The host's real services installed for one user of a database, as zelhost installs them at
// login, for benchmarks that run the component's own calls. The settings store lives in a
// temporary folder; everything is undone when the object ends. Of two sessions, the one
// installed last is the one the component sees; install() switches back.
#include "hostapp/services/HostServices.h"

#include <QString>
#include <QTemporaryDir>

namespace bench {

class HostSession {
public:
    // Raises com::ComError when the database or the user is not there.
    HostSession(const QString& databasePath, int userId);
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    const QString& databasePath() const { return m_databasePath; }

    // Installs this session's services again, after another session replaced them.
    void install();

    // FItemID of the t_Item row of this class and number; raises std::runtime_error when missing.
    int itemId(int itemClass, const QString& number) const;

private:
    QTemporaryDir m_settingsFolder;
    QString m_databasePath;
    hostsvc::LoginSession m_login;
};

} // namespace bench
