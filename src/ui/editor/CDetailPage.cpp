#include "ui/editor/CDetailPage.h"

#include "model/base/MessageTexts.h"
#include "model/store/CDueStore.h"
#include "ui/dialogs/Prompt.h"
#include "ui/editor/DueEditRules.h"
#include "ui/recurrence/CRecurrenceDlg.h"
#include "ui/recurrence/PickerFormat.h"
#include "ui/skinui/CGuiButton.h"
#include "ui/skinui/CGuiComboBoxExt.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <climits>

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

const QDateTime kEarliestDate(QDate(100, 1, 1), QTime(0, 0));
const QDateTime kLatestDate(QDate(9999, 12, 31), QTime(23, 59, 59));

QDateTimeEdit* DatePicker(QWidget* parent, const char* name)
{
    auto* edit = new QDateTimeEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setCalendarPopup(true);
    edit->setMinimumDateTime(kEarliestDate);
    edit->setMaximumDateTime(kLatestDate);
    return edit;
}

QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}
} // namespace

CDetailPage::CDetailPage(QWidget* parent) : QWizardPage(parent)
{
    setObjectName(QStringLiteral("detailPage"));
    const COleDateTime now = COleDateTime::GetCurrentTime();
    m_dtStart = now;
    m_dtDue = now;
    m_dtOffsetTime = now;

    m_pTitle = new QLineEdit(this);
    m_pTitle->setObjectName(QStringLiteral("title"));
    m_pStart = DatePicker(this, "startDate");
    m_pDue = DatePicker(this, "dueDate");
    m_pPayTo = new QLineEdit(this);
    m_pPayTo->setObjectName(QStringLiteral("payTo"));
    m_pAccount = new QLineEdit(this);
    m_pAccount->setObjectName(QStringLiteral("account"));
    m_pAmount = new QLineEdit(this);
    m_pAmount->setObjectName(QStringLiteral("amount"));
    m_pAmount->setValidator(DueEditRules::MakeAmountValidator(QLocale(), m_pAmount));
    m_pAmount->setAlignment(Qt::AlignRight);
    m_pType = new CGuiComboBoxExt(this);
    m_pType->setObjectName(QStringLiteral("type"));
    m_pPaid = new QCheckBox(tr("Paid"), this);
    m_pPaid->setObjectName(QStringLiteral("paid"));
    m_pRecursive = new QCheckBox(tr("Make Recursive Due"), this);
    m_pRecursive->setObjectName(QStringLiteral("makeRecursive"));

    auto* fields = new QGridLayout;
    fields->addWidget(Label(tr("Title"), m_pTitle, this), 0, 0);
    fields->addWidget(m_pTitle, 0, 1, 1, 3);
    fields->addWidget(Label(tr("Start Date"), m_pStart, this), 1, 0);
    fields->addWidget(m_pStart, 1, 1);
    fields->addWidget(Label(tr("Due Date"), m_pDue, this), 1, 2);
    fields->addWidget(m_pDue, 1, 3);
    fields->addWidget(Label(tr("Pay To"), m_pPayTo, this), 2, 0);
    fields->addWidget(m_pPayTo, 2, 1);
    fields->addWidget(Label(tr("Account"), m_pAccount, this), 2, 2);
    fields->addWidget(m_pAccount, 2, 3);
    fields->addWidget(Label(tr("Amount"), m_pAmount, this), 3, 0);
    fields->addWidget(m_pAmount, 3, 1);
    fields->addWidget(Label(tr("Type"), m_pType, this), 3, 2);
    fields->addWidget(m_pType, 3, 3);
    fields->addWidget(m_pPaid, 4, 1);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    // The recurrence controls, shown while "Make Recursive Due" is on.
    m_pRecurrenceBox = new QGroupBox(this);
    m_pRecurrenceBox->setObjectName(QStringLiteral("recurrenceBox"));
    m_pSetPattern = new CGuiButton(tr("Set Recurrence Pattern"), m_pRecurrenceBox);
    m_pSetPattern->setObjectName(QStringLiteral("setPattern"));
    m_pCount = new QLabel(m_pRecurrenceBox);
    m_pCount->setObjectName(QStringLiteral("count"));
    // The estimate may say how many occurrences were left out: it wraps, and
    // the button beside it keeps its whole text (in any language).
    m_pCount->setWordWrap(true);
    m_pSetPattern->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_pOffsetDays = new QLineEdit(m_pRecurrenceBox);
    m_pOffsetDays->setObjectName(QStringLiteral("offsetDays"));
    m_pOffsetDays->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), m_pOffsetDays));
    m_pOffsetDays->setAlignment(Qt::AlignRight);
    m_pOffsetDays->setMaximumWidth(m_pOffsetDays->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6 + 12);
    m_pOffsetTime = new QTimeEdit(m_pRecurrenceBox);
    m_pOffsetTime->setObjectName(QStringLiteral("offsetTime"));
    // The row reads as one sentence around these two: each says its part.
    m_pOffsetDays->setAccessibleName(tr("Days from the start date to the due date"));
    m_pOffsetTime->setAccessibleName(tr("Hours and minutes from the start date to the due date"));

    auto* patternRow = new QHBoxLayout;
    patternRow->addWidget(m_pSetPattern);
    patternRow->addSpacing(8);
    patternRow->addWidget(m_pCount, 1);
    auto* offsetRow = new QHBoxLayout;
    offsetRow->addWidget(new QLabel(tr("Due Date occurs"), m_pRecurrenceBox));
    offsetRow->addWidget(m_pOffsetDays);
    offsetRow->addWidget(new QLabel(tr("Days and"), m_pRecurrenceBox));
    offsetRow->addWidget(m_pOffsetTime);
    offsetRow->addWidget(new QLabel(tr("Hours & Minutes"), m_pRecurrenceBox));
    offsetRow->addWidget(new QLabel(tr("after Start Date"), m_pRecurrenceBox));
    offsetRow->addStretch();
    auto* boxLayout = new QVBoxLayout(m_pRecurrenceBox);
    boxLayout->addLayout(patternRow);
    boxLayout->addLayout(offsetRow);
    m_pRecurrenceBox->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(4);
    layout->addWidget(m_pRecursive);
    layout->addWidget(m_pRecurrenceBox);
    layout->addStretch();

    GuiDrawLayer::ApplyFace(this);

    connect(m_pRecursive, &QCheckBox::clicked, this, &CDetailPage::OnMakeRecursive);
    connect(m_pSetPattern, &QPushButton::clicked, this, &CDetailPage::OnSetRecurrencePattern);
    connect(m_pStart, &QDateTimeEdit::dateTimeChanged, this, &CDetailPage::OnStartChanged);
    connect(m_pDue, &QDateTimeEdit::dateTimeChanged, this, &CDetailPage::OnDueChanged);
}

