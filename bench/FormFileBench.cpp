#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <limits>
#include <map>
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

void BM_LoadForm(benchmark::State& state) {
    loadForm(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_LoadForm)->Arg(10000)->Unit(benchmark::kMillisecond);

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

// The time per control must not grow with the form. Each iteration does the work for a form
// of 4,000 controls and for one of 16,000, and the ratio of their fastest times is reported:
// the fastest of several runs is what the work costs, while the slower ones carry whatever
// else the machine was doing, which separate benchmarks of each size would divide unevenly.
template <typename Work>
void reportGrowth(benchmark::State& state, Work work) {
    constexpr int kSmall = 4000;
    constexpr int kLarge = 16000;
    double fastestSmall = std::numeric_limits<double>::infinity();
    double fastestLarge = fastestSmall;
    for (auto _ : state) {
        fastestSmall = std::min(fastestSmall, work(kSmall));
        fastestLarge = std::min(fastestLarge, work(kLarge));
    }
    state.counters["ms_4k"] = fastestSmall * 1e3;
    state.counters["ms_16k"] = fastestLarge * 1e3;
    state.counters["ratio_16k_4k"] = fastestLarge / fastestSmall;
}

template <typename Work>
double secondsOf(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Parsing the file and starting every control, as BM_LoadForm; the form's end is not timed.
void BM_LoadGrowth(benchmark::State& state) {
    const std::map<int, std::string> texts{{4000, formText(4000)}, {16000, formText(16000)}};
    reportGrowth(state, [&](int count) {
        Form form;
        return secondsOf([&] { form.replaceWith(parseFormFile(texts.at(count), "f"), "f"); });
    });
}
BENCHMARK(BM_LoadGrowth)->Iterations(12)->Unit(benchmark::kMillisecond);

void BM_SaveGrowth(benchmark::State& state) {
    std::map<int, Form> forms;
    for (int count : {4000, 16000})
        forms[count].replaceWith(parseFormFile(formText(count), "f"), "f");
    reportGrowth(state, [&](int count) {
        return secondsOf([&] { benchmark::DoNotOptimize(forms.at(count).fileText()); });
    });
}
BENCHMARK(BM_SaveGrowth)->Iterations(12)->Unit(benchmark::kMillisecond);

// A designer's whole session in one: every control added, then the form saved.
void BM_CreateAndSaveGrowth(benchmark::State& state) {
    reportGrowth(state, [](int count) {
        Form form;
        return secondsOf([&] {
            fillForm(form, count);
            benchmark::DoNotOptimize(form.fileText());
        });
    });
}
BENCHMARK(BM_CreateAndSaveGrowth)->Iterations(12)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quelta
