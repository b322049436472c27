// Due store figures: loading a data folder beside plain reads of the same
// files, listing a month out of 100,000 dues, adding single dues (each one
// durable) beside plain writes of the same bytes each with its fsync, and the
// memory that 100,000 dues take.
#include "model/CDueStore.h"
#include "model/Clock.h"
#include "model/DataFolder.h"
#include "model/DueFile.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>

namespace {

DueRecord Sample(int i)
{
    DueRecord r;
    r.m_strTitle = QStringLiteral("Electricity bill %1").arg(i);
    r.m_strPayTo = QStringLiteral("City Power");
    r.m_strAccount = QStringLiteral("ACC-%1").arg(i % 97);
    r.m_dtStart = COleDateTime(2000 + i % 30, 1 + i % 12, 1 + i % 28, 9, 0, 0);
    r.m_dtDue = r.m_dtStart;
    r.m_dAmount = 10.0 + i % 500;
    r.m_bPaid = i % 3 == 0;
    r.m_strNotes = (i % 4 == 0) ? QStringLiteral("Paid by card.\r\nKeep the receipt.") : QString();
    r.m_strSeriesId = (i % 5 == 0) ? QStringLiteral("recId20070101000000") : QString();
    r.m_strRecId = QString::asprintf("%014d%02d", i, 10);
    return r;
}

// One data folder per size, written once per run.
QString Folder(int count)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> dirs;
    auto& dir = dirs[count];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        const QString data = dir->path() + QStringLiteral("/Tallyvane Files");
        QDir().mkpath(data);
        for (int i = 0; i < count; ++i) {
            const DueRecord r = Sample(i);
            QFile f(data + QStringLiteral("/duedate") + r.m_strRecId + QStringLiteral(".due"));
            f.open(QIODevice::WriteOnly);
            f.write(DueFile::Serialize(r));
        }
    }
    return dir->path();
}

long ResidentKiB()
{
    FILE* f = std::fopen("/proc/self/status", "r");
    if (!f)
        return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, f))
        if (std::sscanf(line, "VmRSS: %ld kB", &kib) == 1)
            break;
    std::fclose(f);
    return kib;
}

void BM_Memory100k(benchmark::State& state)
{
    theDueStore.SetFolder(DataFolder(Folder(100000)));
    theDueStore.RemoveAll();
    const long before = ResidentKiB();
    for (auto _ : state) {
        theDueStore.LoadAll();
    }
    const long after = ResidentKiB();
    state.counters["store_MiB"] = double(after - before) / 1024.0;
    state.counters["process_MiB"] = double(after) / 1024.0;
    theDueStore.RemoveAll();
}
BENCHMARK(BM_Memory100k)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_LoadStore(benchmark::State& state)
{
    theDueStore.SetFolder(DataFolder(Folder(int(state.range(0)))));
    for (auto _ : state) {
        theDueStore.LoadAll();
        benchmark::DoNotOptimize(theDueStore.GetCount());
    }
    state.counters["dues"] = theDueStore.GetCount();
    state.counters["files/s"] =
        benchmark::Counter(double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate);
    theDueStore.RemoveAll();
}
BENCHMARK(BM_LoadStore)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Baseline: list the folder and read every file's bytes, nothing else.
void BM_LoadBaselineReadOnly(benchmark::State& state)
{
    const QByteArray data = (Folder(int(state.range(0))) + QStringLiteral("/Tallyvane Files")).toLocal8Bit();
    char buf[4096];
    for (auto _ : state) {
        size_t bytes = 0;
        DIR* d = opendir(data.constData());
        while (dirent* e = readdir(d)) {
            if (e->d_name[0] == '.')
                continue;
            const QByteArray path = data + '/' + e->d_name;
            const int fd = ::open(path.constData(), O_RDONLY);
            ssize_t n;
            while ((n = ::read(fd, buf, sizeof buf)) > 0)
                bytes += size_t(n);
            ::close(fd);
        }
        closedir(d);
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["files/s"] =
        benchmark::Counter(double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_LoadBaselineReadOnly)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_FillMonthList100k(benchmark::State& state)
{
    theDueStore.SetFolder(DataFolder(Folder(100000)));
    theDueStore.LoadAll();
    const COleDateTime month(2005, 6, 1, 0, 0, 0);
    qsizetype listed = 0;
    for (auto _ : state) {
        const MonthList list = theDueStore.FillMonthList(month, DueFilter::All);
        listed = list.rows.size();
        benchmark::DoNotOptimize(listed);
    }
    state.counters["listed"] = double(listed);
    theDueStore.RemoveAll();
}
BENCHMARK(BM_FillMonthList100k)->Unit(benchmark::kMillisecond);

void BM_AddSingles100(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        theDueStore.SetFolder(DataFolder(dir.path()));
        theDueStore.LoadAll();
        Clock::SetFixed(QDateTime(QDate(2026, 1, 1), QTime(9, 0)));
        state.ResumeTiming();
        for (int i = 0; i < 100; ++i) {
            theDueStore.AddDue(Sample(i));
            Clock::Advance(1);
        }
        state.PauseTiming();
        Clock::SetFixed({});
        theDueStore.RemoveAll();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddSingles100)->Unit(benchmark::kMillisecond);

// Baseline: write the same due files and marker bytes plainly, each synced.
void BM_AddBaselinePlainWrites100(benchmark::State& state)
{
    QList<QByteArray> bytes;
    for (int i = 0; i < 100; ++i)
        bytes << DueFile::Serialize(Sample(i));
    const QByteArray marker = DueFile::PreferencesBytes();
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QByteArray data = (dir.path() + QStringLiteral("/Tallyvane Files")).toLocal8Bit();
        QDir().mkpath(QString::fromLocal8Bit(data));
        state.ResumeTiming();
        for (int i = 0; i < 100; ++i) {
            const QByteArray path = data + "/duedate" + QByteArray::number(i) + ".due";
            int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            benchmark::DoNotOptimize(::write(fd, bytes.at(i).constData(), size_t(bytes.at(i).size())));
            ::fsync(fd);
            ::close(fd);
            fd = ::open((data + "/preferences.alm").constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            benchmark::DoNotOptimize(::write(fd, marker.constData(), 8));
            ::fsync(fd);
            ::close(fd);
        }
    }
}
BENCHMARK(BM_AddBaselinePlainWrites100)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
