// A program sounds the same whatever was applied before it: another program
// with its own concert pitch and microtuning, or one sample-rate change more.
#include <gtest/gtest.h>

#include "tests/module/RecordBytes.h"
#include "tests/support/TestHost.h"

namespace {

// Two programs far apart in pitch: P (0) and Q (1).
std::vector<unsigned char> twoPrograms(HostModule& host)
{
    std::vector<unsigned char> bank = host.getChunk(false);
    unsigned char* p = bank.data();
    unsigned char* q = bank.data() + 1500;
    const std::pair<ParamId, float> pValues[] = {
        {ParamId::ConcertA, 0.9f},     {microtuningParam(0), 0.7f}, {microtuningParam(7), 0.2f},
        {ParamId::SbVolume, 0.8f},     {ParamId::BodyTune, 0.3f},   {ParamId::BodyVol, 0.6f},
        {ParamId::BodyPhaseFrq, 0.4f}, {ParamId::BodyPhaMix, 0.8f}, {ParamId::SandGrains, 0.3f},
        {ParamId::SandTune, 0.6f},     {ParamId::SbFrqBottom, 0.4f}};
    for (auto [id, v] : pValues)
        putValue(p, paramIndex(id), v);
    putValue(q, paramIndex(ParamId::ConcertA), 0.05f);
    putValue(q, paramIndex(microtuningParam(0)), 0.1f);
    putValue(q, paramIndex(ParamId::SbDiffusion), 1.0f); // NOISE
    return bank;
}

// Program 0 (P) applied after `before`, with extra sample-rate changes, then a chord.
std::vector<float> playP(int before, int extraRateChanges, bool noise)
{
    TestHost host;
    EXPECT_TRUE(host.ok()) << host.error();
    std::vector<unsigned char> bank = twoPrograms(host.module());
    if (noise)
        putValue(bank.data(), paramIndex(ParamId::SbDiffusion), 1.0f);
    host.module().setChunk(bank, false);
    host.setProgram(before);
    host.setProgram(0);
    for (int i = 0; i < extraRateChanges; ++i)
        host.setSampleRate(44100.f);
    for (int key : {48, 55, 60, 64, 71})
        host.noteOn(key, 100);
    return host.render(24000).left;
}

TEST(ProgramOrder, AProgramSoundsTheSameAfterAnyOther)
{
    for (bool noise : {false, true})
    {
        EXPECT_EQ(playP(1, 0, noise), playP(0, 0, noise)) << "P after Q, P after P; NOISE " << noise;
        EXPECT_EQ(playP(0, 2, noise), playP(0, 1, noise)) << "a second identical rate change; NOISE " << noise;
    }
}

} // namespace
