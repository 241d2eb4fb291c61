// The sentences that say where the sweep reaches, for the messages about a
// centre frequency whose sweep cannot be worked out.
#pragma once

#include <string>
#include <string_view>

namespace zephyrod {

// "The sweep starts 0.5 MHz below the center frequency".
std::string SweepStartsBelow();
// "The sweep runs to 0.5 MHz above " and `what`.
std::string SweepRunsAbove(std::string_view what);

}  // namespace zephyrod
