#include "ui/comingup/CComingUpView.h"

#include "model/base/Clock.h"
#include "model/base/LocaleFormat.h"
#include "model/services/Reminders.h"
#include "model/store/CDueStore.h"
#include "ui/comingup/ComingUpModel.h"
#include "ui/list/DueRowDelegate.h"
#include "ui/list/DueRowLook.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QTimer>
#include <QVBoxLayout>

CComingUpView::CComingUpView(QWidget* parent)
    : QWidget(parent), m_sums(new QWidget(this)), m_note(new QLabel(this)), m_list(new QListView(this)),
      m_model(new ComingUpModel(this)), m_midnight(new QTimer(this))
{
    setObjectName(QStringLiteral("ComingUpView"));
    // The filter box stays in the tool bar while Coming Up shows: say that it
    // has no say here, or "Paid" would seem to leave the late dues out.
    m_note->setObjectName(QStringLiteral("ComingUpNote"));
    m_note->setContentsMargins(8, 0, 8, 4);
    m_note->setWordWrap(true);
    m_sums->setObjectName(QStringLiteral("ComingUpSums"));
    // Three parts side by side rather than one text: a narrow pane still shows
    // each whole, and right to left they run from the right.
    auto* sumsRow = new QHBoxLayout(m_sums);
    sumsRow->setContentsMargins(8, 4, 8, 4);
    sumsRow->setSpacing(18);
    for (const char* name : {"ComingUpOverdue", "ComingUpNext7", "ComingUpNext30"}) {
        auto* label = new QLabel(m_sums);
        label->setObjectName(QLatin1String(name));
        m_sumLabels << label;
        sumsRow->addWidget(label);
    }
    sumsRow->addStretch(1);
    const GuiDrawLayer::Colours skin = GuiDrawLayer::Skin();
    QPalette sumColours = m_sums->palette();
    sumColours.setColor(QPalette::Window, skin.alternateBase);
    sumColours.setColor(QPalette::WindowText, skin.baseText);
    m_sums->setPalette(sumColours);
    m_sums->setAutoFillBackground(true);
    m_note->setPalette(sumColours);
    m_note->setAutoFillBackground(true);
    QFont bold = m_sums->font();
    bold.setBold(true);
    for (QLabel* label : std::as_const(m_sumLabels))
        label->setFont(bold);
    m_list->setObjectName(QStringLiteral("ComingUpList"));
    m_list->setAccessibleName(tr("Coming Up"));
    m_list->setModel(m_model);
    m_list->setItemDelegate(new DueRowDelegate(m_list));
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_sums);
    layout->addWidget(m_note);
    layout->addWidget(m_list, 1);

    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CComingUpView::OnSelectionChanged);
    connect(m_list, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (const DueRecord* r = m_model->RecordAt(index.row()))
            emit modifyRequested(r->m_strRecId);
    });
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const QModelIndex index = m_list->indexAt(pos);
        if (index.isValid() && !m_list->selectionModel()->isSelected(index))
            m_list->setCurrentIndex(index);
        emit contextMenuRequested(m_list->viewport()->mapToGlobal(pos));
    });
    m_midnight->setSingleShot(true);
    connect(m_midnight, &QTimer::timeout, this, [this] {
        Refresh();
        ArmMidnight();
    });
    ArmMidnight();
}

void CComingUpView::ArmMidnight()
{
    // What is late changes at midnight; a second past it is safely the new day.
    const QDateTime now = Clock::Now();
    const QDateTime next(now.date().addDays(1), QTime(0, 0, 1));
    m_midnight->start(int(std::clamp<qint64>(now.msecsTo(next), 1000, 24 * 3600 * 1000)));
}

void CComingUpView::Refresh()
{
    const QStringList selected = SelectedIds();
    m_model->SetList(
        SelectComingUp(theDueStore, Clock::Now().date(), ReminderSettings::ComingUpDays(), true));
    const QStringList sums = Sums();
    for (int i = 0; i < m_sumLabels.size(); ++i)
        m_sumLabels.at(i)->setText(sums.value(i));
    m_sums->setAccessibleName(SumsText());
    const int days = ReminderSettings::ComingUpDays();
    m_note->setText(
        tr("Late dues and those of the next %n day(s), whatever the month list's filter", nullptr, days));
    SelectIds(selected);
    if (!selected.isEmpty() && SelectedIds().isEmpty())
        emit selectionCleared(); // the chosen dues left the list
}

QStringList CComingUpView::Sums() const
{
    const QLocale locale;
    auto money = [&](double amount) { return FormatCurrencyText(AmountText(amount), locale); };
    const ComingUpList& list = m_model->List();
    return {tr("Overdue: %1").arg(money(list.overdue)), tr("Next 7 days: %1").arg(money(list.next7)),
            tr("Next 30 days: %1").arg(money(list.next30))};
}

QString CComingUpView::SumsText() const
{
    return Sums().join(QStringLiteral("   "));
}

QStringList CComingUpView::SelectedIds() const
{
    QStringList ids;
    for (const DueRecord& r : SelectedDues())
        ids << r.m_strRecId;
    return ids;
}

QList<DueRecord> CComingUpView::SelectedDues() const
{
    QList<DueRecord> out;
    QModelIndexList rows = m_list->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& index : rows)
        if (const DueRecord* r = m_model->RecordAt(index.row()))
            out << *r;
    return out;
}

void CComingUpView::SelectIds(const QStringList& ids)
{
    QItemSelection selection;
    int first = -1;
    for (const QString& id : ids) {
        const int row = m_model->RowOf(id);
        if (row < 0)
            continue;
        if (first < 0)
            first = row;
        selection.select(m_model->index(row), m_model->index(row));
    }
    m_list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (first >= 0)
        m_list->selectionModel()->setCurrentIndex(m_model->index(first), QItemSelectionModel::NoUpdate);
}

void CComingUpView::OnSelectionChanged()
{
    const QList<DueRecord> dues = SelectedDues();
    if (dues.isEmpty())
        emit selectionCleared();
    else
        emit dueSelected(dues.first());
}
