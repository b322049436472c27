#pragma once

#include "model/base/COleDateTime.h"
#include "model/store/DueRecord.h"

#include <QList>
#include <QLocale>
#include <QString>

// The text in the middle of the print page's header: the From month once,
// with a blank on each side, when both months are the same, otherwise
// "From - To"; months in the picture "MMM/yyyy".
QString PrintRangeText(const COleDateTime& from, const COleDateTime& to, const QLocale& locale = QLocale());

// Fills the print template with the ticked dues (in list order) for the
// months from..to. The header block (headerstart..headerend) gets
// "Due Date Details", the range text and an empty right part; the footer
// block (footerstart..footerend) keeps only its fixed text; the per-due block
// gets snumber, icon, duetitle, startdate, duedate, payee, account, duetype,
// status and amount; paidamount, unpaidamount and totalamount are filled
// outside the header and footer blocks.
QString FillPrintTemplate(const QString& templateText, const QList<DueRecord>& ticked,
                          const COleDateTime& from, const COleDateTime& to,
                          const QLocale& locale = QLocale());
