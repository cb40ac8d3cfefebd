#pragma once
// What the fuzz targets share: a reader that turns the fuzzer's bytes into
// choices, an instrument linked in and opened through its entry point, and the
// checks every target makes. A broken invariant prints what was seen and
// aborts, so libFuzzer keeps the input and the replay test fails on it.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

#include "plugin/Kelvane.h"
#include "plugin/PluginFactory.h"
#include "tools/HostModule.h"

#define FUZZ_CHECK(cond, ...)                                                                                          \
    do                                                                                                                 \
    {                                                                                                                  \
        if (!(cond))                                                                                                   \
        {                                                                                                              \
            std::fprintf(stderr, "invariant broken: %s: ", #cond);                                                     \
            std::fprintf(stderr, __VA_ARGS__);                                                                         \
            std::fputc('\n', stderr);                                                                                  \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

// Takes choices from the front of the input; past its end every choice is 0.
class ByteReader
{
public:
    ByteReader(const uint8_t* data, size_t size) : p(data), end(data + size) {}

    bool empty() const { return p == end; }
    size_t remaining() const { return static_cast<size_t>(end - p); }

    uint8_t byte() { return p < end ? *p++ : 0; }
    uint16_t u16() { return static_cast<uint16_t>(byte() | (byte() << 8)); }
    uint32_t u32() { return static_cast<uint32_t>(u16()) | (static_cast<uint32_t>(u16()) << 16); }
    int32_t i32() { return static_cast<int32_t>(u32()); }
    // lo..hi inclusive.
    int32_t range(int32_t lo, int32_t hi)
    {
        const uint32_t span = static_cast<uint32_t>(hi - lo) + 1u;
        const uint32_t raw = span <= 256u ? byte() : span <= 65536u ? u16() : u32();
        return lo + static_cast<int32_t>(span ? raw % span : raw);
    }

    // Indices as careless hosts send them: mostly in range, sometimes not.
    int32_t index(int32_t count)
    {
        switch (byte() & 7)
        {
        case 0: return i32();
        case 1: return count + range(0, 3);
        case 2: return -1 - range(0, 3);
        default: return range(0, count - 1);
        }
    }

    // Floats as careless hosts send them: NaN, infinities, huge, negative,
    // denormal, the ends of the range, raw bit patterns, or ordinary values.
    float value()
    {
        switch (byte() & 15)
        {
        case 0: return std::numeric_limits<float>::quiet_NaN();
        case 1: return std::numeric_limits<float>::infinity();
        case 2: return -std::numeric_limits<float>::infinity();
        case 3: return std::numeric_limits<float>::max();
        case 4: return -std::numeric_limits<float>::max();
        case 5: return std::numeric_limits<float>::denorm_min();
        case 6: return -static_cast<float>(u16()) / 256.f;
        case 7: return 1.f;
        case 8: return 0.f;
        case 9: {
            const uint32_t bits = u32();
            float f;
            std::memcpy(&f, &bits, sizeof f);
            return f;
        }
        default: return static_cast<float>(u16()) / 65535.f;
        }
    }

    // Up to n bytes straight from the input.
    std::vector<uint8_t> bytes(size_t n)
    {
        n = n < remaining() ? n : remaining();
        std::vector<uint8_t> out(p, p + n);
        p += n;
        return out;
    }

private:
    const uint8_t* p;
    const uint8_t* end;
};

// The instrument, brought back to its state after opening before every input:
// one instance for the whole run (a new one per input would spend nearly all
// the time mapping fresh pages for the echo lines), with its bank, its
// program, its voices, echo lines, controllers, transport and sample rate
// restored, so that an input acts the same whatever ran before it.
class FuzzInstrument
{
public:
    static FuzzInstrument& fresh()
    {
        static FuzzInstrument instance;
        instance.reset();
        return instance;
    }

    HostModule host;
    Kelvane* plugin = nullptr;
    AEffect* fx() { return host.effect(); }

private:
    FuzzInstrument()
    {
        host.attach(createVantorel);
        AEffect* fx = host.open();
        if (!fx)
        {
            std::fprintf(stderr, "the instrument did not open: %s\n", host.error().c_str());
            std::abort();
        }
        plugin = static_cast<Kelvane*>(static_cast<AudioEffect*>(fx->object));
        host.setSampleRate(48000.f);
        host.setBlockSize(512);
        host.resume();
        pristineTime = host.timeInfo();
        pristineBank = host.getChunk(false);
    }

    void reset()
    {
        if (plugin->getEngineRate() != 48000.f || host.timeInfo().sampleRate != 48000.0)
            host.setSampleRate(48000.f); // re-allocates the echo lines: only after a rate change
        host.setBlockSize(512);
        host.setProgram(0);
        host.setChunk(pristineBank, false);
        // Controllers back to rest, then every voice and both echo lines silenced.
        std::vector<VstMidiEvent> rest;
        for (int channel = 0; channel < 16; ++channel)
            for (const uint8_t* m : {kBendCentre, kWheelOff, kPedalOff, kAllNotesOff})
                rest.push_back(message(static_cast<uint8_t>(m[0] | channel), m[1], m[2]));
        host.sendMidi(rest);
        float left[16], right[16];
        host.processReplacing(left, right, 16);
        plugin->resetEngine();
        host.timeInfo() = pristineTime;
        host.resume();
        host.clearCalls(); // the host's record of calls would grow over millions of inputs
    }

    static VstMidiEvent message(uint8_t status, uint8_t data1, uint8_t data2)
    {
        VstMidiEvent e{};
        e.type = kVstMidiType;
        e.byteSize = sizeof(VstMidiEvent);
        e.midiData[0] = static_cast<char>(status);
        e.midiData[1] = static_cast<char>(data1);
        e.midiData[2] = static_cast<char>(data2);
        return e;
    }
    static constexpr uint8_t kBendCentre[3] = {0xE0, 0, 64};
    static constexpr uint8_t kWheelOff[3] = {0xB0, 1, 0};
    static constexpr uint8_t kPedalOff[3] = {0xB0, 64, 0};
    static constexpr uint8_t kAllNotesOff[3] = {0xB0, 123, 0};

    VstTimeInfo pristineTime{};
    std::vector<unsigned char> pristineBank;
};

// A text the plug-in wrote into a host buffer: terminated within maxChars,
// and nothing written past the terminator's place.
constexpr unsigned char kUnwritten = 0xA5;
constexpr size_t kHostBuffer = 256;

inline void checkText(const char* buffer, size_t maxChars, const char* what, int32_t index)
{
    const size_t n = strnlen(buffer, maxChars + 1);
    FUZZ_CHECK(n <= maxChars, "%s %d: longer than %zu characters", what, index, maxChars);
    for (size_t i = maxChars + 1; i < kHostBuffer; ++i)
        FUZZ_CHECK(static_cast<unsigned char>(buffer[i]) == kUnwritten, "%s %d: byte %zu written past the text", what,
                   index, i);
}

inline void readText(HostModule& host, int32_t opcode, int32_t index, size_t maxChars, const char* what)
{
    char buffer[kHostBuffer];
    std::memset(buffer, kUnwritten, sizeof buffer);
    host.dispatch(opcode, index, 0, buffer);
    if (static_cast<unsigned char>(buffer[0]) == kUnwritten)
        return; // nothing written: an index the plug-in ignores
    checkText(buffer, maxChars, what, index);
}

// Every program name and parameter display text the host may ask for, and
// the names and labels that change with the values (NOISE mode); the others
// are fixed texts.
inline void checkAllTexts(HostModule& host)
{
    for (int32_t p = 0; p < 64; ++p)
        readText(host, effGetProgramNameIndexed, p, 24, "program name");
    readText(host, effGetProgramName, 0, 24, "current program name");
    for (int32_t i = 0; i < kParamCount; ++i)
        readText(host, effGetParamDisplay, i, 8, "parameter display");
    for (ParamId id : {ParamId::SbFrqBottom, ParamId::SbFrqTop, ParamId::SbDiffusion})
    {
        readText(host, effGetParamName, paramIndex(id), 16, "parameter name");
        readText(host, effGetParamLabel, paramIndex(id), 16, "parameter label");
    }
}

// The chunk as the host reads it, in place.
inline std::pair<const unsigned char*, size_t> chunkInPlace(HostModule& host, bool isPreset)
{
    void* data = nullptr;
    const intptr_t size = host.dispatch(effGetChunk, isPreset ? 1 : 0, 0, &data);
    return {static_cast<const unsigned char*>(data), size > 0 ? static_cast<size_t>(size) : 0};
}

inline bool chunkEquals(HostModule& host, bool isPreset, const std::vector<unsigned char>& bytes)
{
    auto [data, size] = chunkInPlace(host, isPreset);
    return data && size == bytes.size() && std::memcmp(data, bytes.data(), size) == 0;
}

// Renders frames in one call and checks every sample.
inline void renderAndCheck(HostModule& host, int32_t frames, float limit, const char* what)
{
    static std::vector<float> left, right;
    left.assign(static_cast<size_t>(frames), 9.f);
    right.assign(static_cast<size_t>(frames), 9.f);
    host.processReplacing(left.data(), right.data(), frames);
    for (int32_t j = 0; j < frames; ++j)
    {
        FUZZ_CHECK(std::isfinite(left[j]) && std::isfinite(right[j]), "%s: sample %d of %d is %g, %g", what, j, frames,
                   left[j], right[j]);
        FUZZ_CHECK(std::fabs(left[j]) <= limit && std::fabs(right[j]) <= limit, "%s: sample %d of %d is %g, %g", what,
                   j, frames, left[j], right[j]);
    }
}

// One MIDI short message as a host event.
inline VstMidiEvent midiEvent(uint8_t status, uint8_t data1, uint8_t data2, int32_t deltaFrames)
{
    VstMidiEvent e{};
    e.type = kVstMidiType;
    e.byteSize = sizeof(VstMidiEvent);
    e.deltaFrames = deltaFrames;
    e.midiData[0] = static_cast<char>(status);
    e.midiData[1] = static_cast<char>(data1);
    e.midiData[2] = static_cast<char>(data2);
    return e;
}
