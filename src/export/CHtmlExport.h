#pragma once

#include "export/ExportRequest.h"
#include "model/base/COleDateTime.h"
#include "model/store/DueRecord.h"

#include <QList>
#include <QLocale>
#include <QString>

// Fills the HTML export template with the listed dues. Tags of the block:
// duetitle, dates, payee, account, duetype, status, amount, notes and
// countrecord; monthyear anywhere; the notes section between notesstart and
// notesend is dropped for an export without notes and for a due without notes.
QString FillExportTemplate(const QString& templateText, const QList<DueRecord>& dues,
                           const COleDateTime& month, bool withNotes, const QLocale& locale = QLocale());

// Writes request.dues through Templates/exporttemplate.html to
// request.outputPath: the HTML export of the menu and of the command line. An
// empty list gives the page without due blocks. Returns false with a one-line
// reason when the template cannot be read (nothing is written then) or the
// file cannot be written (an existing file stays as it was).
[[nodiscard]] bool ExportHtmlFile(const ExportRequest& request, QString* errorText);

// One HTML export: reads the template, fills it and writes the file.
class CHtmlExport
{
public:
    virtual ~CHtmlExport() = default;

    // Reads the template into m_strTemplate; on failure m_strTemplate is empty
    // and errorText says which file could not be read and why.
    bool LoadTemplate(QString* errorText = nullptr);
    static QString GetTemplatePath();

    // Fills m_strTemplate with the request's dues and writes the result to
    // request.outputPath. m_strTemplate is left empty.
    bool Export(const ExportRequest& request, QString* errorText);

    QString m_strTemplate;
};
