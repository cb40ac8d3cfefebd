// No dead knobs: every parameter the engine maps changes what a fixed phrase
// sounds like when it alone is moved, and the parameters that only the editor
// or nothing uses change nothing. Played through the module.
#include <gtest/gtest.h>

#include "common/ParamTable.h"
#include "tests/support/TestHost.h"

namespace {

// A program in which every stage is heard: spring B diffused, saturation,
// crusher, body wet, sand, a short echo, the LFO and the envelope at work.
const std::pair<ParamId, float> kEverythingAudible[] = {
    {ParamId::SbDiffusion, 0.3f}, {ParamId::SaSaturate, 0.3f}, {ParamId::CrushBits, 0.5f},  {ParamId::Crush, 0.3f},
    {ParamId::BodyVol, 0.5f},     {ParamId::BodyWet, 0.3f},    {ParamId::SandGrains, 0.3f}, {ParamId::EchoLRate, 0.1f},
    {ParamId::EchoRRate, 0.1f},   {ParamId::EchoFb, 0.4f},     {ParamId::EchoWet, 0.5f},    {ParamId::LfoBalance, 0.5f},
    {ParamId::LfoPitch, 0.3f},    {ParamId::EnvBalance, 0.5f}, {ParamId::EnvPitch, 0.3f},
};

// Where a switch or a stepped value must go to change anything.
float moved(ParamId id, float v)
{
    switch (id)
    {
    case ParamId::HitPower: return 0.6f; // bowed
    case ParamId::SbOctave:
    case ParamId::SbLink:
    case ParamId::SbCrush:
    case ParamId::EchoSync:
    case ParamId::LfoSync: return 1.0f;
    case ParamId::BodyTrSync: return 0.5f; // Tempo
    default: return v < 0.5f ? v + 0.35f : v - 0.35f;
    }
}

// Twelve keys (every pitch class) and a low one, the wheel, a bend up and down
// while all are held, then half of them released while bent, to glide back.
StereoBuffer phrase(ParamId moving, bool move)
{
    TestHost host;
    EXPECT_TRUE(host.ok()) << host.error();
    for (auto [id, v] : kEverythingAudible)
        host.setParameter(id, v);
    if (move)
        host.setParameter(moving, moved(moving, host.getParameter(moving)));
    StereoBuffer out;
    for (int block = 0; block < 56; ++block)
    {
        if (block == 0)
        {
            host.noteOn(40, 100);
            for (int key = 60; key < 72; ++key)
                host.noteOn(key, 90, key - 60);
        }
        if (block == 1 || block == 3)
            host.controller(1, block * 30);
        if (block == 2)
            host.pitchBend(16383);
        if (block == 6)
            host.pitchBend(0);
        if (block == 8)
            for (int key = 60; key < 66; ++key)
                host.noteOff(key);
        if (block == 12)
            host.pitchBend(8192);
        const StereoBuffer b = host.render(512);
        out.left.insert(out.left.end(), b.left.begin(), b.left.end());
        out.right.insert(out.right.end(), b.right.begin(), b.right.end());
    }
    return out;
}

TEST(ParameterSweep, EveryMappedParameterIsHeardAndNoOtherIs)
{
    const StereoBuffer base = phrase(ParamId::HitPower, false);
    ASSERT_GT(base.peak(), 0.01f);
    for (int i = 0; i < kParamCount; ++i)
    {
        const ParamId id = static_cast<ParamId>(i);
        const StereoBuffer changed = phrase(id, true);
        const bool heard = changed.left != base.left || changed.right != base.right;
        EXPECT_EQ(heard, kParamTable[i].use == ParamUse::Engine)
            << "parameter " << i << " \"" << kParamTable[i].name << "\"" << (heard ? " is heard" : " is dead");
    }
}

} // namespace
