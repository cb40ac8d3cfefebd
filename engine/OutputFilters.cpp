#include "engine/OutputFilters.h"

#include <cmath>
#include <cstdint>
#include <cstring>

double OutputFilters::pole(float v, float fs)
{
    if (!std::isfinite(v) || v < 0.0f)
        v = 0.0f;
    const float T = 1.0f / fs;
    const double cutoff = static_cast<double>(2054.949951171875f * v);
    return std::exp(-6.283185307179586 * cutoff * static_cast<double>(T));
}

void OutputFilters::setHighpass(float v, float fs)
{
    const double e = pole(v, fs);
    hA_ = static_cast<float>(-e);
    hB_ = static_cast<float>(1.0 - e);
}

void OutputFilters::setLowpass(float v, float fs)
{
    const double e = pole(v, fs);
    lA_ = static_cast<float>(-e);
    lB_ = static_cast<float>(1.0 - e);
}

void OutputFilters::clear() { sL_ = sR_ = tL_ = tR_ = 0.0f; }

bool OutputFilters::atRest() const
{
    uint32_t bits[4];
    const float states[4] = {sL_, sR_, tL_, tR_};
    std::memcpy(bits, states, sizeof bits);
    return (bits[0] | bits[1] | bits[2] | bits[3]) == 0;
}

void OutputFilters::process(float* left, float* right, int frames)
{
    // Locals: the outputs could otherwise alias the coefficients in every sample.
    const float hA = hA_, hB = hB_, lA = lA_, lB = lB_;
    float sL = sL_, sR = sR_, tL = tL_, tR = tR_;
    for (int j = 0; j < frames; ++j)
    {
        float xL = left[j], xR = right[j];
        // High-pass: the signal minus its own low-passed copy.
        sL = hB * xL - hA * sL;
        sR = hB * xR - hA * sR;
        xL -= sL;
        xR -= sR;
        tR = lB * xR - lA * tR;
        tL = lB * xL - lA * tL;
        left[j] = tL;
        right[j] = tR;
    }
    sL_ = sL;
    sR_ = sR;
    tL_ = tL;
    tR_ = tR;
}
