#include "ui/skinui/GuiCapOutBar.h"

#include "ui/skinui/CGuiMiniTool.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>

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
