#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A slow second reading of numbers, written straight from the rules and
// sharing no code with the game's: every text is taken apart character by
// character into a sign, a string of decimal digits and a power of ten, and
// that exact value is turned into the nearest double with whole-number
// arithmetic of any size. The fuzz targets check the game's readings
// against it.
namespace fwref {

// The leading number of a text: blanks, tabs, carriage returns and line
// feeds anywhere are ignored; then an optional sign, digits, an optional
// fraction and an optional exponent (which counts only with digits after
// it). A text that does not begin with a number gives 0.
double leadingNumber(std::string_view text);

// The whole text, with those blanks around it only, is one such number.
std::optional<double> wholeNumber(std::string_view text);

// Nearest whole number, halves to the even one, kept inside 16 bits.
std::int16_t roundHalfEven16(double value);

// The nearest double to the exact value digits * 10^exponent, negative when
// asked: what correct decimal reading gives. Exposed for the self-check.
double nearestDouble(bool negative, std::string_view digits, long exponent);

} // namespace fwref
