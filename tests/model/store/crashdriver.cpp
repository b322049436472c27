// A writing program for the crash tests: adds, finishes, changes and deletes
// dues and series through the store, as the window does, so that a test (or
// scripts/power-cut.sh) can kill it, or cut the power under it, at any moment
// and then check what is left.
//
//   tallyvane_crashdriver work DIR [--seed N] [--rounds N] [--no-lock]
//   tallyvane_crashdriver series DIR MEMBERS [--no-lock] [--die-at CALL N]
//   tallyvane_crashdriver add DIR COUNT [--no-lock]
//   tallyvane_crashdriver check DIR
//   tallyvane_crashdriver shutdown MOUNTPOINT
#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "model/store/SaveFile.h"
#include "recurrence/GenerateOccurrences.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRandomGenerator>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: tallyvane_crashdriver work|series|add|check|shutdown DIR [...]\n");
    return 2;
}

bool Open(const QString& workDir, bool lock)
{
    const DataFolder folder(workDir);
    if (!folder.Create()) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(folder.Path()));
        return false;
    }
    // A writer takes the folder's lock while it commits and finishes what
    // writers that are gone left behind; --no-lock writes without either.
    theDueStore.SetFolder(folder, lock);
    theDueStore.LoadAll();
    return true;
}

bool ReportErrors()
{
    const QStringList errors = theDueStore.TakeErrors();
    for (const QString& e : errors)
        std::fprintf(stderr, "error: %s\n", qPrintable(e));
    return errors.isEmpty();
}

// A new series the way the editor makes one: placeholders first, then every
// member completed at Finish in one batch.
QString MakeSeries(int members, const QString& title, double amount)
{
    RecurrencePattern p;
    p.m_nFrequency = RecurrencePattern::Day;
    p.m_strDailyInterval = QStringLiteral("1");
    p.m_dtRangeStart = COleDateTime(2030, 1, 1, 9, 0, 0);
    p.m_bEndAfter = true;
    p.m_strOccurrences = QString::number(members);
    const GeneratedSeries run = GenerateOccurrences(p, theDueStore);
    CDueStore::Batch batch;
    for (const QString& id : run.m_arrOccurrenceIds) {
        DueRecord member = theDueStore.GetDue(id);
        member.m_strTitle = title;
        member.m_dAmount = amount;
        member.m_dtDue = member.m_dtStart;
        (void)theDueStore.ReplaceDue(member);
    }
    return run.m_strSeriesId;
}

int Work(const QString& dir, quint32 seed, int rounds, bool lock)
{
    if (!Open(dir, lock))
        return 1;
    QRandomGenerator random(seed);
    for (int round = 0; round < rounds; ++round) {
        DueRecord single;
        single.m_strTitle = QStringLiteral("single %1").arg(round);
        single.m_dAmount = 1 + round;
        (void)theDueStore.AddDue(single);

        const int members = 50 + int(random.bounded(250));
        const QString series =
            MakeSeries(members, QStringLiteral("series %1 of %2").arg(round).arg(members), 5);

        // Rewrites of what is there: a whole series, a paid flag, a removal.
        QStringList ids;
        theDueStore.GetSeriesIds(series, ids);
        if (!ids.isEmpty()) {
            DueRecord edited = theDueStore.GetDue(ids.first());
            edited.m_strTitle += QStringLiteral(" (changed)");
            (void)theDueStore.ModifySeries(edited);
        }
        QStringList all;
        theDueStore.ForEach([&](const DueRecord& r) {
            if (r.m_strSeriesId.isEmpty())
                all << r.m_strRecId;
        });
        if (!all.isEmpty()) {
            DueRecord paid = theDueStore.GetDue(all.at(qsizetype(random.bounded(int(all.size())))));
            paid.m_bPaid = 1;
            (void)theDueStore.ReplaceDue(paid);
        }
        if (all.size() > 3)
            (void)theDueStore.RemoveDue(all.at(qsizetype(random.bounded(int(all.size())))), true);
        if (round % 3 == 2)
            (void)theDueStore.DeleteSeries(series);
        if (!ReportErrors())
            return 1;
        std::printf("round %d\n", round);
        std::fflush(stdout);
    }
    return 0;
}

