#pragma once

#include <cstdint>

// Keys that react to notes and are rendered: the 88 keys of a piano.
constexpr int kFirstKey = 21;
constexpr int kLastKey = 108;
constexpr int kKeyCount = 128;

// One permanent voice per MIDI key, kept as one aligned array per field so
// the render loop can step several keys at once: two spring pairs, the body
// string, the excitation and modulation state, tuning, pans and coefficients.
// Flags are 32-bit integers (0 or 1) so they load into the same lanes.
struct KeyBank
{
    static constexpr float kNotBent = __builtin_nanf("");

    template <typename T>
    using Field = T[kKeyCount];

    // spring A pair
    alignas(32) Field<float> aPartialPosition, aMainPosition, aPartialVelocity, aMainVelocity;
    // spring B pair (in NOISE mode the main position is the filter output)
    alignas(32) Field<float> bPartialPosition, bMainPosition, bPartialVelocity, bMainVelocity;
    // sympathetic body string
    alignas(32) Field<float> bodyPosition, bodyVelocity;
    // NOISE-mode filter
    alignas(32) Field<float> noiseStiffness, noiseResonance;
    // the key's LFO oscillator and decaying envelope
    alignas(32) Field<float> lfoPosition, lfoVelocity;
    alignas(32) Field<float> envLevel, envDecay;
    // bow oscillator of soft strikes
    alignas(32) Field<float> bowVelocity, bowPosition;
    // spring B quantiser grid
    alignas(32) Field<float> crushSteps, crushStepReciprocal;
    alignas(32) Field<float> hitPower;
    alignas(32) Field<float> excitationLevel;
    alignas(32) Field<float> strikeForceSnapshot;
    alignas(32) Field<int32_t> link;
    alignas(32) Field<float> balanceBase;
    alignas(32) Field<float> bendScaleUp, bendScaleDown;
    alignas(32) Field<float> diffusion;
    alignas(32) Field<float> bDecay;
    alignas(32) Field<float> bStiffness, bDetunedStiffness, bTargetStiffness;
    alignas(32) Field<float> mainStiffness, mainTargetStiffness, mainTargetReciprocal;
    // mainTargetReciprocal^0.25: the wheel scrape's gain, worked out with the tuning
    alignas(32) Field<float> scrapeGain;
    alignas(32) Field<float> partialStiffness, partialTargetStiffness;
    alignas(32) Field<float> bDrive;
    alignas(32) Field<float> beatGuard;
    alignas(32) Field<float> decay;
    alignas(32) Field<float> bodyDecay;
    alignas(32) Field<float> excitationProgress, hitStep, force;
    alignas(32) Field<float> panARight, panBRight, panBodyRight, panALeft, panBLeft, panBodyLeft;
    alignas(32) Field<float> aOutput, aActivity, aPrevious;
    alignas(32) Field<float> bOutput, bActivity, bPrevious;
    alignas(32) Field<int32_t> startOffset;
    alignas(32) Field<int32_t> keyDown;
    alignas(32) Field<int32_t> releaseAfterStrike; // released at the sample its strike begins
    // The bend a held key's tuning was last bent with in this block (NaN: not
    // yet): while it stays, bending again would change nothing.
    alignas(32) Field<float> bentWith;

    // Stops all motion of key n; tuning, pans and coefficients stay.
    void silence(int n)
    {
        force[n] = 0.0f;
        aPartialPosition[n] = aMainPosition[n] = aPartialVelocity[n] = aMainVelocity[n] = 0.0f;
        bPartialPosition[n] = bMainPosition[n] = bPartialVelocity[n] = bMainVelocity[n] = 0.0f;
        bodyPosition[n] = bodyVelocity[n] = 0.0f;
        aActivity[n] = bActivity[n] = 0.0f;
        aPrevious[n] = bPrevious[n] = 0.0f;
        lfoPosition[n] = lfoVelocity[n] = 0.0f;
        excitationProgress[n] = 0.0f;
        bowVelocity[n] = bowPosition[n] = 0.0f;
        envLevel[n] = 0.0f;
        excitationLevel[n] = 0.0f;
        keyDown[n] = 0;
        releaseAfterStrike[n] = 0;
        bentWith[n] = kNotBent;
    }

    void silenceAll()
    {
        for (int n = 0; n < kKeyCount; ++n)
            silence(n);
    }

    // One value into a field of every key.
    template <typename T>
    static void fill(Field<T>& field, T value)
    {
        for (T& x : field)
            x = value;
    }
};
