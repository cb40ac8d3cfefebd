// The engine's rate follows the host's above 8000 Hz and up to 192000 Hz (48000
// otherwise), and a rate change re-applies the current program.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/module/InProcess.h"

namespace {

TEST(SampleRate, EngineRateEchoLinesAndTheProgramKept)
{
    const std::pair<float, float> cases[] = {{8000.f, 48000.f},   {100000.f, 100000.f}, {8001.f, 8001.f},
                                             {96000.f, 96000.f},  {44100.f, 44100.f},   {0.f, 48000.f},
                                             {-44100.f, 48000.f}, {176400.f, 176400.f}, {192000.f, 192000.f},
                                             {192001.f, 48000.f}, {NAN, 48000.f},       {INFINITY, 48000.f}};
    InProcessInstrument inst;
    ASSERT_NE(inst.plugin, nullptr);
    // Construction runs at 48000 with 1024-sample blocks.
    EXPECT_FLOAT_EQ(inst.plugin->getSampleRate(), 48000.f);
    EXPECT_FLOAT_EQ(inst.plugin->getEngineRate(), 48000.f);
    EXPECT_EQ(inst.plugin->getEchoLineLength(0), 192000);
    EXPECT_EQ(inst.plugin->getBlockSize(), 1024);
    inst.plugin->setProgram(7);
    inst.plugin->setParameter(ParamId::Volume, 0.33f);
    for (auto [hostRate, engineRate] : cases)
    {
        inst.host.setSampleRate(hostRate);
        EXPECT_FLOAT_EQ(inst.plugin->getEngineRate(), engineRate) << hostRate;
        if (!std::isnan(hostRate))
        {
            EXPECT_FLOAT_EQ(inst.plugin->getSampleRate(), hostRate);
        }
        int lines = static_cast<int>(4.f * engineRate);
        EXPECT_EQ(inst.plugin->getEchoLineLength(0), lines) << hostRate;
        EXPECT_EQ(inst.plugin->getEchoLineLength(1), lines) << hostRate;
    }
    // The program and its values survive the changes.
    EXPECT_EQ(inst.plugin->getProgram(), 7);
    EXPECT_FLOAT_EQ(inst.plugin->getParameter(ParamId::Volume), 0.33f);
}

} // namespace
