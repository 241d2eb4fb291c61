// The core's number texts against the earlier conversions' (digits by {fmt},
// reference_number_text.cpp), value for value: NumberText and the four
// patterns of doubles and singles of every kind where digits go wrong, each
// also negated now and then:
//  - random bit patterns (any finite number);
//  - the values a sweep prints: frequencies, lengths, turns and their deltas
//    around random centres, and the centre's results;
//  - near-halves: decimals of 16 (double) or 8 (single) digits ending in 5,
//    read as the nearest number, and that number's neighbours;
//  - exact halves: m / 2^k whose exact decimals are 16 or 8 digits ending in 5;
//  - subnormals, and every power of two with its neighbours.
//   digits_differential [COUNT]   COUNT doubles and COUNT singles (20000 unless
//                                 told), the powers of two besides
// Prints the counts, the first differences, and ends with status 1 on any.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "calc_error.h"
#include "calculation.h"
#include "number_text.h"
#include "reference_number_text.h"

namespace {

using zephyrod::IntegerText;

constexpr std::string_view kPatterns[] = {"#.00", "#.0", "0.00", "0.0"};

std::string Hex(std::uint64_t bits, int nibbles) {
    std::string text(static_cast<std::size_t>(nibbles), '0');
    for (int i = nibbles - 1; i >= 0; --i, bits >>= 4) {
        text[static_cast<std::size_t>(i)] = "0123456789abcdef"[bits & 15];
    }
    return text;
}

class Differential {
  public:
    template <class T>
    void Check(T value) {
        if (!std::isfinite(value)) {
            return;
        }
        CheckOne(value);
        if ((++checks_ & 7) == 0) {
            CheckOne(-value);
        }
    }

    long long doubles = 0;
    long long singles = 0;
    long long differences = 0;

  private:
    template <class T>
    void CheckOne(T value) {
        ++(sizeof(T) == sizeof(double) ? doubles : singles);
        const zephyrod::reference::ReferenceTexts expected = zephyrod::reference::TextsOf(value);
        Compare(value, "NumberText", zephyrod::NumberText(value), expected[0]);
        for (int i = 0; i < 4; ++i) {
            Compare(value, kPatterns[i], zephyrod::FormatPattern(value, kPatterns[i]),
                    expected[static_cast<std::size_t>(i) + 1]);
        }
    }

    template <class T>
    void Compare(T value, std::string_view what, const std::string& got,
                 const std::string& expected) {
        if (got == expected) {
            return;
        }
        if (++differences <= 20) {
            const bool isDouble = sizeof(T) == sizeof(double);
            const std::string bits =
                isDouble ? Hex(std::bit_cast<std::uint64_t>(static_cast<double>(value)), 16)
                         : Hex(std::bit_cast<std::uint32_t>(static_cast<float>(value)), 8);
            std::printf("%s 0x%s %.*s: %s, was %s\n", isDouble ? "double" : "single", bits.c_str(),
                        static_cast<int>(what.size()), what.data(), got.c_str(), expected.c_str());
        }
    }

