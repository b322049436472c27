#pragma once

#include <QDialog>

class QCheckBox;
class QSpinBox;

// Reminders and Coming Up: the lead time (0 turns reminders off), the days
// Coming Up lists ahead, keeping the program in the tray when the window
// closes, and starting it at login in the tray. Kept in the program's
// settings; Accept writes them (and the autostart entry).
class CReminderSettingsDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CReminderSettingsDlg(QWidget* parent = nullptr);

    QSpinBox* LeadDays() const { return m_lead; }
    QSpinBox* ComingUpDays() const { return m_days; }
    QCheckBox* KeepInTray() const { return m_keep; }
    QCheckBox* StartAtLogin() const { return m_login; }

    void accept() override;

    // Writes the login entry for the working directory in use (on), or
    // removes it; a failure is said over parent. False on failure.
    static bool WriteLoginEntry(QWidget* parent, bool on);

private:
    QSpinBox* m_lead;
    QSpinBox* m_days;
    QCheckBox* m_keep;
    QCheckBox* m_login;
};
