#pragma once
// A PostgreSQL server of one test's own, for tests that stop it under a running program (the
// shared test server must never go away under the tests running beside). Started through
// scripts/pg-cluster with the small demo data loaded; pause() stops the server and keeps its
// data, resume() starts it again on the same socket. The destructor stops it and removes its
// folder, also after a failed test.
#include <QString>
#include <QStringList>

namespace testsupport {

class PrivatePostgresCluster {
public:
    // Why no server can start here (PostgreSQL 15's programs are missing); empty when one can.
    static QString unavailableReason();

    PrivatePostgresCluster();
    ~PrivatePostgresCluster();
    PrivatePostgresCluster(const PrivatePostgresCluster&) = delete;
    PrivatePostgresCluster& operator=(const PrivatePostgresCluster&) = delete;

    // The demo database's connection string, with its password; empty when the start failed.
    const QString& connection() const { return m_connection; }
    void pause() { run({QStringLiteral("pause"), m_folder}); }
    void resume() { run({QStringLiteral("resume"), m_folder}); }

private:
    QString run(const QStringList& words);  // the script's output; fails the test when it fails
    QString m_folder;
    QString m_connection;
};

} // namespace testsupport
