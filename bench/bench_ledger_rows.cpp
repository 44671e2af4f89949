// Answering one painted screen of the history ledger: 40 row requests (BaseDetail::DRowData),
// whose currency scales are looked up through the host's bill data access once per load (the
// statement runs on a SQLite database built here through the host database, HostDatabase, with
// its SQL Server translation and statement cache). BM_PaintScreen_DRowData is a screen painted
// again within one load; BM_PaintFirstScreen_DRowData the first screen after a load, with its
// scale lookups (the load itself, reusing the held records, is not timed). The baseline is the raw query time of the
// 50-row history statement of one material on the same database: the translated statement
// run with sqlite3 directly. Prints each benchmark's time as a ratio to the baseline.
//
//   build/bin/bench_ledger_rows [--benchmark_repetitions=5]
//
// Target: a screen / the raw query <= 0.5. BM_RawScaleLookups and BM_CurrencyScale40 show what
// 40 currency-scale lookups, one per row, would take, raw and through the host call.
#include "hostapp/database/HostDatabase.h"
#include "hostapp/database/SqlColumnKinds.h"
#include "hostapp/database/SqlServerDialect.h"
#include "platform/ado/Recordset.h"
#include "platform/controls/Ledger50.h"
#include "platform/hostapi/AppCnnExt.h"
#include "platform/hostapi/BillDataAccess.h"
#include "platform/hostapi/HostGlobals.h"
#include "platform/hostapi/ProgIds.h"
#include "platform/hostapi/ShareProps.h"
#include "platform/hostapi/StandardValueConvert.h"
#include "platform/hostapi/SystemProfile.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/history/CurrencyScale.h"

#include "support/BenchMain.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QDate>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int screenRows = 40;
constexpr int historyLines = 50;
constexpr int materials = 2000;
constexpr int customers = 300;
constexpr int bills = 30000;
constexpr int linesPerBill = 4;
// The material whose history is listed; every material has about 60 lines.
constexpr int listedMaterial = 1234;

const QString propsString = QStringLiteral("UserID=1;ConnectString={Data Source=bench.db};");

void check(int rc, sqlite3* db, const char* what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(db));
}

void exec(sqlite3* db, const char* sql)
{
    check(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), db, sql);
}

// The host tables the history statement reads, with the indexes it needs.
const char* const schema = R"(
create table t_Item (FItemID integer primary key, FItemClassID integer, FNumber text collate nocase,
                     FName text collate nocase, FRightUserID text);
create table t_ICItem (FItemID integer primary key, FModel text, FQtyDecimal integer, FPriceDecimal integer);
create table t_MeasureUnit (FItemID integer primary key, FName text);
create table t_AuxItem (FItemID integer primary key, FNumber text, FName text);
create table t_Currency (FCurrencyID integer primary key, FName text, FScale integer, FDeleted integer);
create table ICSale (FInterID integer primary key, FBillNo text, FDate date, FCustID integer,
                     FDeptID integer, FEmpID integer, FCurrencyID integer, FExchangeRate real,
                     FTranType integer, FCancellation integer, FBillerID integer);
create table ICSaleEntry (FInterID integer, FIndex integer, FItemID integer, FUnitID integer,
                          FAuxPropID integer, FAuxQty real, FAuxTaxPrice real, FAuxPrice real,
                          FDiscountRate real, FPriceDiscount real, FAmount real, FTaxAmount real,
                          primary key (FInterID, FIndex));
create index ix_ICSaleEntry_Item on ICSaleEntry (FItemID);
create index ix_ICSale_Date on ICSale (FDate);
)";

// A deterministic random number generator, so every run reads the same data.
struct Lcg {
    uint64_t state = 20080105;
    uint32_t next()
    {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<uint32_t>(state >> 33);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<uint32_t>(n)); }
    double unit() { return next() / 4294967296.0; }
};

