// Text measurement runs on every keystroke of a word-wrapped box: a line is re-measured
// after each character typed.

#include <benchmark/benchmark.h>

#include "platform/fonts/Font.h"
#include "platform/fonts/TextMeasurer.h"

namespace quelta {
namespace {

void BM_MeasureLine(benchmark::State& state) {
    const Font font(u"DejaVu Sans", 10.0f);
    const String line(static_cast<std::size_t>(state.range(0)), u'x');
    for (auto _ : state)
        benchmark::DoNotOptimize(textMeasurer().textWidth(font, line));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MeasureLine)->Arg(8)->Arg(80)->Arg(800);

// Word wrap measures every prefix of a line to find where it breaks.
void BM_MeasurePrefixesOfALine(benchmark::State& state) {
    const Font font(u"DejaVu Sans", 10.0f);
    const String line = u"The quick brown fox jumps over the lazy dog 0123456789";
    for (auto _ : state) {
        for (std::size_t length = 1; length <= line.size(); ++length) {
            benchmark::DoNotOptimize(
                textMeasurer().textWidth(font, StringView(line).substr(0, length)));
        }
    }
}
BENCHMARK(BM_MeasurePrefixesOfALine);

void BM_LineHeight(benchmark::State& state) {
    const Font font(u"DejaVu Sans", 10.0f);
    for (auto _ : state)
        benchmark::DoNotOptimize(textMeasurer().lineHeight(font));
}
BENCHMARK(BM_LineHeight);

}  // namespace
}  // namespace quelta
