// Conversions between numbers and the texts the calculator reads and prints.
//
// They are independent of the C library's locale: the decimal separator is
// always the point and digits are never grouped.
#pragma once

#include <string>
#include <string_view>

namespace zephyrod {

// Reads a decimal number: optional "-", digits, an optional point and
// fraction (".5" and "5." are numbers), with optional blanks around it.
// Returns the nearest single-precision number (or double). Throws CalcError:
// type mismatch for anything else (empty text, "nan", "inf", "1e5", "0x1",
// "1,000", "+1"), overflow for a number beyond the type's range. A number too
// small for the type reads as zero of its sign.
float ParseSingle(std::string_view text);
double ParseDouble(std::string_view text);

// The number to 7 (single) or 15 (double) significant digits, with trailing
// zeros and a trailing point removed: 7.07 -> "7.07", 65 -> "65",
// 7.000000000000001 -> "7". Never an exponent; fractions keep their "0.".
std::string NumberText(float value);
std::string NumberText(double value);

// The number under one of the patterns "#.00", "#.0", "0.00" and "0.0": the
// significant-digit decimal of the value (as for NumberText) rounded to the
// pattern's decimals, halves away from zero; under "#" a zero integer part is
// left out (".50"). A value that rounds to zero prints without a sign.
std::string FormatPattern(float value, std::string_view pattern);
std::string FormatPattern(double value, std::string_view pattern);

// A finite number in the fewest digits that read back as the same double,
// for a program to read (JSON, JavaScript): the digits as a whole number and
// its power of ten, "66478074765e-8", "-5e-1", "56", "0". Not for people.
std::string ShortestText(double value);

// A whole number in plain decimal digits.
std::string IntegerText(long long value);

}  // namespace zephyrod
