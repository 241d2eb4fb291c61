#include "antenna_model.h"

#include <cmath>
#include <string>

#include "calc_error.h"
#include "number_text.h"

namespace zephyrod::Module1 {
namespace {

// a / b with the faults of the calculator's arithmetic: x / 0 is a division
// by zero, 0 / 0 and a result beyond the type's range are an overflow.
template <class T>
T Quotient(T a, T b, const char* zeroDetail, const char* rangeDetail) {
    if (b == 0) {
        Raise(a == 0 ? ErrorNumber::Overflow : ErrorNumber::DivisionByZero, zeroDetail);
    }
    const T q = a / b;
    if (!std::isfinite(q)) {
        Raise(ErrorNumber::Overflow, rangeDetail);
    }
    return q;
}

double Finite(double value, const char* rangeDetail) {
    if (!std::isfinite(value)) {
        Raise(ErrorNumber::Overflow, rangeDetail);
    }
    return value;
}

constexpr const char* kZeroFrequency = "The frequency is 0 MHz; it must be above 0 MHz.";
constexpr const char* kLengthRange =
    "The resonator length for a frequency this close to 0 MHz is beyond the range of numbers.";
constexpr const char* kCounterpoiseRange =
    "The counterpoise length for a frequency this close to 0 MHz is beyond the range of "
    "numbers.";
constexpr const char* kCapacitanceRange =
    "The resonator capacitance is beyond the range of numbers.";
constexpr const char* kInductanceRange = "The required inductance is beyond the range of numbers.";

// What to tell the user when the resonator is too short for its diameter.
std::string FrequencyLimitDetail(const char* what, float diameter) {
    // Shown rounded down, so that every frequency below the shown one works.
    const double limit = std::floor(HighestFrequency(diameter) * 1e4) / 1e4;
    return std::string(what) + " for a resonator diameter of " + NumberText(diameter) +
           " mm: the frequency must stay below " + NumberText(limit) + " MHz.";
}

template <class T>
double Capacitance(T length, float diameter) {
    const T q = Quotient(length, static_cast<T>(diameter),
                         "The resonator diameter is 0 mm; it must be above 0 mm.",
                         "The resonator diameter is too small for this frequency.");
    if (length < 0 || diameter < 0) {
        Raise(ErrorNumber::InvalidArgument,
              "The frequency and the resonator diameter must both be above 0.");
    }
    const double ratio = static_cast<double>(q) * 0.575;
    if (ratio < 1) {
        Raise(ErrorNumber::InvalidArgument,
              FrequencyLimitDetail("The frequency is too high", diameter));
    }
    const double g = Log10(ratio);
    const double p = (static_cast<double>(length) * 19.1) * 0.001;
    if (g == 0) {
        Raise(ErrorNumber::DivisionByZero,
              FrequencyLimitDetail("The frequency is at the limit", diameter));
    }
    return Quotient(p, g, "", kCapacitanceRange);
}

template <class T>
double Inductance(T f, double capacitance) {
    const T q = Quotient(static_cast<T>(159), f, kZeroFrequency, kInductanceRange);
    const double square = Finite(static_cast<double>(q) * static_cast<double>(q), kInductanceRange);
    return Quotient(square, capacitance, "The resonator capacitance is 0 pF.", kInductanceRange);
}

constexpr const char* kTurnsRange =
    "The coil needs more turns than can be counted; use a lower inductance, a wider coil form "
    "or fewer turns per cm.";

}  // namespace

float ResonatorLength(float f) {
    return Quotient(4700.0f, f, kZeroFrequency, kLengthRange);
}
double ResonatorLength(double f) {
    return Quotient(4700.0, f, kZeroFrequency, kLengthRange);
}

float CounterpoiseLength(float f) {
    return Quotient(58.0f, f, kZeroFrequency, kCounterpoiseRange);
}

double ResonatorCapacitance(float length, float diameter) {
    return Capacitance(length, diameter);
}
double ResonatorCapacitance(double length, float diameter) {
    return Capacitance(length, diameter);
}

double RequiredInductance(float f, double capacitance) {
    return Inductance(f, capacitance);
}
double RequiredInductance(double f, double capacitance) {
    return Inductance(f, capacitance);
}

double Log10(double x) {
    const double ln10 = std::log(10.0);
    if (!(x > 0)) {
        Raise(ErrorNumber::InvalidArgument, "The logarithm needs a number above 0.");
    }
    return Quotient(std::log(x), ln10, "", "The logarithm is beyond the range of numbers.");
}

double HighestFrequency(double diameter) {
    return 4700 * 0.575 / diameter;
}

double CoilTurns(double inductance, double coilDiameter, double turnsPerCm) {
    if (!(coilDiameter > 0)) {
        Raise(ErrorNumber::InvalidArgument, "The coil diameter must be above 0 mm.");
    }
    if (turnsPerCm < 0) {
        Raise(ErrorNumber::InvalidArgument, "The coil turns per cm must not be below 0.");
    }
    const double d = Finite(coilDiameter / 25.4, kTurnsRange);
    const double turnsPerInch = Finite(turnsPerCm * 2.54, kTurnsRange);
    const double p = Quotient(1.0, turnsPerInch,
                              "The coil turns per cm are 0; they must be above 0.", kTurnsRange);
    Finite(inductance, kInductanceRange);
    if (!(inductance > 0)) {
        return 0;  // No winding is needed for a requirement that is not positive.
    }

    // L(n) = Lr is the quadratic D²n² - 40PLr·n - 18DLr = 0. Its positive root,
    // in extended precision so that no intermediate overflows, lies within a
    // hair of the crossing point of the half-turn search.
    const long double a = static_cast<long double>(d) * d;
    const long double b = 40.0L * p * inductance;
    const long double c = 18.0L * d * inductance;
    const long double root = (b + std::sqrt(b * b + 4 * a * c)) / (2 * a);
    if (!(root <= kMaxTurns)) {
        Raise(ErrorNumber::Overflow, kTurnsRange);
    }

    // Start a turn below the root and walk to the first half-turn count whose
    // inductance is not below the requirement, as the half-turn search does.
    auto lc = [&](double n) { return n == 0 ? 0.0 : WheelerInductance(n, d, p); };
    double n = std::max(0.0, static_cast<double>(std::floor(root * 2) / 2) - 1.0);
    int steps = 0;
    constexpr int kMaxSteps = 64;
    while (n > 0 && lc(n) >= inductance && ++steps < kMaxSteps) {
        n -= 0.5;
    }
    double upper = lc(n);
    while (upper < inductance && ++steps < kMaxSteps) {
        n += 0.5;
        upper = lc(n);
    }
    if (steps >= kMaxSteps || n > kMaxTurns) {
        Raise(ErrorNumber::Overflow, kTurnsRange);
    }
    const double lower = WheelerInductance(n - 0.5, d, p);
    return std::abs(inductance - upper) < std::abs(inductance - lower) ? n : n - 0.5;
}

}  // namespace zephyrod::Module1
