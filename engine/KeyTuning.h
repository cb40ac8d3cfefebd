#pragma once

struct EngineState;

// Stiffness tables of the key bank, recomputed when a tuning parameter changes
// (never per sample). Stiffness k = (2*pi*f/fs)^2.

// Main oscillator of keys 21..108: concert pitch and 12-note microtuning.
void computeMainTuning(EngineState& s);
// Partial oscillator: note offset with a seeded random spread (srand(333)).
void computePartialTuning(EngineState& s);
// Both spring B oscillators across all 128 keys (srand(3334)), then the beat guard.
void computeSpringBTuning(EngineState& s);
// Weakens the spring B drive where it would ring in unison with spring A.
void computeBeatGuard(EngineState& s);
// Coupling gain from spring A into spring B, from "sB Volume" and the main stiffness.
void computeDrive(EngineState& s);
// Upward (or downward) bend scale of every key of one pitch class, for the
// pitch range of this moment.
void computeBendScale(EngineState& s, int pitchClass, float u, bool upward);
// NOISE-mode filter of keys 21..108.
void computeNoiseStiffness(EngineState& s, float v);
void computeNoiseResonance(EngineState& s, float v);
// How fast a released key's pitch glides back to its target.
void computeRelaxRate(EngineState& s, float v);
