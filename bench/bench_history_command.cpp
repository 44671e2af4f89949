// `zelhost history --format json` for the busiest material of the large demo database against
// the same history statement (the host's SQLite translation of it) run by the sqlite3 shell
// with JSON output. Both are whole processes, started and waited for in each iteration, so
// their times include process start and the ratio is one of real (wall) times.
//
//   build/bin/bench_history_command [--benchmark_repetitions=5]
//
// Target: zelhost / sqlite3 <= 1.5 (real time).
#include "hostapp/database/DemoData.h"
#include "hostapp/database/HostDatabase.h"
#include "support/BenchMain.h"
#include "support/HostSession.h"
#include "support/LargeDatabase.h"
#include "support/RawSqlite.h"
#include "tradequery/history/HistoryStatement.h"
#include "tradequery/host/QueryOptionsStore.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>
#include <stdexcept>

namespace {

struct Setup {
    QString database;
    QString itemNumber;     // the busiest material's code
    QByteArray translated;  // its history statement as SQLite runs it
    QTemporaryDir home;     // zelhost's settings and component registry
};

Setup& setup()
{
    static Setup s;
    return s;
}

void prepare()
{
    Setup& s = setup();
    s.database = bench::largeDatabasePath();
    bench::HostSession session(s.database, hostdb::demo::kAdminUserId);
    const auto db = hostdb::HostDatabase::open(s.database);
    const ado::RecordsetPtr busiest = db->execute(QStringLiteral(
        "select top 1 t.FItemID, t.FNumber from ICSaleEntry e inner join t_Item t on t.FItemID = e.FItemID "
        "group by t.FItemID, t.FNumber order by count(*) desc"));
    if (!busiest || busiest->Eof())
        throw std::runtime_error("the database has no sales lines");
    s.itemNumber = busiest->value(1).toString();
    tq::QueryOptions options;
    tq::ReadQueryOptions(1, options);
    const QString statement = tq::GetHistorySQL(1, options, QString::number(busiest->value(0).toInt()), 0,
                                                tq::HistoryNormalMode, QString());
    s.translated = bench::translatedForSqlite(db->sqliteHandle(), statement).toUtf8();
}

void runProcess(benchmark::State& state, const QString& program, const QStringList& args)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), setup().home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), setup().home.path());
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(program, args);
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            state.SkipWithError(qPrintable(program + QStringLiteral(" failed: ") + QString::fromUtf8(process.readAllStandardError())));
            return;
        }
        benchmark::DoNotOptimize(process.readAllStandardOutput().size());
    }
}

void BM_ZelhostHistoryJson(benchmark::State& state)
{
    runProcess(state, QCoreApplication::applicationDirPath() + QStringLiteral("/zelhost"),
               {"history", "--db", setup().database, "--sales", "--item", setup().itemNumber, "--format", "json"});
}

void BM_Sqlite3ShellJson(benchmark::State& state)
{
    runProcess(state, QStringLiteral("sqlite3"),
               {"-readonly", "-json", setup().database, QString::fromUtf8(setup().translated)});
}

BENCHMARK(BM_ZelhostHistoryJson)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sqlite3ShellJson)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchProgram(argc, argv,
                                  {"bench_history_command",
                                   {{"BM_ZelhostHistoryJson", "BM_Sqlite3ShellJson"}},
                                   "ratios (target: zelhost / sqlite3 <= 1.5 in real time, which counts the processes)",
                                   prepare,
                                   [] { hostdb::HostDatabase::closeAll(); }});
}
