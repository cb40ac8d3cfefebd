#pragma once

struct KeyVoice;
class CrtRandom;

// Spring B: a second spring pair per key, driven sample by sample by spring A
// through a coupling that diffusion roughens and saturation bends (or, with
// "sB Diffusion" at the top, the NOISE filter in its place).

// The spring B part of the key tick, after spring A has stepped. S is the
// ramped saturation; a and b are spring A's weighted partial and main positions.
void springBTick(KeyVoice& v, float S, float a, float b, CrtRandom& random);

// After spring A's output stage: spring B's output and two-sample activity.
void springBOutput(KeyVoice& v);

// "sB crush": 0.49 v + 0.5 (0.5 leaves spring B's output alone).
float springBCrushAmount(float v);

// The quantiser on spring B's output before panning: active above 0.5 and only
// for hit strikes (hit power exactly 1); the steps flatten while the
// excitation is high.
float crushSpringB(const KeyVoice& v, float crush);
