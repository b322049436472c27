#include "ui/skinui/CGuiControlBar.h"

#include "ui/skinui/GuiDrawLayer.h"

#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

class CGuiControlBar::Caption : public QWidget
{
public:
    explicit Caption(CGuiControlBar* bar) : QWidget(bar), m_bar(bar)
    {
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(8, 2, 3, 2);
        layout->addStretch(1);
        auto* close = new QToolButton(this);
        close->setAutoRaise(true);
        close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
        close->setIconSize(QSize(10, 10));
        close->setToolTip(CGuiControlBar::tr("Close"));
        close->setAccessibleName(CGuiControlBar::tr("Close %1").arg(bar->windowTitle()));
        connect(close, &QToolButton::clicked, bar, &QDockWidget::close);
        layout->addWidget(close);
        setFixedHeight(22);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const auto [top, bottom] = GuiDrawLayer::BannerColors(GuiDrawLayer::GetRGBColorFace());
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, top);
        g.setColorAt(1, bottom);
        p.fillRect(rect(), g);
        p.setPen(GuiDrawLayer::GetRGBColorShadow());
        p.drawLine(0, height() - 1, width(), height() - 1);
        QFont f = font();
        f.setBold(true);
        p.setFont(f);
        p.setPen(GuiDrawLayer::GetRGBColorBTNHigh());
        p.drawText(rect().adjusted(8, 0, -28, 0), Qt::AlignVCenter | Qt::AlignLeft, m_bar->windowTitle());
    }

private:
    CGuiControlBar* m_bar;
};

CGuiControlBar::CGuiControlBar(const QString& title, QWidget* parent)
    : QDockWidget(title, parent), m_caption(new Caption(this))
{
    setTitleBarWidget(m_caption);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
}

void CGuiControlBar::SetChild(QWidget* child)
{
    setWidget(child);
}

void CGuiControlBar::SetStyle(int style)
{
    GuiDrawLayer::ApplyFace(this, style);
    m_caption->update();
}
