#pragma once
// The host's real services installed for one demo user on a demo database (the shared small
// one unless told otherwise), with the settings file in a temporary folder; everything is
// undone when the object ends. linesOf shows rows as "cell|cell" lines for short expectations.
#include "hostapp/database/DemoData.h"
#include "hostapp/database/HostDatabase.h"
#include "hostapp/services/HostServices.h"
#include "platform/ado/Recordset.h"
#include "tests/testsupport/DemoDatabaseFixture.h"

#include <QStringList>
#include <QTemporaryDir>

namespace hostsvc::testing {

class InstalledServices {
public:
    explicit InstalledServices(int userId = hostdb::demo::kAdminUserId,
                               const QString& database = testsupport::smallDemoDatabase());
    ~InstalledServices();
    InstalledServices(const InstalledServices&) = delete;
    InstalledServices& operator=(const InstalledServices&) = delete;

    // Logs another user in on the same database (installing again replaces the session).
    void switchUser(int userId);
    QString propsString() const { return buildPropsString(session); }

    QTemporaryDir folder;
    LoginSession session;
};

// The rows of a recordset as "cell|cell" lines, null as NULL; its cursor ends past the last
// row. A closed recordset or none gives no lines.
QStringList linesOf(const ado::RecordsetPtr& rows);

} // namespace hostsvc::testing
