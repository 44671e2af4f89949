#include "tests/testsupport/PrivatePostgresCluster.h"

#include "hostapp/database/HostDatabase.h"
#include "hostapp/database/PostgresDemoData.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace testsupport {

QString PrivatePostgresCluster::unavailableReason()
{
    // Where scripts/pg-cluster looks for the server's programs.
    const QString programs = qEnvironmentVariable("ZEL_PG_BIN", QStringLiteral("/usr/lib/postgresql/15/bin"));
    if (QFileInfo(programs + QStringLiteral("/initdb")).isExecutable())
        return {};
    return programs + QStringLiteral("/initdb is missing: PostgreSQL 15 is not installed (scripts/setup-deps installs it)");
}

PrivatePostgresCluster::PrivatePostgresCluster()
{
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/zelpg-XXXXXX"));
    folder.setAutoRemove(false);  // the script's stop removes it
    m_folder = folder.path();
    const QString uri = run({QStringLiteral("start"), m_folder}).trimmed();
    try {  // nothing may escape: the destructor would not stop the server
        if (!uri.isEmpty()) {
            hostdb::loadDemoDatabaseOnServer(uri);
            m_connection = uri;
        }
    } catch (const std::exception& error) {
        ADD_FAILURE() << "cannot load the demo data: " << error.what();
    }
}

PrivatePostgresCluster::~PrivatePostgresCluster()
{
    // Pooled connections to a server about to go would only report it gone later.
    hostdb::HostDatabase::closeAll();
    run({QStringLiteral("stop"), m_folder});
}

QString PrivatePostgresCluster::run(const QStringList& words)
{
    QProcess script;
    script.start(QStringLiteral(ZEL_SOURCE_DIR "/scripts/pg-cluster"), words);
    if (!script.waitForFinished(120000) || script.exitStatus() != QProcess::NormalExit || script.exitCode() != 0) {
        ADD_FAILURE() << "scripts/pg-cluster " << words.join(u' ').toStdString() << " failed: "
                      << script.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(script.readAllStandardOutput());
}

} // namespace testsupport
