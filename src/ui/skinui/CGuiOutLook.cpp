#include "ui/skinui/CGuiOutLook.h"

#include "ui/skinui/GuiDrawLayer.h"

#include <QToolButton>
#include <QVBoxLayout>

CGuiOutLook::CGuiOutLook(QWidget* parent) : QWidget(parent), m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(4, 10, 4, 10);
    m_layout->setSpacing(8);
    m_layout->addStretch(1);
}

void CGuiOutLook::SetImageList(const QList<QPixmap>& images)
{
    m_images = images;
}

void CGuiOutLook::AddItem(int commandId, const QString& caption, int imageIndex, const QString& toolTip)
{
    auto* item = new QToolButton(this);
    item->setObjectName(QStringLiteral("outlookItem%1").arg(commandId));
    item->setText(caption);
    item->setToolTip(toolTip);
    item->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    item->setIconSize(QSize(32, 32));
    item->setAutoRaise(true);
    item->setCursor(Qt::PointingHandCursor);
    item->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    if (imageIndex >= 0 && imageIndex < m_images.size())
        item->setIcon(QIcon(m_images.at(imageIndex)));
    connect(item, &QToolButton::clicked, this, [this, commandId] { emit commandRequested(commandId); });
    m_layout->insertWidget(m_layout->count() - 1, item, 0, Qt::AlignHCenter);
    m_items.insert(commandId, item);
    m_order << commandId;
}

void CGuiOutLook::SetStyle(int style)
{
    const QColor face = GuiDrawLayer::GetRGBColorFace(style);
    setStyleSheet(
        QStringLiteral("CGuiOutLook { background: %1; }"
                       "QToolButton { color: #10213f; border: 1px solid transparent; border-radius: 3px;"
                       " padding: 3px 6px; min-width: 84px; }"
                       "QToolButton:hover { background: #ffe7a2; border-color: #e68b2c; }"
                       "QToolButton:pressed { background: #fbc46b; }"
                       "QToolButton:focus { background: #fff3c8; border: 2px solid #e68b2c; }"
                       "QToolButton:disabled { color: #6d7f9c; }")
            .arg(face.lighter(108).name()));
    setAttribute(Qt::WA_StyledBackground, true);
}

void CGuiOutLook::SetItemEnabled(int commandId, bool enabled)
{
    if (QToolButton* item = m_items.value(commandId))
        item->setEnabled(enabled);
}

QList<QToolButton*> CGuiOutLook::Items() const
{
    QList<QToolButton*> items;
    for (int id : m_order)
        items << m_items.value(id);
    return items;
}
