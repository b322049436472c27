#include "ui/skinui/GuiCapOutBar.h"

#include "ui/skinui/GuiDrawLayer.h"

#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>

CGuiToolButton::CGuiToolButton(QWidget* parent) : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setAutoRaise(true);
    setIconSize(QSize(32, 32));
    QFont f = font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.35);
    setFont(f);
}

void CGuiToolButton::SetColor(const QColor& color)
{
    setStyleSheet(QStringLiteral("QToolButton { color: %1; border: none; background: transparent; }").arg(color.name()));
}

CGuiMiniTool::CGuiMiniTool(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addStretch(1);
}

void CGuiMiniTool::SetImageList(const QList<QPixmap>& images)
{
    m_images = images;
}

void CGuiMiniTool::AddButton(int index, int id, const QString& caption, const QString& toolTip)
{
    auto* button = new CGuiToolButton(this);
    button->setProperty("commandId", id);
    button->SetCaption(caption);
    button->SetToolTip(toolTip);
    button->SethIcon(GetImagIcon(index));
    if (m_caption.isValid())
        button->SetColor(m_caption);
    auto* layout = static_cast<QHBoxLayout*>(this->layout());
    layout->insertWidget(layout->count() - 1, button);
    m_buttons << button;
}

CGuiToolButton* CGuiMiniTool::GetButton(int index) const
{
    return m_buttons.value(index);
}

QIcon CGuiMiniTool::GetImagIcon(int index) const
{
    if (index < 0 || index >= m_images.size())
        return {};
    return QIcon(m_images.at(index));
}

void CGuiMiniTool::SetColorCaption(const QColor& color)
{
    m_caption = color;
    for (CGuiToolButton* b : m_buttons)
        b->SetColor(color);
}

void CGuiMiniTool::SetColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

void CGuiMiniTool::RecalLayout()
{
    if (m_autoSize) {
        for (CGuiToolButton* b : m_buttons)
            b->adjustSize();
    }
    layout()->invalidate();
    layout()->activate();
    update();
}

GuiCapOutBar::GuiCapOutBar(QWidget* parent) : QFrame(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 1, 6, 1);
    setMinimumHeight(40);
}

void GuiCapOutBar::SetMiniTool(CGuiMiniTool* tool)
{
    m_tool = tool;
    tool->setParent(this);
    layout()->addWidget(tool);
}

void GuiCapOutBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const auto [top, bottom] = GuiDrawLayer::BannerColors(GuiDrawLayer::GetRGBColorFace());
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(rect(), g);
    p.setPen(GuiDrawLayer::GetRGBColorShadow());
    p.drawLine(0, height() - 1, width(), height() - 1);
}
