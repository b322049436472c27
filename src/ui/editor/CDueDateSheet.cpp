#include "ui/editor/CDueDateSheet.h"

#include "model/base/MessageTexts.h"
#include "ui/editor/CDetailPage.h"
#include "ui/editor/CNotesPage.h"
#include "ui/images/DrawnImages.h"
#include "ui/skinui/CGuiButton.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWizard>

// The images live in the widget library's resources, which a static library
// must register before their first use.
static void InitEditorResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(done);
}

namespace {
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The new-due wizard; Finish takes the notes under the wait cursor.
class CDueWizard : public QWizard
{
public:
    using QWizard::QWizard;

    void accept() override
    {
        WaitCursor wait;
        QWizard::accept();
    }

    // The header image runs across the notes page's header at any width: its
    // plain left edge is repeated to fill what the image does not cover.
    void SetHeader(QWizardPage* page, const QPixmap& header)
    {
        m_headerPage = page;
        m_header = header;
        WidenHeader();
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QWizard::showEvent(event);
        // The notes page keeps the room of the details page, which needs the most.
        setMinimumSize(size().expandedTo(sizeHint()));
        WidenHeader();
    }

    void resizeEvent(QResizeEvent* event) override
    {
        QWizard::resizeEvent(event);
        WidenHeader();
    }

private:
    void WidenHeader()
    {
        if (!m_headerPage || m_header.isNull())
            return;
        const int w = qMax(width(), m_header.width());
        if (w == m_headerWidth)
            return;
        m_headerWidth = w;
        QPixmap wide(w, m_header.height());
        QPainter p(&wide);
        const GuiDrawLayer::Colours skin = GuiDrawLayer::Skin();
        if (skin.dark) {
            // The artwork is drawn on white: a dark skin gets a header of its
            // own colours, under the page's light title, with the program's icon.
            QLinearGradient g(0, 0, w, 0);
            g.setColorAt(0, skin.bannerBottom);
            g.setColorAt(1, skin.bannerTop);
            p.fillRect(wide.rect(), g);
            const int icon = m_header.height() - 12;
            p.drawPixmap(w - icon - 12, 6, DrawnImages::Paint(DrawnImages::Glyph::AppIcon, icon));
        } else {
            p.drawPixmap(QRect(0, 0, w - m_header.width(), m_header.height()), m_header,
                         QRect(0, 0, 1, m_header.height()));
            p.drawPixmap(w - m_header.width(), 0, m_header);
        }
        p.end();
        m_headerPage->setPixmap(QWizard::BannerPixmap, wide);
    }

    QPointer<QWizardPage> m_headerPage;
    QPixmap m_header;
    int m_headerWidth = 0;
};

// The modify sheet: OK takes both pages, starting with the details, and
// stays open on the page whose input is not acceptable.
class CModifyDialog : public QDialog
{
public:
    CModifyDialog(QWidget* parent, CDetailPage* detail, CNotesPage* notes)
        : QDialog(parent), m_detail(detail), m_notes(notes)
    {
    }
    QTabWidget* m_tabs = nullptr;

    void accept() override
    {
        WaitCursor wait;
        if (!m_detail->OnOK()) {
            m_tabs->setCurrentWidget(m_detail);
            return;
        }
        m_notes->UpdateData(true);
        QDialog::accept();
    }

private:
    CDetailPage* m_detail;
    CNotesPage* m_notes;
};

CGuiButton* SkinnedButton(const QString& text)
{
    auto* button = new CGuiButton(text);
    button->ShowText(true);
    button->SetStyleBorder(3);
    return button;
}
} // namespace

CDueDateSheet::CDueDateSheet(Mode mode, QWidget* parent) : m_mode(mode), m_pParent(parent)
{
    m_pDetailPage = new CDetailPage;
    m_pNotesPage = new CNotesPage;
    m_pDetailPage->m_bHideRecursive = mode == Mode::Modify;
}

CDueDateSheet::~CDueDateSheet()
{
    delete m_pWindow;
    delete m_pDetailPage; // still here only when no window took them
    delete m_pNotesPage;
}

