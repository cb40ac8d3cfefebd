// Renders one of the engine benchmark's cases through a module for a fixed
// number of blocks, for instruction counts that do not depend on the machine's
// load (valgrind --tool=callgrind), before and after a change:
//
//     valgrind --tool=callgrind build/bench/engine/module_profile one [--module PATH] [--blocks N]
//
// Cases: asleep, one (key 60), chord (8 keys), all (88 keys), full (88 keys, every effect).
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "common/ParamId.h"
#include "tools/HostModule.h"

namespace {

constexpr int kBlock = 512;

// Every effect audible, as in the effects benchmark.
const std::vector<std::pair<ParamId, float>> kFullChain = {
    {ParamId::SbVolume, 0.7f},    {ParamId::SbRndTune, 0.3f},     {ParamId::SbDetune, 0.55f},
    {ParamId::SbDiffusion, 0.3f}, {ParamId::SbCrush, 0.6f},       {ParamId::BodyVol, 0.6f},
    {ParamId::BodyDecay, 0.5f},   {ParamId::BodyDiffusion, 0.5f}, {ParamId::BodyWet, 0.3f},
    {ParamId::BodyLowest, 0.16f}, {ParamId::BodyHighest, 0.85f},  {ParamId::BodyPhaseQ, 0.7f},
    {ParamId::BodyPhaMix, 0.8f},  {ParamId::BodyTremolo, 0.8f},   {ParamId::BodyTrSync, 0.5f},
    {ParamId::BodyTrRate, 0.4f},  {ParamId::FltHighpass, 0.05f},  {ParamId::CrushBits, 0.5f},
    {ParamId::Crush, 0.4f},       {ParamId::EchoLRate, 0.3f},     {ParamId::EchoRRate, 0.4f},
    {ParamId::EchoFb, 0.6f},      {ParamId::EchoWet, 0.5f},
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: %s asleep|one|chord|all|full [--module PATH] [--blocks N]\n", argv[0]);
        return 2;
    }
    const std::string which = argv[1];
    std::string module = VANT_MODULE;
    int blocks = 940; // ten seconds at 48 kHz
    for (int i = 2; i + 1 < argc; i += 2)
    {
        if (std::string(argv[i]) == "--module")
            module = argv[i + 1];
        else if (std::string(argv[i]) == "--blocks")
            blocks = std::atoi(argv[i + 1]);
    }
    std::vector<int> keys;
    if (which == "one")
        keys = {60};
    else if (which == "chord")
        keys = {48, 52, 55, 60, 64, 67, 72, 76};
    else if (which == "all" || which == "full")
        for (int k = 21; k <= 108; ++k)
            keys.push_back(k);
    else if (which != "asleep")
        return 2;

    HostModule host;
    if (!host.load(module) || !host.open())
    {
        std::fprintf(stderr, "%s: %s\n", module.c_str(), host.error().c_str());
        return 1;
    }
    host.setSampleRate(48000.0f);
    host.setBlockSize(kBlock);
    host.resume();
    if (which == "full")
        for (const auto& [id, v] : kFullChain)
            host.setParameter(id, v);
    std::vector<VstMidiEvent> notes;
    for (int k : keys)
    {
        VstMidiEvent e{};
        e.type = kVstMidiType;
        e.byteSize = sizeof(VstMidiEvent);
        e.midiData[0] = static_cast<char>(0x90);
        e.midiData[1] = static_cast<char>(k);
        e.midiData[2] = 100;
        notes.push_back(e);
    }
    const int restrike = which == "full" ? 94 : 188; // every one or two seconds
    std::vector<float> left(kBlock), right(kBlock);
    double sum = 0.0;
    for (int b = 0; b < blocks; ++b)
    {
        if (b % restrike == 0 && !notes.empty())
            host.sendMidi(notes);
        host.processReplacing(left.data(), right.data(), kBlock);
        sum += left[0];
    }
    std::printf("%s: %d blocks, %.6g\n", which.c_str(), blocks, sum);
    return 0;
}
