#pragma once
// One sample of the whole key bank, stepped in lanes of keys: the plain
// one-key path, SSE2 (every x86-64) and AVX2 (chosen at run time where the
// processor has it). All three give the same bits: each key runs the same
// operations in the same order, the random draws keep their order and the
// sums add the keys in ascending order.
#include <cstdint>

#include "engine/KeyBank.h"

class CrtRandom;

// Engine-wide values one sample of the key bank reads.
struct KeySample
{
    int32_t j; // sample within the block
    // S, ramped per sample, and its S-curve constants (1/S - 2, 1/(1 - S) - 2) while above 0.5
    float saturation;
    bool saturate;
    float sLow, sHigh;
    // the LFO block; its normalisation lfoStiffness^0.5 is worked out once per block
    bool lfo; // (balance or pitch above 0) and a stiffness above 0
    float lfoStiffness, lfoBalance, lfoPitch, lfoNorm;
    double lfoPitchHalf; // 0.5 * lfoPitch in double precision
    bool env; // ENV balance or pitch above 0
    float envBalance, envPitch;
    float modWheelMotion;
    float bend;
    float bDetuneRatio, bOctave;
    bool plain; // no key diffuses or links: spring B draws nothing
    float crush; // "sB crush"
    float gainA; // spring A gain
    float relaxRate; // a released key's glide
    // a release: the decays of a key let go while the pedal is up
    int32_t sustain;
    float releaseDecay, releaseBDecay;
};

// The four sums of one sample, in ascending key order.
struct KeySums
{
    float springL = 0.0f, springR = 0.0f, bodyL = 0.0f, bodyR = 0.0f;
};

// A stretch of up to eight samples rendered key group by key group: the sums
// of each sample and each sample's main stiffness of every key.
struct KeyStretch
{
    static constexpr int kMaxSamples = 8;
    alignas(32) float springL[kMaxSamples], springR[kMaxSamples];
    alignas(32) float bodyL[kMaxSamples], bodyR[kMaxSamples];
    alignas(32) float stiffness[kMaxSamples][kKeyCount];
    bool snapshot[kKeyCount]; // per group: stiffness holds its samples (else the bank's own holds still)
};

// What one instruction set offers the render loop.
struct KeyLaneKernels
{
    int lanes; // keys side by side, and the longest stretch of samples
    // One sample: relaxes released keys toward their tuning, runs the
    // excitation and bend of started keys, ticks every sounding key and body
    // string of 21..108 and adds them to `sums`.
    void (*stepKeys)(KeyBank& bank, const KeySample& in, CrtRandom& random, KeySums& sums);
    // field[n] += value for lowest <= n < highest (the tube's kick into the body strings).
    void (*addToRange)(float* field, int lowest, int highest, float value);
    // A stretch of at most `lanes` samples without events or per-key draws:
    // first every key's springs (their sums per sample), then, with the tube's
    // kick of each sample, the body strings.
    void (*springStretch)(KeyBank& bank, const KeySample* in, int samples, CrtRandom& random, KeyStretch& out);
    void (*bodyStretch)(KeyBank& bank, const float* kicks, int samples, int lowest, int highest, KeyStretch& out);
};

enum class KeyLanePath
{
    Scalar, // one key at a time: the reference
    Sse2,
    Avx2,
};

// The path this processor runs best (AVX2 where it has it, else SSE2).
KeyLanePath bestKeyLanePath();
bool keyLanePathAvailable(KeyLanePath path);
// The kernels the render loop uses; tests may choose a path (false if this
// processor cannot run it).
const KeyLaneKernels& keyLaneKernels();
bool useKeyLanePath(KeyLanePath path);
KeyLanePath keyLanePathInUse();

// The instruction-set units (one per path).
extern const KeyLaneKernels kKeyLanesScalar;
extern const KeyLaneKernels kKeyLanesSse2;
extern const KeyLaneKernels kKeyLanesAvx2;

// Scalar steps of single keys, kept out of line so every path shares them.
// A released key glides back to its tuning.
void relaxKeyPitch(KeyBank& bank, int key, float rate);
// The mod wheel scrapes a started key with eight draws.
void scrapeKey(KeyBank& bank, int key, float modWheelMotion, CrtRandom& random);
// One draw into out[i] for every bit i of `lanes` (in lane order), 0 elsewhere.
void drawLanes(CrtRandom& random, unsigned lanes, int width, float* out);
