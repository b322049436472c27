#pragma once

#include "model/base/COleDateTime.h"
#include "model/store/DueRecord.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <functional>

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
    // Told, in one text, what the export had to change to write the file (a
    // character no installed font has, shown as a replacement mark); the
    // file is written all the same. Unset, nobody is told.
    std::function<void(const QString& text)> warn;
};
