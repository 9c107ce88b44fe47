#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers as the game shows and stores them: plain decimal texts, read back
// either leniently (the leading number of a text) or strictly (the whole text).
namespace fw {

// Plain decimal text: no blanks, no leading zeros, "-" for negatives.
std::string decimalText(long long value);

// Shortest text that reads back as the same single-precision value;
// whole values carry no decimal point (1000 gives "1000").
std::string positionText(float value);

// The leading number of a text. Blanks, tabs, carriage returns and line
// feeds anywhere are ignored; then an optional sign, digits, an optional
// fraction and an optional exponent are read, stopping at the first other
// character. A text that does not begin with a number gives 0.
double leadingNumber(std::string_view text);

// Rounds half to even into the 16-bit range; values beyond it are clamped
// and a value that is not a number gives 0.
std::int16_t roundToInt16(double value);

// leadingNumber, rounded half to even to 16 bits ("12.5" gives 12).
std::int16_t lenientInt16(std::string_view text);

// The whole text, blanks around it allowed, must be one number; it is then
// rounded like lenientInt16. Anything else gives nothing.
std::optional<std::int16_t> strictInt16(std::string_view text);

// The whole text, blanks around it allowed, must be one finite number that
// fits a single-precision value.
std::optional<float> strictNumber(std::string_view text);

} // namespace fw
