// The whole calculation: the six result lines, the sweep table and what the
// two lists hold after each kind of fault.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calculation.h"
#include "case_name.h"
#include "default_design.h"

namespace zephyrod {
namespace {

InputTexts Texts(std::string f, std::string res, std::string coil, std::string tpi) {
    return InputTexts{std::move(f), std::move(res), std::move(coil), std::move(tpi)};
}

struct ResultsCase {
    InputTexts texts;
    std::array<const char*, 6> lines;
};

class ResultLinesFor : public testing::TestWithParam<ResultsCase> {};

TEST_P(ResultLinesFor, AreExact) {
    const CalcResult r = Calculate(GetParam().texts);
    ASSERT_FALSE(r.error) << r.error->detail();
    ASSERT_TRUE(r.lists);
    ASSERT_EQ(r.lists->values.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(r.lists->values[i], GetParam().lines[i]) << "line " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    InputSets, ResultLinesFor,
    testing::Values(
        ResultsCase{Texts("7.07", "25.4", "34.925", "8.66"),
                    {"Resonator Length = 664.78 mm", "Counterpoise Length = 8.20 M",
                     "Resonator Capacitance = 10.78 pF", "Required Inductance = 46.90 uH",
                     "Number of Coil Turns = 56.0", "Coil Length = 65 mm"}},
        // The coil length sits on a rounding tie: 3.15 cm.
        ResultsCase{Texts("14.2", "20", "30", "10"),
                    {"Resonator Length = 330.99 mm", "Counterpoise Length = 4.08 M",
                     "Resonator Capacitance = 6.46 pF", "Required Inductance = 19.40 uH",
                     "Number of Coil Turns = 31.5", "Coil Length = 32 mm"}},
        ResultsCase{Texts("3.6", "30", "40", "6"),
                    {"Resonator Length = 1305.56 mm", "Counterpoise Length = 16.11 M",
                     "Resonator Capacitance = 17.83 pF", "Required Inductance = 109.39 uH",
                     "Number of Coil Turns = 125.5", "Coil Length = 209 mm"}},
        // Blanks around a number are read past.
        ResultsCase{Texts(" 7.07", "25.4 ", "\t34.925", "8.66"),
                    {"Resonator Length = 664.78 mm", "Counterpoise Length = 8.20 M",
                     "Resonator Capacitance = 10.78 pF", "Required Inductance = 46.90 uH",
                     "Number of Coil Turns = 56.0", "Coil Length = 65 mm"}}),
    testing_names::NameBy([](const ResultsCase& c) {
        return c.texts[0] + " " + c.texts[1] + " " + c.texts[2] + " " + c.texts[3];
    }));

using testdata::kDefaultSweep;

TEST(SweepTable, DefaultTableIsExact) {
    const CalcResult r = Calculate(DefaultInputTexts());
    ASSERT_FALSE(r.error);
    ASSERT_TRUE(r.lists);
    EXPECT_EQ(r.lists->SweepLines(), kDefaultSweep);
    EXPECT_EQ(r.lists->rows.size(), 21u);
    EXPECT_EQ(kSweepHeader.size(), 43u);
    EXPECT_EQ(kSweepRule.size(), 48u);
}

TEST(SweepTable, TwentyRowsWhenTheLastSumOvershoots) {
    const CalcResult r = Calculate(Texts("14.2", "20", "30", "11"));
    ASSERT_FALSE(r.error);
    const std::vector<std::string> sweep = r.lists->SweepLines();
    ASSERT_EQ(sweep.size(), 22u);
    EXPECT_EQ(sweep[2], "13.70      343.07mm     31.0       12.08mm   1.0 T");
    EXPECT_EQ(sweep[12], "14.20      330.99mm     30.0       0.00mm   0.0 T");
    EXPECT_EQ(sweep[21], "14.65      320.82mm     29.0       10.17mm   1.0 T");
}

TEST(SweepTable, RowsHoldTheLineColumns) {
    const CalcResult r = Calculate(DefaultInputTexts());
    ASSERT_TRUE(r.lists);
    const std::vector<std::string> sweep = r.lists->SweepLines();
    ASSERT_EQ(r.lists->rows.size() + 2, sweep.size());
    for (std::size_t i = 0; i < r.lists->rows.size(); ++i) {
        EXPECT_EQ(SweepLine(r.lists->rows[i]), sweep[i + 2]);
    }
    // The centre row's values are the numbers themselves, not read back from
    // their text: the counter after ten additions (7.070000171661375, a hair
    // below the centre 7.070000171661377), the resonator length computed
    // again in double precision.
    const SweepRow& centre = r.lists->rows[kCentreRowIndex - kSweepHeaderLines];
    EXPECT_NEAR(centre.value(SweepColumn::Frequency), 7.070000171661375, 1e-15);
    EXPECT_NEAR(centre.value(SweepColumn::ResonatorLength), 664.78074765, 1e-8);
    EXPECT_EQ(centre.value(SweepColumn::Turns), 56.0);
    EXPECT_EQ(centre.piece(SweepColumn::LengthDelta), "0.00");
}

TEST(SweepTable, CentreJustAboveHalfMegahertzCompletes) {
    for (const char* f : {"0.55", "0.5000001"}) {
        const CalcResult r = Calculate(Texts(f, "25.4", "34.925", "8.66"));
        EXPECT_FALSE(r.error) << f;
        ASSERT_TRUE(r.lists) << f;
        EXPECT_GE(r.lists->rows.size(), 20u) << f;
    }
}

struct FaultCase {
    const char* name;
    InputTexts texts;
    int code;
    const char* detailPart;
    bool listsReplaced;      // false: both lists stay as they were
    std::size_t sweepLines;  // header lines and rows so far, when replaced
};

class CalculationFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(CalculationFaults, LeaveTheListsAsStated) {
    const FaultCase& c = GetParam();
    const CalcResult r = Calculate(c.texts);
    ASSERT_TRUE(r.error) << c.name;
    EXPECT_EQ(r.error->code(), c.code) << r.error->detail();
    EXPECT_NE(r.error->detail().find(c.detailPart), std::string::npos) << r.error->detail();
    EXPECT_FALSE(r.error->description().empty());
    ASSERT_EQ(r.lists.has_value(), c.listsReplaced);
    if (c.listsReplaced) {
        EXPECT_EQ(r.lists->values.size(), 6u);
        const std::vector<std::string> sweep = r.lists->SweepLines();
        ASSERT_EQ(sweep.size(), c.sweepLines);
        EXPECT_EQ(sweep[0], kSweepHeader);
        EXPECT_EQ(sweep[1], kSweepRule);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CalculationFaults,
    testing::Values(
        FaultCase{"TextFrequency", Texts("abc", "25.4", "34.925", "8.66"), 13,
                  "Center Frequency \"abc\" is not a number", false, 0},
        FaultCase{"EmptyTurnsPerCm", Texts("7.07", "25.4", "34.925", ""), 13,
                  "Coil Turns Per cm is empty", false, 0},
        FaultCase{"CommaDecimal", Texts("7.07", "25,4", "34.925", "8.66"), 13,
                  "Resonator Diameter \"25,4\"", false, 0},
        // What cannot be shown on one line is shown as the replacement character.
        FaultCase{"LineBreakInText", Texts("7.07\n", "25.4", "34.925", "8.66"), 13,
                  "Center Frequency \"7.07\xEF\xBF\xBD\" is not a number", false, 0},
        FaultCase{"ByteThatIsNoCharacter", Texts("\xff", "25.4", "34.925", "8.66"), 13,
                  "Center Frequency \"\xEF\xBF\xBD\" is not a number", false, 0},
        FaultCase{"FirstBadFieldWins", Texts("7.07", "25.4", "x", ""), 13, "Coil Diameter", false,
                  0},
        FaultCase{"HugeFrequency",
                  Texts("1000000000000000000000000000000000000000", "25.4", "34.925", "8.66"), 6,
                  "too large", false, 0},
        FaultCase{"ZeroFrequency", Texts("0", "25.4", "34.925", "8.66"), 11, "above 0 MHz", false,
                  0},
        FaultCase{"ZeroResonatorDiameter", Texts("7.07", "0", "34.925", "8.66"), 11,
                  "resonator diameter", false, 0},
        FaultCase{"NegativeFrequency", Texts("-7.07", "25.4", "34.925", "8.66"), 5, "above 0",
                  false, 0},
        FaultCase{"ZeroTurnsPerCm", Texts("7.07", "25.4", "34.925", "0"), 11, "turns per cm", false,
                  0},
        FaultCase{"ZeroCoilDiameter", Texts("7.07", "25.4", "0", "8.66"), 5, "coil diameter", false,
                  0},
        FaultCase{"NegativeCoilDiameter", Texts("7.07", "25.4", "-34.925", "8.66"), 5,
                  "coil diameter", false, 0},
        FaultCase{"NegativeTurnsPerCm", Texts("7.07", "25.4", "34.925", "-8.66"), 5, "turns per cm",
                  false, 0},
        FaultCase{"ResonatorTooShort", Texts("110", "25.4", "34.925", "8.66"), 5,
                  "at most 106.3976 MHz", false, 0},
        FaultCase{"FrequencyNearZero",
                  Texts("0.0000000000000000000000000000000000000001", "25.4", "34.925", "8.66"), 6,
                  "range", false, 0},
        FaultCase{"TurnsBeyondCounting", Texts("7.07", "25.4", "0.000001", "8.66"), 6, "turns",
                  false, 0},
        // Faults in the sweep: results complete, the sweep up to the fault.
        FaultCase{"SweepReachesZero", Texts("0.5", "25.4", "34.925", "8.66"), 11,
                  "In the sweep at 0.00 MHz", true, 2},
        FaultCase{"SweepGoesNegative", Texts("0.3", "25.4", "34.925", "8.66"), 5, "above 0.5 MHz",
                  true, 2},
        FaultCase{"SweepPassesResonatorLimit", Texts("106.2", "25.4", "34.925", "8.66"), 5,
                  "In the sweep at 106.40 MHz", true, 2 + 14},
        FaultCase{"SweepCounterStalls",
                  Texts("1000000000000000", "0.000000000001", "34.925", "8.66"), 6, "0.05 MHz",
                  true, 2 + 1},
        FaultCase{"SweepCounterStallsMidway",
                  Texts("562949953421312", "0.000000000000001", "34.925", "8.66"), 6, "0.05 MHz",
                  true, 2 + 9}),
    [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

struct FieldCase {
    const char* name;
    InputTexts texts;
    std::optional<InputField> field;
};

class FieldAtFault : public testing::TestWithParam<FieldCase> {};

// An error that concerns one input names its field, so that the window can
// put the user back there; a fault in the sweep names none.
TEST_P(FieldAtFault, IsNamed) {
    const CalcResult r = Calculate(GetParam().texts);
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->field(), GetParam().field) << r.error->detail();
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldAtFault,
    testing::Values(
        FieldCase{"FrequencyNotANumber", Texts("x", "25.4", "34.925", "8.66"),
                  InputField::Frequency},
        FieldCase{"ResonatorDiameterEmpty", Texts("7.07", "", "34.925", "8.66"),
                  InputField::ResonatorDiameter},
        FieldCase{"FirstOfTwoBadFields", Texts("7.07", "25.4", "1,5", "x"),
                  InputField::CoilDiameter},
        FieldCase{"TurnsPerCmTooLarge", Texts("7.07", "25.4", "34.925", std::string(50, '9')),
                  InputField::TurnsPerCm},
        FieldCase{"FrequencyZero", Texts("0", "25.4", "34.925", "8.66"), InputField::Frequency},
        FieldCase{"FrequencyNegative", Texts("-7", "25.4", "34.925", "8.66"),
                  InputField::Frequency},
        FieldCase{"FrequencyTooHighForResonator", Texts("110", "25.4", "34.925", "8.66"),
                  InputField::Frequency},
        FieldCase{"FrequencyNearZero",
                  Texts("0." + std::string(40, '0') + "1", "25.4", "34.925", "8.66"),
                  InputField::Frequency},
        FieldCase{"ResonatorDiameterZero", Texts("7.07", "0", "34.925", "8.66"),
                  InputField::ResonatorDiameter},
        FieldCase{"ResonatorDiameterNegative", Texts("7.07", "-25.4", "34.925", "8.66"),
                  InputField::ResonatorDiameter},
        FieldCase{"CoilDiameterZero", Texts("7.07", "25.4", "0", "8.66"), InputField::CoilDiameter},
        FieldCase{"TurnsPerCmZero", Texts("7.07", "25.4", "34.925", "0"), InputField::TurnsPerCm},
        FieldCase{"TurnsPerCmNegative", Texts("7.07", "25.4", "34.925", "-1"),
                  InputField::TurnsPerCm},
        FieldCase{"SweepReachesZero", Texts("0.5", "25.4", "34.925", "8.66"), std::nullopt},
        FieldCase{"SweepPassesResonatorLimit", Texts("106.2", "25.4", "34.925", "8.66"),
                  std::nullopt}),
    [](const testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

class FrequencyLimit : public testing::TestWithParam<const char*> {};

// The highest frequency a fault names is one the calculation accepts.
TEST_P(FrequencyLimit, NamedInTheDetailWorks) {
    const std::string diameter = GetParam();
    const CalcResult tooHigh = Calculate(
        Texts("340282346638528859811704183484516925440", diameter.c_str(), "34.925", "8.66"));
    ASSERT_TRUE(tooHigh.error);
    const std::string& detail = tooHigh.error->detail();
    const std::size_t at = detail.find("at most ");
    ASSERT_NE(at, std::string::npos) << detail;
    const std::string limit = detail.substr(at + 8, detail.find(" MHz", at) - at - 8);
    const Inputs inputs = ReadInputs(Texts(limit.c_str(), diameter.c_str(), "34.925", "8.66"));
    EXPECT_NO_THROW(CentreDesign(inputs)) << limit;

    // The limit for a whole sweep, where one is named, gives a complete table.
    const std::size_t sweepAt = detail.find("whole sweep the center frequency must be at most ");
    if (sweepAt != std::string::npos) {
        const std::size_t from = detail.find("at most ", sweepAt) + 8;
        const std::string sweepLimit = detail.substr(from, detail.find(" MHz", from) - from);
        const CalcResult whole = Calculate(Texts(sweepLimit, diameter, "34.925", "8.66"));
        EXPECT_FALSE(whole.error) << sweepLimit << ": " << whole.error->detail();
    }
}

INSTANTIATE_TEST_SUITE_P(Diameters, FrequencyLimit,
                         testing::Values("25.4", "20", "0.003365613", "100000000", "1", "7.5",
                                         "0.000001", "123456.789",
                                         // Limits just above and below 1 MHz: the
                                         // sweep needs a center above 0.5 MHz.
                                         "2000", "3000"),
                         testing_names::NameBy([](const char* d) { return std::string(d); }));

TEST(Calculation, LongFieldTextIsCutBetweenCharacters) {
    std::string text = "a";
    for (int i = 0; i < 20; ++i) {
        text += "\xc3\xa9";  // é
    }
    try {
        ReadField(InputField::Frequency, text);
        FAIL() << "accepted";
    } catch (const CalcError& e) {
        const std::string& detail = e.detail();
        ASSERT_NE(detail.find("...\""), std::string::npos) << detail;
        for (std::size_t i = 0; i < detail.size(); ++i) {
            if (static_cast<unsigned char>(detail[i]) == 0xc3) {
                ASSERT_LT(i + 1, detail.size());
                EXPECT_EQ(static_cast<unsigned char>(detail[i + 1]), 0xa9) << detail;
            }
        }
    }
}

TEST(Calculation, NoResultEverPrintsInfOrNan) {
    const char* values[] = {"0.0000001",
                            "100000",
                            "0.000000000000000000000000000000000000001",
                            "340282346638528859811704183484516925440",
                            "106.3976",
                            "1"};
    for (const char* f : values) {
        for (const char* res : values) {
            const CalcResult r = Calculate(Texts(f, res, "34.925", "8.66"));
            if (!r.lists) {
                continue;
            }
            for (const auto& line : r.lists->values) {
                EXPECT_EQ(line.find("inf"), std::string::npos) << line;
                EXPECT_EQ(line.find("nan"), std::string::npos) << line;
            }
            for (const auto& line : r.lists->SweepLines()) {
                EXPECT_EQ(line.find("inf"), std::string::npos) << line;
                EXPECT_EQ(line.find("nan"), std::string::npos) << line;
            }
        }
    }
}

}  // namespace
}  // namespace zephyrod
