#include "export/CPdfExport.h"

#include "export/CPdfWriter.h"
#include "model/LocaleFormat.h"

#include <QDir>

namespace {
constexpr int kLineUnit = 8; // 16 points a body line, a 14 px measuring cell

// The body blanks every parenthesis, which would show a negative amount in
// the accounting form "($3.00)" as " $3.00 ". Such an amount gets a leading
// minus instead, so it still reads as negative.
QString BodyAmountText(double amount, const QLocale& locale)
{
    QString text = FormatCurrencyText(AmountText(amount), locale);
    if (text.contains(QLatin1Char('(')) && text.contains(QLatin1Char(')'))) {
        text.remove(QLatin1Char('('));
        text.remove(QLatin1Char(')'));
        text = QLatin1Char('-') + text.trimmed();
    }
    return text;
}
} // namespace

QString PdfDueBody(const DueRecord& due, bool withNotes, const QLocale& locale)
{
    const QString crlf2 = QStringLiteral("\r\n\r\n");
    QString body;
    body += crlf2 + QStringLiteral(" Due : ") + due.m_strTitle;
    body += crlf2 + QStringLiteral(" Start Date : ") + FormatDatePicture(due.m_dtStart, QString(), locale);
    body += crlf2 + QStringLiteral(" Due Date : ") + FormatDatePicture(due.m_dtDue, QString(), locale);
    body += crlf2 + QStringLiteral(" Pay To : ") + due.m_strPayTo;
    body += crlf2 + QStringLiteral(" Account: ") + due.m_strAccount;
    body += crlf2 + QStringLiteral(" Amount: ") + BodyAmountText(due.m_dAmount, locale);
    body += crlf2 + QStringLiteral(" Due Type: ") + DueTypeText(due.m_nType);
    body += crlf2 + QStringLiteral(" Status: ") +
            (due.m_bPaid ? QStringLiteral("Paid") : QStringLiteral("Unpaid"));
    if (withNotes && !due.m_strNotes.isEmpty())
        body += crlf2 + QStringLiteral("Notes") + crlf2 + due.m_strNotes;
    return body;
}

void BuildPdfExport(CPdfWriter& writer, const ExportRequest& request)
{
    // Cover page.
    writer.NewPage();
    writer.AddTextBlock(QStringLiteral("Due Date(s)"), 100, 500, 2);
    writer.DrawLine(100, 470, 500, 470, 2);
    writer.AddTextBlock(FormatDatePicture(request.month, QStringLiteral("MMM - yyyy"), request.locale), 380,
                        460, 2);

    const qsizetype count = request.dues.size();
    for (qsizetype i = 0; i < count; ++i) {
        const DueRecord& due = request.dues.at(i);
        writer.NewPage();
        writer.AddTextBlock(due.m_strTitle, 50, 750, 1);
        writer.AddTextBlock(QStringLiteral("Record %1 of %2").arg(i + 1).arg(count), 400, 750, 1);
        writer.DrawLine(50, 725, 500, 725, 1);

        writer.AddParagraph(PdfDueBody(due, request.withNotes, request.locale), 50, 720, 1, kLineUnit);

        // Closes the due's last page.
        writer.AddTextBlock(QString(), 50, 80, 1);
        writer.DrawLine(50, 60, 500, 60, 1);
    }
}

bool ExportPdfFile(const ExportRequest& request, QString* errorText)
{
    const QString shownPath = QDir::toNativeSeparators(request.outputPath);
    if (request.dues.isEmpty()) {
        if (errorText)
            *errorText = QStringLiteral("No dues are listed, so \"%1\" was not written.").arg(shownPath);
        return false;
    }

    CPdfWriter writer;
    BuildPdfExport(writer, request);
    QString reason;
    if (!writer.Save(request.outputPath, &reason)) {
        if (errorText)
            *errorText = QStringLiteral("Could not write \"%1\": %2").arg(shownPath, reason.simplified());
        return false;
    }
    return true;
}