void CDetailPage::showEvent(QShowEvent* event)
{
    OnInitDialog();
    QWizardPage::showEvent(event);
}

void CDetailPage::OnInitDialog()
{
    if (m_bInitialised)
        return;
    m_bInitialised = true;
    {
        const QSignalBlocker b1(m_pStart), b2(m_pDue);
        UpdateData(false);
    }
    KeepDateOrder();
    DueEditRules::FillTypeCombo(m_pType, false);
    m_pType->setCurrentIndex(m_pType->findData(m_nType));
    m_pRecursive->setVisible(!m_bHideRecursive);
    // A new due's page keeps its size when the recurrence box comes and goes.
    QSizePolicy keep = m_pRecurrenceBox->sizePolicy();
    keep.setRetainSizeWhenHidden(!m_bHideRecursive);
    m_pRecurrenceBox->setSizePolicy(keep);
    SetLocalePicker(m_pStart);
    SetLocalePicker(m_pDue);
    m_pSetPattern->SetStyleBorder(3);
    m_pSetPattern->SetCaption(tr("Set Recurrence Pattern"));
}

bool CDetailPage::UpdateData(bool save)
{
    if (!save) {
        m_pTitle->setText(m_strTitle);
        if (m_dtStart.IsValid())
            m_pStart->setDateTime(m_dtStart.ToQDateTime());
        if (m_dtDue.IsValid())
            m_pDue->setDateTime(m_dtDue.ToQDateTime());
        m_pPayTo->setText(m_strPayTo);
        m_pAccount->setText(m_strAccount);
        m_pAmount->setText(DueEditRules::FormatAmount(m_dAmount, QLocale()));
        m_pPaid->setChecked(m_bPaid);
        m_pRecursive->setChecked(m_bRecursive);
        m_pOffsetDays->setText(QString::number(m_nOffsetDays));
        if (m_dtOffsetTime.IsValid())
            m_pOffsetTime->setTime(m_dtOffsetTime.ToQDateTime().time());
        return true;
    }

    m_strTitle = m_pTitle->text();
    m_dtStart = COleDateTime::FromQDateTime(m_pStart->dateTime());
    m_dtDue = COleDateTime::FromQDateTime(m_pDue->dateTime());
    m_strPayTo = m_pPayTo->text();
    m_strAccount = m_pAccount->text();
    double amount = 0.0;
    const QString amountProblem = DueEditRules::ParseAmount(m_pAmount->text(), QLocale(), amount);
    if (!amountProblem.isEmpty()) {
        Prompt::Message(this, amountProblem);
        m_pAmount->setFocus();
        m_pAmount->selectAll();
        return false;
    }
    m_dAmount = amount;
    m_bPaid = m_pPaid->isChecked();
    m_bRecursive = m_pRecursive->isChecked();
    if (m_bRecursive) {
        int days = 0;
        const QString daysProblem = DueEditRules::ParseOffsetDays(m_pOffsetDays->text(), days);
        if (!daysProblem.isEmpty()) {
            Prompt::Message(this, daysProblem);
            m_pOffsetDays->setFocus();
            m_pOffsetDays->selectAll();
            return false;
        }
        m_nOffsetDays = days;
        const QTime t = m_pOffsetTime->time();
        m_dtOffsetTime.SetTime(t.hour(), t.minute(), t.second());
    }
    return true;
}