class Statement {
public:
    Statement(sqlite3* db, const char* sql) : m_db(db)
    {
        check(sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr), db, sql);
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement& bind(int i, int v) { sqlite3_bind_int(m_stmt, i, v); return *this; }
    Statement& bind(int i, double v) { sqlite3_bind_double(m_stmt, i, v); return *this; }
    Statement& bind(int i, const QString& v)
    {
        const QByteArray utf8 = v.toUtf8();
        sqlite3_bind_text(m_stmt, i, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
        return *this;
    }
    void run()
    {
        check(sqlite3_step(m_stmt), m_db, "insert");
        sqlite3_reset(m_stmt);
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

void fill(sqlite3* db)
{
    Lcg random;
    exec(db, "begin");
    {
        Statement item(db, "insert into t_Item values (?, ?, ?, ?, '')");
        Statement icItem(db, "insert into t_ICItem values (?, ?, ?, ?)");
        for (int i = 1; i <= materials; ++i) {
            item.bind(1, i).bind(2, 4).bind(3, QStringLiteral("01.%1").arg(i, 4, 10, QLatin1Char('0')))
                .bind(4, QStringLiteral("物料%1号").arg(i)).run();
            icItem.bind(1, i).bind(2, QStringLiteral("M%1").arg(i % 40)).bind(3, random.below(4))
                .bind(4, 2 + random.below(3)).run();
        }
        for (int i = 1; i <= customers; ++i)
            item.bind(1, 100000 + i).bind(2, 1).bind(3, QStringLiteral("C%1").arg(i))
                .bind(4, QStringLiteral("客户%1有限公司").arg(i)).run();
        for (int i = 1; i <= 10; ++i)
            item.bind(1, 200000 + i).bind(2, 2).bind(3, QStringLiteral("D%1").arg(i))
                .bind(4, QStringLiteral("销售%1部").arg(i)).run();
        for (int i = 1; i <= 30; ++i)
            item.bind(1, 300000 + i).bind(2, 3).bind(3, QStringLiteral("E%1").arg(i))
                .bind(4, QStringLiteral("业务员%1").arg(i)).run();
        exec(db, "insert into t_MeasureUnit values (1, '个'), (2, '箱'), (3, '千克')");
        exec(db, "insert into t_AuxItem values (0, '', ''), (1, 'A01', '红色'), (2, 'A02', '蓝色')");
        exec(db, "insert into t_Currency values (1, '人民币', 2, 0), (2, '美元', 2, 0), (3, '日元', 0, 0),"
                 " (4, '欧元', 2, 0), (5, '港币', 3, 0)");

        Statement bill(db, "insert into ICSale values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1)");
        Statement line(db, "insert into ICSaleEntry values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        const QDate first(2006, 1, 1);
        for (int b = 1; b <= bills; ++b) {
            const int currency = 1 + random.below(5);
            const double rate = currency == 1 ? 1.0 : 0.05 + random.unit() * 9;
            bill.bind(1, b).bind(2, QStringLiteral("XS%1").arg(b, 6, 10, QLatin1Char('0')))
                .bind(3, first.addDays(b / 30).toString(Qt::ISODate)).bind(4, 100001 + random.below(customers))
                .bind(5, 200001 + random.below(10)).bind(6, 300001 + random.below(30)).bind(7, currency)
                .bind(8, rate).bind(9, 80).bind(10, random.below(50) == 0 ? 1 : 0).run();
            for (int l = 1; l <= linesPerBill; ++l) {
                const double qty = 1 + random.below(2000);
                const double price = 0.5 + random.unit() * 5000;
                const double amount = qty * price / 1.17;
                line.bind(1, b).bind(2, l).bind(3, 1 + random.below(materials)).bind(4, 1 + random.below(3))
                    .bind(5, random.below(3)).bind(6, qty).bind(7, price).bind(8, price / 1.17)
                    .bind(9, random.below(4) * 5.0).bind(10, price * 0.95).bind(11, amount)
                    .bind(12, amount * 0.17).run();
            }
        }
    }
    exec(db, "commit");
    exec(db, "analyze");
}

// The history statement of one material, as the component sends it.
QString historySql(int itemId)
{
    return QStringLiteral(
               "select top %2 t1.FNumber,t1.FName,c1.FModel,t3.FNumber as FAuxPropNumber,t3.FName as FAuxPropName,\r\n"
               "    t2.FName as FUnit,tm1.FName as FCompany,isnull(tm2.FName,'') as FDept ,isnull(tm3.FName,'') as FEmp ,u1.FCurrencyID,tm4.FName as FCurrencyName,\r\n"
               "    u1.FBillNo , u1.FDate, u1.FExchangeRate, round(u2.FAuxQty,c1.FQtyDecimal) as FQty,\r\n"
               "    case when u1.FTranType=80 then round(u2.FAuxTaxPrice,c1.FPriceDecimal) else round(u2.FAuxPrice,c1.FPriceDecimal) end as FPrice,\r\n"
               "    round(u2.FDiscountRate,2) as FDiscountRate, round(u2.FPriceDiscount,c1.FPriceDecimal) as FPriceDiscount , \r\n"
               "    case when u1.FTranType=80 then u2.FAmount + u2.FTaxAmount else u2.FAmount end as  FAmtTotalFor,\r\n"
               "    c1.FPriceDecimal as FPriceDecimal,c1.FQtyDecimal as FQtyDecimal\r\n"
               "    from ICSale u1 inner join ICSaleEntry u2 on u1.FInterID = u2.FInterID\r\n"
               "    inner join t_ICItem c1 on (u2.FItemID = c1.FItemID )\r\n"
               "    inner join t_Item t1 on (t1.FItemClassID = 4 and u2.FItemID=t1.FItemID)\r\n"
               "    inner join t_MeasureUnit t2 on u2.FUnitID=t2.FItemID\r\n"
               "    inner join t_AuxItem t3 on u2.FAuxPropID=t3.FItemID\r\n"
               "    inner join t_Item tm1 on (tm1.FItemClassID = 1 and u1.FCustID = tm1.FItemID)\r\n"
               "    left join t_Item tm2 on (tm2.FItemClassID = 2 and u1.FDeptID = tm2.FItemID)\r\n"
               "    left join t_Item tm3 on (tm3.FItemClassID = 3 and u1.FEmpID = tm3.FItemID)\r\n"
               "    inner join t_Currency tm4 on (tm4.FCurrencyID = u1.FCurrencyID)\r\n"
               "Where 1=1 AND u1.FCancellation=0  AND t1.FItemID=%1"
               " order by u1.FDate desc,u2.FInterID desc,u2.FIndex desc \r\n")
        .arg(itemId)
        .arg(historyLines);
}

// The bench database: a SQLite file filled with sqlite3, then opened as the host opens it.
class BenchDatabase {
public:
    BenchDatabase() : m_path(m_dir.path() + QStringLiteral("/bench.db"))
    {
        sqlite3* db = nullptr;
        check(sqlite3_open(m_path.toUtf8().constData(), &db), db, "open");
        exec(db, schema);
        fill(db);
        m_translatedHistory = translate(db, historySql(listedMaterial));
        sqlite3_close(db);
        m_host = hostdb::HostDatabase::open(m_path);
    }
    ~BenchDatabase() { hostdb::HostDatabase::closeAll(); }

    hostdb::HostDatabase& host() const { return *m_host; }
    // The history statement as SQLite runs it.
    const QString& translatedHistory() const { return m_translatedHistory; }

private:
    // The host's translation, with the column kinds read from the schema as the host reads them.
    static QString translate(sqlite3* db, const QString& sql)
    {
        hostdb::SqlColumnKinds kinds;
        sqlite3_stmt* stmt = nullptr;
        check(sqlite3_prepare_v2(db, "select p.name, p.type from sqlite_master m, pragma_table_info(m.name) p"
                                     " where m.type = 'table'", -1, &stmt, nullptr), db, "columns");
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const QString name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
            const QString type = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)));
            kinds.add(name, hostdb::SqlColumnKinds::kindOfDeclaredType(type));
        }
        sqlite3_finalize(stmt);
        const hostdb::SqlProgram program = hostdb::SqlServerDialect(kinds).translate(sql);
        if (program.steps.size() != 1)
            throw std::runtime_error("the history statement should translate to one statement");
        return program.steps.front().sql;
    }

