#pragma once

#include <QColor>
#include <QPair>

class QWidget;

// Colours of the skinned look. Every frame, bar and dialog of the program
// takes its face colour from here, so one style value changes them all.
class GuiDrawLayer
{
public:
    // The program's visual style.
    static constexpr int kStyleBlue = 0x8002;
    static int m_Style;

    // Face colour of a style: background of dialogs, bars and captions.
    static QColor GetRGBColorFace(int style = m_Style);
    // Colour of captions drawn over the face (the caption bar's text).
    static QColor GetRGBColorBTNHigh();
    // A darker tone of the face for borders and separators.
    static QColor GetRGBColorShadow(int style = m_Style);

    // Top and bottom colours of the banner gradient for a face colour.
    static QPair<QColor, QColor> BannerColors(const QColor& face);
    // Colour of band `band` (0..bands-1) running from top to bottom in `bands` steps.
    static QColor BandColor(const QColor& top, const QColor& bottom, int band, int bands);

    // Paints a widget's background (and that of its labels) in the face colour.
    static void ApplyFace(QWidget* widget, int style = m_Style);
};