int Check(const QString& dir)
{
    if (!Open(dir, true))
        return 1;
    const QStringList problems = theDueStore.LoadProblems();
    const QStringList swept = theDueStore.TakeSweptFiles();
    int zeroFilled = 0;
    for (const QString& p : problems) {
        if (p.contains(QStringLiteral("zero bytes")) || p.contains(QStringLiteral("is empty")))
            ++zeroFilled;
        std::printf("problem: %s\n", qPrintable(p));
    }
    // After the sweep only due files and the marker may stay.
    int debris = 0;
    for (const QString& name : QDir(theDueStore.Folder().Path()).entryList(QDir::Files | QDir::Hidden)) {
        if (!name.endsWith(QLatin1String(".due")) && name != QLatin1String("preferences.alm")) {
            ++debris;
            std::printf("debris: %s\n", qPrintable(name));
        }
    }
    int placeholders = 0;
    theDueStore.ForEach([&](const DueRecord& r) {
        if (r.m_strTitle.isEmpty() && r.m_dAmount == 0.0)
            ++placeholders;
    });
    // Every series is whole or absent: as many members as its title says,
    // all changed or none.
    QHash<QString, QList<DueRecord>> series;
    theDueStore.ForEach([&](const DueRecord& r) {
        if (!r.m_strSeriesId.isEmpty())
            series[r.m_strSeriesId] << r;
    });
    int whole = 0, partial = 0;
    for (auto it = series.cbegin(); it != series.cend(); ++it) {
        const QString title = it.value().first().m_strTitle;
        const QString count = title.section(QStringLiteral(" of "), -1, -1).section(QLatin1Char(' '), 0, 0);
        bool ok = count.toInt() == it.value().size();
        for (const DueRecord& r : it.value())
            ok = ok && r.m_strTitle == title;
        if (ok) {
            ++whole;
        } else {
            ++partial;
            std::printf("partial: series %s \"%s\" has %d member(s)\n", qPrintable(it.key()),
                        qPrintable(title), int(it.value().size()));
        }
    }
    for (const QString& note : theDueStore.TakeRecoveryNotes())
        std::printf("recovery: %s\n", qPrintable(note));
    std::printf("dues %d problems %d zero-filled %d swept %d debris %d placeholders %d series-whole %d "
                "series-partial %d\n",
                theDueStore.GetCount(), int(problems.size()), zeroFilled, int(swept.size()), debris,
                placeholders, whole, partial);
    return problems.isEmpty() && debris == 0 && placeholders == 0 && partial == 0 ? 0 : 1;
}

// Cuts the power under a mounted file system: it stops at once and its
// journal is not flushed, as if the machine lost power.
int Shutdown(const QString& mountPoint)
{
    constexpr unsigned long kShutdown = _IOR('X', 125, quint32); // FS_IOC_SHUTDOWN
    constexpr quint32 kNoLogFlush = 2;
    const int fd = ::open(QFile::encodeName(mountPoint).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) {
        std::perror("open");
        return 1;
    }
    quint32 flags = kNoLogFlush;
    const int rc = ::ioctl(fd, kShutdown, &flags);
    if (rc != 0)
        std::perror("shutdown");
    ::close(fd);
    return rc == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool lock = !args.removeAll(QStringLiteral("--no-lock"));
    if (args.size() < 2)
        return Usage();
    const QString command = args.at(0);
    const QString dir = args.at(1);
    if (command == QLatin1String("work")) {
        quint32 seed = 1;
        int rounds = 1000000;
        for (int i = 2; i + 1 < args.size(); i += 2) {
            if (args.at(i) == QLatin1String("--seed"))
                seed = args.at(i + 1).toUInt();
            else if (args.at(i) == QLatin1String("--rounds"))
                rounds = args.at(i + 1).toInt();
        }
        return Work(dir, seed, rounds, lock);
    }
    // --die-at CALL N: the process kills itself at the Nth system call CALL
    // of its saves ("journal", "rename", ...): a crash at the commit itself.
    const qsizetype dieAt = args.indexOf(QStringLiteral("--die-at"));
    if (dieAt >= 0 && dieAt + 2 < args.size()) {
        static QByteArray call;
        static int left = 0;
        call = args.at(dieAt + 1).toLatin1();
        left = args.at(dieAt + 2).toInt();
        args.remove(dieAt, 3);
        SaveFile::SetTrace([](const char* c, const QByteArray&) {
            if (call == c && --left == 0)
                ::raise(SIGKILL);
        });
    }
    if (command == QLatin1String("series") && args.size() == 3) {
        if (!Open(dir, lock))
            return 1;
        MakeSeries(args.at(2).toInt(),
                   QStringLiteral("series of pid %1 of %2").arg(app.applicationPid()).arg(args.at(2).toInt()),
                   7);
        return ReportErrors() ? 0 : 1;
    }
    if (command == QLatin1String("add") && args.size() == 3) {
        if (!Open(dir, lock))
            return 1;
        for (int i = 0; i < args.at(2).toInt(); ++i) {
            DueRecord r;
            r.m_strTitle = QStringLiteral("added by pid %1").arg(app.applicationPid());
            r.m_dAmount = 1;
            (void)theDueStore.AddDue(r);
        }
        return ReportErrors() ? 0 : 1;
    }
    if (command == QLatin1String("check"))
        return Check(dir);
    if (command == QLatin1String("shutdown"))
        return Shutdown(dir);
    return Usage();
}
