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

void CGuiOutLook::SetItemFilter(QObject* filter)
{
    m_itemFilter = filter;
    for (QToolButton* item : std::as_const(m_items))
        item->installEventFilter(filter);
}

void CGuiOutLook::AddItem(int commandId, const QString& caption, int imageIndex, const QString& toolTip)
{
    m_itemInfos.append({commandId, caption, imageIndex, toolTip});
    if (m_built) {
        m_built = false; // the new one is made with the next look at the items
        BuildItems();
    }
}

void CGuiOutLook::BuildItems() const
{
    if (m_built)
        return;
    m_built = true;
    auto* self = const_cast<CGuiOutLook*>(this);
    for (const ItemInfo& info : m_itemInfos) {
        if (m_items.contains(info.commandId))
            continue;
        auto* item = new QToolButton(self);
        item->setObjectName(QStringLiteral("outlookItem%1").arg(info.commandId));
        item->setText(info.caption);
        item->setToolTip(info.toolTip);
        item->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        item->setIconSize(QSize(32, 32));
        item->setAutoRaise(true);
        item->setEnabled(info.enabled);
        // The hand shows from the first time the mouse comes over an item: a
        // cursor set now would be read from the cursor theme before the window shows.
        item->installEventFilter(self);
        if (m_itemFilter)
            item->installEventFilter(m_itemFilter);
        item->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        item->setMinimumWidth(84);
        if (info.imageIndex >= 0 && info.imageIndex < m_images.size())
            item->setIcon(m_images.at(info.imageIndex));
        const int commandId = info.commandId;
        connect(item, &QToolButton::clicked, self,
                [self, commandId] { emit self->commandRequested(commandId); });
        m_layout->insertWidget(m_layout->count() - 1, item, 0, Qt::AlignHCenter);
        m_items.insert(commandId, item);
        // Made while the folder shows: shown now, not with a later event.
        if (isVisible())
            item->show();
    }
}

QToolButton* CGuiOutLook::Item(int commandId) const
{
    BuildItems();
    return m_items.value(commandId);
}

QList<int> CGuiOutLook::CommandIds() const
{
    QList<int> ids;
    for (const ItemInfo& info : m_itemInfos)
        ids << info.commandId;
    return ids;
}

void CGuiOutLook::SetStyle(int style)
{
    // The items' hot, pressed and focused looks are drawn by SkinStyle.
    SkinStyle::SetRole(this, SkinStyle::Role::OutlookItems);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, GuiDrawLayer::GetRGBColorFace(style).lighter(108));
    const GuiDrawLayer::Colours skin = GuiDrawLayer::Skin();
    pal.setColor(QPalette::ButtonText, skin.text);
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, skin.disabledText);
    setPalette(pal);
    setAutoFillBackground(true);
}

void CGuiOutLook::SetItemEnabled(int commandId, bool enabled)
{
    for (ItemInfo& info : m_itemInfos) {
        if (info.commandId == commandId)
            info.enabled = enabled;
    }
    if (QToolButton* item = m_items.value(commandId))
        item->setEnabled(enabled);
}

QList<QToolButton*> CGuiOutLook::Items() const
{
    BuildItems();
    QList<QToolButton*> items;
    for (const ItemInfo& info : m_itemInfos)
        items << m_items.value(info.commandId);
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
