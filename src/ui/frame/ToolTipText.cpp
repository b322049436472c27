#include "ui/frame/ToolTipText.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QTextBoundaryFinder>
#include <QToolTip>
#include <QWidget>

#include <algorithm>

namespace {

// Splits a word too wide for a line between its letters (never inside one).
QStringList BreakWord(const QString& word, const QFontMetrics& metrics, int width)
{
    QStringList pieces;
    QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, word);
    qsizetype start = 0;
    qsizetype last = 0;
    for (qsizetype at = letters.toNextBoundary(); at > 0; at = letters.toNextBoundary()) {
        if (last > start && metrics.horizontalAdvance(word.mid(start, at - start)) > width) {
            pieces << word.mid(start, last - start);
            start = last;
        }
        last = at;
    }
    pieces << word.mid(start);
    return pieces;
}

} // namespace

namespace ToolTipText {

QString Wrapped(const QString& text, const QFontMetrics& metrics, int width)
{
    width = std::max(width, metrics.horizontalAdvance(QLatin1Char('W')));
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString& word : paragraph.split(QLatin1Char(' '))) {
            const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (metrics.horizontalAdvance(joined) <= width) {
                line = joined;
                continue;
            }
            if (!line.isEmpty())
                lines << line;
            QStringList pieces = metrics.horizontalAdvance(word) <= width ? QStringList{word}
                                                                          : BreakWord(word, metrics, width);
            line = pieces.takeLast();
            lines << pieces;
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

QString ForScreen(const QString& text, const QWidget* widget)
{
    const QScreen* screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    const int width = screen ? screen->availableGeometry().width() / 2 : 600;
    return Wrapped(text, QFontMetrics(QToolTip::font()), std::max(width, 200));
}

} // namespace ToolTipText
