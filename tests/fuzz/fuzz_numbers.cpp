// Fuzzes the game's readings of numbers: any bytes, read leniently and
// strictly, must give what the slow reference reading gives, and what the
// game writes must read back as the same value.
#include "numbers/NumberText.h"
#include "ReferenceNumbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void mismatch(
    const char *what, std::string_view text, const std::string &game, const std::string &reference)
{
    std::fprintf(stderr, "%s disagrees on \"%.*s\" (%zu bytes): game %s, reference %s\n", what,
        static_cast<int>(std::min<std::size_t>(text.size(), 200)), text.data(), text.size(),
        game.c_str(), reference.c_str());
    std::abort();
}

std::string show(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

template <typename T> std::string show(const std::optional<T> &value)
{
    return value ? show(static_cast<double>(*value)) : std::string("nothing");
}

// Equal as numbers; the sign of a zero is no part of the rules.
bool same(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

void checkLenient(std::string_view text)
{
    const double game = fw::leadingNumber(text);
    const double reference = fwref::leadingNumber(text);
    if (!same(game, reference))
        mismatch("leadingNumber", text, show(game), show(reference));
    const std::int16_t rounded = fw::lenientInt16(text);
    const std::int16_t expected = fwref::roundHalfEven16(reference);
    if (rounded != expected)
        mismatch("lenientInt16", text, show(double(rounded)), show(double(expected)));
}

void checkStrict(std::string_view text)
{
    const std::optional<double> whole = fwref::wholeNumber(text);

    const std::optional<std::int16_t> game16 = fw::strictInt16(text);
    std::optional<std::int16_t> reference16;
    if (whole)
        reference16 = fwref::roundHalfEven16(*whole);
    if (game16 != reference16)
        mismatch("strictInt16", text, show(game16), show(reference16));

    // A single-precision number: every value that rounds to a finite float,
    // the largest one included. Halfway between the largest float and the
    // next power of two, rounding goes up and out of range.
    const std::optional<float> gameFloat = fw::strictNumber(text);
    std::optional<float> referenceFloat;
    constexpr double kFloatLimit = 0x1p128 - 0x1p103;
    if (whole && std::fabs(*whole) < kFloatLimit)
        referenceFloat = static_cast<float>(*whole);
    if (gameFloat.has_value() != referenceFloat.has_value()
        || (gameFloat && !same(*gameFloat, *referenceFloat)))
        mismatch("strictNumber", text, show(gameFloat), show(referenceFloat));

    // What the game writes reads back as the same value: window positions
    // and the 16-bit records.
    if (gameFloat) {
        const std::string written = fw::positionText(*gameFloat);
        const std::optional<float> back = fw::strictNumber(written);
        if (!back || !same(*back, *gameFloat))
            mismatch("positionText read back", written, show(back), show(gameFloat));
    }
    if (game16) {
        const std::string written = fw::decimalText(*game16);
        if (fw::strictInt16(written) != game16 || fw::lenientInt16(written) != *game16)
            mismatch(
                "decimalText read back", written, show(fw::strictInt16(written)), show(game16));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    checkLenient(text);
    checkStrict(text);
    return 0;
}
