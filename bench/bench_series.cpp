// A series of 10,000 dues: Finish of the new-due wizard (completing every
// placeholder), Modify of the whole series and Delete of the series, each
// through the code the window runs, beside a baseline that writes (or
// removes) the same files plainly. The ratios to the baselines and whether
// each stays under a second are printed at the end.
#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"
#include "model/store/DueFile.h"
#include "recurrence/GenerateOccurrences.h"
#include "ui/editor/DueEditRules.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int kMembers = 10000;

RecurrencePattern DailyPattern()
{
    RecurrencePattern p;
    p.m_nFrequency = RecurrencePattern::Day;
    p.m_strDailyInterval = QStringLiteral("1");
    p.m_dtRangeStart = COleDateTime(2001, 1, 1, 9, 0, 0);
    p.m_bEndAfter = true;
    p.m_strOccurrences = QString::number(kMembers);
    return p;
}

// A fresh data folder holding the placeholders of one generated series.
struct SeriesFolder
{
    std::unique_ptr<QTemporaryDir> dir = std::make_unique<QTemporaryDir>();
    GeneratedSeries series;

    SeriesFolder()
    {
        Clock::SetFixed(QDateTime(QDate(2026, 1, 1), QTime(9, 0)));
        theDueStore.SetFolder(DataFolder(dir->path()));
        theDueStore.LoadAll();
        series = GenerateOccurrences(DailyPattern(), theDueStore);
        Clock::SetFixed({});
    }
    ~SeriesFolder() { theDueStore.RemoveAll(); }
};

DueEditRules::NewDueResult WizardResult(const GeneratedSeries& series)
{
    DueEditRules::NewDueResult r;
    r.finished = r.recursive = r.patternSet = true;
    r.occurrenceIds = series.m_arrOccurrenceIds;
    r.due.m_strTitle = QStringLiteral("Electricity");
    r.due.m_strPayTo = QStringLiteral("City Power");
    r.due.m_strAccount = QStringLiteral("ACC-42");
    r.due.m_dAmount = 84.20;
    r.due.m_strNotes = QStringLiteral("Paid by card.\r\nKeep the receipt.");
    r.offsetDays = 14;
    return r;
}

// What the progress window costs the store: one call per due.
ChangeProgress Counting(qsizetype& calls)
{
    return [&calls](qsizetype, qsizetype) {
        ++calls;
        return true;
    };
}

void BM_FinishSeries(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        SeriesFolder folder;
        const DueEditRules::NewDueResult result = WizardResult(folder.series);
        qsizetype calls = 0;
        DueEditRules::NewDueOutcome outcome;
        state.ResumeTiming();
        DueEditRules::ApplyNewDue(theDueStore, result, &outcome, Counting(calls));
        state.PauseTiming();
        if (outcome.written != kMembers)
            state.SkipWithError("the series was not written whole");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FinishSeries)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_ModifySeries(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        SeriesFolder folder;
        const DueRecord fetched = theDueStore.GetDue(folder.series.m_arrOccurrenceIds.at(kMembers / 2));
        DueRecord edited = fetched;
        edited.m_strTitle = QStringLiteral("Electricity and gas");
        edited.m_dAmount = 99.95;
        qsizetype calls = 0;
        state.ResumeTiming();
        const ChangeOutcome out =
            DueEditRules::ApplyModifiedDue(theDueStore, fetched, edited, true, Counting(calls));
        state.PauseTiming();
        if (!out.Complete() || out.done != kMembers)
            state.SkipWithError("the series was not changed whole");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ModifySeries)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_DeleteSeries(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        SeriesFolder folder;
        qsizetype calls = 0;
        ChangeOutcome out;
        state.ResumeTiming();
        (void)theDueStore.DeleteSeries(folder.series.m_strSeriesId, Counting(calls), &out);
        state.PauseTiming();
        if (out.done != kMembers)
            state.SkipWithError("the series was not deleted whole");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteSeries)->Iterations(3)->Unit(benchmark::kMillisecond);

// Baseline: the same 10,000 due files and the marker, written in place with
// plain system calls (no temporary file, no rename, no record keeping).
void BM_BaselineWriteSameFiles(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        SeriesFolder folder;
        QList<QByteArray> paths, bytes;
        for (const QString& id : std::as_const(folder.series.m_arrOccurrenceIds)) {
            DueRecord r = theDueStore.GetDue(id);
            r.m_strTitle = QStringLiteral("Electricity");
            paths << QFile::encodeName(theDueStore.FilePathOf(id));
            bytes << DueFile::Serialize(r);
        }
        const QByteArray marker = QFile::encodeName(theDueStore.Folder().PreferencesPath());
        const QByteArray markerBytes = DueFile::PreferencesBytes();
        state.ResumeTiming();
        for (qsizetype i = 0; i < paths.size(); ++i) {
            const int fd = ::open(paths.at(i).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            benchmark::DoNotOptimize(::write(fd, bytes.at(i).constData(), size_t(bytes.at(i).size())));
            ::close(fd);
        }
        const int fd = ::open(marker.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        benchmark::DoNotOptimize(::write(fd, markerBytes.constData(), size_t(markerBytes.size())));
        ::close(fd);
    }
}
BENCHMARK(BM_BaselineWriteSameFiles)->Iterations(3)->Unit(benchmark::kMillisecond);

// Baseline: the same 10,000 due files removed with plain unlink calls.
void BM_BaselineRemoveSameFiles(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        SeriesFolder folder;
        QList<QByteArray> paths;
        for (const QString& id : std::as_const(folder.series.m_arrOccurrenceIds))
            paths << QFile::encodeName(theDueStore.FilePathOf(id));
        state.ResumeTiming();
        for (const QByteArray& path : std::as_const(paths))
            benchmark::DoNotOptimize(::unlink(path.constData()));
    }
}
BENCHMARK(BM_BaselineRemoveSameFiles)->Iterations(3)->Unit(benchmark::kMillisecond);

// Keeps the mean wall time of each benchmark for the summary.
class Recorder : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> seconds;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                seconds[run.benchmark_name()] = run.GetAdjustedRealTime() / 1000.0; // ms to s
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    Recorder recorder;
    benchmark::RunSpecifiedBenchmarks(&recorder);
    auto time = [&](const char* name) {
        const auto it = recorder.seconds.find(std::string(name) + "/iterations:3");
        return it == recorder.seconds.end() ? -1.0 : it->second;
    };
    const double writeBase = time("BM_BaselineWriteSameFiles");
    const double removeBase = time("BM_BaselineRemoveSameFiles");
    const std::pair<const char*, double> rows[] = {
        {"BM_FinishSeries", writeBase}, {"BM_ModifySeries", writeBase}, {"BM_DeleteSeries", removeBase}};
    std::printf("\n%d dues per series          seconds   baseline   ratio   under 1 s\n", kMembers);
    for (const auto& [name, base] : rows) {
        const double t = time(name);
        if (t < 0 || base <= 0)
            continue;
        std::printf("%-26s %8.3f %10.3f %7.2f   %s\n", name, t, base, t / base, t < 1.0 ? "yes" : "NO");
    }
    benchmark::Shutdown();
    return 0;
}
