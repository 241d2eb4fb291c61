#include "antenna_model.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>

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
    "The resonator length for a frequency this close to 0 MHz is beyond the range of numbers; "
    "the frequency must be at least 0.0000000000000000000000000000000000139 MHz.";
constexpr const char* kCounterpoiseRange =
    "The counterpoise length for a frequency this close to 0 MHz is beyond the range of "
    "numbers.";
constexpr const char* kCapacitanceRange =
    "The resonator capacitance is beyond the range of numbers.";
constexpr const char* kInductanceRange = "The required inductance is beyond the range of numbers.";

// Whether a resonator cut for frequency f is long enough for its diameter:
// length / diameter × 0.575 above 1, computed as the model computes it.
template <class T>
bool LongEnough(T f, float diameter) {
    const T length = static_cast<T>(4700) / f;
    return static_cast<double>(length / static_cast<T>(diameter)) * 0.575 > 1;
}

// The highest frequency of type T that still gives a long-enough resonator
// (the ratio falls as the frequency rises), or 0 if none does.
template <class T>
T HighestUsable(float diameter) {
    using Bits = std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>;
    Bits low = 1;  // the smallest positive number
    Bits high = std::bit_cast<Bits>(std::numeric_limits<T>::max());
    if (!LongEnough(std::bit_cast<T>(low), diameter)) {
        return 0;
    }
    if (LongEnough(std::bit_cast<T>(high), diameter)) {
        return std::bit_cast<T>(high);
    }
    while (high - low > 1) {
        const Bits middle = low + (high - low) / 2;
        (LongEnough(std::bit_cast<T>(middle), diameter) ? low : high) = middle;
    }
    return std::bit_cast<T>(low);
}

// A frequency as text to seven significant digits, rounded down so that the
// number shown still works.
template <class Digits>
std::string RoundedDownAs(double value) {
    auto digits = static_cast<Digits>(value);
    std::string text = NumberText(digits);
    while (digits > 0 && ParseDouble(text) > value) {
        digits = std::nextafter(digits, Digits{0});
        text = NumberText(digits);
    }
    return text;
}

std::string RoundedDown(double value) {
    return value <= std::numeric_limits<float>::max() ? RoundedDownAs<float>(value)
                                                      : RoundedDownAs<double>(value);
}

// What to tell the user when the resonator is too short for its diameter.
template <class T>
std::string FrequencyLimitDetail(const char* what, float diameter) {
    const T highest = HighestUsable<T>(diameter);
    std::string detail =
        std::string(what) + " for a resonator diameter of " + NumberText(diameter) + " mm: ";
    if (highest == 0) {
        return detail + "no frequency gives a resonator long enough for it.";
    }
    return detail + "the frequency must be at most " + RoundedDown(highest) + " MHz.";
}

template <class T>
double Capacitance(T length, float diameter) {
    if (diameter < 0) {
        Raise(ErrorNumber::InvalidArgument, "The resonator diameter must be above 0 mm.");
    }
    if (diameter != 0 && length < 0) {
        Raise(ErrorNumber::InvalidArgument, "The frequency must be above 0 MHz.");
    }
    const T q = Quotient(length, static_cast<T>(diameter),
                         "The resonator diameter is 0 mm; it must be above 0 mm.",
                         "The resonator diameter is too small for this frequency.");
    const double ratio = static_cast<double>(q) * 0.575;
    if (ratio < 1) {
        Raise(ErrorNumber::InvalidArgument,
              FrequencyLimitDetail<T>("The frequency is too high", diameter));
    }
    const double g = Log10(ratio);
    const double p = (static_cast<double>(length) * 19.1) * 0.001;
    if (g == 0) {
        Raise(ErrorNumber::DivisionByZero,
              FrequencyLimitDetail<T>("The frequency is at the limit", diameter));
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
    "The coil needs more turns than can be counted (at most 2251799813685248): raise the "
    "frequency, use a wider coil form or more turns per cm.";

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

double CoilTurns(double inductance, double coilDiameter, double turnsPerCm) {
    return CoilTurnsFromRoot<long double>(inductance, coilDiameter, turnsPerCm);
}

template <class Real>
double CoilTurnsFromRoot(double inductance, double coilDiameter, double turnsPerCm) {
    const double d = Finite(coilDiameter / 25.4, kTurnsRange);
    const double turnsPerInch = Finite(turnsPerCm * 2.54, kTurnsRange);
    const double p = Quotient(1.0, turnsPerInch,
                              "The coil turns per cm are 0; they must be above 0.", kTurnsRange);
    if (!(coilDiameter > 0)) {
        Raise(ErrorNumber::InvalidArgument, "The coil diameter must be above 0 mm.");
    }
    if (turnsPerCm < 0) {
        Raise(ErrorNumber::InvalidArgument, "The coil turns per cm must not be below 0.");
    }
    Finite(inductance, kInductanceRange);
    if (!(inductance > 0)) {
        return 0;  // No winding is needed for a requirement that is not positive.
    }

    // L(n) = Lr is the quadratic D²n² - 40PLr·n - 18DLr = 0, whose positive
    // root lies within a few half turns of where the half-turn search stops.
    const Real a = static_cast<Real>(d) * d;
    const Real b = Real{40} * p * inductance;
    const Real c = Real{18} * d * inductance;
    const Real root = (b + std::sqrt(b * b + 4 * a * c)) / (2 * a);
    if (!(root <= static_cast<Real>(kMaxTurns) + 8)) {
        Raise(ErrorNumber::Overflow, kTurnsRange);
    }

    // Where the turn counts grow so large that the computed L(n) no longer
    // rises with every half turn, the search's first crossing can lie a half
    // turn or two before a later one. So: step down from the root until L(n)
    // is below the requirement, a margin further, then step up to the first
    // count whose L(n) is not below it, as the search from zero does.
    auto lc = [&](double n) { return n == 0 ? 0.0 : WheelerInductance(n, d, p); };
    constexpr double kMargin = 4;  // half turns
    constexpr int kMaxSteps = 256;
    int steps = 0;
    double n = std::max(0.0, std::floor(static_cast<double>(root) * 2) / 2 - kMargin / 2);
    while (n > 0 && lc(n) >= inductance && ++steps < kMaxSteps) {
        n -= 0.5;
    }
    n = std::max(0.0, n - kMargin / 2);
    double upper = lc(n);
    while (upper < inductance && ++steps < kMaxSteps) {
        n += 0.5;
        upper = lc(n);
    }
    if (steps >= kMaxSteps) {
        Raise(ErrorNumber::Overflow, kTurnsRange);
    }
    const double lower = WheelerInductance(n - 0.5, d, p);
    const double turns = std::abs(inductance - upper) < std::abs(inductance - lower) ? n : n - 0.5;
    if (turns > kMaxTurns) {
        Raise(ErrorNumber::Overflow, kTurnsRange);
    }
    return turns;
}

template double CoilTurnsFromRoot<double>(double, double, double);
template double CoilTurnsFromRoot<long double>(double, double, double);

}  // namespace zephyrod::Module1
