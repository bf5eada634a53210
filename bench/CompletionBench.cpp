// Date and time completion runs once per focus exit of a date control; each typical entry
// should complete in under 300 ns.
#include <benchmark/benchmark.h>

#include "format/DateTimeCompletion.h"
#include "platform/region/Calendar.h"
#include "platform/region/PlatformClock.h"
#include "platform/region/RegionalSettings.h"
#include "platform/runtime/Conversions.h"

namespace quelta {
namespace {

const char16_t* const kDateEntries[] = {u"3112", u"31.12.2004", u"311299", u"45"};
const char16_t* const kTimeEntries[] = {u"930", u"1:30p"};

void BM_CompleteDateEntry(benchmark::State& state) {
    selectRegion("de-DE");
    pinClock(36892.5);
    const String reference = dateToText(dateSerial(2001, 6, 15));
    const StringView typed = kDateEntries[state.range(0)];
    state.SetLabel(toUtf8(typed));
    for (auto _ : state)
        benchmark::DoNotOptimize(CompleteDateEntry(typed, reference, {1, 2, 3}, 36892));
}
BENCHMARK(BM_CompleteDateEntry)->DenseRange(0, 3);

void BM_CompleteTimeEntry(benchmark::State& state) {
    selectRegion("de-DE");
    const StringView typed = kTimeEntries[state.range(0)];
    state.SetLabel(toUtf8(typed));
    for (auto _ : state)
        benchmark::DoNotOptimize(CompleteTimeEntry(typed, u""));
}
BENCHMARK(BM_CompleteTimeEntry)->DenseRange(0, 1);

}  // namespace
}  // namespace quelta
