// The inputs the calculation's checks run on: the seed corpus' files and
// inputs generated from them deterministically, the same on every system (the
// corpus runner checks each one; the headless calculators of two editions
// must answer each one alike).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zephyrod::fuzz {

struct CorpusFile {
    std::filesystem::path path;
    std::string content;  // four field texts, one per line
};

// The corpus folder's regular files in name order; none when it has none.
std::vector<CorpusFile> ReadCorpus(const std::filesystem::path& folder);

inline constexpr int kGeneratedInputs = 5000;

// `count` inputs of four field texts joined by line feeds, each text a field
// of the corpus, a boundary where the calculation changes its answer or
// random number-like characters, sometimes with one character changed.
std::vector<std::string> GeneratedInputs(const std::vector<CorpusFile>& corpus, int count);

}  // namespace zephyrod::fuzz
