// Report figures on the 100,000-due sample folder. The command a script runs,
// `tallyvane report --by payee` over every month of the folder, beside
// `tallyvane list` of one month: both whole processes that load the same
// folder (warm in the page cache), so the ratio is what summing every due
// costs over listing one month's. Each figure is the median of several runs.
// Then the report alone, in this process, on a store loaded once: by payee
// (the walk reads every due of the range) and by series (which also walks
// every due's series identifier).
#include "BenchReport.h"
#include "SampleFolder.h"

#include "model/base/Clock.h"
#include "model/services/Reports.h"
#include "model/store/CDueStore.h"

#include <benchmark/benchmark.h>

#include <QDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kDues = 100000;
constexpr int kRuns = 9;

const char* const kList = "tallyvane list --month (one month)";
const char* const kReport = "tallyvane report --by payee (30 years)";

// Runs argv to its end with its output thrown away; false when it could not
// run or did not end cleanly.
bool RunOnce(const std::vector<std::string>& args)
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
        return false;
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_Process(benchmark::State& state, const std::vector<std::string>& args)
{
    for (auto _ : state) {
        if (!RunOnce(args)) {
            state.SkipWithError("the program did not run to a clean exit");
            return;
        }
    }
}

const CDueStore& LoadedStore()
{
    static CDueStore store;
    if (store.GetCount() == 0) {
        store.SetFolder(DataFolder(SampleFolder::WorkDir(kDues)));
        store.LoadAll();
    }
    return store;
}

void BM_BuildReport(benchmark::State& state, ReportGrouping grouping)
{
    const CDueStore& store = LoadedStore();
    const ReportRange range{QDate(2000, 1, 1), QDate(2029, 12, 1)};
    int groups = 0;
    for (auto _ : state) {
        const Report report = BuildReport(store, range, grouping, Clock::Now().date());
        groups = int(report.groups.size());
        benchmark::DoNotOptimize(report.Total());
    }
    state.counters["groups"] = groups;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string work = QDir(SampleFolder::WorkDir(kDues)).absolutePath().toStdString();
    const std::vector<std::string> list{TALLYVANE_BIN, "list", "--workdir", work, "--month", "2015-04"};
    const std::vector<std::string> report{TALLYVANE_BIN, "report", "--workdir", work,   "--from",
                                          "2000-01",     "--to",   "2029-12",   "--by", "payee"};
    // Once each before the figures: the folder is in the page cache for both.
    if (!RunOnce(list) || !RunOnce(report)) {
        std::fprintf(stderr, "%s did not run\n", TALLYVANE_BIN);
        return 1;
    }
    for (const auto& [name, args] : {std::pair{kList, list}, std::pair{kReport, report}})
        benchmark::RegisterBenchmark(name, &BM_Process, args)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(kRuns)
            ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("BuildReport by payee, 100,000 dues", &BM_BuildReport, ReportGrouping::Payee)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BuildReport by series, 100,000 dues", &BM_BuildReport,
                                 ReportGrouping::Series)
        ->Unit(benchmark::kMillisecond);

    BenchReport::Reporter reporter;
    if (!BenchReport::RunAll(&argc, argv, &reporter))
        return 1;
    const std::string median = "/iterations:1/repeats:" + std::to_string(kRuns) + "/real_time_median";
    const auto* listed = reporter.Find(kList + median);
    const auto* reported = reporter.Find(kReport + median);
    std::printf("\n%s\n", BenchReport::LoadAverage().c_str());
    if (listed && reported)
        BenchReport::Ratio("report --by payee / list --month, wall", reported->real, listed->real, 1.5);
    return 0;
}
