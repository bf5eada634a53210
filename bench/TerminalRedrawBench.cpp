// Redrawing the sample form after one keystroke, as the terminal host does after every
// key: the key through the input queue into the focused control, the view of the whole
// form built from the live boxes, and (in the second figure) the changed fields drawn into
// an ncurses pad. Keys alternate between a letter and Backspace so that the text stays the
// same length. The first figure is the keystroke alone, for comparison.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "form/Form.h"
#include "form/FormFile.h"
#include "form/SampleForm.h"
#include "platform/region/RegionalSettings.h"
#include "platform/window/SendKeys.h"
#include "terminal/CellTextMeasurer.h"
#include "terminal/CursesPainter.h"
#include "terminal/FormScreen.h"

namespace quelta::terminal {
namespace {

struct SampleForm {
    SampleForm() {
        selectRegion("en-US");
        setTextMeasurer(std::make_shared<CellTextMeasurer>(CellScale{}));
        form.replaceWith(parseFormFile(kSampleFormText, "sample"), "sample");
        form.focus(*form.find(u"txtCustomer"));
    }
    ~SampleForm() { setTextMeasurer(nullptr); }

    void typeOneKey(bool letter) {
        sendKeys(letter ? u"x" : u"{BS}");
        form.deliverPendingKeys();
    }

    Form form;
};

void BM_KeystrokeAlone(benchmark::State& state) {
    SampleForm sample;
    bool letter = true;
    for (auto _ : state) {
        sample.typeOneKey(letter);
        letter = !letter;
    }
}
BENCHMARK(BM_KeystrokeAlone);

void BM_KeystrokeAndView(benchmark::State& state) {
    SampleForm sample;
    bool letter = true;
    for (auto _ : state) {
        sample.typeOneKey(letter);
        letter = !letter;
        benchmark::DoNotOptimize(formScreen(sample.form, CellScale{}, u"en-US"));
    }
}
BENCHMARK(BM_KeystrokeAndView);

void BM_KeystrokeViewAndPaint(benchmark::State& state) {
    FILE* sink = std::fopen("/dev/null", "w+");
    SCREEN* terminal = newterm("xterm-256color", sink, sink);
    if (terminal == nullptr) {
        state.SkipWithError("no terminfo entry for xterm-256color");
        std::fclose(sink);
        return;
    }
    {
        SampleForm sample;
        CursesPainter painter;
        WINDOW* pad = newpad(30, 100);
        painter.paint(pad, formScreen(sample.form, CellScale{}, u"en-US").view);
        bool letter = true;
        for (auto _ : state) {
            sample.typeOneKey(letter);
            letter = !letter;
            benchmark::DoNotOptimize(
                painter.paint(pad, formScreen(sample.form, CellScale{}, u"en-US").view));
        }
        delwin(pad);
    }
    endwin();
    delscreen(terminal);
    std::fclose(sink);
}
BENCHMARK(BM_KeystrokeViewAndPaint);

}  // namespace
}  // namespace quelta::terminal
