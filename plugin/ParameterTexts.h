#pragma once
// The texts the host shows for the 111 parameters: names (with the NOISE-mode
// names), unit labels and display texts. Pure functions of the current
// program's values, so the editor and the command-line host read exactly what
// the host reads. Names, labels and defaults come from the one parameter table.
#include <cstddef>

#include "common/ParamTable.h"

namespace ParameterTexts {

constexpr size_t kNameChars = 16; // names and labels are cut to 16 characters
constexpr size_t kDisplayChars = 8; // display texts are cut to 8 characters

// NOISE mode renames 14, 15 and 22; the caller passes the value of "sB Diffusion".
const char* name(int index, float noiseSelect);
const char* label(int index, float noiseSelect);
// Writes the display text (at most 8 characters and a terminator) for index
// 0..110 given the program's values; returns false and writes nothing otherwise.
bool formatDisplay(int index, const float* values, char* text);

bool isNoiseMode(float noiseSelect);
float concertPitch(float concertA);
// The note-value text of a tempo-synced rate, e.g. "1/4" or "1/8T".
void formatSyncDivision(float value, char* out, size_t outSize);

} // namespace ParameterTexts
