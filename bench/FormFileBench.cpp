#include <benchmark/benchmark.h>

#include <string>

#include "form/Form.h"
#include "form/FormFile.h"

namespace quelta {
namespace {

// A form of a thousand controls of mixed types, each with a format and a value.
std::string thousandControlForm() {
    Form form;
    for (int i = 0; i < 1000; ++i) {
        Quelta& control = form.addControl(u"txtField" + fromUtf8(std::to_string(i)));
        control.letDataType(i % 7);
        control.letFormat(i % 2 ? u"#,##0.00" : u"");
        control.letText(fromUtf8(std::to_string(i * 37)));
    }
    return formFileText(form.store());
}

// Parsing the file and starting every control with ReadProperties (rebuild and layout).
void BM_LoadThousandControlForm(benchmark::State& state) {
    const std::string text = thousandControlForm();
    for (auto _ : state) {
        Form form;
        form.replaceWith(parseFormFile(text, "form.json"), "form.json");
        benchmark::DoNotOptimize(form.empty());
    }
}
BENCHMARK(BM_LoadThousandControlForm)->Unit(benchmark::kMillisecond);

// WriteProperties of every control and the file's text.
void BM_SaveThousandControlForm(benchmark::State& state) {
    Form form;
    form.replaceWith(parseFormFile(thousandControlForm(), "form.json"), "form.json");
    for (auto _ : state)
        benchmark::DoNotOptimize(formFileText(form.store()));
}
BENCHMARK(BM_SaveThousandControlForm)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quelta
