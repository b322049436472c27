#include "ui/skinui/GuiDrawLayer.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <cmath>

int GuiDrawLayer::m_Style = GuiDrawLayer::kStyleBlue;

namespace {

GuiDrawLayer::Colours LightSkin()
{
    GuiDrawLayer::Colours c;
    c.dark = false;
    c.face = QColor(173, 201, 243);
    c.bannerTop = QColor(222, 234, 253);
    c.bannerBottom = QColor(141, 178, 223);
    c.shadow = QColor(101, 138, 203);
    c.caption = QColor(16, 50, 110);
    c.text = QColor(16, 33, 63);
    c.disabledText = QColor(109, 127, 156);
    c.subtitle = QColor(30, 45, 80);
    c.hot = QColor(255, 231, 162);
    c.hotBorder = QColor(230, 139, 44);
    c.pressed = QColor(251, 196, 107);
    c.focus = QColor(255, 243, 200);
    c.base = QColor(255, 255, 255);
    c.alternateBase = QColor(239, 245, 253);
    c.baseText = QColor(0, 0, 0);
    c.placeholder = QColor(100, 100, 100);
    c.notice = QColor(255, 244, 194);
    c.noticeText = QColor(0, 0, 0);
    c.link = QColor(0, 70, 160);
    return c;
}

// The same faces by night: deep blue bars, warm dark item states, light text.
GuiDrawLayer::Colours DarkSkin()
{
    GuiDrawLayer::Colours c;
    c.dark = true;
    c.face = QColor(44, 56, 78);
    c.bannerTop = QColor(64, 82, 112);
    c.bannerBottom = QColor(36, 47, 66);
    c.shadow = QColor(20, 27, 40);
    c.caption = QColor(185, 210, 250);
    c.text = QColor(228, 236, 248);
    c.disabledText = QColor(130, 140, 158);
    c.subtitle = QColor(200, 212, 232);
    c.hot = QColor(96, 76, 36);
    c.hotBorder = QColor(214, 140, 60);
    c.pressed = QColor(124, 88, 34);
    c.focus = QColor(80, 64, 32);
    c.base = QColor(32, 34, 38);
    c.alternateBase = QColor(38, 46, 58);
    c.baseText = QColor(235, 235, 235);
    c.placeholder = QColor(165, 165, 165);
    c.notice = QColor(70, 60, 28);
    c.noticeText = QColor(245, 240, 225);
    c.link = QColor(150, 190, 255);
    return c;
}

// Of black and white, the one that reads better on `background`.
QColor ReadableOn(const QColor& background)
{
    return GuiDrawLayer::Contrast(Qt::black, background) >= GuiDrawLayer::Contrast(Qt::white, background)
               ? QColor(Qt::black)
               : QColor(Qt::white);
}

} // namespace

double GuiDrawLayer::Luminance(const QColor& colour)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double GuiDrawLayer::Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool GuiDrawLayer::IsDark(const QPalette& palette)
{
    return Luminance(palette.color(QPalette::Active, QPalette::WindowText)) >
           Luminance(palette.color(QPalette::Active, QPalette::Window));
}

GuiDrawLayer::Colours GuiDrawLayer::Skin()
{
    return Skin(QApplication::palette());
}

GuiDrawLayer::Colours GuiDrawLayer::Skin(const QPalette& palette)
{
    return IsDark(palette) ? DarkSkin() : LightSkin();
}

QPalette GuiDrawLayer::SkinPalette()
{
    return SkinPalette(QApplication::palette());
}

QPalette GuiDrawLayer::SkinPalette(const QPalette& desktop)
{
    const Colours c = Skin(desktop);
    QPalette pal = desktop;
    const QColor button = c.dark ? c.face.lighter(125) : c.face.lighter(112);
    // The selection keeps the desktop's colour, with text that reads on it.
    const QColor highlight = desktop.color(QPalette::Active, QPalette::Highlight);
    QColor highlighted = desktop.color(QPalette::Active, QPalette::HighlightedText);
    if (Contrast(highlighted, highlight) < 4.5)
        highlighted = ReadableOn(highlight);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = group == QPalette::Disabled;
        pal.setColor(group, QPalette::Window, c.face);
        pal.setColor(group, QPalette::WindowText, off ? c.disabledText : c.text);
        pal.setColor(group, QPalette::Button, button);
        pal.setColor(group, QPalette::ButtonText, off ? c.disabledText : c.text);
        pal.setColor(group, QPalette::Base, c.base);
        pal.setColor(group, QPalette::AlternateBase, c.alternateBase);
        pal.setColor(group, QPalette::Text, off ? c.disabledText : c.baseText);
        pal.setColor(group, QPalette::PlaceholderText, c.placeholder);
        pal.setColor(group, QPalette::BrightText, c.dark ? QColor(Qt::white) : QColor(Qt::black));
        pal.setColor(group, QPalette::Light, button.lighter(130));
        pal.setColor(group, QPalette::Midlight, button.lighter(110));
        pal.setColor(group, QPalette::Mid, c.shadow);
        pal.setColor(group, QPalette::Dark, c.shadow.darker(130));
        pal.setColor(group, QPalette::Shadow, QColor(Qt::black));
        pal.setColor(group, QPalette::Link, c.link);
        pal.setColor(group, QPalette::LinkVisited, c.link);
        pal.setColor(group, QPalette::Highlight, highlight);
        pal.setColor(group, QPalette::HighlightedText, highlighted);
        pal.setColor(group, QPalette::ToolTipBase, c.notice);
        pal.setColor(group, QPalette::ToolTipText, c.noticeText);
    }
    return pal;
}

QColor GuiDrawLayer::GetRGBColorFace(int style)
{
    if (style == kStyleBlue)
        return Skin().face;
    return QApplication::palette().color(QPalette::Window);
}

QColor GuiDrawLayer::GetRGBColorBTNHigh()
{
    return Skin().caption;
}

QColor GuiDrawLayer::GetRGBColorShadow(int style)
{
    if (style == kStyleBlue)
        return Skin().shadow;
    return GetRGBColorFace(style).darker(140);
}

QPair<QColor, QColor> GuiDrawLayer::BannerColors(const QColor& face)
{
    for (const Colours& skin : {LightSkin(), DarkSkin()}) {
        if (face == skin.face)
            return {skin.bannerTop, skin.bannerBottom};
    }
    auto is = [&](int r, int g, int b) { return face.red() == r && face.green() == g && face.blue() == b; };
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
    QPalette pal = SkinPalette();
    const QColor face = GetRGBColorFace(style);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::Window, face);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}
