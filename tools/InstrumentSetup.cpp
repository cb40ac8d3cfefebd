#include "tools/InstrumentSetup.h"

#include <fstream>
#include <iterator>

#include "common/ParamId.h"

namespace {

bool readFile(const std::string& path, std::vector<unsigned char>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool loadChunk(HostModule& host, const std::string& path, bool isPreset, std::string& error)
{
    std::vector<unsigned char> bytes;
    if (!readFile(path, bytes))
    {
        error = "cannot read " + path;
        return false;
    }
    if (host.setChunk(bytes, isPreset) == 0)
    {
        error = path + (isPreset ? " is not a program file (1500 bytes)" : " is not a bank file (97024 bytes)");
        return false;
    }
    return true;
}

} // namespace

bool prepareInstrument(HostModule& host, const InstrumentSetup& s, std::string& error)
{
    if (!host.load(s.module) || !host.open())
    {
        error = "cannot open " + s.module + ": " + host.error();
        return false;
    }
    host.setSampleRate(static_cast<float>(s.sampleRate));
    host.setBlockSize(s.blockSize);
    host.resume();
    if (!s.bankPath.empty() && !loadChunk(host, s.bankPath, false, error))
        return false;
    if (s.program >= 0)
        host.setProgram(s.program);
    if (!s.presetPath.empty() && !loadChunk(host, s.presetPath, true, error))
        return false;
    for (const auto& [index, value] : s.parameters)
        host.setParameter(index, value);
    return true;
}

bool parseParameter(const std::string& text, std::pair<int, float>& out)
{
    const size_t eq = text.find('=');
    if (eq == std::string::npos)
        return false;
    try
    {
        size_t used = 0;
        const int index = std::stoi(text.substr(0, eq), &used);
        if (used != eq || !isParamIndex(index))
            return false;
        const std::string value = text.substr(eq + 1);
        const float v = std::stof(value, &used);
        if (used != value.size())
            return false;
        out = {index, v};
        return true;
    }
    catch (const std::exception&)
    {
        return false;
    }
}
