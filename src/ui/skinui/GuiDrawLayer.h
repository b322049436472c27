#pragma once

#include <QColor>
#include <QPair>
#include <QPalette>

class QWidget;

// Colours of the skinned look. Every frame, bar and dialog of the program
// takes its colours from here, so one style value changes them all. The skin
// follows the desktop's palette: a light skin (the blue faces) for a light
// palette, a dark one for a dark palette, each with text colours of its own
// that read on its faces at 4.5:1 or more.
class GuiDrawLayer
{
public:
    // The program's visual style.
    static constexpr int kStyleBlue = 0x8002;
    static int m_Style;

    // Every colour of one skin.
    struct Colours
    {
        bool dark = false;
        QColor face;      // dialogs, bars and captions
        QColor bannerTop; // the gradient of bars and headings
        QColor bannerBottom;
        QColor shadow;       // borders and separators
        QColor caption;      // captions drawn over the banner
        QColor text;         // text on the face, the banner and the item states below
        QColor disabledText; // text of a control that is off
        QColor subtitle;     // a heading's second line
        QColor hot;          // an item under the mouse
        QColor hotBorder;
        QColor pressed;       // an item pressed or on
        QColor focus;         // the item with the keyboard focus, an open folder
        QColor base;          // lists and fields
        QColor alternateBase; // every other line of a list
        QColor baseText;
        QColor placeholder; // hints in empty fields
        QColor notice;      // a note's background (the reminders)
        QColor noticeText;
        QColor link;
    };

    // True for a palette whose text is lighter than its windows.
    static bool IsDark(const QPalette& palette);
    // The skin for the application's palette (or the given one).
    static Colours Skin();
    static Colours Skin(const QPalette& palette);
    // A whole palette in the skin's colours, for a skinned window and all in
    // it: desktop widgets inside take the skin's text and field colours too.
    static QPalette SkinPalette();
    static QPalette SkinPalette(const QPalette& palette);

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

    // Gives a widget (a dialog, a bar) the skin's palette and paints its
    // background in the face colour.
    static void ApplyFace(QWidget* widget, int style = m_Style);

    // WCAG's relative luminance and contrast ratio (1 to 21).
    static double Luminance(const QColor& colour);
    static double Contrast(const QColor& a, const QColor& b);
};
