// The Zephyrod formulas.
//
// Precision follows one rule: a quotient of two single-precision numbers (or
// of a small integer constant and a single) is rounded to single precision,
// every other operation is double. So at the centre frequency, which the user
// typed as a single, the float overloads apply; in the sweep, whose counter
// is a double, the double overloads apply.
//
// Every fault throws CalcError: division by zero (11), an invalid argument
// (5), a result beyond the range of numbers (6).
#pragma once

#include <cstdint>
#include <limits>

namespace zephyrod::Module1 {

// The resonator length formula itself, 4700 / f (mm, f in MHz), in f's
// precision and without the fault checks of ResonatorLength: for the
// frequency limits, which must cut exactly where the formulas do.
template <class T>
constexpr T ResonatorLengthOf(T f) {
    return static_cast<T>(4700) / f;
}

// What the capacitance takes the logarithm of: length / diameter × 0.575.
// A resonator is long enough for its diameter only while this is above 1.
constexpr double SlendernessOf(double lengthOverDiameter) {
    return lengthOverDiameter * 0.575;
}

// Resonator length in mm: ResonatorLengthOf, checked.
float ResonatorLength(float f);
double ResonatorLength(double f);

// Counterpoise length in m: 58 / f.
float CounterpoiseLength(float f);

// Resonator capacitance in pF from its length and diameter (mm):
// (length × 19.1 × 0.001) / Log10(SlendernessOf(length / diameter)).
// Fails unless the slenderness is above 1, roughly unless
// f < 2702.5 / diameter.
double ResonatorCapacitance(float length, float diameter);
double ResonatorCapacitance(double length, float diameter);

// Inductance in µH that resonates `capacitance` (pF) at f: (159 / f)² / C.
double RequiredInductance(float f, double capacitance);
double RequiredInductance(double f, double capacitance);

// Base-10 logarithm: ln(x) / ln(10).
double Log10(double x);

// Turns, to the nearest half turn, of a close-wound single-layer coil with
// the given inductance (µH), form diameter (mm) and winding density
// (turns/cm), after Wheeler's formula L(n) = D²n² / (18D + 40nP) in inches.
// Returns the same count as stepping n = 0.5, 1, 1.5, ... until L(n) is no
// longer below the requirement and then taking whichever of n and n - 0.5
// lies closer (the lower on a tie), but in constant time.
double CoilTurns(double inductance, double coilDiameter, double turnsPerCm);

// The same, with the root of Wheeler's quadratic taken in `Real`: the count
// must not depend on how precise that root is.
template <class Real>
double CoilTurnsFromRoot(double inductance, double coilDiameter, double turnsPerCm);

// Wheeler's inductance in µH of n turns on a form of D inches at P inches a turn.
inline double WheelerInductance(double n, double d, double p) {
    return (d * d * (n * n)) / (18 * d + (40 * n) * p);
}

// The largest turn count that half turns still count exactly: 2^51. With a
// double's 53 significant bits every multiple of a half below 2^52 is a
// double; the limit stays a factor of two below that, so that the half-turn
// steps taken around a count at the limit are exact too.
inline constexpr double kMaxTurns =
    static_cast<double>(std::uint64_t{1} << (std::numeric_limits<double>::digits - 2));

}  // namespace zephyrod::Module1
