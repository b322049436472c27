#pragma once

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgGenerator>
#include <QTextStream>

#include <functional>

// The installed icons are painted by the same code as the window's icon:
// this writes them as PNG files at the icon theme's usual sizes and as SVG.
//   <tool> OUTDIR NAME   writes OUTDIR/<size>/NAME.png and OUTDIR/NAME.svg
namespace IconExport {

inline constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// paint draws the icon in a size x size square.
inline int Run(int argc, char** argv, const std::function<void(QPainter&, int size)>& paint)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: " << argv[0] << " OUTDIR NAME\n";
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int size : kSizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            paint(p, size);
        }
        const QString path = QStringLiteral("%1/%2/%3.png").arg(dir).arg(size).arg(name);
        if (!image.save(path, "PNG")) {
            err << "cannot write " << path << '\n';
            return 1;
        }
    }
    constexpr int kSvgSize = 256;
    QSvgGenerator svg;
    svg.setFileName(QStringLiteral("%1/%2.svg").arg(dir, name));
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle(name);
    {
        QPainter p;
        if (!p.begin(&svg)) {
            err << "cannot write " << svg.fileName() << '\n';
            return 1;
        }
        p.setRenderHint(QPainter::Antialiasing);
        paint(p, kSvgSize);
    }
    return 0;
}

} // namespace IconExport
