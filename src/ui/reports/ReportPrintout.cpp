#include "ui/reports/ReportPrintout.h"

#include "ui/reports/BarChartPainter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace {

// Everything is laid out in units of 1/96 inch, the screen's pixel, so a
// chart measures on paper as it does on the screen.
constexpr double kUnitsPerInch = 96.0;

} // namespace

ReportPrintout::ReportPrintout(QString title, QStringList summary, QList<ReportSection> sections,
                               const QFont& font, const QLocale& locale)
    : m_title(std::move(title)), m_summary(std::move(summary)), m_sections(std::move(sections)), m_font(font),
      m_locale(locale)
{
    // Paper is read closer than a screen: a steady size, whatever the screen's.
    m_font.setPixelSize(12);
}

QPalette ReportPrintout::PaperPalette()
{
    QPalette paper;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        paper.setColor(group, QPalette::Base, Qt::white);
        paper.setColor(group, QPalette::Window, Qt::white);
        paper.setColor(group, QPalette::Text, Qt::black);
        paper.setColor(group, QPalette::WindowText, Qt::black);
        paper.setColor(group, QPalette::Highlight, QColor(38, 98, 190));
    }
    return paper;
}

bool ReportPrintout::Paint(QPagedPaintDevice* device) const
{
    QPainter p;
    if (!device || !p.begin(device))
        return false;
    const double scaleX = device->logicalDpiX() / kUnitsPerInch;
    const double scaleY = device->logicalDpiY() / kUnitsPerInch;
    p.scale(scaleX, scaleY);
    const QSizeF page(device->width() / scaleX, device->height() / scaleY);
    const ChartColours colours = ChartColours::FromPalette(PaperPalette());

    QFont titleFont = m_font;
    titleFont.setPixelSize(20);
    titleFont.setBold(true);
    QFont headFont = m_font;
    headFont.setPixelSize(15);
    headFont.setBold(true);
    const double line = QFontMetricsF(m_font).height();

    double y = 0.0;
    p.setPen(colours.text);
    p.setFont(titleFont);
    const double titleHeight = QFontMetricsF(titleFont).height();
    p.drawText(QRectF(0, y, page.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter, m_title);
    y += titleHeight + line / 2;
    p.setFont(m_font);
    // The summary is a sentence: it wraps at the page's edge.
    for (const QString& text : m_summary) {
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        const QRectF bounds = p.boundingRect(QRectF(0, y, page.width(), page.height()), flags, text);
        p.drawText(QRectF(0, y, page.width(), bounds.height()), flags, text);
        y += bounds.height();
    }
    y += line;

    const double headHeight = QFontMetricsF(headFont).height();
    for (const ReportSection& section : m_sections) {
        const BarChartPainter chart(section.grouping, section.bars, m_font, colours, m_locale);
        const double notes = section.notes.size() * line;
        // Rows go on over as many pages as they need, a page's worth at a time;
        // the month columns stand together.
        const bool rows = section.grouping != ReportGrouping::Month && !section.bars.isEmpty();
        qsizetype first = 0;
        bool continued = false;
        for (;;) {
            const double above = headHeight + (continued ? 0.0 : notes) + line / 2;
            const double room = page.height() - y - above;
            qsizetype count = section.bars.size();
            if (rows) {
                count = 0;
                while (first + count < section.bars.size() &&
                       chart.Part(first, count + 1).PreferredHeight() <= room)
                    ++count;
            }
            const bool fits = rows ? count > 0 : chart.PreferredHeight() <= room;
            if (!fits && y > 0.0) {
                if (!device->newPage()) {
                    p.end();
                    return false;
                }
                y = 0.0;
                continue;
            }
            if (rows)
                count = std::max<qsizetype>(count, 1);
            const BarChartPainter shown = rows ? chart.Part(first, count) : chart;
            const double height = std::min(shown.PreferredHeight(), page.height() - y - above);
            p.setFont(headFont);
            p.setPen(colours.text);
            p.drawText(QRectF(0, y, page.width(), headHeight), Qt::AlignLeft | Qt::AlignVCenter,
                       continued ? tr("%1 (continued)").arg(section.title) : section.title);
            y += headHeight;
            p.setFont(m_font);
            if (!continued) {
                for (const QString& text : section.notes) {
                    p.drawText(QRectF(0, y, page.width(), line), Qt::AlignLeft | Qt::AlignVCenter, text);
                    y += line;
                }
            }
            y += line / 2;
            shown.Paint(p, QRectF(0, y, page.width(), height));
            y += height + line * 1.5;
            first += count;
            continued = true;
            if (!rows || first >= section.bars.size())
                break;
            if (!device->newPage()) {
                p.end();
                return false;
            }
            y = 0.0;
        }
    }
    p.end();
    return true;
}

QByteArray ReportPrintout::Pdf() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(m_title);
        pdf.setCreator(QStringLiteral("Tallyvane"));
        pdf.setResolution(300);
        const bool letter = m_locale.measurementSystem() == QLocale::ImperialUSSystem;
        pdf.setPageSize(QPageSize(letter ? QPageSize::Letter : QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        if (!Paint(&pdf))
            return QByteArray();
    }
    return bytes;
}
