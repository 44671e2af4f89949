#pragma once
// The one main() of the benchmark programs that need Qt: the offscreen platform (unless one is
// chosen), a QApplication, message boxes printed instead of waited for, the program's own
// preparation before any timing, Google Benchmark with the ratio table, and the clean-up while
// Qt is still up. A preparation that raises ends the program with exit code 1 and its reason.
#include "support/RatioReporter.h"

#include <functional>
#include <string>
#include <vector>

namespace bench {

struct BenchProgram {
    std::string name;                 // for error lines: "bench_tree: ..."
    std::vector<RatioPair> ratios;
    std::string heading;
    std::function<void()> prepare;    // before the benchmarks; may be empty
    std::function<void()> cleanUp;    // after them, also after a failed preparation; may be empty
};

int runBenchProgram(int argc, char** argv, const BenchProgram& program);

} // namespace bench
