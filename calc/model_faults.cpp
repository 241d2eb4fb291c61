#include "model_faults.h"

#include <string>

#include "antenna_model.h"
#include "frequency_limits.h"
#include "number_text.h"
#include "sweep_words.h"

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
            detail += " " + SweepRunsAbove("it") +
                      ", so for the whole sweep the center frequency must be at most " + sweep +
                      " MHz.";
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
