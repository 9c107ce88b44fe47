#pragma once

#include "core/Die.h"

#include <random>

// A die that rolls like the real one but from a fixed seed, so a run can be
// repeated exactly.
class SeededDie final : public fw::Die {
public:
    explicit SeededDie(std::uint64_t seed)
        : m_engine(seed)
    {
    }
    std::int16_t RollDie() override
    {
        const auto bits = static_cast<std::uint32_t>(m_engine() >> 40);
        return fw::faceFromDraw(static_cast<float>(bits) * 0x1p-24f);
    }

private:
    std::mt19937_64 m_engine;
};
