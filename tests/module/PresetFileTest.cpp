// Program and bank files: the same bytes as the chunks, loading rules, the old
// record conversion, the presets folder, and saves that fail part-way.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/module/InProcess.h"
#include "tests/support/TestHost.h"

namespace fs = std::filesystem;

namespace {

std::vector<unsigned char> readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::vector<unsigned char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& p, const std::vector<unsigned char>& bytes) {
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

float valueIn(const unsigned char* record, int index) {
    float v;
    std::memcpy(&v, record + 4 + 4 * index, 4);
    return v;
}

class TempDir {
public:
    TempDir() {
        char pattern[] = "/tmp/vantorel-test-XXXXXX";
        path = mkdtemp(pattern);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    fs::path path;
};

class PresetFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(k, nullptr); }
    unsigned char* record(int p) { return k->getBankImage() + p * 1500; }
    InProcessInstrument inst;
    Kelvane* k = inst.plugin;
    TempDir dir;
};

TEST_F(PresetFiles, ProgramFileRoundTrip) {
    k->setProgram(3);
    k->setParameter(7, 0.3f);
    char name[] = "Three";
    k->setProgramName(name);
    std::string file = (dir.path / "three.vnp").string();
    EXPECT_TRUE(k->saveProgramFile(3, file.c_str()));
    std::vector<unsigned char> bytes = readFile(file);
    ASSERT_EQ(bytes.size(), 1500u);
    EXPECT_EQ(std::memcmp(bytes.data(), record(3), 1500), 0) << "the file is the record";
    EXPECT_STREQ(reinterpret_cast<const char*>(record(3) + 448), file.c_str());
    EXPECT_EQ(bytes[0], 2);

    EXPECT_TRUE(k->loadProgramFile(7, file.c_str()));
    EXPECT_EQ(std::memcmp(record(7), record(3), 1500), 0);
    k->setProgram(7);
    EXPECT_FLOAT_EQ(k->getParameter(7), 0.3f);
    EXPECT_EQ(inst.host.programName(), "Three");
}

TEST_F(PresetFiles, ShortProgramFileReplacesOnlyWhatItHolds) {
    std::vector<unsigned char> values(448, 0);
    values[0] = 2;
    float v = 0.125f;
    for (int i = 0; i < 111; ++i) std::memcpy(values.data() + 4 + 4 * i, &v, 4);
    std::string file = (dir.path / "short.vnp").string();
    writeFile(file, values);
    k->setProgram(2);
    char name[] = "Keep me";
    k->setProgramName(name);
    k->loadProgramFile(2, file.c_str());
    EXPECT_FLOAT_EQ(valueIn(record(2), 0), 0.125f);
    EXPECT_FLOAT_EQ(valueIn(record(2), 110), 0.125f);
    EXPECT_STREQ(reinterpret_cast<const char*>(record(2) + 1472), "Keep me");
    EXPECT_FLOAT_EQ(k->getParameter(0), 1.f) << "loads change the stored bank only";
    k->setProgram(2);
    EXPECT_FLOAT_EQ(k->getParameter(0), 0.125f);
}

TEST_F(PresetFiles, LongProgramFileIsReadUpTo1500Bytes) {
    std::vector<unsigned char> bytes(3000, 0);
    bytes[0] = 2;
    std::memcpy(bytes.data() + 1472, "Long", 5);
    std::string file = (dir.path / "long.vnp").string();
    writeFile(file, bytes);
    k->loadProgramFile(4, file.c_str());
    EXPECT_STREQ(reinterpret_cast<const char*>(record(4) + 1472), "Long");
    EXPECT_EQ(record(5)[0], 2) << "the next record is untouched";
}

TEST_F(PresetFiles, VersionOneNoiseRecordsAreConverted) {
    std::vector<unsigned char> bytes(record(0), record(0) + 1500);
    bytes[0] = 1;
    float one = 1.f, low = 0.2f;
    std::memcpy(bytes.data() + 4 + 22 * 4, &one, 4);
    std::memcpy(bytes.data() + 4 + 14 * 4, &low, 4);
    std::string file = (dir.path / "old.vnp").string();
    writeFile(file, bytes);
    k->loadProgramFile(1, file.c_str());
    EXPECT_FLOAT_EQ(valueIn(record(1), 14), 1.f);
    EXPECT_FLOAT_EQ(valueIn(record(1), 15), 0.5f);
    EXPECT_EQ(record(1)[0], 1) << "the version stays until the next save";

    float almost = 0.99f;
    std::memcpy(bytes.data() + 4 + 22 * 4, &almost, 4);
    writeFile(file, bytes);
    k->loadProgramFile(1, file.c_str());
    EXPECT_FLOAT_EQ(valueIn(record(1), 14), 0.2f);
    EXPECT_FLOAT_EQ(valueIn(record(1), 15), 1.f);

    k->saveProgramFile(1, file.c_str());
    EXPECT_EQ(readFile(file)[0], 2);
}

