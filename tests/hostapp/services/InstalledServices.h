#pragma once
// The host services installed for one demo user on a demo database, with the settings file
// in a temporary folder; everything is undone when the object ends.
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
                               const QString& database = testsupport::smallDemoDatabase())
    {
        session.connectString = database;
        session.userId = userId;
        session.settingsFile = folder.filePath(QStringLiteral("settings.ini"));
        validateLogin(session);
        installHostServices(session);
    }
    ~InstalledServices()
    {
        uninstallHostServices();
        hostdb::HostDatabase::closeAll();
    }
    InstalledServices(const InstalledServices&) = delete;
    InstalledServices& operator=(const InstalledServices&) = delete;

    // Logs another user in on the same database (installing again replaces the session).
    void switchUser(int userId)
    {
        session.userId = userId;
        validateLogin(session);
        installHostServices(session);
    }

    QString propsString() const { return buildPropsString(session); }

    QTemporaryDir folder;
    LoginSession session;
};

// The rows of a recordset as "cell|cell" lines, null as NULL; its cursor ends past the last row.
inline QStringList linesOf(const ado::RecordsetPtr& rows)
{
    QStringList lines;
    if (!rows || rows->State() == ado::adStateClosed || rows->RecordCount() == 0)
        return lines;
    for (rows->MoveFirst(); !rows->Eof(); rows->MoveNext()) {
        QStringList cells;
        for (const QVariant& value : rows->currentRecord())
            cells << (value.isValid() ? value.toString() : QStringLiteral("NULL"));
        lines << cells.join(u'|');
    }
    return lines;
}

} // namespace hostsvc::testing
