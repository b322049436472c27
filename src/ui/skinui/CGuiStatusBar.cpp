#include "ui/skinui/CGuiStatusBar.h"

#include "model/base/MessageTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace {

// A pane's 16 x 16 icon.
class PaneIconWidget : public QWidget
{
public:
    explicit PaneIconWidget(QWidget* parent) : QWidget(parent) { setFixedSize(16, 16); }

    void SetIcon(const QIcon& icon)
    {
        m_icon = icon;
        update();
    }
    QIcon Icon() const { return m_icon; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_icon.paint(&painter, rect());
    }

private:
    QIcon m_icon;
};

} // namespace

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
        auto* icon = new PaneIconWidget(box);
        auto* text = new QLabel(LoadResString(id), box);
        icon->hide();
        layout->addWidget(icon);
        layout->addWidget(text, 1);
        box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        box->setObjectName(QStringLiteral("pane%1").arg(id));
        addPermanentWidget(box);
        m_panes.insert(id, {box, icon, text});
    }
}

void CGuiStatusBar::SetPaneInfo(int id, int width, const QIcon& icon)
{
    auto it = m_panes.find(id);
    if (it == m_panes.end())
        return;
    // At least that wide; a long amount widens its pane instead of being cut.
    it->box->setMinimumWidth(width);
    static_cast<PaneIconWidget*>(it->icon)->SetIcon(icon);
    it->icon->setVisible(!icon.isNull());
}

void CGuiStatusBar::SetPaneText(int id, const QString& text)
{
    auto it = m_panes.find(id);
    if (it != m_panes.end())
        it->text->setText(text);
}

QIcon CGuiStatusBar::PaneIcon(int id) const
{
    auto it = m_panes.constFind(id);
    return it == m_panes.constEnd() ? QIcon() : static_cast<const PaneIconWidget*>(it->icon)->Icon();
}

QString CGuiStatusBar::PaneText(int id) const
{
    auto it = m_panes.constFind(id);
    return it == m_panes.constEnd() ? QString() : it->text->text();
}

void CGuiStatusBar::paintEvent(QPaintEvent* event)
{
    QStatusBar::paintEvent(event);
    // A faint divider on the left of each pane.
    QPainter painter(this);
    painter.setPen(QColor(0, 0, 0, 60));
    for (const Pane& pane : std::as_const(m_panes)) {
        if (pane.box->isVisible()) {
            const QRect r = pane.box->geometry();
            painter.drawLine(r.left(), r.top(), r.left(), r.bottom());
        }
    }
}
