#include "tests/support/TestHost.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
constexpr size_t kBlock = 512;

template <typename Pred>
bool everySample(const StereoBuffer& b, Pred pred)
{
    return std::all_of(b.left.begin(), b.left.end(), pred) && std::all_of(b.right.begin(), b.right.end(), pred);
}
} // namespace

float StereoBuffer::peak() const
{
    float p = 0.f;
    for (const std::vector<float>* channel : {&left, &right})
        for (float s : *channel)
            p = std::max(p, std::fabs(s));
    return p;
}

bool StereoBuffer::allZero() const
{
    return everySample(*this, [](float s) { return s == 0.f; });
}

bool StereoBuffer::allFinite() const
{
    return everySample(*this, [](float s) { return std::isfinite(s); });
}

std::string TestHost::modulePath()
{
    const char* path = std::getenv("VANT_MODULE_PATH");
    return path ? path : "";
}

TestHost::TestHost(const Options& options)
{
    if (!host.load(modulePath()) || !host.open())
        return;
    host.setSampleRate(options.sampleRate);
    host.setBlockSize(kBlock);
    host.resume();
}

void TestHost::setPlaying(bool playing)
{
    VstTimeInfo& t = host.timeInfo();
    t.flags = playing ? (t.flags | kVstTransportPlaying) : (t.flags & ~kVstTransportPlaying);
}

void TestHost::midi(int status, int data1, int data2, int32_t deltaFrames)
{
    VstMidiEvent e{};
    e.type = kVstMidiType;
    e.byteSize = sizeof(VstMidiEvent);
    e.deltaFrames = deltaFrames;
    e.midiData[0] = static_cast<char>(status);
    e.midiData[1] = static_cast<char>(data1);
    e.midiData[2] = static_cast<char>(data2);
    queued.push_back(e);
}

void TestHost::noteOn(int key, int velocity, int32_t deltaFrames, int channel)
{
    midi(0x90 | (channel & 15), key, velocity, deltaFrames);
}

void TestHost::noteOff(int key, int32_t deltaFrames, int channel) { midi(0x80 | (channel & 15), key, 0, deltaFrames); }

void TestHost::controller(int number, int value, int32_t deltaFrames, int channel)
{
    midi(0xB0 | (channel & 15), number, value, deltaFrames);
}

void TestHost::pitchBend(int value14, int32_t deltaFrames, int channel)
{
    midi(0xE0 | (channel & 15), value14 & 0x7F, (value14 >> 7) & 0x7F, deltaFrames);
}

StereoBuffer TestHost::render(size_t frames)
{
    StereoBuffer out{std::vector<float>(frames), std::vector<float>(frames)};
    for (size_t at = 0; at < frames; at += kBlock)
    {
        if (!queued.empty())
            host.sendMidi(queued);
        queued.clear();
        host.processReplacing(out.left.data() + at, out.right.data() + at,
                              static_cast<int32_t>(std::min(kBlock, frames - at)));
    }
    return out;
}
