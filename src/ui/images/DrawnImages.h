#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

#include <utility>

class QPainter;

// The program's own images, painted at the sizes the frame asks for. They
// stand in wherever the desktop's icon theme has no icon of its own.
namespace DrawnImages {

enum class Glyph
{
    Calendar,
    New,
    Modify,
    Delete,
    Filter,
    Refresh,
    Sync,
    Details,
    Excel,
    Word,
    Html,
    Pdf,
    Help,
    About,
    PrevMonth,
    NextMonth,
    Print,
    Folder,
    PaidMark,
    RecurringMark,
    Paid,
    Unpaid,
    Total,
    Bill,
    Series,
    AppIcon,
    MoreRight, // a bar's button for what does not fit: across
    MoreDown,  // and down
    Undo,      // an arrow bending back to the left
    Redo,      // and the same to the right
    Chart      // three bars on a base line
};

// One glyph in a size x size square, transparent around it.
QPixmap Paint(Glyph glyph, int size);
// Paints these glyphs at these sizes now, on any thread, for Paint to take
// ready: a window's start hands the images it shows first to a second core.
void PaintAhead(const QList<std::pair<Glyph, int>>& images);
// The same for bitmaps by resource number (those painted as images: 164).
void PaintBitmapsAhead(const QList<int>& ids);
// The same with any painter, in a 32 x 32 space (scale the painter for other
// sizes): how the installed icons are made.
void PaintInto(QPainter& painter, Glyph glyph);
QIcon GlyphIcon(Glyph glyph);

// The desktop theme's icon of that name where the theme has one, otherwise the glyph.
QIcon ThemeIcon(const char* themeName, Glyph fallback);

// Image strips and single images by resource number:
//  132 row image 32x30; 138 toolbar strip 256x16 (16 images); 142 paid and
//  recurring marks 32x16; 146/147/148 status icons 16x16; 156 navigation
//  strip 800x32 (25 images); 164 banner image 100x14; 165 caption icons
//  96x32 (product, single due, due of a series). Null for other numbers.
QPixmap Bitmap(int id);
// A bitmap's size, without painting a strip.
QSize BitmapSize(int id);
// Cell `index` of a bitmap cut into cells cx pixels wide; of a strip, only
// that cell is painted.
QPixmap BitmapCell(int id, int index, int cx);

// The application icon in the usual sizes.
QIcon AppIcon();

} // namespace DrawnImages
