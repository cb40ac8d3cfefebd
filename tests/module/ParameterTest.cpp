// The parameters as a host shows them: names, labels, display texts and their
// edge cases, read through the module's dispatcher.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/TestHost.h"

namespace {

class Parameters : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.ok()) << host.error(); }
    std::string display(int i) { return host.module().parameterDisplay(i); }
    std::string name(int i) { return host.module().parameterName(i); }
    std::string label(int i) { return host.module().parameterLabel(i); }
    TestHost host;
};

TEST_F(Parameters, DefaultsOfTheInitProgram) {
    const std::pair<int, float> defaults[] = {
        {0, 1.f},     {1, 0.5f},   {2, 0.f},          {7, 0.9f},     {8, 0.25f},  {15, 1.f},
        {16, 0.75f},  {24, 0.2f},  {25, 0.5625f},     {30, 21.f / 128}, {31, 108.f / 128}, {35, 0.33f},
        {39, 0.5f},   {44, 1.f / 6}, {46, 0.125f},    {48, 0.75f},   {51, 0.5f},  {62, 0.5f},
        {63, 1.f},    {86, 1.f},   {88, 1.f},         {92, 0.85f},   {93, 0.25f}, {110, 0.f}};
    for (auto [i, v] : defaults) EXPECT_FLOAT_EQ(host.getParameter(i), v) << i;
}

TEST_F(Parameters, NamesAndLabels) {
    EXPECT_EQ(name(0), "Hit Power");
    EXPECT_EQ(name(3), "BOW temp");
    EXPECT_EQ(name(10), "sA Note Offset");
    EXPECT_EQ(name(46), "-");
    EXPECT_EQ(name(52), "MT C#");
    EXPECT_EQ(name(74), "MPBup B");
    EXPECT_EQ(name(75), "MPBdown C");
    EXPECT_EQ(name(95), "Echo sync");
    EXPECT_EQ(name(109), "ENV pitch");
    EXPECT_EQ(name(110), "-");
    EXPECT_EQ(name(111), "-");
    EXPECT_EQ(label(10), "cents");
    EXPECT_EQ(label(25), "Hz");
    EXPECT_EQ(label(0), "");
    for (int i = 0; i < 111; ++i) EXPECT_LE(name(i).size(), 16u) << i;
}

TEST_F(Parameters, PitchTextsAtTheDefaults) {
    EXPECT_EQ(display(39), "440.0");
    EXPECT_EQ(display(25), "622.254");
    EXPECT_EQ(display(60), "440.00");
    EXPECT_EQ(display(51), "261.63");
    host.setParameter(25, 0.375f);
    EXPECT_EQ(display(25), "440.000");
    host.setParameter(25, 1.f);
    EXPECT_EQ(display(25), "1396.913");
    host.setParameter(39, 1.f);  // A = 460: the text would be longer than 8
    EXPECT_EQ(display(25), "1460.409");
    host.setParameter(25, 2.f);  // outside 0..1: the first 8 characters
    EXPECT_EQ(display(25).size(), 8u);
}

TEST_F(Parameters, NoteOffsetTexts) {
    EXPECT_EQ(display(10), "12.000");
    host.setParameter(10, 0.f);
    EXPECT_EQ(display(10), "-12.000");
    host.setParameter(10, 1.f);
    EXPECT_EQ(display(10), "36.000");
    EXPECT_EQ(display(16), "24");
    EXPECT_EQ(display(14), "-12.000");
}

TEST_F(Parameters, NoiseModeRenamesThreeParameters) {
    EXPECT_EQ(display(15), "116");
    EXPECT_EQ(label(15), "cents");
    EXPECT_EQ(name(14), "sB Frq.bottom");
    host.setParameter(22, 0.99f);
    EXPECT_EQ(name(22), "sB Diffusion");
    host.setParameter(22, 1.f);
    EXPECT_EQ(name(14), "NOISE Frq");
    EXPECT_EQ(name(15), "NOISE Res");
    EXPECT_EQ(name(22), "NOISE");
    EXPECT_EQ(display(15), "1.000");
    EXPECT_EQ(label(15), "");
    EXPECT_EQ(label(14), "cents");
}

