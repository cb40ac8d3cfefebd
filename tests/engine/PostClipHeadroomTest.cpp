// The output filters and the echo run after the final clip to ±1, so they
// may lift a clipped signal past it (a strong echo adds its repeats on top of
// a clipped note, the high-pass overshoots on the clipped edges of a loud low
// chord: about 1.3 and 1.5 here). That headroom is the instrument's sound;
// what must never happen is a repeat or a filter that feeds on itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/engine/EngineFixture.h"

namespace {

float peakOf(const EnginePlayer& p)
{
    float peak = 0.f;
    for (const std::vector<float>* x : {&p.left, &p.right})
        for (float s : *x)
            peak = std::max(peak, std::fabs(s));
    return peak;
}

// One loud key with the echo at full wet and a short line: its repeats land
// on the still clipped note.
TEST(EnginePostClipHeadroom, AStrongEchoOverAClippedNoteStaysBounded)
{
    EnginePlayer p({{ParamId::Volume, 1.f}, {ParamId::EchoWet, 1.f}, {ParamId::EchoLRate, 0.01f}});
    p.send({midi(0x90, 48, 127)}).render(48000);
    EXPECT_LE(peakOf(p), 2.f);
}

// A loud low chord, clipped hard, through a low high-pass.
TEST(EnginePostClipHeadroom, AHighPassOverAClippedChordStaysBounded)
{
    EnginePlayer p({{ParamId::Volume, 1.f}, {ParamId::FltHighpass, 0.1f}});
    p.send({midi(0x90, 21, 127), midi(0x90, 33, 127), midi(0x90, 40, 127)}).render(24000);
    EXPECT_LE(peakOf(p), 2.f);
}

} // namespace
