#include "engine/Crusher.h"

#include <cmath>
#include <cstdint>

void Crusher::setBits(float v)
{
    // The bit count indexes the step grid: keep it within 0..16 whatever arrives.
    int bits = 0;
    if (v > 0.0f)
        bits = v >= 1.0f ? 16 : static_cast<int>(16.0f * v);
    steps_ = static_cast<float>(1 << bits);
    reciprocal_ = 1.0f / steps_;
}

void Crusher::setShape(float v)
{
    // Beyond 1 the bend curve would divide by zero inside a step.
    if (!(v > 0.0f))
        v = 0.0f;
    if (v > 1.0f)
        v = 1.0f;
    shape_ = 0.4999f * v + 0.5f;
    curve_ = shape_ > 0.0f ? 1.0f / shape_ - 2.0f : 0.0f;
}

namespace {

// floor without a library call and without a branch on the value: whole below
// 2^23 by truncation (one down for negative fractions, floor(-0) is -0); from
// 2^23 on (and NaN) the value itself.
inline float floorOf(float y)
{
    const float a = std::fabs(y);
    const bool fraction = a < 8388608.0f;
    const float whole = std::copysign(static_cast<float>(static_cast<int32_t>(fraction ? a : 0.0f)), y);
    const float down = whole > y ? whole - 1.0f : whole;
    return fraction ? down : y;
}

} // namespace

float Crusher::crush(float x) const
{
    const float y = (x + 1.0f) * steps_;
    const float f = floorOf(y);
    const float t = y - f;
    const float bent = t / ((1.0f - t) * curve_ + 1.0f);
    return (bent + f - steps_) * reciprocal_;
}

void Crusher::process(float& left, float& right) const
{
    // A straight shape maps every sample onto itself: skip the rounding it would add.
    if (!(shape_ > 0.0f) || shape_ == 0.5f)
        return;
    left = crush(left);
    right = crush(right);
}
