#include "AppletPrompt.h"

#include <QMessageBox>

namespace {
bool g_testMode = false;
QList<QPair<QString, QString>> g_shown;
} // namespace

namespace AppletPrompt {

void Message(QWidget* parent, const QString& text, const QString& caption)
{
    if (g_testMode) {
        g_shown.append({caption, text});
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

void SetTestMode(bool on)
{
    g_testMode = on;
    g_shown.clear();
}

QList<QPair<QString, QString>> TakeShown()
{
    QList<QPair<QString, QString>> shown = g_shown;
    g_shown.clear();
    return shown;
}

} // namespace AppletPrompt
