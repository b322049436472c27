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
const QString kComingUpAction = QStringLiteral("coming-up");
const QString kDismissAction = QStringLiteral("dismiss");
const QString kDefaultAction = QStringLiteral("default"); // a click on the notification itself
} // namespace

const QString ReminderCenter::kSummaryTag = QStringLiteral("reminders:summary");

ReminderCenter::ReminderCenter(DesktopNotifier* notifier, QObject* parent)
    : QObject(parent), m_notifier(notifier), m_timer(new QTimer(this)), m_checkSoon(new QTimer(this))
{
    m_writer.setMaxThreadCount(1);
    connect(m_notifier, &DesktopNotifier::actionInvoked, this,
            [this](const QString& tag, const QString& key) {
                // What the user chose is done: the notification has served.
                m_notifier->Close(tag);
                if (tag == kSummaryTag) {
                    if (key == kComingUpAction || key == kDefaultAction)
                        emit comingUpRequested();
                    return;
                }
                if (key == kPaidAction)
                    emit markPaidRequested(tag);
                else if (key == kOpenAction || key == kDefaultAction)
                    emit openRequested(tag);
            });
    connect(m_notifier, &DesktopNotifier::failed, this,
            [this](const QString& tag, const QString& summary, const QString& body, const QString&) {
                OnFailed(tag, summary, body);
            });
    connect(m_timer, &QTimer::timeout, this, &ReminderCenter::CheckNow);
    m_timer->start(kCheckIntervalMs);
    m_checkSoon->setSingleShot(true);
    connect(m_checkSoon, &QTimer::timeout, this, &ReminderCenter::CheckNow);
}

ReminderCenter::~ReminderCenter()
{
    Flush();
}

void ReminderCenter::Flush()
{
    m_writer.waitForDone();
}

QString ReminderCenter::SummaryOf(ReminderKind kind, const DueRecord& record)
{
    return kind == ReminderKind::Overdue ? tr("Overdue: %1").arg(record.m_strTitle)
                                         : tr("Due soon: %1").arg(record.m_strTitle);
}

QString ReminderCenter::BodyOf(const DueRecord& r)
{
    const QLocale locale;
    const QString when = FormatDatePicture(r.m_dtDue, QString(), locale) + QLatin1Char(' ') +
                         FormatTimePicture(r.m_dtDue, QString(), locale);
    return tr("%1 due on %2").arg(FormatCurrencyText(AmountText(r.m_dAmount), locale), when);
}

QString ReminderCenter::CountsText(int overdue, int soon, int leadDays)
{
    const QString days = leadDays == 1 ? tr("1 day") : tr("%n days", nullptr, leadDays);
    QString late;
    if (overdue > 0)
        late = overdue == 1 ? tr("1 due is overdue") : tr("%n dues are overdue", nullptr, overdue);
    if (soon <= 0)
        return late;
    if (late.isEmpty())
        return soon == 1 ? tr("1 due falls due within %1").arg(days)
                         : tr("%n dues fall due within %1", nullptr, soon).arg(days);
    const QString coming = soon == 1 ? tr("1 falls due within %1").arg(days)
                                     : tr("%n fall due within %1", nullptr, soon).arg(days);
    return tr("%1, %2", "overdue, falling due").arg(late, coming);
}

void ReminderCenter::SetEditing(const QStringList& recIds)
{
    m_editing = QSet<QString>(recIds.cbegin(), recIds.cend());
    if (m_editing.isEmpty())
        ScheduleCheck(); // what was edited may need a reminder now
}

void ReminderCenter::ScheduleCheck()
{
    if (!m_checkSoon->isActive())
        m_checkSoon->start(0);
}

