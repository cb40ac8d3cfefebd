// What a host sees when it loads the module: the entry points, the record, the
// identity, and the answer to every opcode the instrument defines.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/TestHost.h"
#include "vst2/VstRecords.h"

namespace {

class Identity : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(host.ok()) << host.error(); }
    TestHost host;
};

TEST_F(Identity, RecordValues)
{
    AEffect* fx = host.effect();
    const std::pair<intptr_t, intptr_t> fields[] = {
        {fx->magic, 0x56737450},
        {fx->numPrograms, 64},
        {fx->numParams, 111},
        {fx->numInputs, 0},
        {fx->numOutputs, 2},
        {fx->initialDelay, 0},
        {fx->uniqueID, 0x564E5432},
        {fx->version, 1},
        {fx->flags, effFlagsHasEditor | effFlagsIsSynth | effFlagsCanReplacing | effFlagsProgramChunks}};
    for (size_t i = 0; i < std::size(fields); ++i)
        EXPECT_EQ(fields[i].first, fields[i].second) << "field " << i;
    EXPECT_FLOAT_EQ(fx->ioRatio, 1.f);
    EXPECT_TRUE(fx->processReplacing && fx->process && fx->processDoubleReplacing);
    for (char c : fx->future)
        EXPECT_EQ(c, 0);
    EXPECT_EQ(host.module().effectName(), "Vantorel");
    EXPECT_EQ(host.module().vendorString(), "Orvik");
    EXPECT_EQ(host.module().productString(), "Vantorel v1.0.0");
}

TEST_F(Identity, OpcodeAnswersOfTheTable)
{
    char text[64] = "1.0";
    VstPinProperties pin{};
    MidiProgramName midiProgram{};
    VstSpeakerArrangement *in = nullptr, *out = nullptr;
    ERect* rect = reinterpret_cast<ERect*>(0x1);
    struct Case
    {
        int32_t opcode;
        intptr_t answer;
        int32_t index = 0;
        intptr_t value = 0;
        void* ptr = nullptr;
        float opt = 0.f;
    };
    const Case cases[] = {{effGetEffectName, 0},
                          {effGetEffectName, 1, 0, 0, text}, // no buffer: no crash
                          {effGetVendorVersion, 1},
                          {effGetVstVersion, 2400},
                          {effGetPlugCategory, 2},
                          {effIdentify, 0x4E764566},
                          {effGetVu, 0},
                          {effConnectInput, 1, 0, 1},
                          {effConnectOutput, 1, 1, 1},
                          {effKeysRequired, 1},
                          {effCanBeAutomated, 1, 0},
                          {effCanBeAutomated, 1, 110},
                          {effString2Parameter, 0, 0, 0, text},
                          {effGetNumProgramCategories, 1},
                          {effGetInputProperties, 0, 0, 0, &pin},
                          {effGetTailSize, 0},
                          {effGetNumMidiInputChannels, 1},
                          {effGetNumMidiOutputChannels, 0},
                          {effGetCurrentMidiProgram, -1, 0, 0, &midiProgram},
                          {effGetSpeakerArrangement, 0, 0, reinterpret_cast<intptr_t>(&in), &out},
                          {effSetTotalSampleToProcess, 12345, 0, 12345},
                          {effOpen, 0},
                          {effMainsChanged, 0},
                          {effSetBlockSizeAndSampleRate, 1, 0, 256, nullptr, 22050.f},
                          {effSetBlockSize, 0, 0, 128}, // stored only
                          // The editor: a rectangle, a window (headless without a
                          // parent), keys it does not use left to the host.
                          {effEditGetRect, 1, 0, 0, &rect},
                          {effEditOpen, 1},
                          {effEditIdle, 0},
                          {effEditKeyDown, 0, 'a'},
                          {effEditClose, 0},
                          {effSetEditKnobMode, 1, 0, 2}};
    for (const Case& c : cases)
        EXPECT_EQ(host.dispatch(c.opcode, c.index, c.value, c.ptr, c.opt), c.answer) << "opcode " << c.opcode;
    // Opcodes the instrument leaves alone answer 0.
    for (int32_t op :
         std::initializer_list<int32_t>{effEditDraw, effGetErrorText, effIdle, effGetIcon, effSetBypass, effSetPanLaw,
                                        effSetProcessPrecision, effShellGetNextPlugin, effStartProcess, effStopProcess,
                                        effBeginSetProgram, effEndSetProgram, effVendorSpecific, 80, 200, -1})
        EXPECT_EQ(host.dispatch(op), 0) << op;
}

TEST_F(Identity, CanDoAnswersOnlyThreeCapabilities)
{
    for (const char* yes : {"receiveVstEvents", "receiveVstMidiEvent", "midiProgramNames"})
        EXPECT_EQ(host.module().canDo(yes), 1) << yes;
    for (const char* no : {"sendVstMidiEvent", "receiveVstTimeInfo", ""})
        EXPECT_EQ(host.module().canDo(no), -1) << no;
}

TEST_F(Identity, OutputPinsAreOneStereoPair)
{
    VstPinProperties pin, before;
    std::memset(&pin, 0x5A, sizeof pin);
    before = pin;
    EXPECT_EQ(host.dispatch(effGetOutputProperties, 2, 0, &pin), 0);
    EXPECT_EQ(host.dispatch(effGetOutputProperties, -1, 0, &pin), 0);
    EXPECT_EQ(std::memcmp(&pin, &before, sizeof before), 0) << "no third pin: untouched";
    for (int32_t i : {0, 1})
    {
        EXPECT_EQ(host.dispatch(effGetOutputProperties, i, 0, &pin), 1);
        EXPECT_EQ(std::string(pin.label), "Vant " + std::to_string(i + 1));
        EXPECT_EQ(pin.flags, kVstPinIsActive | kVstPinIsStereo);
    }
}

TEST_F(Identity, ResumeAsksForMidiEveryTime)
{
    HostModule& m = host.module();
    m.clearCalls();
    m.resume();
    m.suspend();
    m.resume();
    EXPECT_EQ(m.countCalls(audioMasterWantMidi), 2);
    for (const auto& c : m.calls())
    {
        if (c.opcode == audioMasterWantMidi)
        {
            EXPECT_EQ(c.value, 1);
        }
    }
}

// (That nothing else is exported is checked on the symbol table by CTest.)
TEST(Entry, MainCreatesAnInstanceOfItsOwnAndOldHostsAreRefused)
{
    TestHost first; // through VSTPluginMain
    ASSERT_TRUE(first.ok()) << first.error();
    void* handle = dlopen(TestHost::modulePath().c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << dlerror();
    void* symbol = dlsym(handle, "main");
    ASSERT_NE(symbol, nullptr);
    HostModule second;
    second.attach(reinterpret_cast<VstEntryProc>(symbol));
    AEffect* fx = second.open();
    ASSERT_NE(fx, nullptr);
    EXPECT_EQ(fx->uniqueID, 0x564E5432);
    EXPECT_NE(fx, first.effect());
    first.setParameter(ParamId::Decay, 0.3f);
    EXPECT_FLOAT_EQ(second.getParameter(ParamId::Decay), 0.9f);
    // A host too old to answer its version, or no callback at all: refused, not a crash.
    HostModule old;
    old.attach(second.entryPoint());
    old.setHostVersion(0);
    EXPECT_EQ(old.open(), nullptr);
    EXPECT_EQ(old.entryPoint()(nullptr), nullptr);
    second.close();
    dlclose(handle);
}

} // namespace
