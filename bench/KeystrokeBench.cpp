#include <benchmark/benchmark.h>

#include "control/Enumerations.h"
#include "control/Quelta.h"
#include "platform/container/RecordingContainer.h"
#include "platform/editbox/EditBox.h"

namespace quelta {
namespace {

// One digit typed into a numeric control with two decimal places: key-down, the filtered
// character, the change with its copy into the template, key-up. Every 24 characters the
// field is cleared so that the text stays short.
void BM_TypeDigitIntoNumericControl(benchmark::State& state) {
    RecordingContainer container;
    Quelta control(container);
    startControl(control, nullptr);
    control.letDataType(qltaNumeric);
    control.letScaleDigits(2);
    EditBox& live = *control.liveBox();
    int typed = 0;
    for (auto _ : state) {
        if (++typed == 24) {
            state.PauseTiming();
            live.setText(u"");
            container.clearRecords();
            typed = 0;
            state.ResumeTiming();
        }
        live.typeCharacter(u'7');
    }
    benchmark::DoNotOptimize(control.templateBox().text());
}
BENCHMARK(BM_TypeDigitIntoNumericControl);

}  // namespace
}  // namespace quelta
