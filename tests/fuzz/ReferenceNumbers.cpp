#include "ReferenceNumbers.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace fwref {

namespace {

// A non-negative whole number of any size, in 32-bit limbs, lowest first.
// Only what the conversion needs, written for clarity rather than speed.
class Big {
public:
    Big() = default;
    explicit Big(std::uint64_t value)
    {
        while (value != 0) {
            m_limbs.push_back(static_cast<std::uint32_t>(value));
            value >>= 32;
        }
    }

    bool isZero() const { return m_limbs.empty(); }

    // this = this * factor + addend
    void mulAdd(std::uint32_t factor, std::uint32_t addend)
    {
        std::uint64_t carry = addend;
        for (std::uint32_t &limb : m_limbs) {
            const std::uint64_t product = std::uint64_t(limb) * factor + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0)
            m_limbs.push_back(static_cast<std::uint32_t>(carry));
        trim();
    }

    Big times(const Big &other) const
    {
        Big result;
        if (isZero() || other.isZero())
            return result;
        result.m_limbs.assign(m_limbs.size() + other.m_limbs.size(), 0);
        for (std::size_t i = 0; i < m_limbs.size(); ++i) {
            std::uint64_t carry = 0;
            for (std::size_t j = 0; j < other.m_limbs.size(); ++j) {
                const std::uint64_t sum
                    = std::uint64_t(m_limbs[i]) * other.m_limbs[j] + result.m_limbs[i + j] + carry;
                result.m_limbs[i + j] = static_cast<std::uint32_t>(sum);
                carry = sum >> 32;
            }
            std::size_t k = i + other.m_limbs.size();
            while (carry != 0) {
                const std::uint64_t sum = std::uint64_t(result.m_limbs[k]) + carry;
                result.m_limbs[k] = static_cast<std::uint32_t>(sum);
                carry = sum >> 32;
                ++k;
            }
        }
        result.trim();
        return result;
    }

    Big shiftedLeft(long bits) const
    {
        Big result;
        if (isZero())
            return result;
        const auto whole = static_cast<std::size_t>(bits / 32);
        const auto part = static_cast<unsigned>(bits % 32);
        result.m_limbs.assign(whole, 0);
        std::uint32_t carry = 0;
        for (std::uint32_t limb : m_limbs) {
            result.m_limbs.push_back(part == 0 ? limb : (limb << part) | carry);
            carry = part == 0 ? 0 : limb >> (32 - part);
        }
        if (carry != 0)
            result.m_limbs.push_back(carry);
        return result;
    }

    // this - other, for other <= this.
    Big minus(const Big &other) const
    {
        Big result = *this;
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < result.m_limbs.size(); ++i) {
            std::int64_t diff = std::int64_t(result.m_limbs[i]) - borrow
                - (i < other.m_limbs.size() ? std::int64_t(other.m_limbs[i]) : 0);
            borrow = diff < 0 ? 1 : 0;
            if (diff < 0)
                diff += std::int64_t(1) << 32;
            result.m_limbs[i] = static_cast<std::uint32_t>(diff);
        }
        result.trim();
        return result;
    }

    long bitLength() const
    {
        if (isZero())
            return 0;
        long bits = static_cast<long>(m_limbs.size() - 1) * 32;
        for (std::uint32_t top = m_limbs.back(); top != 0; top >>= 1)
            ++bits;
        return bits;
    }

    friend int compare(const Big &a, const Big &b)
    {
        if (a.m_limbs.size() != b.m_limbs.size())
            return a.m_limbs.size() < b.m_limbs.size() ? -1 : 1;
        for (std::size_t i = a.m_limbs.size(); i-- > 0;) {
            if (a.m_limbs[i] != b.m_limbs[i])
                return a.m_limbs[i] < b.m_limbs[i] ? -1 : 1;
        }
        return 0;
    }

private:
    void trim()
    {
        while (!m_limbs.empty() && m_limbs.back() == 0)
            m_limbs.pop_back();
    }

    std::vector<std::uint32_t> m_limbs;
};

