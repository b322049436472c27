#include "CSettingsDlg.h"

#include "AppIcon.h"
#include "AppletPrompt.h"
#include "CDialogScroller.h"
#include "COptionsPage.h"
#include "DialogUnits.h"
#include "PivexIds.h"
#include "device/DeviceProcess.h"
#include "device/DeviceShell.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

CSettingsDlg::CSettingsDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("settingsDlg"));
    setFont(DialogUnits::DialogFont());
    setWindowTitle(Pivex::AppName());

    // The handheld shows the title and the dialog's "ok" in the bar at the
    // top of the screen.
    m_captionBar = new QWidget(this);
    m_captionBar->setObjectName(QStringLiteral("captionBar"));
    m_captionBar->setAttribute(Qt::WA_StyledBackground);
    m_captionBar->setStyleSheet(QStringLiteral(
        "#captionBar { background: #1f4e8c; }"
        "#captionBar QLabel { color: white; font-weight: bold; }"
        "#captionBar QPushButton { color: white; background: #2f64a8; border: 1px solid #9db8dc;"
        " border-radius: 3px; padding: 1px 8px; }"
        "#captionBar QPushButton:pressed { background: #163a6a; }"
        "#captionBar QPushButton:focus { border-color: white; }"));
    auto* title = new QLabel(Pivex::AppName(), m_captionBar);
    m_okButton = new QPushButton(tr("ok"), m_captionBar);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    auto* captionLayout = new QHBoxLayout(m_captionBar);
    captionLayout->setContentsMargins(6, 3, 4, 3);
    captionLayout->addWidget(title, 1);
    captionLayout->addWidget(m_okButton);

    m_viewport = new QWidget(this);
    m_viewport->setObjectName(QStringLiteral("viewport"));
    m_viewport->installEventFilter(this);
    m_content = new QWidget(m_viewport);
    m_content->setObjectName(QStringLiteral("content"));
    m_content->installEventFilter(this);
    m_hBar = new QScrollBar(Qt::Horizontal, this);
    m_vBar = new QScrollBar(Qt::Vertical, this);
    auto* corner = new QWidget(this);
    corner->setFixedSize(m_vBar->sizeHint().width(), m_hBar->sizeHint().height());

    auto* scrollGrid = new QGridLayout;
    scrollGrid->setContentsMargins(0, 0, 0, 0);
    scrollGrid->setSpacing(0);
    scrollGrid->addWidget(m_viewport, 0, 0);
    scrollGrid->addWidget(m_vBar, 0, 1);
    scrollGrid->addWidget(m_hBar, 1, 0);
    scrollGrid->addWidget(corner, 1, 1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(m_captionBar);
    outer->addLayout(scrollGrid, 1);

    m_tabCtrl = new QTabWidget(m_content);
    m_tabCtrl->setObjectName(QStringLiteral("tabControl"));
    m_customizeButton = new QPushButton(tr("Customize Symbol List"), m_content);
    m_helpButton = new QPushButton(tr("Help"), m_content);
    // As on the handheld, a push button with the focus takes Enter; elsewhere
    // Enter is the dialog's "ok".
    m_customizeButton->setAutoDefault(true);
    m_helpButton->setAutoDefault(true);

    connect(m_okButton, &QPushButton::clicked, this, [this] { OnCommand(IDOK); });
    connect(m_customizeButton, &QPushButton::clicked, this, [this] { OnCommand(IDC_CUSTOMIZE_SYMBOLS); });
    connect(m_helpButton, &QPushButton::clicked, this, [this] { OnCommand(IDC_HELP_BUTTON); });

    m_scroller = new CDialogScroller(this);
    resize(InitialSize());
    OnInitDialog();
}

CSettingsDlg::~CSettingsDlg() = default;

QSize CSettingsDlg::InitialSize() const
{
    const QSize base = DialogUnits::BaseUnits(font());
    const QSize content = DialogUnits::ToPixels(kDesignUnits, base);
    QSize size(content.width() + m_vBar->sizeHint().width(),
               m_captionBar->sizeHint().height() + content.height() + m_hBar->sizeHint().height());
    // On a handheld the dialog takes the screen; it scrolls when that is smaller.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    return size;
}

void CSettingsDlg::OnInitDialog()
{
    const QIcon icon = PivexAppIcon();
    setWindowIcon(icon);

    m_tabCtrl->insertTab(0, new QWidget, tr("Settings"));
    m_scroller->Attach(this, m_viewport, m_content, m_hBar, m_vBar, kScrollDesignUnits);

    if (m_tabCtrl->currentIndex() < 0) {
        AppletPrompt::Message(this, tr("Tab not set!"), Pivex::AppName());
    } else {
        OnSelchangeTab();
    }
    connect(m_tabCtrl, &QTabWidget::currentChanged, this, [this] { OnSelchangeTab(); });
}

