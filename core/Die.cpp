#include "core/Die.h"

#include <chrono>
#include <cmath>

namespace fw {

std::int16_t faceFromDraw(float r)
{
    const float scaled = r * 5.0f + 1.0f;
    return static_cast<std::int16_t>(std::nearbyint(scaled));
}

ClockDie::ClockDie()
    : m_engine(std::random_device {}())
{
}

std::int16_t ClockDie::RollDie()
{
    const auto now
        = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    m_engine.seed(m_engine() ^ now);
    // 24 random bits give every float in [0, 1) on the 2^-24 grid evenly.
    const auto bits = static_cast<std::uint32_t>(m_engine() >> 40);
    const float r = static_cast<float>(bits) * 0x1p-24f;
    return faceFromDraw(r);
}

} // namespace fw
