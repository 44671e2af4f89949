// The host database on a PostgreSQL server, on the large demo data, against libpq alone and
// against the large SQLite file, in the same run: the history statement of a node click for the
// busiest material and for the sample customer.
//   BM_Pg*History      HostDatabase::execute on the server: the translation (cached), Qt's
//                      QPSQL driver, the recordset
//   BM_Libpq*History   the same translated statement with libpq alone, every cell read
//   BM_Sqlite*History  HostDatabase::execute of the same SQL Server text on the SQLite file
//
//   build/bin/zelhost db init --server URI --size large      (once)
//   ZEL_BENCH_PG_URI=URI build/bin/bench_postgres
//
// Targets: Pg / Libpq <= 1.2 (wall time: the work is the server's); Pg / Sqlite for the note.
#include "hostapp/database/DemoData.h"
#include "hostapp/database/HostDatabase.h"
#include "hostapp/database/PostgresDatabase.h"
#include "hostapp/database/SqlServerDialect.h"
#include "support/BenchMain.h"
#include "support/HostSession.h"
#include "support/LargeDatabase.h"
#include "tradequery/history/HistoryStatement.h"

#include <benchmark/benchmark.h>
#include <libpq-fe.h>

#include <memory>
#include <stdexcept>

namespace {

constexpr int kSales = 1;
constexpr int kListed = hostdb::demo::kTradeTimes;

struct Node {
    QString sql;           // SQL Server text, as the component sends it
    QByteArray onServer;   // as the host translates it for PostgreSQL
};

struct Setup {
    QString uri;
    std::unique_ptr<bench::HostSession> session;
    std::shared_ptr<hostdb::HostDatabase> server;
    std::shared_ptr<hostdb::HostDatabase> file;
    PGconn* libpq = nullptr;
    Node material;
    Node customer;
};

Setup& setup()
{
    static Setup s;
    return s;
}

Node nodeOf(const QString& key, int32_t partnerId)
{
    tq::QueryOptions options{0, kListed};
    Node node{tq::GetHistorySQL(kSales, options, key, partnerId, tq::HistoryNormalMode, QString()), {}};
    const hostdb::SqlColumnKinds noKinds;  // the statement's "+" adds two amounts either way
    const hostdb::SqlProgram program = hostdb::SqlServerDialect(noKinds, hostdb::SqlTarget::Postgres).translate(node.sql);
    if (program.steps.size() != 1)
        throw std::runtime_error("the history statement did not translate into one statement");
    node.onServer = program.steps.front().sql.toUtf8();
    return node;
}

PGconn* connectLibpq(const hostdb::PostgresServer& server)
{
    const QByteArray port = QByteArray::number(server.port);
    const QByteArray host = server.host.toUtf8(), db = server.database.toUtf8(), user = server.user.toUtf8(),
                     password = server.password.toUtf8();
    // The host's session settings, so both sides get the same plans.
    const char* keys[] = {"host", "port", "dbname", "user", "password", "options", nullptr};
    const char* values[] = {host.constData(), port.constData(), db.constData(), user.constData(), password.constData(),
                            hostdb::PostgresDatabase::sessionOptions(), nullptr};
    PGconn* conn = PQconnectdbParams(keys, values, 0);
    if (PQstatus(conn) != CONNECTION_OK) {
        const std::string message = PQerrorMessage(conn);
        PQfinish(conn);
        throw std::runtime_error("libpq: " + message);
    }
    return conn;
}

void prepare()
{
    Setup& s = setup();
    s.uri = qEnvironmentVariable("ZEL_BENCH_PG_URI");
    if (s.uri.isEmpty())
        throw std::runtime_error("set ZEL_BENCH_PG_URI to a PostgreSQL database filled by "
                                 "`zelhost db init --server URI --size large`");
    s.session = std::make_unique<bench::HostSession>(s.uri, hostdb::demo::kAdminUserId);
    s.server = hostdb::HostDatabase::open(s.uri);
    s.file = hostdb::HostDatabase::open(bench::largeDatabasePath());
    s.libpq = connectLibpq(s.server->target().server);
    const hostdb::demo::Samples sample = hostdb::demo::samples(hostdb::DemoSize::Large);
    s.material = nodeOf(QString::number(s.session->itemId(hostdb::demo::kClassMaterial, sample.itemNumber)), 0);
    s.customer = nodeOf(QStringLiteral("0"), s.session->itemId(hostdb::demo::kClassCustomer, sample.customerNumber));
}

void runHost(benchmark::State& state, hostdb::HostDatabase& db, const Node& node)
{
    int rows = 0;
    for (auto _ : state)
        rows = db.execute(node.sql)->RecordCount();
    if (rows != kListed)
        state.SkipWithError("the history did not give 50 lines");
}

void runLibpq(benchmark::State& state, const Node& node)
{
    int rows = 0;
    for (auto _ : state) {
        PGresult* result = PQexec(setup().libpq, node.onServer.constData());
        if (PQresultStatus(result) != PGRES_TUPLES_OK) {
            state.SkipWithError(PQresultErrorMessage(result));
            PQclear(result);
            return;
        }
        rows = PQntuples(result);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < PQnfields(result); ++c)
                benchmark::DoNotOptimize(PQgetvalue(result, r, c));
        PQclear(result);
    }
    if (rows != kListed)
        state.SkipWithError("the history did not give 50 lines");
}

void BM_PgMaterialHistory(benchmark::State& state) { runHost(state, *setup().server, setup().material); }
void BM_LibpqMaterialHistory(benchmark::State& state) { runLibpq(state, setup().material); }
void BM_SqliteMaterialHistory(benchmark::State& state) { runHost(state, *setup().file, setup().material); }
void BM_PgCustomerHistory(benchmark::State& state) { runHost(state, *setup().server, setup().customer); }
void BM_LibpqCustomerHistory(benchmark::State& state) { runLibpq(state, setup().customer); }
void BM_SqliteCustomerHistory(benchmark::State& state) { runHost(state, *setup().file, setup().customer); }

BENCHMARK(BM_PgMaterialHistory)->UseRealTime();
BENCHMARK(BM_LibpqMaterialHistory)->UseRealTime();
BENCHMARK(BM_SqliteMaterialHistory)->UseRealTime();
BENCHMARK(BM_PgCustomerHistory)->UseRealTime();
BENCHMARK(BM_LibpqCustomerHistory)->UseRealTime();
BENCHMARK(BM_SqliteCustomerHistory)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchProgram(
        argc, argv,
        {"bench_postgres",
         {{"BM_PgMaterialHistory", "BM_LibpqMaterialHistory"},
          {"BM_PgMaterialHistory", "BM_SqliteMaterialHistory"},
          {"BM_PgCustomerHistory", "BM_LibpqCustomerHistory"},
          {"BM_PgCustomerHistory", "BM_SqliteCustomerHistory"}},
         "ratios (targets: Pg / Libpq <= 1.2 in wall time, the second number)",
         prepare,
         [] {
             Setup& s = setup();
             if (s.libpq)
                 PQfinish(s.libpq);
             s.libpq = nullptr;
             s.server.reset();
             s.file.reset();
             s.session.reset();
         }});
}
