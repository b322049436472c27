#include "ui/skinui/CGuiOutLookView.h"

#include "ui/skinui/CGuiOutLook.h"
#include "ui/skinui/GuiDrawLayer.h"
#include "ui/skinui/SkinStyle.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

CGuiFolder::CGuiFolder(QWidget* parent) : QToolBox(parent)
{
    setFrameShape(QFrame::NoFrame);
}

void CGuiFolder::AddFolder(QWidget* content, const QString& caption, const QIcon& icon)
{
    addItem(content, icon, caption);
    // QToolBox puts each folder in a scroll area that would take the focus
    // itself: a nameless stop before the items.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(
            content->parentWidget() ? content->parentWidget()->parentWidget() : nullptr))
        area->setFocusPolicy(Qt::NoFocus);
}

CGuiOutLookView::CGuiOutLookView(QWidget* parent) : QWidget(parent), m_folders(new CGuiFolder(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_folders);
    // A folder's items are made when it is first opened.
    connect(m_folders, &QToolBox::currentChanged, this, [this](int folder) {
        if (const CGuiOutLook* list = ListAt(folder))
            list->BuildItems();
    });
}

void CGuiOutLookView::AddFolder(CGuiOutLook* list, const QString& caption)
{
    list->SetItemFilter(this);
    connect(list, &CGuiOutLook::commandRequested, this, &CGuiOutLookView::commandRequested);
    m_folders->AddFolder(list, caption);
    if (m_folders->currentWidget() == list)
        list->BuildItems();
}

void CGuiOutLookView::BuildAllItems()
{
    for (int f = 0; f < m_folders->count(); ++f) {
        if (const CGuiOutLook* list = ListAt(f))
            list->BuildItems();
    }
}

CGuiOutLook* CGuiOutLookView::ListAt(int folder) const
{
    return qobject_cast<CGuiOutLook*>(m_folders->widget(folder));
}

QToolButton* CGuiOutLookView::FocusedItem() const
{
    for (int f = 0; f < m_folders->count(); ++f) {
        const CGuiOutLook* list = ListAt(f);
        if (list && list->ItemsBuilt()) { // no item of an unmade folder has the focus
            for (QToolButton* item : list->Items()) {
                if (item->hasFocus())
                    return item;
            }
        }
    }
    return nullptr;
}

void CGuiOutLookView::FocusCurrentItem()
{
    const CGuiOutLook* list = ListAt(m_folders->currentIndex());
    if (!list)
        return;
    const QList<QToolButton*> items = list->Items();
    if (m_lastItem && items.contains(m_lastItem) && m_lastItem->isEnabled())
        m_lastItem->setFocus(Qt::TabFocusReason);
    else
        FocusItem(m_folders->currentIndex(), 0);
}

void CGuiOutLookView::FocusItem(int folder, int item)
{
    const CGuiOutLook* list = ListAt(folder);
    if (!list)
        return;
    const QList<QToolButton*> items = list->Items();
    if (items.isEmpty())
        return;
    m_folders->SelectFolder(folder);
    QToolButton* button = items.value(item < 0 ? items.size() - 1 : qMin<qsizetype>(item, items.size() - 1));
    button->setFocus(Qt::OtherFocusReason);
    m_lastItem = button;
}

bool CGuiOutLookView::eventFilter(QObject* watched, QEvent* event)
{
    auto* item = qobject_cast<QToolButton*>(watched);
    if (item && event->type() == QEvent::FocusIn)
        m_lastItem = item;
    if (!item || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return QWidget::eventFilter(watched, event);
    const int folder = m_folders->currentIndex();
    const CGuiOutLook* list = ListAt(folder);
    const qsizetype at = list ? list->Items().indexOf(item) : -1;
    if (at < 0)
        return QWidget::eventFilter(watched, event);
    const qsizetype last = list->Items().size() - 1;
    const int folders = m_folders->count();
    switch (key->key()) {
    case Qt::Key_Down:
        if (at < last)
            FocusItem(folder, int(at + 1));
        else
            FocusItem((folder + 1) % folders, 0);
        return true;
    case Qt::Key_Up:
        if (at > 0)
            FocusItem(folder, int(at - 1));
        else
            FocusItem((folder + folders - 1) % folders, -1);
        return true;
    case Qt::Key_Home:
        FocusItem(folder, 0);
        return true;
    case Qt::Key_End:
        FocusItem(folder, -1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        item->click();
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void CGuiOutLookView::SetStyle(int style)
{
    // The folder bars are drawn by SkinStyle; the room under them is the face, lighter.
    SkinStyle::SetRole(m_folders, SkinStyle::Role::Folders);
    QPalette pal = m_folders->palette();
    pal.setColor(QPalette::Window, GuiDrawLayer::GetRGBColorFace(style).lighter(108));
    m_folders->setPalette(pal);
    m_folders->setAutoFillBackground(true);
    GuiDrawLayer::ApplyFace(this, style);
}
