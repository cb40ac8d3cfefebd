// Every binary fact of the interface layer, against the VST 2.4 fact sheet: a
// wrong number here is invisible to our own host and fatal in a real one. All
// of it is checked when this file compiles.
#include <cstddef>
#include <iterator>

#include "vst2/AEffect.h"
#include "vst2/Opcodes.h"
#include "vst2/VstEvents.h"
#include "vst2/VstRecords.h"
#include "vst2/VstTimeInfo.h"

#define AT(T, f, off) static_assert(offsetof(T, f) == (off), #T "::" #f)
#define IS(name, value) static_assert((name) == (value), #name)

namespace {

// Record sizes and field offsets.
static_assert(sizeof(AEffect) == 192);
AT(AEffect, magic, 0);
AT(AEffect, dispatcher, 8);
AT(AEffect, process, 16);
AT(AEffect, setParameter, 24);
AT(AEffect, getParameter, 32);
AT(AEffect, numPrograms, 40);
AT(AEffect, numParams, 44);
AT(AEffect, numInputs, 48);
AT(AEffect, numOutputs, 52);
AT(AEffect, flags, 56);
AT(AEffect, resvd1, 64);
AT(AEffect, resvd2, 72);
AT(AEffect, initialDelay, 80);
AT(AEffect, realQualities, 84);
AT(AEffect, offQualities, 88);
AT(AEffect, ioRatio, 92);
AT(AEffect, object, 96);
AT(AEffect, user, 104);
AT(AEffect, uniqueID, 112);
AT(AEffect, version, 116);
AT(AEffect, processReplacing, 120);
AT(AEffect, processDoubleReplacing, 128);
AT(AEffect, future, 136);
static_assert(sizeof(ERect) == 8);
AT(ERect, top, 0);
AT(ERect, left, 2);
AT(ERect, bottom, 4);
AT(ERect, right, 6);
static_assert(sizeof(VstEvent) == 32 && sizeof(VstMidiEvent) == 32 && sizeof(VstEvents) == 32);
AT(VstEvent, type, 0);
AT(VstEvent, byteSize, 4);
AT(VstEvent, deltaFrames, 8);
AT(VstEvent, flags, 12);
AT(VstEvent, data, 16);
AT(VstMidiEvent, noteLength, 16);
AT(VstMidiEvent, noteOffset, 20);
AT(VstMidiEvent, midiData, 24);
AT(VstMidiEvent, detune, 28);
AT(VstMidiEvent, noteOffVelocity, 29);
AT(VstMidiEvent, reserved1, 30);
AT(VstMidiEvent, reserved2, 31);
AT(VstEvents, numEvents, 0);
AT(VstEvents, reserved, 8);
AT(VstEvents, events, 16);
static_assert(sizeof(VstTimeInfo) == 88);
AT(VstTimeInfo, samplePos, 0);
AT(VstTimeInfo, sampleRate, 8);
AT(VstTimeInfo, nanoSeconds, 16);
AT(VstTimeInfo, ppqPos, 24);
AT(VstTimeInfo, tempo, 32);
AT(VstTimeInfo, barStartPos, 40);
AT(VstTimeInfo, cycleStartPos, 48);
AT(VstTimeInfo, cycleEndPos, 56);
AT(VstTimeInfo, timeSigNumerator, 64);
AT(VstTimeInfo, timeSigDenominator, 68);
AT(VstTimeInfo, smpteOffset, 72);
AT(VstTimeInfo, smpteFrameRate, 76);
AT(VstTimeInfo, samplesToNextClock, 80);
AT(VstTimeInfo, flags, 84);
static_assert(sizeof(VstPinProperties) == 128);
AT(VstPinProperties, label, 0);
AT(VstPinProperties, flags, 64);
AT(VstPinProperties, arrangementType, 68);
AT(VstPinProperties, shortLabel, 72);
AT(VstPinProperties, future, 80);
static_assert(sizeof(VstKeyCode) == 8);
AT(VstKeyCode, virt, 4);
AT(VstKeyCode, modifier, 5);

// Opcodes: the dispatcher's run 0..79 without gaps; the host callback's 0..4
// and 6..49 (5 is unused).
template <size_t N>
constexpr bool countsUpFrom(const int32_t (&ops)[N], int32_t first)
{
    for (size_t i = 0; i < N; ++i)
        if (ops[i] != first + static_cast<int32_t>(i))
            return false;
    return true;
}
constexpr int32_t kDispatcherOpcodes[] = {effOpen,
                                          effClose,
                                          effSetProgram,
                                          effGetProgram,
                                          effSetProgramName,
                                          effGetProgramName,
                                          effGetParamLabel,
                                          effGetParamDisplay,
                                          effGetParamName,
                                          effGetVu,
                                          effSetSampleRate,
                                          effSetBlockSize,
                                          effMainsChanged,
                                          effEditGetRect,
                                          effEditOpen,
                                          effEditClose,
                                          effEditDraw,
                                          effEditMouse,
                                          effEditKey,
                                          effEditIdle,
                                          effEditTop,
                                          effEditSleep,
                                          effIdentify,
                                          effGetChunk,
                                          effSetChunk,
                                          effProcessEvents,
                                          effCanBeAutomated,
                                          effString2Parameter,
                                          effGetNumProgramCategories,
                                          effGetProgramNameIndexed,
                                          effCopyProgram,
                                          effConnectInput,
                                          effConnectOutput,
                                          effGetInputProperties,
                                          effGetOutputProperties,
                                          effGetPlugCategory,
                                          effGetCurrentPosition,
                                          effGetDestinationBuffer,
                                          effOfflineNotify,
                                          effOfflinePrepare,
                                          effOfflineRun,
                                          effProcessVarIo,
                                          effSetSpeakerArrangement,
                                          effSetBlockSizeAndSampleRate,
                                          effSetBypass,
                                          effGetEffectName,
                                          effGetErrorText,
                                          effGetVendorString,
                                          effGetProductString,
                                          effGetVendorVersion,
                                          effVendorSpecific,
                                          effCanDo,
                                          effGetTailSize,
                                          effIdle,
                                          effGetIcon,
                                          effSetViewPosition,
                                          effGetParameterProperties,
                                          effKeysRequired,
                                          effGetVstVersion,
                                          effEditKeyDown,
                                          effEditKeyUp,
                                          effSetEditKnobMode,
                                          effGetMidiProgramName,
                                          effGetCurrentMidiProgram,
                                          effGetMidiProgramCategory,
                                          effHasMidiProgramsChanged,
                                          effGetMidiKeyName,
                                          effBeginSetProgram,
                                          effEndSetProgram,
                                          effGetSpeakerArrangement,
                                          effShellGetNextPlugin,
                                          effStartProcess,
                                          effStopProcess,
                                          effSetTotalSampleToProcess,
                                          effSetPanLaw,
                                          effBeginLoadBank,
                                          effBeginLoadProgram,
                                          effSetProcessPrecision,
                                          effGetNumMidiInputChannels,
                                          effGetNumMidiOutputChannels};
static_assert(std::size(kDispatcherOpcodes) == 80 && countsUpFrom(kDispatcherOpcodes, 0));
constexpr int32_t kHostOpcodesBefore5[] = {audioMasterAutomate, audioMasterVersion, audioMasterCurrentId,
                                           audioMasterIdle, audioMasterPinConnected};
static_assert(countsUpFrom(kHostOpcodesBefore5, 0));
constexpr int32_t kHostOpcodesFrom6[] = {audioMasterWantMidi,
                                         audioMasterGetTime,
                                         audioMasterProcessEvents,
                                         audioMasterSetTime,
                                         audioMasterTempoAt,
                                         audioMasterGetNumAutomatableParameters,
                                         audioMasterGetParameterQuantization,
                                         audioMasterIOChanged,
                                         audioMasterNeedIdle,
                                         audioMasterSizeWindow,
                                         audioMasterGetSampleRate,
                                         audioMasterGetBlockSize,
                                         audioMasterGetInputLatency,
                                         audioMasterGetOutputLatency,
                                         audioMasterGetPreviousPlug,
                                         audioMasterGetNextPlug,
                                         audioMasterWillReplaceOrAccumulate,
                                         audioMasterGetCurrentProcessLevel,
                                         audioMasterGetAutomationState,
                                         audioMasterOfflineStart,
                                         audioMasterOfflineRead,
                                         audioMasterOfflineWrite,
                                         audioMasterOfflineGetCurrentPass,
                                         audioMasterOfflineGetCurrentMetaPass,
                                         audioMasterSetOutputSampleRate,
                                         audioMasterGetOutputSpeakerArrangement,
                                         audioMasterGetVendorString,
                                         audioMasterGetProductString,
                                         audioMasterGetVendorVersion,
                                         audioMasterVendorSpecific,
                                         audioMasterSetIcon,
                                         audioMasterCanDo,
                                         audioMasterGetLanguage,
                                         audioMasterOpenWindow,
                                         audioMasterCloseWindow,
                                         audioMasterGetDirectory,
                                         audioMasterUpdateDisplay,
                                         audioMasterBeginEdit,
                                         audioMasterEndEdit,
                                         audioMasterOpenFileSelector,
                                         audioMasterCloseFileSelector,
                                         audioMasterEditFile,
                                         audioMasterGetChunkFile,
                                         audioMasterGetInputSpeakerArrangement};
static_assert(std::size(kHostOpcodesFrom6) == 44 && countsUpFrom(kHostOpcodesFrom6, 6));

// Magic, identifiers and flags.
IS(kEffectMagic, 0x56737450);
IS(kVstVersion, 2400);
IS(vstFourCC('N', 'v', 'E', 'f'), 0x4E764566);
IS(vstFourCC('V', 'N', 'T', '2'), 0x564E5432);
IS(effFlagsHasEditor, 1);
IS(effFlagsHasClip, 2);
IS(effFlagsHasVu, 4);
IS(effFlagsCanMono, 8);
IS(effFlagsCanReplacing, 16);
IS(effFlagsProgramChunks, 32);
IS(effFlagsIsSynth, 256);
IS(effFlagsNoSoundInStop, 512);
IS(effFlagsExtIsAsync, 1024);
IS(effFlagsExtHasBuffer, 2048);
IS(effFlagsCanDoubleReplacing, 4096);

// Events, transport, pins, category, keys and string lengths.
IS(kVstMidiType, 1);
IS(kVstSysExType, 6);
IS(kVstMidiEventIsRealtime, 1);
IS(kVstTransportChanged, 1);
IS(kVstTransportPlaying, 2);
IS(kVstTransportCycleActive, 4);
IS(kVstTransportRecording, 8);
IS(kVstNanosValid, 256);
IS(kVstPpqPosValid, 512);
IS(kVstTempoValid, 1024);
IS(kVstBarsValid, 2048);
IS(kVstCyclePosValid, 4096);
IS(kVstTimeSigValid, 8192);
IS(kVstClockValid, 32768);
IS(kVstPinIsActive, 1);
IS(kVstPinIsStereo, 2);
IS(kPlugCategSynth, 2);
IS(VKEY_NUMPAD0, 24);
IS(VKEY_F1, 40);
IS(VKEY_EQUALS, 57);
IS(MODIFIER_CONTROL, 8);
IS(kVstMaxProgNameLen, 24);
IS(kVstMaxParamStrLen, 8);
IS(kVstMaxVendorStrLen, 64);
IS(kVstMaxProductStrLen, 64);
IS(kVstMaxEffectNameLen, 32);
IS(kVstMaxLabelLen, 64);

} // namespace
