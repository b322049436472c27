#pragma once

#include "export/ExportRequest.h"
#include "model/base/COleDateTime.h"
#include "model/store/DueRecord.h"
#include "platform/IWordApplication.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>

// The word-processor export of the month list: a document with the month as
// an underlined, bold, centred title and one table: a header row ("Due",
// "Pay To/Account", "Type/Status", "Amount" and, with notes, "Notes"), a
// block of cells per due, and a totals row with "Status: (paid/all)" and the
// paid, unpaid and total sums. With notes each due's notes are a comment at
// "Show Notes". The header row repeats on every page; the page is the
// locale's paper.
class CWordExport
{
    Q_DECLARE_TR_FUNCTIONS(CWordExport)

public:
    // documentName is the name the document is shown under; locale decides
    // the dates, the amounts and the paper.
    explicit CWordExport(const QString& documentName = QString(), const QLocale& locale = QLocale());
    ~CWordExport();

    // Starts the word processor and adds a blank document. False when no
    // word processor could be started (silently) or a call failed (with a
    // message).
    [[nodiscard]] bool OpenDocument(bool visible);
    // Writes the dues: true when the document was written, false without an
    // application or with an empty list (the document stays blank). A
    // failure inside the document build ends the build without a message;
    // what was written stays, and BuildError() says what failed.
    // What an empty list gives: a blank document (the menu command) or the
    // title, the header row and the totals row (a file written for a month).
    enum class EmptyList
    {
        Blank,
        Table
    };
    [[nodiscard]] bool WriteDues(const QList<DueRecord>& dues, const COleDateTime& shownDate, bool withNotes,
                                 EmptyList emptyList = EmptyList::Blank);
    // True when an application is held and the call succeeded.
    [[nodiscard]] bool SetVisible(bool visible);
    // Saves the document as a .docx file instead of showing it.
    [[nodiscard]] bool SaveAs(const QString& path);

    bool HasApplication() const { return m_app != nullptr; }
    // The messages of the steps, in order ("Error !!!" and the reason).
    QStringList Messages() const { return m_messages; }
    QString BuildError() const { return m_buildError; }

private:
    void Report(const QString& reason);

    std::unique_ptr<IWordApplication> m_app;
    QString m_documentName;
    QLocale m_locale;
    QStringList m_messages;
    QString m_buildError;
};

// The document build itself, on a selection in a new, empty document. False
// at the first call that fails.
[[nodiscard]] bool BuildWordDocument(IWordSelection& selection, const QList<DueRecord>& dues,
                                     const COleDateTime& shownDate, bool withNotes, const QLocale& locale);

// "Error !!!": the message of a failed word-processor export.
QString WordExportErrorText();

// Writes the export to request.outputPath (a .docx package) and opens
// nothing. False with the message to show when it fails; an existing file at
// the output path is then left as it was. An empty list gives the title, the
// header row and zero totals.
[[nodiscard]] bool ExportWordFile(const ExportRequest& request, QString* errorText);

// The menu command: builds the document and shows it (saved as
// "Dues <Month> <Year>.docx" in a temporary folder and opened with the
// default word processor); request.outputPath is not used. False with the
// messages to show when a step failed (what was written is still shown);
// false with an empty errorText when no word processor could be started.
[[nodiscard]] bool ShowWordExport(const ExportRequest& request, QString* errorText);
