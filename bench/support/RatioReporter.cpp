#include "support/RatioReporter.h"

#include <cstdio>

namespace bench {

RatioReporter::RatioReporter(std::vector<RatioPair> pairs, std::string heading)
    : m_pairs(std::move(pairs)),
      m_heading(heading.empty() ? "ratios of CPU times (measured / baseline; below 1 is faster)" : std::move(heading))
{
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred)
            continue;
        const std::string& name = run.run_name.function_name;
        const Times times{run.GetAdjustedCPUTime(), run.GetAdjustedRealTime()};
        if (run.run_type == Run::RT_Iteration)
            m_single[name] = times;
        else if (run.aggregate_name == "median")
            m_median[name] = times;
    }
}

bool RatioReporter::has(const std::string& name) const
{
    return m_single.count(name) || m_median.count(name);
}

double RatioReporter::cpuTime(const std::string& name) const
{
    const auto median = m_median.find(name);
    return median != m_median.end() ? median->second.cpu : m_single.at(name).cpu;
}

double RatioReporter::realTime(const std::string& name) const
{
    const auto median = m_median.find(name);
    return median != m_median.end() ? median->second.real : m_single.at(name).real;
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    bool headed = false;
    for (const RatioPair& pair : m_pairs) {
        if (!has(pair.measured) || !has(pair.baseline) || cpuTime(pair.baseline) <= 0)
            continue;
        if (!headed)
            std::printf("\n%s\n", m_heading.c_str());
        headed = true;
        std::printf("  %-40s / %-40s %7.2f  (real time %.2f)\n", pair.measured.c_str(),
                    pair.baseline.c_str(), cpuTime(pair.measured) / cpuTime(pair.baseline),
                    realTime(pair.measured) / realTime(pair.baseline));
    }
}

int runWithRatios(int argc, char** argv, std::vector<RatioPair> pairs, std::string heading)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter(std::move(pairs), std::move(heading));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
