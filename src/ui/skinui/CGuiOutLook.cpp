#include "ui/skinui/CGuiOutLook.h"

#include "ui/skinui/GuiDrawLayer.h"
#include "ui/skinui/SkinStyle.h"

#include <QEvent>
#include <QToolButton>
#include <QVBoxLayout>

CGuiOutLook::CGuiOutLook(QWidget* parent) : QWidget(parent), m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(4, 10, 4, 10);
    m_layout->setSpacing(8);
    m_layout->addStretch(1);
}

void CGuiOutLook::SetImageList(const QList<QIcon>& images)
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
    // The hand shows from the first time the mouse comes over an item: a
    // cursor set now would be read from the cursor theme before the window shows.
    item->installEventFilter(this);
    item->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    item->setMinimumWidth(84);
    if (imageIndex >= 0 && imageIndex < m_images.size())
        item->setIcon(m_images.at(imageIndex));
    connect(item, &QToolButton::clicked, this, [this, commandId] { emit commandRequested(commandId); });
    m_layout->insertWidget(m_layout->count() - 1, item, 0, Qt::AlignHCenter);
    m_items.insert(commandId, item);
    m_order << commandId;
}

void CGuiOutLook::SetStyle(int style)
{
    // The items' hot, pressed and focused looks are drawn by SkinStyle.
    SkinStyle::SetRole(this, SkinStyle::Role::OutlookItems);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, GuiDrawLayer::GetRGBColorFace(style).lighter(108));
    pal.setColor(QPalette::ButtonText, QColor(16, 33, 63));
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(109, 127, 156));
    setPalette(pal);
    setAutoFillBackground(true);
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

bool CGuiOutLook::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter) {
        auto* item = qobject_cast<QToolButton*>(watched);
        if (item && !item->testAttribute(Qt::WA_SetCursor))
            item->setCursor(Qt::PointingHandCursor);
    }
    return QWidget::eventFilter(watched, event);
}
