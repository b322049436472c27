#include "model/base/LocaleFormat.h"

#include <benchmark/benchmark.h>

// A month listing formats every amount, date and time of its rows; these
// measure one call of each in a fixed locale.

static void BM_Currency(benchmark::State& state)
{
    const QLocale locale(QStringLiteral("de_DE"));
    const QString value = QStringLiteral("12345.67");
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatCurrencyText(value, locale));
}
BENCHMARK(BM_Currency);

// Two locales in turn: the locale data is learnt again on every call.
static void BM_CurrencyAlternatingLocales(benchmark::State& state)
{
    const QLocale a(QStringLiteral("de_DE"));
    const QLocale b(QStringLiteral("en_US"));
    const QString value = QStringLiteral("12345.67");
    bool flip = false;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatCurrencyText(value, flip ? a : b));
        flip = !flip;
    }
}
BENCHMARK(BM_CurrencyAlternatingLocales);

static void BM_DatePicture(benchmark::State& state)
{
    const QLocale locale(QStringLiteral("en_US"));
    const COleDateTime date(2007, 3, 5, 8, 56, 13);
    const QString picture = QStringLiteral("dd MMM, yyyy");
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatDatePicture(date, picture, locale));
}
BENCHMARK(BM_DatePicture);

static void BM_DefaultDateAndTime(benchmark::State& state)
{
    const QLocale locale(QStringLiteral("en_US"));
    const COleDateTime date(2007, 3, 5, 8, 56, 13);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatDatePicture(date, QString(), locale));
        benchmark::DoNotOptimize(FormatTimePicture(date, QString(), locale));
    }
}
BENCHMARK(BM_DefaultDateAndTime);

BENCHMARK_MAIN();
