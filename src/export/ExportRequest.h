#pragma once

#include "model/base/COleDateTime.h"
#include "model/store/DueRecord.h"

#include <QList>
#include <QLocale>
#include <QString>

// What every export of the month list gets: the listed dues in list order,
// the shown month, the notes flag, where the result goes and the locale of
// every amount and date text.
struct ExportRequest
{
    QList<DueRecord> dues;
    COleDateTime month;
    bool withNotes = true;
    QString outputPath;
    QLocale locale; // the default locale unless the caller chooses one
};
