// Readable, stable names for table-driven test cases: the case's own text
// with everything but letters and digits turned into '_', after its row
// number so that two similar texts never share a name.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "number_text.h"

namespace zephyrod::testing_names {

inline std::string CaseName(std::size_t row, std::string_view text) {
    std::string name = "r";
    name += IntegerText(static_cast<long long>(row));
    if (!text.empty()) {
        name += '_';
    }
    constexpr std::size_t kLongest = 40;
    for (char c : text.substr(0, kLongest)) {
        const bool plain =
            (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        name += plain ? c : '_';
    }
    return name;
}

// A name generator for INSTANTIATE_TEST_SUITE_P from a function that gives a
// case's text.
template <class Text>
auto NameBy(Text text) {
    return [text](const auto& info) { return CaseName(info.index, text(info.param)); };
}

}  // namespace zephyrod::testing_names
