#include "ui/reminders/ReminderCenter.h"

#include "model/base/Clock.h"
#include "model/base/LocaleFormat.h"
#include "model/store/CDueStore.h"
#include "platform/DesktopNotifier.h"

#include <QTimer>

namespace {
constexpr int kCheckIntervalMs = 60 * 1000;
const QString kPaidAction = QStringLiteral("mark-paid");
const QString kOpenAction = QStringLiteral("open");
const QString kDefaultAction = QStringLiteral("default"); // a click on the notification itself
} // namespace

ReminderCenter::ReminderCenter(DesktopNotifier* notifier, QObject* parent)
    : QObject(parent), m_notifier(notifier), m_timer(new QTimer(this))
{
    connect(m_notifier, &DesktopNotifier::actionInvoked, this,
            [this](const QString& tag, const QString& key) {
                if (key == kPaidAction)
                    emit markPaidRequested(tag);
                else if (key == kOpenAction || key == kDefaultAction)
                    emit openRequested(tag);
            });
    connect(m_notifier, &DesktopNotifier::failed, this,
            [this](const QString&, const QString& summary, const QString& body, const QString&) {
                OnFailed(summary, body);
            });
    connect(m_timer, &QTimer::timeout, this, &ReminderCenter::CheckNow);
    m_timer->start(kCheckIntervalMs);
}

QString ReminderCenter::SummaryOf(const Reminder& reminder)
{
    return reminder.kind == ReminderKind::Overdue ? tr("Overdue: %1").arg(reminder.record.m_strTitle)
                                                  : tr("Due soon: %1").arg(reminder.record.m_strTitle);
}

QString ReminderCenter::BodyOf(const Reminder& reminder)
{
    const QLocale locale;
    const DueRecord& r = reminder.record;
    const QString when = FormatDatePicture(r.m_dtDue, QString(), locale) + QLatin1Char(' ') +
                         FormatTimePicture(r.m_dtDue, QString(), locale);
    return tr("%1 due on %2").arg(FormatCurrencyText(AmountText(r.m_dAmount), locale), when);
}

int ReminderCenter::CheckNow()
{
    if (m_held || theDueStore.Folder().IsEmpty())
        return 0;
    ReminderMemory memory(theDueStore.Folder());
    const QList<Reminder> reminders =
        TakeReminders(theDueStore, Clock::Now().date(), ReminderSettings::LeadDays(), memory);
    const QList<DesktopNotifier::Action> actions{{kPaidAction, tr("Mark paid")}, {kOpenAction, tr("Open")}};
    for (const Reminder& r : reminders)
        m_notifier->Notify(r.record.m_strRecId, SummaryOf(r), BodyOf(r), actions);
    emit checked();
    return int(reminders.size());
}

void ReminderCenter::OnFailed(const QString& summary, const QString& body)
{
    // Failures arrive one by one as the bus answers; say them together.
    if (m_failed.isEmpty())
        QTimer::singleShot(0, this, [this] {
            const QStringList lines = m_failed;
            m_failed.clear();
            emit unannounced(lines);
        });
    m_failed << summary + QStringLiteral(" \u2013 ") + body;
}
