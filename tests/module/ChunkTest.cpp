// Programs and the bank as the host stores them: chunk sizes, the bytes at
// their fixed offsets, refused sizes, transfer between instances, and names.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/module/RecordBytes.h"
#include "tests/support/TestHost.h"

namespace {

class Chunks : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(host.ok()) << host.error(); }
    HostModule& m() { return host.module(); }
    TestHost host;
};

TEST_F(Chunks, BankAndProgramChunksAfterConstruction)
{
    std::vector<unsigned char> bank = m().getChunk(false);
    ASSERT_EQ(bank.size(), 97024u);
    for (size_t p = 0; p < 64; ++p)
    {
        const unsigned char* record = bank.data() + p * 1500;
        EXPECT_EQ(record[0], 2) << p;
        EXPECT_EQ(record[1] | record[2] | record[3], 0) << "a little-endian version";
        EXPECT_FLOAT_EQ(valueIn(record, 7), 0.9f);
        EXPECT_FLOAT_EQ(valueIn(record, 39), 0.5f);
        EXPECT_EQ(pathIn(record), "");
        EXPECT_EQ(nameIn(record), p == 0 ? "Init" : "-") << p;
        EXPECT_EQ(record[1496], 0);
    }
    EXPECT_EQ(bank[96000], 0) << "empty bank path";

    // The program chunk is the current record, the same bytes the bank holds.
    host.setProgram(5);
    host.setParameter(ParamId::Volume, 0.75f);
    std::vector<unsigned char> program = m().getChunk(true);
    ASSERT_EQ(program.size(), 1500u);
    EXPECT_FLOAT_EQ(valueIn(program.data(), 1), 0.75f);
    bank = m().getChunk(false);
    EXPECT_EQ(std::memcmp(bank.data() + 5 * 1500, program.data(), 1500), 0);
}

// A chunk of a record's size loads into the current program, one of the
// bank's size into the bank, whatever flag the host restores it with;
// anything else is refused and changes nothing.
TEST_F(Chunks, ProgramChunkLoadsOnlyAtItsSize)
{
    host.setProgram(3);
    std::vector<unsigned char> program = m().getChunk(true);
    std::vector<unsigned char> changed = program;
    putValue(changed.data(), 7, 0.3f);
    std::memcpy(changed.data() + 1472, "Bright", 7);
    for (size_t size : {1499u, 1501u, 97023u, 97025u})
        for (bool isPreset : {true, false})
        {
            std::vector<unsigned char> wrong = changed;
            wrong.resize(size);
            EXPECT_EQ(m().setChunk(wrong, isPreset), 0) << size;
        }
    EXPECT_EQ(host.dispatch(effSetChunk, 1, 1500, nullptr), 0);
    EXPECT_EQ(host.dispatch(effSetChunk, 0, -97024, changed.data()), 0);
    EXPECT_EQ(host.dispatch(effSetChunk, 1, (intptr_t(1) << 32) + 1500, changed.data()), 0);
    EXPECT_EQ(m().getChunk(true), program);
    EXPECT_FLOAT_EQ(host.getParameter(ParamId::Decay), 0.9f);

    EXPECT_EQ(m().setChunk(changed, true), 1);
    EXPECT_FLOAT_EQ(host.getParameter(ParamId::Decay), 0.3f) << "re-applied";
    EXPECT_EQ(m().programName(), "Bright");
    EXPECT_EQ(m().programNameIndexed(0), "Init");
}

TEST_F(Chunks, BankTransferKeepsTheReceiversProgram)
{
    TestHost other;
    ASSERT_TRUE(other.ok());
    nameEveryProgram(m());
    std::vector<unsigned char> bank = m().getChunk(false);
    std::memcpy(bank.data() + 96000, "/tmp/bank.vnb", 14);
    other.setProgram(12);
    EXPECT_EQ(other.module().setChunk(bank, false), 1);
    EXPECT_EQ(other.module().getProgram(), 12);
    EXPECT_FLOAT_EQ(other.getParameter(ParamId::Decay), 0.12f);
    for (int p = 0; p < 64; ++p)
        EXPECT_EQ(other.module().programNameIndexed(p), "P" + std::to_string(p));
    EXPECT_EQ(other.module().getChunk(false), bank);
}

TEST_F(Chunks, ChunksRestoredWithTheOtherFlagLoadByTheirSize)
{
    // A project saved with the bank chunk and restored with the program flag
    // (and the other way round) keeps its sound.
    TestHost saved;
    ASSERT_TRUE(saved.ok());
    nameEveryProgram(saved.module());
    const std::vector<unsigned char> bank = saved.module().getChunk(false);
    host.setProgram(5);
    EXPECT_EQ(m().setChunk(bank, true), 1);
    EXPECT_EQ(m().getChunk(false), bank);
    EXPECT_EQ(m().getProgram(), 5);
    EXPECT_FLOAT_EQ(host.getParameter(ParamId::Decay), 0.05f) << "program 5 re-applied";

    saved.setProgram(9);
    const std::vector<unsigned char> program = saved.module().getChunk(true);
    TestHost restored;
    ASSERT_TRUE(restored.ok());
    restored.setProgram(2);
    EXPECT_EQ(restored.module().setChunk(program, false), 1);
    EXPECT_EQ(restored.module().getChunk(true), program);
    EXPECT_EQ(restored.module().programNameIndexed(2), "P9");
    EXPECT_FLOAT_EQ(restored.getParameter(ParamId::Decay), 0.09f);
    EXPECT_EQ(restored.module().programNameIndexed(3), "-") << "only the current program changes";
}

TEST_F(Chunks, NamesCutTo24AndProgramNumbersInRangeOnly)
{
    char name[] = "abcdefghijklmnopqrstuvwxyz0123"; // 30 characters
    host.dispatch(effSetProgramName, 0, 0, name);
    EXPECT_EQ(m().programName(), "abcdefghijklmnopqrstuvwx");
    EXPECT_EQ(m().getChunk(true)[1496], 0);
    for (int p : {64, -1, 63})
    {
        bool ok = true;
        m().programNameIndexed(p, &ok);
        EXPECT_EQ(ok, p == 63) << p;
    }
    host.setProgram(63);
    host.setProgram(64);
    host.setProgram(-1);
    EXPECT_EQ(m().getProgram(), 63);
}

} // namespace
