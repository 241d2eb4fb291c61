// Runs the built zephyrod-cli and compares what it prints and its exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct CliRun {
    std::string out;
    std::string err;
    int status = -1;
};

std::string ReadFile(const std::string& path) {
    std::string text;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
            text.append(buffer, n);
        }
        std::fclose(file);
    }
    return text;
}

std::string ShellQuoted(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

CliRun RunCli(const std::vector<std::string>& args) {
    std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : name) {
        c = c == '/' ? '-' : c;
    }
    const std::string base = testing::TempDir() + "zephyrod-cli-" + name;
    std::string command = ShellQuoted(ZEPHYROD_CLI);
    for (const auto& arg : args) {
        command += ' ';
        command += ShellQuoted(arg);
    }
    command += " >" + ShellQuoted(base + ".out") + " 2>" + ShellQuoted(base + ".err");
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFile(base + ".out");
    run.err = ReadFile(base + ".err");
    return run;
}

const char* const kDefaultOutput =
    "Resonator Length = 664.78 mm\n"
    "Counterpoise Length = 8.20 M\n"
    "Resonator Capacitance = 10.78 pF\n"
    "Required Inductance = 46.90 uH\n"
    "Number of Coil Turns = 56.0\n"
    "Coil Length = 65 mm\n"
    "\n"
    "Freq     Resonator     Turns          Delta\n"
    "----     ---------     -----     ---------------\n"
    "6.57      715.37mm     61.0       50.59mm   5.0 T\n"
    "6.62      709.97mm     60.5       45.19mm   4.5 T\n"
    "6.67      704.65mm     60.0       39.87mm   4.0 T\n"
    "6.72      699.40mm     59.5       34.62mm   3.5 T\n"
    "6.77      694.24mm     59.0       29.46mm   3.0 T\n"
    "6.82      689.15mm     58.5       24.37mm   2.5 T\n"
    "6.87      684.13mm     58.0       19.35mm   2.0 T\n"
    "6.92      679.19mm     57.5       14.41mm   1.5 T\n"
    "6.97      674.32mm     57.0       9.54mm   1.0 T\n"
    "7.02      669.52mm     56.5       4.73mm   0.5 T\n"
    "7.07      664.78mm     56.0       0.00mm   0.0 T\n"
    "7.12      660.11mm     55.5       4.67mm   0.5 T\n"
    "7.17      655.51mm     55.0       9.27mm   1.0 T\n"
    "7.22      650.97mm     54.5       13.81mm   1.5 T\n"
    "7.27      646.49mm     54.5       18.29mm   1.5 T\n"
    "7.32      642.08mm     54.0       22.70mm   2.0 T\n"
    "7.37      637.72mm     53.5       27.06mm   2.5 T\n"
    "7.42      633.42mm     53.0       31.36mm   3.0 T\n"
    "7.47      629.18mm     52.5       35.60mm   3.5 T\n"
    "7.52      625.00mm     52.0       39.78mm   4.0 T\n"
    "7.57      620.87mm     52.0       43.91mm   4.0 T\n";

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
    const CliRun run = RunCli(c.args);
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
        CliCase{"UnknownOption",
                {"--frequency"},
                2,
                "",
                "zephyrod-cli: unknown option '--frequency'\n"
                "usage: zephyrod-cli [--csv] [FREQ [RESDIA [COILDIA [TPI]]]]\n"},
        CliCase{"TooManyValues",
                {"1", "2", "3", "4", "5"},
                2,
                "",
                "zephyrod-cli: at most four values\n"
                "usage: zephyrod-cli [--csv] [FREQ [RESDIA [COILDIA [TPI]]]]\n"}),
    [](const testing::TestParamInfo<CliCase>& info) { return std::string(info.param.name); });

TEST(CliCsv, SweepRowsForASpreadsheet) {
    const CliRun run = RunCli({"--csv"});
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
    const CliRun run = RunCli({"--csv", "0.5"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "freq_mhz,resonator_mm,turns,delta_mm,delta_turns\r\n");
    EXPECT_NE(run.err.find("Division by zero"), std::string::npos);
}

TEST(CliHelp, DescribesUsage) {
    const CliRun run = RunCli({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("usage: zephyrod-cli [--csv]", 0), 0u);
    EXPECT_NE(run.out.find("--csv"), std::string::npos);
}

}  // namespace