TEST_F(PresetFiles, MissingFileStillSetsThePath) {
    std::vector<unsigned char> before(record(6), record(6) + 448);
    std::string file = (dir.path / "nothing.vnp").string();
    EXPECT_TRUE(k->loadProgramFile(6, file.c_str()));
    EXPECT_EQ(std::memcmp(before.data(), record(6), 448), 0);
    EXPECT_STREQ(reinterpret_cast<const char*>(record(6) + 448), file.c_str());
    EXPECT_TRUE(k->saveProgramFile(6, (dir.path / "no/such/folder.vnp").c_str()));
    EXPECT_TRUE(k->loadProgramFile(64, file.c_str()));
}

TEST_F(PresetFiles, LongPathsAreCut) {
    std::string longPath(2000, 'x');
    k->loadProgramFile(0, longPath.c_str());
    EXPECT_EQ(strnlen(reinterpret_cast<const char*>(record(0) + 448), 1024), 1023u);
}

TEST_F(PresetFiles, BankFileKeepsThePathItWasSavedUnder) {
    fs::create_directories(dir.path / "x");
    fs::create_directories(dir.path / "y");
    std::string a = (dir.path / "x" / "a.vnb").string();
    std::string b = (dir.path / "y" / "b.vnb").string();
    k->setProgram(9);
    char name[] = "Nine";
    k->setProgramName(name);
    EXPECT_TRUE(k->saveBankFile(a.c_str()));
    std::vector<unsigned char> bytes = readFile(a);
    ASSERT_EQ(bytes.size(), 97024u);
    EXPECT_EQ(std::memcmp(bytes.data(), k->getBankImage(), 97024), 0);
    for (int p = 0; p < 64; ++p) EXPECT_STREQ(reinterpret_cast<const char*>(record(p) + 448), a.c_str());

    fs::copy_file(a, b);
    k->initBank();
    std::memset(k->getBankImage() + 96000, 0, 1024);
    EXPECT_TRUE(k->loadBankFile(b.c_str()));
    char bankPath[1024];
    ASSERT_TRUE(k->getBankPath(bankPath));
    EXPECT_EQ(std::string(bankPath), a);
    EXPECT_EQ(inst.host.programNameIndexed(9), "Nine");
    EXPECT_STREQ(reinterpret_cast<const char*>(record(0) + 448), a.c_str());
}

TEST_F(PresetFiles, ChunkAndFileHoldTheSameBytes) {
    std::string file = (dir.path / "bank.vnb").string();
    k->saveBankFile(file.c_str());
    EXPECT_EQ(readFile(file), inst.host.getChunk(false));
    std::string pfile = (dir.path / "p.vnp").string();
    k->saveProgramFile(k->getProgram(), pfile.c_str());
    EXPECT_EQ(readFile(pfile), inst.host.getChunk(true));
}

// A save that stops part-way (here: the file-size limit) leaves the old file
// as it was and no temporary file behind.
TEST_F(PresetFiles, FailedSaveKeepsTheOldFile) {
    std::string pfile = (dir.path / "old.vnp").string();
    std::string bfile = (dir.path / "old.vnb").string();
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
    size_t entries = 0;
    for (auto& e : fs::directory_iterator(dir.path)) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 2u);

    // Without the limit the same saves replace the files.
    k->saveProgramFile(0, pfile.c_str());
    EXPECT_EQ(readFile(pfile).size(), 1500u);
    EXPECT_EQ(readFile(pfile)[0], 2);
}

TEST_F(PresetFiles, NoPresetsFolderMeansTheModuleFolder) {
    // The test program's folder has no presets folder.
    EXPECT_EQ(k->getFolder(true), k->getFolder(false));
    EXPECT_FALSE(k->getFolder(false).empty());
    EXPECT_NE(k->getFolder(false).back(), '/');
}

TEST(PresetFolder, FoundBesideTheModule) {
    TempDir dir;
    fs::path module = dir.path / "Vantorel.so";
    fs::copy_file(TestHost::modulePath(), module);
    fs::create_directories(dir.path / "presets");
    HostModule host;
    ASSERT_TRUE(host.load(module.string())) << host.error();
    AEffect* fx = host.open();
    ASSERT_NE(fx, nullptr);
    auto* plugin = static_cast<Kelvane*>(static_cast<AudioEffect*>(fx->object));
    EXPECT_EQ(plugin->getFolder(false), dir.path.string());
    EXPECT_EQ(plugin->getFolder(true), (dir.path / "presets").string());
    host.close();
}

}  // namespace
