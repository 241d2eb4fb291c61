#include "cli.h"

#include "app_identity.h"
#include "calc_error.h"
#include "calculation.h"

namespace zephyrod::cli {
namespace {

constexpr std::string_view kUsage =
    "usage: zephyrod-cli [--csv] [FREQ [RESDIA [COILDIA [TURNS_PER_CM]]]]\n";

constexpr std::string_view kHelp =
    "Designs a Zephyrod antenna: resonator and counterpoise lengths, the loading\n"
    "coil's turns and length, and a sweep from 0.5 MHz below to 0.5 MHz above\n"
    "the center frequency in 0.05 MHz steps.\n"
    "\n"
    "  FREQ          center frequency in MHz       (default 7.07)\n"
    "  RESDIA        resonator diameter in mm      (default 25.4)\n"
    "  COILDIA       coil form diameter in mm      (default 34.925)\n"
    "  TURNS_PER_CM  coil turns per cm of the wire (default 8.66)\n"
    "\n"
    "Numbers use a point for decimals, as in 7.07. A missing value takes its\n"
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

constexpr std::string_view kCsvHeader = "freq_mhz,resonator_mm,turns,delta_mm,delta_turns";

// A CSV field, quoted only where RFC 4180 requires it.
std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string CsvText(const std::vector<SweepRow>& rows) {
    std::string text = std::string(kCsvHeader) + "\r\n";
    for (const SweepRow& row : rows) {
        text += CsvField(row.frequency) + "," + CsvField(row.resonatorLength) + "," +
                CsvField(row.turns) + "," + CsvField(row.lengthDelta) + "," +
                CsvField(row.turnsDelta) + "\r\n";
    }
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
                return {std::string(kUsage) + "\n" + std::string(kHelp), "", 0};
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
        outcome.out = csv ? CsvText(result.lists->rows) : ListText(*result.lists);
    }
    if (result.error) {
        outcome.err = "zephyrod-cli: " + ErrorLine(*result.error) + "\n";
        outcome.status = 1;
    }
    return outcome;
}

}  // namespace zephyrod::cli