Big powerOfTen(long exponent)
{
    Big result(1);
    for (long i = 0; i < exponent; ++i)
        result.mulAdd(10, 0);
    return result;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A number taken apart: value = (negative ? -1 : 1) * digits * 10^exponent.
struct Parts {
    bool negative = false;
    std::string digits;
    long exponent = 0;
    std::size_t length = 0; // characters of the text that made it
};

// Exponents this far out are all the same to a double; reading stops
// growing them here so a long run of digits cannot overflow.
constexpr long kExponentCap = 100000000;

// Reads one number from the start of `text`, which holds no blanks to skip.
// Nothing when the text does not begin with a number.
std::optional<Parts> readNumber(std::string_view text)
{
    Parts parts;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        parts.negative = text[pos] == '-';
        ++pos;
    }
    bool anyDigit = false;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        parts.digits.push_back(text[pos]);
        anyDigit = true;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        for (; pos < text.size() && isDigit(text[pos]); ++pos) {
            parts.digits.push_back(text[pos]);
            --parts.exponent; // every digit after the point is a tenth more
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    parts.length = pos;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t look = pos + 1;
        bool minus = false;
        if (look < text.size() && (text[look] == '+' || text[look] == '-')) {
            minus = text[look] == '-';
            ++look;
        }
        if (look < text.size() && isDigit(text[look])) {
            long power = 0;
            for (; look < text.size() && isDigit(text[look]); ++look)
                power = std::min(kExponentCap, power * 10 + (text[look] - '0'));
            parts.exponent += minus ? -power : power;
            parts.length = look;
        }
    }
    return parts;
}

double toDouble(const Parts &parts)
{
    return nearestDouble(parts.negative, parts.digits, parts.exponent);
}

} // namespace

double nearestDouble(bool negative, std::string_view digitText, long exponent)
{
    const double sign = negative ? -1.0 : 1.0;
    const std::size_t first = std::min(digitText.find_first_not_of('0'), digitText.size());
    const std::string_view digits = digitText.substr(first);
    if (digits.empty())
        return sign * 0.0;
    // The value lies in [10^(count - 1 + exponent), 10^(count + exponent)).
    const long magnitude = static_cast<long>(digits.size()) + exponent;
    if (magnitude > 310) // beyond the largest double and half a step more
        return sign * std::numeric_limits<double>::infinity();
    if (magnitude < -330) // below half the smallest double
        return sign * 0.0;

    // value = numerator / denominator, both whole.
    Big numerator;
    for (char digit : digits)
        numerator.mulAdd(10, static_cast<std::uint32_t>(digit - '0'));
    Big denominator(1);
    if (exponent >= 0)
        numerator = numerator.times(powerOfTen(exponent));
    else
        denominator = powerOfTen(-exponent);

    // The power of two with 2^e <= value < 2^(e+1).
    long e = numerator.bitLength() - denominator.bitLength();
    const auto below = [&](long power) { // value < 2^power
        return power >= 0 ? compare(numerator, denominator.shiftedLeft(power)) < 0
                          : compare(numerator.shiftedLeft(-power), denominator) < 0;
    };
    if (below(e))
        --e;
    if (e > 1023)
        return sign * std::numeric_limits<double>::infinity();

    // Count in steps of 2^-scale: 53 significant bits for normal doubles, the
    // fixed step 2^-1074 below the normal range.
    const long scale = e < -1022 ? 1074 : 52 - e;
    const Big scaled = scale >= 0 ? numerator.shiftedLeft(scale) : numerator;
    const Big divisor = scale >= 0 ? denominator : denominator.shiftedLeft(-scale);

    // The whole number of steps, bit by bit: it is below 2^53.
    std::uint64_t steps = 0;
    for (int bit = 53; bit >= 0; --bit) {
        const std::uint64_t trial = steps | (std::uint64_t(1) << bit);
        if (compare(Big(trial).times(divisor), scaled) <= 0)
            steps = trial;
    }
    // Round the rest: above half a step up, exactly half to an even count.
    const Big twiceRest = scaled.minus(Big(steps).times(divisor)).shiftedLeft(1);
    const int half = compare(twiceRest, divisor);
    if (half > 0 || (half == 0 && (steps & 1) != 0))
        ++steps;
    return sign * std::ldexp(static_cast<double>(steps), static_cast<int>(-scale));
}

double leadingNumber(std::string_view text)
{
    std::string kept;
    for (char c : text) {
        if (!isBlank(c))
            kept.push_back(c);
    }
    const auto parts = readNumber(kept);
    return parts ? toDouble(*parts) : 0.0;
}

std::optional<double> wholeNumber(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const std::string_view core = text.substr(begin, end - begin);
    const auto parts = readNumber(core);
    if (!parts || parts->length != core.size())
        return std::nullopt;
    return toDouble(*parts);
}

std::int16_t roundHalfEven16(double value)
{
    if (value >= 32767.0)
        return 32767;
    if (value <= -32768.0)
        return -32768;
    const double below = std::floor(value);
    const double fraction = value - below; // exact in this range
    double whole = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        whole = below + 1.0;
    return static_cast<std::int16_t>(whole);
}

} // namespace fwref
