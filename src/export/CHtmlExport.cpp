#include "export/CHtmlExport.h"

#include "export/HtmlTemplate.h"
#include "model/base/LocaleFormat.h"
#include "model/store/ExportFile.h"

#include <QCoreApplication>
#include <QDir>

using HtmlTemplate::Escape;
using HtmlTemplate::Tag;

namespace {

QString FillBlock(QString block, const DueRecord& due, int position, int count, bool withNotes,
                  const QLocale& locale)
{
    const QString notes = withNotes ? HtmlTemplate::NotesHtml(due.m_strNotes) : QString();
    if (notes.isEmpty())
        HtmlTemplate::EmptySections(block, Tag("notesstart"), Tag("notesend"));

    const QString dates = FormatDatePicture(due.m_dtStart, QStringLiteral("dd/MM/yyyy - "), locale) +
                          FormatDatePicture(due.m_dtDue, QStringLiteral("dd/MM/yyyy"), locale);
    const QString status = due.m_bPaid ? QStringLiteral("Paid") : QStringLiteral("Unpaid");

    // Every value is escaped, so no value can bring a tag of its own.
    block.replace(Tag("duetitle"), Escape(due.m_strTitle));
    block.replace(Tag("dates"), Escape(dates));
    block.replace(Tag("payee"), Escape(due.m_strPayTo));
    block.replace(Tag("account"), Escape(due.m_strAccount));
    block.replace(Tag("duetype"), Escape(DueTypeText(due.m_nType)));
    block.replace(Tag("status"), status);
    block.replace(Tag("amount"), Escape(FormatCurrencyText(AmountText(due.m_dAmount), locale)));
    block.replace(Tag("notes"), notes);
    block.replace(Tag("countrecord"), QStringLiteral("Record %1 of %2").arg(position).arg(count));
    return block;
}

} // namespace

QString FillExportTemplate(const QString& templateText, const QList<DueRecord>& dues,
                           const COleDateTime& month, bool withNotes, const QLocale& locale)
{
    QString page = templateText;
    const QString block = HtmlTemplate::CutBlock(page, Tag("loopstart"), Tag("loopend"));

    QString filled;
    const int count = int(dues.size());
    for (int i = 0; i < count; ++i)
        filled += FillBlock(block, dues.at(i), i + 1, count, withNotes, locale);
    HtmlTemplate::InsertBeforeMarker(page, Tag("loopstart"), filled);

    page.replace(Tag("monthyear"), Escape(FormatDatePicture(month, QStringLiteral("MMMM - yyyy"), locale)));
    for (const char* marker : {"notesstart", "notesend", "loopstart", "loopend"})
        page.remove(Tag(marker));
    return page;
}

bool CHtmlExport::LoadTemplate(QString* errorText)
{
    return HtmlTemplate::ReadTemplateFile(GetTemplatePath(), &m_strTemplate, errorText);
}

QString CHtmlExport::GetTemplatePath()
{
    return HtmlTemplate::GetTemplatePath(QStringLiteral("exporttemplate.html"));
}

bool CHtmlExport::Export(const ExportRequest& request, QString* errorText)
{
    auto fail = [errorText](const QString& text) {
        if (errorText)
            *errorText = text;
        return false;
    };
    if (request.outputPath.isEmpty())
        return fail(QCoreApplication::translate("CHtmlExport", "No output file was given."));

    // Without its template there is nothing to write: an existing file at the
    // output path is left as it is.
    QString templateError;
    if (!LoadTemplate(&templateError))
        return fail(QCoreApplication::translate("CHtmlExport",
                                                "The HTML template could not be read: %1. Nothing was "
                                                "written.")
                        .arg(templateError));
    const QString text =
        FillExportTemplate(m_strTemplate, request.dues, request.month, request.withNotes, request.locale);
    m_strTemplate.clear();

    QString why;
    if (!SaveExportFile(request.outputPath, text.toUtf8(), &why))
        return fail(QCoreApplication::translate("CHtmlExport", "Could not write %1: %2")
                        .arg(QDir::toNativeSeparators(request.outputPath), why));
    return true;
}

bool ExportHtmlFile(const ExportRequest& request, QString* errorText)
{
    CHtmlExport exporter;
    return exporter.Export(request, errorText);
}
