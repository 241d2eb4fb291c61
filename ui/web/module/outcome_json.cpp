#include "outcome_json.h"

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

// The sweep's rows, each as its values as numbers (null for one that is not
// finite) and each value as the list prints it, in the columns' order:
// [{"values":[7.07,...],"pieces":["7.07",...]},...]. Written into one text,
// as a calculation writes a score of them.
std::string RowsJson(const std::vector<SweepRow>& rows) {
    std::string json = "[";
    json.reserve(rows.size() * 128);
    for (const SweepRow& row : rows) {
        json += json.size() > 1 ? ",{\"values\":[" : "{\"values\":[";
        for (std::size_t column = 0; column < kSweepColumnCount; ++column) {
            json += column ? "," : "";
            json += JsonValue(row.values[column]);
        }
        json += "],\"pieces\":[";
        for (std::size_t column = 0; column < kSweepColumnCount; ++column) {
            json += column ? "," : "";
            json += JsonString(row.pieces[column]);
        }
        json += "]}";
    }
    return json + "]";
}

}  // namespace

std::string CalculateJson(const InputTexts& texts) {
    const design::CalculateOutcome outcome = design::CalculateInWindow(texts);
    const int select = outcome.selectIndex.value_or(-1);
    return JsonObject()
        .Add("values", JsonStrings(outcome.values))
        .Add("sweep", JsonStrings(outcome.sweep))
        .Add("sweepRows", outcome.sweep ? RowsJson(outcome.sweepRows) : "null")
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
