// What a host sees when it loads the module: the record, the identity, and the
// answer to every opcode the instrument defines.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/TestHost.h"
#include "vst2/VstRecords.h"

namespace {

class Identity : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.ok()) << host.error(); }
    TestHost host;
};

TEST_F(Identity, RecordValues) {
    AEffect* fx = host.effect();
    EXPECT_EQ(fx->magic, 0x56737450);
    EXPECT_EQ(fx->numPrograms, 64);
    EXPECT_EQ(fx->numParams, 111);
    EXPECT_EQ(fx->numInputs, 0);
    EXPECT_EQ(fx->numOutputs, 2);
    EXPECT_EQ(fx->flags, effFlagsIsSynth | effFlagsCanReplacing | effFlagsProgramChunks);  // no editor yet
    EXPECT_EQ(fx->initialDelay, 0);
    EXPECT_FLOAT_EQ(fx->ioRatio, 1.f);
    EXPECT_EQ(fx->uniqueID, 0x564E5432);
    EXPECT_EQ(fx->version, 1);
    EXPECT_NE(fx->processReplacing, nullptr);
    EXPECT_NE(fx->process, nullptr);
    EXPECT_NE(fx->processDoubleReplacing, nullptr);
    EXPECT_EQ(fx->user, nullptr);
    for (char c : fx->future) EXPECT_EQ(c, 0);
}

TEST_F(Identity, NamesAndNumbers) {
    HostModule& m = host.module();
    EXPECT_EQ(m.effectName(), "Vantorel");
    EXPECT_EQ(m.vendorString(), "Orvik");
    EXPECT_EQ(m.productString(), "Vantorel v1.0.0");
    EXPECT_EQ(host.dispatch(effGetEffectName, 0, 0, nullptr), 0);  // no buffer, no crash
    char buf[64];
    EXPECT_EQ(host.dispatch(effGetEffectName, 0, 0, buf), 1);
    EXPECT_EQ(host.dispatch(effGetVendorVersion), 1);
    EXPECT_EQ(host.dispatch(effGetVstVersion), 2400);
    EXPECT_EQ(host.dispatch(effGetPlugCategory), 2);
    EXPECT_EQ(host.dispatch(effIdentify), 0x4E764566);
}

TEST_F(Identity, OpcodeAnswersOfTheTable) {
    EXPECT_EQ(host.dispatch(effGetVu), 0);
    EXPECT_EQ(host.dispatch(effConnectInput, 0, 1), 1);
    EXPECT_EQ(host.dispatch(effConnectOutput, 1, 1), 1);
    EXPECT_EQ(host.dispatch(effKeysRequired), 1);
    EXPECT_EQ(host.dispatch(effCanBeAutomated, 0), 1);
    EXPECT_EQ(host.dispatch(effCanBeAutomated, 110), 1);
    char text[64] = "1.0";
    EXPECT_EQ(host.dispatch(effString2Parameter, 0, 0, text), 0);
    EXPECT_EQ(host.dispatch(effGetNumProgramCategories), 1);
    VstPinProperties pin{};
    EXPECT_EQ(host.dispatch(effGetInputProperties, 0, 0, &pin), 0);
    EXPECT_EQ(host.dispatch(effGetTailSize), 0);
    EXPECT_EQ(host.dispatch(effGetNumMidiInputChannels), 1);
    EXPECT_EQ(host.dispatch(effGetNumMidiOutputChannels), 0);
    MidiProgramName mp{};
    EXPECT_EQ(host.dispatch(effGetCurrentMidiProgram, 0, 0, &mp), -1);
    VstSpeakerArrangement* in = nullptr;
    VstSpeakerArrangement* out = nullptr;
    EXPECT_EQ(host.dispatch(effGetSpeakerArrangement, 0, reinterpret_cast<intptr_t>(&in), &out), 0);
    EXPECT_EQ(host.dispatch(effSetTotalSampleToProcess, 0, 12345), 12345);
    EXPECT_EQ(host.dispatch(effOpen), 0);
    EXPECT_EQ(host.dispatch(effMainsChanged, 0, 0), 0);
    // Opcodes the instrument leaves alone answer 0.
    for (int32_t op : std::initializer_list<int32_t>{effEditDraw, effGetErrorText, effIdle, effGetIcon, effSetBypass, effSetPanLaw,
                       effSetProcessPrecision, effShellGetNextPlugin, effStartProcess, effStopProcess,
                       effBeginSetProgram, effEndSetProgram, effVendorSpecific, 80, 200, -1})
        EXPECT_EQ(host.dispatch(op), 0) << op;
}

