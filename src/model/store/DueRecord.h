#pragma once

#include "model/base/COleDateTime.h"
#include "model/base/MessageTexts.h"

#include <QString>

// One due. Fields in the order the program passes them around (the due file
// stores them in its own order, see DueFile).
struct DueRecord
{
    DueRecord(); // both dates = now, Type 1, unpaid, amount 0
    // Both dates zero, without asking the clock: for records about to be filled from a file.
    explicit DueRecord(Qt::Initialization) {}

    QString m_strRecId;
    QString m_strTitle;
    COleDateTime m_dtStart;
    COleDateTime m_dtDue;
    QString m_strPayTo;
    QString m_strAccount;
    double m_dAmount = 0.0;
    QString m_strNotes;
    qint32 m_nType = 1;
    qint32 m_bPaid = 0;
    QString m_strSeriesId;

    bool operator==(const DueRecord& o) const;
};

// Type vocabulary: code and message id, ended by a code of -1.
struct DueTypeEntry
{
    int code;
    MessageId stringId;
};
extern const DueTypeEntry g_dueTypes[];

// The string-table text of a type code: "Personal" for 2, "Business" otherwise.
QString DueTypeText(int typeCode);

// "%0.2lf" of an amount, the text every amount goes through before FormatCurrency.
QString AmountText(double amount);
