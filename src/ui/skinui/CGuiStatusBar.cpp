#include "ui/skinui/CGuiStatusBar.h"

#include "model/MessageTexts.h"

#include <QHBoxLayout>
#include <QLabel>

CGuiStatusBar::CGuiStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(true);
}

void CGuiStatusBar::SetIndicators(const QList<int>& ids)
{
    for (int id : ids) {
        auto* box = new QWidget(this);
        auto* layout = new QHBoxLayout(box);
        layout->setContentsMargins(6, 1, 6, 1);
        layout->setSpacing(4);
        auto* icon = new QLabel(box);
        auto* text = new QLabel(LoadResString(id), box);
        icon->setFixedSize(16, 16);
        icon->hide();
        layout->addWidget(icon);
        layout->addWidget(text, 1);
        box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        box->setObjectName(QStringLiteral("pane%1").arg(id));
        box->setStyleSheet(QStringLiteral("#pane%1 { border-left: 1px solid rgba(0,0,0,60); }").arg(id));
        addPermanentWidget(box);
        m_panes.insert(id, {box, icon, text});
    }
}

void CGuiStatusBar::SetPaneInfo(int id, int width, const QPixmap& icon)
{
    auto it = m_panes.find(id);
    if (it == m_panes.end())
        return;
    // At least that wide; a long amount widens its pane instead of being cut.
    it->box->setMinimumWidth(width);
    it->icon->setPixmap(icon);
    it->icon->setVisible(!icon.isNull());
}

void CGuiStatusBar::SetPaneText(int id, const QString& text)
{
    auto it = m_panes.find(id);
    if (it != m_panes.end())
        it->text->setText(text);
}

QString CGuiStatusBar::PaneText(int id) const
{
    auto it = m_panes.constFind(id);
    return it == m_panes.constEnd() ? QString() : it->text->text();
}
