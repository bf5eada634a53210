// Typing into and querying a large word-wrapped edit box, measured by the default
// FreeType measurer so that the figures include real glyph advances.

#include <benchmark/benchmark.h>

#include "platform/editbox/EditBox.h"

namespace quelta {
namespace {

// About 100 000 characters of text in paragraphs of some 600 characters, or in one
// paragraph (where only the incremental wrap keeps a keystroke from rewrapping it all).
String largeText(bool paragraphs) {
    const String sentence = u"The quick brown fox jumps over the lazy dog and keeps running. ";
    String text;
    while (text.size() < 100'000) {
        for (int i = 0; i < 10; ++i)
            text += sentence;
        if (paragraphs) text += u"\r\n";
    }
    return text;
}

std::shared_ptr<EditBox> wrappedBox(bool paragraphs = true) {
    EditBoxCreation creation;
    creation.style = ES_MULTILINE;  // wraps at the width
    creation.properties.width = 4000;
    creation.properties.height = 3000;
    creation.text = largeText(paragraphs);
    auto box = EditBox::create(std::move(creation));
    box->rowCount();  // laid out once
    return box;
}

void BM_TypeIntoTheMiddle(benchmark::State& state) {
    auto box = wrappedBox(state.range(0) != 0);
    const auto middle = static_cast<std::int32_t>(box->text().size() / 2);
    box->setSelStart(middle);
    for (auto _ : state) {
        box->typeCharacter(u'x');
        benchmark::DoNotOptimize(box->rowCount());
        // Keep the text near its size. Pausing the timer costs more than a keystroke, so
        // it is paused only for the cut, once in 10 000 keystrokes.
        if (box->text().size() > 110'000) {
            state.PauseTiming();
            box->setSelStart(middle);
            box->setSelLength(static_cast<std::int32_t>(box->text().size()) - 100'000 - 1);
            box->pressKey(VK_DELETE);
            state.ResumeTiming();
        }
    }
    state.counters["rows"] = box->rowCount();
}
// Argument 1: paragraphs; 0: one long paragraph.
BENCHMARK(BM_TypeIntoTheMiddle)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_LineFromChar(benchmark::State& state) {
    auto box = wrappedBox();
    const auto size = static_cast<std::uint32_t>(box->text().size());
    std::uint32_t index = 0;
    for (auto _ : state) {
        index = (index + 7919) % size;
        benchmark::DoNotOptimize(SendMessageA(box->hWnd(), EM_LINEFROMCHAR, index, 0));
    }
}
BENCHMARK(BM_LineFromChar);

void BM_LineIndex(benchmark::State& state) {
    auto box = wrappedBox();
    const auto rows = static_cast<std::uint32_t>(box->rowCount());
    std::uint32_t row = 0;
    for (auto _ : state) {
        row = (row + 31) % rows;
        benchmark::DoNotOptimize(SendMessageA(box->hWnd(), EM_LINEINDEX, row, 0));
    }
}
BENCHMARK(BM_LineIndex);

}  // namespace
}  // namespace quelta
