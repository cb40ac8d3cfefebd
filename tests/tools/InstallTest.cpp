// Install and uninstall through a temporary home, as a user runs them: the
// files that arrive, the bytes they hold, the installed tool at work from
// another folder, and what an uninstall leaves.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "tests/module/TempDir.h"
#include "tests/tools/Shell.h"

namespace fs = std::filesystem;

namespace {

const fs::path kBuilt = VANT_FACTORY_DIR; // the factory presets the build made

std::set<std::string> filesUnder(const fs::path& root)
{
    std::set<std::string> files;
    if (fs::exists(root))
        for (const auto& e : fs::recursive_directory_iterator(root))
            if (e.is_regular_file())
                files.insert(fs::relative(e.path(), root).string());
    return files;
}

class Install : public ::testing::Test
{
protected:
    ShellResult install(const std::string& env = "")
    {
        return shell(cleanEnv(home.path.string()) + env + " bash " + quoted(VANT_SOURCE_DIR "/scripts/install.sh") +
                     " --no-build " + quoted(VANT_BUILD_DIR));
    }
    ShellResult uninstall(const std::string& env = "")
    {
        return shell(cleanEnv(home.path.string()) + env + " bash " + quoted(VANT_SOURCE_DIR "/scripts/uninstall.sh"));
    }
    fs::path folder() const { return home.path / ".vst" / "Vantorel"; }
    TempDir home;
};

TEST_F(Install, PutsModulePresetsAndToolInTheUsersFolders)
{
    const ShellResult r = install();
    ASSERT_EQ(r.status, 0) << r.output;
    std::set<std::string> expected{"Vantorel/Vantorel.so", "Vantorel/install-manifest.txt", ".local/bin/vantorel"};
    for (const std::string& preset : filesUnder(kBuilt))
        expected.insert("Vantorel/presets/" + preset);
    std::set<std::string> got;
    for (const std::string& f : filesUnder(home.path / ".vst"))
        got.insert(f);
    for (const std::string& f : filesUnder(home.path / ".local"))
        got.insert(".local/" + f);
    EXPECT_EQ(got, expected);
    EXPECT_GE(filesUnder(kBuilt).size(), 30u);
    EXPECT_EQ(readFile(folder() / "Vantorel.so"), readFile(VANTOREL_MODULE));
    for (const std::string& preset : filesUnder(kBuilt))
        EXPECT_EQ(readFile(folder() / "presets" / preset), readFile(kBuilt / preset)) << preset;
    EXPECT_EQ(fs::file_size(folder() / "presets" / "Factory.vnb"), 97024u);

    // The installed tool, from another folder and with nothing to point it at
    // the module, plays program 5 of the installed bank into a FLAC file.
    TempDir elsewhere;
    const std::string bank = (folder() / "presets" / "Factory.vnb").string();
    const ShellResult render = shell("cd " + quoted(elsewhere.path.string()) + " && " + cleanEnv(home.path.string()) +
                                     quoted((home.path / ".local/bin/vantorel").string()) + " render --bank " +
                                     quoted(bank) + " --program 5 --phrase audition --out x.flac");
    ASSERT_EQ(render.status, 0) << render.output;
    EXPECT_GT(fs::file_size(elsewhere.path / "x.flac"), 10000u);
}

TEST_F(Install, UninstallRemovesExactlyWhatWasInstalledAndNeverTheUsersPresets)
{
    ASSERT_EQ(install().status, 0);
    const std::vector<unsigned char> mine{'m', 'i', 'n', 'e'};
    writeFile(folder() / "presets" / "My Sound.vnp", mine);
    // The user saves over a factory program; a new install keeps it.
    const fs::path changed = folder() / "presets" / "01 Glass Bell.vnp";
    std::vector<unsigned char> edited = readFile(changed);
    edited[4] ^= 1;
    writeFile(changed, edited);
    const ShellResult again = install();
    ASSERT_EQ(again.status, 0) << again.output;
    EXPECT_EQ(readFile(changed), edited);

    const ShellResult r = uninstall();
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(filesUnder(home.path / ".vst"),
              (std::set<std::string>{"Vantorel/presets/My Sound.vnp", "Vantorel/presets/01 Glass Bell.vnp"}));
    EXPECT_EQ(readFile(folder() / "presets" / "My Sound.vnp"), mine);
    EXPECT_FALSE(fs::exists(home.path / ".local/bin/vantorel"));
    EXPECT_NE(uninstall().status, 0); // nothing left to uninstall

    // With nothing of the user's, the folder goes too.
    fs::remove_all(folder());
    ASSERT_EQ(install().status, 0);
    ASSERT_EQ(uninstall().status, 0);
    EXPECT_FALSE(fs::exists(folder()));
}

TEST_F(Install, FollowsTheVstPathConventions)
{
    const std::string lx = (home.path / "lxvst").string();
    const std::string vst = (home.path / "vst").string();
    ASSERT_EQ(install("LXVST_PATH=" + quoted(lx + ":/elsewhere") + " VST_PATH=" + quoted(vst)).status, 0);
    EXPECT_TRUE(fs::exists(fs::path(lx) / "Vantorel/Vantorel.so"));
    ASSERT_EQ(install("VST_PATH=" + quoted(vst)).status, 0);
    EXPECT_TRUE(fs::exists(fs::path(vst) / "Vantorel/presets/Factory.vnb"));
    EXPECT_FALSE(fs::exists(folder()));
    ASSERT_EQ(uninstall("LXVST_PATH=" + quoted(lx)).status, 0);
    EXPECT_FALSE(fs::exists(fs::path(lx) / "Vantorel"));
    EXPECT_TRUE(fs::exists(fs::path(vst) / "Vantorel/Vantorel.so"));
}

} // namespace