TEST_F(Parameters, SyncDivisions) {
    host.setParameter(36, 0.5f);  // Tempo
    host.setParameter(37, 0.15f);
    EXPECT_EQ(display(37), "1/2");
    host.setParameter(37, 0.2f);
    EXPECT_EQ(display(37), "1/2T");
    host.setParameter(37, 0.f);
    EXPECT_EQ(display(37), "1/1");
    host.setParameter(37, 1.f);
    EXPECT_EQ(display(37), "1/256");
    host.setParameter(36, 0.f);
    host.setParameter(37, 0.15f);
    EXPECT_EQ(display(37), "0.150");

    EXPECT_EQ(display(93), "0.250");
    host.setParameter(95, 0.99f);
    EXPECT_EQ(display(95), "Off");
    EXPECT_EQ(display(93), "0.250");
    host.setParameter(95, 1.f);
    EXPECT_EQ(display(95), "Tempo");
    EXPECT_EQ(display(93), "1/4");
    host.setParameter(94, 15.f / 16.f);
    EXPECT_EQ(display(94), "1/128T");
}

TEST_F(Parameters, SteppedTexts) {
    EXPECT_EQ(display(36), "Off");
    host.setParameter(36, 0.5f);
    EXPECT_EQ(display(36), "Tempo");
    host.setParameter(36, 1.f);
    EXPECT_EQ(display(36), "Song");
    EXPECT_EQ(display(19), "Off");
    host.setParameter(19, 0.01f);
    EXPECT_EQ(display(19), "On");
    EXPECT_EQ(display(33), "0.000");
    EXPECT_EQ(display(38), "0.500");
    EXPECT_EQ(display(44), "2.000");
    EXPECT_EQ(display(45), "0.160");
}

// Values outside 0..1 can arrive through chunks and files; the stepped texts
// must not pick a text past the end of their list.
TEST_F(Parameters, OutOfRangeValuesPickTheNearestText) {
    host.setParameter(36, 7.f);
    EXPECT_EQ(display(36), "Song");
    host.setParameter(36, -3.f);
    EXPECT_EQ(display(36), "Off");
    host.setParameter(95, 250.f);
    EXPECT_EQ(display(95), "Tempo");
    host.setParameter(95, -1.f);
    EXPECT_EQ(display(95), "Off");
    host.setParameter(37, 1e30f);
    host.setParameter(36, 0.5f);
    EXPECT_LE(display(37).size(), 8u);
}

TEST_F(Parameters, DisplayCutToEightAndUnknownIndexUntouched) {
    char text[32];
    std::memset(text, 'x', sizeof text);
    host.dispatch(effGetParamDisplay, 111, 0, text);
    EXPECT_EQ(text[0], 'x');
    host.dispatch(effGetParamDisplay, -1, 0, text);
    EXPECT_EQ(text[0], 'x');
    host.setParameter(0, 123456.f);
    host.dispatch(effGetParamDisplay, 0, 0, text);
    EXPECT_STREQ(text, "123456.0");
    EXPECT_EQ(text[9], 'x');  // 8 characters and the terminator, nothing more
}

TEST_F(Parameters, ValuesStoredAsGivenAndOutOfRangeIgnored) {
    host.setParameter(7, 0.3f);
    EXPECT_FLOAT_EQ(host.getParameter(7), 0.3f);
    host.setParameter(3, 1.7f);  // no clamping
    EXPECT_FLOAT_EQ(host.getParameter(3), 1.7f);
    host.setParameter(111, 0.5f);
    host.setParameter(-1, 0.5f);
    EXPECT_EQ(host.getParameter(111), 0.f);
    EXPECT_EQ(host.getParameter(-5), 0.f);
}

}  // namespace