    QTemporaryDir m_dir;
    QString m_path;
    QString m_translatedHistory;
    std::shared_ptr<hostdb::HostDatabase> m_host;
};

BenchDatabase& database()
{
    static BenchDatabase db;
    return db;
}

// The host services the history ledger calls, over the bench database.
class BenchShareProps : public hostapi::ShareProps {
public:
    QVariant GetProperty(int32_t&, const QString& name) override
    {
        return name == QLatin1String("PropsString") ? QVariant(propsString) : QVariant();
    }
};

class BenchSystemProfile : public hostapi::SystemProfile {
public:
    QVariant GetProfile(const QString&, const QString&, const QString&) override { return 2; }
};

class BenchConnection : public hostapi::AppCnnExt {
public:
    ado::RecordsetPtr Execute(const QString&, const QString& sql) override { return database().host().execute(sql); }
};

class BenchBillDataAccess : public hostapi::BillDataAccess {
public:
    ado::RecordsetPtr ExecuteSql(const QString&, const QString& sql) override { return database().host().execute(sql); }
};

void installHost()
{
    auto& factory = com::ObjectFactory::instance();
    factory.registerClass(QString::fromLatin1(hostapi::progid::ShareProps),
                          [] { return std::make_shared<BenchShareProps>(); });
    factory.registerClass(QString::fromLatin1(hostapi::progid::SystemProfile),
                          [] { return std::make_shared<BenchSystemProfile>(); });
    factory.registerClass(QString::fromLatin1(hostapi::progid::AppCnnExt),
                          [] { return std::make_shared<BenchConnection>(); });
    factory.registerClass(QString::fromLatin1(hostapi::progid::BillDataAccess),
                          [] { return std::make_shared<BenchBillDataAccess>(); });
    hostapi::globals().setValueConvert(std::make_shared<hostapi::StandardValueConvert>());
}

