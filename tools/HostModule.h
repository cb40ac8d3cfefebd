#pragma once
// A minimal VST 2.4 host for one module: loads the shared object (or takes an
// entry function linked in), creates instances through the entry point with a
// host callback, and records what the plug-in asked of the host.
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "common/ParamId.h"
#include "vst2/AEffect.h"
#include "vst2/Opcodes.h"
#include "vst2/VstEvents.h"
#include "vst2/VstTimeInfo.h"

typedef AEffect* (*VstEntryProc)(audioMasterCallback);

class HostModule
{
public:
    // One host-callback call as the plug-in made it.
    struct HostCall
    {
        int32_t opcode;
        int32_t index;
        intptr_t value;
        float opt;
    };

    HostModule() = default;
    ~HostModule();
    HostModule(const HostModule&) = delete;
    HostModule& operator=(const HostModule&) = delete;

    // dlopen the module and find its entry point (VSTPluginMain, else main).
    bool load(const std::string& path);
    // Use an entry function that is linked into this program instead.
    void attach(VstEntryProc entry);
    const std::string& error() const { return lastError; }
    const std::string& path() const { return modulePath; }
    VstEntryProc entryPoint() const { return entry; }

    // Calls the entry point; the instance gets effOpen when sendOpen is set.
    // Returns the effect or null (see error()).
    AEffect* open(bool sendOpen = true);
    // effClose (which destroys the instance) and forget it.
    void close();
    AEffect* effect() const { return fx; }

    // Dispatcher shortcuts.
    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr, float opt = 0.f);
    std::string effectName();
    std::string vendorString();
    std::string productString();
    std::string parameterName(int32_t index);
    std::string parameterLabel(int32_t index);
    std::string parameterDisplay(int32_t index);
    std::string programName();
    std::string programNameIndexed(int32_t index, bool* ok = nullptr);
    int32_t canDo(const char* text);
    void setParameter(int32_t index, float value);
    float getParameter(int32_t index);
    // The same, naming the parameter.
    std::string parameterName(ParamId id) { return parameterName(paramIndex(id)); }
    std::string parameterLabel(ParamId id) { return parameterLabel(paramIndex(id)); }
    std::string parameterDisplay(ParamId id) { return parameterDisplay(paramIndex(id)); }
    void setParameter(ParamId id, float value) { setParameter(paramIndex(id), value); }
    float getParameter(ParamId id) { return getParameter(paramIndex(id)); }
    void setProgram(int32_t program) { dispatch(effSetProgram, 0, program); }
    int32_t getProgram() { return static_cast<int32_t>(dispatch(effGetProgram)); }
    void setSampleRate(float rate)
    {
        {
            std::lock_guard<std::mutex> lock(timeMutex);
            time.sampleRate = rate;
        }
        dispatch(effSetSampleRate, 0, 0, nullptr, rate);
    }
    void setBlockSize(int32_t size) { dispatch(effSetBlockSize, 0, size); }
    void resume() { dispatch(effMainsChanged, 0, 1); }
    void suspend() { dispatch(effMainsChanged, 0, 0); }
    // The chunk bytes (copied out of the plug-in).
    std::vector<unsigned char> getChunk(bool isPreset);
    intptr_t setChunk(const std::vector<unsigned char>& bytes, bool isPreset);

    // Events and audio.
    intptr_t sendMidi(const std::vector<VstMidiEvent>& events);
    void processReplacing(float* left, float* right, int32_t frames);

    // Transport answered to audioMasterGetTime; samplePos advances with every
    // processReplacing by the frames rendered. The reference is for set-up,
    // while no other thread renders; the plug-in gets a copy of its own
    // thread, so that a rate change on one thread and a block on another
    // never meet.
    VstTimeInfo& timeInfo() { return time; }
    void setTimeInfoAvailable(bool available) { timeAvailable = available; }
    // Answer only the time fields the plug-in asks for (as some hosts do).
    void setTimeInfoOnlyAsked(bool only) { onlyAsked = only; }
    void setTempo(double bpm);
    void setPosition(double ppq);
    // What audioMasterVersion answers (2400 by default; 0 plays a very old host).
    void setHostVersion(intptr_t version) { hostVersion = version; }
    // Host capabilities answered 1 to audioMasterCanDo.
    std::vector<std::string>& hostCanDo() { return canDoList; }

    // A copy: the plug-in may call back from another thread.
    std::vector<HostCall> calls() const;
    void clearCalls();
    int countCalls(int32_t opcode) const;
    // audioMasterAutomate calls as (index, value).
    std::vector<std::pair<int32_t, float>> automation() const;

private:
    static intptr_t hostCallback(AEffect* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt);
    intptr_t answer(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt);

    void* handle = nullptr;
    VstEntryProc entry = nullptr;
    AEffect* fx = nullptr;
    std::string lastError;
    std::string modulePath;
    mutable std::mutex timeMutex;
    VstTimeInfo time{};
    bool timeAvailable = true;
    bool onlyAsked = false;
    intptr_t hostVersion = 2400;
    std::vector<std::string> canDoList{"sendVstEvents", "sendVstMidiEvent", "sendVstTimeInfo", "sizeWindow"};
    mutable std::mutex callsMutex;
    std::vector<HostCall> recorded;
};
