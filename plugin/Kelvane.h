#pragma once
// The instrument: a VST 2.4 synth around the spring engine. The host interface
// is in Kelvane.cpp, the parameters in KelvaneParameters.cpp, programs and
// chunks in ProgramBank.cpp, files in PresetFiles.cpp.
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "common/ParamId.h"
#include "engine/Engine.h"
#include "engine/EngineHost.h"
#include "plugin/InstrumentEditor.h"
#include "plugin/PendingEngineWork.h"
#include "plugin/PendingMidi.h"
#include "plugin/ProgramRecord.h"
#include "plugin/RenderGuard.h"
#include "vst2/AudioEffectX.h"

class Kelvane : public AudioEffectX, private EngineHost
{
public:
    static constexpr int32_t kUniqueId = 0x564E5432; // 'VNT2'

    explicit Kelvane(audioMasterCallback master);
    ~Kelvane() override;

    // Host interface.
    intptr_t dispatcher(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt) override;
    void processReplacing(float** inputs, float** outputs, int32_t sampleFrames) override;
    int32_t processEvents(VstEvents* events) override;
    void resume() override;
    void suspend() override {}
    void setSampleRate(float rate) override;
    void setBlockSize(int32_t size) override { blockSize = size; }

    void setParameter(int32_t index, float value) override;
    float getParameter(int32_t index) override;
    void setParameter(ParamId id, float value) { setParameter(paramIndex(id), value); }
    float getParameter(ParamId id) { return getParameter(paramIndex(id)); }
    void getParameterName(int32_t index, char* text) override;
    void getParameterLabel(int32_t index, char* text) override;
    void getParameterDisplay(int32_t index, char* text) override;

    void setProgram(int32_t program) override;
    int32_t getProgram() override { return currentProgram(); }
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    bool getProgramNameIndexed(int32_t category, int32_t index, char* text) override;
    int32_t getChunk(void** data, bool isPreset) override;
    int32_t setChunk(void* data, int32_t byteSize, bool isPreset) override;

    bool canParameterBeAutomated(int32_t index) override { return true; }
    bool string2parameter(int32_t index, char* text) override { return false; }
    bool getInputProperties(int32_t index, VstPinProperties* properties) override { return false; }
    bool getOutputProperties(int32_t index, VstPinProperties* properties) override;
    VstPlugCategory getPlugCategory() override { return kPlugCategSynth; }
    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    int32_t getVendorVersion() override { return 1; }
    int32_t canDo(char* text) override;
    int32_t getGetTailSize() override { return 0; }
    int32_t getVstVersion() override { return kVstVersion; }
    int32_t getNumMidiInputChannels() override { return 1; }
    int32_t getNumMidiOutputChannels() override { return 0; }
    int32_t getCurrentMidiProgram(int32_t channel, MidiProgramName* current) override { return -1; }
    int32_t setTotalSampleToProcess(int32_t value) override { return value; }
    // The editor's requests (common/EditorRequests.h).
    intptr_t vendorSpecific(int32_t index, intptr_t value, void* ptr, float opt) override;

    // Own operations, in slot order.
    virtual void locatePresetsFolder();
    virtual std::string getFolder(bool presets);
    virtual bool getBankPath(char* text);
    virtual void setBankPath(const char* path);
    virtual unsigned char* getBankImage();
    // Files: true when written or read; a failure is reported on standard
    // error. Loads change the stored bank only (and set the path text even
    // when the file cannot be read).
    virtual bool saveProgramFile(int program, const char* path);
    virtual bool loadProgramFile(int program, const char* path);
    virtual bool saveBankFile(const char* path);
    virtual bool loadBankFile(const char* path);
    virtual void noteOn(int key, int velocity, int deltaFrames = 0);
    virtual void noteOff(int key);
    virtual void flashMidiSignal(bool on);
    virtual void resetEngine();
    virtual bool storeProgram(int program);
    virtual void removeProgram(int program);
    virtual void getLoadedName(char* text);
    virtual float getStoredParameter(int index);
    virtual void getProgramPath(char* text);
    virtual void reapplyParameters();
    virtual float readHostTempo();
    virtual void readHostPosition();
    virtual float getConcertPitch();
    virtual float getPitchBendRange();
    virtual bool isSpringBLinked();
    virtual bool isEchoSynced();
    virtual bool isLfoSynced();
    // Programs: a new, empty bank.
    virtual void initBank();
    // The engine's view of the sample rate, for callers that show or check it.
    virtual float getEngineRate();
    virtual int getEchoLineLength(int line);

    // The one message the instrument ever gives: an echo line could not be allocated.
    virtual void reportBroken();

    // The guard of state replacements; exposed so the user-interface side can
    // bracket its own replacements too.
    RenderGuard& renderGuard() { return guard; }

private:
    // The current program, read by every thread (setParameter may come from any).
    int32_t currentProgram() const { return __atomic_load_n(&curProgram, __ATOMIC_RELAXED); }
    void setCurrentProgram(int32_t p) { __atomic_store_n(&curProgram, p, __ATOMIC_RELAXED); }
    // Runs work on the engine now when this thread may touch it without
    // waiting for the audio thread; false when the work must be handed over.
    template <class Work>
    bool withEngineNow(Work work);
    // At a block start on the audio thread: what other threads handed over.
    void deliverPendingWork();

    // EngineHost: the transport, read for the engine.
    bool readHostTime(float& tempoBpm, float& ppqPosition) override;

    InstrumentEditor* openGui();
    const ProgramRecord& liveRecord() const;
    // Reads the host's transport; false when it gives none.
    bool pollHostTime();

    RenderGuard guard;
    Engine engine;
    BankImage stored;
    std::unique_ptr<ProgramRecord[]> live;
    ProgramRecord templateRecord;
    char loadedName[kProgramNameChars + 1];
    std::atomic<float> concertPitch{440.f};
    float hostPosition = 0.f;
    float hostTempo = 120.f;
    float lastHostTempo = 120.f;
    std::string moduleFolder;
    std::string presetsFolder;
    InstrumentEditor* gui = nullptr;

    // MIDI that arrived while a replacement held the engine.
    PendingMidi pendingMidi;
    // Parameters and editor notes from other threads while audio runs.
    PendingParameters pendingParameters;
    PendingNotes pendingNotes;
    // What effGetChunk hands out: a copy, so that the host reads bytes no
    // other thread is writing (valid until the next effGetChunk).
    BankImage chunkCopy;
};

template <class Work>
inline bool Kelvane::withEngineNow(Work work)
{
    // Inside a replacement (setProgram applying its values) the engine is ours.
    if (guard.replacingHere())
    {
        work();
        return true;
    }
    // The audio thread between blocks (hosts automate there): unless a
    // replacement holds the engine.
    if (guard.isRenderThread())
    {
        if (!guard.tryEnterRender())
            return false;
        work();
        guard.leaveRender();
        return true;
    }
    // Before any block there is no audio thread to hand work to: take the
    // engine, unless another thread is replacing it right now.
    if (!guard.hasRendered() && guard.tryBeginReplace())
    {
        work();
        guard.endReplace();
        return true;
    }
    return false;
}
