#include "tests/testsupport/PostgresTestDatabase.h"

#include "hostapp/database/HostDatabase.h"
#include "hostapp/database/PostgresDatabase.h"
#include "hostapp/database/PostgresDemoData.h"

#include <QCoreApplication>
#include <QUrl>

#include <atomic>

namespace testsupport {

namespace {

QString encoded(const QString& part)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(part));
}

QString uriOf(const hostdb::PostgresServer& s)
{
    return QStringLiteral("postgresql://") + encoded(s.user) + u':' + encoded(s.password) + QStringLiteral("@/")
        + encoded(s.database) + QStringLiteral("?host=") + encoded(s.host) + QStringLiteral("&port=")
        + QString::number(s.port);
}

// Runs a statement on the server's own database, outside any test database.
void onServer(const QString& sql)
{
    const QString base = qEnvironmentVariable("ZEL_TEST_PG_URI");
    hostdb::PostgresDatabase::open(hostdb::ConnectionTarget::parse(base))->runScript(sql);
}

} // namespace

bool PostgresTestDatabase::serverAvailable()
{
    return !qEnvironmentVariableIsEmpty("ZEL_TEST_PG_URI");
}

QString PostgresTestDatabase::serverUri(const std::function<void(hostdb::PostgresServer&)>& change)
{
    hostdb::PostgresServer server = hostdb::ConnectionTarget::parse(qEnvironmentVariable("ZEL_TEST_PG_URI")).server;
    change(server);
    return uriOf(server);
}

PostgresTestDatabase::PostgresTestDatabase(Content content)
{
    static std::atomic<int> count{0};
    m_name = QStringLiteral("zeltest_%1_%2").arg(QCoreApplication::applicationPid()).arg(++count);
    m_uri = serverUri([this](hostdb::PostgresServer& server) { server.database = m_name; });
    onServer(QStringLiteral("CREATE DATABASE %1").arg(m_name));
    if (content == Content::SmallDemo)
        hostdb::loadDemoDatabaseOnServer(m_uri);
}

PostgresTestDatabase::~PostgresTestDatabase()
{
    hostdb::HostDatabase::closeAll();
    try {
        onServer(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_name));
    } catch (const std::exception&) {
        ADD_FAILURE() << "cannot drop the test database " << m_name.toStdString();
    }
}

} // namespace testsupport
