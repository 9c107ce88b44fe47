#include "numbers/NumberText.h"

#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace fw {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Scans one number (sign, digits, fraction, exponent) from the start of
// `text`, skipping blanks inside it when `skipBlanks` is set. Returns the
// characters that make up the number without blanks, and where it ended.
struct Scan {
    std::string number;
    std::size_t end = 0;
    bool hasDigits = false;
};

Scan scanNumber(std::string_view text, bool skipBlanks)
{
    Scan scan;
    std::size_t pos = 0;
    auto peek = [&]() -> char {
        if (skipBlanks) {
            while (pos < text.size() && isBlank(text[pos]))
                ++pos;
        }
        return pos < text.size() ? text[pos] : '\0';
    };
    // A sign, if one comes next, and the digits that come next, taken into
    // `into`; the digits say whether there were any.
    const auto takeSign = [&](std::string &into) {
        if (const char c = peek(); c == '+' || c == '-') {
            into += c;
            ++pos;
        }
    };
    const auto takeDigits = [&](std::string &into) {
        bool any = false;
        for (char c; isDigit(c = peek()); ++pos) {
            into += c;
            any = true;
        }
        return any;
    };
    takeSign(scan.number);
    scan.hasDigits = takeDigits(scan.number);
    if (peek() == '.') {
        scan.number += '.';
        ++pos;
        scan.hasDigits = takeDigits(scan.number) || scan.hasDigits;
    }
    scan.end = pos;
    if (!scan.hasDigits)
        return scan;
    // An exponent counts only when digits follow it; otherwise the number
    // ends before the letter.
    if (const char c = peek(); c == 'e' || c == 'E') {
        std::string exponent = "e";
        ++pos;
        takeSign(exponent);
        if (takeDigits(exponent)) {
            scan.number += exponent;
            scan.end = pos;
        }
    }
    return scan;
}

// Reads a scanned number. strtod alone would take the decimal point of the
// player's locale, so it reads in the C locale. A number too large for a
// double gives an infinity, one too small zero, each with its sign.
double toDouble(const std::string &number)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(number.c_str(), nullptr, cLocale);
}

std::optional<double> wholeNumber(std::string_view text)
{
    std::size_t first = 0;
    while (first < text.size() && isBlank(text[first]))
        ++first;
    std::size_t last = text.size();
    while (last > first && isBlank(text[last - 1]))
        --last;
    const std::string_view core = text.substr(first, last - first);
    const Scan scan = scanNumber(core, false);
    if (!scan.hasDigits || scan.end != core.size())
        return std::nullopt;
    return toDouble(scan.number);
}

} // namespace

std::string decimalText(long long value)
{
    std::array<char, 24> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string positionText(float value)
{
    std::array<char, 48> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

double leadingNumber(std::string_view text)
{
    const Scan scan = scanNumber(text, true);
    if (!scan.hasDigits)
        return 0.0;
    return toDouble(scan.number);
}

std::int16_t roundToInt16(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value); // half to even in the default mode
    if (rounded >= std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    if (rounded <= std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(rounded);
}

std::int16_t lenientInt16(std::string_view text)
{
    return roundToInt16(leadingNumber(text));
}

std::optional<std::int16_t> strictInt16(std::string_view text)
{
    const auto value = wholeNumber(text);
    if (!value)
        return std::nullopt;
    return roundToInt16(*value);
}

std::optional<float> strictNumber(std::string_view text)
{
    const auto value = wholeNumber(text);
    // Every value that rounds to a finite float is one; the limit lies
    // halfway between the largest float and the next power of two.
    constexpr double kFloatLimit = 0x1.ffffffp127;
    if (!value || !std::isfinite(*value) || std::fabs(*value) >= kFloatLimit)
        return std::nullopt;
    return static_cast<float>(*value);
}

} // namespace fw
