// What pressing Calculate leaves in the main window, decided once for every
// edition: the lines of both lists, the entry to select, the error report
// and the control that gets the focus after it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc_error.h"
#include "calculation.h"
#include "input_fields.h"

namespace zephyrod::design {

// A failed calculation as the user reads it in a message box: first the
// plain sentence that says what to fix, then the run-time error's number and
// description on a line of their own.
struct ErrorReport {
    ErrorNumber number = ErrorNumber::TypeMismatch;
    std::string title;      // the main window's caption
    std::string message;    // e.g. "Center Frequency is empty: type a number, such as 7.07."
    std::string errorLine;  // e.g. "Run-time error 13: Type mismatch"

    // Both, an empty line between them.
    std::string Text() const { return message + "\n\n" + errorLine; }
};

struct CalculateOutcome {
    // The lists' new lines; none where the list keeps what it holds.
    std::optional<std::vector<std::string>> values;
    std::optional<std::vector<std::string>> sweep;
    // The sweep's rows behind its lines below the header, each with its
    // values and their printed pieces (for an edition that draws them).
    std::vector<SweepRow> sweepRows;
    // The sweep entry to select and scroll into view: the centre row.
    std::optional<int> selectIndex;
    std::optional<ErrorReport> error;
    // After the report the focus goes to the field at fault (its text
    // selected), or to Calculate where the fault concerns the design as a
    // whole; with neither it stays where it is.
    std::optional<InputField> focusField;
    bool focusCalculate = false;
};

// Calculates from the fields' texts (in the order of kInputFields).
CalculateOutcome CalculateInWindow(const InputTexts& texts);

// The name in the main window's design of the control the outcome focuses
// ("txtFreq", "cmdGo"); empty where the focus stays.
std::string_view FocusName(const CalculateOutcome& outcome);

}  // namespace zephyrod::design
