#include "ui/recurrence/CRecurrenceDlg.h"

#include "model/base/MessageTexts.h"
#include "model/store/CDueStore.h"
#include "recurrence/GenerateOccurrences.h"
#include "recurrence/OccurrenceSequence.h"
#include "ui/dialogs/ChangeProgressWindow.h"
#include "ui/dialogs/Prompt.h"
#include "ui/recurrence/PickerFormat.h"
#include "ui/skinui/CGuiButton.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressDialog>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <memory>

namespace {
const char* const kWeekdayShort[7] = {
    QT_TRANSLATE_NOOP("CRecurrenceDlg", "Sun"), QT_TRANSLATE_NOOP("CRecurrenceDlg", "Mon"),
    QT_TRANSLATE_NOOP("CRecurrenceDlg", "Tue"), QT_TRANSLATE_NOOP("CRecurrenceDlg", "Wed"),
    QT_TRANSLATE_NOOP("CRecurrenceDlg", "Thu"), QT_TRANSLATE_NOOP("CRecurrenceDlg", "Fri"),
    QT_TRANSLATE_NOOP("CRecurrenceDlg", "Sat")};

// Interval, day and count fields take digits only. Each stands in a sentence
// of labels around it ("Every [2] days"): `said` is what it is on its own.
QLineEdit* NumberEdit(QWidget* parent, const char* name, const QString& said)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setAccessibleName(said);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6 + 12);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

// `said`: what the box is, for one that no label names.
QComboBox* ListCombo(QWidget* parent, const char* name, const QStringList& items, const QString& said = {})
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setAccessibleName(said);
    combo->addItems(items);
    return combo;
}

QRadioButton* Radio(QWidget* parent, const char* name, const QString& text)
{
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(QLatin1String(name));
    return radio;
}

QDateTimeEdit* Picker(QWidget* parent, const char* name)
{
    auto* edit = new QDateTimeEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setCalendarPopup(true);
    SetLocalePicker(edit);
    // The calendar's own range; the coupled bounds below narrow it.
    edit->setMinimumDateTime(QDateTime(QDate(100, 1, 1), QTime(0, 0)));
    edit->setMaximumDateTime(QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59)));
    return edit;
}

// The word after a number field ("days", "weeks") in the form the number
// takes. `text` is marked with QT_TRANSLATE_N_NOOP in CRecurrenceDlg's context.
QLabel* UnitLabel(QWidget* parent, const char* name, QLineEdit* count, const char* text)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    auto follow = [label, count, text] {
        bool ok = false;
        const int n = count->text().toInt(&ok);
        label->setText(QCoreApplication::translate("CRecurrenceDlg", text, nullptr, ok ? n : 2));
    };
    QObject::connect(count, &QLineEdit::textChanged, label, follow);
    follow();
    return label;
}

void Exclusive(QObject* owner, QRadioButton* a, QRadioButton* b)
{
    auto* group = new QButtonGroup(owner);
    group->addButton(a);
    group->addButton(b);
}
} // namespace

CRecurrenceDlg::CRecurrenceDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Recurrence Pattern"));
    BuildUi();
    SetPattern(RecurrencePattern::Defaults(COleDateTime::GetCurrentTime()));
    ShowFrequencyGroup(0);
}

