#include "engine/Phaser.h"
#include "common/DspConstants.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/Curves.h"
#include "engine/Denormals.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kQuarterTurn = 1.5707963705062866; // radians per beat of the song-locked sweep

inline float unit(float v)
{
    if (!(v > 0.0f))
        return 0.0f;
    return v > 1.0f ? 1.0f : v;
}

} // namespace

void Phaser::setFrequency(float v, float concertA, float fs)
{
    if (!std::isfinite(v))
        v = 0.0f;
    const double T = 1.0 / static_cast<double>(fs);
    const double f = std::pow(2.0, (128.0 * v - 69.0) / 12.0) * concertA;
    stiffness_ = f * f * kFourPiSquared * T * T;
}

void Phaser::setFeedback(float v) { feedback_ = std::pow(unit(v), 0.25f); }
void Phaser::setMix(float v) { mix_ = std::isfinite(v) ? v : 0.0f; }

void Phaser::setTremoloSync(float v, float beatsPerSample)
{
    const int mode = static_cast<int>(2.0f * unit(v));
    sync_ = static_cast<Sync>(mode);
    updateIncrement(beatsPerSample);
}

void Phaser::setTremoloRate(float v, float beatsPerSample)
{
    rate_ = unit(v);
    updateIncrement(beatsPerSample);
}

void Phaser::setTremoloWidth(float v)
{
    if (!std::isfinite(v))
        v = 0.5f;
    width_ = (2.0f * v - 1.0f) * 3.14159265f;
}

void Phaser::updateIncrement(float beatsPerSample)
{
    if (sync_ == Sync::Off)
    {
        increment_ = std::pow(rate_, 4.0f) * 0.002f + 0.0001f;
    }
    else
    {
        const int n = static_cast<int>(16.0f * rate_);
        double perBeat = std::pow(2.0, n / 2.0);
        // Song mode sets the phase at each block start at pi/2 per beat of
        // this; within the block it must run at the same pace, or it steps
        // at every block.
        if (sync_ == Sync::Song)
            perBeat *= kQuarterTurn;
        increment_ = static_cast<float>(perBeat * beatsPerSample);
    }
}

void Phaser::tempoChanged(float beatsPerSample)
{
    if (sync_ != Sync::Off) // both synced modes run at the tempo
        updateIncrement(beatsPerSample);
}

void Phaser::followSongPosition(double songPosition)
{
    if (sync_ == Sync::Song && std::isfinite(songPosition))
    {
        const int n = static_cast<int>(16.0f * rate_);
        // Whole turns change nothing in the sweep; folding them away keeps the
        // phase precise late in a song.
        const double p = std::pow(2.0, n * 0.5) * songPosition * kQuarterTurn;
        phase_ = std::fmod(p, kTwoPi);
        if (phase_ < 0.0)
            phase_ += kTwoPi;
    }
}

void Phaser::clear()
{
    left_ = Node{};
    right_ = Node{};
}

float Phaser::stage(Node& n, float x, double phase, float depth)
{
    const double g = (depth * fastSin(phase) + 1.0) * stiffness_;
    const float a = static_cast<float>((1.0 - g) / (g + 1.0));
    float w = x - n.y * feedback_ * a;
    n.y = n.s - w * a;
    n.s = n.y * a + w;
    if (isTiny(w))
        w = 0.0f;
    n.w = w;
    return x - mix_ * w;
}

void Phaser::process(float& left, float& right, float depth)
{
    if (mix_ == 0.0f)
        return;
    // Depth beyond 0..1 could drive the node's pole through a division by zero.
    depth = unit(depth);
    left = stage(left_, left, phase_, depth);
    right = stage(right_, right, phase_ + width_, depth);
    phase_ += increment_;
    if (phase_ > kTwoPi)
        phase_ -= kTwoPi;
}
