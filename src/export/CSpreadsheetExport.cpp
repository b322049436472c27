#include "export/CSpreadsheetExport.h"

#include "model/base/AppPaths.h"
#include "model/base/LocaleFormat.h"
#include "model/base/MessageTexts.h"

#include <QLocale>
#include <QMap>
#include <QTime>

#include <algorithm>
#include <cmath>

namespace {

constexpr quint32 kWhite = 16777215;

// 1 March 1900: from here on every spreadsheet program counts days alike.
constexpr double kFirstCommonSerial = 61.0;

// The labels of the shipped template, by cell. A label that still reads as
// shipped is written in the user's language; one changed in the template is
// left as it is.
struct TemplateLabel
{
    const char* cell;
    const char* text;
};
constexpr TemplateLabel kTemplateLabels[] = {
    {"A1", QT_TRANSLATE_NOOP("CSpreadsheetExport", "Tallyvane Dues")},
    {"A2", QT_TRANSLATE_NOOP("CSpreadsheetExport", "The dues listed for the month")},
    {"B4", QT_TRANSLATE_NOOP("CSpreadsheetExport", "Month:")},
    {"E4", QT_TRANSLATE_NOOP("CSpreadsheetExport", "Paid:")},
    {"E5", QT_TRANSLATE_NOOP("CSpreadsheetExport", "Unpaid:")},
    {"A9", QT_TRANSLATE_NOOP("CSpreadsheetExport", "Title")},
    {"B9", QT_TRANSLATE_NOOP("CSpreadsheetExport", "Start Date")},
    {"C9", QT_TRANSLATE_NOOP("CSpreadsheetExport", "Due Date")},
    {"D9", QT_TRANSLATE_NOOP("CSpreadsheetExport", "Pay To")},
    {"E9", QT_TRANSLATE_NOOP("CSpreadsheetExport", "Account")},
    {"F9", QT_TRANSLATE_NOOP("CSpreadsheetExport", "Amount")},
    {"G9", QT_TRANSLATE_NOOP("CSpreadsheetExport", "Type")},
    {"H9", QT_TRANSLATE_NOOP("CSpreadsheetExport", "Status")},
    {"I9", QT_TRANSLATE_NOOP("CSpreadsheetExport", "Notes")},
};

// An amount as every other output shows it: rounded to cents through the
// same text as the list, the status bar and the documents, so that the
// sheet's cents are theirs (12345.005 is 12345.00 there, not 12345.01).
double ShownAmount(double amount)
{
    return AmountText(amount).toDouble();
}

// The room a text needs in a column, counted in digits of the sheet's font:
// an East Asian wide character takes two.
double TextWidth(const QString& text)
{
    double width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t u = text.at(i).unicode();
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            u = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
                          (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
                          (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
                          (u >= 0xFFE0 && u <= 0xFFE6) || (u >= 0x20000 && u <= 0x3FFFD);
        width += wide ? 2 : 1;
    }
    return width;
}

// The column width that shows a number's text whole instead of "###": a
// tenth more for the digits of a proportional font, one for the margins.
double ColumnWidthFor(const QString& text)
{
    return std::min(255.0, std::ceil(TextWidth(text) * 1.1) + 1.0);
}

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

// Text inside a number format code, quoted so that no letter, digit, point
// or slash of a symbol ("kr.", "B/.") is taken for a code. In a date code
// the usual separators stay bare; in an amount a bare slash would make a
// fraction.
QString FormatLiteral(const QString& text, bool inDate)
{
    const QString bare = inDate ? QStringLiteral("/-: ") : QString();
    QString out;
    QString quoted;
    auto flush = [&] {
        if (!quoted.isEmpty())
            out += QLatin1Char('"') + quoted + QLatin1Char('"');
        quoted.clear();
    };
    for (QChar c : text) {
        if (bare.contains(c)) {
            flush();
            out += c;
        } else if (c == QLatin1Char('"')) {
            flush();
            out += QStringLiteral("\\\"");
        } else {
            quoted += c;
        }
    }
    flush();
    return out;
}

// Qt's date pattern of the locale as a format code: d, dd, ddd, dddd and the
// months alike (m, mm, mmm, mmmm), every year as yyyy, quoted text kept.
QString DateCode(QStringView pattern)
{
    QString code;
    QString literal;
    auto flush = [&] {
        code += FormatLiteral(literal, true);
        literal.clear();
    };
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            // '' is a quote; text between quotes is copied.
            if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
                literal += c;
                i += 2;
                continue;
            }
            qsizetype j = i + 1;
            while (j < pattern.size() && pattern[j] != u'\'')
                literal += pattern[j++];
            i = j + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        if (c == u'd' || c == u'M') {
            flush();
            code +=
                QString(int(std::min<qsizetype>(run, 4)), c == u'd' ? QLatin1Char('d') : QLatin1Char('m'));
        } else if (c == u'y') {
            flush();
            code += QStringLiteral("yyyy");
        } else {
            literal += QString(int(run), c);
        }
        i += run;
    }
    flush();
    return code;
}