void CRecurrenceDlg::BuildUi()
{
    auto* patternBox = new QGroupBox(tr("Recurrence Pattern"), this);
    auto* patternLayout = new QHBoxLayout(patternBox);

    auto* frequencyColumn = new QVBoxLayout;
    auto* frequencyLabel = new QLabel(tr("Due Occurs Every"), patternBox);
    m_pFrequency = ListCombo(patternBox, "frequency", RecurrencePattern::FrequencyNames());
    frequencyLabel->setBuddy(m_pFrequency);
    frequencyColumn->addWidget(frequencyLabel);
    frequencyColumn->addWidget(m_pFrequency);
    frequencyColumn->addStretch();
    patternLayout->addLayout(frequencyColumn);

    auto* line = new QFrame(patternBox);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    patternLayout->addWidget(line);

    m_pGroups = new QStackedWidget(patternBox);
    m_pGroups->addWidget(BuildDayGroup());
    m_pGroups->addWidget(BuildWeekGroup());
    m_pGroups->addWidget(BuildMonthGroup());
    m_pGroups->addWidget(BuildYearGroup());
    patternLayout->addWidget(m_pGroups, 1);
    connect(m_pFrequency, &QComboBox::currentIndexChanged, this, &CRecurrenceDlg::ShowFrequencyGroup);

    auto* rangeBox = new QGroupBox(tr("Recurrence Range"), this);
    auto* range = new QGridLayout(rangeBox);
    auto* startLabel = new QLabel(tr("Start Date"), rangeBox);
    m_pRangeStart = Picker(rangeBox, "rangeStart");
    startLabel->setBuddy(m_pRangeStart);
    m_pEndAfter = Radio(rangeBox, "endAfter", tr("End After"));
    m_pOccurrences = NumberEdit(rangeBox, "occurrences", tr("Number of occurrences"));
    m_pEndBy = Radio(rangeBox, "endBy", tr("End By"));
    m_pEndByDate = Picker(rangeBox, "endByDate");
    Exclusive(this, m_pEndAfter, m_pEndBy);
    auto* afterRow = new QHBoxLayout;
    afterRow->addWidget(m_pOccurrences);
    afterRow->addWidget(new QLabel(tr("Occurances"), rangeBox));
    afterRow->addStretch();
    range->addWidget(startLabel, 0, 0);
    range->addWidget(m_pRangeStart, 0, 1);
    range->addWidget(m_pEndAfter, 1, 0);
    range->addLayout(afterRow, 1, 1);
    range->addWidget(m_pEndBy, 2, 0);
    range->addWidget(m_pEndByDate, 2, 1);
    auto* weekendLabel = new QLabel(tr("On a Saturday or Sunday"), rangeBox);
    m_pWeekendRule = ListCombo(rangeBox, "weekendRule", RecurrencePattern::WeekendRuleNames());
    weekendLabel->setBuddy(m_pWeekendRule);
    range->addWidget(weekendLabel, 3, 0);
    range->addWidget(m_pWeekendRule, 3, 1);
    range->setColumnStretch(2, 1);
    connect(m_pRangeStart, &QDateTimeEdit::dateTimeChanged, this, &CRecurrenceDlg::OnStartChanged);
    connect(m_pEndByDate, &QDateTimeEdit::dateTimeChanged, this, &CRecurrenceDlg::OnEndByChanged);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = new CGuiButton(tr("OK"));
    ok->setDefault(true);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(new CGuiButton(tr("Cancel")), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CRecurrenceDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CRecurrenceDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(patternBox);
    layout->addWidget(rangeBox);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    GuiDrawLayer::ApplyFace(this);
}

QWidget* CRecurrenceDlg::BuildDayGroup()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    m_pDailyEvery = Radio(page, "dailyEvery", tr("Every", "every n days"));
    m_pDailyInterval = NumberEdit(page, "dailyInterval", tr("Every how many days"));
    m_pDailyWeekday = Radio(page, "dailyWeekday", tr("Every WeekDay"));
    Exclusive(this, m_pDailyEvery, m_pDailyWeekday);
    grid->addWidget(m_pDailyEvery, 0, 0);
    grid->addWidget(m_pDailyInterval, 0, 1);
    grid->addWidget(
        UnitLabel(page, "dailyUnit", m_pDailyInterval, QT_TRANSLATE_N_NOOP("CRecurrenceDlg", "Day(s)")), 0,
        2);
    grid->addWidget(m_pDailyWeekday, 1, 0, 1, 3);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(2, 1);
    return page;
}

