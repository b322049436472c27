#pragma once

// Dues and requests shared by the export tests.
#include "export/ExportRequest.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTest>

#include <utility>

// What the recording office doubles share: every call is logged as one line,
// and the call numbered failAt (from 1) fails instead.
class CallRecorder
{
public:
    CallRecorder(QStringList* log, int failAt) : m_log(log), m_failAt(failAt) {}

protected:
    bool Log(const QString& line)
    {
        if (++m_calls == m_failAt)
            return false;
        m_log->append(line);
        return true;
    }

private:
    QStringList* m_log;
    int m_failAt;
    int m_calls = 0;
};

inline DueRecord MakeDue(const QString& title, const COleDateTime& start, const COleDateTime& due,
                         const QString& payTo, const QString& account, double amount, int type, bool paid,
                         const QString& notes)
{
    DueRecord d;
    d.m_strTitle = title;
    d.m_dtStart = start;
    d.m_dtDue = due;
    d.m_strPayTo = payTo;
    d.m_strAccount = account;
    d.m_dAmount = amount;
    d.m_nType = type;
    d.m_bPaid = paid ? 1 : 0;
    d.m_strNotes = notes;
    return d;
}

// Three dues of March 2007: one paid without notes, one with notes on two
// lines and a time of day, one with notes that look like markup (by default).
inline QList<DueRecord> ThreeDues(const QString& thirdNotes = QStringLiteral("Call <first> & _x0041_"))
{
    return {
        MakeDue(QStringLiteral("Rent"), COleDateTime(2007, 3, 1, 0, 0, 0), COleDateTime(2007, 3, 5, 0, 0, 0),
                QStringLiteral("Landlord & Sons"), QStringLiteral("ACC-1"), 1200.5, 1, true, QString()),
        MakeDue(QStringLiteral("Power"), COleDateTime(2007, 3, 2, 14, 30, 0),
                COleDateTime(2007, 3, 20, 0, 0, 0), QStringLiteral("City Power"), QStringLiteral("7788"),
                85.25, 2, false, QStringLiteral("Line one\r\nLine two")),
        MakeDue(QStringLiteral("Phone <mobile>"), COleDateTime(2007, 3, 10, 0, 0, 0),
                COleDateTime(2007, 3, 28, 0, 0, 0), QStringLiteral("Tel\u00e9 Ltd"), QStringLiteral("55"),
                40.0, 1, false, thirdNotes),
    };
}

inline ExportRequest MarchRequest(const QList<DueRecord>& dues, bool withNotes, const QString& output = {})
{
    ExportRequest r;
    r.dues = dues;
    r.month = COleDateTime(2007, 3, 15, 0, 0, 0);
    r.withNotes = withNotes;
    r.outputPath = output;
    return r;
}

// The fields of a due that reach a page or a document. The user types the
// first four; the type text comes from the string table and the amount text
// from the locale's number data.
enum class DueField
{
    Title,
    PayTo,
    Account,
    Notes,
    Type,
    Amount
};

// Text that must arrive as typed: markup, an entity, both quotes and a tag
// of the page templates.
inline QString MarkupText()
{
    return QStringLiteral("<b>Smith & Sons</b> &amp; \"q\" 'a' <{[amount]}>");
}

// The same text as HTML shows it.
inline QString EscapedMarkupText()
{
    return QStringLiteral(
        "&lt;b&gt;Smith &amp; Sons&lt;/b&gt; &amp;amp; &quot;q&quot; &#39;a&#39; &lt;{[amount]}&gt;");
}

// A plain due with the given field made hard: the user's fields hold
// MarkupText() (the notes twice, on two lines), the type is 2 ("Personal")
// and the amount negative (-1,234.50).
inline DueRecord DueWithHardField(DueField field)
{
    DueRecord d =
        MakeDue(QStringLiteral("Rent"), COleDateTime(2007, 3, 1, 0, 0, 0), COleDateTime(2007, 3, 5, 0, 0, 0),
                QStringLiteral("Landlord"), QStringLiteral("ACC-1"), 12.5, 1, false, QStringLiteral("plain"));
    switch (field) {
    case DueField::Title:
        d.m_strTitle = MarkupText();
        break;
    case DueField::PayTo:
        d.m_strPayTo = MarkupText();
        break;
    case DueField::Account:
        d.m_strAccount = MarkupText();
        break;
    case DueField::Notes:
        d.m_strNotes = MarkupText() + QStringLiteral("\r\n") + MarkupText();
        break;
    case DueField::Type:
        d.m_nType = 2;
        break;
    case DueField::Amount:
        d.m_dAmount = -1234.5;
        break;
    }
    return d;
}

// One data row per field, named after it; pages without notes leave them out.
inline void AddFieldRows(bool withNotes = true)
{
    QTest::addColumn<DueField>("field");
    const std::pair<const char*, DueField> rows[] = {
        {"title", DueField::Title}, {"pay to", DueField::PayTo}, {"account", DueField::Account},
        {"notes", DueField::Notes}, {"type", DueField::Type},    {"amount text", DueField::Amount},
    };
    for (const auto& [name, field] : rows) {
        if (withNotes || field != DueField::Notes)
            QTest::newRow(name) << field;
    }
}
