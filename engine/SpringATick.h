#pragma once

struct KeyVoice;
class CrtRandom;

// Engine-wide values one key tick reads.
struct KeyTickInputs
{
    float saturation; // S, ramped per sample
    float lfoStiffness;
    float lfoBalance;
    float lfoPitch;
    float envBalance;
    float envPitch;
};

// One sample of a key: its LFO and envelope move the balance and the main
// pitch, spring A rings, drives spring B, and spring A's output is saturated.
void springAKeyTick(KeyVoice& v, const KeyTickInputs& in, CrtRandom& random);
