// The formulas at the worked example, their precision, and every fault.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "antenna_model.h"
#include "calc_error.h"

namespace zephyrod::Module1 {
namespace {

TEST(AntennaModel, DefaultDesignValues) {
    const float f = 7.07f;
    const float len = ResonatorLength(f);
    EXPECT_EQ(len, 664.78076171875f);
    EXPECT_FLOAT_EQ(CounterpoiseLength(f), 8.2036772f);
    const double c = ResonatorCapacitance(len, 25.4f);
    EXPECT_NEAR(c, 10.783165, 5e-7);
    const double l = RequiredInductance(f, c);
    EXPECT_NEAR(l, 46.903921, 5e-7);
    EXPECT_EQ(CoilTurns(l, 34.925, 8.66f), 56.0);
}

TEST(AntennaModel, SweepCounterIsDoublePrecision) {
    const double f = 7.07f;  // 7.070000171661377 as the sweep counter holds it
    EXPECT_NEAR(ResonatorLength(f), 664.78074765, 5e-9);
    EXPECT_NE(ResonatorLength(f), static_cast<double>(ResonatorLength(7.07f)));
}

TEST(AntennaModel, DefaultTurnsLieCloserBelowTheCrossing) {
    // 56.5 turns are the first not below the requirement; 56 lie closer.
    const double d = 34.925f / 25.4;
    const double p = 1 / (8.66f * 2.54);
    EXPECT_NEAR(WheelerInductance(56.5, d, p), 47.338, 5e-4);
    EXPECT_NEAR(WheelerInductance(56.0, d, p), 46.838, 5e-4);
}

struct FaultCase {
    const char* name;
    std::function<void()> call;
    int code;
    const char* detailPart;
};

class ModelFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(ModelFaults, RaiseTheirError) {
    const FaultCase& c = GetParam();
    try {
        c.call();
        ADD_FAILURE() << c.name << ": no error";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.code(), c.code) << c.name << ": " << e.detail();
        EXPECT_NE(e.detail().find(c.detailPart), std::string::npos) << c.name << ": " << e.detail();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ModelFaults,
    testing::Values(
        FaultCase{"ZeroFrequency", [] { ResonatorLength(0.0f); }, 11, "above 0 MHz"},
        FaultCase{"ZeroSweepFrequency", [] { ResonatorLength(0.0); }, 11, "above 0 MHz"},
        FaultCase{"ZeroFrequencyCounterpoise", [] { CounterpoiseLength(0.0f); }, 11, "0 MHz"},
        FaultCase{"TinyFrequency", [] { ResonatorLength(1e-40f); }, 6, "range"},
        FaultCase{"ZeroResonatorDiameter", [] { ResonatorCapacitance(664.78f, 0.0f); }, 11,
                  "resonator diameter is 0 mm"},
        FaultCase{"NegativeFrequency", [] { ResonatorCapacitance(-664.78f, 25.4f); }, 5, "above 0"},
        FaultCase{"NegativeResonatorDiameter", [] { ResonatorCapacitance(664.78f, -25.4f); }, 5,
                  "above 0"},
        FaultCase{"BothNegative", [] { ResonatorCapacitance(-664.78f, -25.4f); }, 5, "above 0"},
        // 4700 / 110 MHz is shorter than 1/0.575 of a 25.4 mm diameter.
        FaultCase{"ResonatorTooShort", [] { ResonatorCapacitance(4700.0f / 110.0f, 25.4f); }, 5,
                  "at most 106.3976 MHz"},
        FaultCase{"ResonatorTooShortInSweep", [] { ResonatorCapacitance(4700.0 / 110.0, 25.4f); },
                  5, "at most 106.3976 MHz"},
        // Length / diameter × 0.575 is exactly 1: the logarithm is 0.
        FaultCase{"RatioExactlyOne", [] { ResonatorCapacitance(1.7391304347826089, 1.0f); }, 11,
                  "at the limit"},
        FaultCase{"LogOfZero", [] { Log10(0); }, 5, "above 0"},
        FaultCase{"LogOfNegative", [] { Log10(-1); }, 5, "above 0"},
        FaultCase{"ZeroCapacitance", [] { RequiredInductance(7.07f, 0.0); }, 11, "0 pF"},
        FaultCase{"ZeroCoilDiameter", [] { CoilTurns(46.9, 0.0, 8.66); }, 5, "coil diameter"},
        FaultCase{"NegativeCoilDiameter", [] { CoilTurns(46.9, -34.925, 8.66); }, 5,
                  "coil diameter"},
        FaultCase{"ZeroTurnsPerCm", [] { CoilTurns(46.9, 34.925, 0.0); }, 11, "turns per cm"},
        // Forming the pitch comes before the search looks at the diameter.
        FaultCase{"ZeroCoilDiameterAndTurnsPerCm", [] { CoilTurns(46.9, 0.0, 0.0); }, 11,
                  "turns per cm"},
        FaultCase{"NegativeTurnsPerCm", [] { CoilTurns(46.9, 34.925, -8.66); }, 5, "turns per cm"},
        FaultCase{"TurnsBeyondExactCount", [] { CoilTurns(1e30, 34.925, 8.66); }, 6, "turns"},
        FaultCase{"InfiniteInductance", [] { CoilTurns(INFINITY, 34.925, 8.66); }, 6, "range"}),
    [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(AntennaModel, RatioJustAboveOneStillDesigns) {
    EXPECT_GT(ResonatorCapacitance(1.7391304347826091, 1.0f), 0);
}

TEST(AntennaModel, NonPositiveRequirementNeedsNoTurns) {
    EXPECT_EQ(CoilTurns(0, 34.925, 8.66), 0);
    EXPECT_EQ(CoilTurns(-5, 34.925, 8.66), 0);
}

}  // namespace
}  // namespace zephyrod::Module1