    unsigned checks_ = 0;
};

// A random number of `digits` decimal digits ending in 5.
std::uint64_t HalfDigits(std::mt19937_64& random, int digits) {
    std::uint64_t lowest = 1;
    for (int i = 1; i < digits; ++i) {
        lowest *= 10;
    }
    return (lowest + random() % (9 * lowest)) / 10 * 10 + 5;
}

// `digits` × 10^exponent as the calculator reads it: plain decimals.
std::string DecimalText(const std::string& digits, int exponent) {
    if (exponent >= 0) {
        return digits + std::string(static_cast<std::size_t>(exponent), '0');
    }
    const auto shift = static_cast<std::size_t>(-exponent);
    if (shift < digits.size()) {
        return digits.substr(0, digits.size() - shift) + "." + digits.substr(digits.size() - shift);
    }
    return "0." + std::string(shift - digits.size(), '0') + digits;
}

// Near-halves: a decimal of count + 1 digits ending in 5 at a random power of
// ten, read as the nearest number, with its two neighbours on either side.
template <class T>
void NearHalves(Differential& check, std::mt19937_64& random, int count, int range, long long n) {
    for (long long i = 0; i < n; i += 5) {
        const std::string digits =
            IntegerText(static_cast<long long>(HalfDigits(random, count + 1)));
        const int exponent = static_cast<int>(random() % static_cast<unsigned>(2 * range)) - range;
        const std::string text = DecimalText(digits, exponent);
        T value;
        if constexpr (sizeof(T) == sizeof(double)) {
            value = zephyrod::ParseDouble(text);
        } else {
            value = zephyrod::ParseSingle(text);
        }
        check.Check(value);
        T below = value, above = value;
        for (int step = 0; step < 2; ++step) {
            below = std::nextafter(below, T{0});
            above = std::nextafter(above, T{2} * above);
            check.Check(below);
            check.Check(above);
        }
    }
}

// Exact halves: m / 2^k (m odd) has k decimals ending in 5, count + 1
// significant digits when m × 5^k has; and its neighbours.
template <class T>
void ExactHalves(Differential& check, std::mt19937_64& random, int count, long long n) {
    constexpr int kBits = std::numeric_limits<T>::digits;
    std::uint64_t lowest = 1;  // 10^count
    for (int i = 0; i < count; ++i) {
        lowest *= 10;
    }
    for (long long i = 0; i < n; i += 3) {
        const int k = 1 + static_cast<int>(random() % (count == 15 ? 22 : 11));
        const double fives = std::pow(5.0, k);
        // m in [10^count / 5^k, 10^(count+1) / 5^k), odd, below 2^kBits
        const double from = std::ceil(static_cast<double>(lowest) / fives);
        const double to =
            std::min(static_cast<double>(lowest) * 10 / fives, std::ldexp(1.0, kBits));
        if (to - from < 2) {
            continue;
        }
        auto m =
            static_cast<std::uint64_t>(from) + random() % static_cast<std::uint64_t>(to - from);
        m |= 1;
        const T value = static_cast<T>(std::ldexp(static_cast<double>(m), -k));
        check.Check(value);
        check.Check(std::nextafter(value, T{0}));
        check.Check(std::nextafter(value, T{2} * value));
    }
}

// The values a calculation of the design prints: the centre's, then each
// sweep row's (those before a fault of the model too).
void SweepValues(Differential& check, const zephyrod::Inputs& inputs) {
    std::vector<zephyrod::SweepRow> rows;
    try {
        const zephyrod::DesignPoint centre = zephyrod::CentreDesign(inputs);
        check.Check(centre.resonatorLength);
        check.Check(centre.counterpoiseLength);
        check.Check(centre.capacitance);
        check.Check(centre.inductance);
        check.Check(centre.turns);
        check.Check(centre.turns / static_cast<double>(inputs.turnsPerCm));
        zephyrod::AppendSweepRows(inputs, centre, rows);
    } catch (const zephyrod::CalcError&) {
        // a fault of the model: the values before it are checked
    }
    for (const zephyrod::SweepRow& row : rows) {
        for (const double value : row.values) {
            check.Check(value);
        }
    }
}

float Uniform(std::mt19937_64& random, float from, float to) {
    return from + (to - from) * static_cast<float>(random() >> 40) * 0x1p-24f;
}

}  // namespace

int main(int argc, char** argv) {
    long long count = 20000;
    if (argc == 2) {
        count = static_cast<long long>(zephyrod::ParseDouble(argv[1]));
    }
    Differential check;
    std::mt19937_64 random(20261209);

    // Random bit patterns, 40% of each type.
    for (long long i = 0; i < count * 4 / 10; ++i) {
        const std::uint64_t bits = random();
        check.Check(std::bit_cast<double>(bits));
        check.Check(std::bit_cast<float>(static_cast<std::uint32_t>(bits >> 16)));
    }
    // Near and exact halves, 20% and 10%: the digits' hardest cases.
    NearHalves<double>(check, random, 15, 40, count * 2 / 10);
    NearHalves<float>(check, random, 7, 20, count * 2 / 10);
    ExactHalves<double>(check, random, 15, count / 10);
    ExactHalves<float>(check, random, 7, count / 10);
    // Subnormals, 10%.
    for (long long i = 0; i < count / 10; ++i) {
        const std::uint64_t bits = random();
        check.Check(std::bit_cast<double>(bits & ((std::uint64_t{1} << 52) - 1)));
        check.Check(std::bit_cast<float>(static_cast<std::uint32_t>(bits >> 41)));
    }
    // The doubles' rest: the sweeps' values, about 110 per design (two of
    // them singles), then the singles' rest: singles of the fields' ranges.
    while (check.doubles < count) {
        const float centre = Uniform(random, 0.6f, random() % 4 == 0 ? 1000.0f : 30.0f);
        check.Check(centre);
        const float resonatorDiameter = Uniform(random, 1, 100);
        const float coilDiameter = Uniform(random, 5, 100);
        const float turnsPerCm = Uniform(random, 1, 20);
        SweepValues(check, {centre, resonatorDiameter, coilDiameter, turnsPerCm});
    }
    while (check.singles < count) {
        check.Check(Uniform(random, 0, random() % 2 == 0 ? 1000.0f : 20.0f));
    }
    // Every power of two, and two neighbours either side.
    for (int e = -1074; e <= 1023; ++e) {
        const double power = std::ldexp(1.0, e);
        double below = power, above = power;
        check.Check(power);
        for (int step = 0; step < 2; ++step) {
            below = std::nextafter(below, 0.0);
            above = std::nextafter(above, INFINITY);
            check.Check(below);
            check.Check(above);
        }
        const auto single = static_cast<float>(power);
        if (single != 0 && std::isfinite(single) && static_cast<double>(single) == power) {
            check.Check(single);
            check.Check(std::nextafter(single, 0.0f));
            check.Check(std::nextafter(single, INFINITY));
        }
    }
    std::printf("digits_differential: %s doubles and %s singles, %s differences\n",
                IntegerText(check.doubles).c_str(), IntegerText(check.singles).c_str(),
                IntegerText(check.differences).c_str());
    return check.differences == 0 ? 0 : 1;
}
