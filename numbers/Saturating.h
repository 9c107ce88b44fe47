#pragma once

#include <cstdint>
#include <limits>

namespace fw {

// A count raised by one that stops at its top instead of wrapping round.
constexpr std::int16_t raisedByOne(std::int16_t count)
{
    return count == std::numeric_limits<std::int16_t>::max() ? count : std::int16_t(count + 1);
}

} // namespace fw
