#pragma once
// Builds program and bank files from a bank source through the module itself,
// as a host would: select the program, set every parameter, name it, and take
// the module's own chunks. The files are those chunks, byte for byte, with
// empty path texts, so they are the same wherever they were built.
#include <string>
#include <vector>

#include "tools/HostModule.h"
#include "tools/presets/ProgramSource.h"

struct BuiltBank
{
    std::vector<unsigned char> bank; // the bank image
    std::vector<std::vector<unsigned char>> programs; // one record per source program, in source order
};

// host: an opened instance that nothing has changed yet. False with a message
// when the module refuses a chunk or gives one of the wrong size.
bool buildBank(HostModule& host, const std::vector<SourceProgram>& source, BuiltBank& out, std::string& error);
