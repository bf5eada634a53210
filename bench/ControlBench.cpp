#include <benchmark/benchmark.h>

#include "api/Dispatch.h"
#include "api/TypeLibrary.h"
#include "control/Quelta.h"
#include "platform/container/RecordingContainer.h"

namespace quelta {
namespace {

// A new control placed on a form: the template box, Initialize, InitProperties with the
// creation of the live box.
void BM_CreateControl(benchmark::State& state) {
    RecordingContainer container;
    for (auto _ : state) {
        Quelta control(container);
        control.Initialize();
        control.InitProperties();
        benchmark::DoNotOptimize(control.hWnd());
        container.clearRecords();
    }
}
BENCHMARK(BM_CreateControl);

// A style change that rebuilds the live box.
void BM_RebuildEditBox(benchmark::State& state) {
    RecordingContainer container;
    Quelta control(container);
    startControl(control, nullptr);
    Boolean wrap = kFalse;
    for (auto _ : state) {
        wrap = toBoolean(!isTrue(wrap));
        control.letWordWrap(wrap);
        container.clearRecords();
    }
}
BENCHMARK(BM_RebuildEditBox);

void BM_InvokePropertyGet(benchmark::State& state) {
    RecordingContainer container;
    Quelta control(container);
    startControl(control, nullptr);
    const DispatchId autoTab = GetIDsOfNames(u"AutoTab");
    for (auto _ : state) {
        benchmark::DoNotOptimize(Invoke(control, autoTab, InvokeKind::PropertyGet, {}));
    }
}
BENCHMARK(BM_InvokePropertyGet);

void BM_GetIDsOfNames(benchmark::State& state) {
    const StringView name = u"StartSelected";
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetIDsOfNames(name));
    }
}
BENCHMARK(BM_GetIDsOfNames);

}  // namespace
}  // namespace quelta
