// The calculator's four input fields, described once: what each is, its
// caption, unit, default value and the order they are read in. The windows
// (whose design names the box that holds each), the headless calculator, the
// fuzzer and the tests all take the fields from here.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zephyrod {

// The fields in the order Calculate reads them.
enum class InputField { Frequency, ResonatorDiameter, CoilDiameter, TurnsPerCm };

inline constexpr std::size_t kInputFieldCount = 4;

struct InputFieldInfo {
    InputField field;
    std::string_view caption;  // its caption label, e.g. "Center Frequency"
    std::string_view unit;     // what the number counts, in words: "MHz", "mm", "turns per cm"
    double defaultValue;       // what the field shows at start, e.g. 7.07
};

inline constexpr std::array<InputFieldInfo, kInputFieldCount> kInputFields{{
    {InputField::Frequency, "Center Frequency", "MHz", 7.07},
    {InputField::ResonatorDiameter, "Resonator Diameter", "mm", 25.4},
    {InputField::CoilDiameter, "Coil Diameter", "mm", 34.925},
    {InputField::TurnsPerCm, "Coil Turns Per cm", "turns per cm", 8.66},
}};

constexpr const InputFieldInfo& FieldInfo(InputField field) {
    return kInputFields[static_cast<std::size_t>(field)];
}

// The four texts as typed, one per field in reading order: texts[0] is the
// centre frequency.
using InputTexts = std::array<std::string, kInputFieldCount>;

constexpr std::string& TextOf(InputTexts& texts, InputField field) {
    return texts[static_cast<std::size_t>(field)];
}
constexpr const std::string& TextOf(const InputTexts& texts, InputField field) {
    return texts[static_cast<std::size_t>(field)];
}

// The default values as the fields show them ("7.07", "25.4", "34.925", "8.66").
InputTexts DefaultInputTexts();

}  // namespace zephyrod
