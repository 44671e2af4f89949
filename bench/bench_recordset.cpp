// Recordset filter, sort and row access on a 10 000-row history-shaped result, each against a
// plain loop over the same rows in the same run. At the end the program prints the ratios
// (recordset time / baseline time), since only ratios mean anything on a shared machine.
#include "platform/ado/Recordset.h"

#include <QDateTime>
#include <algorithm>
#include "support/RatioReporter.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <numeric>
#include <random>
#include <unistd.h>

namespace {

using ado::FieldType;
using Rows = std::vector<std::vector<QVariant>>;

constexpr int kRows = 10'000;
const QString kFilter = QStringLiteral("FName Like '%螺栓%' AND FQty > 10");
const QString kSort = QStringLiteral("FDate DESC,FQty ASC");

// The columns a history query returns: bill, material, unit, quantities, prices, partner, people.
const std::vector<ado::FieldInfo> kFields = {
    {"FDate", FieldType::Date},         {"FBillNo", FieldType::Text},
    {"FNumber", FieldType::Text},       {"FName", FieldType::Text},
    {"FModel", FieldType::Text},        {"FUnitName", FieldType::Text},
    {"FQty", FieldType::Double},        {"FPrice", FieldType::Double},
    {"FPriceDiscount", FieldType::Double}, {"FDiscountRate", FieldType::Double},
    {"FAmtTotalFor", FieldType::Double}, {"FExchangeRate", FieldType::Double},
    {"FCurrencyName", FieldType::Text}, {"FCustName", FieldType::Text},
    {"FDeptName", FieldType::Text},     {"FEmpName", FieldType::Text},
    {"FBillerName", FieldType::Text},   {"FNote", FieldType::Text},
    {"FQtyDecimal", FieldType::Integer}, {"FPriceDecimal", FieldType::Integer},
    {"FCurrencyID", FieldType::Integer},
};

const Rows& historyRows()
{
    static const Rows rows = [] {
        std::mt19937 random(20080105);
        auto pick = [&](const QStringList& words) { return words[int(random() % words.size())]; };
        const QStringList materials = {"六角螺栓", "螺母", "平垫圈", "弹簧垫圈", "内六角螺栓", "轴承", "齿轮", "皮带"};
        const QStringList sizes = {"M6", "M8", "M10", "M12", "6204", "Z=32", "A-1000"};
        const QStringList people = {"张伟", "王芳", "李娜", "刘洋", "陈静", "杨磊"};
        const QStringList partners = {"华东机械有限公司", "南方五金厂", "北方重工", "东升贸易", "Acme Parts Ltd"};
        Rows result;
        result.reserve(kRows);
        const QDate firstDay(2006, 1, 1);
        for (int i = 0; i < kRows; ++i) {
            const double qty = double(random() % 500) / 2;
            const double price = double(random() % 100000) / 100;
            result.push_back({
                QDateTime(firstDay.addDays(int(random() % 1500)), QTime(0, 0)),
                QString("XOUT%1").arg(100000 + i),
                QString("1.%1.%2").arg(random() % 20, 2, 10, QChar('0')).arg(random() % 999, 3, 10, QChar('0')),
                pick(materials) + ' ' + pick(sizes),
                pick(sizes),
                QString("个"),
                qty, price, price * 0.95, 95.0, qty * price, 1.0,
                QString("人民币"), pick(partners), QString("销售部"), pick(people), pick(people),
                i % 7 ? QVariant() : QVariant(QString("急件")),
                qint64(i % 3), qint64(2), qint64(1),
            });
        }
        return result;
    }();
    return rows;
}

ado::RecordsetPtr historyRecordset()
{
    return ado::Recordset::make(kFields, historyRows());
}

// ---- Filter ----------------------------------------------------------------------------

void BM_FilterRecordset(benchmark::State& state)
{
    auto rs = historyRecordset();
    for (auto _ : state) {
        rs->SetFilter(kFilter);
        benchmark::DoNotOptimize(rs->RecordCount());
    }
    state.counters["matches"] = double(rs->RecordCount());
}

void BM_FilterBaselineLoop(benchmark::State& state)
{
    const Rows& rows = historyRows();
    const int name = 3, qty = 6;
    std::vector<int> matching;
    for (auto _ : state) {
        matching.clear();
        for (int r = 0; r < int(rows.size()); ++r) {
            const std::vector<QVariant>& row = rows[size_t(r)];
            if (row[name].toString().contains(u"螺栓", Qt::CaseInsensitive) && row[qty].toDouble() > 10)
                matching.push_back(r);
        }
        benchmark::DoNotOptimize(matching.data());
    }
    state.counters["matches"] = double(matching.size());
}

// ---- Sort ------------------------------------------------------------------------------

void BM_SortRecordset(benchmark::State& state)
{
    auto rs = historyRecordset();
    for (auto _ : state) {
        rs->SetSort(kSort);
        benchmark::DoNotOptimize(rs->AbsolutePosition());
    }
}

// The obvious hand-written sort: stable_sort of row numbers reading the QVariants.
void BM_SortBaselineStableSort(benchmark::State& state)
{
    const Rows& rows = historyRows();
    const int date = 0, qty = 6;
    std::vector<int> order(rows.size());
    for (auto _ : state) {
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const QDateTime dateA = rows[size_t(a)][date].toDateTime();
            const QDateTime dateB = rows[size_t(b)][date].toDateTime();
            if (dateA != dateB)
                return dateA > dateB;
            return rows[size_t(a)][qty].toDouble() < rows[size_t(b)][qty].toDouble();
        });
        benchmark::DoNotOptimize(order.data());
    }
}

