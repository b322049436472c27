#include "model/store/Identifiers.h"

#include "model/base/Clock.h"

#include <QRandomGenerator>
#include <QSettings>

#include <atomic>

namespace {
std::atomic<int> g_singleNumber{10};
} // namespace

void SetSingleDueNumber(int n)
{
    g_singleNumber = n >= 10 && n <= 99 ? n : 10;
}

int InstallationNumber()
{
    QSettings settings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane"));
    bool ok = false;
    int n = settings.value(QStringLiteral("Identifiers/Number")).toInt(&ok);
    if (!ok || n < 10 || n > 99) {
        n = 10 + int(QRandomGenerator::global()->bounded(90));
        settings.setValue(QStringLiteral("Identifiers/Number"), n);
        settings.sync();
    }
    return n;
}

QString MakeRecordId(int n, const QDateTime& when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    return QString::asprintf("%04d%02d%02d%02d%02d%02d%02d", d.year(), d.month(), d.day(), t.hour(),
                             t.minute(), t.second(), n == 0 ? g_singleNumber.load() : n);
}

QString MakeRecordId(int n)
{
    return MakeRecordId(n, Clock::Now());
}

QString MakeSeriesId(const QDateTime& when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    return QString::asprintf("%s%04d%02d%02d%02d%02d%02d", "recId", d.year(), d.month(), d.day(), t.hour(),
                             t.minute(), t.second());
}

QString MakeSeriesId()
{
    return MakeSeriesId(Clock::Now());
}
