#pragma once
// The basic effect class: owns the AEffect record, decodes the 1.0 opcodes into
// virtual calls and wraps the host callback.
#include <cstdint>

#include "vst2/AEffEditor.h"
#include "vst2/AEffect.h"
#include "vst2/Opcodes.h"

class AudioEffect
{
public:
    AudioEffect(audioMasterCallback audioMaster, int32_t numPrograms, int32_t numParams);
    virtual ~AudioEffect();
    AudioEffect(const AudioEffect&) = delete;
    AudioEffect& operator=(const AudioEffect&) = delete;

    AEffect* getAeffect() { return &cEffect; }
    static AudioEffect* fromAeffect(AEffect* e) { return e ? static_cast<AudioEffect*>(e->object) : nullptr; }

    virtual intptr_t dispatcher(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt);

    virtual void open() {}
    virtual void close() {}
    virtual void suspend() {}
    virtual void resume() {}

    virtual void setProgram(int32_t program) { curProgram = program; }
    virtual int32_t getProgram() { return curProgram; }
    virtual void setProgramName(char* name) {}
    virtual void getProgramName(char* name) { *name = 0; }

    virtual void setParameter(int32_t index, float value) {}
    virtual float getParameter(int32_t index) { return 0.f; }
    virtual void setParameterAutomated(int32_t index, float value);
    virtual void getParameterLabel(int32_t index, char* label) { *label = 0; }
    virtual void getParameterDisplay(int32_t index, char* text) { *text = 0; }
    virtual void getParameterName(int32_t index, char* text) { *text = 0; }

    virtual void setSampleRate(float rate) { sampleRate = rate; }
    virtual void setBlockSize(int32_t size) { blockSize = size; }
    float getSampleRate() const { return sampleRate; }
    int32_t getBlockSize() const { return blockSize; }

    virtual int32_t getChunk(void** data, bool isPreset = false) { return 0; }
    virtual int32_t setChunk(void* data, int32_t byteSize, bool isPreset = false) { return 0; }

    virtual void process(float** inputs, float** outputs, int32_t sampleFrames) {}
    virtual void processReplacing(float** inputs, float** outputs, int32_t sampleFrames);
    virtual void processDoubleReplacing(double** inputs, double** outputs, int32_t sampleFrames) {}

    virtual int32_t getMasterVersion();
    virtual int32_t getCurrentUniqueId();
    virtual void masterIdle();

    // Record setters.
    virtual void setUniqueID(int32_t id) { cEffect.uniqueID = id; }
    virtual void setNumInputs(int32_t n) { cEffect.numInputs = n; }
    virtual void setNumOutputs(int32_t n) { cEffect.numOutputs = n; }
    virtual void canProcessReplacing(bool state = true) { setFlag(effFlagsCanReplacing, state); }
    virtual void canDoubleReplacing(bool state = true) { setFlag(effFlagsCanDoubleReplacing, state); }
    virtual void programsAreChunks(bool state = true) { setFlag(effFlagsProgramChunks, state); }
    virtual void setInitialDelay(int32_t delay) { cEffect.initialDelay = delay; }
    virtual void noTail(bool state = true) { setFlag(effFlagsNoSoundInStop, state); }

    // Takes ownership; announces the editor in the record's flags.
    virtual void setEditor(AEffEditor* newEditor);
    AEffEditor* getEditor() { return editor; }

protected:
    void setFlag(int32_t flag, bool state)
    {
        if (state)
            cEffect.flags |= flag;
        else
            cEffect.flags &= ~flag;
    }
    // Calls the host if there is one; 0 otherwise.
    intptr_t callHost(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr, float opt = 0.f);

    audioMasterCallback audioMaster;
    AEffEditor* editor = nullptr;
    float sampleRate = 44100.f;
    int32_t blockSize = 1024;
    int32_t numPrograms;
    int32_t numParams;
    int32_t curProgram = 0;
    AEffect cEffect;
};
