// The headless calculator's arguments, output and exit status, in-process.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "cli.h"
#include "default_design.h"

namespace {

using zephyrod::cli::Outcome;

Outcome RunCli(const std::vector<std::string>& args) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    return zephyrod::cli::Run(views);
}

// The six result lines, an empty line, then the sweep table.
std::string DefaultOutput() {
    std::string text;
    for (const auto& line : zephyrod::testdata::kDefaultResults) {
        text += line + "\n";
    }
    text += "\n";
    for (const auto& line : zephyrod::testdata::kDefaultSweep) {
        text += line + "\n";
    }
    return text;
}

const std::string kDefaultOutput = DefaultOutput();

const std::string kUsage = "usage: zephyrod-cli [--csv] [FREQ [RESDIA [COILDIA [TURNS_PER_CM]]]]\n";

const char* const kResultsAtHalfMegahertz =
    "Resonator Length = 9400.00 mm\n"
    "Counterpoise Length = 116.00 M\n"
    "Resonator Capacitance = 77.12 pF\n"
    "Required Inductance = 1311.20 uH\n"
    "Number of Coil Turns = 1274.5\n"
    "Coil Length = 1472 mm\n"
    "\n"
    "Freq     Resonator     Turns          Delta\n"
    "----     ---------     -----     ---------------\n";

struct CliCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string err;  // exact, or with a trailing '*' a prefix
};

class Cli : public testing::TestWithParam<CliCase> {};

TEST_P(Cli, PrintsAndExitsAsExpected) {
    const CliCase& c = GetParam();
    const Outcome run = RunCli(c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, c.out);
    if (!c.err.empty() && c.err.back() == '*') {
        EXPECT_EQ(run.err.substr(0, c.err.size() - 1), c.err.substr(0, c.err.size() - 1))
            << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    } else {
        EXPECT_EQ(run.err, c.err);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, Cli,
    testing::Values(
        CliCase{"Defaults", {}, 0, kDefaultOutput, ""},
        CliCase{"DefaultsSpelledOut", {"7.07", "25.4", "34.925", "8.66"}, 0, kDefaultOutput, ""},
        CliCase{"TextInField",
                {"abc"},
                1,
                "",
                "zephyrod-cli: Run-time error 13: Type mismatch. Center Frequency \"abc\" is not "
                "a number: type digits with an optional point, such as 7.07.\n"},
        CliCase{"EmptyArgumentIsEmptyField",
                {"7.07", ""},
                1,
                "",
                "zephyrod-cli: Run-time error 13: Type mismatch. Resonator Diameter is empty: "
                "type a number, such as 25.4.\n"},
        CliCase{"SweepFault",
                {"0.5"},
                1,
                kResultsAtHalfMegahertz,
                "zephyrod-cli: Run-time error 11: Division by zero. In the sweep at 0.00 MHz: *"},
        CliCase{"NegativeValueAfterDoubleDash",
                {"--", "-7.07"},
                1,
                "",
                "zephyrod-cli: Run-time error 5: Invalid procedure call or argument. *"},
        CliCase{"NegativeValueAsItStands",
                {"7.07", "25.4", "34.925", "-1"},
                1,
                "",
                "zephyrod-cli: Run-time error 5: Invalid procedure call or argument. *"},
        CliCase{"Version", {"--version"}, 0, "zephyrod-cli 1.0.0\n", ""},
        CliCase{"DashAfterDoubleDashIsAValue",
                {"--", "-h"},
                1,
                "",
                "zephyrod-cli: Run-time error 13: Type mismatch. Center Frequency \"-h\" is *"},
        CliCase{"SlashQuestionMarkAfterDoubleDashIsAValue",
                {"--", "/?"},
                1,
                "",
                "zephyrod-cli: Run-time error 13: Type mismatch. Center Frequency \"/?\" is *"},
        CliCase{"UnknownOption",
                {"--frequency"},
                2,
                "",
                "zephyrod-cli: unknown option '--frequency'\n" + kUsage},
        CliCase{"DashLetterIsUnknownOption",
                {"-x"},
                2,
                "",
                "zephyrod-cli: unknown option '-x'\n" + kUsage},
        CliCase{"LoneDashIsUnknownOption",
                {"7.07", "-"},
                2,
                "",
                "zephyrod-cli: unknown option '-'\n" + kUsage},
        CliCase{"TooManyValues",
                {"1", "2", "3", "4", "5"},
                2,
                "",
                "zephyrod-cli: at most four values\n" + kUsage}),
    [](const testing::TestParamInfo<CliCase>& info) { return std::string(info.param.name); });

TEST(CliCsv, SweepRowsForASpreadsheet) {
    const Outcome run = RunCli({"--csv"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::string header = "freq_mhz,resonator_mm,turns,delta_mm,delta_turns\r\n";
    ASSERT_EQ(run.out.substr(0, header.size()), header);
    EXPECT_NE(run.out.find("\r\n6.57,715.37,61.0,50.59,5.0\r\n"), std::string::npos);
    EXPECT_NE(run.out.find("\r\n7.07,664.78,56.0,0.00,0.0\r\n"), std::string::npos);
    std::size_t lines = 0;
    for (char c : run.out) {
        lines += c == '\n';
    }
    EXPECT_EQ(lines, 22u);
    EXPECT_EQ(run.out.substr(run.out.size() - 28), "7.57,620.87,52.0,43.91,4.0\r\n");
}

TEST(CliCsv, SweepFaultKeepsRowsSoFar) {
    const Outcome run = RunCli({"--csv", "0.5"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "freq_mhz,resonator_mm,turns,delta_mm,delta_turns\r\n");
    EXPECT_NE(run.err.find("Division by zero"), std::string::npos);
}

TEST(CliHelp, DescribesUsage) {
    const Outcome run = RunCli({"-h"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind(kUsage, 0), 0u);
    EXPECT_NE(run.out.find("--csv"), std::string::npos);
}

// "/?" asks for help as Windows programs are asked, on every system.
TEST(CliHelp, SameHelpForEveryWayOfAsking) {
    const Outcome help = RunCli({"--help"});
    for (const char* ask : {"-h", "/?"}) {
        const Outcome run = RunCli({"7.07", ask});
        EXPECT_EQ(run.status, 0) << ask;
        EXPECT_EQ(run.out, help.out) << ask;
        EXPECT_EQ(run.err, "") << ask;
    }
}

// The fourth value counts turns per centimetre: its name must not read as
// turns per inch.
TEST(CliHelp, NamesTheFourthValueTurnsPerCm) {
    const std::string help = RunCli({"--help"}).out;
    EXPECT_NE(help.find("  TURNS_PER_CM  coil turns per cm"), std::string::npos) << help;
    EXPECT_EQ(help.find("TPI"), std::string::npos) << help;
}

}  // namespace
