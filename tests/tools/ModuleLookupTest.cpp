// Where `vantorel` finds the module when it is not told: a copy of the tool in
// a fresh home, with the module put in one place after another.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/module/TempDir.h"
#include "tests/tools/Shell.h"

namespace fs = std::filesystem;

namespace {

class ModuleLookup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fs::create_directories(dir.path / "bin");
        fs::create_directories(dir.path / "home");
        fs::copy_file(VANTOREL_TOOL, tool());
    }
    std::string tool() const { return (dir.path / "bin" / "vantorel").string(); }
    std::string home() const { return (dir.path / "home").string(); }
    // Puts a copy of the module at path (inside the temporary folder).
    std::string placeModule(const std::string& relative) const
    {
        const fs::path p = dir.path / relative;
        fs::create_directories(p.parent_path());
        fs::copy_file(VANTOREL_MODULE, p, fs::copy_options::overwrite_existing);
        return p.string();
    }
    // The module `info` opened, or the whole output when it failed.
    std::string opened(const std::string& env = "", const std::string& args = "")
    {
        const ShellResult r = shell(cleanEnv(home()) + env + " " + quoted(tool()) + " info " + args);
        const size_t at = r.output.find("Module:");
        if (r.status != 0 || at == std::string::npos)
            return r.output;
        const size_t start = r.output.find_first_not_of(' ', at + 7);
        return r.output.substr(start, r.output.find('\n', start) - start);
    }
    TempDir dir;
};

TEST_F(ModuleLookup, NothingFoundListsEveryPlaceInOrder)
{
    const ShellResult r = shell(cleanEnv(home()) + "LXVST_PATH=/no/lx VST_PATH=/no/vst " + quoted(tool()) + " info");
    EXPECT_NE(r.status, 0);
    const std::string places[] = {
        dir.file("bin") + "/Vantorel.so",      dir.path.string() + "/lib/vst/Vantorel/Vantorel.so",
        home() + "/.vst/Vantorel/Vantorel.so", "/no/lx/Vantorel/Vantorel.so",
        "/no/vst/Vantorel/Vantorel.so",        "/usr/lib/vst/Vantorel/Vantorel.so",
        "/usr/local/lib/vst/Vantorel.so"};
    size_t last = 0;
    for (const std::string& place : places)
    {
        const size_t at = r.output.find(place);
        ASSERT_NE(at, std::string::npos) << place << " missing from:\n" << r.output;
        EXPECT_GT(at, last) << place << " out of order";
        last = at;
    }
    EXPECT_NE(r.output.find("--module"), std::string::npos);
}

TEST_F(ModuleLookup, EachPlaceInTurnAndTheEarlierWins)
{
    const std::string system = placeModule("lx/Vantorel/Vantorel.so");
    EXPECT_EQ(opened("LXVST_PATH=/no/where:" + quoted(dir.file("lx"))), system);
    const std::string user = placeModule("home/.vst/Vantorel/Vantorel.so");
    EXPECT_EQ(opened("LXVST_PATH=" + quoted(dir.file("lx"))), user);
    const std::string prefix = placeModule("lib/vst/Vantorel/Vantorel.so");
    EXPECT_EQ(opened(), prefix);
    const std::string beside = placeModule("bin/Vantorel.so");
    EXPECT_EQ(opened(), beside);
    EXPECT_EQ(opened("VANTOREL_MODULE=" + quoted(user)), user);
    EXPECT_EQ(opened("VANTOREL_MODULE=" + quoted(user), "--module " + quoted(system)), system);
}

TEST_F(ModuleLookup, ANamedModuleThatIsMissingIsAnErrorNotAGuess)
{
    placeModule("home/.vst/Vantorel/Vantorel.so");
    const ShellResult named = shell(cleanEnv(home()) + quoted(tool()) + " info --module /no/such.so");
    EXPECT_NE(named.status, 0);
    EXPECT_NE(named.output.find("/no/such.so"), std::string::npos) << named.output;
    const ShellResult env = shell(cleanEnv(home()) + "VANTOREL_MODULE=/no/such.so " + quoted(tool()) + " info");
    EXPECT_NE(env.status, 0);
    EXPECT_NE(env.output.find("VANTOREL_MODULE"), std::string::npos) << env.output;
}

TEST_F(ModuleLookup, TheToolInTheBuildTreeUsesThatTreesModule)
{
    const ShellResult r = shell(cleanEnv(home()) + quoted(VANTOREL_TOOL) + " info");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find(std::string("Module:        ") + VANTOREL_MODULE), std::string::npos) << r.output;
    // A copy elsewhere does not reach back into the tree.
    EXPECT_NE(shell(cleanEnv(home()) + quoted(tool()) + " info").status, 0);
}

} // namespace
