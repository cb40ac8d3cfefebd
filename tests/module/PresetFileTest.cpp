// Program and bank files: the same bytes as the chunks, loading rules, the old
// record conversion, the presets folder, and saves that fail part-way.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstring>

#include "tests/module/InProcess.h"
#include "tests/module/RecordBytes.h"
#include "tests/module/TempDir.h"
#include "tests/support/TestHost.h"

namespace fs = std::filesystem;

namespace {

class PresetFiles : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_NE(k, nullptr); }
    unsigned char* record(int p) { return k->getBankImage() + p * 1500; }
    // Writes bytes as a program file and loads it into program p.
    void loadBytes(int p, const std::vector<unsigned char>& bytes)
    {
        writeFile(dir.file("load.vnp"), bytes);
        k->loadProgramFile(p, dir.file("load.vnp").c_str());
    }
    InProcessInstrument inst;
    Kelvane* k = inst.plugin;
    TempDir dir;
};

TEST_F(PresetFiles, ProgramFileRoundTripHoldsTheChunkBytes)
{
    k->setProgram(3);
    k->setParameter(ParamId::Decay, 0.3f);
    nameProgram(inst.host, "Three");
    std::string file = dir.file("three.vnp");
    EXPECT_TRUE(k->saveProgramFile(3, file.c_str()));
    EXPECT_EQ(pathIn(record(3)), file);
    EXPECT_EQ(readFile(file), inst.host.getChunk(true)) << "the file is the program chunk";

    EXPECT_TRUE(k->loadProgramFile(7, file.c_str()));
    EXPECT_EQ(std::memcmp(record(7), record(3), 1500), 0);
    k->setProgram(7);
    EXPECT_FLOAT_EQ(k->getParameter(ParamId::Decay), 0.3f);
    EXPECT_EQ(inst.host.programName(), "Three");
}

// A 448-byte file holds version and values only; a longer one is read up to
// the record's 1,500 bytes.
TEST_F(PresetFiles, ShortAndLongProgramFiles)
{
    std::vector<unsigned char> values(448, 0);
    values[0] = 2;
    for (int i = 0; i < 111; ++i)
        putValue(values.data(), i, 0.125f);
    k->setProgram(2);
    nameProgram(inst.host, "Keep me");
    loadBytes(2, values);
    EXPECT_FLOAT_EQ(valueIn(record(2), 110), 0.125f);
    EXPECT_EQ(nameIn(record(2)), "Keep me");
    EXPECT_FLOAT_EQ(k->getParameter(ParamId::HitPower), 1.f) << "loads change the stored bank only";
    k->setProgram(2);
    EXPECT_FLOAT_EQ(k->getParameter(ParamId::HitPower), 0.125f);

    std::vector<unsigned char> bytes(3000, 0);
    bytes[0] = 2;
    std::memcpy(bytes.data() + 1472, "Long", 5);
    loadBytes(4, bytes);
    EXPECT_EQ(nameIn(record(4)), "Long");
    EXPECT_EQ(record(5)[0], 2) << "the next record is untouched";
}

TEST_F(PresetFiles, VersionOneNoiseRecordsAreConverted)
{
    std::vector<unsigned char> bytes(record(0), record(0) + 1500);
    bytes[0] = 1;
    putValue(bytes.data(), 22, 1.f);
    putValue(bytes.data(), 14, 0.2f);
    loadBytes(1, bytes);
    EXPECT_FLOAT_EQ(valueIn(record(1), 14), 1.f);
    EXPECT_FLOAT_EQ(valueIn(record(1), 15), 0.5f);
    EXPECT_EQ(record(1)[0], 1) << "the version stays until the next save";

    putValue(bytes.data(), 22, 0.99f);
    loadBytes(1, bytes);
    EXPECT_FLOAT_EQ(valueIn(record(1), 14), 0.2f);
    EXPECT_FLOAT_EQ(valueIn(record(1), 15), 1.f);

    k->saveProgramFile(1, dir.file("load.vnp").c_str());
    EXPECT_EQ(readFile(dir.file("load.vnp"))[0], 2);
}

