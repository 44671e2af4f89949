#include "support/RatioReporter.h"

#include <cstdio>

namespace bench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        const std::string& name = run.run_name.function_name;
        if (run.run_type == Run::RT_Iteration)
            m_single[name] = run.GetAdjustedCPUTime();
        else if (run.aggregate_name == "median")
            m_median[name] = run.GetAdjustedCPUTime();
    }
}

const double* RatioReporter::timeOf(const std::string& name) const
{
    const auto median = m_median.find(name);
    if (median != m_median.end())
        return &median->second;
    const auto single = m_single.find(name);
    return single != m_single.end() ? &single->second : nullptr;
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    bool header = false;
    for (const RatioTarget& ratio : m_ratios) {
        const double* measured = timeOf(ratio.measured);
        const double* baseline = timeOf(ratio.baseline);
        if (!measured || !baseline || *baseline <= 0)
            continue;
        if (!header) {
            std::printf("\nratios (CPU time, %s):\n", m_median.empty() ? "single runs" : "medians");
            header = true;
        }
        const double value = *measured / *baseline;
        std::printf("  %-34s / %-30s %6.3f", ratio.measured.c_str(), ratio.baseline.c_str(), value);
        if (ratio.target > 0)
            std::printf("   target <= %.2f  %s", ratio.target, value <= ratio.target ? "met" : "MISSED");
        std::printf("\n");
    }
}

} // namespace bench
