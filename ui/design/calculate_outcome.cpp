#include "calculate_outcome.h"

#include "calculation.h"
#include "ui_texts.h"

namespace zephyrod::design {

CalculateOutcome CalculateInWindow(const InputTexts& texts) {
    const CalcResult result = Calculate(texts);
    CalculateOutcome outcome;
    if (result.lists) {
        outcome.values = result.lists->values;
        outcome.sweep = result.lists->SweepLines();
    }
    if (!result.error) {
        outcome.selectIndex = kCentreRowIndex;
        return outcome;
    }
    const CalcError& error = *result.error;
    ErrorReport report;
    report.title = kMainWindowCaption;
    report.message = error.detail();
    report.errorLine = ErrorNumberLine(error);
    outcome.error = std::move(report);
    // Back to the field at fault; a fault of the whole design leaves the user
    // on Calculate.
    outcome.focus = error.field() ? FieldInfo(*error.field()).name : std::string_view("cmdGo");
    return outcome;
}

}  // namespace zephyrod::design
