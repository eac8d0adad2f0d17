#include "RatioReporter.h"

#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run> &runs)
{
    // Keyed by the function's name, whatever options the run shows; of
    // repeated runs the median counts, as a busy moment tells little.
    for (const Run &run : runs) {
        if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
            m_seconds[run.run_name.function_name] = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
    ConsoleReporter::ReportRuns(runs);
}

void RatioReporter::printRatio(const char *what, const std::string &measured, const std::string &reference, double referenceSeconds)
{
    const auto found = m_seconds.find(measured);
    const auto base = m_seconds.find(reference);
    if (found == m_seconds.end() || (referenceSeconds == 0 && base == m_seconds.end()))
        return;
    const double denominator = referenceSeconds != 0 ? referenceSeconds : base->second;
    std::printf("%-44s %8.3f\n", what, found->second / denominator);
}

void InitializeRepeatedBenchmarks(int argc, char **argv)
{
    std::vector<char *> arguments(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=9";
    char interleaving[] = "--benchmark_enable_random_interleaving=true";
    char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
    arguments.insert(arguments.begin() + 1, {repetitions, interleaving, aggregatesOnly});
    int argumentCount = int(arguments.size());
    benchmark::Initialize(&argumentCount, arguments.data());
}