QWidget* CRecurrenceDlg::BuildWeekGroup()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    m_pWeeklyInterval = NumberEdit(page, "weeklyInterval", tr("Every how many weeks"));
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Recur Every"), page));
    top->addWidget(m_pWeeklyInterval);
    top->addWidget(UnitLabel(page, "weeklyUnit", m_pWeeklyInterval,
                             QT_TRANSLATE_N_NOOP("CRecurrenceDlg", "Week(s) On")));
    top->addStretch();
    grid->addLayout(top, 0, 0, 1, 4);
    for (int d = 0; d < 7; ++d) {
        auto* box = new QCheckBox(tr(kWeekdayShort[d]), page);
        box->setObjectName(QStringLiteral("weekday%1").arg(d));
        m_pWeekday[size_t(d)] = box;
        grid->addWidget(box, 1 + d / 4, d % 4);
        connect(box, &QCheckBox::clicked, this, [this, d](bool checked) { OnWeekdayClicked(d, checked); });
    }
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget* CRecurrenceDlg::BuildMonthGroup()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    m_pMonthlyByDay = Radio(page, "monthlyByDay", tr("Day"));
    m_pMonthlyDay = NumberEdit(page, "monthlyDay", tr("Day of the month"));
    m_pMonthlyDayInterval = NumberEdit(page, "monthlyDayInterval", tr("Every how many months"));
    m_pMonthlyByOrdinal = Radio(page, "monthlyByOrdinal", tr("The"));
    m_pMonthlyOrdinal =
        ListCombo(page, "monthlyOrdinal", RecurrencePattern::OrdinalNames(), tr("Which week of the month"));
    m_pMonthlyWeekday =
        ListCombo(page, "monthlyWeekday", RecurrencePattern::WeekdayNames(), tr("Day of the week"));
    m_pMonthlyOrdinalInterval = NumberEdit(page, "monthlyOrdinalInterval", tr("Every how many months"));
    Exclusive(this, m_pMonthlyByDay, m_pMonthlyByOrdinal);

    auto* dayRow = new QHBoxLayout;
    dayRow->addWidget(m_pMonthlyDay);
    dayRow->addWidget(new QLabel(tr("Of Every"), page));
    dayRow->addWidget(m_pMonthlyDayInterval);
    dayRow->addWidget(UnitLabel(page, "monthlyDayUnit", m_pMonthlyDayInterval,
                                QT_TRANSLATE_N_NOOP("CRecurrenceDlg", "Month(s)")));
    dayRow->addStretch();
    auto* theRow = new QHBoxLayout;
    theRow->addWidget(m_pMonthlyOrdinal);
    theRow->addWidget(m_pMonthlyWeekday);
    theRow->addWidget(new QLabel(tr("Of Every"), page));
    theRow->addWidget(m_pMonthlyOrdinalInterval);
    theRow->addWidget(UnitLabel(page, "monthlyOrdinalUnit", m_pMonthlyOrdinalInterval,
                                QT_TRANSLATE_N_NOOP("CRecurrenceDlg", "Month(s)")));
    theRow->addStretch();
    grid->addWidget(m_pMonthlyByDay, 0, 0);
    grid->addLayout(dayRow, 0, 1);
    grid->addWidget(m_pMonthlyByOrdinal, 1, 0);
    grid->addLayout(theRow, 1, 1);
    grid->setRowStretch(2, 1);
    return page;
}

QWidget* CRecurrenceDlg::BuildYearGroup()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    m_pYearlyByDate = Radio(page, "yearlyByDate", tr("Every", "every year on a date"));
    m_pYearlyMonth = ListCombo(page, "yearlyMonth", RecurrencePattern::MonthNames(), tr("Month"));
    m_pYearlyDay = NumberEdit(page, "yearlyDay", tr("Day of the month"));
    m_pYearlyByOrdinal = Radio(page, "yearlyByOrdinal", tr("The"));
    m_pYearlyOrdinal =
        ListCombo(page, "yearlyOrdinal", RecurrencePattern::OrdinalNames(), tr("Which week of the month"));
    m_pYearlyWeekday =
        ListCombo(page, "yearlyWeekday", RecurrencePattern::WeekdayNames(), tr("Day of the week"));
    m_pYearlyOrdinalMonth =
        ListCombo(page, "yearlyOrdinalMonth", RecurrencePattern::MonthNames(), tr("Month"));
    Exclusive(this, m_pYearlyByDate, m_pYearlyByOrdinal);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(m_pYearlyMonth);
    dateRow->addWidget(m_pYearlyDay);
    dateRow->addStretch();
    auto* theRow = new QHBoxLayout;
    theRow->addWidget(m_pYearlyOrdinal);
    theRow->addWidget(m_pYearlyWeekday);
    theRow->addWidget(new QLabel(tr("Of"), page));
    theRow->addWidget(m_pYearlyOrdinalMonth);
    theRow->addStretch();
    grid->addWidget(m_pYearlyByDate, 0, 0);
    grid->addLayout(dateRow, 0, 1);
    grid->addWidget(m_pYearlyByOrdinal, 1, 0);
    grid->addLayout(theRow, 1, 1);
    grid->setRowStretch(2, 1);
    return page;
}

