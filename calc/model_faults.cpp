#include "model_faults.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>

#include "antenna_model.h"
#include "number_text.h"
#include "sweep_layout.h"

namespace zephyrod::model_faults {
namespace {

struct FaultText {
    ErrorNumber number;
    std::string detail;
    std::optional<InputField> field;
};

std::string TurnsBeyondCountingDetail() {
    return "The coil needs more turns than can be counted (at most " +
           IntegerText(static_cast<long long>(Module1::kMaxTurns)) +
           "): raise the frequency, use a wider coil form or more turns per cm.";
}

FaultText TextOf(Fault fault) {
    using enum ErrorNumber;
    constexpr auto kFrequency = InputField::Frequency;
    constexpr auto kResonator = InputField::ResonatorDiameter;
    switch (fault) {
        case Fault::ZeroFrequency:
            return {DivisionByZero, "The frequency is 0 MHz; it must be above 0 MHz.", kFrequency};
        case Fault::FrequencyNearZero:
            return {Overflow,
                    "The frequency is too close to 0 MHz: the resonator length would be beyond "
                    "the range of numbers. The frequency must be at least "
                    "0.0000000000000000000000000000000000139 MHz.",
                    kFrequency};
        case Fault::CounterpoiseRange:
            return {Overflow,
                    "The frequency is too close to 0 MHz: the counterpoise length would be "
                    "beyond the range of numbers.",
                    kFrequency};
        case Fault::NegativeFrequency:
            return {InvalidArgument, "The frequency must be above 0 MHz.", kFrequency};
        case Fault::NegativeResonatorDiameter:
            return {InvalidArgument, "The resonator diameter must be above 0 mm.", kResonator};
        case Fault::ZeroResonatorDiameter:
            return {DivisionByZero, "The resonator diameter is 0 mm; it must be above 0 mm.",
                    kResonator};
        case Fault::ResonatorDiameterTooSmall:
            return {Overflow, "The resonator diameter is too small for this frequency.",
                    kResonator};
        case Fault::CapacitanceRange:
            return {Overflow,
                    "The resonator capacitance is beyond the range of numbers: the frequency "
                    "is too close to the highest one this resonator diameter allows.",
                    kFrequency};
        case Fault::ZeroCapacitance:
            return {DivisionByZero, "The resonator capacitance is 0 pF.", kFrequency};
        case Fault::InductanceRange:
            return {Overflow,
                    "The frequency is too close to 0 MHz: the required inductance would be "
                    "beyond the range of numbers.",
                    kFrequency};
        case Fault::LogarithmDomain:
            return {InvalidArgument, "The logarithm needs a number above 0.", std::nullopt};
        case Fault::LogarithmRange:
            return {Overflow, "The logarithm is beyond the range of numbers.", std::nullopt};
        case Fault::ZeroTurnsPerCm:
            return {DivisionByZero, "The coil turns per cm are 0; they must be above 0.",
                    InputField::TurnsPerCm};
        case Fault::NegativeTurnsPerCm:
            return {InvalidArgument, "The coil turns per cm must be above 0.",
                    InputField::TurnsPerCm};
        case Fault::CoilDiameterNotPositive:
            return {InvalidArgument, "The coil diameter must be above 0 mm.",
                    InputField::CoilDiameter};
        case Fault::TurnsBeyondCounting:
            break;
    }
    return {Overflow, TurnsBeyondCountingDetail(), std::nullopt};
}

// Whether a resonator cut for frequency f is long enough for its diameter:
// length / diameter × 0.575 above 1, computed as the formulas compute it.
template <class T>
bool LongEnough(T f, float diameter) {
    const T length = Module1::ResonatorLengthOf(f);
    return Module1::SlendernessOf(static_cast<double>(length / static_cast<T>(diameter))) > 1;
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

// The highest center frequency, as text, whose whole sweep (up to
// kSweepHalfSpan above it) still gives a long-enough resonator; empty if
// none does.
std::string SweepLimit(float diameter) {
    const double highest = HighestUsable<double>(diameter);
    // A hair of room for the sweep's repeated additions of its step.
    constexpr double kRoom = 1e-9;
    // A sweep also needs a center frequency above kSweepHalfSpan: it must
    // not reach 0 MHz.
    if (highest - kSweepHalfSpan - kRoom <= kSweepHalfSpan) {
        return {};
    }
    std::string text = RoundedDown(highest - kSweepHalfSpan - kRoom);
    float centre = ParseSingle(text);
    while (centre > 0 &&
           !LongEnough(static_cast<double>(centre) + kSweepHalfSpan + kRoom, diameter)) {
        centre = std::nextafter(centre, 0.0f);
        text = RoundedDownAs<float>(centre);
        centre = ParseSingle(text);
    }
    return centre > static_cast<float>(kSweepHalfSpan) ? text : std::string();
}

template <class T>
std::string FrequencyLimitDetail(const char* what, float diameter) {
    const T highest = HighestUsable<T>(diameter);
    std::string detail =
        std::string(what) + " for a resonator diameter of " + NumberText(diameter) + " mm: ";
    if (highest == 0) {
        return detail + "no frequency gives a resonator long enough for it.";
    }
    detail += "the frequency must be at most " + RoundedDown(highest) + " MHz.";
    if constexpr (sizeof(T) == sizeof(float)) {
        // The center frequency: its sweep runs kSweepHalfSpan higher.
        if (const std::string sweep = SweepLimit(diameter); !sweep.empty()) {
            detail += " The sweep runs to " + NumberText(kSweepHalfSpan) +
                      " MHz above it, so for the whole sweep the center frequency must be at "
                      "most " +
                      sweep + " MHz.";
        }
    }
    return detail;
}

}  // namespace

void Raise(Fault fault, std::optional<ErrorNumber> number) {
    const FaultText text = TextOf(fault);
    throw CalcError(number.value_or(text.number), text.detail, text.field);
}

void RaiseFrequencyTooHigh(float diameter, bool atLimit, bool single) {
    const char* what = atLimit ? "The frequency is at the limit" : "The frequency is too high";
    std::string detail = single ? FrequencyLimitDetail<float>(what, diameter)
                                : FrequencyLimitDetail<double>(what, diameter);
    throw CalcError(atLimit ? ErrorNumber::DivisionByZero : ErrorNumber::InvalidArgument,
                    std::move(detail), InputField::Frequency);
}

}  // namespace zephyrod::model_faults
