// The plug-in's own program services: store, remove, a new bank, and the
// read-outs the editor asks for.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/module/InProcess.h"

namespace {

class ProgramOps : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(k, nullptr) << inst.host.error(); }
    std::string nameOf(int p) { return inst.host.programNameIndexed(p); }
    void nameAll() {
        for (int p = 0; p < 64; ++p) {
            k->setProgram(p);
            std::string n = "P" + std::to_string(p);
            k->setProgramName(n.data());
            k->setParameter(7, p / 100.f);
        }
    }
    InProcessInstrument inst;
    Kelvane* k = inst.plugin;
};

TEST_F(ProgramOps, StoreWritesTheSoundUnderTheLoadedName) {
    nameAll();
    k->setProgram(3);
    k->setParameter(1, 0.8f);
    ASSERT_TRUE(k->storeProgram(10));
    EXPECT_EQ(k->getProgram(), 10);
    EXPECT_EQ(nameOf(10), "P3");
    EXPECT_FLOAT_EQ(k->getParameter(1), 0.8f);
    EXPECT_FLOAT_EQ(k->getParameter(7), 0.03f);
    k->setProgram(3);
    EXPECT_FLOAT_EQ(k->getParameter(1), 0.8f) << "program 3 keeps the tweak";
    EXPECT_FALSE(k->storeProgram(64));
    EXPECT_FALSE(k->storeProgram(-1));
    EXPECT_EQ(k->getProgram(), 3);
}

TEST_F(ProgramOps, StoreKeepsVersionAndPath) {
    unsigned char* image = k->getBankImage();
    image[10 * 1500] = 1;
    std::strcpy(reinterpret_cast<char*>(image + 10 * 1500 + 448), "/keep/this.vnp");
    k->storeProgram(10);
    EXPECT_EQ(image[10 * 1500], 1);
    char path[1025];
    k->getProgramPath(path);
    EXPECT_STREQ(path, "/keep/this.vnp");
}

TEST_F(ProgramOps, RemoveClosesTheGap) {
    nameAll();
    k->removeProgram(5);
    for (int p = 0; p < 5; ++p) EXPECT_EQ(nameOf(p), "P" + std::to_string(p));
    for (int p = 5; p < 63; ++p) EXPECT_EQ(nameOf(p), "P" + std::to_string(p + 1));
    EXPECT_EQ(nameOf(63), "-");
    EXPECT_EQ(k->getProgram(), 5);
    EXPECT_FLOAT_EQ(k->getParameter(7), 0.06f) << "formerly P6";
    k->setProgram(63);
    EXPECT_FLOAT_EQ(k->getParameter(7), 0.63f) << "the last two hold the same values";
    k->setProgram(62);
    EXPECT_FLOAT_EQ(k->getParameter(7), 0.63f);
}

TEST_F(ProgramOps, RemoveLastAndOutOfRange) {
    nameAll();
    k->removeProgram(63);
    EXPECT_EQ(nameOf(63), "-");
    EXPECT_EQ(nameOf(62), "P62");
    EXPECT_EQ(k->getProgram(), 63);
    k->removeProgram(64);
    k->removeProgram(-1);
    EXPECT_EQ(nameOf(0), "P0");
}

TEST_F(ProgramOps, InitBankLeavesTheEngineAlone) {
    nameAll();
    k->setProgram(20);
    unsigned char* image = k->getBankImage();
    std::strcpy(reinterpret_cast<char*>(image + 96000), "/banks/a.vnb");
    k->initBank();
    EXPECT_EQ(k->getProgram(), 63);
    EXPECT_EQ(nameOf(0), "Init");
    for (int p = 1; p < 64; ++p) EXPECT_EQ(nameOf(p), "-");
    char loaded[25];
    k->getLoadedName(loaded);
    EXPECT_STREQ(loaded, "-");
    EXPECT_FLOAT_EQ(k->getParameter(7), 0.9f);
    char bankPath[1024];
    ASSERT_TRUE(k->getBankPath(bankPath));
    EXPECT_STREQ(bankPath, "/banks/a.vnb");
}

TEST_F(ProgramOps, LoadedNameAndStoredParameter) {
    k->setProgram(0);
    char loaded[25];
    k->getLoadedName(loaded);
    EXPECT_STREQ(loaded, "Init");
    k->setParameter(7, 0.3f);
    EXPECT_FLOAT_EQ(k->getParameter(7), 0.3f);
    EXPECT_FLOAT_EQ(k->getStoredParameter(7), 0.3f);
    EXPECT_EQ(k->getStoredParameter(111), 0.f);
}

