// The display refresh of a control without the focus, measured through the host's Text
// write: each iteration writes one of two values, so that every write normalizes the
// stored text, formats it and shows it. The figure includes the write's own bookkeeping
// (compare, store, the change notification, the Change event, the DataChanged copy to the
// extender), which a container that ignores notifications keeps small.
#include <benchmark/benchmark.h>

#include "control/Enumerations.h"
#include "control/Quelta.h"
#include "platform/container/RecordingContainer.h"
#include "platform/region/PlatformClock.h"
#include "platform/region/RegionalSettings.h"

namespace quelta {
namespace {

class QuietContainer : public RecordingContainer {
public:
    void propertyChanged(StringView) override {}
    void raiseEvent(std::int32_t, std::span<Variant>) override {}
};

void writeAlternately(benchmark::State& state, std::int16_t dataType, StringView format,
                      StringView first, StringView second) {
    selectRegion("en-US");
    pinClock(37057.4375);
    QuietContainer container;
    Quelta control(container);
    startControl(control, nullptr);
    control.letDataType(dataType);
    control.letFormat(format);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        control.letText(flip ? first : second);
    }
    benchmark::DoNotOptimize(control.FormattedText());
}

void BM_RefreshNumericThroughTextWrite(benchmark::State& state) {
    writeAlternately(state, qltaNumeric, u"#,##0.00", u"1234.5", u"98765.25");
}
BENCHMARK(BM_RefreshNumericThroughTextWrite);

void BM_RefreshDateThroughTextWrite(benchmark::State& state) {
    writeAlternately(state, qltaDateTime, u"Vesk Date", u"12/31/2000", u"6/15/2001");
}
BENCHMARK(BM_RefreshDateThroughTextWrite);

}  // namespace
}  // namespace quelta
