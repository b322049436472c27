#pragma once

// What every benchmark program prints after its table: each figure beside
// its baseline, the ratio, and the target it is held to, with the machine's
// load average at the time (figures taken on a busy machine are noisy; ratios
// measured in the same run are the stable part).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>

namespace BenchReport {

// The three load averages, as uptime prints them.
inline std::string LoadAverage()
{
    double a = 0, b = 0, c = 0;
    if (FILE* f = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(f, "%lf %lf %lf", &a, &b, &c) != 3)
            a = b = c = 0;
        std::fclose(f);
    }
    char text[64];
    std::snprintf(text, sizeof text, "load average %.2f, %.2f, %.2f", a, b, c);
    return text;
}

// The console table as usual, and every run kept by name (aggregates as
// "name_median" and so on) with its times in seconds per iteration.
class Reporter : public benchmark::ConsoleReporter
{
public:
    struct Figures
    {
        double real = 0; // seconds
        double cpu = 0;  // seconds (process CPU where the benchmark asks for it)
        std::map<std::string, double> counters;
    };
    std::map<std::string, Figures> runs;

    Reporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& reports) override
    {
        ConsoleReporter::ReportRuns(reports);
        for (const Run& run : reports) {
            if (run.error_occurred)
                continue;
            Figures f;
            const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
            f.real = run.GetAdjustedRealTime() / unit;
            f.cpu = run.GetAdjustedCPUTime() / unit;
            for (const auto& [name, counter] : run.counters)
                f.counters[name] = counter.value;
            runs[run.benchmark_name()] = f;
        }
    }

    const Figures* Find(const std::string& name) const
    {
        const auto it = runs.find(name);
        return it == runs.end() ? nullptr : &it->second;
    }
};

// Runs the benchmarks the command line selects, reporting to `reporter`;
// false on arguments it does not know (the program then ends with 1).
inline bool RunAll(int* argc, char** argv, benchmark::BenchmarkReporter* reporter)
{
    benchmark::Initialize(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(*argc, argv))
        return false;
    benchmark::RunSpecifiedBenchmarks(reporter);
    benchmark::Shutdown();
    return true;
}

// One line: what was measured, against what, the ratio and its target.
// lowerIsBetter: the ratio must stay at or below the target, else at or above.
inline void Ratio(const char* what, double figure, double baseline, double target, bool lowerIsBetter = true)
{
    if (baseline <= 0) {
        std::printf("%-46s no baseline\n", what);
        return;
    }
    const double ratio = figure / baseline;
    const bool met = lowerIsBetter ? ratio <= target : ratio >= target;
    std::printf("%-46s %8.3f / %8.3f = %5.2f  (target %s %.2f)  %s\n", what, figure, baseline, ratio,
                lowerIsBetter ? "<=" : ">=", target, met ? "met" : "NOT MET");
}

inline void Value(const char* what, double value, const char* unit, double target, bool lowerIsBetter = true)
{
    const bool met = lowerIsBetter ? value <= target : value >= target;
    std::printf("%-46s %8.2f %s  (target %s %.0f %s)  %s\n", what, value, unit,
                lowerIsBetter ? "<=" : ">=", target, unit, met ? "met" : "NOT MET");
}

} // namespace BenchReport
