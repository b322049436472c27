#include "app/ConflictCommands.h"

#include "app/WriteCommands.h"
#include "model/store/CDueStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace ConflictCommands {

namespace {

struct ConflictCommandsText
{
    Q_DECLARE_TR_FUNCTIONS(ConflictCommandsText)
};

using CommandLine::Fail;

const QString kWorkDir = QStringLiteral("workdir");
const QString kKeep = QStringLiteral("keep");
const QString kBoth = QStringLiteral("both");

QCommandLineOption WorkDir()
{
    return QCommandLineOption(kWorkDir, ConflictCommandsText::tr("The working directory that holds the dues"),
                              QStringLiteral("DIR"));
}

QString ModifiedText(const QDateTime& when)
{
    return when.isValid() ? when.toLocalTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) : QString();
}

// The file name a --keep value names: a name of the data folder, or a path
// to a file in it.
bool KeptName(const QString& value, QString& name, QTextStream& err)
{
    if (!value.contains(QLatin1Char('/'))) {
        name = value;
        return true;
    }
    const QFileInfo given(value);
    const QString dir = QFileInfo(given.absolutePath()).canonicalFilePath();
    if (dir.isEmpty() || dir != QFileInfo(theDueStore.Folder().Path()).canonicalFilePath()) {
        Fail(err, ConflictCommandsText::tr("%1 is not a file of the data folder %2")
                      .arg(value, QDir::toNativeSeparators(theDueStore.Folder().Path())));
        return false;
    }
    name = given.fileName();
    return true;
}

} // namespace

QList<QCommandLineOption> ConflictsOptions()
{
    return {WorkDir(), WriteCommands::FormatOption()};
}

QList<QCommandLineOption> ResolveOptions()
{
    return {WorkDir(),
            QCommandLineOption(kKeep,
                               ConflictCommandsText::tr("The file whose version becomes the due, or "
                                                        "both to keep every version as a due"),
                               QStringLiteral("FILE|both"))};
}

QString CheckResolveArguments(const QStringList& arguments)
{
    return arguments.size() != 1 ? ConflictCommandsText::tr("resolve needs exactly one identifier")
                                 : QString();
}

QString ConflictsDetails()
{
    return ConflictCommandsText::tr(
        "One line per file, tab-separated: identifier, file, when the file was changed, then the due as list "
        "prints it. The file listed as the due comes first.");
}

QString ResolveDetails()
{
    return ConflictCommandsText::tr(
        "--keep FILE writes that version to the due's own file and removes the others; --keep both keeps "
        "every other version as a due of its own under a new identifier (a member of a series in a series "
        "of its own) and removes its file.");
}

CommandLine::Outcome RunConflicts(const CommandLine::Invocation& call)
{
    bool json = false;
    if (!WriteCommands::ReadFormat(call.parser.value(QStringLiteral("format")), json, call.err))
        return 2;
    if (!CommandLine::OpenFolderForReading(call.parser.value(kWorkDir), call.err, false))
        return 2;
    QJsonArray array;
    for (const DueConflict& conflict : theDueStore.Conflicts()) {
        const QList<ConflictVersion> versions = theDueStore.ConflictVersions(conflict.recId);
        if (versions.size() < 2)
            continue; // a copy unreadable now: no choice to offer
        QJsonArray files;
        for (const ConflictVersion& v : versions) {
            if (json) {
                QJsonObject o = WriteCommands::DueJson(v.record);
                o.insert(QStringLiteral("file"), v.file);
                o.insert(QStringLiteral("listed"), v.listed);
                o.insert(QStringLiteral("modified"), ModifiedText(v.modified));
                files.append(o);
                continue;
            }
            const QString line = WriteCommands::DueLine(v.record);
            call.out << line.section(QLatin1Char('\t'), 0, 0) << '\t' << CommandLine::EscapeField(v.file)
                     << '\t' << ModifiedText(v.modified) << '\t' << line.section(QLatin1Char('\t'), 1)
                     << '\n';
        }
        if (json) {
            QJsonObject o;
            o.insert(QStringLiteral("id"), conflict.recId);
            o.insert(QStringLiteral("files"), files);
            array.append(o);
        }
    }
    if (json)
        call.out << QJsonDocument(array).toJson(QJsonDocument::Indented);
    call.out.flush();
    return 0;
}

CommandLine::Outcome RunResolve(const CommandLine::Invocation& call)
{
    const QString id = call.arguments.first();
    const QString keep = call.parser.value(kKeep);
    if (!CommandLine::OpenFolderForWriting(call.parser.value(kWorkDir), call.err, false))
        return 2;
    const QList<ConflictVersion> versions = theDueStore.ConflictVersions(id);
    if (versions.size() < 2) {
        if (!theDueStore.Contains(id))
            return Fail(call.err, ConflictCommandsText::tr("no due with the identifier %1").arg(id));
        return Fail(call.err,
                    ConflictCommandsText::tr("%1 is held by one file only: nothing to resolve").arg(id));
    }
    QStringList kept;
    if (keep == kBoth) {
        const QStringList added = theDueStore.KeepAllVersions(id, versions);
        if (!added.isEmpty())
            kept << id << added;
    } else {
        QString name;
        if (!KeptName(keep, name, call.err))
            return 2;
        QStringList names;
        for (const ConflictVersion& v : versions)
            names << v.file;
        if (!names.contains(name))
            return Fail(call.err, ConflictCommandsText::tr("%1 is not a version of %2; its files are: %3")
                                      .arg(name, id, names.join(QStringLiteral(", "))));
        if (theDueStore.KeepVersion(id, name, versions))
            kept << id;
    }
    for (const QString& due : std::as_const(kept))
        call.out << due << '\n';
    call.out.flush();
    return WriteCommands::ReportErrors(call.err);
}

} // namespace ConflictCommands