// Where the locale's clock shows the AM/PM marker: -1 before the hour, 1
// after it, 0 for a 24-hour clock.
int MarkerPlace(const QString& timePattern)
{
    bool quoted = false;
    bool seenHour = false;
    for (QChar c : timePattern) {
        if (c == u'\'')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u'h' || c == u'H')
            seenHour = true;
        else if (c == u'a' || c == u'A')
            return seenHour ? 1 : -1;
    }
    return 0;
}

} // namespace

CSpreadsheetExport::CSpreadsheetExport(const QString& documentName, const QLocale& locale)
    : m_documentName(documentName), m_locale(locale)
{
}

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

bool CSpreadsheetExport::Fill(const QList<DueRecord>& dues, const QString& monthText, bool withNotes)
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

    if (!app->SetPaperSize(LocaleUsesLetterPaper(m_locale) ? ISpreadsheetApplication::kPaperLetter
                                                           : ISpreadsheetApplication::kPaperA4))
        return failed();

    // The widest value each column shows: no number shows as "###", and
    // the headings and the words of type and status are not cut.
    QMap<QChar, double> widths;
    auto fit = [&](const QString& cell, const QString& shown) {
        double& width = widths[cell.front()];
        width = std::max(width, ColumnWidthFor(shown));
    };

    for (const TemplateLabel& label : kTemplateLabels) {
        const QString shipped = QString::fromLatin1(label.text);
        const QString translated = tr(label.text);
        const QString cell = QString::fromLatin1(label.cell);
        if (translated == shipped || (!withNotes && cell == QLatin1String("I9")))
            continue;
        QString current;
        if (!app->GetRangeValue(cell, &current))
            return failed();
        if (current != shipped)
            continue;
        if (!app->SetRangeValue(cell, translated))
            return failed();
        if (cell.endsWith(QLatin1Char('9')))
            fit(cell, translated);
    }

    if (!withNotes) {
        const QString cell = QStringLiteral("I%1").arg(9);
        if (!app->SetRangeValue(cell, QString()) || !app->SetRangeInteriorColor(cell, kWhite))
            return failed();
    }

    // What a spreadsheet makes of a typed amount or date: a number, shown
    // through a number format.
    const QString currencyFormat = SpreadsheetCurrencyFormat(m_locale);
    const QString dateFormat = SpreadsheetDateFormat(m_locale, false);
    const QString dateTimeFormat = SpreadsheetDateFormat(m_locale, true);
    auto putAmount = [&](const QString& cell, double amount) {
        if (!std::isfinite(amount))
            return app->SetRangeValue(cell, QString());
        fit(cell, FormatCurrencyText(AmountText(amount), m_locale));
        return app->SetRangeNumber(cell, ShownAmount(amount)) &&
               app->SetRangeNumberFormat(cell, currencyFormat);
    };
    auto putDate = [&](const QString& cell, const COleDateTime& date) {
        double serial = 0;
        if (!SpreadsheetDateSerial(date, &serial))
            return app->SetRangeValue(cell, SpreadsheetDateText(date, m_locale));
        const bool midnight = serial == std::floor(serial);
        fit(cell, SpreadsheetDateText(date, m_locale));
        return app->SetRangeNumber(cell, serial) &&
               app->SetRangeNumberFormat(cell, midnight ? dateFormat : dateTimeFormat);
    };

    double paid = 0.0;
    double unpaid = 0.0;
    int row = 10;
    for (const DueRecord& due : dues) {
        if (due.m_bPaid)
            paid += due.m_dAmount;
        else
            unpaid += due.m_dAmount;

        const QString r = QString::number(row);
        const QString typeText = DueTypeText(due.m_nType);
        const QString statusText = due.m_bPaid ? tr("Paid") : tr("Unpaid");
        if (!(app->SetRangeValue(QLatin1Char('A') + r, due.m_strTitle) &&
              putDate(QLatin1Char('B') + r, due.m_dtStart) && putDate(QLatin1Char('C') + r, due.m_dtDue) &&
              app->SetRangeValue(QLatin1Char('D') + r, due.m_strPayTo) &&
              app->SetRangeValue(QLatin1Char('E') + r, due.m_strAccount) &&
              putAmount(QLatin1Char('F') + r, due.m_dAmount) &&
              app->SetRangeValue(QLatin1Char('G') + r, typeText) &&
              app->SetRangeValue(QLatin1Char('H') + r, statusText)))
            return failed();
        fit(QStringLiteral("G"), typeText);
        fit(QStringLiteral("H"), statusText);
        if (withNotes && !due.m_strNotes.isEmpty()) {
            const QString cell = QLatin1Char('I') + r;
            // Every line end a line break, a lone CR as well.
            QString notes = due.m_strNotes;
            notes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            notes.replace(QLatin1Char('\r'), QLatin1Char('\n'));
            if (!app->SetRangeValue(cell, tr("Show Notes")) || !app->AddRangeComment(cell, notes))
                return failed();
        }
        ++row;
    }

    if (!app->SetRangeValue(QStringLiteral("C4"), monthText) || !putAmount(QStringLiteral("F4"), paid) ||
        !putAmount(QStringLiteral("F5"), unpaid))
        return failed();

    // A column narrower than its widest number is widened; a wider one stays.
    for (auto it = widths.cbegin(); it != widths.cend(); ++it) {
        const QString column(it.key());
        double width = 0;
        if (!app->GetColumnWidth(column, &width))
            return failed();
        if (width < it.value() && !app->SetColumnWidth(column, it.value()))
            return failed();
    }
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
    // The locale's short date, its year written out in full.
    QString picture;
    bool quoted = false;
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    for (qsizetype i = 0; i < shortDate.size(); ++i) {
        const QChar c = shortDate.at(i);
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u'y') {
            picture += c;
            continue;
        }
        while (i + 1 < shortDate.size() && shortDate.at(i + 1) == u'y')
            ++i;
        picture += QStringLiteral("yyyy");
    }
    QString text = FormatDatePicture(date, picture, locale);
    if (p.hour != 0 || p.minute != 0 || p.second != 0)
        text += QLatin1Char(' ') +
                locale.toString(QTime(p.hour, p.minute, p.second), TimeWithSecondsFormat(locale));
    return text;
}

