#pragma once

#include <QProxyStyle>

class QWidget;

// The skinned look of the main window's bars, its navigation pane and its
// status panes, drawn over the desktop's style. (A style sheet would give the
// same look, but it puts every widget under it through a style-sheet polish,
// which cost a new window a good part of its start.) Widgets outside a skinned
// frame and unmarked widgets keep the desktop's look.
class SkinStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // What a marked widget is, for its look.
    enum class Role
    {
        None,
        Folders,      // a QToolBox whose tabs are the navigation pane's folder bars
        OutlookItems, // a widget whose tool buttons are the navigation pane's items
    };

    SkinStyle();

    // Makes the skin the application's style, once.
    static void Install();
    static void SetRole(QWidget* widget, Role role);

    // The skin's item colours: a hot (hovered) item, its border, a pressed item.
    static QColor HotColor();
    static QColor HotBorderColor();
    static QColor PressedColor();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
};
