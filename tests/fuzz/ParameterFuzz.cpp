// Parameter sequences as careless hosts and automation lanes send them: any
// index (out of range too) and any value (NaN, infinities, huge, negative),
// interleaved with renders of random size, notes, program changes, program
// names, block sizes and sample rates. A value in range reads back as it was
// set, every text stays terminated within its length, and every sample is
// finite; within ±1 as long as nothing after the final clip (echo, high-pass)
// can lift it.
//
// Input: a sequence of operations, each an opcode byte and its arguments.
#include "tests/fuzz/FuzzSupport.h"

namespace {

constexpr int kMaxOps = 256;
constexpr int kMaxFrames = 2048;

// What the engine makes of a value it maps: NaN and negatives count as 0.
float asMapped(float v) { return v >= 0.f ? v : 0.f; }

// The echo and the high-pass run after the final clip: with either on, only
// finiteness is checked (their overshoot is an engine matter, kept as
// disabled reproducers in the engine tests).
float outputLimit(HostModule& host)
{
    if (asMapped(host.getParameter(ParamId::EchoWet)) == 0.f &&
        asMapped(host.getParameter(ParamId::FltHighpass)) == 0.f)
        return 1.f;
    return std::numeric_limits<float>::max();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ByteReader in(data, size);
    FuzzInstrument& inst = FuzzInstrument::fresh();
    HostModule& host = inst.host;
    int total = 0;
    for (int op = 0; op < kMaxOps && !in.empty(); ++op)
    {
        switch (in.byte() % 10)
        {
        case 0:
        case 1:
        case 2: {
            const int32_t index = in.index(kParamCount);
            const float value = in.value();
            host.setParameter(index, value);
            const float back = host.getParameter(index);
            if (isParamIndex(index))
                FUZZ_CHECK(std::memcmp(&back, &value, 4) == 0, "parameter %d set to %g reads %g", index, value, back);
            else
                FUZZ_CHECK(back == 0.f, "parameter %d out of range reads %g", index, back);
            break;
        }
        case 3: {
            const int32_t index = in.index(kParamCount);
            readText(host, effGetParamDisplay, index, 8, "parameter display");
            readText(host, effGetParamName, index, 16, "parameter name");
            readText(host, effGetParamLabel, index, 16, "parameter label");
            break;
        }
        case 4:
        case 5: {
            if (total >= kMaxFrames)
                break;
            const int32_t frames = std::min<int32_t>(in.range(1, 1024), kMaxFrames - total);
            const uint8_t key = in.byte();
            if (key & 0x80)
                host.sendMidi({midiEvent(0x90, key & 0x7F, in.byte() | 1, in.range(0, frames - 1))});
            renderAndCheck(host, frames, outputLimit(host), "parameter block");
            total += frames;
            break;
        }
        case 6: host.dispatch(effSetProgram, 0, static_cast<intptr_t>(in.index(64))); break;
        case 7: {
            char name[64];
            const size_t n = static_cast<size_t>(in.range(0, 40));
            for (size_t i = 0; i < n; ++i)
                name[i] = static_cast<char>(in.byte() | 1); // a C string: no zero inside
            name[n] = 0;
            host.dispatch(effSetProgramName, 0, 0, name);
            char back[kHostBuffer];
            std::memset(back, kUnwritten, sizeof back);
            host.dispatch(effGetProgramName, 0, 0, back);
            checkText(back, 24, "program name", host.getProgram());
            FUZZ_CHECK(std::strncmp(back, name, 24) == 0, "program name \"%s\" reads \"%s\"", name, back);
            break;
        }
        case 8: host.setBlockSize(in.i32()); break;
        default: {
            // Rate changes re-allocate the echo lines: rare.
            if ((in.byte() & 7) == 0)
                host.setSampleRate(in.value() * 200000.f);
            host.dispatch(effMainsChanged, 0, in.byte() & 1);
            break;
        }
        }
    }
    checkAllTexts(host);
    renderAndCheck(host, 64, outputLimit(host), "last block");
    return 0;
}
