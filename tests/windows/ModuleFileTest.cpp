// Program and bank files written and read by Vantorel.dll on Windows: names
// beyond ASCII reach the file system as typed, the file holds exactly the
// chunk's bytes, a save over an old file replaces it whole and leaves nothing
// else behind, and the module finds its own folder.
#include <gtest/gtest.h>

#include "common/WideText.h"
#include "plugin/Kelvane.h"
#include "tests/support/TestHost.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

// A fresh folder with a name outside ASCII, removed afterwards.
struct WideTempFolder
{
    WideTempFolder()
    {
        wchar_t base[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH, base);
        path = fs::path(base) / (L"Vantorel Kl\u00e4nge " + std::to_wstring(GetCurrentProcessId()));
        fs::create_directories(path);
    }
    ~WideTempFolder()
    {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    // The UTF-8 path the instrument is given, '/' between names.
    std::string file(const std::wstring& name) const { return utf8Path((path / name).wstring()); }
    std::vector<std::wstring> names() const
    {
        std::vector<std::wstring> list;
        for (const auto& entry : fs::directory_iterator(path))
            list.push_back(entry.path().filename().wstring());
        return list;
    }
    fs::path path;
};

std::vector<unsigned char> bytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::vector<unsigned char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class WindowsFiles : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.ok()) << host.error();
        plugin = static_cast<Kelvane*>(static_cast<AudioEffect*>(host.effect()->object));
    }
    void name(const char* text) { host.dispatch(effSetProgramName, 0, 0, const_cast<char*>(text)); }
    TestHost host;
    Kelvane* plugin = nullptr;
    WideTempFolder folder;
};

TEST_F(WindowsFiles, ProgramFileRoundTripUnderAWideName)
{
    host.setProgram(3);
    host.setParameter(ParamId::Decay, 0.3f);
    name(u8"Gl\u00f6ckchen");
    const std::wstring fileName = L"Gl\u00f6ckchen \u00e9t\u00e9.vnp";
    const std::string path = folder.file(fileName);
    EXPECT_TRUE(plugin->saveProgramFile(3, path.c_str()));
    ASSERT_EQ(folder.names(), std::vector<std::wstring>{fileName}) << "the name as typed, nothing else";
    const std::vector<unsigned char> file = bytesOf(folder.path / fileName);
    EXPECT_EQ(file, host.module().getChunk(true)) << "the file is the program chunk";

    EXPECT_TRUE(plugin->loadProgramFile(7, path.c_str()));
    host.setProgram(7);
    EXPECT_FLOAT_EQ(host.getParameter(ParamId::Decay), 0.3f);
    EXPECT_EQ(host.module().programName(), u8"Gl\u00f6ckchen");
}

TEST_F(WindowsFiles, ASaveOverAnOldFileReplacesItWhole)
{
    const std::string path = folder.file(L"Bank.vnb");
    {
        std::ofstream old(folder.path / L"Bank.vnb", std::ios::binary);
        old << std::string(200000, 'x'); // longer than a bank: nothing of it may remain
    }
    host.setProgram(0);
    name("Saved");
    EXPECT_TRUE(plugin->saveBankFile(path.c_str()));
    const std::vector<unsigned char> file = bytesOf(folder.path / L"Bank.vnb");
    EXPECT_EQ(file.size(), 97024u);
    EXPECT_EQ(file, host.module().getChunk(false));
    EXPECT_EQ(folder.names(), std::vector<std::wstring>{L"Bank.vnb"}) << "no temporary file left behind";

    TestHost other;
    ASSERT_TRUE(other.ok()) << other.error();
    auto* second = static_cast<Kelvane*>(static_cast<AudioEffect*>(other.effect()->object));
    EXPECT_TRUE(second->loadBankFile(path.c_str()));
    other.setProgram(0);
    EXPECT_EQ(other.module().programName(), "Saved");
}

TEST_F(WindowsFiles, AReadOnlyFileAndAFolderAreLeftAlone)
{
    const std::string path = folder.file(L"Kept.vnp");
    {
        std::ofstream old(folder.path / L"Kept.vnp", std::ios::binary);
        old << "mine";
    }
    SetFileAttributesW((folder.path / L"Kept.vnp").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(plugin->saveProgramFile(0, path.c_str())) << "the save says it failed";
    const std::vector<unsigned char> kept = bytesOf(folder.path / L"Kept.vnp");
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "mine");
    EXPECT_EQ(folder.names(), std::vector<std::wstring>{L"Kept.vnp"}) << "no temporary file left behind";
    SetFileAttributesW((folder.path / L"Kept.vnp").c_str(), FILE_ATTRIBUTE_NORMAL);

    host.setProgram(2);
    name("Two");
    fs::create_directory(folder.path / L"Folder.vnp");
    EXPECT_FALSE(plugin->loadProgramFile(2, folder.file(L"Folder.vnp").c_str()));
    host.setProgram(2);
    EXPECT_EQ(host.module().programName(), "Two") << "nothing loaded from a folder";
}

TEST_F(WindowsFiles, TheModuleFolderIsTheDllsOwn)
{
    const std::string expected =
        utf8Path(fs::absolute(fs::path(wideText(TestHost::modulePath()))).parent_path().wstring());
    EXPECT_EQ(plugin->getFolder(false), expected);
    EXPECT_EQ(plugin->getFolder(true), expected) << "no presets folder beside this build's DLL";
}

} // namespace