void CRecurrenceDlg::ShowFrequencyGroup(int index)
{
    if (index < 0 || index > 3)
        return;
    m_pGroups->setCurrentIndex(index);
    if (m_pFrequency->currentIndex() != index)
        m_pFrequency->setCurrentIndex(index);
}

RecurrencePattern CRecurrenceDlg::Pattern() const
{
    RecurrencePattern p;
    p.m_nFrequency = m_pFrequency->currentIndex();
    p.m_bDailyEvery = m_pDailyEvery->isChecked();
    p.m_strDailyInterval = m_pDailyInterval->text();
    p.m_strWeeklyInterval = m_pWeeklyInterval->text();
    for (size_t d = 0; d < 7; ++d)
        p.m_bWeekday[d] = m_pWeekday[d]->isChecked();
    p.m_bMonthlyByDay = m_pMonthlyByDay->isChecked();
    p.m_strMonthlyDay = m_pMonthlyDay->text();
    p.m_strMonthlyDayInterval = m_pMonthlyDayInterval->text();
    p.m_nMonthlyOrdinal = m_pMonthlyOrdinal->currentIndex();
    p.m_nMonthlyWeekday = m_pMonthlyWeekday->currentIndex();
    p.m_strMonthlyOrdinalInterval = m_pMonthlyOrdinalInterval->text();
    p.m_bYearlyByDate = m_pYearlyByDate->isChecked();
    p.m_nYearlyMonth = m_pYearlyMonth->currentIndex();
    p.m_strYearlyDay = m_pYearlyDay->text();
    p.m_nYearlyOrdinal = m_pYearlyOrdinal->currentIndex();
    p.m_nYearlyWeekday = m_pYearlyWeekday->currentIndex();
    p.m_nYearlyOrdinalMonth = m_pYearlyOrdinalMonth->currentIndex();
    p.m_dtRangeStart = COleDateTime::FromQDateTime(m_pRangeStart->dateTime());
    p.m_bEndAfter = m_pEndAfter->isChecked();
    p.m_strOccurrences = m_pOccurrences->text();
    p.m_dtEndBy = COleDateTime::FromQDateTime(m_pEndByDate->dateTime());
    p.m_nWeekendRule = m_pWeekendRule->currentIndex();
    return p;
}

void CRecurrenceDlg::SetPattern(const RecurrencePattern& p)
{
    ShowFrequencyGroup(p.m_nFrequency);
    (p.m_bDailyEvery ? m_pDailyEvery : m_pDailyWeekday)->setChecked(true);
    m_pDailyInterval->setText(p.m_strDailyInterval);
    m_pWeeklyInterval->setText(p.m_strWeeklyInterval);
    for (size_t d = 0; d < 7; ++d)
        m_pWeekday[d]->setChecked(p.m_bWeekday[d]);
    (p.m_bMonthlyByDay ? m_pMonthlyByDay : m_pMonthlyByOrdinal)->setChecked(true);
    m_pMonthlyDay->setText(p.m_strMonthlyDay);
    m_pMonthlyDayInterval->setText(p.m_strMonthlyDayInterval);
    m_pMonthlyOrdinal->setCurrentIndex(p.m_nMonthlyOrdinal);
    m_pMonthlyWeekday->setCurrentIndex(p.m_nMonthlyWeekday);
    m_pMonthlyOrdinalInterval->setText(p.m_strMonthlyOrdinalInterval);
    (p.m_bYearlyByDate ? m_pYearlyByDate : m_pYearlyByOrdinal)->setChecked(true);
    m_pYearlyMonth->setCurrentIndex(p.m_nYearlyMonth);
    m_pYearlyDay->setText(p.m_strYearlyDay);
    m_pYearlyOrdinal->setCurrentIndex(p.m_nYearlyOrdinal);
    m_pYearlyWeekday->setCurrentIndex(p.m_nYearlyWeekday);
    m_pYearlyOrdinalMonth->setCurrentIndex(p.m_nYearlyOrdinalMonth);
    (p.m_bEndAfter ? m_pEndAfter : m_pEndBy)->setChecked(true);
    m_pOccurrences->setText(p.m_strOccurrences);
    m_pWeekendRule->setCurrentIndex(p.m_nWeekendRule);

    // Lift the coupled bounds first so that neither value is pushed by the other.
    const QDateTime start = p.m_dtRangeStart.ToQDateTime();
    const QDateTime end = p.m_dtEndBy.ToQDateTime();
    m_pRangeStart->setMaximumDateTime(QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59)));
    m_pEndByDate->setMinimumDateTime(QDateTime(QDate(100, 1, 1), QTime(0, 0)));
    {
        const QSignalBlocker b1(m_pRangeStart), b2(m_pEndByDate);
        if (start.isValid())
            m_pRangeStart->setDateTime(start);
        if (end.isValid())
            m_pEndByDate->setDateTime(end);
    }
    // The start may not pass the end, nor the end precede the start.
    m_pRangeStart->setMaximumDateTime(qMax(m_pEndByDate->dateTime(), m_pRangeStart->dateTime()));
    m_pEndByDate->setMinimumDateTime(qMin(m_pRangeStart->dateTime(), m_pEndByDate->dateTime()));
}

