// Times one whole calculation (both lists' lines) for a few centre frequencies.
#include <benchmark/benchmark.h>

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

// The defaults; a centre whose sweep starts at 0.05 MHz; one whose sweep
// starts a hair above 0 MHz, where stepping half turns would take ~10^10 steps.
BENCHMARK_CAPTURE(Calculate, Defaults, "7.07")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Calculate, At0_55MHz, "0.55")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Calculate, At0_5000001MHz, "0.5000001")->Unit(benchmark::kMicrosecond);

}  // namespace
