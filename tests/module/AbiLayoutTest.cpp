// Every binary fact of the interface layer, against the VST 2.4 fact sheet: a
// wrong number here is invisible to our own host and fatal in a real one.
#include <gtest/gtest.h>

#include <cstddef>

#include "vst2/AEffect.h"
#include "vst2/Opcodes.h"
#include "vst2/VstEvents.h"
#include "vst2/VstRecords.h"
#include "vst2/VstTimeInfo.h"

#define AT(T, f, off) static_assert(offsetof(T, f) == (off), #T "::" #f)

static_assert(sizeof(AEffect) == 192);
AT(AEffect, magic, 0); AT(AEffect, dispatcher, 8); AT(AEffect, process, 16); AT(AEffect, setParameter, 24);
AT(AEffect, getParameter, 32); AT(AEffect, numPrograms, 40); AT(AEffect, numParams, 44);
AT(AEffect, numInputs, 48); AT(AEffect, numOutputs, 52); AT(AEffect, flags, 56); AT(AEffect, resvd1, 64);
AT(AEffect, resvd2, 72); AT(AEffect, initialDelay, 80); AT(AEffect, realQualities, 84);
AT(AEffect, offQualities, 88); AT(AEffect, ioRatio, 92); AT(AEffect, object, 96); AT(AEffect, user, 104);
AT(AEffect, uniqueID, 112); AT(AEffect, version, 116); AT(AEffect, processReplacing, 120);
AT(AEffect, processDoubleReplacing, 128); AT(AEffect, future, 136);

static_assert(sizeof(ERect) == 8);
AT(ERect, top, 0); AT(ERect, left, 2); AT(ERect, bottom, 4); AT(ERect, right, 6);

static_assert(sizeof(VstEvent) == 32);
AT(VstEvent, type, 0); AT(VstEvent, byteSize, 4); AT(VstEvent, deltaFrames, 8); AT(VstEvent, flags, 12);
AT(VstEvent, data, 16);
static_assert(sizeof(VstMidiEvent) == 32);
AT(VstMidiEvent, noteLength, 16); AT(VstMidiEvent, noteOffset, 20); AT(VstMidiEvent, midiData, 24);
AT(VstMidiEvent, detune, 28); AT(VstMidiEvent, noteOffVelocity, 29); AT(VstMidiEvent, reserved1, 30);
AT(VstMidiEvent, reserved2, 31);
static_assert(sizeof(VstMidiSysexEvent) == 48);
AT(VstMidiSysexEvent, dumpBytes, 16); AT(VstMidiSysexEvent, resvd1, 24); AT(VstMidiSysexEvent, sysexDump, 32);
AT(VstMidiSysexEvent, resvd2, 40);
static_assert(sizeof(VstEvents) == 32);
AT(VstEvents, numEvents, 0); AT(VstEvents, reserved, 8); AT(VstEvents, events, 16);

static_assert(sizeof(VstTimeInfo) == 88);
AT(VstTimeInfo, samplePos, 0); AT(VstTimeInfo, sampleRate, 8); AT(VstTimeInfo, nanoSeconds, 16);
AT(VstTimeInfo, ppqPos, 24); AT(VstTimeInfo, tempo, 32); AT(VstTimeInfo, barStartPos, 40);
AT(VstTimeInfo, cycleStartPos, 48); AT(VstTimeInfo, cycleEndPos, 56); AT(VstTimeInfo, timeSigNumerator, 64);
AT(VstTimeInfo, timeSigDenominator, 68); AT(VstTimeInfo, smpteOffset, 72); AT(VstTimeInfo, smpteFrameRate, 76);
AT(VstTimeInfo, samplesToNextClock, 80); AT(VstTimeInfo, flags, 84);

static_assert(sizeof(VstPinProperties) == 128);
AT(VstPinProperties, label, 0); AT(VstPinProperties, flags, 64); AT(VstPinProperties, arrangementType, 68);
AT(VstPinProperties, shortLabel, 72); AT(VstPinProperties, future, 80);

