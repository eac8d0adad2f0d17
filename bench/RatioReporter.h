#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <vector>

// Shows the results as usual and keeps each benchmark's processor time per
// iteration, so the ratios to the references can be printed at the end;
// processor time, as the machine may be shared with other work.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override;

    // measured / reference, or measured / referenceSeconds when that is given.
    void printRatio(const char *what, const std::string &measured, const std::string &reference, double referenceSeconds = 0);

private:
    std::map<std::string, double> m_seconds;
};

// Unless the command line says otherwise, every benchmark runs nine times,
// the runs of all of them shuffled together, so that a change in the
// machine's load falls on a step and its reference alike.
void InitializeRepeatedBenchmarks(int argc, char **argv);
