#include "ui/reminders/CReminderSettingsDlg.h"

#include "model/services/Reminders.h"
#include "model/store/CDueStore.h"
#include "platform/LoginAutostart.h"
#include "ui/dialogs/Prompt.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

CReminderSettingsDlg::CReminderSettingsDlg(QWidget* parent)
    : QDialog(parent), m_lead(new QSpinBox(this)), m_days(new QSpinBox(this)), m_keep(new QCheckBox(this)),
      m_login(new QCheckBox(this))
{
    setObjectName(QStringLiteral("ReminderSettings"));
    setWindowTitle(tr("Reminders and Coming Up"));
    m_lead->setRange(0, 365);
    m_lead->setSpecialValueText(tr("Off"));
    m_days->setRange(1, 366);
    // The word after the number takes its form ("1 day", "2 days").
    connect(m_lead, &QSpinBox::valueChanged, this,
            [this](int days) { m_lead->setSuffix(tr(" day(s) before", nullptr, days)); });
    connect(m_days, &QSpinBox::valueChanged, this,
            [this](int days) { m_days->setSuffix(tr(" day(s)", nullptr, days)); });
    m_lead->setValue(ReminderSettings::LeadDays());
    m_days->setValue(std::max(1, ReminderSettings::ComingUpDays()));
    m_lead->setSuffix(tr(" day(s) before", nullptr, m_lead->value()));
    m_days->setSuffix(tr(" day(s)", nullptr, m_days->value()));
    m_keep->setText(tr("&Keep running in the notification area when the window closes"));
    m_keep->setChecked(ReminderSettings::KeepInTray());
    m_login->setText(tr("&Start at login in the notification area"));
    m_login->setChecked(ReminderSettings::StartAtLogin() && LoginAutostart::IsEnabled());

    auto* form = new QFormLayout;
    form->addRow(tr("&Remind me:"), m_lead);
    form->addRow(tr("&Coming Up lists:"), m_days);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_keep);
    layout->addWidget(m_login);
    layout->addWidget(buttons);
}

void CReminderSettingsDlg::accept()
{
    ReminderSettings::SetLeadDays(m_lead->value());
    ReminderSettings::SetComingUpDays(m_days->value());
    ReminderSettings::SetKeepInTray(m_keep->isChecked());
    if (!WriteLoginEntry(this, m_login->isChecked())) {
        ReminderSettings::SetStartAtLogin(LoginAutostart::IsEnabled());
        return; // the dialog stays open with the user's choice
    }
    ReminderSettings::SetStartAtLogin(m_login->isChecked());
    QDialog::accept();
}

bool CReminderSettingsDlg::WriteLoginEntry(QWidget* parent, bool on)
{
    QString why;
    const bool ok =
        on ? LoginAutostart::Enable(theDueStore.Folder().WorkDir(), &why) : LoginAutostart::Disable(&why);
    if (!ok)
        Prompt::Message(parent,
                        tr("The login entry %1 could not be written: %2")
                            .arg(QDir::toNativeSeparators(LoginAutostart::EntryPath()), why),
                        QMessageBox::Warning);
    return ok;
}
