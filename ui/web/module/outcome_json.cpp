#include "outcome_json.h"

#include <cmath>
#include <string_view>
#include <vector>

#include "calc_error.h"
#include "calculate_outcome.h"
#include "calculation.h"
#include "json_text.h"
#include "sweep_layout.h"

namespace zephyrod::web {
namespace {

std::string ErrorJson(const design::CalculateOutcome& outcome) {
    if (!outcome.error) {
        return "null";
    }
    const design::ErrorReport& report = *outcome.error;
    return JsonObject()
        .Add("number", JsonNumber(static_cast<int>(report.number)))
        .AddText("description", ErrorDescription(report.number))
        .AddText("message", report.Text())
        .AddText("title", report.title)
        .AddText("focus", design::FocusName(outcome))
        .Text();
}

// A sweep row: its values as numbers (null for one that is not finite) and
// each as the list prints it, in the columns' order.
std::string RowJson(const SweepRow& row) {
    std::vector<std::string> values;
    for (const double value : row.values) {
        values.push_back(std::isfinite(value) ? JsonDecimal(value) : "null");
    }
    return JsonObject()
        .Add("values", JsonArray(values))
        .Add("pieces", JsonStrings(std::vector<std::string>(row.pieces.begin(), row.pieces.end())))
        .Text();
}

}  // namespace

std::string CalculateJson(const InputTexts& texts) {
    const design::CalculateOutcome outcome = design::CalculateInWindow(texts);
    std::vector<std::string> rows;
    for (const SweepRow& row : outcome.sweepRows) {
        rows.push_back(RowJson(row));
    }
    const int select = outcome.selectIndex.value_or(-1);
    return JsonObject()
        .Add("values", JsonStrings(outcome.values))
        .Add("sweep", JsonStrings(outcome.sweep))
        .Add("sweepRows", outcome.sweep ? JsonArray(rows) : "null")
        .Add("select", JsonNumber(select))
        .Add("centreRow", JsonNumber(select >= 0 ? select - kSweepHeaderLines : -1))
        .Add("error", ErrorJson(outcome))
        .Text();
}

std::string SweepCsvJson(const InputTexts& texts) {
    const CalcResult result = Calculate(texts);
    return result.lists ? JsonString(SweepCsv(result.lists->rows)) : "null";
}

}  // namespace zephyrod::web