QDialog* CDueDateSheet::Create()
{
    if (m_pWindow)
        return m_pWindow;

    m_pDetailPage->m_strTitle = m_due.m_strTitle;
    m_pDetailPage->m_dtStart = m_due.m_dtStart;
    m_pDetailPage->m_dtDue = m_due.m_dtDue;
    m_pDetailPage->m_strAccount = m_due.m_strAccount;
    m_pDetailPage->m_strPayTo = m_due.m_strPayTo;
    m_pDetailPage->m_bPaid = m_due.m_bPaid != 0;
    m_pDetailPage->m_nType = m_due.m_nType;
    m_pDetailPage->m_dAmount = m_due.m_dAmount;
    m_pNotesPage->m_strNotes = m_due.m_strNotes;

    m_pWindow = m_mode == Mode::New ? CreateWizard() : CreateModifySheet();
    GuiDrawLayer::ApplyFace(m_pWindow);
    m_pDetailPage->OnInitDialog();
    m_pNotesPage->UpdateData(false);
    connect(m_pWindow, &QDialog::accepted, this, &CDueDateSheet::CopyBack);
    return m_pWindow;
}

QDialog* CDueDateSheet::CreateWizard()
{
    auto* wizard = new CDueWizard(m_pParent);
    wizard->setObjectName(QStringLiteral("dueWizard"));
    wizard->setWindowTitle(tr("New Due"));
    wizard->setWizardStyle(QWizard::ModernStyle);
    wizard->setOption(QWizard::NoBackButtonOnStartPage, false);
    // Our texts, with their letters, rather than the wizard's own it would put back.
    const std::pair<QWizard::WizardButton, QString> buttons[] = {{QWizard::BackButton, tr("< &Back")},
                                                                 {QWizard::NextButton, tr("&Next >")},
                                                                 {QWizard::FinishButton, tr("&Finish")},
                                                                 {QWizard::CancelButton, tr("Cancel")}};
    for (const auto& [which, text] : buttons) {
        wizard->setButton(which, SkinnedButton(text));
        wizard->setButtonText(which, text);
    }

    // The watermark's artwork sits in its left part, beside the first page;
    // the header runs across the top of the notes page.
    InitEditorResources();
    const QPixmap watermark(WatermarkPath());
    m_pDetailPage->setPixmap(QWizard::WatermarkPixmap, watermark.copy(0, 0, 164, watermark.height()));
    wizard->SetHeader(m_pNotesPage, QPixmap(HeaderPath()));
    wizard->addPage(m_pDetailPage);
    wizard->addPage(m_pNotesPage);
    return wizard;
}

QDialog* CDueDateSheet::CreateModifySheet()
{
    auto* dialog = new CModifyDialog(m_pParent, m_pDetailPage, m_pNotesPage);
    dialog->setObjectName(QStringLiteral("modifySheet"));
    dialog->setWindowTitle(tr("Modify Due"));
    dialog->m_tabs = new QTabWidget(dialog);
    dialog->m_tabs->setAccessibleName(dialog->windowTitle());
    dialog->m_tabs->addTab(m_pDetailPage, tr("Due Details"));
    dialog->m_tabs->addTab(m_pNotesPage, LoadResString(MessageId::NotesTitle));
    auto* buttons = new QDialogButtonBox(dialog);
    auto* ok = SkinnedButton(tr("OK"));
    ok->setDefault(true);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(SkinnedButton(tr("Cancel")), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(dialog->m_tabs);
    layout->addWidget(buttons);
    return dialog;
}

int CDueDateSheet::DoModal()
{
    return Create()->exec();
}

void CDueDateSheet::CopyBack()
{
    const CDetailPage& d = *m_pDetailPage;
    m_due.m_strTitle = d.m_strTitle.isEmpty() ? tr("No Title") : d.m_strTitle;
    m_due.m_strPayTo = d.m_strPayTo.isEmpty() ? tr("Someone") : d.m_strPayTo;
    m_due.m_dtStart = d.m_dtStart;
    m_due.m_dtDue = d.m_dtDue;
    m_due.m_strAccount = d.m_strAccount;
    m_due.m_bPaid = d.m_bPaid ? 1 : 0;
    m_due.m_nType = d.m_nType;
    m_due.m_dAmount = d.m_dAmount;
    m_due.m_strNotes = m_pNotesPage->m_strNotes;
}
