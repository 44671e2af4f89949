#pragma once
// The baselines of the server benchmarks: the statements a host connection really sends to
// the server, read off the wire while the host works, and the same statements run with libpq
// alone on that connection's own server session (same settings, same server process, so the
// only difference left is our side: translation, Qt's driver, the recordset).
#include <QByteArray>

#include <cstdio>
#include <vector>

struct pg_conn;

namespace hostdb {
class HostDatabase;
}

namespace bench {

// The libpq connection under the host's connection to a server, valid while the host database
// lives; raises std::runtime_error when the host database is not a PostgreSQL one.
pg_conn* hostLibpqHandle(hostdb::HostDatabase& host);

// Runs one statement and reads every cell of its rows; returns the row count. Raises
// std::runtime_error with the server's message when the statement fails.
int runAndReadEveryCell(pg_conn* conn, const QByteArray& sql);

// Everything the host's connection sends to the server between start() and finish(), as
// libpq writes it out (the simple query protocol the host's driver uses).
class WireCapture {
public:
    explicit WireCapture(hostdb::HostDatabase& host);
    ~WireCapture();
    WireCapture(const WireCapture&) = delete;
    WireCapture& operator=(const WireCapture&) = delete;

    void start();
    // The statements in the order they were sent; raises std::runtime_error when the driver
    // spoke anything but simple queries (prepared statements would need another baseline).
    std::vector<QByteArray> finish();

private:
    pg_conn* m_conn = nullptr;
    std::FILE* m_trace = nullptr;
};

} // namespace bench
