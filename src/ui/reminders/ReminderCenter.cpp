#include "ui/reminders/ReminderCenter.h"

#include "model/base/Clock.h"
#include "model/base/LocaleFormat.h"
#include "model/store/CDueStore.h"
#include "platform/DesktopNotifier.h"

#include <QTimer>

#include <utility>

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
    m_looks.setMaxThreadCount(1);
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
    connect(m_timer, &QTimer::timeout, this, &ReminderCenter::LookInBackground);
    m_timer->start(kCheckIntervalMs);
    m_checkSoon->setSingleShot(true);
    connect(m_checkSoon, &QTimer::timeout, this, &ReminderCenter::LookInBackground);
}

ReminderCenter::~ReminderCenter()
{
    Flush();
}

void ReminderCenter::Flush()
{
    m_looks.waitForDone();
}

QString ReminderCenter::SummaryOf(ReminderKind kind, const DueRecord& record)
{
    // A right-to-left title is set apart, so that the amount after it in a
    // left-to-right line is not drawn on its other side.
    const QString title = record.m_strTitle.isRightToLeft()
                              ? QChar(0x2068) + record.m_strTitle + QChar(0x2069)
                              : record.m_strTitle;
    return kind == ReminderKind::Overdue ? tr("Overdue: %1").arg(title) : tr("Due soon: %1").arg(title);
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

bool ReminderCenter::CanLook() const
{
    return !m_held && !theDueStore.Folder().IsEmpty();
}

ReminderSnapshot ReminderCenter::Snapshot(int leadDays)
{
    ReminderSnapshot snapshot = SnapshotReminders(theDueStore, Clock::Now().date(), leadDays, m_editing);
    snapshot.paidSince = std::exchange(m_paidSince, {});
    return snapshot;
}

void ReminderCenter::MarkedPaid(const QStringList& recIds)
{
    for (const QString& id : recIds)
        m_paidSince.insert(id);
    ScheduleCheck();
}

ReminderCheck ReminderCenter::Compare(Memory& m, const DataFolder& folder, const ReminderSnapshot& snapshot)
{
    if (!m.memory || m.folder != folder.Path()) {
        m.memory = std::make_unique<ReminderMemory>(folder);
        m.folder = folder.Path();
        if (!m.memory->LoadProblem().isEmpty())
            qWarning("Reminders: %s could not be read (%s); reminders given before may come again",
                     qPrintable(m.memory->FilePath()), qPrintable(m.memory->LoadProblem()));
    }
    ReminderCheck check = CompareReminders(snapshot, *m.memory);
    QString why;
    if (!m.memory->Save(&why))
        qWarning("Reminders: %s could not be written: %s", qPrintable(m.memory->FilePath()), qPrintable(why));
    return check;
}

int ReminderCenter::CheckNow()
{
    m_checkSoon->stop();
    if (!CanLook())
        return 0;
    Flush(); // no look runs now: the memory is this thread's
    const int lead = ReminderSettings::LeadDays();
    const ReminderCheck check = Compare(*m_memory, theDueStore.Folder(), Snapshot(lead));
    Finish(check, lead);
    return int(check.fresh.size());
}

void ReminderCenter::LookInBackground()
{
    if (!CanLook())
        return;
    if (m_looking) {
        m_lookAgain = true; // once more when this one is through
        return;
    }
    m_looking = true;
    const int lead = ReminderSettings::LeadDays();
    // The store is read here, on its own thread; the memory's file is read,
    // compared and written on the look's.
    auto snapshot = std::make_shared<const ReminderSnapshot>(Snapshot(lead));
    m_looks.start([this, memory = m_memory, folder = theDueStore.Folder(), snapshot, lead] {
        ReminderCheck check = Compare(*memory, folder, *snapshot);
        QMetaObject::invokeMethod(
            this,
            [this, check = std::move(check), lead] {
                m_looking = false;
                Finish(check, lead);
                if (m_lookAgain) {
                    m_lookAgain = false;
                    ScheduleCheck();
                }
            },
            Qt::QueuedConnection);
    });
}

void ReminderCenter::Finish(const ReminderCheck& check, int leadDays)
{
    m_overdue = check.overdue;
    m_soon = check.soon;
    Announce(check.fresh, leadDays);
    emit checked();
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
