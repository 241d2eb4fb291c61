// What pressing Calculate leaves in the page, as JSON: the lists' new lines
// (null where a list keeps what it holds), the row to select, the error box
// and the control to focus after it, and the sweep as CSV.
#pragma once

#include <string>

#include "input_fields.h"

namespace zephyrod::web {

std::string CalculateJson(const InputTexts& texts);

}  // namespace zephyrod::web
