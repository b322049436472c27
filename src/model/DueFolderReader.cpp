#include "model/DueFolderReader.h"

#include "model/DataFolder.h"
#include "model/DueFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <thread>
#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <vector>

namespace {

// The bytes of one due file, or why they could not be read.
struct RawFile
{
    QByteArray bytes;
    QString problem;
};

void ReadRaw(const QString& path, RawFile& out)
{
#ifdef Q_OS_UNIX
    // Plain system calls: the load of a large folder is little more than
    // these, so no layer is put between them.
    const QByteArray local = QFile::encodeName(path);
    const int fd = ::open(local.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        out.problem = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    char buf[4096];
    QByteArray bytes;
    for (;;) {
        const ssize_t got = ::read(fd, buf, sizeof buf);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            out.problem = QString::fromLocal8Bit(std::strerror(errno));
            ::close(fd);
            return;
        }
        if (got == 0)
            break;
        if (bytes.size() + got > DueFile::kMaxDueFileSize) {
            out.problem = QStringLiteral("the file is too large to be a due");
            ::close(fd);
            return;
        }
        bytes.append(buf, qsizetype(got));
    }
    ::close(fd);
    out.bytes = std::move(bytes);
#else
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        out.problem = file.errorString();
        return;
    }
    if (file.size() > DueFile::kMaxDueFileSize) {
        out.problem = QStringLiteral("the file is too large to be a due");
        return;
    }
    out.bytes = file.readAll();
#endif
}

} // namespace

QStringList DueFolderReader::ListDueFiles(const QString& folder)
{
#ifdef Q_OS_UNIX
    QStringList names;
    DIR* d = ::opendir(QFile::encodeName(folder).constData());
    if (!d)
        return names;
    const QByteArray prefix = QFile::encodeName(folder) + '/';
    while (const dirent* e = ::readdir(d)) {
        const size_t len = std::strlen(e->d_name);
        if (len < 4 || std::memcmp(e->d_name + len - 4, ".due", 4) != 0)
            continue;
        bool regular = e->d_type == DT_REG;
        if (e->d_type == DT_UNKNOWN || e->d_type == DT_LNK) {
            struct stat st;
            regular = ::stat((prefix + e->d_name).constData(), &st) == 0 && S_ISREG(st.st_mode);
        }
        if (regular)
            names << QFile::decodeName(e->d_name);
    }
    ::closedir(d);
    names.sort();
    return names;
#else
    return QDir(folder).entryList({QStringLiteral("*.due")}, QDir::Files | QDir::Hidden | QDir::System,
                                  QDir::Name);
#endif
}

namespace {

// Parses what ReadRaw read; an empty string when the record is sound.
QString ParseRaw(const RawFile& raw, DueRecord& record)
{
    if (!raw.problem.isEmpty())
        return raw.problem;
    QString why;
    if (!DueFile::Parse(raw.bytes, record, &why))
        return why;
    // The identifier names the file that Delete removes: it must stay a plain name.
    if (!IsSafeRecordId(record.m_strRecId))
        return QStringLiteral("the record identifier is not usable");
    return {};
}

} // namespace

qsizetype DueFolderReader::ReadFolder(const QString& folder, const RecordFn& onRecord)
{
    return ReadFolder(folder,
                      [&onRecord](DueRecord&& record, const QString&) { onRecord(std::move(record)); });
}

qsizetype DueFolderReader::ReadFolder(const QString& folder, const NamedRecordFn& onRecord)
{
    const QDir dir(folder);
    // Name order keeps loading repeatable: the later of two files with one
    // identifier wins, and the walk order depends on the order of insertion.
    const QStringList names = ListDueFiles(dir.path());

    // Reading is mostly waiting for the file system, so two threads read the
    // bytes; parsing stays on this thread, where the records will live.
    std::vector<RawFile> raw(size_t(names.size()));
    auto read = [&](size_t from, size_t to) {
        for (size_t i = from; i < to; ++i)
            ReadRaw(dir.filePath(names.at(qsizetype(i))), raw[i]);
    };
    const size_t n = raw.size();
    if (n >= 64) {
        std::thread helper(read, n / 2, n);
        read(0, n / 2);
        helper.join();
    } else {
        read(0, n);
    }
    for (size_t i = 0; i < n; ++i) {
        DueRecord record(Qt::Uninitialized);
        const QString problem = ParseRaw(raw[i], record);
        raw[i] = RawFile();
        if (problem.isEmpty())
            onRecord(std::move(record), names.at(qsizetype(i)));
        else
            m_problems << QStringLiteral("%1: %2").arg(names.at(qsizetype(i)), problem);
    }
#ifdef __GLIBC__
    // The file buffers are gone; hand their pages back instead of keeping them.
    malloc_trim(0);
#endif
    return qsizetype(n);
}

bool DueFolderReader::ReadFile(const QString& path, DueRecord& record)
{
    RawFile raw;
    ReadRaw(path, raw);
    const QString problem = ParseRaw(raw, record);
    if (!problem.isEmpty()) {
        m_problems << QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), problem);
        return false;
    }
    return true;
}
