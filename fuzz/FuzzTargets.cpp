#include "FuzzTargets.h"

#include "export/CHtmlExport.h"
#include "export/HtmlTemplate.h"
#include "export/PrintPage.h"
#include "model/base/LocaleFormat.h"
#include "model/store/DataFolder.h"
#include "model/store/DueFile.h"
#include "platform/CXlsxWorkbook.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace FuzzTargets {

namespace {

void Check(bool condition)
{
    // A broken promise of the code under test is a finding like a crash.
    if (!condition)
        std::abort();
}

bool SameText(const DueRecord& a, const DueRecord& b)
{
    return a.m_strRecId == b.m_strRecId && a.m_strTitle == b.m_strTitle && a.m_strPayTo == b.m_strPayTo &&
           a.m_strAccount == b.m_strAccount && a.m_strNotes == b.m_strNotes &&
           a.m_strSeriesId == b.m_strSeriesId && a.m_nType == b.m_nType && a.m_bPaid == b.m_bPaid &&
           std::memcmp(&a.m_dAmount, &b.m_dAmount, sizeof a.m_dAmount) == 0;
}

const QLocale& LocaleOf(unsigned char pick)
{
    static const QLocale locales[] = {QLocale(QStringLiteral("en_US")), QLocale(QStringLiteral("de_DE")),
                                      QLocale(QStringLiteral("fr_CH")), QLocale(QStringLiteral("ar_EG")),
                                      QLocale(QStringLiteral("hi_IN")), QLocale(QStringLiteral("ja_JP")),
                                      QLocale(QStringLiteral("fa_IR")), QLocale::c()};
    return locales[pick % (sizeof locales / sizeof locales[0])];
}

QList<DueRecord> SampleDues()
{
    DueRecord a;
    a.m_strRecId = QStringLiteral("2007031514253010");
    a.m_strTitle = QStringLiteral("Rent <{[duetitle]}> & \"more\"");
    a.m_strNotes = QStringLiteral("line\r\n<{[notesend]}>");
    a.m_dtStart = a.m_dtDue = COleDateTime(2007, 3, 15, 9, 0, 0);
    a.m_dAmount = 1e300;
    DueRecord b;
    b.m_strRecId = QStringLiteral("2007031514253101");
    b.m_strSeriesId = QStringLiteral("recId20070315142531");
    b.m_dtDue.SetStatus(COleDateTime::invalid);
    b.m_dAmount = -0.005;
    b.m_bPaid = 1;
    return {a, b};
}

} // namespace

void DueFile(const QByteArray& input)
{
    DueRecord record(Qt::Uninitialized);
    QString why;
    // The store's check without texts gives the parser's answer and reason.
    ::DueFile::Summary summary;
    QString summaryWhy;
    const bool summarised = ::DueFile::Summarise(input.constData(), input.size(), summary, &summaryWhy);
    if (!::DueFile::Parse(input, record, &why)) {
        Check(!why.isEmpty());
        Check(!summarised && summaryWhy == why);
        return;
    }
    Check(summarised);
    DueRecord again(Qt::Uninitialized);
    const QByteArray serialized = ::DueFile::Serialize(record);
    Check(::DueFile::Parse(serialized, again, nullptr));
    Check(SameText(record, again));
    // Bytes said to be as Serialize writes them are exactly that.
    Check(summary.canonical == (serialized == input));
    (void)IsSafeRecordId(record.m_strRecId);
    (void)ShownText(record.m_strTitle);
}

void LocaleFormat(const QByteArray& input)
{
    if (input.size() < 9)
        return;
    const unsigned char pick = static_cast<unsigned char>(input.at(0));
    COleDateTime date;
    std::memcpy(&date.m_dt, input.constData() + 1, sizeof date.m_dt);
    date.m_status = (pick & 0x80) ? COleDateTime::invalid : COleDateTime::valid;
    const QString text = QString::fromUtf8(input.mid(9));
    const QLocale& locale = LocaleOf(pick >> 2);
    QString out;
    switch (pick & 3) {
    case 0:
        out = FormatDatePicture(date, text, locale);
        break;
    case 1:
        out = FormatTimePicture(date, text, locale);
        break;
    case 2:
        out = FormatCurrencyText(text, locale);
        break;
    default:
        out = FormatCurrencyText(AmountText(date.m_dt), locale);
        // A finite amount always shows as some number.
        Check(!std::isfinite(date.m_dt) || !out.isEmpty());
        break;
    }
    Check(out.size() <= 99);
}

void HtmlTemplate(const QByteArray& input)
{
    const QString templ = ::HtmlTemplate::DecodeTemplate(input);
    const QList<DueRecord> dues = SampleDues();
    const COleDateTime month(2007, 3, 1, 0, 0, 0);
    const QLocale locale(QStringLiteral("en_US"));
    (void)FillExportTemplate(templ, dues, month, true, locale);
    (void)FillExportTemplate(templ, dues, month, false, locale);
    (void)FillPrintTemplate(templ, dues, month, COleDateTime(2007, 5, 1, 0, 0, 0), locale);
}

void XlsxTemplate(const QByteArray& input)
{
    // The reader takes a path, as the exports hand it one.
    static const QString path = QDir::tempPath() + QStringLiteral("/tallyvane-fuzz-%1.xltx").arg(::getpid());
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        f.write(input);
    }
    CXlsxWorkbook workbook;
    QString why;
    if (!workbook.Load(path, &why)) {
        Check(!why.isEmpty());
        return;
    }
    (void)workbook.SetCellText(QStringLiteral("B3"), QStringLiteral("Rent\r\n_x000D_ <&>"), &why);
    (void)workbook.SetCellFill(QStringLiteral("B3"), 0x00FF8000, &why);
    (void)workbook.AddCellComment(QStringLiteral("C4"), QStringLiteral("note"), &why);
    if (workbook.SheetCount() > 1)
        (void)workbook.SelectSheet(2, &why);
    OoxmlPackage package;
    (void)workbook.ToPackage(&package, &why);
}

} // namespace FuzzTargets
