#pragma once

#include <cstdint>
#include <random>

namespace fw {

// The game's one source of chance. Generation and hints ask it for faces
// 1..6; tests replace it with a die that returns chosen faces.
class Die {
public:
    virtual ~Die() = default;
    virtual std::int16_t RollDie() = 0;
};

// Maps a uniform single-precision draw r in [0, 1) to a face: r * 5 + 1
// rounded half to even. Faces 1 and 6 come with chance 1/10, 2..5 with 1/5.
std::int16_t faceFromDraw(float r);

// The real die. Every roll stirs the current time into the generator before
// drawing, so rolls differ from run to run; because the generator keeps its
// own state across re-seeds, many rolls within one clock tick still vary.
class ClockDie final : public Die {
public:
    ClockDie();
    std::int16_t RollDie() override;

private:
    std::mt19937_64 m_engine;
};

} // namespace fw