TEST_F(ProgramOps, BankPathIsEmptyAtFirstAndBoundedLater) {
    char path[1024];
    EXPECT_FALSE(k->getBankPath(path));
    std::memset(k->getBankImage() + 96000, 'b', 1024);  // no terminator in the field
    ASSERT_TRUE(k->getBankPath(path));
    EXPECT_EQ(std::strlen(path), 1023u);
    std::memset(k->getBankImage() + 448, 'p', 1024);
    k->setProgram(0);
    char programPath[1025];
    k->getProgramPath(programPath);
    EXPECT_EQ(std::strlen(programPath), 1024u);
}

TEST_F(ProgramOps, StateQueries) {
    EXPECT_FLOAT_EQ(k->getConcertPitch(), 440.f);
    k->setParameter(39, 1.f);
    EXPECT_FLOAT_EQ(k->getConcertPitch(), 460.f);
    EXPECT_FLOAT_EQ(k->getPitchBendRange(), 2.f);
    k->setParameter(44, 1.f);
    EXPECT_FLOAT_EQ(k->getPitchBendRange(), 12.f);
    EXPECT_FALSE(k->isSpringBLinked());
    k->setParameter(21, 0.01f);
    EXPECT_TRUE(k->isSpringBLinked());
    k->setParameter(95, 0.99f);
    EXPECT_FALSE(k->isEchoSynced());
    k->setParameter(95, 1.f);
    EXPECT_TRUE(k->isEchoSynced());
    k->setParameter(100, 0.5f);
    EXPECT_FALSE(k->isLfoSynced());
    k->setParameter(100, 1.f);
    EXPECT_TRUE(k->isLfoSynced());
}

TEST_F(ProgramOps, ReapplyKeepsEveryValue) {
    k->setParameter(3, 0.25f);
    k->reapplyParameters();
    EXPECT_FLOAT_EQ(k->getParameter(3), 0.25f);
    EXPECT_FLOAT_EQ(k->getParameter(7), 0.9f);
}

TEST_F(ProgramOps, HostTimeIsReadWithTheTempoRequest) {
    inst.host.setTempo(140.0);
    inst.host.setPosition(8.5);
    inst.host.clearCalls();
    EXPECT_FLOAT_EQ(k->readHostTempo(), 140.f);
    auto calls = inst.host.calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].opcode, audioMasterGetTime);
    EXPECT_EQ(calls[0].value, kVstTempoValid);
    float tempo = 0, ppq = 0;
    EXPECT_TRUE(k->readHostTime(tempo, ppq));
    EXPECT_FLOAT_EQ(ppq, 8.5f);
    // No time information: the last values stay.
    inst.host.setTimeInfoAvailable(false);
    EXPECT_FLOAT_EQ(k->readHostTempo(), 140.f);
    EXPECT_FALSE(k->readHostTime(tempo, ppq));
    // A nonsense tempo is not taken over.
    inst.host.setTimeInfoAvailable(true);
    inst.host.setTempo(0.0);
    EXPECT_FLOAT_EQ(k->readHostTempo(), 140.f);
}

TEST_F(ProgramOps, AutomatedParameterTellsTheHost) {
    inst.host.clearCalls();
    k->setParameterAutomated(12, 0.7f);
    EXPECT_FLOAT_EQ(k->getParameter(12), 0.7f);
    auto automation = inst.host.automation();
    ASSERT_EQ(automation.size(), 1u);
    EXPECT_EQ(automation[0].first, 12);
    EXPECT_FLOAT_EQ(automation[0].second, 0.7f);
    EXPECT_TRUE(k->beginEdit(12));
    EXPECT_TRUE(k->endEdit(12));
    EXPECT_EQ(inst.host.countCalls(audioMasterBeginEdit), 1);
    EXPECT_EQ(inst.host.countCalls(audioMasterEndEdit), 1);
    EXPECT_EQ(k->getMasterVersion(), 2400);
    char cap[] = "sizeWindow";
    EXPECT_EQ(k->canHostDo(cap), 1);
    char noCap[] = "offline";
    EXPECT_EQ(k->canHostDo(noCap), 0);
}

}  // namespace
