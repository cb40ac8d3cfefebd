#pragma once
// The 111 parameters as the host sees them: names, unit labels, defaults and
// display texts. Pure functions of the current program's values, so the editor
// and the command-line host read exactly what the host reads.
#include <cstddef>

#include "plugin/ProgramRecord.h"

namespace ParameterTable {

constexpr int kNoiseSelect = 22; // "sB Diffusion" / "NOISE"
constexpr int kConcertA = 39;
constexpr int kPitchRange = 44;
constexpr int kSpringBLink = 21;
constexpr int kTremoloSync = 36;
constexpr int kTremoloRate = 37;
constexpr int kEchoLeftRate = 93;
constexpr int kEchoRightRate = 94;
constexpr int kEchoSync = 95;
constexpr int kLfoSync = 100;

constexpr size_t kNameChars = 16; // names and labels are cut to 16 characters
constexpr size_t kDisplayChars = 8; // display texts are cut to 8 characters

float defaultValue(int index);
// NOISE mode renames 14, 15 and 22; the caller passes the value of parameter 22.
const char* name(int index, float noiseSelect);
const char* label(int index, float noiseSelect);
// Writes the display text (at most 8 characters and a terminator) for index
// 0..110 given the program's values; returns false and writes nothing otherwise.
bool formatDisplay(int index, const float* values, char* text);

bool isNoiseMode(float noiseSelect);
float concertPitch(float concertA);
// The note-value text of a tempo-synced rate, e.g. "1/4" or "1/8T".
void formatSyncDivision(float value, char* out, size_t outSize);

} // namespace ParameterTable
