// CPU cost of a real piano piece: the project's MIDI file of Bach's Prelude in
// C played through one host (the tools' HostModule, the host under the test
// host) into the built Vantorel module and, where Debian's amsynth VST is
// installed, into amsynth; prints both realtime factors and their ratio.
//
//     build/bench/engine/piano_bench [--midi FILE] [--module PATH] [--other PATH]
//                                    [--rate HZ] [--block N] [--repeat N]
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tools/HostModule.h"
#include "tools/render/MidiFileReader.h"
#include "tools/render/Performance.h"

namespace {

struct Options
{
    std::string midi = VANT_PIANO_MIDI;
    std::string module = VANT_MODULE;
    std::string other = "/usr/lib/vst/amsynth_vst.so";
    double rate = 48000.0;
    int block = 512;
    int repeat = 3;
};

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

VstMidiEvent toVst(const TimedMidi& m, int32_t delta)
{
    VstMidiEvent e{};
    e.type = kVstMidiType;
    e.byteSize = sizeof(VstMidiEvent);
    e.deltaFrames = delta;
    for (int b = 0; b < 3; ++b)
        e.midiData[b] = static_cast<char>(m.bytes[b]);
    return e;
}

// CPU seconds of the render calls for the whole piece plus two seconds of
// tail on a fresh instance (the best of `repeat` runs); negative when the
// module cannot be opened.
double renderCost(const std::string& path, const Performance& perf, const Options& o, double& audioSeconds)
{
    double best = -1.0;
    for (int run = 0; run < o.repeat; ++run)
    {
        HostModule host;
        if (!host.load(path) || !host.open())
        {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), host.error().c_str());
            return -1.0;
        }
        host.setSampleRate(static_cast<float>(o.rate));
        host.setBlockSize(o.block);
        host.resume();
        const int64_t end = perf.lastFrame() + static_cast<int64_t>(2.0 * o.rate);
        std::vector<float> left(static_cast<size_t>(o.block)), right(static_cast<size_t>(o.block));
        std::vector<VstMidiEvent> batch;
        size_t next = 0;
        double spent = 0.0;
        for (int64_t frame = 0; frame < end; frame += o.block)
        {
            const int n = static_cast<int>(std::min<int64_t>(o.block, end - frame));
            batch.clear();
            for (; next < perf.events.size() && perf.events[next].frame < frame + n; ++next)
                batch.push_back(toVst(perf.events[next], static_cast<int32_t>(perf.events[next].frame - frame)));
            double bpm = 120.0, quarters = 0.0;
            perf.transportAt(static_cast<double>(frame) / o.rate, bpm, quarters);
            host.setTempo(bpm);
            host.setPosition(quarters);
            const double start = cpuSeconds();
            if (!batch.empty())
                host.sendMidi(batch);
            host.processReplacing(left.data(), right.data(), n);
            spent += cpuSeconds() - start;
        }
        host.suspend();
        audioSeconds = static_cast<double>(end) / o.rate;
        best = best < 0.0 ? spent : std::min(best, spent);
    }
    return best;
}

bool parse(int argc, char** argv, Options& o)
{
    for (int i = 1; i + 1 < argc; i += 2)
    {
        const std::string name = argv[i], value = argv[i + 1];
        if (name == "--midi")
            o.midi = value;
        else if (name == "--module")
            o.module = value;
        else if (name == "--other")
            o.other = value;
        else if (name == "--rate")
            o.rate = std::atof(value.c_str());
        else if (name == "--block")
            o.block = std::max(1, std::atoi(value.c_str()));
        else if (name == "--repeat")
            o.repeat = std::max(1, std::atoi(value.c_str()));
        else
            return false;
    }
    return argc % 2 == 1 && o.rate > 8000.0;
}

} // namespace

int main(int argc, char** argv)
{
    Options o;
    if (!parse(argc, argv, o))
    {
        std::fprintf(stderr,
                     "usage: %s [--midi FILE] [--module PATH] [--other PATH] [--rate HZ] [--block N] "
                     "[--repeat N]\n",
                     argv[0]);
        return 2;
    }
    Performance perf;
    std::string error;
    if (!readMidiFile(o.midi, o.rate, perf, error))
    {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    double seconds = 0.0;
    const double ours = renderCost(o.module, perf, o, seconds);
    if (ours < 0.0)
        return 1;
    std::printf("piece: %s, %.1f s of audio at %.0f Hz in blocks of %d\n", o.midi.c_str(), seconds, o.rate, o.block);
    std::printf("Vantorel  %8.3f s CPU  %7.1fx realtime\n", ours, seconds / ours);
    FILE* present = std::fopen(o.other.c_str(), "rb");
    if (!present)
    {
        std::printf("%s is not installed: no comparison\n", o.other.c_str());
        return 0;
    }
    std::fclose(present);
    double otherSeconds = 0.0;
    const double theirs = renderCost(o.other, perf, o, otherSeconds);
    if (theirs <= 0.0)
        return 0;
    std::printf("%-9s %8.3f s CPU  %7.1fx realtime\n", "amsynth", theirs, otherSeconds / theirs);
    std::printf("Vantorel / amsynth CPU: %.2f\n", ours / theirs);
    return 0;
}
