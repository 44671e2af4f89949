#include "support/RawLibpq.h"

#include "hostapp/database/HostDatabase.h"
#include "hostapp/database/PostgresDatabase.h"

#include <benchmark/benchmark.h>
#include <libpq-fe.h>

#include <stdexcept>
#include <string>

namespace bench {

pg_conn* hostLibpqHandle(hostdb::HostDatabase& host)
{
    auto* server = dynamic_cast<hostdb::PostgresDatabase*>(&host);
    pg_conn* conn = server ? server->libpqHandle() : nullptr;
    if (!conn)
        throw std::runtime_error("the host database is not on a PostgreSQL server");
    return conn;
}

int runAndReadEveryCell(pg_conn* conn, const QByteArray& sql)
{
    PGresult* result = PQexec(conn, sql.constData());
    const ExecStatusType status = PQresultStatus(result);
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) {
        const std::string message = result ? PQresultErrorMessage(result) : PQerrorMessage(conn);
        PQclear(result);
        throw std::runtime_error("libpq, running " + sql.left(60).toStdString() + ": " + message);
    }
    const int rows = PQntuples(result);
    const int columns = PQnfields(result);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            benchmark::DoNotOptimize(PQgetvalue(result, r, c));
            benchmark::DoNotOptimize(PQgetlength(result, r, c));
        }
    }
    PQclear(result);
    return rows;
}

WireCapture::WireCapture(hostdb::HostDatabase& host) : m_conn(hostLibpqHandle(host)) {}

WireCapture::~WireCapture()
{
    if (m_trace) {
        PQuntrace(m_conn);
        std::fclose(m_trace);
    }
}

void WireCapture::start()
{
    if (m_trace)
        throw std::runtime_error("the wire capture is already running");
    m_trace = std::tmpfile();
    if (!m_trace)
        throw std::runtime_error("no temporary file for the wire capture");
    PQtrace(m_conn, m_trace);
    PQsetTraceFlags(m_conn, PQTRACE_SUPPRESS_TIMESTAMPS);
}

std::vector<QByteArray> WireCapture::finish()
{
    if (!m_trace)
        throw std::runtime_error("the wire capture was not started");
    PQuntrace(m_conn);
    QByteArray trace;
    std::rewind(m_trace);
    char buffer[65536];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, m_trace)) > 0;)
        trace.append(buffer, static_cast<qsizetype>(got));
    std::fclose(m_trace);
    m_trace = nullptr;

    // A message the client sent is a line "F<tab>length<tab>Name<tab>...". A query's text
    // follows raw between quotes and may span lines: its length is the message's less the
    // length word and the closing zero byte.
    std::vector<QByteArray> statements;
    qsizetype at = 0;
    while (at < trace.size()) {
        qsizetype lineEnd = trace.indexOf('\n', at);
        if (lineEnd < 0)
            lineEnd = trace.size();
        const qsizetype lengthEnd = trace.indexOf('\t', at + 2);
        if (trace.mid(at, 2) == "F\t" && lengthEnd > 0 && lengthEnd < lineEnd) {
            qsizetype nameEnd = trace.indexOf('\t', lengthEnd + 1);
            if (nameEnd < 0 || nameEnd > lineEnd)
                nameEnd = lineEnd;
            const QByteArray name = trace.mid(lengthEnd + 1, nameEnd - lengthEnd - 1);
            if (name == "Parse" || name == "Bind" || name == "Execute")
                throw std::runtime_error("the host's driver sent a prepared statement; the libpq baseline runs simple queries");
            if (name == "Query") {
                const qsizetype textStart = nameEnd + 3;  // past <tab><space><quote>
                const qsizetype textLength = trace.mid(at + 2, lengthEnd - at - 2).toLongLong() - 5;
                statements.push_back(trace.mid(textStart, textLength));
                lineEnd = trace.indexOf('\n', textStart + textLength);
                if (lineEnd < 0)
                    lineEnd = trace.size();
            }
        }
        at = lineEnd + 1;
    }
    return statements;
}

} // namespace bench