static_assert(sizeof(VstParameterProperties) == 152);
AT(VstParameterProperties, stepFloat, 0); AT(VstParameterProperties, smallStepFloat, 4);
AT(VstParameterProperties, largeStepFloat, 8); AT(VstParameterProperties, label, 12);
AT(VstParameterProperties, flags, 76); AT(VstParameterProperties, minInteger, 80);
AT(VstParameterProperties, maxInteger, 84); AT(VstParameterProperties, stepInteger, 88);
AT(VstParameterProperties, largeStepInteger, 92); AT(VstParameterProperties, shortLabel, 96);
AT(VstParameterProperties, displayIndex, 104); AT(VstParameterProperties, category, 106);
AT(VstParameterProperties, numParametersInCategory, 108); AT(VstParameterProperties, reserved, 110);
AT(VstParameterProperties, categoryLabel, 112); AT(VstParameterProperties, future, 136);

static_assert(sizeof(MidiProgramName) == 80);
AT(MidiProgramName, name, 4); AT(MidiProgramName, midiProgram, 68); AT(MidiProgramName, parentCategoryIndex, 72);
AT(MidiProgramName, flags, 76);
static_assert(sizeof(MidiProgramCategory) == 76);
AT(MidiProgramCategory, name, 4); AT(MidiProgramCategory, parentCategoryIndex, 68);
AT(MidiProgramCategory, flags, 72);
static_assert(sizeof(MidiKeyName) == 80);
AT(MidiKeyName, thisKeyNumber, 4); AT(MidiKeyName, keyName, 8); AT(MidiKeyName, reserved, 72);
AT(MidiKeyName, flags, 76);
static_assert(sizeof(VstSpeakerProperties) == 112);
AT(VstSpeakerProperties, name, 16); AT(VstSpeakerProperties, type, 80); AT(VstSpeakerProperties, future, 84);
static_assert(sizeof(VstSpeakerArrangement) == 904);
AT(VstSpeakerArrangement, speakers, 8);
static_assert(sizeof(VstPatchChunkInfo) == 64);
AT(VstPatchChunkInfo, numElements, 12); AT(VstPatchChunkInfo, future, 16);
static_assert(sizeof(VstKeyCode) == 8);
AT(VstKeyCode, virt, 4); AT(VstKeyCode, modifier, 5);

TEST(Abi, MagicAndFourCharacterCodes) {
    EXPECT_EQ(kEffectMagic, 0x56737450);
    EXPECT_EQ(kVstVersion, 2400);
    EXPECT_EQ(vstFourCC('N', 'v', 'E', 'f'), 0x4E764566);
    EXPECT_EQ(vstFourCC('V', 'N', 'T', '2'), 0x564E5432);
}

TEST(Abi, EffectFlags) {
    EXPECT_EQ(effFlagsHasEditor, 1);
    EXPECT_EQ(effFlagsHasClip, 2);
    EXPECT_EQ(effFlagsHasVu, 4);
    EXPECT_EQ(effFlagsCanMono, 8);
    EXPECT_EQ(effFlagsCanReplacing, 16);
    EXPECT_EQ(effFlagsProgramChunks, 32);
    EXPECT_EQ(effFlagsIsSynth, 256);
    EXPECT_EQ(effFlagsNoSoundInStop, 512);
    EXPECT_EQ(effFlagsExtIsAsync, 1024);
    EXPECT_EQ(effFlagsExtHasBuffer, 2048);
    EXPECT_EQ(effFlagsCanDoubleReplacing, 4096);
}

