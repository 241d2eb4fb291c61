// The sweep table's shape, stated once: the frequencies it covers, its
// header lines and the spacing of its columns. The sweep, the messages about
// it, the frequency limits and the row a window selects all follow from it.
#pragma once

#include <array>
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

// What follows each of a row's five columns (frequency, resonator length,
// turns, length delta, turns delta), so that the columns stand under the
// header's titles in a fixed-pitch font.
inline constexpr std::array<std::string_view, 5> kSweepColumnEnds{"      ", "mm     ", "       ",
                                                                  "mm   ", " T"};

}  // namespace zephyrod
