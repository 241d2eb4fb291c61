#include "generated_inputs.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <random>
#include <string_view>
#include <utility>

namespace zephyrod::fuzz {
namespace {

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

std::vector<CorpusFile> ReadCorpus(const std::filesystem::path& folder) {
    std::vector<CorpusFile> corpus;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            corpus.push_back({entry.path(), {}});
        }
    }
    std::sort(corpus.begin(), corpus.end(),
              [](const CorpusFile& a, const CorpusFile& b) { return a.path < b.path; });
    for (CorpusFile& file : corpus) {
        std::ifstream in(file.path, std::ios::binary);
        file.content.assign(std::istreambuf_iterator<char>(in), {});
    }
    return corpus;
}

std::vector<std::string> GeneratedInputs(const std::vector<CorpusFile>& corpus, int count) {
    std::vector<std::string> fields;
    for (const CorpusFile& file : corpus) {
        for (const std::string& field : SplitLines(file.content)) {
            fields.push_back(field);
        }
    }
    FieldMaker maker(fields, 20260101);
    std::vector<std::string> inputs;
    for (int i = 0; i < count; ++i) {
        std::string input = maker.Next();
        for (int field = 1; field < 4; ++field) {
            input += '\n';
            input += maker.Next();
        }
        inputs.push_back(std::move(input));
    }
    return inputs;
}

}  // namespace zephyrod::fuzz
