// The texts do not follow the C library's locale: a comma-decimal locale
// changes nothing.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "calculation.h"
#include "number_text.h"

namespace zephyrod {
namespace {

class CommaDecimalLocale : public testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::setlocale(LC_ALL, nullptr);
        if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
            GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
        }
    }
    void TearDown() override { std::setlocale(LC_ALL, previous_.c_str()); }

  private:
    std::string previous_;
};

TEST_F(CommaDecimalLocale, TextsKeepThePoint) {
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    const CalcResult r = Calculate(DefaultInputTexts());
    ASSERT_FALSE(r.error);
    ASSERT_TRUE(r.lists);
    EXPECT_EQ(r.lists->values[0], "Resonator Length = 664.78 mm");
    EXPECT_EQ(r.lists->values[5], "Coil Length = 65 mm");
    const std::vector<std::string> sweep = r.lists->SweepLines();
    EXPECT_EQ(sweep[12], "7.07      664.78mm     56.0       0.00mm   0.0 T");
    EXPECT_EQ(sweep[2], "6.57      715.37mm     61.0       50.59mm   5.0 T");
    EXPECT_EQ(FormatPattern(1234.5, "#.00"), "1234.50");
    EXPECT_EQ(NumberText(34.925f), "34.925");
    EXPECT_EQ(ParseSingle("7.07"), 7.07f);
    EXPECT_THROW(ParseSingle("7,07"), CalcError);
}

}  // namespace
}  // namespace zephyrod