// Baseline: the translated history statement of one material straight through sqlite3 on
// the host's own connection, every column of every row read.
void BM_Baseline_RawHistoryQuery(benchmark::State& state)
{
    sqlite3* db = database().host().sqliteHandle();
    const QByteArray sql = database().translatedHistory().toUtf8();
    int rows = 0;
    for (auto _ : state) {
        sqlite3_stmt* stmt = nullptr;
        check(sqlite3_prepare_v2(db, sql.constData(), sql.size(), &stmt, nullptr), db, "history");
        rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                if (sqlite3_column_type(stmt, c) == SQLITE_TEXT)
                    benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
                else
                    benchmark::DoNotOptimize(sqlite3_column_double(stmt, c));
            }
            ++rows;
        }
        sqlite3_finalize(stmt);
    }
    if (rows != historyLines)
        state.SkipWithError("the history statement did not give 50 rows");
    state.counters["rows"] = rows;
}
BENCHMARK(BM_Baseline_RawHistoryQuery);

// The scale lookups of one screen alone, straight through sqlite3 (prepared once).
void BM_RawScaleLookups(benchmark::State& state)
{
    sqlite3* db = database().host().sqliteHandle();
    sqlite3_stmt* stmt = nullptr;
    check(sqlite3_prepare_v2(db, "SELECT FScale FROM t_Currency t1 WHERE t1.FDeleted=0  and t1.FCurrencyID= ?",
                             -1, &stmt, nullptr), db, "scale");
    for (auto _ : state) {
        for (int row = 0; row < screenRows; ++row) {
            sqlite3_bind_int(stmt, 1, 1 + row % 5);
            if (sqlite3_step(stmt) == SQLITE_ROW)
                benchmark::DoNotOptimize(sqlite3_column_int(stmt, 0));
            sqlite3_reset(stmt);
        }
    }
    sqlite3_finalize(stmt);
}
BENCHMARK(BM_RawScaleLookups);

struct LoadedLedger {
    controls::Ledger50 grid;
    tq::BaseDetail detail;

    LoadedLedger()
    {
        detail.setLdg(&grid);
        detail.GetTitleInfo(1);
        if (!detail.TakeJournalData(historySql(listedMaterial)))
            throw std::runtime_error("the history did not load");
        if (detail.recordset()->RecordCount() < screenRows)
            throw std::runtime_error("the history is shorter than a screen");
    }
};

// The 40 data rows of one screen, as the grid asks them.
void paintScreen(tq::BaseDetail& detail)
{
    for (long row = 2; row < 2 + screenRows; ++row) {
        long color = 0;
        QString text = detail.DRowData(row, color);
        benchmark::DoNotOptimize(text);
    }
}

// One screen: the 40 data rows the grid paints, as the grid asks them.
void BM_PaintScreen_DRowData(benchmark::State& state)
{
    LoadedLedger ledger;
    for (auto _ : state)
        paintScreen(ledger.detail);
    state.SetItemsProcessed(state.iterations() * screenRows);
}
BENCHMARK(BM_PaintScreen_DRowData);

// The first screen after each load: its rows and the lookups of the scales they show.
void BM_PaintFirstScreen_DRowData(benchmark::State& state)
{
    LoadedLedger ledger;
    const QString sql = historySql(listedMaterial);
    for (auto _ : state) {
        state.PauseTiming();
        ledger.detail.ReuseHeldRecordsOnce();
        ledger.detail.TakeJournalData(sql);
        state.ResumeTiming();
        paintScreen(ledger.detail);
    }
    state.SetItemsProcessed(state.iterations() * screenRows);
}
BENCHMARK(BM_PaintFirstScreen_DRowData);

// The currency-scale lookup of one screen through the host call alone.
void BM_CurrencyScale40(benchmark::State& state)
{
    for (auto _ : state) {
        for (int row = 0; row < screenRows; ++row)
            benchmark::DoNotOptimize(tq::CurrencyScale(1 + row % 5));
    }
}
BENCHMARK(BM_CurrencyScale40);

} // namespace

int main(int argc, char** argv)
{
    const std::string baseline = "BM_Baseline_RawHistoryQuery";
    return bench::runBenchProgram(argc, argv,
                                  {"bench_ledger_rows",
                                   {{"BM_PaintScreen_DRowData", baseline},
                                    {"BM_PaintFirstScreen_DRowData", baseline},
                                    {"BM_CurrencyScale40", baseline},
                                    {"BM_RawScaleLookups", baseline}},
                                   "ratios of CPU times to the raw history statement",
                                   [] {
                                       installHost();
                                       database();  // built before any timing
                                   },
                                   {}});
}
