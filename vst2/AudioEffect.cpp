#include "vst2/AudioEffect.h"

#include <climits>
#include <cstring>

#include "vst2/VstRecords.h"

namespace {

extern "C" intptr_t dispatchEffect(AEffect* e, int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    AudioEffect* effect = AudioEffect::fromAeffect(e);
    if (!effect)
        return 0;
    intptr_t result = effect->dispatcher(opcode, index, value, ptr, opt);
    if (opcode == effClose)
    {
        // The record lives inside the object: after this the host never touches it.
        delete effect;
        return 1;
    }
    return result;
}

extern "C" void processAccumulating(AEffect* e, float** inputs, float** outputs, int32_t frames)
{
    if (AudioEffect* effect = AudioEffect::fromAeffect(e))
        effect->process(inputs, outputs, frames);
}

extern "C" void processReplacingEntry(AEffect* e, float** inputs, float** outputs, int32_t frames)
{
    if (AudioEffect* effect = AudioEffect::fromAeffect(e))
        effect->processReplacing(inputs, outputs, frames);
}

extern "C" void processDoubleEntry(AEffect* e, double** inputs, double** outputs, int32_t frames)
{
    if (AudioEffect* effect = AudioEffect::fromAeffect(e))
        effect->processDoubleReplacing(inputs, outputs, frames);
}

extern "C" void setParameterEntry(AEffect* e, int32_t index, float value)
{
    if (AudioEffect* effect = AudioEffect::fromAeffect(e))
        effect->setParameter(index, value);
}

extern "C" float getParameterEntry(AEffect* e, int32_t index)
{
    AudioEffect* effect = AudioEffect::fromAeffect(e);
    return effect ? effect->getParameter(index) : 0.f;
}

} // namespace

AudioEffect::AudioEffect(audioMasterCallback master, int32_t programs, int32_t params)
    : audioMaster(master), numPrograms(programs), numParams(params)
{
    std::memset(&cEffect, 0, sizeof(cEffect));
    cEffect.magic = kEffectMagic;
    cEffect.dispatcher = dispatchEffect;
    cEffect.process = processAccumulating;
    cEffect.setParameter = setParameterEntry;
    cEffect.getParameter = getParameterEntry;
    cEffect.numPrograms = programs;
    cEffect.numParams = params;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.flags = effFlagsCanReplacing;
    cEffect.ioRatio = 1.f;
    cEffect.object = this;
    cEffect.uniqueID = vstFourCC('N', 'o', 'E', 'f');
    cEffect.version = 1;
    cEffect.processReplacing = processReplacingEntry;
    cEffect.processDoubleReplacing = processDoubleEntry;
}

AudioEffect::~AudioEffect() { delete editor; }

void AudioEffect::setEditor(AEffEditor* newEditor)
{
    if (newEditor != editor)
        delete editor;
    editor = newEditor;
    setFlag(effFlagsHasEditor, editor != nullptr);
}

intptr_t AudioEffect::callHost(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    return audioMaster ? audioMaster(&cEffect, opcode, index, value, ptr, opt) : 0;
}

void AudioEffect::setParameterAutomated(int32_t index, float value)
{
    setParameter(index, value);
    callHost(audioMasterAutomate, index, 0, nullptr, value);
}

void AudioEffect::processReplacing(float** inputs, float** outputs, int32_t sampleFrames)
{
    if (!outputs || sampleFrames <= 0)
        return;
    for (int32_t c = 0; c < cEffect.numOutputs; ++c)
        if (outputs[c])
            std::memset(outputs[c], 0, sizeof(float) * static_cast<size_t>(sampleFrames));
}

int32_t AudioEffect::getMasterVersion()
{
    if (!audioMaster)
        return 1;
    int32_t version = static_cast<int32_t>(audioMaster(&cEffect, audioMasterVersion, 0, 0, nullptr, 0.f));
    return version ? version : 1; // old hosts answer 0
}

int32_t AudioEffect::getCurrentUniqueId() { return static_cast<int32_t>(callHost(audioMasterCurrentId)); }

void AudioEffect::masterIdle() { callHost(audioMasterIdle); }

intptr_t AudioEffect::dispatcher(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    switch (opcode)
    {
    case effOpen: open(); return 0;
    case effClose: close(); return 0;
    case effSetProgram:
        if (value >= 0 && value < numPrograms)
            setProgram(static_cast<int32_t>(value));
        return 0;
    case effGetProgram: return getProgram();
    case effSetProgramName:
        if (ptr)
            setProgramName(static_cast<char*>(ptr));
        return 0;
    case effGetProgramName:
        if (ptr)
            getProgramName(static_cast<char*>(ptr));
        return 0;
    case effGetParamLabel:
        if (ptr)
            getParameterLabel(index, static_cast<char*>(ptr));
        return 0;
    case effGetParamDisplay:
        if (ptr)
            getParameterDisplay(index, static_cast<char*>(ptr));
        return 0;
    case effGetParamName:
        if (ptr)
            getParameterName(index, static_cast<char*>(ptr));
        return 0;
    case effSetSampleRate: setSampleRate(opt); return 0;
    case effSetBlockSize: setBlockSize(static_cast<int32_t>(value)); return 0;
    case effMainsChanged:
        if (value)
            resume();
        else
            suspend();
        return 0;
    case effEditGetRect:
        if (editor && ptr)
            return editor->getRect(static_cast<ERect**>(ptr)) ? 1 : 0;
        return 0;
    case effEditOpen:
        if (editor)
            return editor->open(ptr) ? 1 : 0;
        return 0;
    case effEditClose:
        if (editor)
            editor->close();
        return 0;
    case effEditIdle:
        if (editor)
            editor->idle();
        return 0;
    case effIdentify: return vstFourCC('N', 'v', 'E', 'f');
    case effGetChunk:
        if (!ptr)
            return 0;
        return getChunk(static_cast<void**>(ptr), index != 0);
    case effSetChunk:
        // A size that does not fit 32 bits is no size we could accept; pass it on as invalid.
        return setChunk(ptr, (value < 0 || value > INT32_MAX) ? -1 : static_cast<int32_t>(value), index != 0);
    default: return 0;
    }
}
