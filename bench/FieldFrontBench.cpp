#include <benchmark/benchmark.h>

#include "api/front/FieldCore.h"
#include "quelta/Field.h"

namespace quelta {
namespace {

// A property read through the typed front against the control's own accessor, on the same
// control: the front's share is the difference, which should stay within a couple of
// nanoseconds (a call, the handle's core and its check that the control is still there).
void BM_ReadScaleDigitsDirect(benchmark::State& state) {
    Field field("txt");
    Quelta& control = detail::controlOf(*detail::FieldCore::of(field));
    for (auto _ : state)
        benchmark::DoNotOptimize(control.ScaleDigits());
}
BENCHMARK(BM_ReadScaleDigitsDirect);

void BM_ReadScaleDigitsTyped(benchmark::State& state) {
    Field field("txt");
    for (auto _ : state)
        benchmark::DoNotOptimize(field.scaleDigits());
}
BENCHMARK(BM_ReadScaleDigitsTyped);

// An enumeration and a Boolean, which the front converts to their public types.
void BM_ReadDataTypeDirect(benchmark::State& state) {
    Field field("txt");
    Quelta& control = detail::controlOf(*detail::FieldCore::of(field));
    for (auto _ : state)
        benchmark::DoNotOptimize(control.DataType());
}
BENCHMARK(BM_ReadDataTypeDirect);

void BM_ReadDataTypeTyped(benchmark::State& state) {
    Field field("txt");
    for (auto _ : state)
        benchmark::DoNotOptimize(field.dataType());
}
BENCHMARK(BM_ReadDataTypeTyped);

void BM_ReadLockedDirect(benchmark::State& state) {
    Field field("txt");
    Quelta& control = detail::controlOf(*detail::FieldCore::of(field));
    for (auto _ : state)
        benchmark::DoNotOptimize(control.Locked());
}
BENCHMARK(BM_ReadLockedDirect);

void BM_ReadLockedTyped(benchmark::State& state) {
    Field field("txt");
    for (auto _ : state)
        benchmark::DoNotOptimize(field.locked());
}
BENCHMARK(BM_ReadLockedTyped);

}  // namespace
}  // namespace quelta
