// The engine's rate follows the host's only strictly between 8000 and 100000
// Hz, and a rate change re-applies the current program.
#include <gtest/gtest.h>

#include <string>

#include "tests/module/InProcess.h"
#include "tests/support/TestHost.h"

namespace {

TEST(SampleRate, EngineRateAndEchoLines) {
    const std::pair<float, float> cases[] = {{8000.f, 48000.f},  {100000.f, 48000.f}, {8001.f, 8001.f},
                                             {96000.f, 96000.f}, {44100.f, 44100.f},   {0.f, 48000.f},
                                             {-44100.f, 48000.f}, {192000.f, 48000.f}};
    InProcessInstrument inst;
    ASSERT_NE(inst.plugin, nullptr);
    // Construction runs at 48000 with 1024-sample blocks.
    EXPECT_FLOAT_EQ(inst.plugin->getSampleRate(), 48000.f);
    EXPECT_FLOAT_EQ(inst.plugin->getEngineRate(), 48000.f);
    EXPECT_EQ(inst.plugin->getEchoLineLength(0), 192000);
    EXPECT_EQ(inst.plugin->getBlockSize(), 1024);
    inst.host.setBlockSize(256);
    EXPECT_EQ(inst.plugin->getBlockSize(), 256);
    for (auto [hostRate, engineRate] : cases) {
        inst.host.setSampleRate(hostRate);
        EXPECT_FLOAT_EQ(inst.plugin->getEngineRate(), engineRate) << hostRate;
        EXPECT_FLOAT_EQ(inst.plugin->getSampleRate(), hostRate);
        int lines = static_cast<int>(4.f * engineRate);
        EXPECT_EQ(inst.plugin->getEchoLineLength(0), lines) << hostRate;
        EXPECT_EQ(inst.plugin->getEchoLineLength(1), lines) << hostRate;
    }
}

TEST(SampleRate, ChangeKeepsTheProgramAndItsValues) {
    TestHost host;
    ASSERT_TRUE(host.ok());
    host.setProgram(7);
    host.setParameter(1, 0.33f);
    host.setSampleRate(96000.f);
    EXPECT_EQ(host.module().getProgram(), 7);
    EXPECT_FLOAT_EQ(host.getParameter(1), 0.33f);
    EXPECT_TRUE(host.render(2048).allFinite());
}

}  // namespace
