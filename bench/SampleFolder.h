#pragma once

// Data folders of sample dues for the benchmarks that read or show them.

#include "model/store/DueFile.h"
#include "model/store/DueRecord.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <map>
#include <memory>

namespace SampleFolder {

// Due number i: every field filled, with notes, paid dues and series members
// among them.
inline DueRecord Sample(int i)
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

// The working directory of a data folder of `count` sample dues, written once
// per run and on the disk before it is read (so that a cold read finds clean
// pages to drop). Removed when the program ends.
inline QString WorkDir(int count)
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
        const int fd = ::open(QFile::encodeName(data).constData(), O_RDONLY | O_DIRECTORY);
        if (fd >= 0) {
            ::syncfs(fd);
            ::close(fd);
        }
    }
    return dir->path();
}

} // namespace SampleFolder
