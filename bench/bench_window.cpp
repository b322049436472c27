// How soon the main window is on the screen: from starting a process to its
// first painted frame, for a bare QMainWindow (the floor), and for the
// program's window on a data folder of no dues and of 100,000 dues (read
// while the window is up). Each start is a fresh process, timed by this one
// from fork to the child's word that it painted. The kinds take turns, and
// the median of each is kept (--rounds=N, 25 by default). The platform is the
// environment's (offscreen when there is no display); the session bus the
// caller's, or a private one when there is none.
#include "BenchReport.h"
#include "SampleFolder.h"

#include "app/GuiStartup.h"
#include "model/store/CDueStore.h"
#include "model/store/DueFile.h"
#include "ui/frame/CMainFrame.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
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
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string g_self; // this program, for the children

// ---------------------------------------------------------------------------
// In the child: show the window, say so on fd 3 after its first paint, end.

class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget* window) : m_window(window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_done && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == m_window) {
            m_done = true;
            // Once this paint and the flush of its frame are through.
            QTimer::singleShot(0, [] {
                (void)!::write(3, "painted\n", 8);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    QWidget* m_window;
    bool m_done = false;
};

int ChildMain(int argc, char** argv, const std::string& mode, const QString& workDir)
{
    if (mode != "minimal")
        GuiStartup::BeginWarmUp(); // as the window program does
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyvane"));
    QApplication::setOrganizationName(QStringLiteral("Quillory"));
    if (mode == "minimal") {
        QMainWindow window;
        FirstPaint watch(&window);
        window.show();
        return QApplication::exec();
    }
    GuiStartup::InitDesktop();
    GuiStartup::Options options;
    options.fixedWorkDir = true;
    options.workDir = workDir;
    // The frame is made and shown inside InitInstance: watch every window.
    struct AnyWindow : QObject
    {
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && qobject_cast<CMainFrame*>(watched) && !done) {
                done = true;
                QTimer::singleShot(0, [] {
                    (void)!::write(3, "painted\n", 8);
                    // Let go of the folder's lock as a closing window does, so
                    // that the next start finds none left behind.
                    theDueStore.SetFolder(DataFolder());
                    std::_Exit(0);
                });
            }
            return false;
        }
        bool done = false;
    } watch;
    app.installEventFilter(&watch);
    std::unique_ptr<CMainFrame> frame = GuiStartup::InitInstance(options);
    if (!frame)
        return 1;
    return QApplication::exec();
}

// ---------------------------------------------------------------------------
// In the parent

double Now()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// Seconds from fork to the child's first painted frame; negative on failure.
double TimeStart(const std::string& mode, const QString& workDir, const QString& configDir)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return -1;
    // Above 3, so that giving the child its fd 3 closes neither end.
    const int fds[2] = {::fcntl(pipeFds[0], F_DUPFD_CLOEXEC, 10), ::fcntl(pipeFds[1], F_DUPFD, 10)};
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    const double start = Now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], 3);
        ::close(fds[1]);
        ::setenv("XDG_CONFIG_HOME", QFile::encodeName(configDir).constData(), 1);
        const std::string dir = QFile::encodeName(workDir).toStdString();
        ::execl(g_self.c_str(), g_self.c_str(), ("--child=" + mode).c_str(), dir.c_str(), (char*)nullptr);
        std::_Exit(127);
    }
    ::close(fds[1]);
    char buf[16];
    const ssize_t got = ::read(fds[0], buf, sizeof buf);
    const double end = Now();
    ::close(fds[0]);
    int status = 0;
    if (got <= 0)
        ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return got > 0 ? end - start : -1;
}

struct Mode
{
    const char* name;
    std::string child; // the child's mode
    int dues;
};

