// Due store figures. Loading 100,000 due files, with the files in the page
// cache (warm) and without (cold), beside a tight reader of the same files
// with plain system calls and the same number of threads; times are wall
// clock, CPU times those of the whole process (the load reads on several
// threads). The memory the store takes, settled and at its peak during the
// load. Listing a month, and adding single dues (each one durable) beside
// plain writes of the same bytes with their fsyncs.
#include "BenchReport.h"
#include "SampleFolder.h"

#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"
#include "model/store/DueFile.h"
#include "model/store/DueFolderReader.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kDues = 100000;

using SampleFolder::Sample;

QString Folder(int count)
{
    return SampleFolder::WorkDir(count);
}

QByteArray DataPath(int count)
{
    return QFile::encodeName(Folder(count) + QStringLiteral("/Tallyvane Files"));
}

std::vector<std::string> ListFiles(const QByteArray& dir)
{
    std::vector<std::string> names;
    DIR* d = ::opendir(dir.constData());
    while (const dirent* e = ::readdir(d)) {
        if (e->d_name[0] != '.')
            names.emplace_back(e->d_name);
    }
    ::closedir(d);
    return names;
}

// Takes the folder's files out of the page cache.
void DropCache(const QByteArray& dir)
{
    for (const std::string& name : ListFiles(dir)) {
        const int fd = ::open((dir + '/' + name.c_str()).constData(), O_RDONLY);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

// The baseline: list the folder and read every file, nothing else. Each file
// is opened, its length taken, read whole into a buffer of that size (plus
// the byte that finds the end) and closed, on `threads` threads that take
// files in turn.
size_t TightRead(const QByteArray& dir, int threads)
{
    const std::vector<std::string> names = ListFiles(dir);
    std::atomic<size_t> next{0};
    std::atomic<size_t> total{0};
    auto work = [&] {
        std::string path = dir.toStdString() + '/';
        const size_t base = path.size();
        std::vector<char> buf;
        size_t bytes = 0;
        for (size_t i; (i = next.fetch_add(32)) < names.size();) {
            for (size_t j = i; j < std::min(names.size(), i + 32); ++j) {
                path.resize(base);
                path += names[j];
                const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
                struct stat st;
                ::fstat(fd, &st);
                buf.resize(size_t(st.st_size) + 1);
                size_t have = 0;
                ssize_t got;
                while (have < size_t(st.st_size) &&
                       (got = ::read(fd, buf.data() + have, buf.size() - have)) > 0)
                    have += size_t(got);
                ::close(fd);
                bytes += have;
            }
        }
        total += bytes;
    };
    std::vector<std::thread> running;
    for (int t = 1; t < threads; ++t)
        running.emplace_back(work);
    work();
    for (std::thread& t : running)
        t.join();
    return total;
}

long StatusKiB(const char* field)
{
    FILE* f = std::fopen("/proc/self/status", "r");
    if (!f)
        return -1;
    char line[256];
    long kib = -1;
    const size_t n = std::strlen(field);
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, field, n) == 0) {
            kib = std::atol(line + n);
            break;
        }
    }
    std::fclose(f);
    return kib;
}

// The store's memory: what the process holds more once 100,000 dues are in
// (settled), and the most it held more during the load (peak). Measured
// first, in a process that has freed what writing the folder took.
void BM_Memory100k(benchmark::State& state)
{
    Folder(kDues);
    theDueStore.SetFolder(DataFolder(Folder(kDues)));
    theDueStore.RemoveAll();
    malloc_trim(0);
    // Start the peak afresh: writing "5" to clear_refs resets VmHWM.
    if (FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
    const long before = StatusKiB("VmRSS:");
    // Where the reset is not allowed the peak counts from the process start.
    state.counters["peak_reset"] = StatusKiB("VmHWM:") - before < 1024 ? 1 : 0;
    for (auto _ : state)
        theDueStore.LoadAll();
    const long after = StatusKiB("VmRSS:");
    const long peak = StatusKiB("VmHWM:");
    state.counters["dues"] = theDueStore.GetCount();
    state.counters["settled_MiB"] = double(after - before) / 1024.0;
    state.counters["peak_MiB"] = double(peak - before) / 1024.0;
    state.counters["bytes_per_due"] = double(after - before) * 1024.0 / std::max(1, theDueStore.GetCount());
}
BENCHMARK(BM_Memory100k)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State& state)
{
    const bool cold = state.range(0);
    const QByteArray dir = DataPath(kDues);
    theDueStore.SetFolder(DataFolder(Folder(kDues)));
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            theDueStore.RemoveAll();
            DropCache(dir);
            state.ResumeTiming();
        }
        theDueStore.LoadAll();
        benchmark::DoNotOptimize(theDueStore.GetCount());
    }
    state.counters["dues"] = theDueStore.GetCount();
    state.counters["threads"] = DueFolderReader::DefaultThreads();
    theDueStore.RemoveAll();
}
BENCHMARK(BM_Load)
    ->ArgName("cold")
    ->Arg(0)
    ->Arg(1)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

