// Times one whole calculation (both lists' lines) for a few centre frequencies,
// and beside it the least digit work a calculation needs, as a yardstick for
// the same run: the calculation's share of reading and writing numbers.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <string_view>

#include "calculation.h"

namespace {

void Calculate(benchmark::State& state, const char* frequency) {
    zephyrod::InputTexts texts = zephyrod::DefaultInputTexts();
    texts[0] = frequency;
    for (auto _ : state) {
        zephyrod::CalcResult result = zephyrod::Calculate(texts);
        benchmark::DoNotOptimize(result);
        if (result.error) {
            state.SkipWithError("the calculation failed");
        }
    }
}

// Five texts read and 112 numbers (the defaults' six results and the sweep's
// rows, about) written to 17 significant digits by the C++ library's own
// conversions: no rounding rule, no patterns, no strings. The ratio of
// Calculate/Defaults to this is the figure to watch.
void LeastDigitWork(benchmark::State& state) {
    constexpr std::array<std::string_view, 5> kTexts = {"7.07", "25.4", "34.925", "8.66", "0.05"};
    std::array<char, 32> buffer{};
    for (auto _ : state) {
        double sum = 0;
        for (std::string_view text : kTexts) {
            float value = 0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            sum += value;
        }
        benchmark::DoNotOptimize(sum);
        double x = sum;
        for (int i = 0; i < 112; ++i) {
            x = x * 1.0009765625 + 0.0625;
            const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                              std::chars_format::scientific, 16);
            benchmark::DoNotOptimize(result.ptr);
            benchmark::ClobberMemory();
        }
    }
}

// The defaults; a centre whose sweep starts at 0.05 MHz; one whose sweep
// starts a hair above 0 MHz, where stepping half turns would take ~10^10 steps.
BENCHMARK_CAPTURE(Calculate, Defaults, "7.07")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Calculate, At0_55MHz, "0.55")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Calculate, At0_5000001MHz, "0.5000001")->Unit(benchmark::kMicrosecond);
BENCHMARK(LeastDigitWork)->Unit(benchmark::kMicrosecond);

}  // namespace
