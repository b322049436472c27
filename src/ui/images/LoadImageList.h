#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

// Cuts the image strip of a bitmap resource into images cx pixels wide and as
// high as the strip, white becoming transparent. Empty when the bitmap does
// not exist or cx is not positive.
QList<QPixmap> LoadImageList(int bitmapId, int cx);

// The same as icons that paint their image when first shown: a window shows
// few of a strip's images at first.
QList<QIcon> LoadImageIcons(int bitmapId, int cx);

// The same for a strip already in hand.
QList<QPixmap> CutImageList(const QPixmap& strip, int cx);
