#include "calculate_outcome.h"

#include <utility>

#include "calculation.h"
#include "ui_texts.h"
#include "window_design.h"

namespace zephyrod::design {

CalculateOutcome CalculateInWindow(const InputTexts& texts) {
    CalcResult result = Calculate(texts);
    CalculateOutcome outcome;
    if (result.lists) {
        outcome.values = std::move(result.lists->values);
        outcome.sweep = result.lists->SweepLines();
        outcome.sweepRows = std::move(result.lists->rows);
    }
    if (!result.error) {
        outcome.selectIndex = kCentreRowIndex;
        return outcome;
    }
    const CalcError& error = *result.error;
    ErrorReport report;
    report.number = error.number();
    report.title = kMainWindowCaption;
    report.message = error.detail();
    report.errorLine = ErrorNumberLine(error);
    outcome.error = std::move(report);
    outcome.focusField = error.field();
    outcome.focusCalculate = !error.field();
    return outcome;
}

std::string_view FocusName(const CalculateOutcome& outcome) {
    if (outcome.focusField) {
        return FieldControl(*outcome.focusField);
    }
    return outcome.focusCalculate ? names::cmdGo : std::string_view();
}

}  // namespace zephyrod::design
