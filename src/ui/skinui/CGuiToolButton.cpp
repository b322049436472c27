#include "ui/skinui/CGuiToolButton.h"

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
    setStyleSheet(QStringLiteral("QToolButton { color: %1; border: none; background: transparent; }")
                      .arg(color.name()));
}
