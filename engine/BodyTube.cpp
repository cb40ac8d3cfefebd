#include "engine/BodyTube.h"
#include "common/DspConstants.h"

#include <cmath>
#include <cstring>

#include "engine/CrtRandom.h"
#include "engine/Denormals.h"

namespace {

inline float finiteOrZero(float v) { return std::isfinite(v) ? v : 0.0f; }

// A key index from a normalised value: trunc(128 v), never outside 0..128.
inline int keyIndex(float v)
{
    if (!(v > 0.0f))
        return 0;
    if (v >= 1.0f)
        return BodyTube::kKeys;
    return static_cast<int>(128.0f * v);
}

} // namespace

void BodyTube::setVolume(float v) { volume_ = finiteOrZero(v); }

void BodyTube::setTune(float v, float concertA, float fs)
{
    v = finiteOrZero(v);
    const float T = 1.0f / fs;
    const float f = std::pow(2.0f, (32.0f * v - 12.0f) / 12.0f) * concertA;
    const float fourPiSq = kFourPiSquaredF;
    stiffness_ = f * f * fourPiSq * T * T;
}

void BodyTube::setDiffusion(float v) { diffusion_ = finiteOrZero(v); }

void BodyTube::setSharpness(float v) { sharpness_ = v > 0.0f ? std::pow(std::fmin(v, 1.0f), 0.25f) : 0.0f; }

void BodyTube::setLowest(float v) { lowest_ = keyIndex(v); }
void BodyTube::setHighest(float v) { highest_ = keyIndex(v); }

void BodyTube::clear() { position_ = velocity_ = 0.0f; }

void BodyTube::beginBlock() { kickGain_ = 0.9f * sharpness_ * sharpness_ + 0.1f; }

float BodyTube::step(float L, float& R, CrtRandom& random)
{
    const float r = static_cast<float>(random.next()) * kRandScale;
    position_ -= ((r - 1.0f) * diffusion_ + 1.0f) * (L + R) * 0.0005f;
    const float u = velocity_ - position_;
    velocity_ = u;
    if (isTiny(u))
    {
        position_ = velocity_ = 0.0f;
    }
    else
    {
        position_ += u * stiffness_;
        velocity_ = 0.91f * u;
    }
    if (isTiny(position_))
        position_ = 0.0f;
    R += position_;
    const float kick = ((velocity_ - 1.0f) * sharpness_ + 1.0f) * velocity_;
    if (isTiny(kick))
        return 0.0f;
    return kick * kickGain_ * volume_;
}
