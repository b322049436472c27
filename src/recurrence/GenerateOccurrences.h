#pragma once

#include "recurrence/RecurrencePattern.h"

#include <QString>
#include <QStringList>

#include <functional>

class CDueStore;

// What one generation run leaves behind: the series identifier and the
// identifiers of the placeholder dues, in chronological order.
struct GeneratedSeries
{
    QString m_strSeriesId;
    QStringList m_arrOccurrenceIds;
    bool m_bCancelled = false; // the run was cancelled and took its dues back
    bool m_bFailed = false;    // a due could not be written; the run took its dues back
    qint64 m_nDropped = 0;     // occurrences the weekend rule moved onto a taken day
};

// Called as occurrences are written: done so far and the total the pattern
// yields. Returning false cancels the run.
using GenerationProgress = std::function<bool(qint64 done, qint64 total)>;

// Adds one placeholder due per occurrence of the pattern to the store (each
// written at once under a pending name, see CDueStore::AddPlaceholder): empty
// texts, Start Date = the occurrence, Due Date = the moment the run started,
// amount 0, Type 1, unpaid, and a new series identifier shared by all. Each
// member gets an identifier no other due holds. A cancelled run removes every
// placeholder it added; so does a run whose write fails, which stops at that
// write (the store's errors say why).
GeneratedSeries GenerateOccurrences(const RecurrencePattern& pattern, CDueStore& store,
                                    const GenerationProgress& progress = {});
