#include "ui/print/CPrintDuesDlg.h"

#include "export/HtmlTemplate.h"
#include "export/PrintPage.h"
#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "model/store/SaveFile.h"
#include "ui/dialogs/Prompt.h"
#include "ui/print/CPrintBrowser.h"
#include "ui/print/CPrintListCtrl.h"
#include "ui/print/DueIcons.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

CPrintDuesDlg::PreviewHandler& PreviewHook()
{
    static CPrintDuesDlg::PreviewHandler handler;
    return handler;
}

COleDateTime ToOleDate(const QDate& date)
{
    COleDateTime value;
    value.SetDate(date.year(), date.month(), date.day());
    return value;
}

// Accounts are matched without any blanks, so "Bank", " Bank " and "B ank"
// are one account.
QString WithoutBlanks(const QString& text)
{
    QString out = text.trimmed();
    out.remove(QLatin1Char(' '));
    return out;
}

QDateEdit* MonthPicker(const QDate& date, QWidget* parent)
{
    auto* edit = new QDateEdit(date, parent);
    edit->setDisplayFormat(QStringLiteral("MMM, yyyy"));
    edit->setCalendarPopup(true);
    edit->setMinimumWidth(120);
    return edit;
}

} // namespace

CPrintDuesDlg::CPrintDuesDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Print"));
    const QDate today = Clock::Now().date();
    m_dtFrom = ToOleDate(today);
    m_dtTo = m_dtFrom;

    auto* banner = new QLabel(this);
    banner->setPixmap(PrintBannerPixmap(520, 56, devicePixelRatioF()));
    banner->setFixedHeight(56);
    banner->setScaledContents(false);

    auto* caption = new QLabel(tr("Dues to print"), this);
    QFont captionFont = caption->font();
    captionFont.setBold(true);
    caption->setFont(captionFont);
    m_list = new CPrintListCtrl(this);
    m_list->setMinimumSize(210, 230);
    m_list->setAccessibleName(caption->text());

    // The page lives in a browser of its own that is never shown: the
    // preview renders its document.
    m_browser = new CPrintBrowser(this);
    m_browser->hide();

    auto* group = new QGroupBox(tr("Print What"), this);
    m_fromEdit = MonthPicker(today, group);
    m_toEdit = MonthPicker(today, group);
    m_recordsBox = new QComboBox(group);
    m_recordsBox->addItems({tr("All"), tr("Invert"), tr("Paid"), tr("UnPaid"), tr("Reset")});
    m_accountBox = new QComboBox(group);
    m_accountBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_accountBox->setMinimumContentsLength(10);
    auto* form = new QFormLayout(group);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setVerticalSpacing(10);
    form->addRow(tr("From"), m_fromEdit);
    form->addRow(tr("To"), m_toEdit);
    form->addRow(tr("Records"), m_recordsBox);
    form->addRow(tr("Account"), m_accountBox);

    m_printButton = new QPushButton(tr("&Print"), this);
    m_printButton->setDefault(true);
    m_printButton->setAutoDefault(true);
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setAutoDefault(false);
    for (QPushButton* b : {m_printButton, m_cancelButton})
        b->setMinimumWidth(90);

    auto* listColumn = new QVBoxLayout;
    listColumn->setSpacing(4);
    listColumn->addWidget(caption);
    listColumn->addWidget(m_list, 1);
    auto* groupColumn = new QVBoxLayout;
    groupColumn->addSpacing(caption->sizeHint().height());
    groupColumn->addWidget(group);
    groupColumn->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->setSpacing(12);
    middle->addLayout(listColumn, 1);
    middle->addLayout(groupColumn);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_printButton);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch(1);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(12, 10, 12, 12);
    body->setSpacing(12);
    body->addLayout(middle, 1);
    body->addLayout(buttons);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(banner);
    outer->addLayout(body, 1);

    connect(m_toEdit, &QDateEdit::dateChanged, this, [this] { RefreshList(); });
    connect(m_fromEdit, &QDateEdit::dateChanged, this, [this] { OnFromChanged(); });
    // activated, not currentIndexChanged: choosing "Invert" again inverts again.
    connect(m_recordsBox, &QComboBox::activated, this, [this](int index) { ApplyPreset(index); });
    connect(m_accountBox, &QComboBox::activated, this, [this] {
        UpdateData();
        SelectAccount(m_nAccount);
    });
    // A tick by hand leaves the presets: the box shows "All" again, unapplied.
    connect(m_list, &QListWidget::clicked, this, [this] { m_recordsBox->setCurrentIndex(0); });
    connect(m_printButton, &QPushButton::clicked, this, [this] { OnPrint(); });
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    m_recordsBox->setCurrentIndex(0);
    RefreshList();
    ApplyPreset(All);
}

