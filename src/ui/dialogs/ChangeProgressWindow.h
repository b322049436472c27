#pragma once

#include "model/store/CDueStore.h"

#include <QPointer>
#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

// Progress of a change to many dues (a series written, changed or deleted),
// as the store's ChangeProgress. Beyond a few hundred dues a progress window
// with Cancel comes up once the change takes a moment; a short change only
// shows the wait cursor. Cancel stops the change between two dues.
class ChangeProgressWindow
{
public:
    // text: what is being done, e.g. "Deleting the dues of the series...".
    ChangeProgressWindow(QWidget* parent, const QString& text, qint64 total);
    ~ChangeProgressWindow();
    ChangeProgressWindow(const ChangeProgressWindow&) = delete;
    ChangeProgressWindow& operator=(const ChangeProgressWindow&) = delete;

    // For the store: reports done of total; false once Cancel was pressed.
    ChangeProgress Callback();
    bool WasCancelled() const;
    // The window, while there is one (long changes only).
    QProgressDialog* Dialog() const;

    // Changes of more dues than this get the window.
    static constexpr qint64 kThreshold = 300;

private:
    std::unique_ptr<QProgressDialog> m_dialog;
    bool m_waitCursor = false;
};
