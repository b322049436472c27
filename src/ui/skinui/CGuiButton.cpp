#include "ui/skinui/CGuiButton.h"

#include "ui/skinui/GuiDrawLayer.h"

CGuiButton::CGuiButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), m_caption(caption)
{
    SetStyleBorder(3);
}

void CGuiButton::SetStyleBorder(int style)
{
    const GuiDrawLayer::Colours skin = GuiDrawLayer::Skin();
    const QColor face = GuiDrawLayer::GetRGBColorFace();
    const auto [top, bottom] = GuiDrawLayer::BannerColors(face);
    const QString border =
        style == 3 ? GuiDrawLayer::GetRGBColorShadow().name() : QStringLiteral("transparent");
    setStyleSheet(QStringLiteral("CGuiButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1,"
                                 " stop:1 %2); border: 1px solid %3; border-radius: 3px; padding: 4px 14px;"
                                 " min-width: 64px; color: %4; }"
                                 "CGuiButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                                 " stop:0 %5, stop:1 %6); border-color: %7; }"
                                 "CGuiButton:pressed { background: %6; }"
                                 "CGuiButton:default { border-width: 2px; }"
                                 "CGuiButton:disabled { color: %8; }")
                      .arg(style == 0 ? QStringLiteral("transparent") : top.lighter(104).name(),
                           style == 0 ? QStringLiteral("transparent") : bottom.name(), border,
                           skin.text.name(), skin.focus.name(), skin.pressed.name(), skin.hotBorder.name(),
                           skin.disabledText.name()));
}

void CGuiButton::SetCaption(const QString& caption)
{
    m_caption = caption;
    setText(m_showText ? caption : QString());
}

void CGuiButton::ShowText(bool show)
{
    m_showText = show;
    setText(show ? m_caption : QString());
}
