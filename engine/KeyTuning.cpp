#include "engine/KeyTuning.h"
#include "common/DspConstants.h"

#include <cmath>

#include "engine/Curves.h"
#include "engine/EngineState.h"

namespace {

// A draw turned into a spread factor in -0.25..+0.25.
float spreadFactor(CrtRandom& random)
{
    const float r = static_cast<float>(random.next());
    return r * 0.5f * kRandScale + 0.75f - 1.0f;
}

float springBFrequency(float factor, float spread, float position, float concertA)
{
    return std::pow(2.0f, ((factor * spread + 1.0f) * position * 128.0f - 69.0f) / 12.0f) * concertA;
}

} // namespace

void computeMainTuning(EngineState& s)
{
    KeyBank& bank = s.keys;
    const double t2 = s.clock.periodSquared;
    for (int n = kFirstKey; n <= kLastKey; ++n)
    {
        const float f = std::pow(2.0f, static_cast<float>(n - 69) / 12.0f) * s.tuning.concertA;
        const double k = s.tuning.microtuning[n % 12] * (f * kFourPiSquared * f * t2);
        // Above the engine's stability ceiling (top keys at low rates) the
        // oscillator would grow without bound instead of ringing.
        bank.mainStiffness[n] = static_cast<float>(k < kStableStiffness ? k : kStableStiffness);
        bank.mainTargetStiffness[n] = bank.mainStiffness[n];
        bank.mainTargetReciprocal[n] = 1.0f / bank.mainStiffness[n];
        bank.scrapeGain[n] = std::pow(bank.mainTargetReciprocal[n], 0.25f);
    }
}

void computePartialTuning(EngineState& s)
{
    KeyBank& bank = s.keys;
    // The tables draw from their own seeded generator: a program always tunes
    // the same way, and the audio thread's generator is never touched from here.
    CrtRandom random;
    random.seed(333);
    for (int n = kFirstKey; n <= kLastKey; ++n)
    {
        const float spread = spreadFactor(random);
        // Tenths of a semitone; bounded so a wild offset cannot overflow the integer.
        const float cents =
            clampf((spread * s.tuning.partialSpread + 1.0f) * s.tuning.partialOffset * -480.0f, -1e6f, 1e6f);
        const int c = -120 - static_cast<int>(std::trunc(cents));
        const double ratio = std::pow(2.0, c / 60.0);
        const float k = static_cast<float>(ratio * bank.mainStiffness[n]);
        bank.partialStiffness[n] = k < kStableStiffness ? k : kStableStiffness;
        bank.partialTargetStiffness[n] = bank.partialStiffness[n];
    }
}

void computeSpringBTuning(EngineState& s)
{
    KeyBank& bank = s.keys;
    const TuningState& t = s.tuning;
    const float lo = t.bOffset + t.bBottom;
    const float hi = t.bOffset + t.bTop;
    const float step = (hi - lo) * (1.0f / 128.0f);
    const double fs = s.clock.rate;
    float position = lo;
    CrtRandom random;
    random.seed(3334);
    for (int n = 0; n < kKeyCount; ++n, position += step)
    {
        // The first draw only decides the 12 kHz limit.
        float f = springBFrequency(spreadFactor(random), t.bSpread, position, t.concertA);
        if (f > 12000.0f)
        {
            f = 12000.0f;
        }
        else
        {
            f = springBFrequency(spreadFactor(random), t.bSpread, position, t.concertA);
        }
        bank.crushSteps[n] = std::pow(2.0f, std::floor(f / 3000.0f) + 3.0f);
        bank.crushStepReciprocal[n] = 1.0f / bank.crushSteps[n];

        double kB = f * kFourPiSquared * f / (fs * fs) * t.microtuning[n % 12];
        // Drop by octaves until the spring is stable (bounded for any input).
        for (int i = 0; kB > kStableStiffness && i < 2100; ++i)
            kB *= 0.5;
        const float k = static_cast<float>(kB);
        bank.bStiffness[n] = k;
        bank.bTargetStiffness[n] = k;
        bank.bDetunedStiffness[n] = k * t.bDetuneRatio;
        if (k < kOctaveSwitchLimit && t.bOctave == 1.0f)
            bank.bDetunedStiffness[n] *= 4.0f;
    }
    computeBeatGuard(s);
}

void computeBeatGuard(EngineState& s)
{
    KeyBank& bank = s.keys;
    for (int n = kFirstKey; n <= kLastKey; ++n)
    {
        float guard = 1.0f;
        const float r = 1.0f / bank.bStiffness[n];
        const float d = std::fabs(1.0f - r * bank.partialStiffness[n]);
        if (d < 0.5f)
            guard = bend(2.0f * d, 2.0f);
        if (s.tuning.bOffset < 0.05f)
        {
            const float d2 = std::fabs(1.0f - r * bank.mainStiffness[n]);
            if (d2 < 0.5f)
                guard = (bend(2.0f * d2, 2.0f) * 0.99f + 0.01f) * guard;
        }
        bank.beatGuard[n] = guard;
    }
}

void computeDrive(EngineState& s)
{
    const float twiceV = 2.0f * s.tuning.bVolume;
    KeyBank& bank = s.keys;
    for (int n = 0; n < kKeyCount; ++n)
        bank.bDrive[n] = std::pow(bank.mainStiffness[n] * 0.3129890561103821f, 0.75f) * twiceV * 10.0f;
}

void computeBendScale(EngineState& s, int pitchClass, float u, bool upward)
{
    if (pitchClass < 0 || pitchClass > 11)
        return;
    const float range = upward ? s.perf.pitchRange : -s.perf.pitchRange;
    // At range 0 the formula is 0/0 while the bend stays 1.0; its limit is u.
    float scale = u;
    if (range != 0.0f)
        scale = (std::pow(2.0f, range * u / 6.0f) - 1.0f) / (std::pow(2.0f, range / 6.0f) - 1.0f);
    for (int n = pitchClass; n < kKeyCount; n += 12)
    {
        if (upward)
            s.keys.bendScaleUp[n] = scale;
        else
            s.keys.bendScaleDown[n] = scale;
    }
}

void computeNoiseStiffness(EngineState& s, float v)
{
    const float f = std::pow(2.0f, (68.0f * v - 12.0f) / 12.0f) * s.tuning.concertA;
    float k = f * f * kFourPiSquaredF * s.clock.periodSquared;
    // At low rates the top of the range lies where the filter cannot ring (it
    // would grow without bound): it drops by octaves instead.
    for (int i = 0; i < 64 && k > kRingingLimit; ++i)
        k *= 0.5f;
    s.tuning.noiseStiffness = k;
    for (int n = kFirstKey; n <= kLastKey; ++n)
        s.keys.noiseStiffness[n] = s.tuning.noiseStiffness;
}

void computeNoiseResonance(EngineState& s, float v)
{
    s.tuning.noiseResonance = 0.98f * v + 0.01f;
    for (int n = kFirstKey; n <= kLastKey; ++n)
        s.keys.noiseResonance[n] = s.tuning.noiseResonance;
}

void computeRelaxRate(EngineState& s, float v)
{
    const float r = std::pow(2.0f, 15.0f * v);
    // Beyond 1 (fast settings at low rates) each step would overshoot the
    // target and the glide would diverge; 1 is an immediate return.
    const float rate = r * r * s.clock.periodSquared;
    s.tuning.relaxRate = rate < 1.0f ? rate : 1.0f;
}
