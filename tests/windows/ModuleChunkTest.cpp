// Chunks through Vantorel.dll: what a Windows host saves with its project comes
// back byte for byte, into the same or a fresh instance.
#include <gtest/gtest.h>

#include "tests/support/TestHost.h"

namespace {

// A bank whose programs differ: program p named "P<p>", parameter values
// that are not the defaults.
void fillBank(TestHost& host)
{
    for (int p = 0; p < 64; ++p)
    {
        host.setProgram(p);
        std::string name = "P" + std::to_string(p);
        host.dispatch(effSetProgramName, 0, 0, name.data());
        host.setParameter(ParamId::Decay, static_cast<float>(p) / 64.0f);
        host.setParameter(ParamId::EchoWet, 1.0f - static_cast<float>(p) / 64.0f);
    }
    host.setProgram(5);
}

TEST(WindowsChunks, BankChunkRoundTripsByteForByte)
{
    TestHost a;
    ASSERT_TRUE(a.ok()) << a.error();
    fillBank(a);
    const std::vector<unsigned char> bank = a.module().getChunk(false);
    ASSERT_EQ(bank.size(), 97024u);

    TestHost b;
    ASSERT_TRUE(b.ok()) << b.error();
    EXPECT_NE(b.module().getChunk(false), bank) << "a fresh instance holds other programs";
    EXPECT_EQ(b.module().setChunk(bank, false), 1);
    EXPECT_EQ(b.module().getChunk(false), bank);
    b.setProgram(9);
    EXPECT_EQ(b.module().programName(), "P9");
    EXPECT_FLOAT_EQ(b.getParameter(ParamId::Decay), 9.0f / 64.0f);
}

TEST(WindowsChunks, ProgramChunkRoundTripsByteForByte)
{
    TestHost a;
    ASSERT_TRUE(a.ok()) << a.error();
    fillBank(a);
    a.setProgram(12);
    const std::vector<unsigned char> program = a.module().getChunk(true);
    ASSERT_EQ(program.size(), 1500u);

    TestHost b;
    ASSERT_TRUE(b.ok()) << b.error();
    b.setProgram(3);
    EXPECT_EQ(b.module().setChunk(program, true), 1);
    EXPECT_EQ(b.module().getChunk(true), program);
    EXPECT_EQ(b.module().programName(), "P12");
}

} // namespace