void BM_ReadBaseline(benchmark::State& state)
{
    const bool cold = state.range(0);
    const int threads = int(state.range(1));
    const QByteArray dir = DataPath(kDues);
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            DropCache(dir);
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(TightRead(dir, threads));
    }
}
BENCHMARK(BM_ReadBaseline)
    ->ArgNames({"cold", "threads"})
    ->Args({0, DueFolderReader::DefaultThreads()})
    ->Args({1, 2})
    ->Args({1, 4})
    ->Args({1, 8})
    ->Args({1, 16})
    ->Args({1, 32})
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

void BM_FillMonthList100k(benchmark::State& state)
{
    theDueStore.SetFolder(DataFolder(Folder(kDues)));
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
BENCHMARK(BM_AddSingles100)->UseRealTime()->Unit(benchmark::kMillisecond);

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
BENCHMARK(BM_AddBaselinePlainWrites100)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    const std::string loadBefore = BenchReport::LoadAverage();
    BenchReport::Reporter reporter;
    if (!BenchReport::RunAll(&argc, argv, &reporter))
        return 1;

    using BenchReport::Ratio;
    std::printf("\nStore, %d dues (%s before, %s after):\n", kDues, loadBefore.c_str(),
                BenchReport::LoadAverage().c_str());
    const std::string threads = std::to_string(DueFolderReader::DefaultThreads());
    const auto* warm = reporter.Find("BM_Load/cold:0/iterations:5/process_time/real_time");
    const auto* warmBase =
        reporter.Find("BM_ReadBaseline/cold:0/threads:" + threads + "/iterations:5/process_time/real_time");
    if (warm && warmBase) {
        Ratio("warm load / tight reader, wall clock (s)", warm->real, warmBase->real, 1.2);
        std::printf("%-46s %8.3f / %8.3f = %5.2f\n", "warm load / tight reader, process CPU (s)", warm->cpu,
                    warmBase->cpu, warm->cpu / warmBase->cpu);
    }
    const auto* cold = reporter.Find("BM_Load/cold:1/iterations:5/process_time/real_time");
    const BenchReport::Reporter::Figures* best = nullptr;
    std::string bestName;
    for (const auto& [name, figures] : reporter.runs) {
        if (name.rfind("BM_ReadBaseline/cold:1/", 0) == 0 && (!best || figures.real < best->real)) {
            best = &figures;
            bestName = name;
        }
    }
    if (cold && best) {
        std::printf("  (best cold reader: %s)\n", bestName.c_str());
        Ratio("cold load / best tight reader, wall clock (s)", cold->real, best->real, 1.2);
    }
    if (const auto* memory = reporter.Find("BM_Memory100k/iterations:1")) {
        const double settled = memory->counters.at("settled_MiB");
        const double peak = memory->counters.at("peak_MiB");
        BenchReport::Value("store memory, settled", settled, "MiB", 40);
        Ratio("store memory, peak / settled (MiB)", peak, settled, 1.1);
        if (memory->counters.at("peak_reset") == 0)
            std::printf("  (the peak could not be reset: it counts from the start of the process)\n");
    }
    const auto* add = reporter.Find("BM_AddSingles100/real_time");
    const auto* addBase = reporter.Find("BM_AddBaselinePlainWrites100/real_time");
    if (add && addBase)
        std::printf("%-46s %8.3f / %8.3f = %5.2f\n", "100 durable adds / plain synced writes (s)", add->real,
                    addBase->real, add->real / addBase->real);
    std::fflush(stdout); // the summary before the static folders are removed
    return 0;
}
