// The sweep table's shape, stated once: the frequencies it covers, its
// header lines and the spacing of its columns. The sweep, the messages about
// it, the frequency limits and the row a window selects all follow from it.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zephyrod {

// The sweep runs from this far below the centre frequency to this far above
// it (MHz), a row every kSweepStep.
inline constexpr double kSweepHalfSpan = 0.5;
inline constexpr double kSweepStep = 0.05;

// The largest centre frequency (MHz) that the step still moves: from 2^49
// on, doubles lie 0.125 apart and adding 0.05 rounds back to the same number.
inline constexpr long long kLargestSweepCentre = 1LL << 49;

inline constexpr std::string_view kSweepHeader = "Freq     Resonator     Turns          Delta";
inline constexpr std::string_view kSweepRule = "----     ---------     -----     ---------------";
inline constexpr int kSweepHeaderLines = 2;  // kSweepHeader and kSweepRule

// The rows below the centre row, and so the centre row's line in the list.
inline constexpr int kSweepRowsBelowCentre = static_cast<int>(kSweepHalfSpan / kSweepStep + 0.5);
inline constexpr int kCentreRowIndex = kSweepHeaderLines + kSweepRowsBelowCentre;

// The sweep's five columns, in the order a row prints them.
enum class SweepColumn { Frequency, ResonatorLength, Turns, LengthDelta, TurnsDelta };
inline constexpr std::size_t kSweepColumnCount = 5;

// How a column prints (its pattern), what follows it so that the columns
// stand under the header's titles in a fixed-pitch font, and its title in the
// sweep's CSV.
struct SweepColumnLayout {
    std::string_view pattern;
    std::string_view end;
    std::string_view csvTitle;
};

inline constexpr std::array<SweepColumnLayout, kSweepColumnCount> kSweepColumns{{
    {"#.00", "      ", "freq_mhz"},
    {"#.00", "mm     ", "resonator_mm"},
    {"#.0", "       ", "turns"},
    {"0.00", "mm   ", "delta_mm"},
    {"0.0", " T", "delta_turns"},
}};

}  // namespace zephyrod
