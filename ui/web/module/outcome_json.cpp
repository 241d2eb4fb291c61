#include "outcome_json.h"

#include <string_view>
#include <vector>

#include "calculate_outcome.h"
#include "calculation.h"
#include "cli.h"
#include "json_text.h"

namespace zephyrod::web {
namespace {

// The sweep as `zephyrod-cli --csv` prints it for these texts, from the
// headless calculator itself; null where it prints nothing.
std::string CsvJson(const InputTexts& texts) {
    std::vector<std::string_view> args{"--csv", "--"};
    args.insert(args.end(), texts.begin(), texts.end());
    const cli::Outcome printed = cli::Run(args);
    return printed.out.empty() ? "null" : JsonString(printed.out);
}

// The sweep's rows column by column (for the chart); null without rows.
std::string RowsJson(const CalcResult& result) {
    if (!result.lists) {
        return "null";
    }
    std::vector<std::string> rows;
    for (const SweepRow& row : result.lists->rows) {
        rows.push_back(JsonObject()
                           .AddText("frequency", row.frequency)
                           .AddText("resonatorLength", row.resonatorLength)
                           .AddText("turns", row.turns)
                           .AddText("lengthDelta", row.lengthDelta)
                           .AddText("turnsDelta", row.turnsDelta)
                           .Text());
    }
    return JsonArray(rows);
}

std::string ErrorJson(const design::CalculateOutcome& outcome, const CalcResult& result) {
    if (!outcome.error || !result.error) {
        return "null";
    }
    return JsonObject()
        .Add("number", JsonNumber(result.error->code()))
        .AddText("description", result.error->description())
        .AddText("message", outcome.error->Text())
        .AddText("title", outcome.error->title)
        .AddText("focus", outcome.focus)
        .Text();
}

}  // namespace

std::string CalculateJson(const InputTexts& texts) {
    const design::CalculateOutcome outcome = design::CalculateInWindow(texts);
    const CalcResult result = Calculate(texts);
    return JsonObject()
        .Add("values", JsonStrings(outcome.values))
        .Add("sweep", JsonStrings(outcome.sweep))
        .Add("select", JsonNumber(outcome.selectIndex.value_or(-1)))
        .Add("error", ErrorJson(outcome, result))
        .Add("csv", CsvJson(texts))
        .Add("rows", RowsJson(result))
        .Text();
}

}  // namespace zephyrod::web