bool SpreadsheetDateSerial(const COleDateTime& date, double* serial)
{
    // From 1 March 1900 the stored value is the serial itself.
    if (!date.IsValid() || !std::isfinite(date.m_dt) || date.m_dt < kFirstCommonSerial ||
        date.m_dt >= COleDateTime::MaxDate)
        return false;
    *serial = date.m_dt;
    return true;
}

QString SpreadsheetCurrencyFormat(const QLocale& locale)
{
    // The locale's own currency texts of 0, 1 and -1, with marks standing
    // for the symbol and the number, give its decimals and its patterns.
    const QChar symbolMark(0xE000), numberMark(0xE001);
    const QString zeroDigit = locale.zeroDigit();
    const QString zero = locale.toCurrencyString(0.0, QString(symbolMark));
    const int decimals = std::clamp(int(zero.count(zeroDigit)) - 1, 0, 9);
    QString symbol = locale.currencySymbol();
    if (symbol.isEmpty())
        symbol = locale.currencySymbol(QLocale::CurrencyIsoCode);

    QString number = QStringLiteral("#,##0");
    if (decimals > 0)
        number += QLatin1Char('.') + QString(decimals, QLatin1Char('0'));
    auto section = [&](double one) {
        QString sample = locale.toCurrencyString(one, QString(symbolMark), decimals);
        const QString oneText = locale.toString(1.0, 'f', decimals);
        const qsizetype at = sample.indexOf(oneText);
        if (at < 0)
            return QString();
        QString code;
        QString literal;
        for (qsizetype i = 0; i < sample.size(); ++i) {
            if (i == at) {
                code += FormatLiteral(literal, false) + number;
                literal.clear();
                i += oneText.size() - 1;
            } else if (sample.at(i) == symbolMark) {
                literal += symbol;
            } else {
                literal += sample.at(i);
            }
        }
        return code + FormatLiteral(literal, false);
    };
    QString positive = section(1.0);
    QString negative = section(-1.0);
    if (positive.isEmpty())
        positive = FormatLiteral(symbol, false) + number;
    if (negative.isEmpty())
        negative = FormatLiteral(locale.negativeSign() + symbol, false) + number;
    return positive + QLatin1Char(';') + negative;
}

