#pragma once

#include "model/store/DataFolder.h"
#include "sync/CalDavAccount.h"
#include "sync/CalDavDiscovery.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Preferences > Calendar Sync: the calendar account of the data folder in
// use. The server (a host name is enough), user name and password; Find
// lists the user's calendars, one of which is chosen, or a new one is made;
// tasks or events. OK keeps the account in the settings (keyed by the data
// folder) and the password in the keyring.
class CCalendarSyncDlg : public QDialog
{
    Q_OBJECT
public:
    CCalendarSyncDlg(const DataFolder& folder, QWidget* parent = nullptr);

    // The password the sync may use until the program ends: what was typed
    // when the keyring could not keep it; empty otherwise.
    QString SessionPassword() const { return m_sessionPassword; }
    const CalDavAccount& Account() const { return m_account; }

    QCheckBox* Enabled() const { return m_enabled; }
    QLineEdit* Server() const { return m_server; }
    QLineEdit* User() const { return m_user; }
    QLineEdit* Password() const { return m_password; }
    QPushButton* FindButton() const { return m_find; }
    QComboBox* Calendars() const { return m_calendars; }
    QLineEdit* NewName() const { return m_newName; }
    QPushButton* CreateButton() const { return m_create; }
    QRadioButton* Events() const { return m_events; }
    QLabel* Status() const { return m_status; }
    CalDavDiscovery* Discovery() const { return m_discovery; }

    void accept() override;

private:
    void FindCalendars();
    void CreateCalendar();
    void ShowCalendars(const QUrl& select);
    void SetBusy(bool busy, const QString& text = {});
    void UpdateButtons();
    // The password typed, or else the one the keyring keeps.
    QString PasswordToUse() const;

    DataFolder m_folder;
    CalDavAccount m_account;
    CalDavDiscovery* m_discovery;
    QCheckBox* m_enabled;
    QLineEdit* m_server;
    QLineEdit* m_user;
    QLineEdit* m_password;
    QPushButton* m_find;
    QComboBox* m_calendars;
    QLineEdit* m_newName;
    QPushButton* m_create;
    QRadioButton* m_tasks;
    QRadioButton* m_events;
    QLabel* m_status;
    bool m_busy = false;
    QString m_sessionPassword;
};
