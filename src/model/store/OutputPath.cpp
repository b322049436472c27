#include "model/store/OutputPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <sys/stat.h>

namespace OutputPath {

namespace {

// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(OutputPath)
};

// The folder a path's file lands in, links followed; empty when unknown.
QString CanonicalFolderOf(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return QFileInfo(info.canonicalFilePath()).absolutePath();
    // A dangling link writes where it points.
    if (info.isSymLink())
        return QFileInfo(info.symLinkTarget()).absoluteDir().canonicalPath();
    return info.absoluteDir().canonicalPath();
}

// True when a file of folder is the same file as st (another hard link to it).
bool SameFileInFolder(const QString& folder, const struct stat& target)
{
    const QByteArray dir = QFile::encodeName(folder);
    DIR* d = ::opendir(dir.constData());
    if (!d)
        return false;
    bool same = false;
    while (const dirent* e = ::readdir(d)) {
        struct stat st;
        if (::stat((dir + '/' + e->d_name).constData(), &st) == 0 && st.st_dev == target.st_dev &&
            st.st_ino == target.st_ino) {
            same = true;
            break;
        }
    }
    ::closedir(d);
    return same;
}

} // namespace

QString Refusal(const QString& path, const DataFolder& folder)
{
    if (path.isEmpty())
        return Texts::tr("no output file is given");
    if (folder.IsEmpty())
        return {};
    const QString data = QFileInfo(folder.Path()).canonicalFilePath();
    if (data.isEmpty())
        return {}; // no data folder yet: nothing in it to replace
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (info.exists() && QFileInfo(info.canonicalFilePath()).isDir())
        return Texts::tr("%1 is a folder").arg(shown);
    const QString into = CanonicalFolderOf(path);
    if (!into.isEmpty() && (into == data || into.startsWith(data + QLatin1Char('/'))))
        return Texts::tr("%1 is in the data folder %2; an export never writes there")
            .arg(shown, QDir::toNativeSeparators(folder.Path()));
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink > 1 &&
        SameFileInFolder(data, st))
        return Texts::tr("%1 is another name of a file in the data folder %2; an export never writes there")
            .arg(shown, QDir::toNativeSeparators(folder.Path()));
    return {};
}

} // namespace OutputPath
