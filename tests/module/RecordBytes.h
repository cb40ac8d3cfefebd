#pragma once
// Reading and writing the fields of a 1,500-byte program record by their fixed
// offsets (version at 0, values from 4, path at 448, name at 1472), and a bank
// whose programs can be told apart.
#include <cstring>
#include <string>

#include "tools/HostModule.h"

inline float valueIn(const unsigned char* record, int index)
{
    float v;
    std::memcpy(&v, record + 4 + 4 * index, 4);
    return v;
}

inline void putValue(unsigned char* record, int index, float v) { std::memcpy(record + 4 + 4 * index, &v, 4); }

inline std::string pathIn(const unsigned char* record) { return reinterpret_cast<const char*>(record + 448); }
inline std::string nameIn(const unsigned char* record) { return reinterpret_cast<const char*>(record + 1472); }

inline void nameProgram(HostModule& host, std::string name) { host.dispatch(effSetProgramName, 0, 0, name.data()); }

// Program p is named "P<p>" and holds p / 100 in parameter 7.
inline void nameEveryProgram(HostModule& host)
{
    for (int p = 0; p < 64; ++p)
    {
        host.setProgram(p);
        nameProgram(host, "P" + std::to_string(p));
        host.setParameter(ParamId::Decay, p / 100.f);
    }
}