TEST(Abi, DispatcherOpcodesRunWithoutGapsFrom0To79) {
    const int32_t opcodes[] = {
        effOpen, effClose, effSetProgram, effGetProgram, effSetProgramName, effGetProgramName,
        effGetParamLabel, effGetParamDisplay, effGetParamName, effGetVu, effSetSampleRate, effSetBlockSize,
        effMainsChanged, effEditGetRect, effEditOpen, effEditClose, effEditDraw, effEditMouse, effEditKey,
        effEditIdle, effEditTop, effEditSleep, effIdentify, effGetChunk, effSetChunk, effProcessEvents,
        effCanBeAutomated, effString2Parameter, effGetNumProgramCategories, effGetProgramNameIndexed,
        effCopyProgram, effConnectInput, effConnectOutput, effGetInputProperties, effGetOutputProperties,
        effGetPlugCategory, effGetCurrentPosition, effGetDestinationBuffer, effOfflineNotify,
        effOfflinePrepare, effOfflineRun, effProcessVarIo, effSetSpeakerArrangement,
        effSetBlockSizeAndSampleRate, effSetBypass, effGetEffectName, effGetErrorText, effGetVendorString,
        effGetProductString, effGetVendorVersion, effVendorSpecific, effCanDo, effGetTailSize, effIdle,
        effGetIcon, effSetViewPosition, effGetParameterProperties, effKeysRequired, effGetVstVersion,
        effEditKeyDown, effEditKeyUp, effSetEditKnobMode, effGetMidiProgramName, effGetCurrentMidiProgram,
        effGetMidiProgramCategory, effHasMidiProgramsChanged, effGetMidiKeyName, effBeginSetProgram,
        effEndSetProgram, effGetSpeakerArrangement, effShellGetNextPlugin, effStartProcess, effStopProcess,
        effSetTotalSampleToProcess, effSetPanLaw, effBeginLoadBank, effBeginLoadProgram,
        effSetProcessPrecision, effGetNumMidiInputChannels, effGetNumMidiOutputChannels};
    ASSERT_EQ(std::size(opcodes), 80u);
    for (size_t i = 0; i < std::size(opcodes); ++i) EXPECT_EQ(opcodes[i], static_cast<int32_t>(i)) << i;
    // Spot checks straight from the sheet.
    EXPECT_EQ(effGetChunk, 23);
    EXPECT_EQ(effProcessEvents, 25);
    EXPECT_EQ(effCanDo, 51);
    EXPECT_EQ(effGetVstVersion, 58);
}

TEST(Abi, HostCallbackOpcodesSkipOnlyFive) {
    const int32_t before5[] = {audioMasterAutomate, audioMasterVersion, audioMasterCurrentId, audioMasterIdle,
                               audioMasterPinConnected};
    for (size_t i = 0; i < std::size(before5); ++i) EXPECT_EQ(before5[i], static_cast<int32_t>(i));
    const int32_t from6[] = {
        audioMasterWantMidi, audioMasterGetTime, audioMasterProcessEvents, audioMasterSetTime,
        audioMasterTempoAt, audioMasterGetNumAutomatableParameters, audioMasterGetParameterQuantization,
        audioMasterIOChanged, audioMasterNeedIdle, audioMasterSizeWindow, audioMasterGetSampleRate,
        audioMasterGetBlockSize, audioMasterGetInputLatency, audioMasterGetOutputLatency,
        audioMasterGetPreviousPlug, audioMasterGetNextPlug, audioMasterWillReplaceOrAccumulate,
        audioMasterGetCurrentProcessLevel, audioMasterGetAutomationState, audioMasterOfflineStart,
        audioMasterOfflineRead, audioMasterOfflineWrite, audioMasterOfflineGetCurrentPass,
        audioMasterOfflineGetCurrentMetaPass, audioMasterSetOutputSampleRate,
        audioMasterGetOutputSpeakerArrangement, audioMasterGetVendorString, audioMasterGetProductString,
        audioMasterGetVendorVersion, audioMasterVendorSpecific, audioMasterSetIcon, audioMasterCanDo,
        audioMasterGetLanguage, audioMasterOpenWindow, audioMasterCloseWindow, audioMasterGetDirectory,
        audioMasterUpdateDisplay, audioMasterBeginEdit, audioMasterEndEdit, audioMasterOpenFileSelector,
        audioMasterCloseFileSelector, audioMasterEditFile, audioMasterGetChunkFile,
        audioMasterGetInputSpeakerArrangement};
    ASSERT_EQ(std::size(from6), 44u);
    for (size_t i = 0; i < std::size(from6); ++i) EXPECT_EQ(from6[i], static_cast<int32_t>(i + 6));
    EXPECT_EQ(audioMasterGetTime, 7);
    EXPECT_EQ(audioMasterCanDo, 37);
    EXPECT_EQ(audioMasterBeginEdit, 43);
}

