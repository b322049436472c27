// Generating a series: the occurrence dates alone, and the dates written as
// placeholder dues (one file each) through the store, beside a plain writer
// of as many files of the same size the same way (a new name each, written
// under a temporary name and renamed without replacing, the folder synced
// once). Every run writes into a fresh folder, and no folder is deleted
// until the program ends, so that no run finds the inodes another one just
// freed; each figure is the median of several runs, with its spread.
#include "BenchReport.h"

#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"
#include "model/store/DueFile.h"
#include "recurrence/GenerateOccurrences.h"
#include "recurrence/OccurrenceSequence.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <stdio.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <limits>
#include <memory>
#include <vector>

namespace {

constexpr int kRepetitions = 5;

RecurrencePattern Daily(int count)
{
    RecurrencePattern p;
    p.m_nFrequency = RecurrencePattern::Day;
    p.m_strDailyInterval = QStringLiteral("1");
    p.m_dtRangeStart = COleDateTime(2007, 3, 1, 9, 30, 0);
    p.m_bEndAfter = true;
    p.m_strOccurrences = QString::number(count);
    return p;
}

// A fresh, empty data folder, kept until the program ends; what earlier runs
// wrote is on the disk before this one starts.
//
// On ext4 a new file's inode is sought in its folder's block group, stepping
// over every inode freed in the last minutes: in a group where another
// program (or the benchmark before) just deleted many files, that search
// costs more than the writing. So the folders sit under one marked as a top
// of directory trees (ext4 then spreads them over the groups), and of three
// candidates the one where a few probe files are made fastest is taken.
QString FreshFolder()
{
    static QTemporaryDir parent;
    static const bool marked = [] {
        const int fd = ::open(QFile::encodeName(parent.path()).constData(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        const bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                        (flags |= FS_TOPDIR_FL, ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
        if (fd >= 0)
            ::close(fd);
        return ok;
    }();
    (void)marked;
    static std::vector<std::unique_ptr<QTemporaryDir>> kept;
    ::sync();
    QString best;
    qint64 bestNs = std::numeric_limits<qint64>::max();
    for (int candidate = 0; candidate < 3; ++candidate) {
        kept.push_back(std::make_unique<QTemporaryDir>(parent.filePath(QStringLiteral("run-XXXXXX"))));
        const QString path = kept.back()->path();
        QDir().mkpath(path + QStringLiteral("/probe"));
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 32; ++i) {
            const QByteArray name = QFile::encodeName(path) + "/probe/" + QByteArray::number(i);
            ::close(::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
        }
        if (timer.nsecsElapsed() < bestNs) {
            bestNs = timer.nsecsElapsed();
            best = path;
        }
    }
    QDir().mkpath(best + QStringLiteral("/Tallyvane Files"));
    return best;
}

void BM_OccurrenceDates(benchmark::State& state)
{
    const RecurrencePattern p = Daily(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(OccurrenceSequence::All(p));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// state.range(1) = 1 pins the clock: every identifier is then made within the
// same second, the worst case for keeping them distinct.
void BM_GenerateAndWrite(benchmark::State& state)
{
    const RecurrencePattern p = Daily(int(state.range(0)));
    if (state.range(1))
        Clock::SetFixed(QDateTime(QDate(2007, 3, 1), QTime(9, 0)));
    for (auto _ : state) {
        state.PauseTiming();
        theDueStore.SetFolder(DataFolder(FreshFolder()));
        theDueStore.LoadAll();
        state.ResumeTiming();

        const GeneratedSeries run = GenerateOccurrences(p, theDueStore);
        if (run.m_arrOccurrenceIds.size() != state.range(0))
            state.SkipWithError("wrong number of occurrences");

        state.PauseTiming();
        if (!theDueStore.TakeErrors().isEmpty())
            state.SkipWithError("a due file could not be written");
        theDueStore.RemoveAll();
        state.ResumeTiming();
    }
    Clock::SetFixed(QDateTime());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The baseline: as many files of a placeholder's size, each under a new name
// written the way the store writes one, and the folder synced once at the end.
void BM_PlainWriteBaseline(benchmark::State& state)
{
    const int count = int(state.range(0));
    DueRecord placeholder;
    placeholder.m_strRecId = QStringLiteral("2007030109000001");
    placeholder.m_strSeriesId = QStringLiteral("recId20070301090000");
    const QByteArray bytes = DueFile::Serialize(placeholder);
    for (auto _ : state) {
        state.PauseTiming();
        const QByteArray data = QFile::encodeName(FreshFolder() + QStringLiteral("/Tallyvane Files"));
        state.ResumeTiming();
        for (int i = 0; i < count; ++i) {
            const QByteArray name =
                data + "/duedate" + QByteArray::number(20070301090000LL * 100 + i) + ".due";
            const QByteArray temp = name + ".tmp";
            struct stat st;
            benchmark::DoNotOptimize(::lstat(name.constData(), &st));
            const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            benchmark::DoNotOptimize(::write(fd, bytes.constData(), size_t(bytes.size())));
            ::close(fd);
            if (::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, name.constData(), RENAME_NOREPLACE) != 0)
                state.SkipWithError("rename failed");
        }
        const int dir = ::open(data.constData(), O_RDONLY | O_DIRECTORY);
        ::fsync(dir);
        ::close(dir);
    }
    state.SetItemsProcessed(state.iterations() * count);
}

} // namespace

BENCHMARK(BM_OccurrenceDates)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateAndWrite)
    ->ArgNames({"n", "pinned"})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Args({10000, 1})
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWriteBaseline)
    ->ArgName("n")
    ->Arg(1000)
    ->Arg(10000)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    const std::string loadBefore = BenchReport::LoadAverage();
    BenchReport::Reporter reporter;
    if (!BenchReport::RunAll(&argc, argv, &reporter))
        return 1;

    std::printf("\nSeries written as placeholders, median of %d (%s before, %s after):\n", kRepetitions,
                loadBefore.c_str(), BenchReport::LoadAverage().c_str());
    const std::string reps = "/iterations:1/repeats:" + std::to_string(kRepetitions) + "/real_time_";
    for (const char* n : {"1000", "10000"}) {
        const auto* base = reporter.Find(std::string("BM_PlainWriteBaseline/n:") + n + reps + "median");
        for (const char* pinned : {"0", "1"}) {
            const std::string name = std::string("BM_GenerateAndWrite/n:") + n + "/pinned:" + pinned + reps;
            const auto* median = reporter.Find(name + "median");
            const auto* mean = reporter.Find(name + "mean");
            const auto* stddev = reporter.Find(name + "stddev");
            if (!median || !base)
                continue;
            std::printf("%-24s n=%-6s %s  %8.1f ms / plain %8.1f ms = %5.2f  (spread %.0f %%)\n",
                        "generate and write", n, *pinned == '1' ? "one second" : "clock runs",
                        median->real * 1e3, base->real * 1e3, median->real / base->real,
                        mean && stddev && mean->real > 0 ? 100 * stddev->real / mean->real : -1.0);
        }
    }
    std::fflush(stdout); // the summary before the static folders are removed
    return 0;
}
