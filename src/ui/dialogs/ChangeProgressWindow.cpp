#include "ui/dialogs/ChangeProgressWindow.h"

#include "ui/skinui/GuiDrawLayer.h"

#include <QApplication>
#include <QProgressDialog>

#include <climits>

ChangeProgressWindow::ChangeProgressWindow(QWidget* parent, const QString& text, qint64 total)
{
    if (total <= kThreshold) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_waitCursor = true;
        return;
    }
    m_dialog =
        std::make_unique<QProgressDialog>(text, QApplication::translate("ChangeProgressWindow", "Cancel"), 0,
                                          int(qMin<qint64>(total, INT_MAX)), parent);
    m_dialog->setObjectName(QStringLiteral("changeProgress"));
    m_dialog->setWindowTitle(QApplication::applicationDisplayName());
    GuiDrawLayer::ApplyFace(m_dialog.get());
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(400);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setValue(0);
}

ChangeProgressWindow::~ChangeProgressWindow()
{
    if (m_waitCursor)
        QApplication::restoreOverrideCursor();
}

ChangeProgress ChangeProgressWindow::Callback()
{
    QProgressDialog* dialog = m_dialog.get();
    if (!dialog)
        return {};
    return [dialog](qsizetype done, qsizetype total) {
        // Every few dues: the window keeps up and Cancel is heard, without
        // the change waiting for the screen.
        if (done % 25 == 0 || done == total)
            dialog->setValue(int(qMin<qsizetype>(done, INT_MAX)));
        return !dialog->wasCanceled();
    };
}

bool ChangeProgressWindow::WasCancelled() const
{
    return m_dialog && m_dialog->wasCanceled();
}

QProgressDialog* ChangeProgressWindow::Dialog() const
{
    return m_dialog.get();
}
