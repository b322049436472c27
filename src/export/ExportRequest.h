#pragma once

#include "model/COleDateTime.h"
#include "model/DueRecord.h"

#include <QList>
#include <QString>

// What every export of the month list gets: the listed dues in list order,
// the shown month, the notes flag and where the result goes.
struct ExportRequest
{
    QList<DueRecord> dues;
    COleDateTime month;
    bool withNotes = true;
    QString outputPath;
};
