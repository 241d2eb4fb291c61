// What pressing Calculate leaves in the page, as JSON: the lists' new lines
// (null where a list keeps what it holds), the row to select, the error box
// and the control to focus after it. The sweep as CSV on its own: the page
// asks for it only when it is copied.
#pragma once

#include <string>

#include "input_fields.h"

namespace zephyrod::web {

std::string CalculateJson(const InputTexts& texts);

// The sweep as `zephyrod-cli --csv` prints it for these texts, as a JSON
// string; null where it prints nothing.
std::string SweepCsvJson(const InputTexts& texts);

}  // namespace zephyrod::web
