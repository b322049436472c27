#include "recurrence/GenerateOccurrences.h"

#include "model/CDueStore.h"
#include "recurrence/OccurrenceSequence.h"

GeneratedSeries GenerateOccurrences(const RecurrencePattern& pattern, CDueStore& store,
                                    const GenerationProgress& progress)
{
    GeneratedSeries result;
    DueRecord placeholder; // Due Date = now, the moment the run starts
    placeholder.m_dtDue = COleDateTime::GetCurrentTime();
    result.m_strSeriesId = store.NewSeriesId();
    placeholder.m_strSeriesId = result.m_strSeriesId;

    const qint64 total = progress ? OccurrenceSequence::Count(pattern) : 0;
    if (progress && !progress(0, total)) {
        result.m_bCancelled = true;
        return result;
    }

    OccurrenceSequence sequence(pattern);
    COleDateTime occurrence;
    while (sequence.Next(occurrence)) {
        placeholder.m_dtStart = occurrence;
        result.m_arrOccurrenceIds << store.AddDue(placeholder);
        if (progress && !progress(result.m_arrOccurrenceIds.size(), total)) {
            for (const QString& id : std::as_const(result.m_arrOccurrenceIds))
                (void)store.RemoveDue(id, false);
            result.m_arrOccurrenceIds.clear();
            result.m_bCancelled = true;
            break;
        }
    }
    result.m_nDropped = sequence.Dropped();
    return result;
}
