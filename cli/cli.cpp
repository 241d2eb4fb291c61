#include "cli.h"

#include <array>

#include "app_identity.h"
#include "calc_error.h"
#include "calculation.h"
#include "number_text.h"
#include "sweep_layout.h"

namespace zephyrod::cli {
namespace {

constexpr std::string_view kUsage =
    "usage: zephyrod-cli [--csv] [FREQ [RESDIA [COILDIA [TURNS_PER_CM]]]]\n";

// What each value on the command line is, in the fields' order.
constexpr std::array<std::string_view, kInputFieldCount> kValueLines{
    "  FREQ          center frequency in MHz       ",
    "  RESDIA        resonator diameter in mm      ",
    "  COILDIA       coil form diameter in mm      ",
    "  TURNS_PER_CM  coil turns per cm of the wire ",
};

// The help, with the sweep's span and step and each value's default as the
// calculator has them.
std::string HelpText() {
    const InputTexts defaults = DefaultInputTexts();
    const std::string span = NumberText(kSweepHalfSpan) + " MHz";
    std::string text =
        "Designs a Zephyrod antenna: resonator and counterpoise lengths, the loading\n"
        "coil's turns and length, and a sweep from " +
        span + " below to " + span +
        " above\n"
        "the center frequency in " +
        NumberText(kSweepStep) + " MHz steps.\n\n";
    for (std::size_t i = 0; i < kInputFieldCount; ++i) {
        text += std::string(kValueLines[i]) + "(default " + defaults[i] + ")\n";
    }
    text +=
        "\n"
        "Numbers use a point for decimals, as in " +
        defaults[0] +
        ". A missing value takes its\n"
        "default; an empty one (\"\") is an empty field.\n"
        "\n"
        "  --csv           print the sweep as CSV for a spreadsheet\n"
        "  -h, --help, /?  print this help\n"
        "  --version       print the version\n"
        "  --              end of options: every later argument is a value\n"
        "\n"
        "A value may begin with '-' followed by a digit or a point, as in -7; any\n"
        "other argument that begins with '-' is an option.\n"
        "\n"
        "Exit status: 0 done, 1 the calculation failed (the error is on standard\n"
        "error), 2 wrong usage.\n";
    return text;
}

std::string ListText(const ResultLists& lists) {
    std::string text;
    for (const std::string& line : lists.values) {
        text += line + "\n";
    }
    text += "\n";
    for (const std::string& line : lists.SweepLines()) {
        text += line + "\n";
    }
    return text;
}

// "-7", "-.5": a value for the calculation to judge. "-x", "-": an option.
bool ValueWithSign(std::string_view arg) {
    return arg.size() >= 2 && arg[0] == '-' && (arg[1] == '.' || (arg[1] >= '0' && arg[1] <= '9'));
}

Outcome UsageError(std::string_view message) {
    return {"", "zephyrod-cli: " + std::string(message) + "\n" + std::string(kUsage), 2};
}

}  // namespace

Outcome Run(const std::vector<std::string_view>& args) {
    bool csv = false;
    bool optionsEnded = false;
    std::vector<std::string_view> values;
    for (std::string_view arg : args) {
        // "/?" is how Windows programs are asked for help; no value begins with '/'.
        if (!optionsEnded && (arg == "-h" || arg == "/?")) {
            arg = "--help";
        }
        if (!optionsEnded && arg.starts_with('-') && !ValueWithSign(arg)) {
            if (arg == "--") {
                optionsEnded = true;
            } else if (arg == "--csv") {
                csv = true;
            } else if (arg == "--help") {
                return {std::string(kUsage) + "\n" + HelpText(), "", 0};
            } else if (arg == "--version") {
                return {std::string("zephyrod-cli ") + identity::kVersion + "\n", "", 0};
            } else {
                return UsageError("unknown option '" + std::string(arg) + "'");
            }
        } else {
            values.push_back(arg);
        }
    }
    if (values.size() > kInputFieldCount) {
        return UsageError("at most four values");
    }

    InputTexts texts = DefaultInputTexts();
    for (std::size_t i = 0; i < values.size(); ++i) {
        texts[i] = std::string(values[i]);
    }

    const CalcResult result = Calculate(texts);
    Outcome outcome;
    if (result.lists) {
        outcome.out = csv ? SweepCsv(result.lists->rows) : ListText(*result.lists);
    }
    if (result.error) {
        outcome.err = "zephyrod-cli: " + ErrorLine(*result.error) + "\n";
        outcome.status = 1;
    }
    return outcome;
}

}  // namespace zephyrod::cli
