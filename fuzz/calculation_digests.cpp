// Whole calculations of random designs, all in this one process, and a digest
// of everything they print: every result line, every sweep line, and the
// error with its field. Two editions (native, and web under Node) must print
// the same digests for the same seed and count.
//   calculation_digests COUNT [SEED]          a digest per 10,000 calculations,
//                                             then the totals
//   calculation_digests COUNT SEED FIRST LAST  the lines of calculations
//                                             FIRST..LAST themselves
// The inputs come from the seed alone (std::mt19937_64's own numbers, no
// library distribution), the same on every system: centres above 0.6 MHz,
// mostly of the amateur bands, sometimes beyond what the sweep can step;
// diameters and turns per cm of every size, now and then zero, negative or
// not a number.
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <random>
#include <string>
#include <string_view>

#include "calc_error.h"
#include "calculation.h"
#include "number_text.h"

namespace {

using zephyrod::IntegerText;

// The pieces one after another (GCC 12 warns falsely of overlapping copies in
// chains of "text" + std::string).
std::string Join(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (std::string_view piece : pieces) {
        text += piece;
    }
    return text;
}

class InputMaker {
  public:
    explicit InputMaker(std::uint64_t seed) : random_(seed) {}

    zephyrod::InputTexts Next() {
        zephyrod::InputTexts texts;
        texts[0] = Centre();
        texts[1] = Number(Pick(16) == 0 ? 2000 : 40);
        texts[2] = Number(Pick(16) == 0 ? 2000 : 100);
        texts[3] = Number(Pick(16) == 0 ? 1000 : 30);
        if (Pick(50) == 0) {
            texts[1 + Pick(3)] = kOddTexts[Pick(std::size(kOddTexts))];
        }
        return texts;
    }

  private:
    static constexpr std::string_view kOddTexts[] = {"",    "0",   "-1",       "7,07",
                                                     "abc", "1e3", "0.0000001"};

    std::uint64_t Pick(std::uint64_t count) { return random_() % count; }

    // Up to `decimals` random decimals, without the point when there are none.
    std::string Fraction(int decimals) {
        std::string text;
        for (std::uint64_t n = Pick(static_cast<std::uint64_t>(decimals) + 1); n > 0; --n) {
            text += static_cast<char>('0' + Pick(10));
        }
        return text.empty() ? text : Join({".", text});
    }

    // A centre above 0.6 MHz: 0.6..1 MHz, the bands up to 30 MHz, up to
    // 1000 MHz, or a large number now and then (beyond 2^49 the sweep's step
    // no longer changes the frequency).
    std::string Centre() {
        switch (Pick(16)) {
            case 0:
                return Join({"0.", IntegerText(static_cast<long long>(600001 + Pick(399999)))});
            case 1:
                return Join({IntegerText(static_cast<long long>(1 + Pick(999))), Fraction(4)});
            case 2:
                return Join({IntegerText(static_cast<long long>(1 + Pick(std::uint64_t{1} << 52))),
                             Fraction(2)});
            default:
                return Join({IntegerText(static_cast<long long>(1 + Pick(30))), Fraction(7)});
        }
    }

    // A number below `largest`, sometimes negative or zero.
    std::string Number(std::uint64_t largest) {
        switch (Pick(40)) {
            case 0:
                return "0";
            case 1:
                return Join({"-", IntegerText(static_cast<long long>(Pick(largest)))});
            default:
                return Join({IntegerText(static_cast<long long>(Pick(largest))), Fraction(6)});
        }
    }

    std::mt19937_64 random_;
};

// FNV-1a, 64 bits, over every line of the calculations of one block.
class Digest {
  public:
    void Add(std::string_view line) {
        for (char c : line) {
            Mix(static_cast<unsigned char>(c));
        }
        Mix('\n');
    }
    std::string Hex() const {
        std::string text(16, '0');
        std::uint64_t bits = hash_;
        for (int i = 15; i >= 0; --i, bits >>= 4) {
            text[static_cast<std::size_t>(i)] = "0123456789abcdef"[bits & 15];
        }
        return text;
    }

  private:
    void Mix(unsigned char byte) {
        hash_ ^= byte;
        hash_ *= 0x100000001b3;
    }
    std::uint64_t hash_ = 0xcbf29ce484222325;
};

struct Totals {
    long long results = 0;
    long long errors = 0;
    long long lines = 0;
};

// Every line one calculation prints, to `out`: its inputs, its lines, its error.
template <class Out>
void Lines(const zephyrod::InputTexts& texts, Totals& totals, Out&& out) {
    out(Join({"inputs ", texts[0], " | ", texts[1], " | ", texts[2], " | ", texts[3]}));
    const zephyrod::CalcResult result = zephyrod::Calculate(texts);
    if (result.lists) {
        ++totals.results;
        for (const std::string& line : result.lists->values) {
            out(line);
            ++totals.lines;
        }
        for (const std::string& line : result.lists->SweepLines()) {
            out(line);
            ++totals.lines;
        }
    }
    if (result.error) {
        ++totals.errors;
        const auto field = result.error->field();
        out(Join({zephyrod::ErrorLine(*result.error), " (field ",
                  field ? IntegerText(static_cast<long long>(*field)) : "none", ")"}));
        ++totals.lines;
    }
}

void Print(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3 && argc != 5) {
        std::fputs("usage: calculation_digests COUNT [SEED [FIRST LAST]]\n", stderr);
        return 2;
    }
    const auto read = [](const char* text) {
        return static_cast<long long>(zephyrod::ParseDouble(text));
    };
    const long long count = read(argv[1]);
    InputMaker maker(argc >= 3 ? static_cast<std::uint64_t>(read(argv[2])) : 20261209);
    const long long first = argc == 5 ? read(argv[3]) : 0;
    const long long last = argc == 5 ? read(argv[4]) : -1;
    constexpr long long kBlock = 10000;
    Totals totals;
    Digest digest;
    for (long long i = 0; i < count; ++i) {
        const zephyrod::InputTexts texts = maker.Next();
        if (argc == 5) {
            if (i >= first && i <= last) {
                Print(Join({"calculation ", IntegerText(i)}));
                Lines(texts, totals, Print);
            }
            continue;
        }
        Lines(texts, totals, [&digest](const std::string& line) { digest.Add(line); });
        if ((i + 1) % kBlock == 0 || i + 1 == count) {
            Print(Join({"calculations ", IntegerText(i / kBlock * kBlock), "..", IntegerText(i),
                        " ", digest.Hex()}));
            digest = Digest();
        }
    }
    if (argc != 5) {
        Print(Join({IntegerText(count), " calculations: ", IntegerText(totals.results),
                    " with results, ", IntegerText(totals.errors), " with errors, ",
                    IntegerText(totals.lines), " lines"}));
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