TEST_F(Identity, NoEditorMeansEditorOpcodesAnswerZero) {
    ERect* rect = reinterpret_cast<ERect*>(0x1);
    EXPECT_EQ(host.dispatch(effEditGetRect, 0, 0, &rect), 0);
    EXPECT_EQ(host.dispatch(effEditOpen, 0, 0, nullptr), 0);
    EXPECT_EQ(host.dispatch(effEditClose), 0);
    EXPECT_EQ(host.dispatch(effEditIdle), 0);
    EXPECT_EQ(host.dispatch(effEditKeyDown, 'a', 0, nullptr, 0.f), 0);
    EXPECT_EQ(host.dispatch(effSetEditKnobMode, 0, 2), 0);
}

TEST_F(Identity, CanDoAnswersOnlyThreeCapabilities) {
    HostModule& m = host.module();
    EXPECT_EQ(m.canDo("receiveVstEvents"), 1);
    EXPECT_EQ(m.canDo("receiveVstMidiEvent"), 1);
    EXPECT_EQ(m.canDo("midiProgramNames"), 1);
    EXPECT_EQ(m.canDo("sendVstMidiEvent"), -1);
    EXPECT_EQ(m.canDo("receiveVstTimeInfo"), -1);
    EXPECT_EQ(m.canDo(""), -1);
}

TEST_F(Identity, OutputPinsAreOneStereoPair) {
    VstPinProperties pin;
    std::memset(&pin, 0x5A, sizeof pin);
    EXPECT_EQ(host.dispatch(effGetOutputProperties, 0, 0, &pin), 1);
    EXPECT_STREQ(pin.label, "Vant 1");
    EXPECT_EQ(pin.flags, 3);
    EXPECT_EQ(host.dispatch(effGetOutputProperties, 1, 0, &pin), 1);
    EXPECT_STREQ(pin.label, "Vant 2");
    EXPECT_EQ(pin.flags, kVstPinIsActive | kVstPinIsStereo);

    VstPinProperties untouched, before;
    std::memset(&untouched, 0x5A, sizeof untouched);
    before = untouched;
    EXPECT_EQ(host.dispatch(effGetOutputProperties, 2, 0, &untouched), 0);
    EXPECT_EQ(std::memcmp(&untouched, &before, sizeof before), 0);
    EXPECT_EQ(host.dispatch(effGetOutputProperties, -1, 0, &untouched), 0);
}

TEST_F(Identity, ResumeAsksForMidiEveryTime) {
    HostModule& m = host.module();
    m.clearCalls();
    m.resume();
    m.suspend();
    m.resume();
    int asks = 0;
    for (const auto& c : m.calls())
        if (c.opcode == audioMasterWantMidi) {
            ++asks;
            EXPECT_EQ(c.index, 0);
            EXPECT_EQ(c.value, 1);
        }
    EXPECT_EQ(asks, 2);
}

TEST_F(Identity, BlockSizeAndRateTogetherAreStoredOnly) {
    EXPECT_EQ(host.dispatch(effSetBlockSizeAndSampleRate, 0, 256, nullptr, 22050.f), 1);
    EXPECT_EQ(host.dispatch(effSetBlockSize, 0, 128), 0);
}

TEST(Entry, HostWithoutVersionGetsNoPlugin) {
    HostModule m;
    ASSERT_TRUE(m.load(TestHost::modulePath())) << m.error();
    m.setHostVersion(0);
    EXPECT_EQ(m.open(), nullptr);
    EXPECT_EQ(m.entryPoint()(nullptr), nullptr);  // no callback at all: refused, not a crash
}

TEST(Entry, EachCallCreatesAnIndependentInstance) {
    TestHost a, b;
    ASSERT_TRUE(a.ok() && b.ok());
    EXPECT_NE(a.effect(), b.effect());
    a.setParameter(7, 0.3f);
    EXPECT_FLOAT_EQ(a.getParameter(7), 0.3f);
    EXPECT_FLOAT_EQ(b.getParameter(7), 0.9f);
}

}  // namespace
