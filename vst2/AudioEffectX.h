#pragma once
// The extended effect class: decodes the 2.x opcodes into virtual calls with the
// conventional default answers, and wraps the 2.x host-callback opcodes.
#include <cstdint>

#include "vst2/AudioEffect.h"
#include "vst2/VstEvents.h"
#include "vst2/VstRecords.h"
#include "vst2/VstTimeInfo.h"

class AudioEffectX : public AudioEffect
{
public:
    AudioEffectX(audioMasterCallback audioMaster, int32_t numPrograms, int32_t numParams);

    intptr_t dispatcher(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt) override;

    virtual int32_t processEvents(VstEvents* events) { return 0; }
    virtual bool canParameterBeAutomated(int32_t index) { return true; }
    virtual bool string2parameter(int32_t index, char* text) { return false; }
    virtual bool getProgramNameIndexed(int32_t category, int32_t index, char* text) { return false; }
    virtual bool getInputProperties(int32_t index, VstPinProperties* properties) { return false; }
    virtual bool getOutputProperties(int32_t index, VstPinProperties* properties) { return false; }
    virtual VstPlugCategory getPlugCategory();
    virtual bool setSpeakerArrangement(VstSpeakerArrangement* input, VstSpeakerArrangement* output) { return false; }
    virtual bool getSpeakerArrangement(VstSpeakerArrangement** input, VstSpeakerArrangement** output)
    {
        *input = nullptr;
        *output = nullptr;
        return false;
    }
    virtual bool setBypass(bool onOff) { return false; }
    virtual bool getEffectName(char* name) { return false; }
    virtual bool getVendorString(char* text) { return false; }
    virtual bool getProductString(char* text) { return false; }
    virtual int32_t getVendorVersion() { return 0; }
    virtual intptr_t vendorSpecific(int32_t index, intptr_t value, void* ptr, float opt) { return 0; }
    virtual int32_t canDo(char* text) { return 0; }
    virtual int32_t getGetTailSize() { return 0; }
    virtual bool getParameterProperties(int32_t index, VstParameterProperties* p) { return false; }
    virtual int32_t getVstVersion() { return kVstVersion; }
    virtual int32_t getMidiProgramName(int32_t channel, MidiProgramName* name) { return 0; }
    virtual int32_t getCurrentMidiProgram(int32_t channel, MidiProgramName* current) { return -1; }
    virtual int32_t getMidiProgramCategory(int32_t channel, MidiProgramCategory* category) { return 0; }
    virtual bool hasMidiProgramsChanged(int32_t channel) { return false; }
    virtual bool getMidiKeyName(int32_t channel, MidiKeyName* keyName) { return false; }
    virtual bool beginSetProgram() { return false; }
    virtual bool endSetProgram() { return false; }
    virtual int32_t startProcess() { return 0; }
    virtual int32_t stopProcess() { return 0; }
    virtual int32_t setTotalSampleToProcess(int32_t value) { return value; }
    virtual bool setPanLaw(int32_t type, float value) { return false; }
    virtual int32_t beginLoadBank(VstPatchChunkInfo* info) { return 0; }
    virtual int32_t beginLoadProgram(VstPatchChunkInfo* info) { return 0; }
    virtual bool setProcessPrecision(int32_t precision) { return false; }
    virtual int32_t getNumMidiInputChannels() { return 0; }
    virtual int32_t getNumMidiOutputChannels() { return 0; }

    // Record setters of the 2.x class.
    virtual void isSynth(bool state = true) { setFlag(effFlagsIsSynth, state); }

    // Host-callback wrappers.
    virtual bool wantEvents(int32_t filter = 1);
    virtual VstTimeInfo* getTimeInfo(int32_t filter);
    virtual int32_t canHostDo(char* text);
    virtual bool beginEdit(int32_t index);
    virtual bool endEdit(int32_t index);
    virtual bool sizeWindow(int32_t width, int32_t height);
    virtual bool ioChanged();
    virtual bool updateDisplay();
    virtual bool sendVstEventsToHost(VstEvents* events);
    virtual double updateSampleRate();
    virtual int32_t updateBlockSize();
    virtual int32_t getCurrentProcessLevel();
    virtual int32_t getAutomationState();
    virtual bool getHostVendorString(char* text);
    virtual bool getHostProductString(char* text);
    virtual int32_t getHostVendorVersion();
    virtual int32_t getHostLanguage();
    virtual void* getDirectory();
};
