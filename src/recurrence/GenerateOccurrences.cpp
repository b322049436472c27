#include "recurrence/GenerateOccurrences.h"

#include "model/store/CDueStore.h"
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

    // Placeholders live in memory until the series is finished: a crash
    // before then leaves nothing on disk.
    CDueStore::Batch batch;
    // Every write that fails is in the store's errors; the first one ends the run.
    const qsizetype errorsBefore = store.ErrorCount();
    OccurrenceSequence sequence(pattern);
    COleDateTime occurrence;
    while (sequence.Next(occurrence)) {
        placeholder.m_dtStart = occurrence;
        result.m_arrOccurrenceIds << store.AddPlaceholder(placeholder);
        if (store.ErrorCount() > errorsBefore) {
            result.m_bFailed = true;
            break;
        }
        if (progress && !progress(result.m_arrOccurrenceIds.size(), total)) {
            result.m_bCancelled = true;
            break;
        }
    }
    result.m_nDropped = sequence.Dropped();
    if (result.m_bFailed || result.m_bCancelled) {
        // The folder is left as it was before the run.
        (void)store.DiscardDues(result.m_arrOccurrenceIds);
        result.m_arrOccurrenceIds.clear();
    }
    return result;
}
