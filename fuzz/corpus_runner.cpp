// Runs the fuzz target's checks without libFuzzer, as a test of every build
// (the Windows build under Wine): each file of the seed corpus, then inputs
// generated deterministically from the corpus' fields, from number-like texts
// and from the boundaries where the calculation changes its answer.
// A failed check aborts, so the test fails; the last line printed names the
// file or the range of generated inputs it was working on.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

constexpr int kGeneratedInputs = 5000;
constexpr int kReportEvery = 1000;

void Print(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

void RunOne(const std::string& input) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

// One field's text: a corpus field, a boundary, random number-like characters,
// or one of these changed by a character.
class FieldMaker {
  public:
    FieldMaker(std::vector<std::string> seeds, std::uint32_t seed)
        : seeds_(std::move(seeds)), random_(seed) {}

    std::string Next() {
        std::string field;
        switch (Pick(4)) {
            case 0:
                field = seeds_[Pick(seeds_.size())];
                break;
            case 1:
                field = kBoundaries[Pick(kBoundaries.size())];
                break;
            default:
                for (std::size_t n = Pick(12); n > 0; --n) {
                    field += kAlphabet[Pick(kAlphabet.size())];
                }
        }
        if (Pick(3) == 0 && !field.empty()) {
            field[Pick(field.size())] = kAlphabet[Pick(kAlphabet.size())];
        }
        return field;
    }

  private:
    static constexpr std::string_view kAlphabet = "0123456789.-+ ,eE\t\r\xff";
    static constexpr std::array<std::string_view, 14> kBoundaries = {
        "0",
        "-0",
        ".",
        "0.5",
        "0.5000001",
        "0.55",
        "106.4",
        "1e5",
        "1E+9",
        "3.4028235e38",
        "340282350000000000000000000000000000000",
        "0.0000000000000000000000000000000000000000000001",
        "99999999999999999999",
        ""};

    std::size_t Pick(std::size_t count) { return random_() % count; }

    std::vector<std::string> seeds_;
    std::mt19937 random_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: fuzz_corpus_runner CORPUS_FOLDER\n", stderr);
        return 2;
    }
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    if (files.empty()) {
        std::fputs("fuzz_corpus_runner: the corpus folder holds no file\n", stderr);
        return 1;
    }

    std::vector<std::string> fields;
    for (const auto& file : files) {
        Print("corpus " + file.filename().string());
        std::ifstream in(file, std::ios::binary);
        const std::string input{std::istreambuf_iterator<char>(in), {}};
        RunOne(input);
        for (const std::string& field : SplitLines(input)) {
            fields.push_back(field);
        }
    }

    FieldMaker maker(fields, 20260101);
    for (int i = 0; i < kGeneratedInputs; ++i) {
        if (i % kReportEvery == 0) {
            Print("generated inputs from " + zephyrod::IntegerText(i));
        }
        std::string input = maker.Next();
        for (int field = 1; field < 4; ++field) {
            input += '\n';
            input += maker.Next();
        }
        RunOne(input);
    }
    Print("all checks passed: " + zephyrod::IntegerText(static_cast<long long>(files.size())) +
          " corpus files and " + zephyrod::IntegerText(kGeneratedInputs) + " generated inputs");
    return 0;
}
