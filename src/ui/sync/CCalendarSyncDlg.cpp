#include "ui/sync/CCalendarSyncDlg.h"

#include "sync/SyncPassword.h"
#include "ui/dialogs/Prompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

enum Role
{
    UrlRole = Qt::UserRole,
    TasksRole,
    EventsRole,
};

} // namespace

CCalendarSyncDlg::CCalendarSyncDlg(const DataFolder& folder, QWidget* parent)
    : QDialog(parent), m_folder(folder), m_account(CalDavAccount::Load(folder)),
      m_discovery(new CalDavDiscovery(this)), m_enabled(new QCheckBox(this)), m_server(new QLineEdit(this)),
      m_user(new QLineEdit(this)), m_password(new QLineEdit(this)), m_find(new QPushButton(this)),
      m_calendars(new QComboBox(this)), m_newName(new QLineEdit(this)), m_create(new QPushButton(this)),
      m_tasks(new QRadioButton(this)), m_events(new QRadioButton(this)), m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("CalendarSync"));
    setWindowTitle(tr("Calendar Sync"));
    m_enabled->setText(tr("&Keep the dues in step with a calendar on a CalDAV server"));
    m_enabled->setChecked(m_account.IsSet() ? m_account.enabled : true);
    m_server->setText(m_account.server);
    m_server->setPlaceholderText(tr("dav.example.org or https://dav.example.org/"));
    m_user->setText(m_account.user);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setPlaceholderText(m_account.IsSet() ? tr("Kept in the keyring; type to change")
                                                     : tr("Kept in the desktop's keyring"));
    m_find->setText(tr("&Find Calendars"));
    m_newName->setPlaceholderText(tr("Name of a new calendar"));
    m_newName->setText(QStringLiteral("Tallyvane"));
    m_create->setText(tr("&Make It"));
    m_tasks->setText(tr("As &tasks, ticked off when paid"));
    m_events->setText(tr("As &events, for apps that show calendars only"));
    (m_account.events ? m_events : m_tasks)->setChecked(true);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (m_account.IsSet()) {
        m_calendars->addItem(m_account.calendarName.isEmpty() ? m_account.calendar.toDisplayString()
                                                              : m_account.calendarName);
        m_calendars->setItemData(0, m_account.calendar, UrlRole);
        m_calendars->setItemData(0, true, TasksRole);
        m_calendars->setItemData(0, true, EventsRole);
    }

    auto* account = new QFormLayout;
    account->addRow(tr("&Server:"), m_server);
    account->addRow(tr("&User name:"), m_user);
    account->addRow(tr("&Password:"), m_password);
    auto* calendarRow = new QHBoxLayout;
    calendarRow->addWidget(m_calendars, 1);
    calendarRow->addWidget(m_find);
    // A row of more than one widget names its first one, so that the label's key reaches it.
    auto* calendarLabel = new QLabel(tr("&Calendar:"), this);
    calendarLabel->setBuddy(m_calendars);
    account->addRow(calendarLabel, calendarRow);
    auto* newRow = new QHBoxLayout;
    newRow->addWidget(m_newName, 1);
    newRow->addWidget(m_create);
    auto* newLabel = new QLabel(tr("&New calendar:"), this);
    newLabel->setBuddy(m_newName);
    account->addRow(newLabel, newRow);
    auto* kind = new QGroupBox(tr("Each due goes to the calendar"), this);
    auto* kindLayout = new QVBoxLayout(kind);
    kindLayout->addWidget(m_tasks);
    kindLayout->addWidget(m_events);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_enabled);
    layout->addLayout(account);
    layout->addWidget(kind);
    layout->addWidget(m_status);
    layout->addWidget(buttons);

    connect(m_find, &QPushButton::clicked, this, &CCalendarSyncDlg::FindCalendars);
    connect(m_create, &QPushButton::clicked, this, &CCalendarSyncDlg::CreateCalendar);
    connect(m_enabled, &QCheckBox::toggled, this, &CCalendarSyncDlg::UpdateButtons);
    connect(m_server, &QLineEdit::textChanged, this, &CCalendarSyncDlg::UpdateButtons);
    connect(m_user, &QLineEdit::textChanged, this, &CCalendarSyncDlg::UpdateButtons);
    connect(m_newName, &QLineEdit::textChanged, this, &CCalendarSyncDlg::UpdateButtons);
    connect(m_discovery, &CalDavDiscovery::found, this, [this] {
        SetBusy(false, m_discovery->Calendars().isEmpty()
                           ? tr("The server has no calendars for %1 yet: make one below.").arg(m_user->text())
                           : tr("%n calendar(s) found.", nullptr, int(m_discovery->Calendars().size())));
        ShowCalendars(m_account.calendar);
    });
    connect(m_discovery, &CalDavDiscovery::created, this, [this](const CalendarInfo& made) {
        m_account.calendar = made.url; // chosen once listed
        SetBusy(true, tr("The calendar \"%1\" was made; listing the calendars...").arg(made.name));
        const QUrl home = m_discovery->Home();
        m_discovery->Find(home);
    });
    connect(m_discovery, &CalDavDiscovery::failed, this,
            [this](const QString& text) { SetBusy(false, text); });
    UpdateButtons();
}

