// Runs the fuzz target's checks without libFuzzer, as a test of every build
// (the Windows build under Wine, the web build under Node): each file of the
// seed corpus, then inputs generated deterministically from the corpus' fields,
// from number-like texts and from the boundaries where the calculation changes
// its answer.
// A failed check aborts, so the test fails; the last line printed names the
// file or the range of generated inputs it was working on.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "generated_inputs.h"
#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

constexpr int kReportEvery = 1000;

void Print(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

void RunOne(const std::string& input) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: fuzz_corpus_runner CORPUS_FOLDER\n", stderr);
        return 2;
    }
    const std::vector<zephyrod::fuzz::CorpusFile> corpus = zephyrod::fuzz::ReadCorpus(argv[1]);
    if (corpus.empty()) {
        std::fputs("fuzz_corpus_runner: the corpus folder holds no file\n", stderr);
        return 1;
    }
    for (const auto& file : corpus) {
        Print("corpus " + file.path.filename().string());
        RunOne(file.content);
    }

    const std::vector<std::string> inputs =
        zephyrod::fuzz::GeneratedInputs(corpus, zephyrod::fuzz::kGeneratedInputs);
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (i % kReportEvery == 0) {
            Print("generated inputs from " + zephyrod::IntegerText(static_cast<long long>(i)));
        }
        RunOne(inputs[i]);
    }
    Print("all checks passed: " + zephyrod::IntegerText(static_cast<long long>(corpus.size())) +
          " corpus files and " + zephyrod::IntegerText(static_cast<long long>(inputs.size())) +
          " generated inputs");
    return 0;
}
