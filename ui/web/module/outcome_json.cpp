#include "outcome_json.h"

#include <string_view>
#include <vector>

#include "calc_error.h"
#include "calculate_outcome.h"
#include "cli.h"
#include "json_text.h"

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

}  // namespace

std::string CalculateJson(const InputTexts& texts) {
    const design::CalculateOutcome outcome = design::CalculateInWindow(texts);
    return JsonObject()
        .Add("values", JsonStrings(outcome.values))
        .Add("sweep", JsonStrings(outcome.sweep))
        .Add("select", JsonNumber(outcome.selectIndex.value_or(-1)))
        .Add("error", ErrorJson(outcome))
        .Text();
}

// From the headless calculator itself: every text a value, none an option.
std::string SweepCsvJson(const InputTexts& texts) {
    std::vector<std::string_view> args{"--csv", "--"};
    args.insert(args.end(), texts.begin(), texts.end());
    const cli::Outcome printed = cli::Run(args);
    return printed.out.empty() ? "null" : JsonString(printed.out);
}

}  // namespace zephyrod::web
