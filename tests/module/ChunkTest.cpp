// Programs and the bank as the host stores them: chunk sizes, the bytes at
// their fixed offsets, refused sizes, transfer between instances, and names.
#include <gtest/gtest.h>

#include <cstring>

#include "plugin/ProgramRecord.h"
#include "tests/support/TestHost.h"

namespace {

float floatAt(const std::vector<unsigned char>& b, size_t at) {
    float v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

void putFloat(std::vector<unsigned char>& b, size_t at, float v) { std::memcpy(b.data() + at, &v, 4); }

std::string textAt(const std::vector<unsigned char>& b, size_t at) {
    return std::string(reinterpret_cast<const char*>(b.data() + at));
}

class Chunks : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.ok()) << host.error(); }
    TestHost host;
};

TEST_F(Chunks, BankChunkAfterConstruction) {
    std::vector<unsigned char> bank = host.module().getChunk(false);
    ASSERT_EQ(bank.size(), 97024u);
    for (size_t p = 0; p < 64; ++p) {
        size_t at = p * 1500;
        EXPECT_EQ(bank[at], 2) << p;
        EXPECT_EQ(bank[at + 1] | bank[at + 2] | bank[at + 3], 0);
        EXPECT_FLOAT_EQ(floatAt(bank, at + 4 + 7 * 4), 0.9f);
        EXPECT_FLOAT_EQ(floatAt(bank, at + 4 + 39 * 4), 0.5f);
        EXPECT_EQ(bank[at + 448], 0) << "empty path";
        EXPECT_EQ(textAt(bank, at + 1472), p == 0 ? "Init" : "-");
        EXPECT_EQ(bank[at + 1496], 0);
    }
    EXPECT_EQ(bank[96000], 0) << "empty bank path";
}

TEST_F(Chunks, ProgramChunkIsTheCurrentRecord) {
    host.setProgram(5);
    host.setParameter(1, 0.75f);
    std::vector<unsigned char> program = host.module().getChunk(true);
    ASSERT_EQ(program.size(), 1500u);
    EXPECT_FLOAT_EQ(floatAt(program, 4 + 1 * 4), 0.75f);
    EXPECT_EQ(textAt(program, 1472), "-");
    // The bank holds the same bytes for program 5.
    std::vector<unsigned char> bank = host.module().getChunk(false);
    EXPECT_EQ(std::memcmp(bank.data() + 5 * 1500, program.data(), 1500), 0);
}

TEST_F(Chunks, WrongSizesAndMissingDataAreRefused) {
    std::vector<unsigned char> program = host.module().getChunk(true);
    std::vector<unsigned char> changed = program;
    putFloat(changed, 4 + 7 * 4, 0.1f);
    changed.resize(1499);
    EXPECT_EQ(host.module().setChunk(changed, true), 0);
    EXPECT_FLOAT_EQ(host.getParameter(7), 0.9f);
    changed.resize(1501);
    EXPECT_EQ(host.module().setChunk(changed, true), 0);
    changed.resize(97024);
    EXPECT_EQ(host.module().setChunk(changed, true), 0) << "a bank-sized chunk is no program";
    EXPECT_EQ(host.module().setChunk(program, false), 0) << "a program-sized chunk is no bank";
    EXPECT_EQ(host.dispatch(effSetChunk, 1, 1500, nullptr), 0);
    EXPECT_EQ(host.dispatch(effSetChunk, 0, -97024, changed.data()), 0);
    EXPECT_EQ(host.dispatch(effSetChunk, 1, (intptr_t(1) << 32) + 1500, program.data()), 0);
    EXPECT_EQ(host.module().getChunk(true), program);
}

TEST_F(Chunks, ProgramChunkLoadsIntoTheCurrentProgram) {
    std::vector<unsigned char> program = host.module().getChunk(true);
    putFloat(program, 4 + 7 * 4, 0.3f);
    std::memcpy(program.data() + 1472, "Bright", 7);
    host.setProgram(3);
    EXPECT_EQ(host.module().setChunk(program, true), 1);
    EXPECT_FLOAT_EQ(host.getParameter(7), 0.3f) << "re-applied";
    EXPECT_EQ(host.module().programName(), "Bright");
    EXPECT_EQ(host.module().programNameIndexed(0), "Init");
}

TEST_F(Chunks, BankTransferKeepsTheReceiversProgram) {
    TestHost other;
    ASSERT_TRUE(other.ok());
    for (int p = 0; p < 64; ++p) {
        host.setProgram(p);
        std::string n = "P" + std::to_string(p);
        host.dispatch(effSetProgramName, 0, 0, n.data());
        host.setParameter(7, p / 100.f);
    }
    std::vector<unsigned char> bank = host.module().getChunk(false);
    std::memcpy(bank.data() + 96000, "/tmp/bank.vnb", 14);
    other.setProgram(12);
    EXPECT_EQ(other.module().setChunk(bank, false), 1);
    EXPECT_EQ(other.module().getProgram(), 12);
    EXPECT_FLOAT_EQ(other.getParameter(7), 0.12f);
    for (int p = 0; p < 64; ++p) EXPECT_EQ(other.module().programNameIndexed(p), "P" + std::to_string(p));
    EXPECT_EQ(other.module().getChunk(false), bank);
}

// A chunk is the host's bytes: nothing says its names or paths are terminated.
TEST_F(Chunks, UnterminatedNamesAreReadWithinTheirField) {
    std::vector<unsigned char> bank = host.module().getChunk(false);
    for (size_t p = 0; p < 64; ++p) {
        std::memset(bank.data() + p * 1500 + 448, 'p', 1024);
        std::memset(bank.data() + p * 1500 + 1472, 'N', 28);
    }
    std::memset(bank.data() + 96000, 'b', 1024);
    ASSERT_EQ(host.module().setChunk(bank, false), 1);
    EXPECT_EQ(host.module().programName(), std::string(24, 'N'));
    EXPECT_EQ(host.module().programNameIndexed(63), std::string(24, 'N'));
}

TEST_F(Chunks, ProgramNamesAreCutTo24) {
    char name[] = "abcdefghijklmnopqrstuvwxyz0123";  // 30 characters
    host.dispatch(effSetProgramName, 0, 0, name);
    EXPECT_EQ(host.module().programName(), "abcdefghijklmnopqrstuvwx");
    std::vector<unsigned char> program = host.module().getChunk(true);
    EXPECT_EQ(program[1496], 0);
    bool ok = true;
    host.module().programNameIndexed(64, &ok);
    EXPECT_FALSE(ok);
    host.module().programNameIndexed(-1, &ok);
    EXPECT_FALSE(ok);
    host.module().programNameIndexed(63, &ok);
    EXPECT_TRUE(ok);
}

TEST_F(Chunks, SetProgramRangeAndReapply) {
    host.setProgram(63);
    EXPECT_EQ(host.module().getProgram(), 63);
    host.setProgram(64);
    EXPECT_EQ(host.module().getProgram(), 63);
    host.setProgram(-1);
    EXPECT_EQ(host.module().getProgram(), 63);
    // Tweaks are written into both banks: leaving and coming back keeps them.
    host.setParameter(7, 0.42f);
    host.setProgram(0);
    EXPECT_FLOAT_EQ(host.getParameter(7), 0.9f);
    host.setProgram(63);
    EXPECT_FLOAT_EQ(host.getParameter(7), 0.42f);
}

}  // namespace
