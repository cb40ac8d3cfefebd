// The MICROTUNING page's template menu, chosen with the mouse: the built-in
// tables, RESET, and template files saved and loaded through the file dialog
// (its program replaced by an answer of the test's choosing).
#include <gtest/gtest.h>

#include "controls/mt_Display.h"
#include "tests/editor/DialogAnswers.h"
#include "tests/editor/EditorHost.h"
#include "tests/module/TempDir.h"

#include "toolkit/CNewFileSelector.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

using VSTGUI::CNewFileSelector;

constexpr int32_t kMtC = paramIndex(ParamId::MtC);
constexpr int32_t kUpC = paramIndex(ParamId::MpbUpC);
constexpr int32_t kDownC = paramIndex(ParamId::MpbDownC);

std::vector<unsigned char> floatBytes(const std::vector<float>& values)
{
    std::vector<unsigned char> bytes(values.size() * 4);
    std::memcpy(bytes.data(), values.data(), bytes.size());
    return bytes;
}

class EditorTemplates : public ::testing::Test, protected DialogAnswers
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(h.ok());
        ASSERT_TRUE(h.open());
        h.click(640, 58); // MICROTUNING
        ASSERT_TRUE(h.gui->isPageOpen(KelGui::kMicrotuningPage));
    }
    void TearDown() override { h.close(); }

    // Presses the menu, moves to an entry and lets go.
    void choose(int row, const std::string& path = "")
    {
        answer = path;
        h.move(880, 84);
        h.down(880, 84);
        h.move(880, 74 + 17 * row + 8, VSTGUI::kLButton);
        h.up(880, 74 + 17 * row + 8);
    }
    void pitchBendMode() { h.click(600, 84); }
    float value(int32_t index) { return h.host.getParameter(index); }
    void setAll(int32_t first, int count, float v)
    {
        for (int k = 0; k < count; ++k)
            h.plugin->setParameter(first + k, v);
    }

    EditorHost h;
    TempDir dir;
};

TEST_F(EditorTemplates, ResetCentresTheTuningOrOpensTheBendsFully)
{
    setAll(kMtC, 12, 0.2f);
    setAll(kUpC, 24, 0.3f);
    h.host.clearCalls();
    choose(1);
    for (int k = 0; k < 12; ++k)
    {
        EXPECT_EQ(value(kMtC + k), 0.5f) << k;
        EXPECT_EQ(h.gui->getControl(kMtC + k)->getValue(), 0.5f) << "the fader follows";
    }
    EXPECT_EQ(value(kUpC), 0.3f) << "NOTES mode leaves the bends";
    EXPECT_TRUE(h.host.automation().empty()) << "template values are not automation";

    pitchBendMode();
    ASSERT_TRUE(h.gui->isTemplateMenuPitchBend());
    setAll(kMtC, 12, 0.2f);
    choose(1);
    for (int k = 0; k < 24; ++k)
        EXPECT_EQ(value(kUpC + k), 1.f) << k;
    EXPECT_EQ(value(kMtC), 0.2f);
}

TEST_F(EditorTemplates, TheBuiltInTablesAreExact)
{
    const float just[12] = {0.f,      -0.1463f, 0.0197f, 0.0786f,  -0.0684f, -0.0100f,
                            -0.0486f, 0.0099f,  0.0684f, -0.0780f, 0.0880f,  -0.0586f};
    choose(3);
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(value(kMtC + k), (just[k] + 1.f) * 0.5f) << k;
    choose(2);
    EXPECT_EQ(value(kMtC), (-0.0444f + 1.f) * 0.5f);
    EXPECT_EQ(value(kMtC + 9), 0.5f) << "MEAN keeps A";
    choose(4);
    const float octatonic[12] = {0.5f, 0.5f, 0.025f, 0.5f, 0.5f, 0.975f, 0.5f, 0.5f, 0.025f, 0.5f, 0.5f, 0.025f};
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(value(kMtC + k), octatonic[k]) << k;

    pitchBendMode();
    choose(3); // PENTATONIC
    EXPECT_EQ(value(kUpC + 3), 0.f);
    EXPECT_EQ(value(kDownC + 1), 0.f);
    EXPECT_EQ(value(kDownC), 1.f);
    choose(2); // TONIC Cmaj
    const float up[12] = {1, 0.5f, 1, 0.5f, 0.5f, 1, 0.5f, 1, 0.5f, 1, 1, 0.5f};
    const float down[12] = {0.5f, 0.5f, 1, 0.5f, 1, 0.5f, 0.5f, 1, 0.5f, 1, 0.5f, 1};
    for (int k = 0; k < 12; ++k)
    {
        EXPECT_EQ(value(kUpC + k), up[k]) << k;
        EXPECT_EQ(value(kDownC + k), down[k]) << k;
    }
    choose(7); // below the entries: nothing
    EXPECT_EQ(value(kUpC + 1), 0.5f);
}

