#include "numbers/NumberText.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace fw {

namespace {

constexpr std::string_view kBlanks = " \t\n\r";

// Where the first character from `pos` on that is not a blank is.
std::size_t pastBlanks(std::string_view text, std::size_t pos)
{
    return std::min(text.find_first_not_of(kBlanks, pos), text.size());
}

// Scans one number (sign, digits, fraction, exponent) from the start of
// `text` after blanks, skipping blanks inside it too when `skipBlanks` is
// set. Returns the characters that make up the number without blanks, and
// where it ended.
struct Scan {
    std::string number;
    std::size_t end = 0;
    bool hasDigits = false;
};

Scan scanNumber(std::string_view text, bool skipBlanks)
{
    Scan scan;
    std::size_t pos = pastBlanks(text, 0);
    // Takes the next character into `into` if it is one of `chars`.
    const auto take = [&](std::string_view chars, std::string &into) {
        if (skipBlanks)
            pos = pastBlanks(text, pos);
        const bool taken = pos < text.size() && chars.find(text[pos]) != std::string_view::npos;
        if (taken)
            into += text[pos++];
        return taken;
    };
    // The digits that come next; whether there were any.
    const auto takeDigits = [&](std::string &into) {
        bool any = false;
        while (take("0123456789", into))
            any = true;
        return any;
    };
    take("+-", scan.number);
    scan.hasDigits = takeDigits(scan.number);
    if (take(".", scan.number))
        scan.hasDigits = takeDigits(scan.number) || scan.hasDigits;
    scan.end = pos;
    // An exponent counts only when digits follow it; otherwise the number
    // ends before the letter.
    std::string exponent;
    if (scan.hasDigits && take("eE", exponent)) {
        take("+-", exponent);
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

// The number that is the whole text, blanks around it allowed.
std::optional<double> wholeNumber(std::string_view text)
{
    const Scan scan = scanNumber(text, false);
    if (!scan.hasDigits || pastBlanks(text, scan.end) != text.size())
        return std::nullopt;
    return toDouble(scan.number);
}

} // namespace

std::string decimalText(long long value)
{
    char buffer[24];
    return std::string(buffer, std::to_chars(buffer, std::end(buffer), value).ptr);
}

std::string positionText(float value)
{
    char buffer[48];
    return std::string(buffer, std::to_chars(buffer, std::end(buffer), value).ptr);
}

double leadingNumber(std::string_view text)
{
    const Scan scan = scanNumber(text, true);
    return scan.hasDigits ? toDouble(scan.number) : 0.0;
}

std::int16_t roundToInt16(double value)
{
    if (std::isnan(value))
        return 0;
    using Limits = std::numeric_limits<std::int16_t>;
    // nearbyint rounds half to even in the default mode.
    return static_cast<std::int16_t>(
        std::clamp(std::nearbyint(value), double(Limits::min()), double(Limits::max())));
}

std::int16_t lenientInt16(std::string_view text)
{
    return roundToInt16(leadingNumber(text));
}

std::optional<std::int16_t> strictInt16(std::string_view text)
{
    if (const auto value = wholeNumber(text))
        return roundToInt16(*value);
    return std::nullopt;
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