QString SpreadsheetDateFormat(const QLocale& locale, bool withTime)
{
    QString code = DateCode(locale.dateFormat(QLocale::ShortFormat)).trimmed();
    if (!withTime)
        return code;
    // The time as digits with colons on the locale's clock: a code both
    // spreadsheet programs read the same way, whatever words the locale's
    // own time format holds.
    const QString shortTime = locale.timeFormat(QLocale::ShortFormat);
    const QString hour = shortTime.contains(QLatin1String("hh")) || shortTime.contains(QLatin1String("HH"))
                             ? QStringLiteral("hh")
                             : QStringLiteral("h");
    const QString time = hour + QStringLiteral(":mm:ss");
    switch (MarkerPlace(shortTime)) {
    case -1:
        return code + QStringLiteral(" AM/PM ") + time;
    case 1:
        return code + QLatin1Char(' ') + time + QStringLiteral(" AM/PM");
    default:
        return code + QLatin1Char(' ') + time;
    }
}

bool LocaleUsesLetterPaper(const QLocale& locale)
{
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::PuertoRico:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Belize:
    case QLocale::Guatemala:
    case QLocale::ElSalvador:
    case QLocale::Nicaragua:
    case QLocale::CostaRica:
    case QLocale::Panama:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::Chile:
    case QLocale::Philippines:
        return true;
    default:
        return false;
    }
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
        return fail(LoadResString(MessageId::SpreadsheetExportFailed) + QStringLiteral("\n\n") +
                    CSpreadsheetExport::tr("No output file was given."));

    CSpreadsheetExport exporter(SpreadsheetDocumentName(request.month), request.locale);
    const bool ok = exporter.Open(templatePath, false) &&
                    exporter.Fill(request.dues, SpreadsheetMonthText(request.month), request.withNotes) &&
                    exporter.SaveAs(request.outputPath);
    if (ok)
        return true;
    if (exporter.Messages().isEmpty())
        return fail(LoadResString(MessageId::SpreadsheetExportFailed) + QStringLiteral("\n\n") +
                    CSpreadsheetExport::tr("The spreadsheet application could not be started."));
    return fail(exporter.Messages().join(QStringLiteral("\n\n")));
}

bool ShowSpreadsheetExport(const ExportRequest& request, QString* errorText)
{
    return ShowSpreadsheetExportFromTemplate(request, SpreadsheetTemplatePath(), errorText);
}

bool ShowSpreadsheetExportFromTemplate(const ExportRequest& request, const QString& templatePath,
                                       QString* errorText)
{
    CSpreadsheetExport exporter(SpreadsheetDocumentName(request.month), request.locale);
    (void)exporter.Open(templatePath, false);
    (void)exporter.Fill(request.dues, SpreadsheetMonthText(request.month), request.withNotes);
    // A partly filled workbook is shown all the same.
    const bool shown = exporter.Show(true);
    if (errorText)
        *errorText = exporter.Messages().join(QStringLiteral("\n\n"));
    return shown && exporter.Messages().isEmpty();
}