TEST_F(EditorTemplates, SaveWritesTheValuesAsFloats)
{
    choose(3); // JUST
    choose(6, dir.file("just"));
    EXPECT_TRUE(lastCommandHas("--title=Save A Notes Template"));
    EXPECT_TRUE(lastCommandHas("--filename=" + std::string(h.plugin->getFolder(true)) + "/"));
    const std::vector<unsigned char> file = readFile(dir.file("just.vmt"));
    ASSERT_EQ(file.size(), 48u);
    EXPECT_EQ(std::vector<unsigned char>(file.begin(), file.begin() + 4), (std::vector<unsigned char>{0, 0, 0, 0x3F}));
    std::vector<float> values(12);
    for (int k = 0; k < 12; ++k)
        values[k] = value(kMtC + k);
    EXPECT_EQ(file, floatBytes(values));
    EXPECT_EQ(std::string(h.gui->getTemplateFolder()), dir.path.string());

    // A name holding ".vmt" is kept as it is; the next dialog starts here.
    choose(6, dir.file("take.vmt.old"));
    EXPECT_TRUE(lastCommandHas("--filename=" + dir.path.string() + "/"));
    EXPECT_EQ(readFile(dir.file("take.vmt.old")).size(), 48u);
    EXPECT_FALSE(std::filesystem::exists(dir.file("take.vmt.old.vmt")));

    pitchBendMode();
    choose(6, dir.file("bends"));
    EXPECT_TRUE(lastCommandHas("--title=Save A Pitchbend Template"));
    EXPECT_EQ(readFile(dir.file("bends.vmp")).size(), 96u);

    // A cancelled dialog writes nothing.
    choose(6, "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), std::filesystem::directory_iterator()), 3);
}

TEST_F(EditorTemplates, LoadingTakesWhatTheFileHoldsAndNoMore)
{
    std::vector<float> bends(24);
    for (int k = 0; k < 24; ++k)
        bends[k] = 0.04f * static_cast<float>(k);
    writeFile(dir.file("wide.vmp"), floatBytes(bends));

    // A pitch-bend file through the NOTES menu: its first twelve values.
    setAll(kUpC, 24, 1.f);
    choose(5, dir.file("wide.vmp"));
    EXPECT_TRUE(lastCommandHas("--title=Choose A Notes Template"));
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(value(kMtC + k), bends[k]) << k;
    EXPECT_EQ(value(kUpC), 1.f);
    EXPECT_EQ(std::string(h.gui->getTemplateFolder()), dir.path.string());

    // 20 bytes: five values; the rest stay.
    setAll(kMtC, 12, 0.5f);
    writeFile(dir.file("short.vmt"), floatBytes({0.1f, 0.2f, 0.3f, 0.4f, 0.6f}));
    choose(5, dir.file("short.vmt"));
    const float five[5] = {0.1f, 0.2f, 0.3f, 0.4f, 0.6f};
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(value(kMtC + k), k < 5 ? five[k] : 0.5f) << k;

    // Values that are not numbers change nothing; others are kept to 0..1.
    setAll(kMtC, 12, 0.5f);
    std::vector<float> damaged(12, 0.25f);
    damaged[2] = std::numeric_limits<float>::quiet_NaN();
    damaged[3] = std::numeric_limits<float>::infinity();
    damaged[4] = 7.f;
    damaged[5] = -1.f;
    writeFile(dir.file("damaged.vmt"), floatBytes(damaged));
    choose(5, dir.file("damaged.vmt"));
    EXPECT_EQ(value(kMtC + 1), 0.25f);
    EXPECT_EQ(value(kMtC + 2), 0.5f);
    EXPECT_EQ(value(kMtC + 3), 0.5f);
    EXPECT_EQ(value(kMtC + 4), 1.f);
    EXPECT_EQ(value(kMtC + 5), 0.f);

    // In PITCH BEND mode all 24; a file that does not open changes nothing.
    pitchBendMode();
    setAll(kUpC, 24, 1.f);
    choose(5, dir.file("wide.vmp"));
    EXPECT_TRUE(lastCommandHas("--title=Choose A Pitchbend Template"));
    for (int k = 0; k < 24; ++k)
        EXPECT_EQ(value(kUpC + k), bends[k]) << k;
    choose(5, dir.file("missing.vmp"));
    EXPECT_EQ(value(kDownC + 11), bends[23]);
}

TEST_F(EditorTemplates, HoveringAFaderShowsItsPitch)
{
    h.host.setParameter(paramIndex(ParamId::ConcertA), 0.75f); // 450 Hz
    h.host.setParameter(kMtC + 9, 0.5f);
    h.host.setParameter(kMtC, 1.f);
    h.move(835, 130); // "MT A"
    const mt_Display* readout = h.gui->getTuningReadout();
    ASSERT_TRUE(readout->isVisible());
    EXPECT_FLOAT_EQ(readout->getA(), 0.f);
    EXPECT_FLOAT_EQ(readout->getB(), 450.f);
    h.move(520, 130); // "MT C" at +1: two semitones over middle C
    EXPECT_FLOAT_EQ(readout->getA(), 1.f);
    EXPECT_NEAR(readout->getB(), 450.f * std::pow(2.f, -7.f / 12.f), 1e-3);
}

} // namespace