QRect CSettingsDlg::PageRectForTab(const QRect& tabGeometry)
{
    // Client coordinates, with right and bottom exclusive.
    const int right = tabGeometry.width();
    const int bottom = tabGeometry.height();
    const int left = right * 4 / 100;
    const int top = bottom * 18 / 100;
    return QRect(left, top, right - left, bottom - top).translated(tabGeometry.topLeft());
}

void CSettingsDlg::OnSelchangeTab()
{
    if (!m_optionsPage) {
        m_optionsPage = new COptionsPage(m_content);
        m_optionsPage->setGeometry(PageRectForTab(m_tabCtrl->geometry()));
        QWidget::setTabOrder(m_tabCtrl, m_optionsPage->Control(COptionsPage::IDC_SAVE_NEW_WORD));
        QWidget::setTabOrder(m_optionsPage->Control(COptionsPage::IDC_DEFAULT_KEYBOARD), m_customizeButton);
        QWidget::setTabOrder(m_customizeButton, m_helpButton);
    }
    m_optionsPage->raise();
    m_optionsPage->show();
}

QPushButton* CSettingsDlg::Button(int id) const
{
    switch (id) {
    case IDOK:
        return m_okButton;
    case IDC_HELP_BUTTON:
        return m_helpButton;
    case IDC_CUSTOMIZE_SYMBOLS:
        return m_customizeButton;
    default:
        return nullptr;
    }
}

void CSettingsDlg::OnCommand(int id)
{
    switch (id) {
    case IDOK:
        accept();
        break;
    case IDC_HELP_BUTTON:
        OnHelp();
        break;
    case IDC_CUSTOMIZE_SYMBOLS:
        OnCustomizeSymbolList();
        break;
    default:
        break;
    }
}

void CSettingsDlg::accept()
{
    // A save that failed has been reported; the dialog stays open so that
    // nothing the user chose is lost.
    if (m_optionsPage && !m_optionsPage->SaveOptions())
        return;
    QDialog::accept();
}

void CSettingsDlg::reject()
{
    OnHelp();
}

void CSettingsDlg::OnHelp()
{
    // The help viewer reports its own troubles; a failed start says nothing.
    DeviceProcess::CreateProcess(Pivex::HelpViewer(), Pivex::HelpCommandLine());
}

void CSettingsDlg::OnCustomizeSymbolList()
{
    if (!DeviceShell::GetFileAttributes(Pivex::PunctuationUtility())) {
        AppletPrompt::Message(this, tr("Utility not available!"), tr("Pivex Punctuation Utility"));
        return;
    }
    DeviceProcess::CreateProcess(Pivex::PunctuationUtility(), QString());
}

void CSettingsDlg::LayOutContent()
{
    const QSize base = DialogUnits::BaseUnits(font());
    const int marginX = DialogUnits::ToPixelsX(3, base);
    const int marginY = DialogUnits::ToPixelsY(3, base);
    const int gapX = DialogUnits::ToPixelsX(4, base);
    const int gapY = DialogUnits::ToPixelsY(3, base);
    const int width = m_content->width();
    const int height = m_content->height();

    const int buttonHeight = qMax(DialogUnits::ToPixelsY(14, base), m_customizeButton->sizeHint().height());
    const int buttonTop = height - marginY - buttonHeight;
    const int helpWidth = qMax(DialogUnits::ToPixelsX(40, base), m_helpButton->sizeHint().width());
    m_helpButton->setGeometry(width - marginX - helpWidth, buttonTop, helpWidth, buttonHeight);
    m_customizeButton->setGeometry(marginX, buttonTop, width - 2 * marginX - gapX - helpWidth, buttonHeight);
    m_tabCtrl->setGeometry(marginX, marginY, width - 2 * marginX, buttonTop - gapY - marginY);
    if (m_optionsPage)
        m_optionsPage->setGeometry(PageRectForTab(m_tabCtrl->geometry()));
}

void CSettingsDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (m_scroller)
        m_scroller->OnSize();
}

bool CSettingsDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_viewport && event->type() == QEvent::Resize) {
        m_scroller->OnSize();
    } else if (watched == m_content && event->type() == QEvent::Resize) {
        LayOutContent();
    } else if (watched == m_viewport && event->type() == QEvent::Wheel) {
        // The wheel over the dialog scrolls it, as over its bar.
        QCoreApplication::sendEvent(m_vBar, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CSettingsDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange) {
        // Give the focus back where it was when another window took over.
        if (isActiveWindow()) {
            if (m_lastFocus)
                m_lastFocus->setFocus();
        } else {
            QWidget* focus = QApplication::focusWidget();
            if (focus && isAncestorOf(focus))
                m_lastFocus = focus;
        }
    }
    QDialog::changeEvent(event);
}

void CSettingsDlg::closeEvent(QCloseEvent* event)
{
    // Closing the window is not OK: nothing is saved.
    QDialog::done(QDialog::Rejected);
    event->accept();
}

void CSettingsDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        OnHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}
