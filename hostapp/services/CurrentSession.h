#pragma once
// The login installHostServices put in place, for the services that act for "the current
// user" without being handed a property string.
#include "hostapp/services/HostServices.h"

#include <memory>

namespace hostdb {
class HostDatabase;
}

namespace hostsvc {

struct InstalledSession {
    LoginSession login;
    QString propsString;
};

void setCurrentSession(const InstalledSession& session);
void clearCurrentSession();

// The installed session; raises ComError (naming `source`) when no one is logged in.
const InstalledSession& currentSession(const QString& source);

// The database of the installed session (pooled).
std::shared_ptr<hostdb::HostDatabase> currentDatabase(const QString& source);

} // namespace hostsvc
