#include "engine/Sand.h"
#include "common/DspConstants.h"

#include <cmath>
#include <cstring>

#include "engine/CrtRandom.h"
#include "engine/Denormals.h"
#include "engine/SpringPair.h"

namespace {

inline float finiteOrZero(float v) { return std::isfinite(v) ? v : 0.0f; }

// Two-stage resonant filter driven by one channel's click energy.
inline void ring(float energy, float G, float D, float& pos, float& vel1, float& vel2)
{
    dampedStage(energy, pos, vel1, D, G);
    dampedStage(pos, pos, vel2, D, G);
}

} // namespace

Sand::Sand() : grains_(new Grain[kGrains]())
{
    count_ = kGrains;
    layout();
    count_ = 0;
}

Sand::~Sand() { delete[] grains_; }

void Sand::setCount(float v)
{
    // The count bounds every walk over the table: keep it within 0..100.
    int n = 0;
    if (v > 0.0f)
        n = v >= 1.0f ? kGrains : static_cast<int>(100.0f * v);
    count_ = n;
    layout();
    clearState();
}

void Sand::setBounce(float v)
{
    v = finiteOrZero(v);
    g1_ = 0.5f * v;
    g2_ = 0.25f * v;
}

void Sand::setWidth(float v) { width_ = finiteOrZero(v); }

void Sand::setStiffness(float v, float concertA, float fs)
{
    v = finiteOrZero(v);
    const float T = 1.0f / fs;
    const float f = std::pow(2.0f, (68.0f * v - 12.0f) / 12.0f) * concertA;
    float k = f * f * kFourPiSquaredF * T * T;
    // At low rates the top of the range lies where the filter cannot ring (it
    // would grow without bound): it drops by octaves instead, as the NOISE filter does.
    for (int i = 0; i < 64 && k > kRingingLimit; ++i)
        k *= 0.5f;
    stiffness_ = k;
}

void Sand::setDamping(float v) { damping_ = 0.9f * finiteOrZero(v); }

void Sand::layout()
{
    if (count_ <= 0)
        return;
    const float step = 2.0f / static_cast<float>(count_);
    float x = -1.0f;
    for (int i = 0; i < count_; ++i)
    {
        grains_[i] = Grain{x, 0.0f, 0.0f, 0.0f, 0.0f};
        x += step;
    }
}

void Sand::clearState()
{
    floorHeight_ = floorSpeed_ = 0.0f;
    energyL_ = energyR_ = 0.0f;
    posL_ = vel1L_ = vel2L_ = 0.0f;
    posR_ = vel1R_ = vel2R_ = 0.0f;
}

void Sand::process(float& L, float& R, CrtRandom& random)
{
    const int n = count_;
    if (n <= 0 || n > kGrains)
        return;
    energyL_ = energyR_ = 0.0f;
    const float in = (L + R) * 0.5f;
    floorSpeed_ = (floorSpeed_ - in) * 0.25f;
    floorHeight_ -= floorSpeed_ * 0.1f;
    const float fh = floorHeight_;
    const float perGrain = 1.0f / static_cast<float>(n);
    float count = 0.0f;

    for (int i = 0; i < n; ++i)
    {
        Grain& g = grains_[i];
        if (fh < g.y)
            g.ySpeed -= g.ySpeed * g.ySpeed + 1e-05f;
        g.y += g.ySpeed;
        if (g.y <= fh)
        {
            // Bounce: mirror the overshoot and lose some speed.
            g.y = (g.ySpeed - (fh - g.y)) + fh;
            const float s = 1.0f - static_cast<float>(random.next()) * 2.0f * kRandScale;
            g.ySpeed = std::fmax(floorSpeed_, 0.0f) * 0.005f -
                       (1.0f - g.x * 0.5f * g.x) * g.ySpeed * (g1_ - std::fabs(s) * g2_);
            if (std::fabs(g.ySpeed) >= 1.5e-05f)
            {
                g.amplitude += g.ySpeed * 100.0f;
                g.xSpeed = (s + g.xSpeed) * g.ySpeed * 0.25f;
                count += perGrain;
            }
            else
            {
                g.ySpeed = 0.0f;
                g.y = fh;
                g.xSpeed = 0.0f;
            }
        }
        g.x += g.xSpeed;
        if (g.x > 1.0f || g.x < -1.0f)
        {
            g.xSpeed = -g.xSpeed;
            g.x += g.xSpeed;
        }
        if (isTiny(g.amplitude))
        {
            g.amplitude = 0.0f;
        }
        else
        {
            const float p = g.x * 0.5f * width_ + 0.5f;
            const float e = g.amplitude * g.amplitude;
            energyR_ += p * e;
            energyL_ += (1.0f - p) * e;
            g.amplitude *= 0.5f - g.x * 0.499f * g.x;
        }
    }

    const float G = (count * 0.9f + 0.1f) * stiffness_;
    ring(energyL_, G, damping_, posL_, vel1L_, vel2L_);
    ring(energyR_, G, damping_, posR_, vel1R_, vel2R_);
    L += posL_;
    R += posR_;
}
