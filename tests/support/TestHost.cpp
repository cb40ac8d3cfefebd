#include "tests/support/TestHost.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
// True when pred holds for every sample of both channels.
template <typename Pred>
bool everySample(const StereoBuffer& b, Pred pred) {
    return std::all_of(b.left.begin(), b.left.end(), pred) && std::all_of(b.right.begin(), b.right.end(), pred);
}
}  // namespace

float StereoBuffer::peak() const {
    float p = 0.f;
    for (const std::vector<float>* channel : {&left, &right})
        for (float s : *channel) p = std::max(p, std::fabs(s));
    return p;
}

bool StereoBuffer::allZero() const {
    return everySample(*this, [](float s) { return s == 0.f; });
}

bool StereoBuffer::allFinite() const {
    return everySample(*this, [](float s) { return std::isfinite(s); });
}

std::string TestHost::modulePath() {
    const char* path = std::getenv("VANT_MODULE_PATH");
    return path ? path : "";
}

TestHost::TestHost() { start(Options{}); }

TestHost::TestHost(const Options& options) { start(options); }

void TestHost::start(const Options& options) {
    if (!host.load(modulePath()) || !host.open()) return;
    setSampleRate(options.sampleRate);
    setBlockSize(options.blockSize);
    if (options.resume) host.resume();
}

void TestHost::setSampleRate(float r) {
    rate = r;
    host.setSampleRate(r);
}

void TestHost::setBlockSize(int32_t size) {
    block = size;
    host.setBlockSize(size);
}

void TestHost::setPlaying(bool playing) {
    VstTimeInfo& t = host.timeInfo();
    if (playing)
        t.flags |= kVstTransportPlaying;
    else
        t.flags &= ~kVstTransportPlaying;
}

void TestHost::midi(uint8_t status, uint8_t data1, uint8_t data2, int32_t deltaFrames) {
    VstMidiEvent e{};
    e.type = kVstMidiType;
    e.byteSize = sizeof(VstMidiEvent);
    e.deltaFrames = deltaFrames;
    e.midiData[0] = static_cast<char>(status);
    e.midiData[1] = static_cast<char>(data1);
    e.midiData[2] = static_cast<char>(data2);
    queued.push_back(e);
}

void TestHost::noteOn(int key, int velocity, int32_t deltaFrames, int channel) {
    midi(static_cast<uint8_t>(0x90 | (channel & 15)), static_cast<uint8_t>(key), static_cast<uint8_t>(velocity),
         deltaFrames);
}

void TestHost::noteOff(int key, int32_t deltaFrames, int channel) {
    midi(static_cast<uint8_t>(0x80 | (channel & 15)), static_cast<uint8_t>(key), 0, deltaFrames);
}

void TestHost::controller(int number, int value, int32_t deltaFrames, int channel) {
    midi(static_cast<uint8_t>(0xB0 | (channel & 15)), static_cast<uint8_t>(number), static_cast<uint8_t>(value),
         deltaFrames);
}

void TestHost::pitchBend(int value14, int32_t deltaFrames, int channel) {
    midi(static_cast<uint8_t>(0xE0 | (channel & 15)), static_cast<uint8_t>(value14 & 0x7F),
         static_cast<uint8_t>((value14 >> 7) & 0x7F), deltaFrames);
}

void TestHost::flushMidi() {
    if (queued.empty()) return;
    host.sendMidi(queued);
    queued.clear();
}

void TestHost::renderBlock(float* left, float* right, int32_t frames) {
    flushMidi();
    host.processReplacing(left, right, frames);
}

StereoBuffer TestHost::render(size_t frames) {
    StereoBuffer out;
    out.left.assign(frames, 0.f);
    out.right.assign(frames, 0.f);
    for (size_t at = 0; at < frames;) {
        int32_t n = static_cast<int32_t>(std::min<size_t>(static_cast<size_t>(block), frames - at));
        renderBlock(out.left.data() + at, out.right.data() + at, n);
        at += static_cast<size_t>(n);
    }
    return out;
}
