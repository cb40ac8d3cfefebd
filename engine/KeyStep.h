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
    float crush; // "sB crush"
    float gainA; // spring A gain
};

// The four sums of one sample, in ascending key order.
struct KeySums
{
    float springL = 0.0f, springR = 0.0f, bodyL = 0.0f, bodyR = 0.0f;
};

// Keys whose strike began this sample and that are to be released after it.
struct KeyReleases
{
    uint64_t bits[2] = {0, 0};
    void add(int key) { bits[key >> 6] |= uint64_t{1} << (key & 63); }
};

// What one instruction set offers the render loop.
struct KeyLaneKernels
{
    // Relaxes released keys toward their tuning, runs the excitation and
    // bend of started keys, ticks every sounding key and body string of
    // 21..108 and adds them to `sums`.
    void (*stepKeys)(KeyBank& bank, const KeySample& in, float relaxRate, CrtRandom& random, KeySums& sums,
                     KeyReleases& releases);
    // field[n] += value for lowest <= n < highest (the tube's kick into the body strings).
    void (*addToRange)(float* field, int lowest, int highest, float value);
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
