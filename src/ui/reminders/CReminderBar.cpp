#include "ui/reminders/CReminderBar.h"

#include "ui/skinui/GuiDrawLayer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QScrollArea>
#include <QScrollBar>

namespace {
const QString kComingUpLink = QStringLiteral("coming-up");
const QString kCloseLink = QStringLiteral("close");
// Lines of text the bar is at most tall; what is longer scrolls.
constexpr int kMaxTextLines = 7;
} // namespace

CReminderBar::CReminderBar(QWidget* parent)
    : QFrame(parent), m_scroll(new QScrollArea(this)), m_label(new QLabel(m_scroll))
{
    setObjectName(QStringLiteral("ReminderBanner"));
    setFrameShape(QFrame::NoFrame);
    // A note's colours, light or dark with the skin, with text of its own.
    const GuiDrawLayer::Colours skin = GuiDrawLayer::Skin();
    QPalette colours = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Window, skin.notice);
        colours.setColor(group, QPalette::WindowText, skin.noticeText);
        colours.setColor(group, QPalette::Text, skin.noticeText);
        colours.setColor(group, QPalette::Link, skin.link);
        colours.setColor(group, QPalette::Base, skin.notice);
    }
    setPalette(colours);
    setAutoFillBackground(true);

    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::RichText);
    m_label->setContentsMargins(8, 6, 8, 6);
    m_label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_label->setPalette(colours);
    m_label->setAccessibleName(tr("Reminders"));
    connect(m_label, &QLabel::linkActivated, this, [this](const QString& link) {
        if (link == kComingUpLink)
            emit comingUpRequested();
        Clear();
    });

    m_scroll->setWidget(m_label);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus); // the links inside are the stops
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->viewport()->setAutoFillBackground(false);
    m_scroll->setPalette(colours);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    const int lineHeight = m_label->fontMetrics().lineSpacing();
    setMaximumHeight(lineHeight * kMaxTextLines + 12);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    hide();
}

void CReminderBar::AddReminders(const QStringList& lines, int more)
{
    m_lines += lines;
    m_more += more;
    Fill();
    show();
}

void CReminderBar::Clear()
{
    hide();
    m_lines.clear();
    m_more = 0;
    m_label->clear();
}

QString CReminderBar::text() const
{
    return m_label->text();
}

void CReminderBar::Fill()
{
    QString html = tr("Reminders (no desktop notification service answered):").toHtmlEscaped();
    const qsizetype shown = std::min<qsizetype>(m_lines.size(), kShownLines);
    // Each line keeps the direction of its own text (its first letter's), so
    // that an English line in a right-to-left window does not turn its date
    // and amount round.
    for (qsizetype i = 0; i < shown; ++i)
        html += QStringLiteral("<br>") + QChar(0x2068) + m_lines.at(i).toHtmlEscaped() + QChar(0x2069);
    const qsizetype more = m_lines.size() - shown + m_more;
    html += QStringLiteral("<br>");
    if (more > 0)
        html += tr("and %1 more").arg(QLocale().toString(qint64(more))).toHtmlEscaped() +
                QStringLiteral(" &nbsp; ");
    html += QStringLiteral("<a href=\"%1\">%2</a> &nbsp; <a href=\"%3\">%4</a>")
                .arg(kComingUpLink, tr("Open Coming Up").toHtmlEscaped(), kCloseLink,
                     tr("Close").toHtmlEscaped());
    m_label->setText(html);
    const int lineHeight = m_label->fontMetrics().lineSpacing();
    // As tall as its text up to the bound; the rest scrolls.
    m_scroll->setMinimumHeight(std::min(lineHeight * 2, maximumHeight()));
    m_scroll->verticalScrollBar()->setValue(0);
}
