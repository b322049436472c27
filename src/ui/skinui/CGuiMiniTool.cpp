#include "ui/skinui/CGuiMiniTool.h"

#include <QHBoxLayout>

CGuiMiniTool::CGuiMiniTool(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addStretch(1);
}

void CGuiMiniTool::SetImageList(const QList<QIcon>& images)
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
    return m_images.at(index);
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
    // Buttons take what their captions need, up to the width the bar has;
    // the bar itself never asks for more than its buttons' minimum.
    if (m_autoSize) {
        for (CGuiToolButton* b : m_buttons)
            b->updateGeometry();
    }
    layout()->invalidate();
    layout()->activate();
    update();
}
