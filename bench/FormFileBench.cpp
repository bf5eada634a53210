#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

#include "form/Form.h"
#include "form/FormFile.h"

namespace quelta {
namespace {

// A form of mixed types, each control with a format and a value, as a designer fills one.
void fillForm(Form& form, int count) {
    for (int i = 0; i < count; ++i) {
        Quelta& control = form.addControl(u"txtField" + fromUtf8(std::to_string(i)));
        control.letDataType(i % 7);
        control.letFormat(i % 2 ? u"#,##0.00" : u"");
        control.letText(fromUtf8(std::to_string(i * 37)));
    }
}

std::string formText(int count) {
    Form form;
    fillForm(form, count);
    return form.fileText();
}

std::size_t heapInUse() {
    return mallinfo2().uordblks;
}

// Parsing the file and starting every control with ReadProperties (rebuild and layout).
void loadForm(benchmark::State& state, int count) {
    const std::string text = formText(count);
    for (auto _ : state) {
        Form form;
        form.replaceWith(parseFormFile(text, "form.json"), "form.json");
        benchmark::DoNotOptimize(form.empty());
    }
    // What a loaded form keeps per control, measured once outside the timing.
    const std::size_t before = heapInUse();
    {
        Form form;
        form.replaceWith(parseFormFile(text, "form.json"), "form.json");
        state.counters["bytes_per_control"] =
            static_cast<double>(heapInUse() - before) / static_cast<double>(count);
    }
}

// WriteProperties of every control and the file's text.
void saveForm(benchmark::State& state, int count) {
    Form form;
    form.replaceWith(parseFormFile(formText(count), "form.json"), "form.json");
    for (auto _ : state)
        benchmark::DoNotOptimize(form.fileText());
}

void BM_LoadThousandControlForm(benchmark::State& state) {
    loadForm(state, 1000);
}
BENCHMARK(BM_LoadThousandControlForm)->Unit(benchmark::kMillisecond);

void BM_SaveThousandControlForm(benchmark::State& state) {
    saveForm(state, 1000);
}
BENCHMARK(BM_SaveThousandControlForm)->Unit(benchmark::kMillisecond);

// The time per control must not grow with the form: compare 16,000 with 4,000.
void BM_LoadForm(benchmark::State& state) {
    loadForm(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_LoadForm)->Arg(4000)->Arg(10000)->Arg(16000)->Unit(benchmark::kMillisecond);

void BM_SaveForm(benchmark::State& state) {
    saveForm(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_SaveForm)->Arg(10000)->Unit(benchmark::kMillisecond);

// The file's text alone, read into bags and written from them, without the controls that
// load from the bags or store into them.
void BM_ReadFormFileText(benchmark::State& state) {
    const std::string text = formText(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(parseFormFile(text, "form.json"));
}
BENCHMARK(BM_ReadFormFileText)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_WriteFormFileText(benchmark::State& state) {
    const StoredForm stored =
        parseFormFile(formText(static_cast<int>(state.range(0))), "form.json");
    for (auto _ : state)
        benchmark::DoNotOptimize(formFileText(stored));
}
BENCHMARK(BM_WriteFormFileText)->Arg(10000)->Unit(benchmark::kMillisecond);

// A designer's whole session in one: every control added, then the form saved. The time
// per control must not grow with the form: compare 16,000 with 4,000.
void BM_CreateAndSaveForm(benchmark::State& state) {
    for (auto _ : state) {
        Form form;
        fillForm(form, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(form.fileText());
    }
}
BENCHMARK(BM_CreateAndSaveForm)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quelta
