// What pressing Calculate leaves in the main window: the lists, the selected
// row, the error report's words and where the focus goes.
#include <gtest/gtest.h>

#include <string>

#include "calculate_outcome.h"
#include "default_design.h"

namespace zephyrod::design {
namespace {

InputTexts With(InputField field, std::string text) {
    InputTexts texts = DefaultInputTexts();
    TextOf(texts, field) = std::move(text);
    return texts;
}

TEST(CalculateOutcome, DefaultsFillBothListsAndSelectTheCentreRow) {
    const CalculateOutcome outcome = CalculateInWindow(DefaultInputTexts());
    EXPECT_EQ(outcome.values, testdata::kDefaultResults);
    EXPECT_EQ(outcome.sweep, testdata::kDefaultSweep);
    EXPECT_EQ(outcome.selectIndex, 12);
    EXPECT_FALSE(outcome.error);
    EXPECT_EQ(FocusName(outcome), "");
}

struct ErrorCase {
    const char* name;
    InputTexts texts;
    const char* message;    // the report's first sentence, exactly
    const char* errorLine;  // the line below it
    const char* focus;
    bool listsReplaced;
};

class CalculateError : public testing::TestWithParam<ErrorCase> {};

TEST_P(CalculateError, ReportsWhatToFixAndFocusesTheFieldAtFault) {
    const ErrorCase& c = GetParam();
    const CalculateOutcome outcome = CalculateInWindow(c.texts);
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->title, "Zephyrod Metric Calculator");
    EXPECT_EQ(outcome.error->message.substr(0, std::string(c.message).size()), c.message);
    EXPECT_EQ(outcome.error->errorLine, c.errorLine);
    EXPECT_EQ(outcome.error->Text(), outcome.error->message + "\n\n" + c.errorLine);
    EXPECT_EQ(FocusName(outcome), c.focus);
    EXPECT_FALSE(outcome.selectIndex);
    EXPECT_EQ(outcome.values.has_value(), c.listsReplaced);
    EXPECT_EQ(outcome.sweep.has_value(), c.listsReplaced);
    EXPECT_EQ(outcome.error->message.find("centre"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CalculateError,
    testing::Values(
        ErrorCase{"CommaDecimal", With(InputField::Frequency, "7,07"),
                  "Center Frequency \"7,07\" has a comma: use a point for decimals, as in 7.07.",
                  "Run-time error 13: Type mismatch", "txtFreq", false},
        ErrorCase{"Empty", With(InputField::TurnsPerCm, ""),
                  "Coil Turns Per cm is empty: type a number, such as 8.66.",
                  "Run-time error 13: Type mismatch", "txtTPI", false},
        ErrorCase{"NotANumber", With(InputField::CoilDiameter, "abc"),
                  "Coil Diameter \"abc\" is not a number", "Run-time error 13: Type mismatch",
                  "txtCoilDia", false},
        ErrorCase{"TooLarge", With(InputField::ResonatorDiameter, std::string(40, '9')),
                  "Resonator Diameter \"99999999999999999999999999999999...\" is too large a "
                  "number for the calculator: type a smaller one, such as 25.4.",
                  "Run-time error 6: Overflow", "txtResDia", false},
        ErrorCase{"ZeroFrequency", With(InputField::Frequency, "0"),
                  "The frequency is 0 MHz; it must be above 0 MHz.",
                  "Run-time error 11: Division by zero", "txtFreq", false},
        ErrorCase{"NegativeResonatorDiameter", With(InputField::ResonatorDiameter, "-1"),
                  "The resonator diameter must be above 0 mm.",
                  "Run-time error 5: Invalid procedure call or argument", "txtResDia", false},
        ErrorCase{"FrequencyTooHighForResonator", With(InputField::Frequency, "110"),
                  "The frequency is too high for a resonator diameter of 25.4 mm: the frequency "
                  "must be at most 106.3976 MHz.",
                  "Run-time error 5: Invalid procedure call or argument", "txtFreq", false},
        ErrorCase{"ZeroCoilDiameter", With(InputField::CoilDiameter, "0"),
                  "The coil diameter must be above 0 mm.",
                  "Run-time error 5: Invalid procedure call or argument", "txtCoilDia", false},
        ErrorCase{"ZeroTurnsPerCm", With(InputField::TurnsPerCm, "0"),
                  "The coil turns per cm are 0; they must be above 0.",
                  "Run-time error 11: Division by zero", "txtTPI", false},
        ErrorCase{"SweepReachesZero", With(InputField::Frequency, "0.5"),
                  "In the sweep at 0.00 MHz: The frequency is 0 MHz; it must be above 0 MHz. The "
                  "sweep starts 0.5 MHz below the center frequency, so the center frequency must "
                  "be above 0.5 MHz.",
                  "Run-time error 11: Division by zero", "cmdGo", true},
        ErrorCase{"SweepPassesTheLimit", With(InputField::Frequency, "106.2"),
                  "In the sweep at 106.40 MHz: The frequency is too high for a resonator "
                  "diameter of 25.4 mm: the frequency must be at most 106.3976 MHz. The sweep "
                  "runs to 0.5 MHz above the center frequency, so the center frequency must "
                  "stay 0.5 MHz below that.",
                  "Run-time error 5: Invalid procedure call or argument", "cmdGo", true}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zephyrod::design
