// Typed text as the messages quote it and the fields meet a decimal comma.
#include "typed_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "case_name.h"

namespace zephyrod {
namespace {

struct CommaCase {
    const char* typed;
    std::optional<std::string> withPoint;
};

class DecimalComma : public ::testing::TestWithParam<CommaCase> {};

TEST_P(DecimalComma, BecomesAPointOnlyWhereThatMakesANumber) {
    EXPECT_EQ(WithDecimalPoint(GetParam().typed), GetParam().withPoint);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, DecimalComma,
    ::testing::Values(CommaCase{"7,07", "7.07"}, CommaCase{",5", ".5"}, CommaCase{"-0,5", "-0.5"},
                      CommaCase{" 7,07 ", " 7.07 "},       // blanks the reading allows stay
                      CommaCase{"7.07", std::nullopt},     // no comma: nothing to change
                      CommaCase{"1,000.5", std::nullopt},  // a grouping comma beside a point
                      CommaCase{"7,0,7", std::nullopt}, CommaCase{",", std::nullopt},
                      CommaCase{"abc,", std::nullopt}),
    testing_names::NameBy([](const CommaCase& c) { return std::string(c.typed); }));

TEST(Quoted, CutsLongTextBeforeACharacterAndShowsControlsAsReplacements) {
    EXPECT_EQ(Quoted("7\n07"),
              "\"7\xEF\xBF\xBD"
              "07\"");
    std::string cut = "\"";
    cut.append(32, 'x');
    cut += "...\"";
    EXPECT_EQ(Quoted(std::string(40, 'x')), cut);
}

}  // namespace
}  // namespace zephyrod
