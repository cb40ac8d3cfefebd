#pragma once
// The readable source of a bank: one block per program, parameters named as
// the host names them, so that every change of a sound is a readable diff.
//
//     == Struck springs ==              a group for the programs that follow
//     [5] Glass Bell                    program number 0..63 and name (24 characters)
//     > Bright bell, long ring.         one line describing the sound
//     Decay = 0.97                      host name = value 0..1 (# starts a comment)
//
// A parameter a block leaves out keeps the value of a new program. The
// parameters the host calls "-" go by their own names here ("Crush bits",
// "Sand grains", ...); in NOISE mode 14, 15 and 22 may go by their NOISE names.
#include <array>
#include <istream>
#include <string>
#include <vector>

#include "common/ParamId.h"

struct SourceProgram
{
    int number = 0;
    std::string name;
    std::string group;
    std::string description;
    std::array<float, kParamCount> values{};
    int line = 0; // where the block starts
};

// The index a source name stands for, or -1.
int sourceParameterIndex(const std::string& name);

// Reads every block; false with one message per fault ("FILE:LINE: what").
bool parseProgramSource(std::istream& in, const std::string& fileName, std::vector<SourceProgram>& programs,
                        std::vector<std::string>& errors);

// "05-glass-bell": the program number and the name in lower case, for file names.
std::string programSlug(const SourceProgram& program);
