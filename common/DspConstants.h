#pragma once
// Constants the engine's stages share. Their exact values are part of the
// instrument's output, so each is written once, here.

// 4 pi^2: stiffness k = f^2 * 4 pi^2 * T^2. Double-precision steps use the
// double, float steps the float rounding of it.
constexpr double kFourPiSquared = 39.47841760435743;
constexpr float kFourPiSquaredF = static_cast<float>(kFourPiSquared);

// One step of the C runtime's rand (0..32767) as a fraction.
constexpr float kRandScale = 1.0f / 32767.0f;

// Stiffness ceilings. Above kStableStiffness a spring tuned from the tables is
// clamped (or dropped by octaves); a spring pushed past kRingingLimit by a
// bend or a low rate would grow without bound instead of ringing, so it drops
// by an octave. Below kOctaveSwitchLimit the "sB Octave" switch may still
// raise spring B by an octave.
constexpr float kStableStiffness = 1.4f;
constexpr float kRingingLimit = 2.8f;
constexpr float kOctaveSwitchLimit = 0.7f;
