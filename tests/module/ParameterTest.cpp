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

// One step of a walk: set parameter `set` to `value` (none when set < 0),
// then read what the host shows for parameter `shown`.
struct Step {
    int set;
    float value;
    int shown;
    const char* text;
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
    const std::pair<int, const char*> names[] = {
        {0, "Hit Power"},     {3, "BOW temp"},   {10, "sA Note Offset"}, {46, "-"},         {52, "MT C#"},
        {74, "MPBup B"},      {75, "MPBdown C"}, {95, "Echo sync"},      {109, "ENV pitch"}, {110, "-"},
        {111, "-"}};
    for (auto [i, n] : names) EXPECT_EQ(name(i), n) << i;
    EXPECT_EQ(label(10), "cents");
    EXPECT_EQ(label(25), "Hz");
    EXPECT_EQ(label(0), "");
    for (int i = 0; i < 111; ++i) EXPECT_LE(name(i).size(), 16u) << i;
}

// Display texts from the defaults on: pitches in the concert pitch, note
// offsets, sync divisions (tremolo sync 36, echo sync 95), stepped choices,
// and values outside 0..1 as chunks and files may bring them, which must not
// pick a text past the end of a list.
TEST_F(Parameters, DisplayTexts) {
    const Step walk[] = {
        {-1, 0, 39, "440.0"},    {-1, 0, 25, "622.254"},  {-1, 0, 60, "440.00"},   {-1, 0, 51, "261.63"},
        {25, 0.375f, 25, "440.000"},  {25, 1.f, 25, "1396.913"},
        {39, 1.f, 25, "1460.409"},  // A = 460: the first 8 characters of a longer text
        {-1, 0, 10, "12.000"},   {10, 0.f, 10, "-12.000"}, {10, 1.f, 10, "36.000"},  {-1, 0, 16, "24"},
        {-1, 0, 14, "-12.000"},  {-1, 0, 19, "Off"},       {19, 0.01f, 19, "On"},    {-1, 0, 33, "0.000"},
        {-1, 0, 38, "0.500"},    {-1, 0, 44, "2.000"},     {-1, 0, 45, "0.160"},     {-1, 0, 36, "Off"},
        {36, 0.5f, 36, "Tempo"}, {36, 1.f, 36, "Song"},    {36, 7.f, 36, "Song"},    {36, -3.f, 36, "Off"},
        {36, 0.5f, 36, "Tempo"}, {37, 0.15f, 37, "1/2"},   {37, 0.2f, 37, "1/2T"},   {37, 0.f, 37, "1/1"},
        {37, 1.f, 37, "1/256"},  {36, 0.f, 36, "Off"},    {37, 0.15f, 37, "0.150"},
        {-1, 0, 93, "0.250"},    {95, 0.99f, 95, "Off"},   {-1, 0, 93, "0.250"},     {95, 1.f, 95, "Tempo"},
        {-1, 0, 93, "1/4"},      {94, 15.f / 16, 94, "1/128T"}, {95, 250.f, 95, "Tempo"}, {95, -1.f, 95, "Off"}};
    for (const Step& s : walk) {
        if (s.set >= 0) host.setParameter(s.set, s.value);
        EXPECT_EQ(display(s.shown), s.text) << "parameter " << s.set << " at " << s.value;
    }
    host.setParameter(25, 2.f);
    EXPECT_EQ(display(25).size(), 8u);
    host.setParameter(37, 1e30f);
    host.setParameter(36, 0.5f);
    EXPECT_LE(display(37).size(), 8u);
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

TEST_F(Parameters, DisplayCutToEightAndUnknownIndexUntouched) {
    char text[32];
    std::memset(text, 'x', sizeof text);
    host.dispatch(effGetParamDisplay, 111, 0, text);
    host.dispatch(effGetParamDisplay, -1, 0, text);
    EXPECT_EQ(text[0], 'x');
    host.setParameter(0, 123456.f);
    host.dispatch(effGetParamDisplay, 0, 0, text);
    EXPECT_STREQ(text, "123456.0");
    EXPECT_EQ(text[9], 'x');  // 8 characters and the terminator, nothing more
}

TEST_F(Parameters, ValuesStoredUnclampedAndOutOfRangeIgnored) {
    host.setParameter(3, 1.7f);
    EXPECT_FLOAT_EQ(host.getParameter(3), 1.7f);
    host.setParameter(111, 0.5f);
    host.setParameter(-1, 0.5f);
    EXPECT_EQ(host.getParameter(111), 0.f);
    EXPECT_EQ(host.getParameter(-5), 0.f);
}

}  // namespace
