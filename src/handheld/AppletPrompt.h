#pragma once

#include <QList>
#include <QPair>
#include <QString>

class QWidget;

// Every message box of the applet goes through here, so tests can record the
// messages instead of facing a modal window.
namespace AppletPrompt {

// A message with an OK button.
void Message(QWidget* parent, const QString& text, const QString& caption);

// --- for tests ---
// While on, messages are recorded (caption, text) instead of shown.
void SetTestMode(bool on);
QList<QPair<QString, QString>> TakeShown();

} // namespace AppletPrompt
