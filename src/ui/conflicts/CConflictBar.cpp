#include "ui/conflicts/CConflictBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>

namespace {
const QString kResolveLink = QStringLiteral("resolve");
} // namespace

CConflictBar::CConflictBar(QWidget* parent) : QFrame(parent), m_label(new QLabel(this))
{
    setObjectName(QStringLiteral("ConflictBanner"));
    setFrameShape(QFrame::NoFrame);
    // A warning's colours, with text that stays dark on it whatever the palette.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(253, 222, 206));
    colours.setColor(QPalette::WindowText, Qt::black);
    colours.setColor(QPalette::Link, QColor(0, 70, 160));
    setPalette(colours);
    setAutoFillBackground(true);

    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::RichText);
    m_label->setContentsMargins(8, 6, 8, 6);
    m_label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_label->setPalette(colours);
    m_label->setAccessibleName(tr("Conflicts"));
    connect(m_label, &QLabel::linkActivated, this, [this](const QString& link) {
        if (link == kResolveLink)
            emit resolveRequested();
    });
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    hide();
}

void CConflictBar::SetCount(int count)
{
    if (count == m_count && isHidden() == (count == 0))
        return;
    m_count = count;
    if (count <= 0) {
        hide();
        m_label->clear();
        return;
    }
    const QString text =
        tr("Conflicting versions of %n due(s): more than one file holds each (a sync tool kept both "
           "changes, or two computers made the same identifier). The list shows one version of each.",
           nullptr, count);
    m_label->setText(
        text.toHtmlEscaped() +
        QStringLiteral(" &nbsp; <a href=\"%1\">%2</a>").arg(kResolveLink, tr("Resolve...").toHtmlEscaped()));
    show();
}

QString CConflictBar::text() const
{
    return m_label->text();
}
