#include "sweep_words.h"

#include "number_text.h"
#include "sweep_layout.h"

namespace zephyrod {

std::string SweepStartsBelow() {
    return "The sweep starts " + NumberText(kSweepHalfSpan) + " MHz below the center frequency";
}

std::string SweepRunsAbove(std::string_view what) {
    return "The sweep runs to " + NumberText(kSweepHalfSpan) + " MHz above " + std::string(what);
}

}  // namespace zephyrod
