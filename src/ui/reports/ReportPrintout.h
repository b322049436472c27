#pragma once

#include "model/services/Reports.h"
#include "ui/reports/ReportBars.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFont>
#include <QList>
#include <QLocale>
#include <QPalette>
#include <QStringList>

class QPagedPaintDevice;

// One chart of a printed report, with the lines written under its title.
struct ReportSection
{
    QString title;
    QStringList notes;
    ReportGrouping grouping = ReportGrouping::Month;
    QList<ReportBar> bars;
};

// The report on paper: its title and summary, then every chart in the
// colours of paper (dark text on white, whatever the screen's scheme), a
// chart that does not fit the rest of a page going on to the next. Paints on
// a printer, a print preview or a PDF writer.
class ReportPrintout
{
    Q_DECLARE_TR_FUNCTIONS(ReportPrintout)

public:
    ReportPrintout(QString title, QStringList summary, QList<ReportSection> sections, const QFont& font,
                   const QLocale& locale = QLocale());

    // Paints every page; false when the device cannot be painted on.
    bool Paint(QPagedPaintDevice* device) const;
    // The report as a PDF document on A4 or Letter as the locale has it.
    QByteArray Pdf() const;

    // Dark text on white with a blue accent.
    static QPalette PaperPalette();

private:
    QString m_title;
    QStringList m_summary;
    QList<ReportSection> m_sections;
    QFont m_font;
    QLocale m_locale;
};
