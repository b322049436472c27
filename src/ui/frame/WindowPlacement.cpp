#include "ui/frame/WindowPlacement.h"

#include <QDataStream>

#include <algorithm>

namespace WindowPlacement {

namespace {
constexpr quint32 kMagic = 0x1D9D0CB;
// `start` moved so that `length` from it stays within `from` and `from + room`,
// or at `from` when it is longer.
int Within(int start, int length, int from, int room)
{
    return std::max(from, std::min(start, from + room - length));
}
} // namespace

std::optional<Saved> Decode(const QByteArray& geometry)
{
    QDataStream in(geometry);
    in.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    in >> magic >> major >> minor;
    if (magic != kMagic || major < 1 || major > 3)
        return std::nullopt;
    QRect frameGeometry;
    Saved saved;
    qint32 screen = 0;
    quint8 maximized = 0;
    quint8 fullScreen = 0;
    in >> frameGeometry >> saved.normal >> screen >> maximized >> fullScreen;
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    saved.maximized = maximized != 0;
    saved.fullScreen = fullScreen != 0;
    return saved;
}

QRect Fit(const QRect& normal, const QMargins& frame, const QRect& area)
{
    if (!normal.isValid() || normal.isEmpty())
        return FirstPlace(frame, area);
    const QSize room = area.size().shrunkBy(frame).expandedTo(QSize(1, 1));
    QRect placed(normal.topLeft(), normal.size().boundedTo(room));
    // Moved in by its frame, so that the title bar stays on the screen.
    const QSize outer = placed.size().grownBy(frame);
    const int left = Within(placed.left() - frame.left(), outer.width(), area.left(), area.width());
    const int top = Within(placed.top() - frame.top(), outer.height(), area.top(), area.height());
    placed.moveTopLeft(QPoint(left + frame.left(), top + frame.top()));
    return placed;
}

QRect FirstPlace(const QMargins& frame, const QRect& area)
{
    const QSize room = (area.size() * 9 / 10).shrunkBy(frame).expandedTo(QSize(1, 1));
    QRect placed(QPoint(0, 0), QSize(1100, 720).boundedTo(room));
    placed.moveCenter(area.center());
    return placed;
}

} // namespace WindowPlacement
