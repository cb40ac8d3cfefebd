// Control events out to the plug-in and the host, parameter changes back
// into the controls and the read-out lines.
#include <gtest/gtest.h>

#include "controls/Display.h"
#include "controls/LCDDial.h"
#include "controls/LCD_Display.h"
#include "controls/ProgNumber.h"
#include "controls/mt_Display.h"
#include "tests/editor/EditorHost.h"

#include "toolkit/CTextEdit.h"

#include <string>
#include <vector>

namespace {

class EditorRouting : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(h.ok());
        ASSERT_TRUE(h.open());
    }
    void TearDown() override { h.close(); }

    void set(ParamId id, float v) { h.host.setParameter(paramIndex(id), v); }
    std::string line(int section) const { return h.gui->getReadout(section)->getText(); }
    std::string dialText(ParamId id) const { return h.gui->getLcdDial(id)->getValueText(); }
    void nameProgram(int p, const char* name)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%s", name);
        const int current = h.plugin->getProgram();
        h.plugin->setProgram(p);
        h.plugin->setProgramName(text);
        h.plugin->setProgram(current);
    }

    EditorHost h;
};

TEST_F(EditorRouting, ADialDragIsAutomatedAndComesBackThroughTheHost)
{
    h.host.clearCalls();
    // The "Volume" dial (30, 220, 70, 260): hover its centre, drag 40 pixels up.
    h.move(50, 240);
    h.down(50, 240);
    h.move(50, 200, VSTGUI::kLButton);
    h.up(50, 200);
    const auto automation = h.host.automation();
    ASSERT_FALSE(automation.empty());
    EXPECT_EQ(automation.back().first, 1);
    EXPECT_NEAR(automation.back().second, 0.7f, 1e-6);
    EXPECT_FLOAT_EQ(h.plugin->getParameter(ParamId::Volume), automation.back().second);
    EXPECT_FLOAT_EQ(h.gui->getControl(1)->getValue(), automation.back().second);
    EXPECT_EQ(line(4), "volume:1.400");
    // Every step is one gesture on parameter 1 around its automation.
    int begins = 0, ends = 0;
    for (const auto& c : h.host.calls())
    {
        begins += c.opcode == audioMasterBeginEdit;
        ends += c.opcode == audioMasterEndEdit;
        if (c.opcode == audioMasterBeginEdit || c.opcode == audioMasterEndEdit)
        {
            EXPECT_EQ(c.index, 1);
        }
    }
    EXPECT_GE(begins, 2);
    EXPECT_EQ(begins, ends);

    // A host automating the parameter moves the dial and rewrites the line.
    set(ParamId::Volume, 0.25f);
    EXPECT_FLOAT_EQ(h.gui->getControl(1)->getValue(), 0.25f);
    EXPECT_EQ(line(4), "volume:0.500");
}

TEST_F(EditorRouting, CommandsNeverReachTheHostAsEdits)
{
    h.host.clearCalls();
    h.click(600, 60); // the MICROTUNING tab
    h.click(500, 84); // NOTES / PITCH BEND
    h.click(560, 84);
    h.click(700, 20); // the name field
    h.click(205, 191); // the link toggle: a parameter
    for (const auto& c : h.host.calls())
    {
        if (c.opcode == audioMasterBeginEdit || c.opcode == audioMasterEndEdit || c.opcode == audioMasterAutomate)
        {
            EXPECT_EQ(c.index, paramIndex(ParamId::SbLink)) << "opcode " << c.opcode;
        }
    }
    EXPECT_EQ(h.host.countCalls(audioMasterAutomate), 1);
}

