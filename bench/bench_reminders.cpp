// What reminders cost a start on a folder of years of history: 100,000 dues
// of which about 60,000 are late and were never marked paid. Each start is a
// fresh process of the program's own start-up, timed by this one from fork
// until the loaded month list and its sums are on the screen, with reminders
// off (the baseline: the same start, the same folder, the same work but the
// reminders), on for the first time (every late due is new), and on again
// (all of them remembered). While each runs, a timer that should tick every
// 10 ms measures the longest the window went without its event loop, from
// the end of the load until two seconds after it: the reminders' look runs
// in that time. The kinds take turns (--rounds=N, 5 by default).
#include "BenchReport.h"
#include "SampleFolder.h"

#include "app/GuiStartup.h"
#include "model/services/Reminders.h"
#include "model/store/CDueStore.h"
#include "ui/frame/CMainFrame.h"
#include "ui/reminders/ReminderCenter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string g_self;

constexpr int kTickMs = 10;
constexpr int kWatchMs = 2000;

// In the child: start as the window program does, wait for the loaded list,
// then watch the event loop; report on fd 3.
int ChildMain(int argc, char** argv, const QString& workDir)
{
    GuiStartup::BeginWarmUp();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyvane"));
    QApplication::setOrganizationName(QStringLiteral("Quillory"));
    GuiStartup::InitDesktop();
    GuiStartup::Options options;
    options.fixedWorkDir = true;
    options.workDir = workDir;
    std::unique_ptr<CMainFrame> frame = GuiStartup::InitInstance(options);
    if (!frame)
        return 1;
    QElapsedTimer sinceLoaded;
    qint64 lastTick = 0, longest = 0;
    bool sawLoading = false;
    int fresh = 0;
    QObject::connect(frame->Reminders(), &ReminderCenter::checked,
                     [&] { fresh = frame->Reminders()->OverdueCount() + frame->Reminders()->SoonCount(); });
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        if (!sinceLoaded.isValid()) {
            // Loaded: it was loading and is no more (the load starts after the first frame).
            if (frame->IsLoading()) {
                sawLoading = true;
                return;
            }
            if (!sawLoading && theDueStore.GetCount() == 0)
                return;
            // The list and its sums are there: paint them, then say so.
            frame->repaint();
            const std::string line = "loaded\n";
            (void)!::write(3, line.data(), line.size());
            sinceLoaded.start();
            lastTick = 0;
            return;
        }
        const qint64 now = sinceLoaded.elapsed();
        longest = std::max(longest, now - lastTick);
        lastTick = now;
        if (now >= kWatchMs) {
            char out[96];
            const int n = std::snprintf(out, sizeof out, "%lld %d\n", (long long)longest, fresh);
            (void)!::write(3, out, size_t(n));
            frame->Reminders()->Flush(); // the memory's file, for the next start
            theDueStore.SetFolder(DataFolder());
            std::_Exit(0);
        }
    });
    ticks.start(kTickMs);
    return QApplication::exec();
}

double Now()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

struct Start
{
    double loaded = -1; // seconds from fork to the loaded list on the screen
    double longestGapMs = -1;
    int reminders = 0; // late and soon dues the reminders counted
};

Start RunStart(const QString& workDir, const QString& configDir, const QString& dataDir)
{
    Start result;
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return result;
    const int fds[2] = {::fcntl(pipeFds[0], F_DUPFD_CLOEXEC, 10), ::fcntl(pipeFds[1], F_DUPFD, 10)};
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    const double start = Now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], 3);
        ::close(fds[1]);
        ::setenv("XDG_CONFIG_HOME", QFile::encodeName(configDir).constData(), 1);
        ::setenv("XDG_DATA_HOME", QFile::encodeName(dataDir).constData(), 1);
        const std::string dir = QFile::encodeName(workDir).toStdString();
        ::execl(g_self.c_str(), g_self.c_str(), "--child", dir.c_str(), (char*)nullptr);
        std::_Exit(127);
    }
    ::close(fds[1]);
    FILE* in = ::fdopen(fds[0], "r");
    char line[128];
    if (in && std::fgets(line, sizeof line, in)) {
        result.loaded = Now() - start;
        long long gap = -1;
        if (std::fgets(line, sizeof line, in) && std::sscanf(line, "%lld %d", &gap, &result.reminders) == 2)
            result.longestGapMs = double(gap);
    }
    if (in)
        std::fclose(in);
    int status = 0;
    if (result.longestGapMs < 0)
        ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return result;
}

// A settings folder with the lead time given, as Preferences writes it.
void WriteLeadDays(const QString& configDir, int days)
{
    QSettings s(configDir + QStringLiteral("/Quillory/Tallyvane.conf"), QSettings::IniFormat);
    s.setValue(QStringLiteral("Reminders/LeadDays"), days);
    s.sync();
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? -1 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    g_self = argv[0];
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) {
        int childArgc = 1;
        return ChildMain(childArgc, argv, QFile::decodeName(argv[2]));
    }
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int rounds = 5;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--rounds=", 9) == 0)
            rounds = std::max(1, std::atoi(argv[i] + 9));
    const std::string loadBefore = BenchReport::LoadAverage();
    const QString folder = SampleFolder::WorkDir(100000);

    QTemporaryDir offConfig, onConfig, offData;
    WriteLeadDays(offConfig.path(), 0);
    WriteLeadDays(onConfig.path(), 3);
    (void)RunStart(folder, offConfig.path(), offData.path()); // warm the caches

    std::vector<double> off, first, again, offGap, firstGap, againGap;
    int counted = 0;
    for (int r = 0; r < rounds; ++r) {
        // A first start has no memory of what was announced: a data home of its own.
        QTemporaryDir onData;
        const Start a = RunStart(folder, offConfig.path(), offData.path());
        const Start b = RunStart(folder, onConfig.path(), onData.path());
        const Start c = RunStart(folder, onConfig.path(), onData.path());
        if (a.longestGapMs < 0 || b.longestGapMs < 0 || c.longestGapMs < 0) {
            std::fprintf(stderr, "bench_reminders: a start did not finish\n");
            return 1;
        }
        off.push_back(a.loaded);
        first.push_back(b.loaded);
        again.push_back(c.loaded);
        offGap.push_back(a.longestGapMs);
        firstGap.push_back(b.longestGapMs);
        againGap.push_back(c.longestGapMs);
        counted = b.reminders;
    }
    std::printf("Reminders on a start with 100,000 dues (%d late or soon), %d rounds, platform %s\n"
                "(%s before, %s after):\n",
                counted, rounds, std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default",
                loadBefore.c_str(), BenchReport::LoadAverage().c_str());
    std::printf("  %-34s loaded list %7.1f ms, longest stall after it %5.0f ms\n", "reminders off",
                Median(off) * 1e3, Median(offGap));
    std::printf("  %-34s loaded list %7.1f ms, longest stall after it %5.0f ms\n",
                "reminders on, first start", Median(first) * 1e3, Median(firstGap));
    std::printf("  %-34s loaded list %7.1f ms, longest stall after it %5.0f ms\n",
                "reminders on, all remembered", Median(again) * 1e3, Median(againGap));
    BenchReport::Ratio("first start with reminders / reminders off (loaded list, s)", Median(first),
                       Median(off), 1.2);
    BenchReport::Ratio("start with reminders remembered / reminders off (loaded list, s)", Median(again),
                       Median(off), 1.2);
    BenchReport::Value("longest stall after the load, reminders on", Median(firstGap), "ms", 100);
    std::fflush(stdout);
    return 0;
}
