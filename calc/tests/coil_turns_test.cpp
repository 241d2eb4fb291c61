// The turn count against a literal half-turn search.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "antenna_model.h"
#include "calc_error.h"
#include "case_name.h"
#include "number_text.h"

namespace zephyrod::Module1 {
namespace {

// The half-turn search, step by step from zero turns.
double HalfTurnSearch(double inductance, double coilDiameter, double turnsPerCm) {
    const double d = coilDiameter / 25.4;
    const double p = 1 / (turnsPerCm * 2.54);
    double n = 0;
    double lc = 0;
    while (lc < inductance) {
        n = n + 0.5;
        lc = WheelerInductance(n, d, p);
    }
    const double lower = WheelerInductance(n - 0.5, d, p);
    return std::abs(inductance - lc) < std::abs(inductance - lower) ? n : n - 0.5;
}

#ifdef ZEPHYROD_SANITIZED
constexpr int kRandomCases = 20000;
#else
constexpr int kRandomCases = 100000;
#endif

TEST(CoilTurns, MatchesHalfTurnSearchOnRandomCoils) {
    // Inductance spread evenly over its seven decades; form and wire evenly over their ranges.
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> decades(-3.0, 4.0);
    std::uniform_real_distribution<double> diameter(1.0, 100.0);
    std::uniform_real_distribution<double> density(0.5, 40.0);
    int differences = 0;
    for (int i = 0; i < kRandomCases; ++i) {
        const double l = std::pow(10.0, decades(random));
        const double dia = diameter(random);
        const double tpcm = density(random);
        const double expected = HalfTurnSearch(l, dia, tpcm);
        const double actual = CoilTurns(l, dia, tpcm);
        if (actual != expected && ++differences <= 5) {
            ADD_FAILURE() << "L=" << l << " dia=" << dia << " tpcm=" << tpcm << ": search "
                          << expected << ", CoilTurns " << actual;
        }
    }
    EXPECT_EQ(differences, 0);
}

struct Coil {
    double inductance;
    double coilDiameter;
    double turnsPerCm;
};

class CoilTurnsCases : public testing::TestWithParam<Coil> {};

TEST_P(CoilTurnsCases, MatchHalfTurnSearch) {
    const Coil& c = GetParam();
    EXPECT_EQ(CoilTurns(c.inductance, c.coilDiameter, c.turnsPerCm),
              HalfTurnSearch(c.inductance, c.coilDiameter, c.turnsPerCm));
}

INSTANTIATE_TEST_SUITE_P(Corners, CoilTurnsCases,
                         testing::Values(Coil{46.90392112, 34.925f, 8.66f}, Coil{19.40, 30, 10},
                                         Coil{109.39, 40, 6}, Coil{0.001, 1, 0.5},
                                         Coil{0.001, 100, 40}, Coil{0.001, 1, 40},
                                         Coil{0.001, 100, 0.5}, Coil{10000, 100, 0.5},
                                         Coil{10000, 1, 0.5}, Coil{10000, 100, 40},
                                         Coil{10000, 1, 40}, Coil{1e-9, 34.925, 8.66},
                                         Coil{1311.2, 34.925, 8.66}),
                         testing_names::NameBy([](const Coil& c) {
                             return NumberText(c.inductance) + "uH " + NumberText(c.coilDiameter) +
                                    "mm " + NumberText(c.turnsPerCm) + "tpcm";
                         }));

TEST(CoilTurns, TieGoesToTheLowerCount) {
    // A requirement exactly midway between the inductances of n - 0.5 and n turns.
    std::mt19937_64 random(73);
    std::uniform_real_distribution<double> diameter(5.0, 60.0);
    std::uniform_real_distribution<double> density(2.0, 20.0);
    int ties = 0;
    for (int i = 0; i < 20000 && ties < 20; ++i) {
        const double dia = diameter(random);
        const double tpcm = density(random);
        const double d = dia / 25.4;
        const double p = 1 / (tpcm * 2.54);
        const double n = 10 + 0.5 * (i % 100);
        const double upper = WheelerInductance(n, d, p);
        const double lower = WheelerInductance(n - 0.5, d, p);
        const double mid = (upper + lower) / 2;
        if (mid - lower != upper - mid || !(lower < mid)) {
            continue;
        }
        ++ties;
        EXPECT_EQ(CoilTurns(mid, dia, tpcm), n - 0.5);
        EXPECT_EQ(HalfTurnSearch(mid, dia, tpcm), n - 0.5);
    }
    EXPECT_GE(ties, 5);
}

// The half-turn search from a count far enough below the crossing that every
// count before it lies below the requirement: the search's result, for
// counts too large to step through from zero.
double SearchFrom(double start, double inductance, double coilDiameter, double turnsPerCm) {
    const double d = coilDiameter / 25.4;
    const double p = 1 / (turnsPerCm * 2.54);
    double n = start;
    double lc = WheelerInductance(n, d, p);
    EXPECT_LT(lc, inductance) << "start not below the crossing";
    while (lc < inductance) {
        n = n + 0.5;
        lc = WheelerInductance(n, d, p);
    }
    const double lower = WheelerInductance(n - 0.5, d, p);
    return std::abs(inductance - lc) < std::abs(inductance - lower) ? n : n - 0.5;
}

TEST(CoilTurns, MatchesSearchForHugeCountsWhateverTheRootPrecision) {
    // Up to 2^51 turns, where L(n) computed in doubles no longer rises with
    // every half turn.
    std::mt19937_64 random(51);
    std::uniform_real_distribution<double> exponent(6.0, 15.3);
    std::uniform_real_distribution<double> diameter(0.5, 100.0);
    std::uniform_real_distribution<double> density(0.1, 40.0);
    for (int i = 0; i < 3000; ++i) {
        const double dia = static_cast<float>(diameter(random));
        const double tpcm = static_cast<float>(density(random));
        const double d = dia / 25.4;
        const double p = 1 / (tpcm * 2.54);
        // A requirement near the inductance of a chosen count, a little off it.
        const double target = std::floor(std::pow(10.0, exponent(random)) * 2) / 2;
        const double l = WheelerInductance(target + 0.25 * (i % 3), d, p);
        const double start = std::max(0.0, target - 200);
        const double expected = SearchFrom(start, l, dia, tpcm);
        ASSERT_EQ(CoilTurnsFromRoot<long double>(l, dia, tpcm), expected) << l << " " << dia;
        ASSERT_EQ(CoilTurnsFromRoot<double>(l, dia, tpcm), expected) << l << " " << dia;
    }
    // A case where a root taken in doubles starts above the first crossing.
    const double l = 828861612086.0625;
    const double dia = 3.38877892f;
    const double tpcm = 0.326812416f;
    EXPECT_EQ(CoilTurnsFromRoot<double>(l, dia, tpcm), 2243833931091281.0);
    EXPECT_EQ(CoilTurns(l, dia, tpcm), 2243833931091281.0);
}

TEST(CoilTurns, CountsUpToTwoToTheFiftyFirst) {
    const double d = 34.925 / 25.4;
    const double p = 1 / (8.66 * 2.54);
    EXPECT_EQ(CoilTurns(WheelerInductance(kMaxTurns, d, p), 34.925, 8.66), kMaxTurns);
    EXPECT_THROW(CoilTurns(WheelerInductance(kMaxTurns + 4, d, p), 34.925, 8.66), CalcError);
}

// The fault, or its absence, of a root taken in doubles and in long doubles.
template <class Real>
std::string RootOutcome(double inductance, double coilDiameter, double turnsPerCm) {
    try {
        return NumberText(CoilTurnsFromRoot<Real>(inductance, coilDiameter, turnsPerCm));
    } catch (const CalcError& error) {
        return error.what();
    }
}

TEST(CoilTurns, SameFaultWhereTheQuadraticOverflowsADouble) {
    struct Case {
        double inductance, coilDiameter, turnsPerCm;
    };
    for (const Case& c : {
             Case{1e300, 34.925, 8.66},                   // b² overflows
             Case{1.7976931348623157e308, 34.925, 8.66},  // b overflows
             Case{1e270, 34.925, 1e-45},                  // b overflows through the pitch
             Case{1e10, 1e-45, 8.66},                     // a form far too thin: a near zero
             Case{1e300, 3.4e38, 3.4e38},                 // 4ac overflows
         }) {
        SCOPED_TRACE(NumberText(c.inductance));
        EXPECT_EQ(RootOutcome<double>(c.inductance, c.coilDiameter, c.turnsPerCm),
                  RootOutcome<long double>(c.inductance, c.coilDiameter, c.turnsPerCm));
    }
}

TEST(CoilTurns, StaysFastNearZeroFrequency) {
    // About 10^10 half-turn steps for the search; one quadratic here.
    const double turns = CoilTurns(1.5e13, 34.925, 8.66);
    EXPECT_GT(turns, 1e8);
    EXPECT_EQ(std::fmod(turns * 2, 1.0), 0.0);
}

}  // namespace
}  // namespace zephyrod::Module1
