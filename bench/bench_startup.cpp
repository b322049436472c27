#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

// The fixed cost of a headless command: whole processes, from spawn to exit,
// of `tallyvane list` on an empty data folder against a QtCore program that
// does nothing but print a line. Each run reports its wall time and, as
// cpu_ms, the CPU time the child process used.

namespace {

QTemporaryDir& EmptyWorkDir()
{
    static QTemporaryDir dir;
    return dir;
}

// Runs argv to its end with its output thrown away; the child's CPU seconds,
// or a negative value when it could not run or failed.
double RunOnce(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_Process(benchmark::State& state, const std::vector<std::string>& args)
{
    double cpu = 0;
    for (auto _ : state) {
        const double used = RunOnce(args);
        if (used < 0) {
            state.SkipWithError("the program did not run to a clean exit");
            return;
        }
        cpu += used;
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
}

// Keeps each benchmark's wall and CPU time per run for the ratios.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, std::pair<double, double>> times; // name -> (wall ms, cpu ms)

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Iteration)
                continue;
            const double wall = run.GetAdjustedRealTime() *
                                benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                                benchmark::GetTimeUnitMultiplier(run.time_unit);
            const auto cpu = run.counters.find("cpu_ms");
            times[run.run_name.function_name] = {wall, cpu == run.counters.end() ? 0.0 : double(cpu->second)};
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

const char* const kBaseline = "minimal QtCore program";
const char* const kList = "tallyvane list, empty folder";

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!EmptyWorkDir().isValid())
        return 1;
    const std::string work = QDir(EmptyWorkDir().path()).absolutePath().toStdString();
    const std::vector<std::string> list{TALLYVANE_BIN, "list", "--workdir", work, "--month", "2030-01"};
    // The first run creates the data folder; the runs measured only read it.
    if (RunOnce(list) < 0) {
        std::fprintf(stderr, "%s did not run\n", TALLYVANE_BIN);
        return 1;
    }
    const std::vector<std::pair<const char*, std::vector<std::string>>> programs{
        {kBaseline, {MINIMAL_QTCORE_BIN}},
        {kList, list},
        {"tallyvane --version", {TALLYVANE_BIN, "--version"}},
        {"minimal program linked to QtWidgets", {MINIMAL_QTWIDGETS_BIN}},
    };
    for (const auto& [name, args] : programs)
        benchmark::RegisterBenchmark(name, &BM_Process, args)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond)
            ->MinTime(2.0);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto base = reporter.times.find(kBaseline);
    if (base == reporter.times.end() || base->second.first <= 0)
        return 0;
    std::printf("\nFixed cost against the %s (target: at most 1.5):\n", kBaseline);
    for (const auto& [name, t] : reporter.times) {
        if (name == kBaseline)
            continue;
        std::printf("  %-40s wall %.2fx", name.c_str(), t.first / base->second.first);
        if (base->second.second > 0)
            std::printf("   cpu %.2fx", t.second / base->second.second);
        std::printf("\n");
    }
    return 0;
}
