#include "export/CWordExport.h"

#include "export/CSpreadsheetExport.h"
#include "model/base/LocaleFormat.h"
#include "model/base/MessageTexts.h"

namespace {

constexpr int kCell = IWordSelection::kCellUnit;
constexpr int kExtend = 1;
constexpr int kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2;
constexpr int kVAlignCentre = 1, kVAlignBottom = 3;
constexpr quint32 kTitleColour = 0x000000;
constexpr quint32 kHeaderColour = 0x800000;
constexpr quint32 kGreyShade = 0xDCDCDC;
constexpr quint32 kTitleShade = 0xEEDFD3;
constexpr quint32 kTotalsColour = 0xC80000;

// The vocabulary of the document build, each step one call on the selection.
struct Steps
{
    IWordSelection& s;

    bool Bold() { return s.SetFontBold(1); }
    bool Colour(quint32 c) { return s.SetFontColor(c); }
    bool Size(double delta)
    {
        double size = 0;
        return s.GetFontSize(&size) && s.SetFontSize(size + delta);
    }
    bool Align(int a) { return s.SetParagraphAlignment(a); }
    bool VAlign(int v) { return s.SetCellsVerticalAlignment(v); }
    bool Shade(quint32 c) { return s.SetCellsShading(c); }
    bool Type(const QString& t) { return s.TypeText(t); }
    bool Right(int k) { return s.MoveRight(kCell, k, kExtend); }
    bool Left(int k) { return s.MoveLeft(kCell, k, kExtend); }
    bool Split() { return s.SplitCells(2, 1); }
};

} // namespace

QString WordExportErrorText()
{
    return CWordExport::tr("Error !!!");
}

bool BuildWordDocument(IWordSelection& selection, const QList<DueRecord>& dues, const COleDateTime& shownDate,
                       bool withNotes, const QLocale& locale)
{
    Steps s{selection};
    const int cols = withNotes ? 5 : 4;
    const int n = int(dues.size());
    auto currency = [&locale](double amount) { return FormatCurrencyText(AmountText(amount), locale); };
    auto date = [&locale](const COleDateTime& d, const char* picture) {
        return FormatDatePicture(d, QLatin1String(picture), locale);
    };

    // The paper of the locale, then the title.
    if (!selection.SetPageSetupPaperSize(LocaleUsesLetterPaper(locale) ? IWordSelection::kPaperLetter
                                                                       : IWordSelection::kPaperA4))
        return false;
    if (!(selection.SetFontUnderline(1) && s.Bold() && s.Colour(kTitleColour) && s.Align(kAlignCentre) &&
          s.Size(2) && s.Type(date(shownDate, "MMMM-yyyy") + QStringLiteral("\r\n\r\n")) &&
          selection.SetFontUnderline(0) && selection.SetFontStrikeThrough(0) && s.Size(-2) &&
          s.Colour(kTitleColour)))
        return false;

    // The table: header row, repeated on every page, one row per due, totals
    // row.
    if (!selection.AddTable(n + 2, cols, 1, 0) || !selection.SetRowsHeadingFormat(1))
        return false;
    if (!(s.VAlign(kVAlignCentre) && s.Colour(kHeaderColour) && s.Shade(kGreyShade) &&
          s.Type(CWordExport::tr("Due"))))
        return false;
    QStringList headings = {CWordExport::tr("Pay To/Account"), CWordExport::tr("Type/Status"),
                            CWordExport::tr("Amount")};
    if (withNotes)
        headings << CWordExport::tr("Notes");
    for (const QString& heading : headings) {
        if (!(s.Right(1) && s.Colour(kHeaderColour) && s.VAlign(kVAlignCentre) && s.Shade(kGreyShade) &&
              s.Type(heading)))
            return false;
    }
    if (!s.Size(-4))
        return false;

    double paidSum = 0.0, unpaidSum = 0.0;
    int paidCount = 0, unpaidCount = 0;
    for (const DueRecord& d : dues) {
        if (d.m_bPaid) {
            paidSum += d.m_dAmount;
            ++paidCount;
        } else {
            unpaidSum += d.m_dAmount;
            ++unpaidCount;
        }
        // The due's block: its row split so that each heading gets what it
        // names (the word processor decides how the split cells lie).
        if (!(s.Right(1) && s.Split() && s.Right(cols + 1) && s.Split() && s.Left(cols + 1) && s.Right(1) &&
              s.Split() && s.Right(2) && s.Split() && s.Left(4) && s.Right(1)))
            return false;
        if (!(s.Bold() && s.Align(kAlignCentre) && s.Type(d.m_strTitle) && s.Shade(kTitleShade)))
            return false;
        if (!(s.Right(1) && s.Bold() && s.Align(kAlignLeft) && s.Type(d.m_strPayTo)))
            return false;
        if (!(s.Right(1) && s.Bold() && s.Align(kAlignLeft) && s.Type(DueTypeText(d.m_nType))))
            return false;
        if (!s.Right(1))
            return false;
        if (withNotes) {
            QString notes = d.m_strNotes;
            notes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            if (!(s.Right(1) && s.Bold() && s.Align(kAlignLeft)))
                return false;
            if (!notes.isEmpty() && !(s.Type(CWordExport::tr("Show Notes")) && selection.AddComment(notes)))
                return false;
        }
        if (!(s.Right(1) && s.Bold() && s.Align(kAlignLeft) && s.Type(date(d.m_dtStart, "dd/MM/yyyy"))))
            return false;
        if (!(s.Right(1) && s.Bold() && s.Align(kAlignLeft) && s.Type(date(d.m_dtDue, "dd/MM/yyyy"))))
            return false;
        if (!(s.Right(1) && s.Bold() && s.Align(kAlignRight) && s.Type(d.m_strAccount)))
            return false;
        if (!(s.Right(1) && s.Bold() && s.Align(kAlignRight) &&
              s.Type(d.m_bPaid ? CWordExport::tr("Paid") : CWordExport::tr("Unpaid"))))
            return false;
        if (!(s.Right(1) && s.Bold() && s.Align(kAlignRight) && s.VAlign(kVAlignBottom) &&
              s.Type(currency(d.m_dAmount))))
            return false;
        if (withNotes && !s.Right(1))
            return false;
    }

    // Totals row.
    if (!(s.Right(1) && s.Shade(kGreyShade) && s.Colour(kTotalsColour) &&
          s.Type(CWordExport::tr("Status: (%1/%2)").arg(paidCount).arg(paidCount + unpaidCount))))
        return false;
    for (double sum : {paidSum, unpaidSum, paidSum + unpaidSum}) {
        if (!(s.Right(1) && s.Shade(kGreyShade) && s.Align(kAlignRight) && s.Colour(kTotalsColour) &&
              s.Type(currency(sum))))
            return false;
    }
    if (withNotes && !s.Right(1))
        return false;
    return s.Shade(kGreyShade);
}