TEST_F(EditorRouting, ReadoutTextsOfEverySection)
{
    struct Case
    {
        ParamId id;
        float value;
        int section;
        const char* text;
    };
    const Case cases[] = {
        {ParamId::SbOctave, 1.f, 2, "octave: ON"},
        {ParamId::SbOctave, 0.49f, 2, "octave: OFF"},
        {ParamId::SaNoteOffset, 0.75f, 1, "note offset:24.0"},
        {ParamId::SaBalance, 0.25f, 1, "balance:-0.500"},
        {ParamId::HitPower, 0.5f, 1, "rise:0.500"},
        {ParamId::SbFrqBottom, 69.f / 128.f, 2, "frq.lo:440.0hz"},
        {ParamId::SbDiffusion, 1.f, 2, "NOISE:1.000"},
        {ParamId::SbFrqBottom, 81.f / 128.f, 2, "NOISE frq:880.0hz"},
        {ParamId::SbFrqTop, 0.25f, 2, "NOISE res:0.250"},
        {ParamId::SbDiffusion, 0.5f, 2, "diffuse:0.500"},
        {ParamId::SbFrqTop, 57.f / 128.f, 2, "frq.hi:220.0hz"},
        {ParamId::SbLink, 1.f, 2, "link: ON"},
        {ParamId::SbLink, 0.f, 2, "link: OFF"},
        {ParamId::BodyTrSync, 0.5f, 3, "sync: Tempo"},
        {ParamId::BodyTrRate, 0.2f, 3, "rate:1/2T"},
        {ParamId::BodyTrRate, 0.3f, 3, "rate:1/4"},
        {ParamId::BodyTrSync, 1.f, 3, "sync: Song"},
        {ParamId::BodyTrSync, 0.f, 3, "sync: Off"},
        {ParamId::BodyTrRate, 0.15f, 3, "rate:0.150"},
        {ParamId::BodyLowest, 0.5f, 3, "lowest key:64"},
        {ParamId::BodyTune, 0.375f, 3, "tune:440.0hz"},
        {ParamId::BodyTrWide, 1.f, 3, "stereo:1.000"},
        {ParamId::ConcertA, 1.f, 4, "concert:460.00hz"},
        {ParamId::ConcertA, 0.5f, 4, "concert:440.00hz"},
        {ParamId::CrushBits, 0.5f, 4, "bits:8"},
        {ParamId::PitchRange, 0.5f, 4, "pb.range:6.000"},
        {ParamId::FltLowpass, 0.125f, 4, "flt.LP:0.125"},
    };
    for (const Case& c : cases)
    {
        set(c.id, c.value);
        EXPECT_EQ(line(c.section), c.text) << "parameter " << paramIndex(c.id) << " at " << c.value;
    }
    // Hovering shows the stored value again, in the text its item wrote.
    h.gui->showParameterReadout(uint8_t(2), uint8_t(8));
    EXPECT_EQ(line(2), "octave: OFF");
    h.gui->showParameterReadout(uint8_t(4), uint8_t(7));
    EXPECT_EQ(line(4), "bits:8");
    h.gui->showParameterReadout(uint8_t(3), uint8_t(13));
    EXPECT_EQ(line(3), "sync: Off");
}

TEST_F(EditorRouting, LcdDialTextsFollowTheirParametersAndSyncSwitches)
{
    set(ParamId::SandGrains, 0.427f);
    EXPECT_EQ(dialText(ParamId::SandGrains), "42");
    set(ParamId::SandTune, 12.f / 68.f);
    EXPECT_EQ(dialText(ParamId::SandTune), "440hz");
    set(ParamId::EchoLRate, 0.25f);
    EXPECT_EQ(dialText(ParamId::EchoLRate), "0.500s");
    set(ParamId::EchoSync, 1.f);
    EXPECT_EQ(dialText(ParamId::EchoLRate), "1/64T") << "k = trunc(13.5) odd, 2^trunc(6.75)";
    EXPECT_FLOAT_EQ(h.gui->getLcdDial(ParamId::EchoRRate)->getWheelInc(), 1.f / 18.f);
    set(ParamId::EchoSync, 0.f);
    EXPECT_EQ(dialText(ParamId::EchoLRate), "0.500s");
    EXPECT_FLOAT_EQ(h.gui->getLcdDial(ParamId::EchoRRate)->getWheelInc(), 0.01f);
    set(ParamId::LfoRate, 0.3f);
    EXPECT_EQ(dialText(ParamId::LfoRate), "0.300");
    set(ParamId::LfoSync, 1.f);
    EXPECT_EQ(dialText(ParamId::LfoRate), "1/4");
    set(ParamId::EnvPitch, 0.125f);
    EXPECT_EQ(dialText(ParamId::EnvPitch), "0.125");
}

TEST_F(EditorRouting, ParametersWithoutAControlChangeNoView)
{
    h.repaint();
    const WindowImage before = WindowImage::of(h.frame());
    for (ParamId id : {ParamId::BowTemp2, ParamId::Spare110, ParamId::SandSpare})
        set(id, 0.9f);
    h.idle();
    EXPECT_EQ(WindowImage::of(h.frame()).differingPixels(before), 0);
    EXPECT_TRUE(h.frame()->getInvalidRects().empty());
}

TEST_F(EditorRouting, NoteOffsetsMoveTheNeedles)
{
    set(ParamId::SaNoteOffset, 0.f);
    set(ParamId::SbNoteOffset, 1.f);
    EXPECT_DOUBLE_EQ(h.gui->getNeedleDisplay()->getNeedleA(), 55.0);
    EXPECT_DOUBLE_EQ(h.gui->getNeedleDisplay()->getNeedleB(), 972.0);
}

