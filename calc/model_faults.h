// What the formulas report when they cannot give a number: each fault with
// its error number, the sentence that tells the user what to fix, and the
// input field at fault where it concerns one field alone.
#pragma once

#include <optional>

#include "calc_error.h"

namespace zephyrod::model_faults {

enum class Fault {
    ZeroFrequency,      // a quotient by a frequency of 0
    FrequencyNearZero,  // the resonator length beyond the range of numbers
    CounterpoiseRange,  // the counterpoise length beyond the range of numbers
    NegativeFrequency,  // a negative resonator length
    NegativeResonatorDiameter,
    ZeroResonatorDiameter,
    ResonatorDiameterTooSmall,  // length / diameter beyond the range of numbers
    CapacitanceRange,
    ZeroCapacitance,
    InductanceRange,
    LogarithmDomain,
    LogarithmRange,
    ZeroTurnsPerCm,
    NegativeTurnsPerCm,
    CoilDiameterNotPositive,
    TurnsBeyondCounting,
};

// Throws the fault's CalcError; `number` replaces its usual error number
// (a quotient 0 / 0 is an overflow, not a division by zero).
[[noreturn]] void Raise(Fault fault, std::optional<ErrorNumber> number = std::nullopt);

// A resonator cut for the frequency is too short for its diameter: length /
// diameter × 0.575 is below 1 (`atLimit` false) or exactly 1. The detail
// names the highest frequency that still works, computed in single
// precision (the centre frequency) or double (the sweep).
[[noreturn]] void RaiseFrequencyTooHigh(float diameter, bool atLimit, bool single);

}  // namespace zephyrod::model_faults
