// Generating a series: the occurrence dates alone, and the dates written as
// placeholder dues (one file each) through the store.
#include "model/CDueStore.h"
#include "model/Clock.h"
#include "model/DataFolder.h"
#include "recurrence/GenerateOccurrences.h"
#include "recurrence/OccurrenceSequence.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
RecurrencePattern Daily(int count)
{
    RecurrencePattern p;
    p.m_nFrequency = RecurrencePattern::Day;
    p.m_strDailyInterval = QStringLiteral("1");
    p.m_dtRangeStart = COleDateTime(2007, 3, 1, 9, 30, 0);
    p.m_bEndAfter = true;
    p.m_strOccurrences = QString::number(count);
    return p;
}

void BM_OccurrenceDates(benchmark::State& state)
{
    const RecurrencePattern p = Daily(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(OccurrenceSequence::All(p));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// state.range(1) = 1 pins the clock: every identifier is then made within the
// same second, the worst case for keeping them distinct.
void BM_GenerateAndWrite(benchmark::State& state)
{
    const RecurrencePattern p = Daily(int(state.range(0)));
    if (state.range(1))
        Clock::SetFixed(QDateTime(QDate(2007, 3, 1), QTime(9, 0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = std::make_unique<QTemporaryDir>();
        theDueStore.SetFolder(DataFolder(dir->path()));
        theDueStore.LoadAll();
        state.ResumeTiming();

        const GeneratedSeries run = GenerateOccurrences(p, theDueStore);
        if (run.m_arrOccurrenceIds.size() != state.range(0))
            state.SkipWithError("wrong number of occurrences");

        state.PauseTiming();
        if (!theDueStore.TakeErrors().isEmpty())
            state.SkipWithError("a due file could not be written");
        theDueStore.RemoveAll();
        dir.reset();
        state.ResumeTiming();
    }
    Clock::SetFixed(QDateTime());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
} // namespace

BENCHMARK(BM_OccurrenceDates)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateAndWrite)
    ->ArgNames({"n", "pinned"})
    ->Args({1000, 0})
    ->Args({10000, 0})
    ->Args({1000, 1})
    ->Args({10000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

BENCHMARK_MAIN();
