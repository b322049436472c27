#include "ui/images/LoadImageList.h"

#include "ui/images/DrawnImages.h"

#include <QBitmap>
#include <QIconEngine>
#include <QPainter>

QList<QPixmap> LoadImageList(int bitmapId, int cx)
{
    return CutImageList(DrawnImages::Bitmap(bitmapId), cx);
}

namespace {

// White is the transparent colour of every strip.
QPixmap WhiteTransparent(QPixmap image)
{
    image.setMask(image.createMaskFromColor(Qt::white, Qt::MaskInColor));
    return image;
}

// One cell of a strip, painted when the icon is first shown.
class CellIconEngine : public QIconEngine
{
public:
    CellIconEngine(int bitmapId, int index, QSize cell) : m_bitmapId(bitmapId), m_index(index), m_cell(cell)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return m_cell.boundedTo(size); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {m_cell}; }
    QIconEngine* clone() const override { return new CellIconEngine(*this); }
    QString key() const override { return QStringLiteral("TallyvaneCell"); }

private:
    const QIcon& Icon()
    {
        if (m_icon.isNull())
            m_icon = QIcon(WhiteTransparent(DrawnImages::BitmapCell(m_bitmapId, m_index, m_cell.width())));
        return m_icon;
    }

    int m_bitmapId;
    int m_index;
    QSize m_cell;
    QIcon m_icon;
};

} // namespace

QList<QIcon> LoadImageIcons(int bitmapId, int cx)
{
    QList<QIcon> icons;
    const QSize size = DrawnImages::BitmapSize(bitmapId);
    if (size.isEmpty() || cx <= 0)
        return icons;
    for (int i = 0; i < size.width() / cx; ++i)
        icons << QIcon(new CellIconEngine(bitmapId, i, QSize(cx, size.height())));
    return icons;
}

QList<QPixmap> CutImageList(const QPixmap& strip, int cx)
{
    QList<QPixmap> images;
    if (strip.isNull() || cx <= 0)
        return images;
    const int count = strip.width() / cx;
    for (int i = 0; i < count; ++i) {
        images << WhiteTransparent(strip.copy(i * cx, 0, cx, strip.height()));
    }
    return images;
}
