// What durable saves cost, beside honest baselines that are durable too:
//  - one file: SaveFile::Write (temporary file, data sync, rename, folder
//    sync) beside a plain write of the same bytes in place plus fsync;
//  - a changed due (its file and the marker file, one sync pass) beside two
//    plain writes each with its fsync;
//  - a finished series of 1,000 dues and a change to all of them (one sync
//    pass each) beside plain writes of the same 1,000 files plus one syncfs.
// The ratios are printed at the end.
#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "model/store/DueFile.h"
#include "model/store/SaveFile.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int kSeries = 1000;

DueRecord Sample(int i)
{
    DueRecord r;
    r.m_strTitle = QStringLiteral("Electricity bill %1").arg(i);
    r.m_strPayTo = QStringLiteral("City Power");
    r.m_dtStart = r.m_dtDue = COleDateTime(2030, 1 + i % 12, 1 + i % 28, 9, 0, 0);
    r.m_dAmount = 10.0 + i % 500;
    return r;
}

void PlainWrite(const QByteArray& path, const QByteArray& bytes, bool sync)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    benchmark::DoNotOptimize(::write(fd, bytes.constData(), size_t(bytes.size())));
    if (sync)
        ::fsync(fd);
    ::close(fd);
}

// Benchmarks and their files live on the disk of the build folder, not on a
// memory file system where a sync costs nothing.
QString Scratch()
{
    static QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench-durability-XXXXXX"));
    return dir.path();
}

void BM_SaveFileWrite(benchmark::State& state)
{
    const QString path = Scratch() + QStringLiteral("/single.due");
    const QByteArray bytes = DueFile::Serialize(Sample(1));
    QString why;
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveFile::Write(path, bytes, &why));
}
BENCHMARK(BM_SaveFileWrite)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_BaselineWriteFsync(benchmark::State& state)
{
    const QByteArray path = QFile::encodeName(Scratch() + QStringLiteral("/plain.due"));
    const QByteArray bytes = DueFile::Serialize(Sample(1));
    for (auto _ : state)
        PlainWrite(path, bytes, true);
}
BENCHMARK(BM_BaselineWriteFsync)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_StoreModify(benchmark::State& state)
{
    theDueStore.SetFolder(DataFolder(Scratch() + QStringLiteral("/modify")));
    theDueStore.LoadAll();
    DueRecord r = theDueStore.GetDue(theDueStore.AddDue(Sample(2)));
    for (auto _ : state) {
        r.m_bPaid = !r.m_bPaid;
        benchmark::DoNotOptimize(theDueStore.ReplaceDue(r));
    }
    theDueStore.RemoveAll();
}
BENCHMARK(BM_StoreModify)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_BaselineTwoWritesFsync(benchmark::State& state)
{
    const QString dir = Scratch() + QStringLiteral("/modify-plain");
    QDir().mkpath(dir);
    const QByteArray due = QFile::encodeName(dir + QStringLiteral("/d.due"));
    const QByteArray marker = QFile::encodeName(dir + QStringLiteral("/preferences.alm"));
    const QByteArray bytes = DueFile::Serialize(Sample(2));
    for (auto _ : state) {
        PlainWrite(due, bytes, true);
        PlainWrite(marker, DueFile::PreferencesBytes(), true);
    }
}
BENCHMARK(BM_BaselineTwoWritesFsync)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The Finish of a new series: placeholders made beforehand (not timed), then
// every member completed in one batch.
void BM_StoreFinishSeries1000(benchmark::State& state)
{
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        theDueStore.SetFolder(DataFolder(Scratch() + QStringLiteral("/finish%1").arg(run++)));
        theDueStore.LoadAll();
        QStringList ids;
        {
            CDueStore::Batch batch;
            for (int i = 0; i < kSeries; ++i) {
                DueRecord p = Sample(i);
                p.m_strSeriesId = QStringLiteral("recId20300101090000");
                ids << theDueStore.AddPlaceholder(p);
            }
        }
        ::sync();
        state.ResumeTiming();
        CDueStore::Batch batch;
        for (const QString& id : ids) {
            DueRecord m = theDueStore.GetDue(id);
            m.m_strTitle = QStringLiteral("Gym");
            benchmark::DoNotOptimize(theDueStore.ReplaceDue(m));
        }
        batch.Commit();
    }
    theDueStore.RemoveAll();
}
BENCHMARK(BM_StoreFinishSeries1000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_StoreModifySeries1000(benchmark::State& state)
{
    theDueStore.SetFolder(DataFolder(Scratch() + QStringLiteral("/series")));
    theDueStore.LoadAll();
    DueRecord first;
    {
        CDueStore::Batch batch;
        for (int i = 0; i < kSeries; ++i) {
            DueRecord m = Sample(i);
            m.m_strSeriesId = QStringLiteral("recId20300101090000");
            const QString id = theDueStore.AddDue(m);
            if (i == 0)
                first = theDueStore.GetDue(id);
        }
    }
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ::sync();
        state.ResumeTiming();
        first.m_strTitle = QStringLiteral("Gym %1").arg(++n);
        benchmark::DoNotOptimize(theDueStore.ModifySeries(first));
    }
    theDueStore.RemoveAll();
}
BENCHMARK(BM_StoreModifySeries1000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same 1,000 files written plainly, then one syncfs.
void BM_BaselineSeries1000Syncfs(benchmark::State& state)
{
    const QString dir = Scratch() + QStringLiteral("/series-plain");
    QDir().mkpath(dir);
    QList<QByteArray> bytes;
    for (int i = 0; i < kSeries; ++i)
        bytes << DueFile::Serialize(Sample(i));
    const QByteArray local = QFile::encodeName(dir);
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ::sync();
        ++run;
        state.ResumeTiming();
        for (int i = 0; i < kSeries; ++i)
            PlainWrite(local + "/r" + QByteArray::number(run) + "-" + QByteArray::number(i) + ".due",
                       bytes.at(i), false);
        const int fd = ::open(local.constData(), O_RDONLY | O_DIRECTORY);
        ::syncfs(fd);
        ::close(fd);
    }
}
BENCHMARK(BM_BaselineSeries1000Syncfs)->Unit(benchmark::kMillisecond)->Iterations(3);

// Keeps each benchmark's time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.iterations > 0)
                times[r.benchmark_name()] = r.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv)
{
    Clock::SetFixed(QDateTime(QDate(2030, 1, 1), QTime(9, 0)));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto ratio = [&](const char* ours, const char* base) {
        if (reporter.times.count(ours) && reporter.times.count(base) && reporter.times[base] > 0)
            std::printf("%-28s / %-30s = %.2fx\n", ours, base, reporter.times[ours] / reporter.times[base]);
    };
    ratio("BM_SaveFileWrite", "BM_BaselineWriteFsync");
    ratio("BM_StoreModify", "BM_BaselineTwoWritesFsync");
    ratio("BM_StoreFinishSeries1000/iterations:3", "BM_BaselineSeries1000Syncfs/iterations:3");
    ratio("BM_StoreModifySeries1000/iterations:3", "BM_BaselineSeries1000Syncfs/iterations:3");
    benchmark::Shutdown();
    return 0;
}
