#include "ui/skinui/GuiDrawLayer.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include <algorithm>

int GuiDrawLayer::m_Style = GuiDrawLayer::kStyleBlue;

QColor GuiDrawLayer::GetRGBColorFace(int style)
{
    if (style == kStyleBlue)
        return QColor(173, 201, 243);
    return QApplication::palette().color(QPalette::Window);
}

QColor GuiDrawLayer::GetRGBColorBTNHigh()
{
    return QColor(21, 66, 139);
}

QColor GuiDrawLayer::GetRGBColorShadow(int style)
{
    if (style == kStyleBlue)
        return QColor(101, 138, 203);
    return GetRGBColorFace(style).darker(140);
}

QPair<QColor, QColor> GuiDrawLayer::BannerColors(const QColor& face)
{
    auto is = [&](int r, int g, int b) { return face.red() == r && face.green() == g && face.blue() == b; };
    if (is(173, 201, 243))
        return {QColor(222, 234, 253), QColor(141, 178, 223)};
    if (is(220, 222, 185))
        return {QColor(243, 251, 221), QColor(179, 194, 138)};
    if (is(231, 227, 241))
        return {QColor(248, 248, 250), QColor(165, 160, 184)};
    auto darker = [](int c) { return std::max(0, c - 30); };
    return {QColor(face.red(), face.green(), face.blue()),
            QColor(darker(face.red()), darker(face.green()), darker(face.blue()))};
}

QColor GuiDrawLayer::BandColor(const QColor& top, const QColor& bottom, int band, int bands)
{
    if (bands <= 0)
        return top;
    band = std::clamp(band, 0, bands - 1);
    auto mix = [&](int a, int b) { return a + (b - a) * band / bands; };
    return QColor(mix(top.red(), bottom.red()), mix(top.green(), bottom.green()),
                  mix(top.blue(), bottom.blue()));
}

void GuiDrawLayer::ApplyFace(QWidget* widget, int style)
{
    QPalette pal = widget->palette();
    const QColor face = GetRGBColorFace(style);
    pal.setColor(QPalette::Window, face);
    pal.setColor(QPalette::Button, face.lighter(112));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}
