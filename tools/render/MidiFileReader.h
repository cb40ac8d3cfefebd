#pragma once
// Standard MIDI Files through libsmf: every channel message of every track at
// its sample frame, and the file's tempo map.
#include <string>

#include "tools/render/Performance.h"

// False with a reason when the file cannot be read.
bool readMidiFile(const std::string& path, double sampleRate, Performance& out, std::string& error);
