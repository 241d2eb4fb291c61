#include "frequency_limits.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "antenna_model.h"
#include "number_text.h"
#include "sweep_layout.h"

namespace zephyrod::model_faults {
namespace {

// Whether a resonator cut for frequency f is long enough for its diameter:
// length / diameter × 0.575 above 1, computed as the formulas compute it.
template <class T>
bool LongEnough(T f, float diameter) {
    const T length = Module1::ResonatorLengthOf(f);
    return Module1::SlendernessOf(static_cast<double>(length / static_cast<T>(diameter))) > 1;
}

}  // namespace

// The ratio falls as the frequency rises: a search among the numbers of type
// T from the smallest positive one to the largest.

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

template float HighestUsable<float>(float diameter);
template double HighestUsable<double>(float diameter);

namespace {

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

}  // namespace

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

}  // namespace zephyrod::model_faults
