#include "support/HostSession.h"

#include "hostapp/database/HostDatabase.h"
#include "hostapp/services/HostServices.h"

#include <stdexcept>

namespace bench {

HostSession::HostSession(const QString& databasePath, int userId) : m_databasePath(databasePath)
{
    m_login.connectString = databasePath;
    m_login.userId = userId;
    m_login.settingsFile = m_settingsFolder.filePath(QStringLiteral("settings.ini"));
    hostsvc::validateLogin(m_login);
    install();
}

void HostSession::install()
{
    hostsvc::installHostServices(m_login);
}

HostSession::~HostSession()
{
    hostsvc::uninstallHostServices();
    hostdb::HostDatabase::closeAll();
}

int HostSession::itemId(int itemClass, const QString& number) const
{
    const auto rows = hostdb::HostDatabase::open(m_databasePath)
                          ->execute(QStringLiteral("select FItemID from t_Item where FItemClassID=%1 and FNumber='%2'")
                                        .arg(itemClass)
                                        .arg(number));
    if (rows->RecordCount() == 0)
        throw std::runtime_error("no item " + number.toStdString() + " in the database");
    return rows->value(QStringLiteral("FItemID")).toInt();
}

} // namespace bench
