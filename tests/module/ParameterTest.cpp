// The parameters as a host shows them: names, labels, display texts and their
// edge cases, read through the module's dispatcher.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/TestHost.h"

namespace {

// One step of a walk: set parameter `set` to `value` (nothing when set < 0),
// then read the name ('n'), label ('l') or display text ('d') of `shown`.
struct Step
{
    int set;
    float value;
    char what;
    int shown;
    const char* text;
};

class Parameters : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(host.ok()) << host.error(); }
    std::string display(int i) { return host.module().parameterDisplay(i); }
    void walk(std::initializer_list<Step> steps)
    {
        HostModule& m = host.module();
        for (const Step& s : steps)
        {
            if (s.set >= 0)
                host.setParameter(s.set, s.value);
            std::string seen = s.what == 'n'   ? m.parameterName(s.shown)
                               : s.what == 'l' ? m.parameterLabel(s.shown)
                                               : m.parameterDisplay(s.shown);
            EXPECT_EQ(seen, s.text) << s.what << s.shown << " after " << s.set << " = " << s.value;
        }
    }
    TestHost host;
};

TEST_F(Parameters, DefaultsOfTheInitProgram)
{
    const std::pair<ParamId, float> defaults[] = {
        {ParamId::HitPower, 1.f},       {ParamId::BowTemp2, 0.f},          {ParamId::Release, 0.25f},
        {ParamId::SbNoteOffset, 0.75f}, {ParamId::BodyLowest, 21.f / 128}, {ParamId::BodyHighest, 108.f / 128},
        {ParamId::PitchRange, 1.f / 6}, {ParamId::CrushBits, 0.125f},      {ParamId::MtB, 0.5f},
        {ParamId::SandSpare, 1.f},      {ParamId::SandDamping, 0.85f},     {ParamId::Spare110, 0.f}};
    for (auto [i, v] : defaults)
        EXPECT_FLOAT_EQ(host.getParameter(i), v) << paramIndex(i);
}

// NOISE mode (parameter 22 at 1) renames 14, 15 and 22 and changes 15's text.
TEST_F(Parameters, NamesAndLabels)
{
    walk({{-1, 0, 'n', 0, "Hit Power"},
          {-1, 0, 'n', 10, "sA Note Offset"},
          {-1, 0, 'n', 52, "MT C#"},
          {-1, 0, 'n', 74, "MPBup B"},
          {-1, 0, 'n', 75, "MPBdown C"},
          {-1, 0, 'n', 109, "ENV pitch"},
          {-1, 0, 'n', 110, "-"},
          {-1, 0, 'n', 111, "-"},
          {-1, 0, 'l', 10, "cents"},
          {-1, 0, 'l', 25, "Hz"},
          {-1, 0, 'l', 0, ""},
          {-1, 0, 'd', 15, "116"},
          {-1, 0, 'l', 15, "cents"},
          {-1, 0, 'n', 14, "sB Frq.bottom"},
          {22, 0.99f, 'n', 22, "sB Diffusion"},
          {22, 1.f, 'n', 14, "NOISE Frq"},
          {-1, 0, 'n', 15, "NOISE Res"},
          {-1, 0, 'n', 22, "NOISE"},
          {-1, 0, 'd', 15, "1.000"},
          {-1, 0, 'l', 15, ""},
          {-1, 0, 'l', 14, "cents"}});
    for (int i = 0; i < 111; ++i)
        EXPECT_LE(host.module().parameterName(i).size(), 16u) << i;
}

// Pitches in the concert pitch, note offsets, sync divisions (tremolo sync 36,
// echo sync 95), stepped choices, and values outside 0..1 as chunks and files
// may bring them, which must not pick a text past the end of a list.
TEST_F(Parameters, DisplayTexts)
{
    walk({{-1, 0, 'd', 39, "440.0"},
          {-1, 0, 'd', 25, "622.254"},
          {-1, 0, 'd', 60, "440.00"},
          {25, 0.375f, 'd', 25, "440.000"},
          {25, 1.f, 'd', 25, "1396.913"},
          {39, 1.f, 'd', 25, "1460.409"}, // A = 460: the first 8 characters of a longer text
          {10, 0.f, 'd', 10, "-12.000"},
          {10, 1.f, 'd', 10, "36.000"},
          {-1, 0, 'd', 16, "24"},
          {-1, 0, 'd', 19, "Off"},
          {19, 0.01f, 'd', 19, "On"},
          {-1, 0, 'd', 38, "0.500"},
          {-1, 0, 'd', 44, "2.000"},
          {-1, 0, 'd', 45, "0.160"},
          {-1, 0, 'd', 36, "Off"},
          {36, 0.5f, 'd', 36, "Tempo"},
          {36, 1.f, 'd', 36, "Song"},
          {36, 7.f, 'd', 36, "Song"},
          {36, -3.f, 'd', 36, "Off"},
          {36, 0.5f, 'd', 36, "Tempo"},
          {37, 0.15f, 'd', 37, "1/2"},
          {37, 0.2f, 'd', 37, "1/2T"},
          {37, 0.f, 'd', 37, "1/1"},
          {37, 1.f, 'd', 37, "1/256"},
          {36, 0.f, 'd', 36, "Off"},
          {37, 0.15f, 'd', 37, "0.150"},
          {-1, 0, 'd', 93, "0.250"},
          {95, 0.99f, 'd', 95, "Off"},
          {-1, 0, 'd', 93, "0.250"},
          {95, 1.f, 'd', 95, "Tempo"},
          {-1, 0, 'd', 93, "1/4"},
          {94, 15.f / 16, 'd', 94, "1/128T"},
          {95, 250.f, 'd', 95, "Tempo"},
          {95, -1.f, 'd', 95, "Off"}});
    host.setParameter(ParamId::BodyTune, 2.f);
    EXPECT_EQ(display(25).size(), 8u);
    host.setParameter(ParamId::BodyTrRate, 1e30f);
    host.setParameter(ParamId::BodyTrSync, 0.5f);
    EXPECT_LE(display(37).size(), 8u);
}

TEST_F(Parameters, DisplayCutToEightValuesUnclampedAndUnknownIndicesIgnored)
{
    char text[32];
    std::memset(text, 'x', sizeof text);
    host.dispatch(effGetParamDisplay, 111, 0, text);
    host.dispatch(effGetParamDisplay, -1, 0, text);
    EXPECT_EQ(text[0], 'x');
    host.setParameter(ParamId::HitPower, 123456.f);
    host.dispatch(effGetParamDisplay, 0, 0, text);
    EXPECT_STREQ(text, "123456.0");
    EXPECT_EQ(text[9], 'x'); // 8 characters and the terminator, nothing more
    EXPECT_FLOAT_EQ(host.getParameter(ParamId::HitPower), 123456.f) << "stored unclamped";
    host.setParameter(111, 0.5f);
    host.setParameter(-1, 0.5f);
    EXPECT_EQ(host.getParameter(111) + host.getParameter(-5), 0.f);
}

} // namespace
