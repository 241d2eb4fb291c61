// The number texts as the calculator printed them when {fmt} wrote every
// digit: the yardstick the differential run (digits_differential.cpp) holds
// the core's own conversions to. Only the tests link it, never an edition.
#include "reference_number_text.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "calc_error.h"

namespace zephyrod::reference {
namespace {

// A number to a fixed count of significant digits: digits[0].digits[1..] × 10^exponent.
struct SignificantDecimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
    bool IsZero() const { return digits.find_first_not_of('0') == std::string::npos; }
};

// Digits of a number in scientific form with the given precision, correctly
// rounded from the number's exact value: "-6.647808e+02" gives negative,
// "6647808" and 2. {fmt} writes them, the same digits on every system and
// compiler (the C++ libraries of Windows' and the web's toolchains have no
// floating-point to_chars).
template <class T>
SignificantDecimal ScientificDigits(T value, int precision) {
    std::array<char, 800> text;  // a double's exact digits, its sign and its exponent
    const char* const end =
        fmt::format_to_n(text.data(), text.size(), "{:.{}e}", value, precision).out;
    SignificantDecimal decimal;
    decimal.digits.reserve(static_cast<std::size_t>(precision) + 1);
    const char* p = text.data();
    if (*p == '-') {
        decimal.negative = true;
        ++p;
    }
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            decimal.digits.push_back(*p);
        }
    }
    ++p;  // 'e'
    const bool negativeExponent = *p == '-';
    ++p;  // exponent sign
    std::from_chars(p, end, decimal.exponent);
    if (negativeExponent) {
        decimal.exponent = -decimal.exponent;
    }
    return decimal;
}

void Increment(std::string& digits);

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

// A precision (digits after the first) at which scientific digits write the
// number exactly: a number m × 2^q with q < 0 has -q decimals, so at most
// decimalExponent + 1 - q significant digits (decimalExponent is the power of
// ten of its first digit, or one more). Far fewer than `limit` (enough for any
// number of the type) for most numbers, and the digits' cost grows with
// their count. Never below `least`.
template <class T>
int ExactPrecision(T value, int decimalExponent, int least, int limit) {
    if (value == 0) {
        return least;
    }
    const int lowestBit = std::ilogb(value) - (std::numeric_limits<T>::digits - 1);
    const int significant = decimalExponent + 1 + std::max(0, -lowestBit);
    return std::clamp(significant, least, limit);
}

// The number to a fixed count of significant digits, rounded to nearest with
// an exact half rounded away from zero. The number to 17 significant digits
// (correctly rounded, and as many as {fmt} writes with its fast algorithm)
// settles almost every case: its digits after the kept ones mislead only
// where they read as a half, 5000..., or within a hair of one, 4999...; such
// a number is written out exactly (a double has at most 767 significant
// digits) to settle it.
template <class T>
SignificantDecimal Significant(T value, int significantDigits) {
    if (!std::isfinite(value)) {
        Raise(ErrorNumber::Overflow, "A result is beyond the range of numbers.");
    }
    constexpr int kGuardedPrecision = 16;  // 17 significant digits
    constexpr int kExactDigits = 770;
    static_assert(kGuardedPrecision >= kDoubleDigits);
    SignificantDecimal decimal = ScientificDigits(value, kGuardedPrecision);
    std::string_view tail = std::string_view(decimal.digits).substr(significantDigits);
    const bool nearHalf =
        tail.substr(1).find_first_not_of(tail[0] == '5' ? '0' : '9') == std::string_view::npos &&
        (tail[0] == '5' || tail[0] == '4');
    if (nearHalf) {
        decimal = ScientificDigits(
            value, ExactPrecision(value, decimal.exponent, kGuardedPrecision, kExactDigits));
        tail = std::string_view(decimal.digits).substr(significantDigits);
    }
    const bool up = tail[0] >= '5';
    decimal.digits.resize(significantDigits);
    if (up) {
        Increment(decimal.digits);
        if (static_cast<int>(decimal.digits.size()) > significantDigits) {
            decimal.digits.pop_back();  // 999.. became 1000..: one more integer digit
            ++decimal.exponent;
        }
    }
    return decimal;
}

// Adds one to a string of decimal digits.
void Increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string Format(const SignificantDecimal& decimal, std::string_view pattern) {
    const bool valid = pattern.size() >= 3 && (pattern[0] == '#' || pattern[0] == '0') &&
                       pattern[1] == '.' &&
                       pattern.find_first_not_of('0', 2) == std::string_view::npos;
    if (!valid) {
        throw std::invalid_argument("unsupported number pattern");
    }
    const int decimals = static_cast<int>(pattern.size()) - 2;

    // The value times 10^decimals, rounded half away from zero, as whole digits.
    const int kept = decimal.exponent + decimals + 1;
    std::string scaled;
    if (kept <= 0) {
        scaled.assign(1, (kept == 0 && decimal.digits[0] >= '5') ? '1' : '0');
    } else if (kept >= static_cast<int>(decimal.digits.size())) {
        scaled = decimal.digits + std::string(kept - decimal.digits.size(), '0');
    } else {
        scaled = decimal.digits.substr(0, kept);
        if (decimal.digits[kept] >= '5') {
            Increment(scaled);
        }
    }
    if (static_cast<int>(scaled.size()) <= decimals) {
        scaled.insert(0, decimals + 1 - scaled.size(), '0');
    }
    std::string integerPart = scaled.substr(0, scaled.size() - decimals);
    const std::string fraction = scaled.substr(scaled.size() - decimals);
    integerPart.erase(0, std::min(integerPart.find_first_not_of('0'), integerPart.size()));
    if (integerPart.empty() && pattern[0] == '0') {
        integerPart.assign(1, '0');
    }
    const bool roundsToZero = scaled.find_first_not_of('0') == std::string::npos;
    std::string text = (decimal.negative && !roundsToZero) ? "-" : "";
    text += integerPart;
    text += '.';
    text += fraction;
    return text;
}

std::string PlainText(const SignificantDecimal& decimal) {
    if (decimal.IsZero()) {
        return "0";
    }
    std::string digits = decimal.digits;
    digits.erase(digits.find_last_not_of('0') + 1);
    std::string text = decimal.negative ? "-" : "";
    if (decimal.exponent < 0) {
        text += "0.";
        text.append(-decimal.exponent - 1, '0');
        text += digits;
        return text;
    }
    const auto integerDigits = static_cast<std::size_t>(decimal.exponent) + 1;
    if (digits.size() <= integerDigits) {
        text += digits;
        text.append(integerDigits - digits.size(), '0');
    } else {
        text += digits.substr(0, integerDigits);
        text += '.';
        text += digits.substr(integerDigits);
    }
    return text;
}

}  // namespace

template <class T>
ReferenceTexts Texts(T value, int significantDigits) {
    const SignificantDecimal decimal = Significant(value, significantDigits);
    return {PlainText(decimal), Format(decimal, "#.00"), Format(decimal, "#.0"),
            Format(decimal, "0.00"), Format(decimal, "0.0")};
}

ReferenceTexts TextsOf(float value) {
    return Texts(value, kSingleDigits);
}
ReferenceTexts TextsOf(double value) {
    return Texts(value, kDoubleDigits);
}

}  // namespace zephyrod::reference
