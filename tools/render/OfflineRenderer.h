#pragma once
// Renders a performance through the built module, block by block as a host
// does, into a sound file.
#include <string>
#include <utility>
#include <vector>

#include "tools/InstrumentSetup.h"
#include "tools/render/SoundFileWriter.h"

// The instrument's state (module, rate, block size, bank, program, file,
// parameters) and what to play.
struct RenderSettings : InstrumentSetup
{
    std::string midiPath; // empty: a built-in phrase
    std::string phrase = "demo"; // the built-in phrase without a MIDI file
    std::string outPath;
    int fileFormat = SF_FORMAT_WAV | SF_FORMAT_FLOAT; // as chooseSoundFormat gives it
    double tempo = 120.0; // the built-in phrase's tempo
    double tailSeconds = 10.0; // at most this long after the last event
};

struct RenderResult
{
    long long frames = 0;
    float peak = 0.0f;
};

// Returns false with a message when loading, a file or the output fails.
bool renderPerformance(const RenderSettings& settings, RenderResult& result, std::string& error);
