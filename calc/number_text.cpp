#include "number_text.h"

#include <dragonbox/dragonbox.h>
#include <fast_float/fast_float.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <system_error>

#include "calc_error.h"

namespace zephyrod {
namespace {

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

// A number to a fixed count of significant digits: kept × 10^(exponent -
// count + 1), kept of exactly `count` digits (0 for zero), exponent the power
// of ten of its first digit.
struct SignificantDecimal {
    bool negative = false;
    std::uint64_t kept = 0;
    int count = 0;
    int exponent = 0;
    bool IsZero() const { return kept == 0; }
};

constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

int DigitCount(std::uint64_t n) {
    int count = 1;
    while (count < 20 && n >= kPowersOfTen[count]) {
        ++count;
    }
    return count;
}

// A whole number of up to 40 × 32 bits, least significant limb first: wide
// enough for a double's exact value scaled to an integer beside a decimal of
// up to 17 digits (at most about 810 bits), and for a subnormal's remainder
// (1074 bits) times 10^9.
class WideNumber {
  public:
    explicit WideNumber(std::uint64_t value) {
        while (value != 0) {
            limbs_[size_++] = static_cast<std::uint32_t>(value);
            value >>= 32;
        }
    }

    void Multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (int i = 0; i < size_; ++i) {
            const std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
            limbs_[i] = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0) {
            assert(size_ < kLimbs);
            limbs_[size_++] = static_cast<std::uint32_t>(carry);
        }
    }

    void MultiplyByPowerOfFive(int exponent) {
        constexpr std::uint32_t kFiveToThe13 = 1220703125;
        for (; exponent >= 13; exponent -= 13) {
            Multiply(kFiveToThe13);
        }
        Multiply(static_cast<std::uint32_t>(kPowersOfTen[exponent] >> exponent));  // 5^exponent
    }

    void ShiftLeft(int bits) {
        if (size_ == 0) {
            return;
        }
        const int limbShift = bits / 32;
        const int bitShift = bits % 32;
        assert(size_ + limbShift + 1 <= kLimbs);
        limbs_[size_ + limbShift] = 0;
        for (int i = size_ - 1; i >= 0; --i) {
            const std::uint64_t shifted = std::uint64_t{limbs_[i]} << bitShift;
            limbs_[i + limbShift + 1] |= static_cast<std::uint32_t>(shifted >> 32);
            limbs_[i + limbShift] = static_cast<std::uint32_t>(shifted);
        }
        std::fill(limbs_.begin(), limbs_.begin() + limbShift, 0);
        size_ += limbShift + 1;
        Trim();
    }

    // Takes away and returns the bits from `bit` up (fewer than 32 of them).
    std::uint32_t TakeBitsFrom(int bit) {
        const int limb = bit / 32;
        const int offset = bit % 32;
        if (size_ <= limb) {
            return 0;
        }
        std::uint64_t high = limbs_[limb];
        if (size_ > limb + 1) {
            high |= std::uint64_t{limbs_[limb + 1]} << 32;
            limbs_[limb + 1] = 0;
        }
        assert(size_ <= limb + 2);
        limbs_[limb] &= (std::uint32_t{1} << offset) - 1;
        Trim();
        return static_cast<std::uint32_t>(high >> offset);
    }

    friend int Compare(const WideNumber& a, const WideNumber& b) {
        if (a.size_ != b.size_) {
            return a.size_ < b.size_ ? -1 : 1;
        }
        for (int i = a.size_ - 1; i >= 0; --i) {
            if (a.limbs_[i] != b.limbs_[i]) {
                return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
            }
        }
        return 0;
    }

  private:
    static constexpr int kLimbs = 40;

    void Trim() {
        while (size_ > 0 && limbs_[size_ - 1] == 0) {
            --size_;
        }
    }

