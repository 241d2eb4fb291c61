// libFuzzer target: four input texts (split at line breaks) through the whole
// calculation and through each number conversion.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "calc_error.h"
#include "calculation.h"
#include "number_text.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool KnownError(const zephyrod::CalcError& error) {
    const int code = error.code();
    return (code == 5 || code == 6 || code == 11 || code == 13) && !error.description().empty() &&
           !error.detail().empty();
}

bool Printable(const std::string& line) {
    return line.find("inf") == std::string::npos && line.find("nan") == std::string::npos;
}

void Conversions(std::string_view text) {
    try {
        const float single = zephyrod::ParseSingle(text);
        zephyrod::ParseDouble(zephyrod::NumberText(single));
        for (const char* pattern : {"#.00", "#.0", "0.00", "0.0"}) {
            const std::string printed = zephyrod::FormatPattern(single, pattern);
            Check(Printable(printed));
            zephyrod::ParseDouble(printed);
        }
    } catch (const zephyrod::CalcError& error) {
        Check(KnownError(error));
    }
    try {
        const double value = zephyrod::ParseDouble(text);
        // Fifteen significant digits read back lie within a hair of the value.
        const double back = zephyrod::ParseDouble(zephyrod::NumberText(value));
        Check(back == value || std::abs(back - value) <= std::abs(value) * 1e-14);
    } catch (const zephyrod::CalcError& error) {
        Check(KnownError(error));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    zephyrod::InputTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::size_t end = i + 1 == texts.size() ? std::string_view::npos : input.find('\n');
        texts[i] = std::string(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);
        Conversions(texts[i]);
    }

    // Any eight bytes as a double through the printing conversions.
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        try {
            Check(Printable(zephyrod::FormatPattern(value, "#.00")));
            Check(Printable(zephyrod::NumberText(value)));
        } catch (const zephyrod::CalcError& error) {
            Check(error.code() == 6);
        }
    }

    const zephyrod::CalcResult result = zephyrod::Calculate(texts);
    if (result.error) {
        Check(KnownError(*result.error));
    } else {
        // Without a fault the sweep is complete: the row to select is there.
        Check(result.lists && result.lists->SweepLines().size() >
                                  static_cast<std::size_t>(zephyrod::kCentreRowIndex));
    }
    if (result.lists) {
        Check(result.lists->values.size() == 6);
        for (const std::string& line : result.lists->values) {
            Check(Printable(line));
        }
        for (const std::string& line : result.lists->SweepLines()) {
            Check(Printable(line));
        }
    }
    return 0;
}
