// What pressing Calculate leaves in the page, as JSON: the lists' new lines
// (null where a list keeps what it holds), the sweep's rows as numbers and
// printed pieces, the line to select and its row, the error box and the
// control to focus after it. The sweep as CSV on its own: the page asks for
// it only when it is copied.
#pragma once

#include <string>

#include "input_fields.h"

namespace zephyrod::web {

std::string CalculateJson(const InputTexts& texts);

// The sweep's rows as the core writes them as CSV (as `zephyrod-cli --csv`
// prints them) for these texts, as a JSON string; null where the
// calculation leaves no lists.
std::string SweepCsvJson(const InputTexts& texts);

}  // namespace zephyrod::web
