// The engine's rate follows the host's only strictly between 8000 and 100000
// Hz, and a rate change re-applies the current program.
#include <gtest/gtest.h>

#include <string>

#include "tests/module/InProcess.h"
#include "tests/support/TestHost.h"

namespace {

struct RateCase {
    float hostRate;
    float engineRate;
};

class SampleRate : public ::testing::TestWithParam<RateCase> {};

TEST_P(SampleRate, EngineRateAndEchoLines) {
    InProcessInstrument inst;
    ASSERT_NE(inst.plugin, nullptr);
    inst.host.setSampleRate(GetParam().hostRate);
    EXPECT_FLOAT_EQ(inst.plugin->getEngineRate(), GetParam().engineRate);
    EXPECT_FLOAT_EQ(inst.plugin->getSampleRate(), GetParam().hostRate);
    int lines = static_cast<int>(4.f * GetParam().engineRate);
    EXPECT_EQ(inst.plugin->getEchoLineLength(0), lines);
    EXPECT_EQ(inst.plugin->getEchoLineLength(1), lines);
}

INSTANTIATE_TEST_SUITE_P(Bounds, SampleRate,
                         ::testing::Values(RateCase{8000.f, 48000.f}, RateCase{100000.f, 48000.f},
                                           RateCase{8001.f, 8001.f}, RateCase{96000.f, 96000.f},
                                           RateCase{44100.f, 44100.f}, RateCase{0.f, 48000.f},
                                           RateCase{-44100.f, 48000.f}, RateCase{192000.f, 48000.f}),
                         [](const ::testing::TestParamInfo<RateCase>& p) {
                             int rate = static_cast<int>(p.param.hostRate);
                             return std::string(rate < 0 ? "minus" : "at") + std::to_string(rate < 0 ? -rate : rate);
                         });

TEST(SampleRateChange, ConstructionRunsAt48000) {
    InProcessInstrument inst;
    ASSERT_NE(inst.plugin, nullptr);
    EXPECT_FLOAT_EQ(inst.plugin->getSampleRate(), 48000.f);
    EXPECT_FLOAT_EQ(inst.plugin->getEngineRate(), 48000.f);
    EXPECT_EQ(inst.plugin->getEchoLineLength(0), 192000);
    EXPECT_EQ(inst.plugin->getBlockSize(), 1024);
}

TEST(SampleRateChange, KeepsTheProgramAndItsValues) {
    TestHost host;
    ASSERT_TRUE(host.ok());
    host.setProgram(7);
    host.setParameter(1, 0.33f);
    host.setSampleRate(96000.f);
    EXPECT_EQ(host.module().getProgram(), 7);
    EXPECT_FLOAT_EQ(host.getParameter(1), 0.33f);
    StereoBuffer out = host.render(2048);
    EXPECT_TRUE(out.allFinite());
}

TEST(SampleRateChange, ResetsTheHostTempo) {
    InProcessInstrument inst;
    ASSERT_NE(inst.plugin, nullptr);
    inst.host.setTempo(90.0);
    EXPECT_FLOAT_EQ(inst.plugin->readHostTempo(), 90.f);
    inst.host.setTimeInfoAvailable(false);
    inst.host.setSampleRate(44100.f);
    EXPECT_FLOAT_EQ(inst.plugin->readHostTempo(), 120.f);
}

}  // namespace
