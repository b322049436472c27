#pragma once

#include <QDate>
#include <QString>

class QWidget;

// The new and modify flows of the main window: they run the editor, write the
// changes through theDueStore and say whether anything changed (the caller
// then refreshes the shown month). A long series is written with a progress
// window; a series that could not be written whole is said here, once.
namespace DueEditFlows {

// Runs the new-due wizard; true when dues were added. newId receives the new
// due (the first of a new series), or stays empty. A valid dueDate starts the
// wizard on that day (at midnight, starting no later than that).
bool NewDue(QWidget* parent, QString* newId = nullptr, const QDate& dueDate = QDate());

// Runs the modify sheet for the due (asking about the whole series for a
// member of one); true when anything was written.
bool ModifyDue(QWidget* parent, const QString& recId);

} // namespace DueEditFlows
