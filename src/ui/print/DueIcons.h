#pragma once

#include <QColor>
#include <QPixmap>

// The pictures of a due: a bill sheet, and for a member of a recurring series
// the sheet with a circular arrow. The print list uses them, and the print
// page's icon.bmp and recicon.bmp are drawn from them.
QPixmap DueIconPixmap(bool recurring, int size = 16, const QColor& background = Qt::transparent);

// The strip across the top of the print dialog.
QPixmap PrintBannerPixmap(int width, int height, qreal devicePixelRatio = 1.0);
