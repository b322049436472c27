#include "ui/LoadImageList.h"

#include "ui/DrawnImages.h"

#include <QBitmap>

QList<QPixmap> LoadImageList(int bitmapId, int cx)
{
    return CutImageList(DrawnImages::Bitmap(bitmapId), cx);
}

QList<QPixmap> CutImageList(const QPixmap& strip, int cx)
{
    QList<QPixmap> images;
    if (strip.isNull() || cx <= 0)
        return images;
    const int count = strip.width() / cx;
    for (int i = 0; i < count; ++i) {
        QPixmap image = strip.copy(i * cx, 0, cx, strip.height());
        // White is the transparent colour of every strip.
        image.setMask(image.createMaskFromColor(Qt::white, Qt::MaskInColor));
        images << image;
    }
    return images;
}
