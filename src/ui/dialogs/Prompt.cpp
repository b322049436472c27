#include "ui/dialogs/Prompt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QQueue>

namespace {
bool g_testMode = false;
QQueue<QMessageBox::StandardButton> g_answers;
QQueue<QString> g_fileNames;
QStringList g_shown;

QString AppTitle(const QString& title)
{
    return title.isEmpty() ? QStringLiteral("Tallyvane") : title;
}
} // namespace

namespace Prompt {

void Message(QWidget* parent, const QString& text, QMessageBox::Icon icon, const QString& title)
{
    if (g_testMode) {
        g_shown << text;
        return;
    }
    QMessageBox box(icon, AppTitle(title), text, QMessageBox::Ok, parent);
    box.exec();
}

void Report(QWidget* parent, const QString& summary, const QStringList& items, QMessageBox::Icon icon,
            const QString& title)
{
    // Up to this many items fit in the text without making the box tall.
    constexpr int kInlineItems = 5;
    const bool inlineItems = items.size() <= kInlineItems;
    const QString text = inlineItems && !items.isEmpty()
                             ? summary + QStringLiteral("\n\n") + items.join(QLatin1Char('\n'))
                             : summary;
    if (g_testMode) {
        g_shown << (inlineItems ? text : summary + QStringLiteral("\n\n") + items.join(QLatin1Char('\n')));
        return;
    }
    QMessageBox box(icon, AppTitle(title), text, QMessageBox::Ok, parent);
    if (!inlineItems) {
        box.setInformativeText(QApplication::translate("Prompt", "%n item(s) in all; see the details.",
                                                       nullptr, int(items.size())));
        box.setDetailedText(items.join(QLatin1Char('\n')));
    }
    box.exec();
}

QMessageBox::StandardButton Question(QWidget* parent, const QString& text,
                                     QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton defaultButton, const QString& title)
{
    if (g_testMode) {
        g_shown << text;
        if (!g_answers.isEmpty())
            return g_answers.dequeue();
        return defaultButton;
    }
    QMessageBox box(QMessageBox::Question, AppTitle(title), text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    const int result = box.exec();
    return static_cast<QMessageBox::StandardButton>(result);
}

QMessageBox::StandardButton Choice(QWidget* parent, const QString& text, const QString& details,
                                   const QList<QPair<QMessageBox::StandardButton, QString>>& labels,
                                   QMessageBox::StandardButton defaultButton, const QString& title)
{
    if (g_testMode) {
        g_shown << (details.isEmpty() ? text : text + QLatin1Char('\n') + details);
        if (!g_answers.isEmpty())
            return g_answers.dequeue();
        return defaultButton;
    }
    QMessageBox::StandardButtons buttons;
    for (const auto& label : labels)
        buttons |= label.first;
    QMessageBox box(QMessageBox::Question, AppTitle(title), text, buttons, parent);
    for (const auto& label : labels)
        if (!label.second.isEmpty())
            box.button(label.first)->setText(label.second);
    if (!details.isEmpty())
        box.setDetailedText(details);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter)
{
    if (g_testMode)
        return g_fileNames.isEmpty() ? QString() : g_fileNames.dequeue();
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

QString OpenFileName(QWidget* parent, const QString& caption, const QString& start, const QString& filter)
{
    if (g_testMode)
        return g_fileNames.isEmpty() ? QString() : g_fileNames.dequeue();
    return QFileDialog::getOpenFileName(parent, caption, start, filter);
}

QString ExistingDirectory(QWidget* parent, const QString& caption, const QString& start)
{
    if (g_testMode)
        return g_fileNames.isEmpty() ? QString() : g_fileNames.dequeue();
    return QFileDialog::getExistingDirectory(parent, caption, start);
}

void SetNextAnswer(QMessageBox::StandardButton answer)
{
    g_answers.enqueue(answer);
}

void SetNextFileName(const QString& fileName)
{
    g_fileNames.enqueue(fileName);
}

void SetTestMode(bool on)
{
    g_testMode = on;
    if (!on) {
        g_answers.clear();
        g_fileNames.clear();
    }
}

bool IsTestMode()
{
    return g_testMode;
}

QStringList TakeShownTexts()
{
    QStringList shown = g_shown;
    g_shown.clear();
    return shown;
}

} // namespace Prompt
