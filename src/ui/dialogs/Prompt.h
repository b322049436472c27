#pragma once

#include <QList>
#include <QMessageBox>
#include <QPair>
#include <QString>
#include <QStringList>

class QWidget;

// Every message box, question and file dialog of the program goes through
// here, so tests can queue the answers instead of facing a modal window.
namespace Prompt {

// Shows a message (OK only). icon: Information, Warning or Critical.
void Message(QWidget* parent, const QString& text, QMessageBox::Icon icon = QMessageBox::Warning,
             const QString& title = {});

// A message about many items (files that could not be read or written): a
// short summary with the count, and the items in a scrollable detail area,
// so the box never grows taller than the screen. With few items they are
// listed in the text itself. Tests record summary and items as one text.
void Report(QWidget* parent, const QString& summary, const QStringList& items,
            QMessageBox::Icon icon = QMessageBox::Warning, const QString& title = {});

// Asks a question; buttons e.g. Yes | No | Cancel. Returns the button pressed.
QMessageBox::StandardButton Question(QWidget* parent, const QString& text,
                                     QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
                                     const QString& title = {});

// A question whose buttons say what they do: labels gives each standard
// button its text; details (when not empty) go to the box's detail area.
QMessageBox::StandardButton Choice(QWidget* parent, const QString& text, const QString& details,
                                   const QList<QPair<QMessageBox::StandardButton, QString>>& labels,
                                   QMessageBox::StandardButton defaultButton, const QString& title = {});

// File and folder choosers; an empty string means cancelled.
QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                     const QString& filter);
QString OpenFileName(QWidget* parent, const QString& caption, const QString& start, const QString& filter);
QString ExistingDirectory(QWidget* parent, const QString& caption, const QString& start = {});

// --- for tests ---
// Queues the answer of the next Question (messages are answered by themselves).
void SetNextAnswer(QMessageBox::StandardButton answer);
// Queues the result of the next file or folder chooser (empty = cancelled).
void SetNextFileName(const QString& fileName);
// While enabled, nothing modal is shown: questions take queued answers (or the
// default button), choosers take queued names (or cancel), and every message
// text is recorded.
void SetTestMode(bool on);
bool IsTestMode();
// Texts of the messages and questions shown since the last call.
QStringList TakeShownTexts();

} // namespace Prompt