CPrintDuesDlg::~CPrintDuesDlg() = default;

void CPrintDuesDlg::SetPreviewHandler(PreviewHandler handler)
{
    PreviewHook() = std::move(handler);
}

void CPrintDuesDlg::UpdateData()
{
    m_dtFrom = ToOleDate(m_fromEdit->date());
    m_dtTo = ToOleDate(m_toEdit->date());
    m_nRecords = m_recordsBox->currentIndex();
    m_nAccount = m_accountBox->currentIndex();
}

void CPrintDuesDlg::RefreshList()
{
    UpdateData();
    theDueStore.FillRangeList(*m_list, m_dtFrom, m_dtTo);
    FillAccountBox();
}

void CPrintDuesDlg::FillAccountBox()
{
    m_arrItemAccounts.clear();
    m_arrAccounts.clear();
    for (int row = 0; row < m_list->count(); ++row)
        m_arrItemAccounts << m_list->Record(row).m_strAccount.trimmed();
    for (const QString& account : std::as_const(m_arrItemAccounts))
        if (!account.isEmpty() && !m_arrAccounts.contains(account))
            m_arrAccounts << account;
    m_accountBox->clear();
    m_accountBox->addItems(m_arrAccounts);
    m_accountBox->setCurrentIndex(-1);
    m_nAccount = -1;
}

void CPrintDuesDlg::SelectAccount(int index)
{
    if (index < 0 || index >= m_arrAccounts.size())
        return;
    const QString wanted = WithoutBlanks(m_arrAccounts.at(index));
    for (int row = 0; row < m_list->count(); ++row)
        m_list->SetChecked(row, WithoutBlanks(m_list->Record(row).m_strAccount) == wanted);
}

void CPrintDuesDlg::ApplyPreset(int preset)
{
    for (int row = 0; row < m_list->count(); ++row) {
        const bool paid = m_list->Record(row).m_bPaid != 0;
        switch (preset) {
        case All:
            m_list->SetChecked(row, true);
            break;
        case Invert:
            m_list->SetChecked(row, !m_list->IsChecked(row));
            break;
        case Paid:
            m_list->SetChecked(row, paid);
            break;
        case UnPaid:
            m_list->SetChecked(row, !paid);
            break;
        case Reset:
            m_list->SetChecked(row, false);
            break;
        default:
            return;
        }
    }
}

bool CPrintDuesDlg::GeneratePrintPage(QString* errorText)
{
    UpdateData();
    const QString templatePath = HtmlTemplate::GetTemplatePath(QStringLiteral("printtemplate.html"));
    QString templateText;
    QString why;
    if (!HtmlTemplate::ReadTemplateFile(templatePath, &templateText, &why)) {
        if (errorText)
            *errorText = tr("The print template could not be read: %1.").arg(why);
        return false;
    }
    const QString page = FillPrintTemplate(templateText, m_list->CheckedRecords(), m_dtFrom, m_dtTo);

    // The page is written beside the template so that its images resolve.
    // Where that folder cannot be written, the browser gets the page itself:
    // a page left there by an earlier print must never be the one printed.
    const QString pagePath = HtmlTemplate::GetTemplatePath(QStringLiteral("print.html"));
    if (SaveFile::Write(pagePath, page.toUtf8(), nullptr))
        m_browser->Navigate(pagePath);
    else
        m_browser->ShowHtml(page, HtmlTemplate::TemplatesFolder());
    return true;
}

void CPrintDuesDlg::ShowPrintPreview()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Due Date Details"));
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(tr("Print Preview"));
    preview.resize(960, 760);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { m_browser->document()->print(target); });
    if (PreviewHook())
        PreviewHook()(preview);
    else
        preview.exec();
}

void CPrintDuesDlg::OnFromChanged()
{
    UpdateData();
    // The To month never lies before the From month; raising its lowest date
    // moves it along when needed. One refresh for both changes.
    {
        const QSignalBlocker block(m_toEdit);
        m_toEdit->setMinimumDate(m_fromEdit->date());
        m_toEdit->setMaximumDate(QDate(9999, 12, 31));
    }
    RefreshList();
}

void CPrintDuesDlg::OnPrint()
{
    // The page is made from the ticks of this very press, whether it came
    // from the mouse or the keyboard.
    QString why;
    if (!GeneratePrintPage(&why)) {
        Prompt::Message(this, why, QMessageBox::Warning, tr("Print"));
        return;
    }
    if (m_list->CheckedCount() > 0)
        ShowPrintPreview();
}

void RunPrintDialog(QWidget* parent)
{
    CPrintDuesDlg dialog(parent);
    dialog.exec();
}
