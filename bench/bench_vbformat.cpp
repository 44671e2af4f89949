// Formatting one painted screen of ledger cells with vb::Format, against QString::number with
// the same decimals as the baseline. Prints each variant's time as a ratio to the baseline.
//
//   build/bin/bench_vbformat [--benchmark_repetitions=5]
#include "platform/vb/Conversion.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"

#include "support/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <QString>
#include <QVariant>

#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

namespace {

constexpr int screenRows = 40;
constexpr int numericColumns = 7;

// Quantity, price, discount rate, actual price, amount and two more prices, as the ledger
// formats them.
const int columnDecimals[numericColumns] = {3, 2, 2, 4, 2, 2, 2};
const char* const columnPatterns[numericColumns] = {
    "###0.000", "##,#0.00", "##,#0.00", "##,#0.0000", "##,#0.00", "##,#0.00", "##,#0.00"};
// Typical magnitudes per column.
const double columnScale[numericColumns] = {1e3, 1e4, 1e2, 1e4, 1e7, 1e3, 1e5};

struct Screen {
    std::vector<double> values;     // row by row
    std::vector<double> computed;   // the same with tax added: binary noise in the last digits
    std::vector<QVariant> texts;    // the values' texts, trimmed, as the ledger hands them over
    QString patterns[numericColumns];
};

const Screen& screen()
{
    static const Screen fixture = [] {
        Screen s;
        uint64_t state = 20080105;
        for (int row = 0; row < screenRows; ++row) {
            for (int column = 0; column < numericColumns; ++column) {
                state = state * 6364136223846793005ULL + 1442695040888963407ULL;
                const double unit = static_cast<double>(state >> 11) / static_cast<double>(1ULL << 53);
                // Stored with a few decimals, as money and quantities are; some returns are negative.
                double value = std::round(unit * columnScale[column] * 1e4) / 1e4;
                if ((state & 15) == 0)
                    value = -value;
                s.values.push_back(value);
                s.computed.push_back(value * 1.13);
                s.texts.emplace_back(vb::Trim(vb::toText(value)));
            }
        }
        for (int column = 0; column < numericColumns; ++column)
            s.patterns[column] = QString::fromLatin1(columnPatterns[column]);
        return s;
    }();
    return fixture;
}

void baseline(benchmark::State& state, const std::vector<double>& values)
{
    for (auto _ : state) {
        for (int i = 0; i < screenRows * numericColumns; ++i) {
            QString cell = QString::number(values[i], 'f', columnDecimals[i % numericColumns]);
            benchmark::DoNotOptimize(cell);
        }
    }
    state.SetItemsProcessed(state.iterations() * screenRows * numericColumns);
}

void BM_Baseline_QStringNumber(benchmark::State& state) { baseline(state, screen().values); }
BENCHMARK(BM_Baseline_QStringNumber);

void BM_Baseline_QStringNumber_Computed(benchmark::State& state) { baseline(state, screen().computed); }
BENCHMARK(BM_Baseline_QStringNumber_Computed);

void BM_Format_Double(benchmark::State& state)
{
    const Screen& s = screen();
    for (auto _ : state) {
        for (int i = 0; i < screenRows * numericColumns; ++i) {
            QString cell = vb::Format(s.values[i], s.patterns[i % numericColumns]);
            benchmark::DoNotOptimize(cell);
        }
    }
    state.SetItemsProcessed(state.iterations() * screenRows * numericColumns);
}
BENCHMARK(BM_Format_Double);

// Amounts computed in the program rather than stored carry 17 significant digits.
void BM_Format_Double_Computed(benchmark::State& state)
{
    const Screen& s = screen();
    for (auto _ : state) {
        for (int i = 0; i < screenRows * numericColumns; ++i) {
            QString cell = vb::Format(s.computed[i], s.patterns[i % numericColumns]);
            benchmark::DoNotOptimize(cell);
        }
    }
    state.SetItemsProcessed(state.iterations() * screenRows * numericColumns);
}
BENCHMARK(BM_Format_Double_Computed);

// What a row request does: the field's text goes through Format$ as a numeric text.
void BM_Format_NumericText(benchmark::State& state)
{
    const Screen& s = screen();
    for (auto _ : state) {
        for (int i = 0; i < screenRows * numericColumns; ++i) {
            QString cell = vb::Format(s.texts[i], s.patterns[i % numericColumns]);
            benchmark::DoNotOptimize(cell);
        }
    }
    state.SetItemsProcessed(state.iterations() * screenRows * numericColumns);
}
BENCHMARK(BM_Format_NumericText);

// The whole cell path of a row request: value → text → trim → Format$.
void BM_Format_ValueTextTrimFormat(benchmark::State& state)
{
    const Screen& s = screen();
    for (auto _ : state) {
        for (int i = 0; i < screenRows * numericColumns; ++i) {
            QString cell = vb::Format(QVariant(vb::Trim(vb::toText(s.values[i]))),
                                      s.patterns[i % numericColumns]);
            benchmark::DoNotOptimize(cell);
        }
    }
    state.SetItemsProcessed(state.iterations() * screenRows * numericColumns);
}
BENCHMARK(BM_Format_ValueTextTrimFormat);

} // namespace

int main(int argc, char** argv)
{
    const std::string plain = "BM_Baseline_QStringNumber", computed = "BM_Baseline_QStringNumber_Computed";
    return bench::runWithRatios(argc, argv,
                                {{"BM_Format_Double", plain},
                                 {"BM_Format_NumericText", plain},
                                 {"BM_Format_ValueTextTrimFormat", plain},
                                 {"BM_Format_Double_Computed", computed}},
                                "ratios of CPU times to QString::number on the same values");
}