ReminderMemory& ReminderCenter::Memory()
{
    const QString folder = theDueStore.Folder().Path();
    if (!m_memory || folder != m_memoryFolder) {
        Flush(); // the file of another folder may still be being written
        m_memory = std::make_unique<ReminderMemory>(theDueStore.Folder());
        m_memoryFolder = folder;
        if (!m_memory->LoadProblem().isEmpty())
            qWarning("Reminders: %s could not be read (%s); reminders given before may come again",
                     qPrintable(m_memory->FilePath()), qPrintable(m_memory->LoadProblem()));
    }
    return *m_memory;
}

int ReminderCenter::CheckNow()
{
    m_checkSoon->stop();
    if (m_held || theDueStore.Folder().IsEmpty())
        return 0;
    const int lead = ReminderSettings::LeadDays();
    const ReminderCheck check = CheckReminders(theDueStore, Clock::Now().date(), lead, Memory(), m_editing);
    m_overdue = check.overdue;
    m_soon = check.soon;
    Announce(check.fresh, lead);
    SaveMemory();
    emit checked();
    return int(check.fresh.size());
}

void ReminderCenter::Announce(const QList<Reminder>& fresh, int leadDays)
{
    if (fresh.isEmpty())
        return;
    if (fresh.size() <= kMaxSingle) {
        const QList<DesktopNotifier::Action> actions{{kPaidAction, tr("Mark paid")},
                                                     {kOpenAction, tr("Open")}};
        for (const Reminder& r : fresh) {
            const DueRecord record = theDueStore.GetDue(r.recId);
            m_notifier->Notify(r.recId, SummaryOf(r.kind, record), BodyOf(record), actions);
        }
        return;
    }
    // Many at once: one notification says how many and names the first few;
    // Coming Up lists them all.
    int overdue = 0;
    for (const Reminder& r : fresh)
        overdue += r.kind == ReminderKind::Overdue ? 1 : 0;
    const int soon = int(fresh.size()) - overdue;
    m_summaryLines.clear();
    QStringList titles;
    for (qsizetype i = 0; i < fresh.size() && i < kSummaryLines; ++i) {
        const DueRecord record = theDueStore.GetDue(fresh.at(i).recId);
        m_summaryLines << SummaryOf(fresh.at(i).kind, record) + QStringLiteral(" \u2013 ") + BodyOf(record);
        if (i < kMaxSingle)
            titles << record.m_strTitle;
    }
    m_summaryMore = int(fresh.size() - m_summaryLines.size());
    const int untitled = int(fresh.size() - titles.size());
    QString body = QLocale().createSeparatedList(titles);
    if (untitled > 0)
        body = tr("%1 and %n more", nullptr, untitled).arg(titles.join(QStringLiteral(", ")));
    m_notifier->Notify(kSummaryTag, CountsText(overdue, soon, leadDays), body,
                       {{kComingUpAction, tr("Open Coming Up")}, {kDismissAction, tr("Dismiss")}});
}

void ReminderCenter::SaveMemory()
{
    ReminderMemory& memory = *m_memory;
    if (!memory.IsChanged())
        return;
    // The file is written whole on a thread of its own: a folder with years
    // of late dues has a large one, and the window never waits for the disk.
    const QString path = memory.FilePath();
    const QByteArray bytes = memory.Serialize();
    memory.Written();
    m_writer.start([path, bytes] {
        QString why;
        if (!ReminderMemory::WriteFile(path, bytes, &why))
            qWarning("Reminders: %s could not be written: %s", qPrintable(path), qPrintable(why));
    });
}

void ReminderCenter::OnFailed(const QString& tag, const QString& summary, const QString& body)
{
    // Failures arrive one by one as the bus answers; say them together.
    if (m_failed.isEmpty() && m_failedMore == 0)
        QTimer::singleShot(0, this, [this] {
            const QStringList lines = m_failed;
            const int more = m_failedMore;
            m_failed.clear();
            m_failedMore = 0;
            emit unannounced(lines, more);
        });
    if (tag == kSummaryTag) {
        m_failed << m_summaryLines;
        m_failedMore += m_summaryMore;
    } else {
        m_failed << summary + QStringLiteral(" \u2013 ") + body;
    }
}
