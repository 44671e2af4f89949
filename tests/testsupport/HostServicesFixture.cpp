#include "tests/testsupport/HostServicesFixture.h"

namespace hostsvc::testing {

InstalledServices::InstalledServices(int userId, const QString& database)
{
    session.connectString = database;
    session.userId = userId;
    session.settingsFile = folder.filePath(QStringLiteral("settings.ini"));
    validateLogin(session);
    installHostServices(session);
}

InstalledServices::~InstalledServices()
{
    uninstallHostServices();
    hostdb::HostDatabase::closeAll();
}

void InstalledServices::switchUser(int userId)
{
    session.userId = userId;
    validateLogin(session);
    installHostServices(session);
}

QStringList linesOf(const ado::RecordsetPtr& rows)
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
