#pragma once
// The console table as usual, then each measured benchmark's CPU time divided by its
// baseline's from the same run (the medians when repetitions were asked for), with the target
// it should stay under.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace bench {

struct RatioTarget {
    std::string measured;  // benchmark function names
    std::string baseline;
    double target = 0;     // 0: no target, the ratio is only shown
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(std::vector<RatioTarget> ratios) : m_ratios(std::move(ratios)) {}

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    const double* timeOf(const std::string& name) const;

    std::vector<RatioTarget> m_ratios;
    std::map<std::string, double> m_single;
    std::map<std::string, double> m_median;
};

} // namespace bench
