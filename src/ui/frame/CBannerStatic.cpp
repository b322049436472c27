#include "ui/frame/CBannerStatic.h"

#include "ui/images/LoadImageList.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QPainter>

#include <algorithm>

namespace {
constexpr int kBands = 192;
}

CBannerStatic::CBannerStatic(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Banner"));
    setMinimumHeight(20);
}

QImage CBannerStatic::Render(const QSize& size) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(GuiDrawLayer::GetRGBColorFace());
    QPainter p(&image);
    const auto [top, bottom] = GuiDrawLayer::BannerColors(GuiDrawLayer::GetRGBColorFace());
    const int h = size.height();
    const int w = std::max(282, size.width());
    for (int i = 0; i < kBands; ++i) {
        // Band edges in whole pixels; bands thinner than a pixel merge into their neighbours.
        const int y0 = int(qint64(i) * h / kBands);
        const int y1 = int(qint64(i + 1) * h / kBands);
        if (y1 > y0)
            p.fillRect(0, y0, w, y1 - y0, GuiDrawLayer::BandColor(top, bottom, i, kBands));
    }
    // The image is taken when the banner is first painted: by then the
    // start-up's warm-up has usually painted it on its own thread.
    if (!m_loaded) {
        m_images = LoadImageList(164, 100);
        m_loaded = true;
    }
    if (!m_images.isEmpty())
        p.drawPixmap(size.width() / 4, size.height() / 4, m_images.first());
    return image;
}

void CBannerStatic::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, Render(size()));
}
