#pragma once

#include <cstdint>

// One permanent voice per MIDI key: two spring pairs, the body string, the
// excitation and modulation state, tuning, pans and coefficients. Fields keep
// this order (the record is plain data, 32-bit floats unless stated).
struct KeyVoice
{
    // spring A pair
    float aPartialPosition, aMainPosition, aPartialVelocity, aMainVelocity;
    // spring B pair (in NOISE mode the main position is the filter output)
    float bPartialPosition, bMainPosition, bPartialVelocity, bMainVelocity;
    // sympathetic body string
    float bodyPosition, bodyVelocity;
    // NOISE-mode filter
    float noiseStiffness, noiseResonance;
    // the key's LFO oscillator and decaying envelope
    float lfoPosition, lfoVelocity;
    float envLevel, envDecay;
    // bow oscillator of soft strikes
    float bowVelocity, bowPosition;
    // spring B quantiser grid
    float crushSteps, crushStepReciprocal;
    float hitPower;
    float excitationLevel;
    float strikeForceSnapshot;
    bool link;
    float balanceBase, mainWeight, partialWeight;
    float bendScaleUp, bendScaleDown;
    float diffusion;
    float bDecay;
    float bStiffness, bDetunedStiffness, bTargetStiffness;
    float mainStiffness, mainTargetStiffness, mainTargetReciprocal;
    float partialStiffness, partialTargetStiffness;
    float bDrive;
    float beatGuard;
    float decay;
    float bodyDecay;
    float excitationProgress, hitStep, force;
    float panARight, panBRight, panBodyRight, panALeft, panBLeft, panBodyLeft;
    float aOutput, aActivity, aPrevious;
    float bOutput, bActivity, bPrevious;
    int32_t startOffset;
    bool keyDown;
    bool releaseAfterStrike; // released at the sample its strike begins

    // Stops all motion; tuning, pans and coefficients stay.
    void silence()
    {
        force = 0.0f;
        aPartialPosition = aMainPosition = aPartialVelocity = aMainVelocity = 0.0f;
        bPartialPosition = bMainPosition = bPartialVelocity = bMainVelocity = 0.0f;
        bodyPosition = bodyVelocity = 0.0f;
        aActivity = bActivity = 0.0f;
        aPrevious = bPrevious = 0.0f;
        lfoPosition = lfoVelocity = 0.0f;
        excitationProgress = 0.0f;
        bowVelocity = bowPosition = 0.0f;
        envLevel = 0.0f;
        excitationLevel = 0.0f;
        keyDown = false;
        releaseAfterStrike = false;
    }
};

// Keys that react to notes and are rendered: the 88 keys of a piano.
constexpr int kFirstKey = 21;
constexpr int kLastKey = 108;
constexpr int kKeyCount = 128;