QString CCalendarSyncDlg::PasswordToUse() const
{
    if (!m_password->text().isEmpty())
        return m_password->text();
    QString password, why;
    if (SyncPassword::Read(CalDavAccount::KeyringKey(m_user->text().trimmed(), m_server->text()), &password,
                           &why))
        return password;
    return {};
}

void CCalendarSyncDlg::FindCalendars()
{
    const QUrl server = CalDavDiscovery::ServerUrl(m_server->text());
    if (!server.isValid()) {
        SetBusy(false, tr("\"%1\" is not the address of a server.").arg(m_server->text()));
        return;
    }
    m_discovery->SetCredentials(m_user->text().trimmed(), PasswordToUse());
    SetBusy(true, tr("Looking for calendars..."));
    m_discovery->Find(server);
}

void CCalendarSyncDlg::CreateCalendar()
{
    if (m_discovery->Home().isEmpty()) {
        SetBusy(false, tr("Find the calendars first: the new one is made beside them."));
        return;
    }
    m_discovery->SetCredentials(m_user->text().trimmed(), PasswordToUse());
    SetBusy(true, tr("Making the calendar..."));
    m_discovery->Create(m_discovery->Home(), m_newName->text().trimmed(), true, true);
}

void CCalendarSyncDlg::ShowCalendars(const QUrl& select)
{
    m_calendars->clear();
    int chosen = -1;
    for (const CalendarInfo& c : m_discovery->Calendars()) {
        const int row = m_calendars->count();
        m_calendars->addItem(c.name);
        m_calendars->setItemData(row, c.url, UrlRole);
        m_calendars->setItemData(row, c.url.toDisplayString(), Qt::ToolTipRole);
        m_calendars->setItemData(row, c.tasks, TasksRole);
        m_calendars->setItemData(row, c.events, EventsRole);
        if (c.url == select)
            chosen = row;
    }
    if (chosen >= 0)
        m_calendars->setCurrentIndex(chosen);
    UpdateButtons();
}

void CCalendarSyncDlg::SetBusy(bool busy, const QString& text)
{
    m_busy = busy;
    m_status->setText(text);
    UpdateButtons();
}

void CCalendarSyncDlg::UpdateButtons()
{
    const bool on = m_enabled->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{m_server, m_user, m_password, m_calendars, m_newName,
                                                      m_tasks, m_events})
        w->setEnabled(on && !m_busy);
    const bool account = !m_server->text().trimmed().isEmpty() && !m_user->text().trimmed().isEmpty();
    m_find->setEnabled(on && !m_busy && account);
    m_create->setEnabled(on && !m_busy && account && !m_newName->text().trimmed().isEmpty());
}

void CCalendarSyncDlg::accept()
{
    if (!m_enabled->isChecked()) {
        m_account.enabled = false;
        if (m_account.IsSet())
            m_account.Save(m_folder);
        QDialog::accept();
        return;
    }
    const QUrl server = CalDavDiscovery::ServerUrl(m_server->text());
    const QString user = m_user->text().trimmed();
    const int row = m_calendars->currentIndex();
    QString problem;
    if (!server.isValid())
        problem = tr("\"%1\" is not the address of a server.").arg(m_server->text());
    else if (user.isEmpty())
        problem = tr("The user name is missing.");
    else if (row < 0)
        problem = tr("No calendar is chosen: find the calendars and choose one, or make one.");
    else if (!m_calendars->itemData(row, m_events->isChecked() ? EventsRole : TasksRole).toBool())
        problem = m_events->isChecked()
                      ? tr("The calendar \"%1\" holds no events: choose tasks or another calendar.")
                            .arg(m_calendars->currentText())
                      : tr("The calendar \"%1\" holds no tasks: choose events or another calendar.")
                            .arg(m_calendars->currentText());
    if (!problem.isEmpty()) {
        Prompt::Message(this, problem, QMessageBox::Warning);
        return;
    }
    m_account.server = m_server->text().trimmed();
    m_account.user = user;
    m_account.calendar = m_calendars->itemData(row, UrlRole).toUrl();
    m_account.calendarName = m_calendars->currentText();
    m_account.events = m_events->isChecked();
    m_account.enabled = true;
    m_account.Save(m_folder);
    if (!m_password->text().isEmpty()) {
        QString why;
        if (!SyncPassword::Write(m_account.KeyringKey(), m_password->text(), &why)) {
            // Kept for this run only: the user is not asked to type it again now.
            m_sessionPassword = m_password->text();
            Prompt::Message(
                this,
                tr("The password could not be kept in the keyring: %1. It is used until Tallyvane "
                   "ends: after the next start it is to be typed here again.")
                    .arg(why),
                QMessageBox::Warning);
        }
    }
    QDialog::accept();
}