// The best a plain loop can do: keys extracted once into a flat array, then stable_sort.
void BM_SortBaselinePrecomputedKeys(benchmark::State& state)
{
    const Rows& rows = historyRows();
    struct Key {
        qint64 date;
        double qty;
        int row;
    };
    std::vector<Key> keys(rows.size());
    for (auto _ : state) {
        for (size_t r = 0; r < rows.size(); ++r) {
            const QDateTime moment = rows[r][0].toDateTime();
            keys[r] = {moment.date().toJulianDay() * 86'400'000 + moment.time().msecsSinceStartOfDay(),
                       rows[r][6].toDouble(), int(r)};
        }
        std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
            return a.date != b.date ? a.date > b.date : a.qty < b.qty;
        });
        benchmark::DoNotOptimize(keys.data());
    }
}

// ---- Row access: what the ledger does for each painted row ------------------------------

std::vector<long> paintOrder()
{
    std::vector<long> order(4096);
    std::mt19937 random(7);
    for (long& row : order)
        row = long(random() % kRows);
    return order;
}

void BM_ReadRowRecordsetByIndex(benchmark::State& state)
{
    auto rs = historyRecordset();
    rs->SetSort(kSort);  // reads go through the sorted view, as after a title double-click
    const std::vector<long> order = paintOrder();
    const int fieldCount = rs->Fields().Count();
    size_t next = 0;
    for (auto _ : state) {
        rs->Move(order[next++ & 4095], ado::adBookmarkFirst);
        for (int f = 0; f < fieldCount; ++f) {
            QVariant value = rs->value(f);
            benchmark::DoNotOptimize(value);
        }
    }
}

void BM_ReadRowRecordsetByName(benchmark::State& state)
{
    auto rs = historyRecordset();
    rs->SetSort(kSort);
    const std::vector<long> order = paintOrder();
    QStringList names;
    for (const ado::FieldInfo& field : kFields)
        names << field.name;
    size_t next = 0;
    for (auto _ : state) {
        rs->Move(order[next++ & 4095], ado::adBookmarkFirst);
        for (const QString& name : names) {
            QVariant value = rs->Fields()[name].Value();
            benchmark::DoNotOptimize(value);
        }
    }
}

void BM_ReadRowBaselineVector(benchmark::State& state)
{
    const Rows& rows = historyRows();
    std::vector<int> view(rows.size());
    std::iota(view.begin(), view.end(), 0);
    const std::vector<long> order = paintOrder();
    size_t next = 0;
    for (auto _ : state) {
        const std::vector<QVariant>& row = rows[size_t(view[size_t(order[next++ & 4095])])];
        for (const QVariant& field : row) {
            QVariant value = field;
            benchmark::DoNotOptimize(value);
        }
    }
}

BENCHMARK(BM_FilterRecordset)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FilterBaselineLoop)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortRecordset)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortBaselineStableSort)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortBaselinePrecomputedKeys)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadRowRecordsetByIndex);
BENCHMARK(BM_ReadRowRecordsetByName);
BENCHMARK(BM_ReadRowBaselineVector);

} // namespace

int main(int argc, char** argv)
{
    return bench::runWithRatios(argc, argv,
                                {{"BM_FilterRecordset", "BM_FilterBaselineLoop"},
                                 {"BM_SortRecordset", "BM_SortBaselineStableSort"},
                                 {"BM_SortRecordset", "BM_SortBaselinePrecomputedKeys"},
                                 {"BM_ReadRowRecordsetByIndex", "BM_ReadRowBaselineVector"},
                                 {"BM_ReadRowRecordsetByName", "BM_ReadRowBaselineVector"}});
}