TEST(Abi, EventTimePinAndCategoryValues) {
    EXPECT_EQ(kVstMidiType, 1);
    EXPECT_EQ(kVstSysExType, 6);
    EXPECT_EQ(kVstMidiEventIsRealtime, 1);
    const int32_t timeFlags[] = {kVstTransportChanged,  kVstTransportPlaying, kVstTransportCycleActive,
                                 kVstTransportRecording, kVstAutomationWriting, kVstAutomationReading,
                                 kVstNanosValid,        kVstPpqPosValid,      kVstTempoValid,
                                 kVstBarsValid,         kVstCyclePosValid,    kVstTimeSigValid,
                                 kVstSmpteValid,        kVstClockValid};
    const int32_t expected[] = {1, 2, 4, 8, 64, 128, 256, 512, 1024, 2048, 4096, 8192, 16384, 32768};
    for (size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(timeFlags[i], expected[i]);
    EXPECT_EQ(kVstSmpte239fps, 10);
    EXPECT_EQ(kVstSmpte60fps, 13);
    EXPECT_EQ(kVstPinIsActive, 1);
    EXPECT_EQ(kVstPinIsStereo, 2);
    EXPECT_EQ(kVstPinUseSpeaker, 4);
    EXPECT_EQ(kPlugCategSynth, 2);
    EXPECT_EQ(kPlugSurroundFx, 7);
    EXPECT_EQ(kPlugCategGenerator, 11);
    EXPECT_EQ(kPlugCategMaxCount, 12);
    EXPECT_EQ(kVstParameterCanRamp, 64);
    EXPECT_EQ(kSpeakerArrUserDefined, -2);
    EXPECT_EQ(kNumSpeakerArr, 29);
    EXPECT_EQ(kSpeakerUndefined, 0x7FFFFFFF);
    EXPECT_EQ(kSpeakerLfe2, 19);
    EXPECT_EQ(VKEY_NUMPAD0, 24);
    EXPECT_EQ(VKEY_F1, 40);
    EXPECT_EQ(VKEY_EQUALS, 57);
    EXPECT_EQ(MODIFIER_CONTROL, 8);
    EXPECT_EQ(kVstProcessLevelOffline, 4);
    EXPECT_EQ(kVstAutomationReadWrite, 4);
    EXPECT_EQ(kVstLangJapanese, 6);
}

TEST(Abi, StringLengths) {
    EXPECT_EQ(kVstMaxProgNameLen, 24);
    EXPECT_EQ(kVstMaxParamStrLen, 8);
    EXPECT_EQ(kVstMaxVendorStrLen, 64);
    EXPECT_EQ(kVstMaxProductStrLen, 64);
    EXPECT_EQ(kVstMaxEffectNameLen, 32);
    EXPECT_EQ(kVstMaxNameLen, 64);
    EXPECT_EQ(kVstMaxLabelLen, 64);
    EXPECT_EQ(kVstMaxShortLabelLen, 8);
    EXPECT_EQ(kVstMaxCategLabelLen, 24);
    EXPECT_EQ(kVstMaxFileNameLen, 100);
}