// A session bus of the benchmark's own, ended with it.
class PrivateBus
{
public:
    bool Start()
    {
        FILE* out = ::popen("dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null", "r");
        if (!out)
            return false;
        char address[512] = {}, pid[32] = {};
        const bool read = std::fgets(address, sizeof address, out) && std::fgets(pid, sizeof pid, out);
        ::pclose(out);
        address[std::strcspn(address, "\n")] = '\0';
        if (!read || !*address)
            return false;
        m_pid = pid_t(std::atoi(pid));
        ::setenv("DBUS_SESSION_BUS_ADDRESS", address, 1);
        return true;
    }
    ~PrivateBus()
    {
        if (m_pid > 0)
            ::kill(m_pid, SIGTERM);
    }

private:
    pid_t m_pid = 0;
};

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? -1 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double Quartile(std::vector<double> v, int which)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[std::min(v.size() - 1, v.size() * size_t(which) / 4)];
}

} // namespace

int main(int argc, char** argv)
{
    g_self = argv[0];
    if (argc >= 2 && std::strncmp(argv[1], "--child=", 8) == 0) {
        const std::string mode = argv[1] + 8;
        const QString workDir = argc >= 3 ? QFile::decodeName(argv[2]) : QString();
        int childArgc = 1;
        return ChildMain(childArgc, argv, mode, workDir);
    }
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int rounds = 25;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--rounds=", 9) == 0)
            rounds = std::max(1, std::atoi(argv[i] + 9));
    }
    // A desktop session has a session bus, which the window uses for its tray,
    // reminders and screen readers; without one, libdbus forks a helper at
    // every attempt to connect, which no desktop start does. When the caller
    // has none (as under xvfb-run), the starts get a private one for the run.
    const char* given = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    const char* bus = given && *given ? "present" : "none";
    PrivateBus privateBus;
    if (!(given && *given) && privateBus.Start())
        bus = "started for this run (dbus-daemon)";
    const std::string loadBefore = BenchReport::LoadAverage();
    // The starts of the three kinds take turns, each round in another order,
    // so that the machine's drift during the run falls on all of them alike.
    const Mode modes[] = {{"bare QMainWindow", "minimal", 0},
                          {"window, 0 dues", "tallyvane", 0},
                          {"window, 100,000 dues", "tallyvane", 100000}};
    constexpr int kModes = 3;
    QString folders[kModes];
    for (int m = 0; m < kModes; ++m)
        folders[m] = modes[m].child == "minimal" ? QString() : SampleFolder::WorkDir(modes[m].dues);
    QTemporaryDir config;
    for (int m = 0; m < kModes; ++m)
        (void)TimeStart(modes[m].child, folders[m], config.path()); // warm the caches
    std::vector<double> seconds[kModes];
    for (int r = 0; r < rounds; ++r) {
        for (int k = 0; k < kModes; ++k) {
            const int m = (r + k) % kModes;
            const double s = TimeStart(modes[m].child, folders[m], config.path());
            if (s < 0) {
                std::fprintf(stderr, "bench_window: the %s did not show\n", modes[m].name);
                return 1;
            }
            seconds[m].push_back(s);
        }
    }

    std::printf(
        "Window start, from fork to the first painted frame, %d rounds, platform %s, session bus %s\n(%s "
        "before, %s after):\n",
        rounds, std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default", bus,
        loadBefore.c_str(), BenchReport::LoadAverage().c_str());
    for (int m = 0; m < kModes; ++m)
        std::printf("  %-22s median %6.1f ms, quartiles %6.1f to %6.1f ms\n", modes[m].name,
                    Median(seconds[m]) * 1e3, Quartile(seconds[m], 1) * 1e3, Quartile(seconds[m], 3) * 1e3);
    const double minimal = Median(seconds[0]), none = Median(seconds[1]), many = Median(seconds[2]);
    BenchReport::Ratio("window, 0 dues / bare QMainWindow (s)", none, minimal, 1.5);
    BenchReport::Ratio("window, 100,000 dues / 0 dues (s)", many, none, 1.5);
    std::fflush(stdout); // the summary before the static folders are removed
    return 0;
}