// A file that is not there loads nothing but still names the record; the
// operations say what they could not do.
TEST_F(PresetFiles, MissingFileStillSetsThePathAndLongPathsAreCut)
{
    std::vector<unsigned char> before(record(6), record(6) + 448);
    std::string file = dir.file("nothing.vnp");
    EXPECT_FALSE(k->loadProgramFile(6, file.c_str()));
    EXPECT_EQ(std::memcmp(before.data(), record(6), 448), 0);
    EXPECT_EQ(pathIn(record(6)), file);
    EXPECT_FALSE(k->saveProgramFile(6, dir.file("no/such/folder.vnp").c_str()));
    EXPECT_FALSE(k->loadProgramFile(64, file.c_str()));
    std::string longPath(2000, 'x');
    k->loadProgramFile(0, longPath.c_str());
    EXPECT_EQ(strnlen(reinterpret_cast<const char*>(record(0) + 448), 1024), 1023u);
}

TEST_F(PresetFiles, BankFileKeepsThePathItWasSavedUnder)
{
    fs::create_directories(dir.path / "x");
    fs::create_directories(dir.path / "y");
    std::string a = dir.file("x/a.vnb"), b = dir.file("y/b.vnb");
    k->setProgram(9);
    nameProgram(inst.host, "Nine");
    EXPECT_TRUE(k->saveBankFile(a.c_str()));
    EXPECT_EQ(readFile(a), inst.host.getChunk(false)) << "the file is the bank chunk";
    for (int p = 0; p < 64; ++p)
        EXPECT_EQ(pathIn(record(p)), a);

    fs::copy_file(a, b);
    k->initBank();
    std::memset(k->getBankImage() + 96000, 0, 1024);
    EXPECT_TRUE(k->loadBankFile(b.c_str()));
    char bankPath[1024];
    ASSERT_TRUE(k->getBankPath(bankPath));
    EXPECT_EQ(std::string(bankPath), a);
    EXPECT_EQ(inst.host.programNameIndexed(9), "Nine");
    EXPECT_EQ(pathIn(record(0)), a);
}

// A save that stops part-way (here: the file-size limit) leaves the old file
// as it was and no temporary file behind.
TEST_F(PresetFiles, FailedSaveKeepsTheOldFile)
{
    std::string pfile = dir.file("old.vnp"), bfile = dir.file("old.vnb");
    std::vector<unsigned char> oldProgram(1500, 0x11), oldBank(97024, 0x22);
    writeFile(pfile, oldProgram);
    writeFile(bfile, oldBank);

    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    k->saveProgramFile(0, pfile.c_str());
    k->saveBankFile(bfile.c_str());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(readFile(pfile), oldProgram);
    EXPECT_EQ(readFile(bfile), oldBank);
    auto entries = std::distance(fs::directory_iterator(dir.path), fs::directory_iterator());
    EXPECT_EQ(entries, 2);

    // Without the limit the same save replaces the file.
    k->saveProgramFile(0, pfile.c_str());
    EXPECT_EQ(readFile(pfile), std::vector<unsigned char>(record(0), record(0) + 1500));
}

TEST(PresetFolder, PresetsBesideTheModuleElseTheModuleFolder)
{
    InProcessInstrument linkedIn; // the test program's folder has no presets folder
    ASSERT_NE(linkedIn.plugin, nullptr);
    EXPECT_EQ(linkedIn.plugin->getFolder(true), linkedIn.plugin->getFolder(false));
    EXPECT_FALSE(linkedIn.plugin->getFolder(false).empty());
    EXPECT_NE(linkedIn.plugin->getFolder(false).back(), '/');

    TempDir dir;
    fs::copy_file(TestHost::modulePath(), dir.path / "Vantorel.so");
    fs::create_directories(dir.path / "presets");
    HostModule host;
    ASSERT_TRUE(host.load(dir.file("Vantorel.so"))) << host.error();
    AEffect* fx = host.open();
    ASSERT_NE(fx, nullptr);
    auto* plugin = static_cast<Kelvane*>(static_cast<AudioEffect*>(fx->object));
    EXPECT_EQ(plugin->getFolder(false), dir.path.string());
    EXPECT_EQ(plugin->getFolder(true), dir.file("presets"));
}

} // namespace
