#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Conversions between stored texts and numbers, as the settings loader and the value
// formats need them. A number text is a decimal number with an optional sign, fraction and
// exponent ("12", "-3", "2.5", "1e3", ".5"), with blanks allowed around it; "." is the
// decimal point whatever the regional settings say.
//
// Text that is not a number throws Error 13 (type mismatch); a number outside the target's
// range throws Error 6 (overflow).
namespace runtime {

// Rounds to a whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value);

double TextToDouble(std::string_view text);
// The number rounded half to even, then checked against the type's range.
std::int16_t TextToInt16(std::string_view text);
std::int32_t TextToInt32(std::string_view text);
// True or False in any letter case, or a number (0 is false, anything else true).
// Returns -1 for true and 0 for false.
std::int16_t TextToFlag(std::string_view text);

// Decimal text of a number: "0", "1", "-1", "3600".
std::string IntegerToText(std::int64_t value);
// Shortest decimal text with at most 15 significant digits and no trailing zeros: "2",
// "1.5", "0.1"; numbers from 1E+15 up, or below 1E-04, in exponent form ("1E+15", "1E-05").
std::string DoubleToText(double value);

}  // namespace runtime
