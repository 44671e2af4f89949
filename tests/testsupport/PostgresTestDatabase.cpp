#include "tests/testsupport/PostgresTestDatabase.h"

#include "hostapp/database/HostDatabase.h"
#include "hostapp/database/PostgresDatabase.h"
#include "hostapp/database/PostgresDemoData.h"

#include <QCoreApplication>

#include <atomic>

namespace testsupport {

namespace {

// Runs a statement on the server's own database, outside any test database.
void onServer(const QString& sql)
{
    const QString base = qEnvironmentVariable("ZEL_TEST_PG_URI");
    hostdb::PostgresDatabase::open(hostdb::ConnectionTarget::parse(base))->runScript(sql);
}

} // namespace

QString PostgresTestDatabase::serverConnection(const std::function<void(hostdb::PostgresServer&)>& change)
{
    hostdb::PostgresServer s = hostdb::ConnectionTarget::parse(qEnvironmentVariable("ZEL_TEST_PG_URI")).server;
    change(s);
    return QStringLiteral("Provider=PostgreSQL;Host={%1};Port=%2;Database=%3;User ID=%4;Password={%5}")
        .arg(s.host, QString::number(s.port), s.database, s.user, s.password);
}

PostgresTestDatabase::PostgresTestDatabase(Content content)
{
    static std::atomic<int> count{0};
    m_name = QStringLiteral("zeltest_%1_%2").arg(QCoreApplication::applicationPid()).arg(++count);
    m_connection = serverConnection([this](hostdb::PostgresServer& server) { server.database = m_name; });
    onServer(QStringLiteral("CREATE DATABASE %1").arg(m_name));
    if (content == Content::SmallDemo)
        hostdb::loadDemoDatabaseOnServer(m_connection);
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
