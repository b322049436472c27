// Memory of a large CSV import. A file of 1,000,000 dues is imported by the
// program itself (`tallyvane import csv` into an empty folder), and read for
// the import dialog's preview (DueCsv::ReadFile in a process of its own).
// The baseline is a process that reads the same file the same way, a piece
// at a time through the same decoder, without parsing it: what any reading
// of the file costs. Each figure is the peak resident size of its process.
#include "BenchReport.h"

#include "export/DueCsv.h"
#include "model/store/DataFolder.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kLines = 1000000;
constexpr double kTargetMb = 200;

struct Run
{
    bool ok = false;
    double peakMb = 0;
    double seconds = 0;
};

// Runs argv to its end with its output thrown away: its peak resident size
// and how long it took.
Run RunMeasured(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    Run run;
    if (spawned != 0)
        return run;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return run;
    run.seconds = double(clock.nsecsElapsed()) / 1e9;
    run.peakMb = double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

bool WriteSample(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray piece("Title,Due Date,Amount,Pay To,Notes\n");
    for (int i = 0; i < kLines; ++i) {
        piece += "Rent " + QByteArray::number(i) + ',' + "2026-" + QByteArray::number(1 + i % 12) + '-' +
                 QByteArray::number(1 + i % 28) + ',' + QByteArray::number(100 + i % 900) + ".50,Landlord " +
                 QByteArray::number(i % 50) + ",\"Flat " + QByteArray::number(i % 7) + "\"\n";
        if (piece.size() > (1 << 20)) {
            if (file.write(piece) != piece.size())
                return false;
            piece.clear();
        }
    }
    return file.write(piece) == piece.size() && file.flush();
}

// The child processes: the preview's reading, and the baseline's.
int Preview(const QString& path)
{
    const DueCsv::Reading reading = DueCsv::ReadFile(path);
    return reading.ok && reading.lineCount == kLines ? 0 : 1;
}

int ReadOnly(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    QStringDecoder decoder(QStringDecoder::Utf8);
    qint64 chars = 0;
    while (!file.atEnd()) {
        const QString text = decoder(file.read(256 * 1024));
        chars += text.size();
    }
    return chars > 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--preview") == 0)
        return Preview(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], "--read") == 0)
        return ReadOnly(QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    // On /tmp unless told otherwise: a million small files want a fast disk.
    const QString base = qEnvironmentVariable("TALLYVANE_BENCH_DIR", QDir::tempPath());
    QTemporaryDir dir(base + QStringLiteral("/bench-import-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a folder under %s\n", qPrintable(base));
        return 1;
    }
    const QString csv = dir.filePath(QStringLiteral("dues.csv"));
    if (!WriteSample(csv)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(csv));
        return 1;
    }
    const std::string self = QCoreApplication::applicationFilePath().toStdString();
    const std::string file = csv.toStdString();
    const std::string folder = dir.filePath(QStringLiteral("data")).toStdString();
    QDir().mkpath(QString::fromStdString(folder));

    const Run baseline = RunMeasured({self, "--read", file});
    const Run preview = RunMeasured({self, "--preview", file});
    const Run import = RunMeasured({TALLYVANE_BIN, "import", "csv", file, "--workdir", folder});
    const qsizetype landed =
        QDir(DataFolder(QString::fromStdString(folder)).Path()).entryList({QStringLiteral("*.due")}).size();

    std::printf("CSV of %d dues, %.1f MB; %s\n", kLines, double(QFile(csv).size()) / (1024.0 * 1024.0),
                BenchReport::LoadAverage().c_str());
    std::printf("%-46s %8.1f MB %8.2f s\n", "reading the file alone (baseline)", baseline.peakMb,
                baseline.seconds);
    std::printf("%-46s %8.1f MB %8.2f s%s\n", "preview (DueCsv::ReadFile)", preview.peakMb, preview.seconds,
                preview.ok ? "" : "  FAILED");
    std::printf("%-46s %8.1f MB %8.2f s  %lld dues written%s\n", "tallyvane import csv", import.peakMb,
                import.seconds, static_cast<long long>(landed), import.ok ? "" : "  FAILED");
    BenchReport::Ratio("preview peak / baseline peak", preview.peakMb, baseline.peakMb,
                       kTargetMb / baseline.peakMb);
    BenchReport::Ratio("import peak / baseline peak", import.peakMb, baseline.peakMb,
                       kTargetMb / baseline.peakMb);
    BenchReport::Value("preview peak", preview.peakMb, "MB", kTargetMb);
    BenchReport::Value("import peak", import.peakMb, "MB", kTargetMb);
    return baseline.ok && preview.ok && import.ok && landed == kLines ? 0 : 1;
}
