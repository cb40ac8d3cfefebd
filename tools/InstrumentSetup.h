#pragma once
// Opening the instrument with a state, the same way for every command that
// loads it: the module, then a bank file, a program, a program file and
// single parameters, in that order.
#include <string>
#include <utility>
#include <vector>

#include "tools/HostModule.h"

struct InstrumentSetup
{
    std::string module;
    double sampleRate = 48000.0;
    int blockSize = 512;
    int program = -1; // -1: keep the module's current program
    std::string bankPath; // .vnb, loaded as a bank chunk
    std::string presetPath; // .vnp, loaded as a program chunk
    std::vector<std::pair<int, float>> parameters;
};

// Returns false with a message when the module or a file fails.
bool prepareInstrument(HostModule& host, const InstrumentSetup& setup, std::string& error);

// "INDEX=VALUE" with an index 0..110 and a number.
bool parseParameter(const std::string& text, std::pair<int, float>& out);