TEST_F(EditorRouting, ProgramStepsWrapAndSkipNothingButEmptySlots)
{
    nameProgram(63, "Last");
    h.plugin->setProgram(63);
    h.click(866, 20); // next: 63 -> 0
    EXPECT_EQ(h.plugin->getProgram(), 0);
    EXPECT_EQ(h.gui->getProgramNumber()->getProgram(), 0);
    h.click(611, 20); // previous: 0 -> 63
    EXPECT_EQ(h.plugin->getProgram(), 63);
    EXPECT_EQ(h.gui->getProgramNumber()->getProgram(), 63);
    EXPECT_STREQ(h.gui->getNameField()->getText(), "Last");
    h.click(611, 20); // 62 is "-": nothing
    EXPECT_EQ(h.plugin->getProgram(), 63);
    h.plugin->setProgram(0);
    h.click(866, 20); // 1 is "-": nothing
    EXPECT_EQ(h.plugin->getProgram(), 0);
}

TEST_F(EditorRouting, TwelveTuningShiftsUpRestoreEitherMode)
{
    for (int k = 0; k < kPitchClasses; ++k)
    {
        h.plugin->setParameter(microtuningParam(k), 0.05f * k);
        h.plugin->setParameter(bendUpParam(k), 0.9f - 0.03f * k);
        h.plugin->setParameter(bendDownParam(k), 0.1f + 0.07f * k);
    }
    ASSERT_TRUE(h.openPage("microtuning"));
    h.click(494, 122); // up once: B's value goes to C
    EXPECT_FLOAT_EQ(h.plugin->getParameter(ParamId::MtC), 0.55f);
    EXPECT_FLOAT_EQ(h.plugin->getParameter(microtuningParam(1)), 0.f);
    EXPECT_FLOAT_EQ(h.gui->getControl(paramIndex(ParamId::MtC))->getValue(), 0.55f);
    h.click(494, 145); // and down again
    EXPECT_FLOAT_EQ(h.plugin->getParameter(ParamId::MtC), 0.f);
    for (int mode = 0; mode < 2; ++mode)
    {
        if (mode == 1)
            h.click(600, 84); // PITCH BEND
        std::vector<float> start;
        for (int i = paramIndex(ParamId::MtC); i <= paramIndex(ParamId::MpbDownB); ++i)
            start.push_back(h.plugin->getParameter(i));
        for (int n = 0; n < 12; ++n)
            h.click(494, 122);
        for (int i = paramIndex(ParamId::MtC); i <= paramIndex(ParamId::MpbDownB); ++i)
            EXPECT_FLOAT_EQ(h.plugin->getParameter(i), start[i - paramIndex(ParamId::MtC)]) << "mode " << mode;
    }
    // In PITCH BEND mode the shift moved the bend rows, not the tuning.
    h.click(494, 122);
    EXPECT_FLOAT_EQ(h.plugin->getParameter(ParamId::MtC), 0.f);
    EXPECT_FLOAT_EQ(h.plugin->getParameter(ParamId::MpbUpC), 0.9f - 0.03f * 11);
}

TEST_F(EditorRouting, MicrotuningReadoutUsesTheConcertPitchCopy)
{
    set(ParamId::ConcertA, 0.5f);
    set(microtuningParam(9), 0.5f); // A, no offset
    EXPECT_FLOAT_EQ(h.gui->getTuningReadout()->getA(), 0.f);
    EXPECT_NEAR(h.gui->getTuningReadout()->getB(), 440.f, 1e-3);
    set(ParamId::PitchRange, 0.5f);
    set(bendUpParam(3), 0.5f);
    EXPECT_FLOAT_EQ(h.gui->getTuningReadout()->getA(), 0.5f);
    EXPECT_FLOAT_EQ(h.gui->getTuningReadout()->getB(), 3.f);
}

TEST_F(EditorRouting, TheNameFieldRenamesTheProgramToTwentyFourCharacters)
{
    auto* field = h.gui->getNameField();
    h.click(700, 20);
    ASSERT_TRUE(field->isEditing());
    for (char c : std::string(" and a name far too long to keep"))
        h.host.dispatch(effEditKeyDown, c, 0, nullptr, 0.f);
    h.host.dispatch(effEditKeyDown, 0, VKEY_RETURN, nullptr, 0.f);
    EXPECT_FALSE(field->isEditing());
    EXPECT_EQ(h.host.programName(), "Init and a name far too ");
    // PANIC silences and commits the same way.
    h.click(540, 20);
    EXPECT_EQ(h.host.programName(), "Init and a name far too ");
}

} // namespace
