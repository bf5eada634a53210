// The Format routine beside ICU and the C library, on the same values: a cached number
// format, and a date format.
#include <benchmark/benchmark.h>
#include <unicode/locid.h>
#include <unicode/numberformatter.h>
#include <unicode/smpdtfmt.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "platform/region/RegionalSettings.h"
#include "platform/runtime/format/FormatRoutine.h"

namespace {

using namespace quelta;

constexpr std::size_t kValues = 1024;

// Amounts from cents to billions, half of them negative.
const std::vector<double>& sampleNumbers() {
    static const std::vector<double> values = [] {
        std::mt19937_64 random(42);
        std::uniform_real_distribution<double> exponent(-2, 9), sign(-1, 1);
        std::vector<double> result;
        for (std::size_t i = 0; i < kValues; ++i) {
            result.push_back((sign(random) < 0 ? -1 : 1) * std::pow(10.0, exponent(random)));
        }
        return result;
    }();
    return values;
}

// Serial dates with times of day between 1950 and 2050.
const std::vector<double>& sampleDates() {
    static const std::vector<double> values = [] {
        std::mt19937_64 random(7);
        std::uniform_real_distribution<double> serial(18264, 54789);
        std::vector<double> result;
        for (std::size_t i = 0; i < kValues; ++i)
            result.push_back(serial(random));
        return result;
    }();
    return values;
}

void FormatValue_Number(benchmark::State& state) {
    RegionalSettings settings = regionalSettingsFor("en-US");
    const auto& values = sampleNumbers();
    std::size_t i = 0;
    for (auto _ : state) {
        String text = formatValue(values[i++ % kValues], u"#,##0.00", 1, 1, settings);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(FormatValue_Number);

void Icu_LocalizedNumberFormatter(benchmark::State& state) {
    icu::number::LocalizedNumberFormatter formatter =
        icu::number::NumberFormatter::withLocale(icu::Locale("en", "US"))
            .precision(icu::number::Precision::fixedFraction(2))
            .grouping(UNUM_GROUPING_AUTO)
            .roundingMode(UNUM_ROUND_HALFUP);
    const auto& values = sampleNumbers();
    std::size_t i = 0;
    for (auto _ : state) {
        UErrorCode status = U_ZERO_ERROR;
        icu::UnicodeString text =
            formatter.formatDouble(values[i++ % kValues], status).toString(status);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(Icu_LocalizedNumberFormatter);

void Snprintf_Fixed2(benchmark::State& state) {
    const auto& values = sampleNumbers();
    std::size_t i = 0;
    char buffer[64];
    for (auto _ : state) {
        int length = std::snprintf(buffer, sizeof buffer, "%.2f", values[i++ % kValues]);
        benchmark::DoNotOptimize(length);
        benchmark::DoNotOptimize(buffer);
    }
}
BENCHMARK(Snprintf_Fixed2);

void FormatValue_Date(benchmark::State& state) {
    RegionalSettings settings = regionalSettingsFor("de-DE");
    const auto& values = sampleDates();
    std::size_t i = 0;
    for (auto _ : state) {
        String text = formatValue(Date{values[i++ % kValues]}, u"dd.mm.yyyy hh:nn", 1, 1, settings);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(FormatValue_Date);

void Icu_SimpleDateFormat(benchmark::State& state) {
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat format(icu::UnicodeString(u"dd.MM.yyyy HH:mm"), icu::Locale("de", "DE"),
                                 status);
    format.adoptTimeZone(icu::TimeZone::createTimeZone("UTC"));
    const auto& values = sampleDates();
    std::size_t i = 0;
    for (auto _ : state) {
        // Serial day 25569 is 1 January 1970.
        UDate milliseconds = (values[i++ % kValues] - 25569.0) * 86400000.0;
        icu::UnicodeString text;
        format.format(milliseconds, text);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(Icu_SimpleDateFormat);

}  // namespace