CWordExport::CWordExport(const QString& documentName, const QLocale& locale)
    : m_documentName(documentName), m_locale(locale)
{
}

CWordExport::~CWordExport() = default;

void CWordExport::Report(const QString& reason)
{
    QString message = WordExportErrorText();
    if (!reason.isEmpty())
        message += QStringLiteral("\n\n") + reason;
    m_messages.append(message);
}

bool CWordExport::OpenDocument(bool visible)
{
    std::unique_ptr<IWordApplication> app = CreateWordApplication(m_documentName);
    if (!app)
        return false; // no word processor: nothing to say
    if (!app->SetVisible(visible)) {
        Report(app->ErrorString());
        return false;
    }
    m_app = std::move(app);
    if (!m_app->AddDocument()) {
        Report(m_app->ErrorString());
        return false;
    }
    return true;
}

bool CWordExport::WriteDues(const QList<DueRecord>& dues, const COleDateTime& shownDate, bool withNotes,
                            EmptyList emptyList)
{
    m_buildError.clear();
    if (!m_app)
        return false;
    IWordSelection* selection = m_app->Selection();
    if (!selection) {
        Report(tr("The word processor has no document."));
        return false;
    }
    if (dues.isEmpty() && emptyList == EmptyList::Blank)
        return false;
    if (!BuildWordDocument(*selection, dues, shownDate, withNotes, m_locale)) {
        m_buildError = selection->ErrorString();
        if (m_buildError.isEmpty())
            m_buildError = tr("The document could not be completed.");
    }
    return true;
}

bool CWordExport::SetVisible(bool visible)
{
    if (!m_app)
        return false;
    if (!m_app->SetVisible(visible)) {
        Report(m_app->ErrorString());
        return false;
    }
    return true;
}

bool CWordExport::SaveAs(const QString& path)
{
    if (!m_app)
        return false;
    if (!m_app->SaveActiveDocument(path)) {
        Report(m_app->ErrorString());
        return false;
    }
    return true;
}

bool ExportWordFile(const ExportRequest& request, QString* errorText)
{
    auto fail = [&](const QString& text) {
        if (errorText)
            *errorText = text;
        return false;
    };
    if (request.outputPath.isEmpty())
        return fail(WordExportErrorText() + QStringLiteral("\n\n") +
                    CWordExport::tr("No output file was given."));

    CWordExport exporter(SpreadsheetDocumentName(request.month), request.locale);
    if (!exporter.OpenDocument(false)) {
        if (exporter.Messages().isEmpty())
            return fail(WordExportErrorText() + QStringLiteral("\n\n") +
                        CWordExport::tr("The word processor could not be started."));
        return fail(exporter.Messages().join(QStringLiteral("\n\n")));
    }
    // A file of a month without dues still shows the month, the headings and zero totals.
    (void)exporter.WriteDues(request.dues, request.month, request.withNotes, CWordExport::EmptyList::Table);
    if (!exporter.Messages().isEmpty())
        return fail(exporter.Messages().join(QStringLiteral("\n\n")));
    // A document cut short is not what was asked for: nothing is written.
    if (!exporter.BuildError().isEmpty())
        return fail(WordExportErrorText() + QStringLiteral("\n\n") + exporter.BuildError());
    if (!exporter.SaveAs(request.outputPath))
        return fail(exporter.Messages().join(QStringLiteral("\n\n")));
    return true;
}

bool ShowWordExport(const ExportRequest& request, QString* errorText)
{
    CWordExport exporter(SpreadsheetDocumentName(request.month), request.locale);
    (void)exporter.OpenDocument(false);
    (void)exporter.WriteDues(request.dues, request.month, request.withNotes);
    // What was written is shown all the same; a build cut short is reported
    // afterwards instead of passing for a complete document.
    const bool shown = exporter.SetVisible(true);
    QStringList messages = exporter.Messages();
    if (!exporter.BuildError().isEmpty())
        messages.append(WordExportErrorText() + QStringLiteral("\n\n") + exporter.BuildError());
    if (errorText)
        *errorText = messages.join(QStringLiteral("\n\n"));
    return shown && messages.isEmpty();
}
