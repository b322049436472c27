#include "export/PrintPage.h"

#include "export/HtmlTemplate.h"
#include "model/base/LocaleFormat.h"

#include <QCoreApplication>

using HtmlTemplate::Escape;
using HtmlTemplate::Tag;

namespace {

QString MoneyText(double amount, const QLocale& locale)
{
    return Escape(FormatCurrencyText(AmountText(amount), locale));
}

QString FillBlock(QString block, const DueRecord& due, int serial, const QLocale& locale)
{
    const QString picture = QStringLiteral("dd MMM, yyyy");
    block.replace(Tag("snumber"), QStringLiteral("%1.").arg(serial));
    block.replace(Tag("icon"),
                  due.m_strSeriesId.isEmpty() ? QStringLiteral("icon.bmp") : QStringLiteral("recicon.bmp"));
    block.replace(Tag("duetitle"), Escape(due.m_strTitle));
    block.replace(Tag("startdate"), Escape(FormatDatePicture(due.m_dtStart, picture, locale)));
    block.replace(Tag("duedate"), Escape(FormatDatePicture(due.m_dtDue, picture, locale)));
    block.replace(Tag("payee"), Escape(due.m_strPayTo));
    block.replace(Tag("account"), Escape(due.m_strAccount));
    block.replace(Tag("duetype"), Escape(DueTypeText(due.m_nType)));
    block.replace(Tag("status"), Escape(due.m_bPaid ? QCoreApplication::translate("PrintPage", "Paid")
                                                    : QCoreApplication::translate("PrintPage", "Unpaid")));
    block.replace(Tag("amount"), MoneyText(due.m_dAmount, locale));
    return block;
}

} // namespace

QString PrintRangeText(const COleDateTime& from, const COleDateTime& to, const QLocale& locale)
{
    const QString picture = QStringLiteral("MMM/yyyy");
    const QString fromText = FormatDatePicture(from, picture, locale);
    if (from.GetYear() == to.GetYear() && from.GetMonth() == to.GetMonth())
        return QStringLiteral(" %1 ").arg(fromText);
    return QStringLiteral("%1 - %2").arg(fromText, FormatDatePicture(to, picture, locale));
}

QString FillPrintTemplate(const QString& templateText, const QList<DueRecord>& ticked,
                          const COleDateTime& from, const COleDateTime& to, const QLocale& locale)
{
    QString page = templateText;
    const QString block = HtmlTemplate::CutBlock(page, Tag("loopstart"), Tag("loopend"));
    QString header = HtmlTemplate::CutBlock(page, Tag("headerstart"), Tag("headerend"));
    QString footer = HtmlTemplate::CutBlock(page, Tag("footerstart"), Tag("footerend"));

    header.replace(Tag("headerright"), QString());
    header.replace(Tag("headerleft"), Escape(QCoreApplication::translate("PrintPage", "Due Date Details")));
    header.replace(Tag("headercenter"), Escape(PrintRangeText(from, to, locale)));
    footer.replace(Tag("headerright"), QString());
    footer.replace(Tag("headerleft"), QString());
    footer.replace(Tag("headercenter"), QString());

    double paid = 0.0;
    double unpaid = 0.0;
    int serial = 0;
    QString filled;
    for (const DueRecord& due : ticked) {
        (due.m_bPaid ? paid : unpaid) += due.m_dAmount;
        filled += FillBlock(block, due, ++serial, locale);
    }
    HtmlTemplate::InsertBeforeMarker(page, Tag("loopstart"), filled);

    page.replace(Tag("paidamount"), MoneyText(paid, locale));
    page.replace(Tag("unpaidamount"), MoneyText(unpaid, locale));
    page.replace(Tag("totalamount"), MoneyText(unpaid + paid, locale));

    page.replace(Tag("headerstart"), header);
    page.replace(Tag("footerstart"), footer);

    for (const char* marker :
         {"headerright", "headerleft", "headercenter", "footerleft", "footerright", "footercenter",
          "loopstart", "loopend", "headerstart", "headerend", "footerstart", "footerend"})
        page.remove(Tag(marker));
    return page;
}
