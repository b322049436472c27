#pragma once

#include "export/ExportRequest.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

// The headless commands:
//   tallyvane list --workdir DIR --month YYYY-MM [--filter all|paid|unpaid]
//   tallyvane export FORMAT --workdir DIR --month YYYY-MM [--filter ...] [--no-notes] --output FILE
namespace CommandLine {

// True when args (without the program name) name a headless command.
bool IsHeadlessCommand(const QStringList& args);

// Runs a headless command; returns the exit status (0 ok, 2 bad input or failure).
int Run(const QStringList& args, QTextStream& out, QTextStream& err);

// An export writes request.outputPath; false with a one-line reason on failure.
using ExportFunction = std::function<bool(const ExportRequest& request, QString* errorText)>;
// The exports known to the command line, by format name ("html", "pdf", ...).
QHash<QString, ExportFunction>& Exports();

// Escapes tabs, line breaks and backslashes for one tab-separated field.
QString EscapeField(const QString& text);

} // namespace CommandLine
