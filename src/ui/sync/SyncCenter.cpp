#include "ui/sync/SyncCenter.h"

#include "export/IcsExport.h"
#include "model/store/CDueStore.h"
#include "sync/SyncPassword.h"
#include "ui/dialogs/Prompt.h"
#include "ui/sync/CSyncConflictDlg.h"

#include <QApplication>
#include <QLocale>
#include <QProgressDialog>
#include <QTime>
#include <QToolButton>

SyncCenter::SyncCenter(CDueStore& store, QWidget* window)
    : QObject(window), m_store(store), m_window(window), m_engine(new SyncEngine(store, this)),
      m_indicator(new QToolButton(window))
{
    m_indicator->setObjectName(QStringLiteral("CalendarSyncState"));
    m_indicator->setAutoRaise(true);
    m_indicator->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_indicator->setAccessibleName(tr("Calendar sync"));
    m_indicator->hide();
    connect(m_indicator, &QToolButton::clicked, this, [this] {
        if (!m_conflicts.isEmpty())
            ShowConflicts();
        else
            SyncNow();
    });
    m_soon.setSingleShot(true);
    connect(&m_soon, &QTimer::timeout, this, &SyncCenter::Start);
    m_every.setInterval(kEveryMs);
    connect(&m_every, &QTimer::timeout, this, &SyncCenter::Start);
    connect(m_engine, &SyncEngine::progress, this, &SyncCenter::OnProgress);
    connect(m_engine, &SyncEngine::finished, this, &SyncCenter::OnFinished);
}

void SyncCenter::Reload()
{
    m_engine->Cancel();
    m_account = CalDavAccount::Load(m_store.Folder());
    m_password.clear();
    m_passwordMissing = false;
    m_lastError.clear();
    m_shownConflicts.clear();
    m_conflicts.clear();
    m_keepHere.clear();
    m_indicator->setVisible(HasAccount());
    if (!HasAccount()) {
        m_soon.stop();
        m_every.stop();
        return;
    }
    ShowState(tr("Calendar"), m_account.calendar.toDisplayString());
    m_every.start();
    ScheduleSoon();
}

void SyncCenter::SetHeld(bool held)
{
    m_held = held;
    if (held)
        m_engine->Cancel(); // the dues it read are being replaced
    else if (HasAccount())
        ScheduleSoon();
}

void SyncCenter::ScheduleSoon()
{
    if (!HasAccount())
        return;
    if (m_engine->IsRunning()) {
        m_again = true;
        return;
    }
    if (!m_soon.isActive())
        m_soon.start(kAfterChangeMs);
}

void SyncCenter::SyncNow()
{
    m_soon.stop();
    Start();
}

void SyncCenter::Start()
{
    if (!HasAccount() || m_starting)
        return;
    if (m_engine->IsRunning()) {
        m_again = true;
        return;
    }
    // Not while the dues are being read, nor while a dialog may change them.
    if (m_held || QApplication::activeModalWidget()) {
        m_soon.start(kAfterChangeMs);
        return;
    }
    if (m_password.isEmpty())
        m_password = m_sessionPassword;
    if (m_password.isEmpty()) {
        m_starting = true;
        QString why;
        const bool read = SyncPassword::Read(m_account.KeyringKey(), &m_password, &why);
        m_starting = false;
        if (!read) {
            ShowState(
                tr("Calendar: no password"),
                tr("The password for %1 could not be read from the keyring: %2. Set it in Preferences > "
                   "Calendar Sync.")
                    .arg(m_account.KeyringKey(), why));
            if (!m_passwordMissing)
                Prompt::Message(m_window,
                                tr("The calendar sync has no password for %1: %2. Set it in Preferences > "
                                   "Calendar Sync.")
                                    .arg(m_account.KeyringKey(), why),
                                QMessageBox::Warning);
            m_passwordMissing = true;
            return;
        }
    }
    SyncTarget target;
    target.calendar = m_account.calendar;
    target.user = m_account.user;
    target.password = m_password;
    target.kind = m_account.events ? CalendarComponent::Event : CalendarComponent::Task;
    target.leadDays = IcsExport::ReminderLeadDays();
    target.locale = QLocale();
    target.keepHere = m_keepHere;
    target.mayWriteHere = [] { return QApplication::activeModalWidget() == nullptr; };
    m_keepHere.clear();
    ShowState(tr("Calendar: syncing..."), m_account.calendar.toDisplayString());
    m_engine->Start(target);
}

