// The save and load buttons' program and bank dialogs, with the dialog
// program replaced by an answer of the test's choosing.
#include <gtest/gtest.h>

#include "tests/editor/DialogAnswers.h"
#include "tests/editor/EditorHost.h"
#include "tests/module/TempDir.h"

#include "toolkit/CNewFileSelector.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using VSTGUI::CNewFileSelector;

class EditorDialogs : public ::testing::Test, protected DialogAnswers
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(h.ok());
        ASSERT_TRUE(h.open());
    }
    void TearDown() override { h.close(); }

    // Presses a load or save button, moves into the box entry and releases.
    void choose(double buttonX, double entryX, double entryY, const std::string& path)
    {
        answer = path;
        h.move(buttonX, 20);
        h.down(buttonX, 20);
        h.move(entryX, entryY, VSTGUI::kLButton);
        h.up(entryX, entryY);
    }
    void saveProgram(const std::string& path) { choose(939, 850, 50, path); }
    void saveBank(const std::string& path) { choose(939, 850, 70, path); }
    void loadProgram(const std::string& path) { choose(909, 880, 50, path); }
    void loadBank(const std::string& path) { choose(909, 880, 70, path); }

    EditorHost h;
    TempDir dir;
};

TEST_F(EditorDialogs, SavingAProgramNamesItAndMovesTheStartFolder)
{
    saveProgram(dir.file("Copper Rain"));
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_TRUE(lastCommandHas("--title=Save A Program File"));
    EXPECT_TRUE(lastCommandHas("--filename=" + std::string(h.plugin->getFolder(true)) + "/Init"));
    EXPECT_EQ(readFile(dir.file("Copper Rain.vnp")).size(), 1500u);
    EXPECT_EQ(h.host.programName(), "Copper Rain");
    EXPECT_EQ(std::string(h.gui->getLastFolder()), dir.path.string());
    // The next dialog starts there.
    loadProgram("");
    EXPECT_TRUE(lastCommandHas("--filename=" + dir.path.string() + "/"));
    EXPECT_TRUE(lastCommandHas("--title=Choose A Program File"));
}

TEST_F(EditorDialogs, ANameHoldingTheExtensionIsWrittenAsGiven)
{
    saveProgram(dir.file("take.vnp.old"));
    EXPECT_TRUE(std::filesystem::exists(dir.file("take.vnp.old")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("take.vnp.old.vnp")));
    EXPECT_EQ(h.host.programName(), "take.vnp");
}

TEST_F(EditorDialogs, OnlyAnExactExtensionLoads)
{
    h.plugin->setParameter(ParamId::Decay, 0.125f);
    saveProgram(dir.file("low"));
    std::filesystem::copy_file(dir.file("low.vnp"), dir.file("shout.VNP"));
    h.plugin->setParameter(ParamId::Decay, 0.75f);

    loadProgram(dir.file("shout.VNP"));
    EXPECT_FLOAT_EQ(h.plugin->getParameter(ParamId::Decay), 0.75f) << "a different letter case is not loaded";
    loadProgram("");
    EXPECT_FLOAT_EQ(h.plugin->getParameter(ParamId::Decay), 0.75f) << "cancelled";
    loadProgram(dir.file("low.vnp"));
    EXPECT_FLOAT_EQ(h.plugin->getParameter(ParamId::Decay), 0.125f);
    EXPECT_FLOAT_EQ(h.gui->getControl(paramIndex(ParamId::Decay))->getValue(), 0.125f);
}

TEST_F(EditorDialogs, ABankKeepsItsPathAndLoadsBackWithProgramZero)
{
    const std::string before = h.gui->getLastFolder();
    saveBank(dir.file("springs"));
    EXPECT_TRUE(lastCommandHas("--title=Save A Bank File"));
    const std::string path = dir.file("springs.vnb");
    const char* field = reinterpret_cast<const char*>(h.plugin->getBankImage() + 96000);
    EXPECT_STREQ(field, path.c_str());
    const std::vector<unsigned char> bytes = readFile(path);
    ASSERT_EQ(bytes.size(), 97024u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data() + 96000)), path);
    EXPECT_EQ(std::string(h.gui->getLastFolder()), before) << "banks leave the start folder";

    h.plugin->setProgram(0);
    h.plugin->setParameter(ParamId::Release, 0.9f);
    loadBank(path);
    EXPECT_TRUE(lastCommandHas("--title=Choose A Bank File"));
    EXPECT_EQ(h.plugin->getProgram(), 0);
    EXPECT_FLOAT_EQ(h.plugin->getParameter(ParamId::Release), 0.25f);
}

TEST_F(EditorDialogs, ReleasingOutsideTheBoxOpensNothing)
{
    choose(939, 939, 20, dir.file("never"));
    EXPECT_TRUE(commands.empty());
}

} // namespace
