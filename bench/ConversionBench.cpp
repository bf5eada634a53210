// Conversions run on every refresh of every control; each should stay well under 500 ns.
#include <benchmark/benchmark.h>

#include "platform/region/PlatformClock.h"
#include "platform/region/RegionalSettings.h"
#include "platform/runtime/Conversions.h"

namespace quelta {
namespace {

void inRegion(const char* region) {
    selectRegion(region);
    pinClock(36892.5);
}

void BM_TextToDouble(benchmark::State& state) {
    inRegion("de-DE");
    const String text = u"-1.234.567,125";
    for (auto _ : state)
        benchmark::DoNotOptimize(textToDouble(text));
}
BENCHMARK(BM_TextToDouble);

void BM_TextToDoubleFrenchGroups(benchmark::State& state) {
    inRegion("fr-FR");
    const String text = u"1\u202F234\u202F567,125 €";
    for (auto _ : state)
        benchmark::DoNotOptimize(textToDouble(text));
}
BENCHMARK(BM_TextToDoubleFrenchGroups);

void BM_DoubleToText(benchmark::State& state) {
    inRegion("de-DE");
    double value = 1234567.125;
    for (auto _ : state)
        benchmark::DoNotOptimize(doubleToText(value));
}
BENCHMARK(BM_DoubleToText);

void BM_TextToDateNumeric(benchmark::State& state) {
    inRegion("en-US");
    const String text = u"12/31/2000 1:45:07 PM";
    for (auto _ : state)
        benchmark::DoNotOptimize(textToDate(text));
}
BENCHMARK(BM_TextToDateNumeric);

void BM_TextToDateMonthName(benchmark::State& state) {
    inRegion("de-DE");
    const String text = u"31. Dezember 2000";
    for (auto _ : state)
        benchmark::DoNotOptimize(textToDate(text));
}
BENCHMARK(BM_TextToDateMonthName);

void BM_DateToText(benchmark::State& state) {
    inRegion("en-US");
    double serial = 36891.5729976852;
    for (auto _ : state)
        benchmark::DoNotOptimize(dateToText(serial));
}
BENCHMARK(BM_DateToText);

void BM_Val(benchmark::State& state) {
    const String text = u"  12 345.5e2 and more";
    for (auto _ : state)
        benchmark::DoNotOptimize(val(text));
}
BENCHMARK(BM_Val);

}  // namespace
}  // namespace quelta
