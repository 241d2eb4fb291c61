// The number texts of the calculator's earlier conversions, digits by {fmt}
// with exact long expansions near a half: what the core's own conversions
// must print, digit for digit.
#pragma once

#include <array>
#include <string>

namespace zephyrod::reference {

// NumberText, then FormatPattern under "#.00", "#.0", "0.00" and "0.0".
using ReferenceTexts = std::array<std::string, 5>;

// Throws CalcError (overflow) for a value that is not finite.
ReferenceTexts TextsOf(float value);
ReferenceTexts TextsOf(double value);

}  // namespace zephyrod::reference