    std::array<std::uint32_t, kLimbs> limbs_{};
    int size_ = 0;
};

// A positive finite double as significand × 2^exponent, exactly.
struct BinaryValue {
    std::uint64_t significand;
    int exponent;
};

BinaryValue Binary(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const int biased = static_cast<int>(bits >> 52) & 0x7ff;
    if (biased == 0) {
        return {fraction, -1074};
    }
    return {fraction | (std::uint64_t{1} << 52), biased - 1075};
}

// Whether value >= significand × 10^exponent, compared exactly: both sides
// scaled to whole numbers, value = m × 2^e against s × 2^k × 5^k.
bool AtLeast(double value, std::uint64_t significand, int exponent) {
    const BinaryValue binary = Binary(value);
    WideNumber left(binary.significand);
    WideNumber right(significand);
    const int twos = binary.exponent - exponent;  // left's power of two over right's
    if (exponent >= 0) {
        right.MultiplyByPowerOfFive(exponent);
    } else {
        left.MultiplyByPowerOfFive(-exponent);
    }
    if (twos >= 0) {
        left.ShiftLeft(twos);
    } else {
        right.ShiftLeft(-twos);
    }
    return Compare(left, right) >= 0;
}

// A number rounded to `count` significant digits: kept × 10^exponent, kept
// of exactly `count` digits (or 0 for zero), exponent the power of ten of
// its first digit.
struct RoundedDigits {
    std::uint64_t kept = 0;
    int exponent = 0;
};

// A subnormal double to `count` significant digits from its exact digits:
// value = m / 2^1074 is all fraction, its decimals come nine at a time by
// multiplying the remainder by 10^9, and the digit after the kept ones
// decides (5 or more: up, halves away from zero).
RoundedDigits SubnormalDigits(double value, int count) {
    constexpr int kFractionBits = 1074;
    constexpr std::uint32_t kBillion = 1000000000;
    WideNumber remainder(Binary(value).significand);
    std::uint64_t kept = 0;
    int taken = 0;       // significant digits in `kept`
    int position = 0;    // decimals produced so far
    int firstDigit = 0;  // the position of the first significant digit
    bool up = false;
    while (taken <= count) {
        remainder.Multiply(kBillion);
        const std::uint32_t chunk = remainder.TakeBitsFrom(kFractionBits);
        for (int i = 8; i >= 0 && taken <= count; --i) {
            const auto digit = static_cast<int>(chunk / kPowersOfTen[i] % 10);
            ++position;
            if (taken == 0 && digit == 0) {
                continue;  // leading zeros of the fraction
            }
            if (taken == 0) {
                firstDigit = position;
            }
            if (taken < count) {
                kept = kept * 10 + static_cast<std::uint64_t>(digit);
            } else {
                up = digit >= 5;
            }
            ++taken;
        }
    }
    RoundedDigits rounded{kept, -firstDigit};
    if (up) {
        ++rounded.kept;
    }
    return rounded;
}

// A finite, nonzero double's shortest digits and their sign (Dragonbox):
// the fewest that read back as the value, of those the closest, ties between
// two to even; trailing zeros removed. Its compact cache of powers of ten
// gives the same digits as the full one, from a table a twenty-seventh its
// size and a multiplication: the page's module is 9 KB smaller for it.
auto ShortestDigits(double value) {
    namespace policy = jkj::dragonbox::policy;
    return jkj::dragonbox::to_decimal(
        value, policy::sign::return_sign, policy::trailing_zero::remove,
        policy::decimal_to_binary_rounding::nearest_to_even,
        policy::binary_to_decimal_rounding::to_even, policy::cache::compact);
}

// A normal double to `count` (at most 15) significant digits, rounded to
// nearest with halves away from zero, from its shortest digits S: the
// fewest digits that read back as the value and, of those, the closest to it
// (Dragonbox, with ties between two such candidates to even).
//
// Why S's digits give the exact value's rounding. Let v lie in [10^E,
// 10^(E+1)); the decimals of `count` digits there lie u = 10^(E+1-count)
// apart, and the midpoints between them are decimals of count + 1 digits
// ending in 5. S reads back as v, so lies within half an ulp of it:
// h <= v × 2^-53 < 1.2 × 10^(E-15) < u / 8, as u >= 10^(E-14). Were a power
// of ten between v and S, it too would read back as v, with one digit, and S
// would be that power; so S lies in v's decade or is 10^(E+1). With d digits
// in S (trailing zeros removed):
//  - d <= count: S is one of the decimals u apart (10^(E+1) is too), less than
//    u / 2 from v: it is the answer.
//  - d > count: rounding S and rounding v differ only where a midpoint M lies
//    between them, S < M <= v or v < M <= S. Such an M lies between two
//    numbers that read back as v, so it reads back as v too:
//    - d > count + 1: M would be shorter than S, the shortest. So there is no
//      such M, and rounding S is right.
//    - d = count + 1: M would be as short as S, and closer to v unless M = S.
//      So only where S itself is a midpoint (ends in 5) can v round otherwise:
//      there v is compared with S exactly, v >= S rounding up (a half away
//      from zero). Otherwise rounding S is right.
// Subnormals (h not small against u) are rounded from their exact digits.
RoundedDigits ShortestRounded(double value, int count) {
    const auto shortest = ShortestDigits(value);
    const std::uint64_t s = shortest.significand;
    const int digits = DigitCount(s);
    RoundedDigits rounded{s, shortest.exponent + digits - 1};
    if (digits <= count) {
        rounded.kept = s * kPowersOfTen[count - digits];
        return rounded;
    }
    const std::uint64_t unit = kPowersOfTen[digits - count];
    const std::uint64_t rest = s % unit;
    rounded.kept = s / unit;
    const bool up = rest == unit / 2 ? AtLeast(value, s, shortest.exponent) : rest > unit / 2;
    if (up) {
        ++rounded.kept;
    }
    return rounded;
}

// The number to a fixed count of significant digits, rounded to nearest with
// an exact half rounded away from zero. A single is widened to double first:
// its own shortest digits (as few as read back as the single) can stray more
// than half a unit of the seventh digit from its value, the double's cannot.
template <class T>
SignificantDecimal Significant(T value, int count) {
    if (!std::isfinite(value)) {
        Raise(ErrorNumber::Overflow, "A result is beyond the range of numbers.");
    }
    SignificantDecimal decimal;
    decimal.negative = std::signbit(value);
    decimal.count = count;
    const double magnitude = std::abs(static_cast<double>(value));
    RoundedDigits rounded;
    if (magnitude >= DBL_MIN) {
        rounded = ShortestRounded(magnitude, count);
    } else if (magnitude > 0) {
        rounded = SubnormalDigits(magnitude, count);
    }
    if (rounded.kept == kPowersOfTen[count]) {
        rounded.kept = kPowersOfTen[count - 1];  // 999.. became 1000..: one more integer digit
        ++rounded.exponent;
    }
    decimal.kept = rounded.kept;
    decimal.exponent = rounded.exponent;
    return decimal;
}

// Writes a whole number's digits (at least one) to end at `end`; returns
// where they start.
char* WriteDigits(std::uint64_t n, char* end) {
    do {
        *--end = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    return end;
}

std::string Format(const SignificantDecimal& decimal, std::string_view pattern) {
    const bool valid = pattern.size() >= 3 && (pattern[0] == '#' || pattern[0] == '0') &&
                       pattern[1] == '.' &&
                       pattern.find_first_not_of('0', 2) == std::string_view::npos;
    if (!valid) {
        throw std::invalid_argument("unsupported number pattern");
    }
    const auto decimals = pattern.size() - 2;

    // The value times 10^decimals, rounded half away from zero, as whole
    // digits: `kept` of them from the significant digits (the next digit, 5
    // or more, rounds up), or none (then 0, or 1 when the first is 5 or more).
    const int kept = decimal.exponent + static_cast<int>(decimals) + 1;
    std::array<char, 20> buffer;
    std::string wide;  // more digits than a 64-bit number holds: zeros after them
    std::string_view scaled;
    if (kept <= 19) {
        std::uint64_t whole = 0;
        if (kept <= 0) {
            whole = kept == 0 && decimal.kept >= 5 * kPowersOfTen[decimal.count - 1] ? 1 : 0;
        } else if (kept < decimal.count) {
            const std::uint64_t unit = kPowersOfTen[decimal.count - kept];
            whole = decimal.kept / unit + (decimal.kept % unit >= unit / 2 ? 1 : 0);
        } else {
            whole = decimal.kept * kPowersOfTen[kept - decimal.count];
        }
        char* const end = buffer.data() + buffer.size();
        const char* const start = WriteDigits(whole, end);
        scaled = std::string_view(start, static_cast<std::size_t>(end - start));
    } else {
        char* const end = buffer.data() + buffer.size();
        const char* const start = WriteDigits(decimal.kept, end);
        wide.assign(start, static_cast<std::size_t>(end - start));
        wide.append(static_cast<std::size_t>(kept - decimal.count), '0');
        scaled = wide;
    }
    const bool roundsToZero = scaled.find_first_not_of('0') == std::string_view::npos;
    const std::size_t fraction = scaled.size() > decimals ? scaled.size() - decimals : 0;
    const std::size_t firstDigit = std::min(scaled.find_first_not_of('0'), fraction);

    std::string text;
    text.reserve(scaled.size() + decimals + 3);
    if (decimal.negative && !roundsToZero) {
        text += '-';
    }
    text += scaled.substr(firstDigit, fraction - firstDigit);
    if (firstDigit == fraction && pattern[0] == '0') {
        text += '0';
    }
    text += '.';
    text.append(decimals - (scaled.size() - fraction), '0');
    text += scaled.substr(fraction);
    return text;
}

std::string PlainText(const SignificantDecimal& decimal) {
    if (decimal.IsZero()) {
        return "0";
    }
    std::array<char, 20> buffer;
    char* const end = buffer.data() + buffer.size();
    std::string_view digits(WriteDigits(decimal.kept, end),
                            static_cast<std::size_t>(decimal.count));
    digits = digits.substr(0, digits.find_last_not_of('0') + 1);
    std::string text;
    if (decimal.negative) {
        text += '-';
    }
    if (decimal.exponent < 0) {
        text.reserve(text.size() + 1 + static_cast<std::size_t>(-decimal.exponent) + digits.size());
        text += "0.";
        text.append(static_cast<std::size_t>(-decimal.exponent - 1), '0');
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

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

template <class T>
T Parse(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    // Only [-]digits[.digits], with at least one digit on either side of the point.
    std::string_view number = text;
    const bool negative = !number.empty() && number.front() == '-';
    if (negative) {
        number.remove_prefix(1);
    }
    const std::size_t point = number.find('.');
    const std::string_view integerDigits = number.substr(0, point);
    const std::string_view fractionDigits =
        point == std::string_view::npos ? std::string_view{} : number.substr(point + 1);
    auto allDigits = [](std::string_view s) {
        for (char c : s) {
            if (!IsDigit(c)) {
                return false;
            }
        }
        return true;
    };
    if (integerDigits.size() + fractionDigits.size() == 0 || !allDigits(integerDigits) ||
        !allDigits(fractionDigits)) {
        Raise(ErrorNumber::TypeMismatch, "The text is not a number.");
    }
    // fast_float gives the nearest number, the same on every system: beyond
    // the type's range an infinity, below it a zero of the number's sign.
    T value{};
    const auto [end, ec] = fast_float::from_chars(text.data(), text.data() + text.size(), value,
                                                  fast_float::chars_format::fixed);
    if (ec != std::errc{} || end != text.data() + text.size()) {
        Raise(ErrorNumber::TypeMismatch, "The text is not a number.");
    }
    if (std::isinf(value)) {
        Raise(ErrorNumber::Overflow, "The number is too large.");
    }
    return value;
}

}  // namespace

float ParseSingle(std::string_view text) {
    return Parse<float>(text);
}
double ParseDouble(std::string_view text) {
    return Parse<double>(text);
}

std::string NumberText(float value) {
    return PlainText(Significant(value, kSingleDigits));
}
std::string NumberText(double value) {
    return PlainText(Significant(value, kDoubleDigits));
}

std::string FormatPattern(float value, std::string_view pattern) {
    return Format(Significant(value, kSingleDigits), pattern);
}
std::string FormatPattern(double value, std::string_view pattern) {
    return Format(Significant(value, kDoubleDigits), pattern);
}

std::string ShortestText(double value) {
    if (value == 0) {
        return std::signbit(value) ? "-0" : "0";
    }
    const auto shortest = ShortestDigits(value);
    std::string text = shortest.is_negative ? "-" : "";
    text += IntegerText(static_cast<long long>(shortest.significand));
    if (shortest.exponent != 0) {
        text += 'e';
        text += IntegerText(shortest.exponent);
    }
    return text;
}

std::string IntegerText(long long value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace zephyrod
