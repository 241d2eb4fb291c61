// The highest frequencies a resonator diameter allows: where a resonator cut
// for the frequency is still long enough for its diameter (length / diameter
// x 0.575 above 1), found among the numbers themselves, for the messages that
// say how high the frequency may go.
#pragma once

#include <string>

namespace zephyrod::model_faults {

// The highest frequency of type T (float: the centre frequency, double: the
// sweep) that still gives a long-enough resonator, or 0 if none does.
template <class T>
T HighestUsable(float diameter);

// A frequency as text to seven significant digits (more beyond the range of
// single precision), rounded down so that the number shown still works.
std::string RoundedDown(double value);

// The highest center frequency, as text, whose whole sweep still gives a
// long-enough resonator; empty if none does.
std::string SweepLimit(float diameter);

}  // namespace zephyrod::model_faults
