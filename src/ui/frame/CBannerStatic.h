#pragma once

#include <QPixmap>
#include <QWidget>

// The toolbar's banner: a vertical gradient in the colours of the face colour
// with the banner image at a quarter of its width and height.
class CBannerStatic : public QWidget
{
    Q_OBJECT
public:
    explicit CBannerStatic(QWidget* parent = nullptr);

    // The banner as painted at a size.
    QImage Render(const QSize& size) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    mutable QList<QPixmap> m_images;
    mutable bool m_loaded = false;
};
