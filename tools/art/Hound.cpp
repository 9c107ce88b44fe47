#include "Pictures.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

// The celebration sound, about 1.8 seconds: two eager yips, a long cheerful
// "arooo" that rises, wavers and falls, then a bright four-note fanfare.
// Every voice is built from sine harmonics with smooth envelopes, and each
// pitch glide accumulates phase, so there are no clicks.
namespace art {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr int kRate = kHoundSampleRate;

double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// An attack-hold-release envelope over [start, end).
double envelope(double t, double start, double end, double attack, double release)
{
    if (t < start || t >= end)
        return 0;
    return smoothstep(start, start + attack, t) * (1 - smoothstep(end - release, end, t));
}

// A voice with a given harmonic recipe, its pitch read each sample.
class Voice {
public:
    explicit Voice(std::vector<double> harmonics)
        : harmonics_(std::move(harmonics))
    {
    }

    double next(double frequency)
    {
        phase_ = std::fmod(phase_ + kTwoPi * frequency / kRate, kTwoPi);
        double sum = 0;
        for (std::size_t h = 0; h < harmonics_.size(); ++h)
            sum += harmonics_[h] * std::sin(phase_ * static_cast<double>(h + 1));
        return sum;
    }

private:
    std::vector<double> harmonics_;
    double phase_ = 0;
};

} // namespace

std::vector<std::int16_t> synthesizeHound()
{
    const double duration = 1.85;
    const int count = static_cast<int>(duration * kRate);
    std::vector<double> mix(count, 0.0);

    // The hound's voice: strong low harmonics, like an open "oo".
    // Each sounding event has voices of its own, so each keeps its phase.
    const std::vector<double> yipRecipe {1.0, 0.55, 0.3, 0.12};
    Voice yips[2] = {Voice(yipRecipe), Voice(yipRecipe)};
    Voice howl({1.0, 0.62, 0.38, 0.22, 0.12, 0.06});
    // The fanfare: brassy, with a bell-like second voice an octave up.
    const double notes[][3]
        = {{1.00, 1.11, 523.25}, {1.10, 1.21, 659.26}, {1.20, 1.31, 783.99}, {1.30, 1.84, 1046.5}};
    std::vector<Voice> horns, bells;
    for (std::size_t n = 0; n < std::size(notes); ++n) {
        horns.emplace_back(std::vector<double> {1.0, 0.7, 0.5, 0.34, 0.2, 0.1});
        bells.emplace_back(std::vector<double> {1.0, 0.0, 0.25});
    }

    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        double v = 0;

        // Two quick rising yips.
        const double yipStarts[2] = {0.0, 0.13};
        for (int k = 0; k < 2; ++k) {
            const double start = yipStarts[k];
            const double e = envelope(t, start + 0.01, start + 0.1, 0.015, 0.04);
            const double f = 420 + 430 * smoothstep(start, start + 0.09, t);
            v += 0.45 * e * yips[k].next(f);
        }

        // The howl: up, a wavering hold, then down.
        {
            const double start = 0.27, end = 1.05;
            const double e = envelope(t, start, end, 0.08, 0.18);
            const double rise = smoothstep(start, start + 0.22, t);
            const double fall = smoothstep(0.72, end, t);
            const double vibrato
                = 1 + 0.035 * std::sin(kTwoPi * 6.2 * (t - start)) * smoothstep(0.4, 0.55, t);
            const double f = (330 + 230 * rise - 170 * fall) * vibrato;
            v += 0.5 * e * howl.next(f);
        }

        // Fanfare: C5, E5, G5, then a held C6.
        for (std::size_t k = 0; k < std::size(notes); ++k) {
            const auto &n = notes[k];
            const double e = envelope(t, n[0], n[1], 0.012, n[1] - n[0] > 0.2 ? 0.35 : 0.05);
            if (e <= 0)
                continue;
            const double shimmer = 1 + 0.004 * std::sin(kTwoPi * 5.5 * (t - n[0]));
            v += 0.32 * e * horns[k].next(n[2] * shimmer);
            v += 0.12 * e * std::exp(-(t - n[0]) * 6) * bells[k].next(n[2] * 2);
        }
        mix[i] = v;
    }

    // Soften the top end a little (one-pole low-pass), then scale to a
    // gentle level with a short fade at both ends.
    double state = 0;
    double peak = 0;
    for (double &s : mix) {
        state += 0.45 * (s - state);
        s = state;
        peak = std::max(peak, std::abs(s));
    }
    std::vector<std::int16_t> samples(count);
    const double gain = 0.45 * 32767 / peak;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double fade
            = smoothstep(0, 0.005, t) * (1 - smoothstep(duration - 0.02, duration, t));
        samples[i] = static_cast<std::int16_t>(std::lround(mix[i] * gain * fade));
    }
    return samples;
}

} // namespace art
