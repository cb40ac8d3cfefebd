// The plug-in's own program services: store, remove, a new bank, and the
// read-outs the editor asks for.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/module/InProcess.h"
#include "tests/module/RecordBytes.h"

namespace {

class ProgramOps : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_NE(k, nullptr) << inst.host.error(); }
    std::string nameOf(int p) { return inst.host.programNameIndexed(p); }
    InProcessInstrument inst;
    Kelvane* k = inst.plugin;
};

TEST_F(ProgramOps, StoreWritesTheSoundUnderTheLoadedNameKeepingVersionAndPath)
{
    nameEveryProgram(inst.host);
    unsigned char* target = k->getBankImage() + 10 * 1500;
    target[0] = 1;
    std::strcpy(reinterpret_cast<char*>(target + 448), "/keep/this.vnp");
    k->setProgram(3);
    k->setParameter(ParamId::Volume, 0.8f);
    ASSERT_TRUE(k->storeProgram(10));
    EXPECT_EQ(k->getProgram(), 10);
    EXPECT_EQ(nameOf(10), "P3");
    EXPECT_FLOAT_EQ(k->getParameter(ParamId::Volume), 0.8f);
    EXPECT_FLOAT_EQ(k->getParameter(ParamId::Decay), 0.03f);
    EXPECT_FLOAT_EQ(k->getStoredParameter(paramIndex(ParamId::Decay)), 0.03f);
    EXPECT_EQ(k->getStoredParameter(111), 0.f);
    EXPECT_EQ(target[0], 1);
    EXPECT_EQ(pathIn(target), "/keep/this.vnp");
    k->setProgram(3);
    EXPECT_FLOAT_EQ(k->getParameter(ParamId::Volume), 0.8f) << "program 3 keeps the tweak";
    EXPECT_FALSE(k->storeProgram(64));
    EXPECT_FALSE(k->storeProgram(-1));
    EXPECT_EQ(k->getProgram(), 3);
}

TEST_F(ProgramOps, RemoveClosesTheGap)
{
    nameEveryProgram(inst.host);
    k->removeProgram(64);
    k->removeProgram(-1);
    k->removeProgram(5);
    for (int p = 0; p < 5; ++p)
        EXPECT_EQ(nameOf(p), "P" + std::to_string(p));
    for (int p = 5; p < 63; ++p)
        EXPECT_EQ(nameOf(p), "P" + std::to_string(p + 1));
    EXPECT_EQ(nameOf(63), "-");
    EXPECT_EQ(k->getProgram(), 5);
    EXPECT_FLOAT_EQ(k->getParameter(ParamId::Decay), 0.06f) << "formerly P6";
    k->setProgram(62);
    EXPECT_FLOAT_EQ(k->getParameter(ParamId::Decay), 0.63f) << "the last two hold the same values";
    k->setProgram(63);
    EXPECT_FLOAT_EQ(k->getParameter(ParamId::Decay), 0.63f);
    k->removeProgram(63);
    EXPECT_EQ(nameOf(63), "-");
    EXPECT_EQ(nameOf(62), "P63");
    EXPECT_EQ(k->getProgram(), 63);
}

TEST_F(ProgramOps, InitBankLeavesTheEngineAndBankPathAlone)
{
    nameEveryProgram(inst.host);
    k->setProgram(20);
    std::strcpy(reinterpret_cast<char*>(k->getBankImage() + 96000), "/banks/a.vnb");
    k->initBank();
    EXPECT_EQ(k->getProgram(), 63);
    EXPECT_EQ(nameOf(0), "Init");
    for (int p = 1; p < 64; ++p)
        EXPECT_EQ(nameOf(p), "-");
    char text[1024];
    k->getLoadedName(text);
    EXPECT_STREQ(text, "-");
    EXPECT_FLOAT_EQ(k->getParameter(ParamId::Decay), 0.9f);
    ASSERT_TRUE(k->getBankPath(text));
    EXPECT_STREQ(text, "/banks/a.vnb");
}

// A chunk is the host's bytes: nothing says its names or paths are
// terminated, and each is read within its field.
TEST_F(ProgramOps, UnterminatedNamesAndPathsAreReadWithinTheirField)
{
    char path[1025];
    EXPECT_FALSE(k->getBankPath(path)) << "no bank path at first";
    std::vector<unsigned char> bank = inst.host.getChunk(false);
    for (size_t p = 0; p < 64; ++p)
    {
        std::memset(bank.data() + p * 1500 + 448, 'p', 1024);
        std::memset(bank.data() + p * 1500 + 1472, 'N', 28);
    }
    std::memset(bank.data() + 96000, 'b', 1024);
    ASSERT_EQ(inst.host.setChunk(bank, false), 1);
    EXPECT_EQ(inst.host.programName(), std::string(24, 'N'));
    EXPECT_EQ(nameOf(63), std::string(24, 'N'));
    ASSERT_TRUE(k->getBankPath(path));
    EXPECT_EQ(std::strlen(path), 1023u);
    k->getProgramPath(path);
    EXPECT_EQ(std::strlen(path), 1024u);
}

TEST_F(ProgramOps, HostTimeIsReadWithTheTempoRequest)
{
    inst.host.setTempo(140.0);
    inst.host.clearCalls();
    EXPECT_FLOAT_EQ(k->readHostTempo(), 140.f);
    auto calls = inst.host.calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].opcode, audioMasterGetTime);
    EXPECT_EQ(calls[0].value, kVstTempoValid | kVstPpqPosValid) << "a host may fill in only what is asked";
    // No time information: the last values stay.
    inst.host.setTimeInfoAvailable(false);
    EXPECT_FLOAT_EQ(k->readHostTempo(), 140.f);
    // A nonsense tempo is not taken over.
    inst.host.setTimeInfoAvailable(true);
    inst.host.setTempo(0.0);
    EXPECT_FLOAT_EQ(k->readHostTempo(), 140.f);
    // A sample-rate change starts again from 120.
    inst.host.setTimeInfoAvailable(false);
    inst.host.setSampleRate(44100.f);
    EXPECT_FLOAT_EQ(k->readHostTempo(), 120.f);
}

TEST_F(ProgramOps, AutomatedParameterTellsTheHost)
{
    inst.host.clearCalls();
    k->setParameterAutomated(paramIndex(ParamId::SaSaturate), 0.7f);
    EXPECT_FLOAT_EQ(k->getParameter(ParamId::SaSaturate), 0.7f);
    EXPECT_EQ(inst.host.automation(),
              (std::vector<std::pair<int32_t, float>>{{paramIndex(ParamId::SaSaturate), 0.7f}}));
    EXPECT_TRUE(k->beginEdit(paramIndex(ParamId::SaSaturate)));
    EXPECT_TRUE(k->endEdit(paramIndex(ParamId::SaSaturate)));
    EXPECT_EQ(inst.host.countCalls(audioMasterBeginEdit), 1);
    EXPECT_EQ(inst.host.countCalls(audioMasterEndEdit), 1);
    char cap[] = "sizeWindow", noCap[] = "offline";
    EXPECT_EQ(k->canHostDo(cap), 1);
    EXPECT_EQ(k->canHostDo(noCap), 0);
}

} // namespace
