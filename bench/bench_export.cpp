// Exporting a large ledger to .xlsx through the host exporter: 50 000 rows of 18 columns, each
// row handed over in LoadData as the ledger hands it (formatted texts), numbers and dates
// written as typed cells, the file written beside the target and moved onto it.
//
// Baseline, in the same run: libxlsxwriter writing the same texts directly as text cells to a
// workbook of one sheet. The ratio is exporter / baseline (goal: at most 1.3).
//
//   build/bin/bench_export [--benchmark_repetitions=5]
#include "platform/exporter/HostExporter.h"
#include "platform/exporter/SavePathChooser.h"
#include "platform/win/MsgBox.h"
#include "support/BenchMain.h"

#include <benchmark/benchmark.h>
#include <xlsxwriter.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int rowCount = 50000;

const QStringList titles = {"日期",   "单据号",   "客户",   "物料代码", "物料名称", "规格型号",
                            "单位",   "数量",     "含税单价", "折扣率", "实际含税单价", "币别",
                            "汇率",   "价税合计", "部门",   "业务员",   "制单人",   "备注"};

// Ledger rows as the grid shows them, varied the way real lines vary.
const QList<QStringList>& ledgerRows()
{
    static const QList<QStringList> rows = [] {
        const QStringList customers = {"华东五金机电有限公司", "北方重工集团", "南方紧固件贸易行", "西部建材供应站"};
        const QStringList materials = {"六角螺栓 M8×30", "平垫圈 Φ10", "弹簧垫圈 12", "内六角螺钉 M6×20"};
        const QStringList people = {"张伟", "王芳", "李娜", "刘洋"};
        QList<QStringList> table;
        uint64_t state = 20240305;
        auto next = [&state](uint64_t bound) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            return (state >> 33) % bound;
        };
        for (int row = 0; row < rowCount; ++row) {
            const double quantity = double(next(500000)) / 100;
            const double price = double(next(100000)) / 100;
            const QDate day = QDate(2020, 1, 1).addDays(qint64(next(1800)));
            table.append({day.toString(QStringLiteral("yyyy-MM-dd")),
                          QStringLiteral("XSD%1").arg(next(1000000), 6, 10, QLatin1Char('0')),
                          customers[next(4)] + QString::number(next(100)),
                          QStringLiteral("01.%1.%2").arg(next(100), 2, 10, QLatin1Char('0')).arg(next(10000), 4, 10, QLatin1Char('0')),
                          materials[next(4)],
                          QStringLiteral("GB/T 5782-2016"),
                          QStringLiteral("个"),
                          QLocale::c().toString(quantity, 'f', 3),
                          QString::number(price, 'f', 2),
                          QStringLiteral("5.00"),
                          QString::number(price * 0.95, 'f', 2),
                          QStringLiteral("人民币"),
                          QStringLiteral("1.0000"),
                          QLocale::c().toString(quantity * price * 0.95, 'f', 2),
                          QStringLiteral("销售一部"),
                          people[next(4)],
                          people[next(4)],
                          next(5) == 0 ? QStringLiteral("加急") : QString()});
        }
        return table;
    }();
    return rows;
}

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

void BM_Baseline_LibxlsxwriterTexts(benchmark::State& state)
{
    const QList<QStringList>& rows = ledgerRows();
    const QByteArray path = folder().filePath(QStringLiteral("baseline.xlsx")).toUtf8();
    for (auto _ : state) {
        lxw_workbook* workbook = workbook_new(path.constData());
        lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
        for (int column = 0; column < titles.size(); ++column)
            worksheet_write_string(sheet, 1, lxw_col_t(column), titles[column].toUtf8().constData(), nullptr);
        for (int row = 0; row < rows.size(); ++row)
            for (int column = 0; column < titles.size(); ++column)
                if (!rows[row][column].isEmpty())
                    worksheet_write_string(sheet, lxw_row_t(row + 2), lxw_col_t(column),
                                           rows[row][column].toUtf8().constData(), nullptr);
        if (workbook_close(workbook) != LXW_NO_ERROR)
            state.SkipWithError("the baseline workbook could not be written");
    }
    state.SetItemsProcessed(state.iterations() * rowCount);
}
BENCHMARK(BM_Baseline_LibxlsxwriterTexts)->Unit(benchmark::kMillisecond);

void BM_Exporter_Xlsx(benchmark::State& state)
{
    const QList<QStringList>& rows = ledgerRows();
    qputenv(exporter::exportPathVariable, folder().filePath(QStringLiteral("价格.xlsx")).toUtf8());
    for (auto _ : state) {
        exporter::HostExporter exporter;
        exporter.ExportColumns(int16_t(titles.size()));
        for (int16_t k = 1; k <= titles.size(); ++k) {
            exporter.ExportColumnTitle(k, titles[k - 1]);
            exporter.ExportColumnOption(k, 255);
        }
        exporter.ExportRows(rowCount);
        QObject::connect(&exporter, &hostapi::ExpImp80::LoadData, [&rows](int32_t n, hostapi::ExportColData& data) {
            const QStringList& row = rows[n - 1];
            for (int16_t k = 1; k <= data.Count(); ++k)
                data.setItem(k, row[k - 1]);
        });
        if (!exporter.ExportRun(QStringLiteral("客户历史销售价格查询结果")))
            state.SkipWithError("the export failed");
    }
    state.SetItemsProcessed(state.iterations() * rowCount);
}
BENCHMARK(BM_Exporter_Xlsx)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchProgram(
        argc, argv,
        {"bench_export", {{"BM_Exporter_Xlsx", "BM_Baseline_LibxlsxwriterTexts"}},
         "ratio of CPU times: exporter / libxlsxwriter writing the same texts", [] { ledgerRows(); }, {}});
}
