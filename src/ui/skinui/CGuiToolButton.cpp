#include "ui/skinui/CGuiToolButton.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace {
// Frame and the gap between icon and text, around the caption.
constexpr int kTextMargins = 16;
} // namespace

CGuiToolButton::CGuiToolButton(QWidget* parent) : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setAutoRaise(true);
    setIconSize(QSize(32, 32));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    QFont f = font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.35);
    setFont(f);
}

void CGuiToolButton::SetCaption(const QString& caption)
{
    setText(caption);
    updateGeometry();
    update();
}

void CGuiToolButton::SetColor(const QColor& color)
{
    // Only the caption shows, in this colour: no hot or pressed panel.
    QPalette pal = palette();
    pal.setColor(QPalette::ButtonText, color);
    setPalette(pal);
    m_captionOnly = true;
    update();
}

QString CGuiToolButton::ShownCaption() const
{
    const int room = width() - iconSize().width() - kTextMargins;
    return fontMetrics().elidedText(text(), Qt::ElideRight, qMax(0, room));
}

QSize CGuiToolButton::minimumSizeHint() const
{
    // The icon and a few letters; the rest of the caption is elided.
    const QSize full = QToolButton::minimumSizeHint();
    const int least =
        iconSize().width() + kTextMargins + fontMetrics().horizontalAdvance(QStringLiteral("Wi…"));
    return QSize(qMin(full.width(), least), full.height());
}

void CGuiToolButton::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.text = ShownCaption();
    if (m_captionOnly)
        option.state &=
            ~(QStyle::State_Sunken | QStyle::State_On | QStyle::State_Raised | QStyle::State_MouseOver);
    p.drawComplexControl(QStyle::CC_ToolButton, option);
}
