#pragma once
// Who logs in to which database, from the command line, checked before anything is shown.
#include "hostapp/app/HostCommandLine.h"
#include "hostapp/services/HostServices.h"

namespace zelhost {

// The database the host opens: the demo database when none is named (generated on first use),
// else the named file, which must exist (a text with "=" is taken as a connection string).
// An empty file or one that is no SQLite database is refused with how to replace it.
// Raises com::ComError with a description a person understands.
QString resolveDatabase(const QString& databaseOption);

// The session of the command line: resolveDatabase, the user (the demo administrator when
// none is named), then hostsvc::validateLogin. Raises com::ComError when the database is
// missing or locked or the user is unknown.
hostsvc::LoginSession resolveLogin(const HostOptions& options);

} // namespace zelhost
