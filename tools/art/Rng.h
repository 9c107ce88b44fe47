#pragma once

#include <cstdint>

// A small seeded generator (splitmix64). The standard distributions are
// implementation-defined, so the art draws its numbers here to come out the
// same, byte for byte, on every run and every standard library.
class Rng {
public:
    explicit Rng(std::uint64_t seed)
        : state_(seed)
    {
    }

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    // Uniform in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    // Roughly normal, mean 0 and deviation 1 (sum of four uniforms).
    double gauss() { return (unit() + unit() + unit() + unit() - 2.0) * 1.7320508; }

private:
    std::uint64_t state_;
};