// Takes what can be taken without a message: the recurrence switches and the
// pattern button work on the members whatever state the Amount field is in.
void CDetailPage::ExchangeQuietly()
{
    m_strTitle = m_pTitle->text();
    m_dtStart = COleDateTime::FromQDateTime(m_pStart->dateTime());
    m_dtDue = COleDateTime::FromQDateTime(m_pDue->dateTime());
    m_strPayTo = m_pPayTo->text();
    m_strAccount = m_pAccount->text();
    double amount = 0.0;
    if (DueEditRules::ParseAmount(m_pAmount->text(), QLocale(), amount).isEmpty())
        m_dAmount = amount;
    m_bPaid = m_pPaid->isChecked();
    m_bRecursive = m_pRecursive->isChecked();
    int days = 0;
    if (DueEditRules::ParseOffsetDays(m_pOffsetDays->text(), days).isEmpty())
        m_nOffsetDays = days;
}

bool CDetailPage::validatePage()
{
    if (m_pType->currentIndex() >= 0)
        m_nType = m_pType->currentData().toInt();
    if (!UpdateData(true))
        return false;
    if (m_bRecursive && !m_bPatternSet) {
        Prompt::Message(this, LoadResString(MessageId::SetRecurrencePattern));
        return false;
    }
    return true;
}

bool CDetailPage::OnOK()
{
    if (m_pType->currentIndex() >= 0)
        m_nType = m_pType->currentData().toInt();
    return UpdateData(true);
}

void CDetailPage::OnMakeRecursive()
{
    ExchangeQuietly();
    m_pStart->setEnabled(!m_bRecursive);
    m_pDue->setEnabled(!m_bRecursive);
    if (m_bRecursive) {
        SetPickerPicture(m_pOffsetTime, LoadResString(MessageId::OffsetTimePicture));
        m_dtOffsetTime.SetTime(0, 0, 0);
        m_pOffsetTime->setTime(QTime(0, 0));
        m_pOffsetDays->setText(QString::number(m_nOffsetDays));
    }
    // The count text and the placeholders stay as they are when it goes off:
    // the caller removes unused placeholders when the sheet ends.
    m_pRecurrenceBox->setVisible(m_bRecursive);
}

void CDetailPage::OnSetRecurrencePattern()
{
    ExchangeQuietly();
    CRecurrenceDlg dlg(this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    if (m_bPatternSet) {
        for (const QString& id : std::as_const(m_arrOccurrenceIds))
            (void)theDueStore.RemoveDue(id, false);
    }
    m_arrOccurrenceIds = dlg.m_arrOccurrenceIds;
    m_nDroppedOccurrences = dlg.m_nDroppedOccurrences;
    m_bPatternSet = true;
    m_pCount->setText(CountText());
}

QString CDetailPage::CountText() const
{
    const QString count = tr("Estimated number of records :  %1").arg(int(m_arrOccurrenceIds.size()));
    if (m_nDroppedOccurrences <= 0)
        return count;
    return count + tr(" (%n left out: moved off the weekend onto a day that already has one)", "",
                      int(qMin<qint64>(m_nDroppedOccurrences, INT_MAX)));
}

void CDetailPage::OnStartChanged()
{
    m_dtStart = COleDateTime::FromQDateTime(m_pStart->dateTime());
    KeepDateOrder();
}

void CDetailPage::OnDueChanged()
{
    m_dtDue = COleDateTime::FromQDateTime(m_pDue->dateTime());
    KeepDateOrder();
}

void CDetailPage::KeepDateOrder()
{
    // The start may not pass the due date, nor the due date precede the
    // start, in either picker. A bound never moves a value the picker already
    // shows: a stored due whose dates are the wrong way round keeps them
    // until one of them is moved into order.
    const QDateTime start = m_pStart->dateTime();
    const QDateTime due = m_pDue->dateTime();
    const QSignalBlocker b1(m_pStart), b2(m_pDue);
    if (start <= due) {
        m_pStart->setMaximumDateTime(due);
        m_pDue->setMinimumDateTime(start);
    } else {
        m_pStart->setMaximumDateTime(kLatestDate);
        m_pDue->setMinimumDateTime(kEarliestDate);
    }
}
