#include "ui/dialogs/CAboutDlg.h"

#include "model/base/Version.h"
#include "ui/images/DrawnImages.h"
#include "ui/skinui/CGuiButton.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QLabel>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), m_ok(new CGuiButton(QString(), this))
{
    setWindowTitle(tr("About Tallyvane"));
    setObjectName(QStringLiteral("AboutDlg"));
    GuiDrawLayer::ApplyFace(this);

    auto* text = new QLabel(
        tr("Tallyvane \n\nVersion %1.%2").arg(TALLYVANE_VERSION_MAJOR).arg(TALLYVANE_VERSION_MINOR), this);
    text->setAlignment(Qt::AlignCenter);
    text->setTextFormat(Qt::PlainText);
    QFont f = text->font();
    f.setPointSizeF(f.pointSizeF() * 1.15);
    text->setFont(f);

    auto* icon = new QLabel(this);
    icon->setPixmap(DrawnImages::Paint(DrawnImages::Glyph::AppIcon, 48));
    icon->setAlignment(Qt::AlignCenter);

    auto* note = new QLabel(tr("Keeps track of the bills that fall due, month by month."), this);
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);

    m_ok->SetStyleBorder(3);
    m_ok->SetCaption(tr("OK"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(12);
    layout->addWidget(text);
    layout->addWidget(icon);
    layout->addWidget(note);
    layout->addStretch(1);
    layout->addWidget(m_ok, 0, Qt::AlignHCenter);
    setFixedSize(360, 300);
}
