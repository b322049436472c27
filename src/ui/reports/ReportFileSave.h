#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QWidget;

// Saves what the Reports view writes (a chart's image, its numbers, the
// report as PDF) the way every export saves: the file chooser of the Prompt
// seam, the suffix added when the name has none, never over a file of the
// data folder, written whole or not at all; a failure is said with the path.
namespace ReportFileSave {

// bytes is asked for only once a name was chosen. False when cancelled or failed.
bool Save(QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filter,
          const QString& suffix, const std::function<QByteArray()>& bytes);

// A file name from a title: letters, digits, blanks and dashes kept.
QString SuggestedName(const QString& title, const QString& suffix);

} // namespace ReportFileSave
