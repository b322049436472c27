#include "ui/dialogs/CWorkDirDlg.h"

#include "model/base/MessageTexts.h"
#include "model/store/DataFolder.h"
#include "ui/dialogs/Prompt.h"
#include "ui/frame/HelpFile.h"
#include "ui/images/DrawnImages.h"
#include "ui/skinui/CGuiButton.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

// The dialog's heading strip: the banner gradient with the icon and a title.
class Heading : public QWidget
{
public:
    explicit Heading(QWidget* parent) : QWidget(parent) { setFixedHeight(64); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const auto [top, bottom] = GuiDrawLayer::BannerColors(GuiDrawLayer::GetRGBColorFace());
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, top);
        g.setColorAt(1, bottom);
        p.fillRect(rect(), g);
        p.drawPixmap(14, (height() - 40) / 2, DrawnImages::Paint(DrawnImages::Glyph::Folder, 40));
        QFont f = font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.3);
        p.setFont(f);
        p.setPen(GuiDrawLayer::GetRGBColorBTNHigh());
        p.drawText(QRect(66, 8, width() - 76, 26), Qt::AlignLeft | Qt::AlignVCenter,
                   CWorkDirDlg::tr("Working Directory"));
        QFont small = font();
        p.setFont(small);
        p.setPen(GuiDrawLayer::Skin().subtitle);
        p.drawText(QRect(66, 32, width() - 76, 22), Qt::AlignLeft | Qt::AlignVCenter,
                   CWorkDirDlg::tr("Your dues are kept in the folder \"%1\" under it.")
                       .arg(QLatin1String(kDataFolderName)));
        p.setPen(GuiDrawLayer::GetRGBColorShadow());
        p.drawLine(0, height() - 1, width(), height() - 1);
    }
};

} // namespace

CWorkDirDlg::CWorkDirDlg(QWidget* parent, const QString& path)
    : QDialog(parent), m_strPath(path), m_edit(new QLineEdit(this)),
      m_browse(new CGuiButton(tr("&Browse..."), this)), m_help(new CGuiButton(tr("&Help"), this)),
      m_ok(new CGuiButton(tr("OK"), this)), m_cancel(new CGuiButton(tr("Cancel"), this))
{
    setWindowTitle(tr("Working Directory"));
    setObjectName(QStringLiteral("WorkDirDlg"));
    setWindowIcon(DrawnImages::AppIcon());
    GuiDrawLayer::ApplyFace(this);

    m_edit->setObjectName(QStringLiteral("PathEdit"));
    m_edit->setReadOnly(true);
    m_edit->setMinimumWidth(360);
    m_edit->setPlaceholderText(tr("No folder chosen yet"));
    m_browse->setIcon(DrawnImages::GlyphIcon(DrawnImages::Glyph::Folder));
    m_help->setIcon(DrawnImages::GlyphIcon(DrawnImages::Glyph::Help));
    m_ok->setDefault(true);

    auto* label = new QLabel(tr("&Folder:"), this);
    label->setBuddy(m_edit);

    auto* body = new QGridLayout;
    body->setContentsMargins(16, 14, 16, 6);
    body->setHorizontalSpacing(8);
    body->setVerticalSpacing(10);
    body->addWidget(label, 0, 0);
    body->addWidget(m_edit, 0, 1, 1, 2);
    body->addWidget(m_browse, 1, 1, Qt::AlignLeft);
    body->addWidget(m_help, 1, 2, Qt::AlignRight);
    body->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 6, 16, 14);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new Heading(this));
    layout->addLayout(body);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(m_browse, &QPushButton::clicked, this, &CWorkDirDlg::OnBrowse);
    connect(m_help, &QPushButton::clicked, this, [] { HelpFile::OpenHelp(); });
    connect(m_ok, &QPushButton::clicked, this, &CWorkDirDlg::OnOK);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    UpdateEdit();
    resize(480, 220);
}

QString CWorkDirDlg::PathForPick(const QString& picked)
{
    QString path = QDir::fromNativeSeparators(picked);
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    const int cut = path.lastIndexOf(QLatin1Char('/'));
    // The data folder itself was picked: its parent is the working directory.
    if (cut >= 0 && path.mid(cut + 1) == QLatin1String(kDataFolderName))
        path.truncate(cut == 0 ? 1 : cut);
    return path;
}

QString CWorkDirDlg::SuggestedPath()
{
    // Qt names ~/Documents when the user directories say nothing, whether it
    // is there or not.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return QDir::cleanPath(documents);
    return QDir::cleanPath(QDir::homePath());
}

void CWorkDirDlg::OnBrowse()
{
    const QString picked = Prompt::ExistingDirectory(nullptr, tr("Pick a Directory"), m_strPath);
    if (picked.isEmpty())
        return;
    m_strPath = PathForPick(picked);
    UpdateEdit();
    ValidatePath();
}

void CWorkDirDlg::ValidatePath()
{
    if (m_strPath.isEmpty() || QFileInfo::exists(m_strPath))
        return;
    Prompt::Message(this, LoadResString(MessageId::BadWorkingDirectory), QMessageBox::Warning);
    m_strPath.clear();
    UpdateEdit();
}

void CWorkDirDlg::OnOK()
{
    if (m_strPath.isEmpty()) {
        reject();
        return;
    }
    accept();
}

void CWorkDirDlg::UpdateEdit()
{
    m_edit->setText(QDir::toNativeSeparators(m_strPath));
    m_edit->setToolTip(m_edit->text());
}