void CRecurrenceDlg::OnWeekdayClicked(int index, bool checked)
{
    if (checked)
        return;
    for (QCheckBox* box : m_pWeekday)
        if (box->isChecked())
            return;
    Prompt::Message(this, RecurrencePattern::NoWeekdayMessage());
    m_pWeekday[size_t(index)]->setChecked(true);
}

void CRecurrenceDlg::OnStartChanged()
{
    m_pEndByDate->setMinimumDateTime(m_pRangeStart->dateTime());
}

void CRecurrenceDlg::OnEndByChanged()
{
    m_pRangeStart->setMaximumDateTime(m_pEndByDate->dateTime());
}

bool CRecurrenceDlg::ValidatePattern()
{
    const QString message = Pattern().ValidatePattern();
    if (message.isEmpty())
        return true;
    Prompt::Message(this, message);
    return false;
}

bool CRecurrenceDlg::ValidateRange()
{
    const QString message = Pattern().ValidateRange();
    if (message.isEmpty())
        return true;
    Prompt::Message(this, message);
    return false;
}

bool CRecurrenceDlg::GenerateOccurrences()
{
    const RecurrencePattern pattern = Pattern();
    const qint64 total = OccurrenceSequence::Count(pattern);
    if (total > kAskAbove) {
        const QString question =
            tr("This pattern makes %1 dues. Do you want to create them all?").arg(QLocale().toString(total));
        if (Prompt::Question(this, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) !=
            QMessageBox::Yes)
            return false;
    }

    GeneratedSeries run;
    {
        ChangeProgressWindow progress(
            this, tr("Creating the %1 dues of the series...").arg(QLocale().toString(total)), total);
        if (QProgressDialog* dialog = progress.Dialog())
            dialog->setObjectName(QStringLiteral("generationProgress"));
        const ChangeProgress step = progress.Callback();
        GenerationProgress report;
        if (step)
            report = [&step](qint64 done, qint64 all) { return step(qsizetype(done), qsizetype(all)); };
        run = ::GenerateOccurrences(pattern, theDueStore, report);
    }
    if (run.m_bFailed) {
        // Said once here, with the reason; the dialog stays open.
        const QStringList errors = theDueStore.TakeErrors();
        Prompt::Report(this,
                       tr("The series could not be written, so none of its dues were kept. "
                          "Nothing in the data folder was changed."),
                       errors, QMessageBox::Warning);
        return false;
    }
    if (run.m_bCancelled)
        return false;
    m_strSeriesId = run.m_strSeriesId;
    m_arrOccurrenceIds = run.m_arrOccurrenceIds;
    m_nDroppedOccurrences = run.m_nDropped;
    return true;
}

void CRecurrenceDlg::accept()
{
    if (!ValidatePattern() || !ValidateRange())
        return;
    if (GenerateOccurrences())
        QDialog::accept();
}
