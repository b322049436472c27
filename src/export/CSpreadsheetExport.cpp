#include "export/CSpreadsheetExport.h"

#include "model/AppPaths.h"
#include "model/LocaleFormat.h"
#include "model/MessageTexts.h"

#include <QLocale>
#include <QTime>

namespace {

constexpr quint32 kWhite = 16777215;

// The locale's long time format without its time zone part.
QString TimeWithSecondsFormat(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        out += c;
    }
    return out.trimmed();
}

} // namespace

CSpreadsheetExport::CSpreadsheetExport(const QString& documentName) : m_documentName(documentName) {}

CSpreadsheetExport::~CSpreadsheetExport() = default;

void CSpreadsheetExport::Report(const QString& reason)
{
    QString message = LoadResString(MessageId::SpreadsheetExportFailed);
    if (!reason.isEmpty())
        message += QStringLiteral("\n\n") + reason;
    m_messages.append(message);
}

bool CSpreadsheetExport::Open(const QString& templatePath, bool visible)
{
    m_pApplication = CreateSpreadsheetApplication(m_documentName);
    if (!m_pApplication)
        return false; // no spreadsheet application: the export ends silently
    if (!m_pApplication->SetVisible(visible) || !m_pApplication->AddWorkbook(templatePath)) {
        Report(m_pApplication->ErrorString());
        // Without a workbook every later call would fail once more; one
        // message is enough.
        m_pApplication.reset();
        return false;
    }
    return true;
}

bool CSpreadsheetExport::Fill(const QList<DueRecord>& dues, const QString& monthText, bool withNotes,
                              const QLocale& locale)
{
    ISpreadsheetApplication* app = m_pApplication.get();
    if (!app)
        return false;
    auto failed = [&] {
        Report(app->ErrorString());
        return false;
    };

    int count = 0;
    if (!app->GetSheetCount(&count))
        return failed();
    if (count != 0 && !app->SelectSheet(1))
        return failed();

    if (!withNotes) {
        const QString cell = QStringLiteral("I%1").arg(9);
        if (!app->SetRangeValue(cell, QString()) || !app->SetRangeInteriorColor(cell, kWhite))
            return failed();
    }

    double paid = 0.0;
    double unpaid = 0.0;
    int row = 10;
    for (const DueRecord& due : dues) {
        if (due.m_bPaid)
            paid += due.m_dAmount;
        else
            unpaid += due.m_dAmount;

        const QString values[] = {
            due.m_strTitle,
            SpreadsheetDateText(due.m_dtStart, locale),
            SpreadsheetDateText(due.m_dtDue, locale),
            due.m_strPayTo,
            due.m_strAccount,
            FormatCurrencyText(AmountText(due.m_dAmount), locale),
            DueTypeText(due.m_nType),
            due.m_bPaid ? QStringLiteral("Paid") : QStringLiteral("Unpaid"),
        };
        for (int col = 0; col < 8; ++col) {
            const QString cell = QStringLiteral("%1%2").arg(QChar('A' + col)).arg(row);
            if (!app->SetRangeValue(cell, values[col]))
                return failed();
        }
        if (withNotes && !due.m_strNotes.isEmpty()) {
            const QString cell = QStringLiteral("I%1").arg(row);
            QString notes = due.m_strNotes;
            notes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            if (!app->SetRangeValue(cell, QStringLiteral("Show Notes")) || !app->AddRangeComment(cell, notes))
                return failed();
        }
        ++row;
    }

    if (!app->SetRangeValue(QStringLiteral("C4"), monthText) ||
        !app->SetRangeValue(QStringLiteral("F4"), FormatCurrencyText(AmountText(paid), locale)) ||
        !app->SetRangeValue(QStringLiteral("F5"), FormatCurrencyText(AmountText(unpaid), locale)))
        return failed();
    return true;
}

bool CSpreadsheetExport::Show(bool visible)
{
    if (!m_pApplication)
        return false;
    if (!m_pApplication->SetVisible(visible)) {
        Report(m_pApplication->ErrorString());
        return false;
    }
    return true;
}

bool CSpreadsheetExport::SaveAs(const QString& path)
{
    if (!m_pApplication)
        return false;
    if (!m_pApplication->SaveActiveWorkbook(path)) {
        Report(m_pApplication->ErrorString());
        return false;
    }
    return true;
}

QString SpreadsheetMonthText(const COleDateTime& month)
{
    COleDateTime::Parts p;
    if (!month.GetParts(p))
        return {};
    return QStringLiteral("%1, %2")
        .arg(QLocale::c().monthName(p.month, QLocale::LongFormat))
        .arg(p.year, 4, 10, QLatin1Char('0'));
}

QString SpreadsheetDateText(const COleDateTime& date, const QLocale& locale)
{
    COleDateTime::Parts p;
    if (!date.GetParts(p))
        return {};
    QString text = FormatDatePicture(date, QString(), locale);
    if (p.hour != 0 || p.minute != 0 || p.second != 0) {
        text += QLatin1Char(' ') +
                locale.toString(QTime(p.hour, p.minute, p.second), TimeWithSecondsFormat(locale));
    }
    return text;
}

QString SpreadsheetDocumentName(const COleDateTime& month)
{
    COleDateTime::Parts p;
    if (!month.GetParts(p))
        return QStringLiteral("Dues");
    return QStringLiteral("Dues %1 %2").arg(QLocale::c().monthName(p.month, QLocale::LongFormat)).arg(p.year);
}

QString SpreadsheetTemplatePath()
{
    return GetDataFilePath(QStringLiteral("Templates/tlv.xltx"));
}

bool ExportSpreadsheetFile(const ExportRequest& request, QString* errorText)
{
    return ExportSpreadsheetFileFromTemplate(request, SpreadsheetTemplatePath(), errorText);
}

bool ExportSpreadsheetFileFromTemplate(const ExportRequest& request, const QString& templatePath,
                                       QString* errorText)
{
    auto fail = [&](const QString& text) {
        if (errorText)
            *errorText = text;
        return false;
    };
    if (request.outputPath.isEmpty())
        return fail(LoadResString(MessageId::SpreadsheetExportFailed) +
                    QStringLiteral("\n\nNo output file was given."));

    CSpreadsheetExport exporter(SpreadsheetDocumentName(request.month));
    const bool ok =
        exporter.Open(templatePath, false) &&
        exporter.Fill(request.dues, SpreadsheetMonthText(request.month), request.withNotes, request.locale) &&
        exporter.SaveAs(request.outputPath);
    if (ok)
        return true;
    if (exporter.Messages().isEmpty())
        return fail(LoadResString(MessageId::SpreadsheetExportFailed) +
                    QStringLiteral("\n\nThe spreadsheet application could not be started."));
    return fail(exporter.Messages().join(QStringLiteral("\n\n")));
}

bool ShowSpreadsheetExport(const ExportRequest& request, QString* errorText)
{
    return ShowSpreadsheetExportFromTemplate(request, SpreadsheetTemplatePath(), errorText);
}

bool ShowSpreadsheetExportFromTemplate(const ExportRequest& request, const QString& templatePath,
                                       QString* errorText)
{
    CSpreadsheetExport exporter(SpreadsheetDocumentName(request.month));
    (void)exporter.Open(templatePath, false);
    (void)exporter.Fill(request.dues, SpreadsheetMonthText(request.month), request.withNotes, request.locale);
    // A partly filled workbook is shown all the same.
    const bool shown = exporter.Show(true);
    if (errorText)
        *errorText = exporter.Messages().join(QStringLiteral("\n\n"));
    return shown && exporter.Messages().isEmpty();
}