void SyncCenter::OnProgress(qsizetype done, qsizetype total)
{
    if (total <= kProgressThreshold)
        return;
    if (!m_progress) {
        m_progress =
            new QProgressDialog(tr("Sending the dues to the calendar %1...").arg(m_account.calendarName),
                                tr("Cancel"), 0, int(total), m_window);
        m_progress->setObjectName(QStringLiteral("CalendarSyncProgress"));
        m_progress->setWindowModality(Qt::NonModal); // the dues stay at hand meanwhile
        m_progress->setAttribute(Qt::WA_DeleteOnClose);
        m_progress->setMinimumDuration(500);
        m_progress->setAutoClose(false);
        m_progress->setAutoReset(false);
        connect(m_progress, &QProgressDialog::canceled, m_engine, &SyncEngine::Cancel);
    }
    m_progress->setMaximum(int(total));
    m_progress->setValue(int(done));
    ShowState(tr("Calendar: syncing %1 of %2...")
                  .arg(QLocale().toString(qint64(done)), QLocale().toString(qint64(total))),
              m_account.calendar.toDisplayString());
}

void SyncCenter::OnFinished()
{
    if (m_progress)
        m_progress->close();
    const SyncResult& r = m_engine->Result();
    if (!r.takenHere.isEmpty())
        emit duesChanged();
    if (!r.goneThere.isEmpty())
        Prompt::Report(m_window,
                       tr("%n due(s) were deleted on the calendar server; they stay here:", nullptr,
                          int(r.goneThere.size())),
                       r.goneThere, QMessageBox::Information);
    const QString where = m_account.calendar.toDisplayString();
    const QString time = QLocale().toString(QTime::currentTime(), QLocale::ShortFormat);
    m_conflicts = r.conflicts;
    switch (r.status) {
    case SyncResult::Status::InStep:
        m_lastError.clear();
        if (r.waiting > 0)
            ShowState(tr("Calendar: %n change(s) wait", nullptr, int(r.waiting)), where);
        else
            ShowState(tr("Calendar: in step at %1").arg(time), where);
        break;
    case SyncResult::Status::Conflicts: {
        m_lastError.clear();
        ShowState(tr("Calendar: %n conflict(s)", nullptr, int(r.conflicts.size())),
                  tr("Changed here and on the server: click to choose what to keep."));
        bool fresh = false;
        for (const SyncConflict& c : r.conflicts)
            fresh = !m_shownConflicts.contains(c.recId + QLatin1Char('/') +
                                               QString::fromLatin1(c.server.signature)) ||
                    fresh;
        if (fresh)
            ShowConflicts();
        break;
    }
    case SyncResult::Status::Offline:
        ShowState(tr("Calendar: offline, %n change(s) wait", nullptr, int(r.waiting)), r.error);
        m_soon.start(kOfflineRetryMs);
        break;
    case SyncResult::Status::Cancelled:
        ShowState(tr("Calendar: stopped, %n change(s) wait", nullptr, int(r.waiting)), where);
        break;
    case SyncResult::Status::Failed:
        ShowState(tr("Calendar: not in step"), r.error);
        if (r.error != m_lastError) {
            m_lastError = r.error;
            Prompt::Message(m_window,
                            tr("The calendar sync with %1 failed. %2 Nothing was lost; it is tried again.")
                                .arg(where, r.error),
                            QMessageBox::Warning);
        }
        break;
    }
    if (m_again) {
        m_again = false;
        ScheduleSoon();
    }
}

void SyncCenter::ShowConflicts()
{
    if (m_conflicts.isEmpty() || m_window->findChild<CSyncConflictDlg*>())
        return;
    for (const SyncConflict& c : m_conflicts)
        m_shownConflicts.insert(c.recId + QLatin1Char('/') + QString::fromLatin1(c.server.signature));
    auto* dlg = new CSyncConflictDlg(m_conflicts, m_window);
    dlg->setAttribute(Qt::WA_DeleteOnClose);
    connect(dlg, &QDialog::accepted, this, [this, dlg] {
        const QHash<QString, bool> choices = dlg->Choices();
        if (choices.isEmpty())
            return;
        m_keepHere.insert(choices);
        ScheduleSoon();
    });
    dlg->open();
}

void SyncCenter::ShowState(const QString& text, const QString& tip)
{
    m_indicator->setText(text);
    m_indicator->setToolTip(tip);
    // What a screen reader says: what it is, then its state.
    m_indicator->setAccessibleName(tr("Calendar sync: %1").arg(text));
}
