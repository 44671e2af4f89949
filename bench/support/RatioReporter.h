#pragma once
// Google Benchmark's usual table, followed by each measured benchmark's CPU time divided by its
// baseline's from the same run. Only ratios mean anything on these shared machines; CPU time,
// because wall time counts other programs' turns. With --benchmark_repetitions the median is used.
#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace bench {

struct RatioPair {
    std::string measured;
    std::string baseline;
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(std::vector<RatioPair> pairs, std::string heading = {});

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    bool has(const std::string& name) const;
    double cpuTime(const std::string& name) const;
    double realTime(const std::string& name) const;

    struct Times {
        double cpu = 0, real = 0;
    };
    std::vector<RatioPair> m_pairs;
    std::string m_heading;
    std::map<std::string, Times> m_single;
    std::map<std::string, Times> m_median;
};

// Initializes Google Benchmark from the command line, runs what it selects with a
// RatioReporter over the pairs, and returns the process exit code.
int runWithRatios(int argc, char** argv, std::vector<RatioPair> pairs, std::string heading = {});

} // namespace bench
