#include "app/DataCommands.h"

#include "export/DueCsv.h"
#include "model/store/CDueStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace DataCommands {

namespace {

// Named as its translation context, so that lupdate files the texts under
// it even where it loses track of the scope (after a qualified return type).
struct DataCommandsText
{
    Q_DECLARE_TR_FUNCTIONS(DataCommandsText)
};

using CommandLine::Fail;

} // namespace

QString CheckImportArguments(const QStringList& arguments)
{
    if (arguments.value(0) != QLatin1String("csv"))
        return DataCommandsText::tr("import needs a format: csv");
    if (arguments.size() < 2)
        return DataCommandsText::tr("import csv needs the FILE to read");
    if (arguments.size() > 2)
        return DataCommandsText::tr("import takes one file, not \"%1\" as well").arg(arguments.at(2));
    return {};
}

CommandLine::Outcome RunImport(const CommandLine::Invocation& call)
{
    const QString file = call.arguments.at(1);
    // Read the file before the folder is touched: a file that cannot be used changes nothing.
    const DueCsv::Reading reading = DueCsv::ReadFile(file);
    if (!reading.ok)
        return Fail(call.err, reading.error);
    if (!CommandLine::OpenFolderForWriting(call.parser.value(QStringLiteral("workdir")), call.err))
        return 2;

    if (reading.encoding == DueCsv::Encoding::Windows1252)
        call.err << "tallyvane: " << QDir::toNativeSeparators(file) << ": "
                 << DataCommandsText::tr("not UTF-8: taken as Windows-1252 text") << '\n';
    // The file is read a second time as the dues go in: each refused line is
    // said as it comes, and nothing of a large file is held whole.
    QString readError;
    const qint64 added = DueCsv::ImportAll(
        reading, theDueStore,
        [&](const DueCsv::Rejected& r) {
            call.err << "tallyvane: " << QDir::toNativeSeparators(file) << ':' << r.lineNumber << ": "
                     << DataCommandsText::tr("rejected: %1").arg(r.reason) << '\n';
        },
        &readError);
    QStringList writeErrors = theDueStore.TakeErrors();
    if (!readError.isEmpty())
        writeErrors.prepend(readError);
    for (const QString& e : writeErrors)
        call.err << "tallyvane: " << e << '\n';
    call.err.flush();
    call.out << DataCommandsText::tr("imported %n due(s)", nullptr, int(added)) << ", "
             << DataCommandsText::tr("rejected %n line(s)", nullptr, int(reading.rejectedCount)) << '\n';
    call.out.flush();
    if (!writeErrors.isEmpty())
        return 2;
    return reading.rejectedCount == 0 ? 0 : 1;
}

} // namespace DataCommands
