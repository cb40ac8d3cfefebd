// Kelvane's host interface: construction, the opcodes with their answers,
// processing, the sample rate, and the engine services.
#include "plugin/Kelvane.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/EditorRequests.h"
#include "common/FloatMode.h"
#include "common/ParamTable.h"
#include "plugin/BoundedText.h"
#include "plugin/BrokenMessage.h"

Kelvane::Kelvane(audioMasterCallback master) : AudioEffectX(master, kNumPrograms, kParamCount), engine(*this)
{
    // Denormal results of the engine become zero.
    flushDenormalsOnThisThread();
    programsAreChunks(true);
    sampleRate = 48000.f;

    // Default-program template and the stored bank.
    std::memset(&templateRecord, 0, sizeof templateRecord);
    templateRecord.version = kRecordVersion;
    for (int i = 0; i < kParamCount; ++i)
        templateRecord.values[i] = kParamTable[i].defaultValue;
    std::memset(&stored, 0, sizeof stored);
    for (int p = 0; p < kNumPrograms; ++p)
        stored.programs[p] = templateRecord;
    std::memset(loadedName, 0, sizeof loadedName);

    std::memset(&chunkCopy, 0, sizeof chunkCopy);
    live.reset(new (std::nothrow) ProgramRecord[kNumPrograms]);
    if (live)
    {
        for (int p = 0; p < kNumPrograms; ++p)
        {
            writeField(stored.programs[p].name, kProgramNameChars + 1, p == 0 ? "Init" : "-");
            live[p] = stored.programs[p];
        }
        setProgram(0);
    }
    setCurrentProgram(0);

    if (master)
    {
        setNumInputs(0);
        setNumOutputs(2);
        isSynth(true);
        canProcessReplacing(true);
        setUniqueID(kUniqueId);
    }
    gui = createInstrumentEditor(*this);
    setEditor(gui);
    locatePresetsFolder();
}

Kelvane::~Kelvane() = default; // the base releases the editor

InstrumentEditor* Kelvane::openGui() { return (gui && gui->isOpen()) ? gui : nullptr; }

intptr_t Kelvane::dispatcher(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    switch (opcode)
    {
    case effSetProgram:
        if (value >= 0 && value < kNumPrograms)
            setProgram(static_cast<int32_t>(value));
        return 0;
    case effSetBlockSizeAndSampleRate:
        // Stored only: the engine rate follows effSetSampleRate alone.
        blockSize = static_cast<int32_t>(value);
        sampleRate = opt;
        return 1;
    case effConnectInput:
    case effConnectOutput: return 1;
    case effKeysRequired: return 1; // the editor needs no key events
    case effGetNumProgramCategories: return 1;
    case effGetSpeakerArrangement: return 0;
    default: return AudioEffectX::dispatcher(opcode, index, value, ptr, opt);
    }
}

// --- identity -------------------------------------------------------------

bool Kelvane::getEffectName(char* name)
{
    std::snprintf(name, kVstMaxEffectNameLen, "%s", "Vantorel");
    return true;
}

bool Kelvane::getVendorString(char* text)
{
    std::snprintf(text, kVstMaxVendorStrLen, "%s", "Orvik");
    return true;
}

bool Kelvane::getProductString(char* text)
{
    std::snprintf(text, kVstMaxProductStrLen, "%s", "Vantorel v1.0.0");
    return true;
}

int32_t Kelvane::canDo(char* text)
{
    static const char* const yes[] = {"receiveVstEvents", "receiveVstMidiEvent", "midiProgramNames"};
    for (const char* cap : yes)
        if (std::strcmp(text, cap) == 0)
            return 1;
    return -1;
}

bool Kelvane::getOutputProperties(int32_t index, VstPinProperties* properties)
{
    if (index < 0 || index > 1)
        return false;
    std::snprintf(properties->label, kVstMaxLabelLen, "Vant %1d", index + 1);
    properties->flags = kVstPinIsActive | kVstPinIsStereo;
    return true;
}

intptr_t Kelvane::vendorSpecific(int32_t index, intptr_t value, void* ptr, float opt)
{
    if (index == kEditorRequest && gui)
        return gui->editorRequest(value, ptr);
    return 0;
}

// --- switching on, sample rate ---------------------------------------------

void Kelvane::resume() { callHost(audioMasterWantMidi, 0, 1); }

void Kelvane::setSampleRate(float rate)
{
    RenderGuard::ReplaceScope replacing(guard);
    sampleRate = rate;
    suspend();
    if (!engine.setSampleRate(rate))
        for (int line = 0; line < 2; ++line)
            if (engine.echoLineLength(line) == 0)
                reportBroken();
    hostTempo = 120.f;
    lastHostTempo = 120.f;
    setProgram(getProgram());
}

float Kelvane::getEngineRate() { return engine.engineRate(); }

int Kelvane::getEchoLineLength(int line) { return engine.echoLineLength(line); }

// --- the engine's one thread at a time ---------------------------------------

void Kelvane::deliverPendingWork()
{
    pendingParameters.deliver([this](int32_t index) { engine.setParameter(index, getParameter(index)); });
    pendingNotes.deliver([this](int key, int velocity) { engine.noteOn(key, velocity, 0); },
                         [this](int key) { engine.noteOff(key); });
}

// --- audio thread -----------------------------------------------------------

int32_t Kelvane::processEvents(VstEvents* events)
{
    if (!events || events->numEvents <= 0)
        return 1;
    flashMidiSignal(true);
    const bool entered = guard.tryEnterRender();
    // One host batch is one engine batch, whatever its size.
    if (entered)
    {
        deliverPendingWork();
        engine.beginMidiBatch();
        pendingMidi.deliver(engine);
    }
    VstEvent* const* slots = events->events; // numEvents entries, past the declared two
    for (int32_t i = 0; i < events->numEvents; ++i)
    {
        const VstEvent* e = slots[i];
        if (!e || e->type != kVstMidiType)
            continue;
        const auto* midi = reinterpret_cast<const VstMidiEvent*>(e);
        MidiMessage m;
        m.deltaFrames = midi->deltaFrames;
        for (int b = 0; b < 3; ++b)
            m.data[b] = static_cast<uint8_t>(midi->midiData[b]);
        if (entered)
            engine.addMidi(m);
        else
            pendingMidi.keep(m); // the engine is being replaced: for the next block
    }
    if (entered)
        guard.leaveRender();
    return 1;
}

void Kelvane::processReplacing(float** inputs, float** outputs, int32_t sampleFrames)
{
    if (!outputs || !outputs[0] || !outputs[1] || sampleFrames <= 0)
        return;
    if (guard.tryEnterRender())
    {
        deliverPendingWork();
        if (!pendingMidi.empty())
        {
            engine.beginMidiBatch();
            pendingMidi.deliver(engine);
        }
        engine.process(outputs[0], outputs[1], sampleFrames); // flushes denormals on this thread itself
        guard.leaveRender();
    }
    else
    {
        std::memset(outputs[0], 0, sizeof(float) * static_cast<size_t>(sampleFrames));
        std::memset(outputs[1], 0, sizeof(float) * static_cast<size_t>(sampleFrames));
    }
}

// --- engine services --------------------------------------------------------

// The editor's keyboard plays from the GUI thread: at once when it may touch
// the engine, else at the start of the next block.
void Kelvane::noteOn(int key, int velocity, int deltaFrames)
{
    if (!withEngineNow([&] { engine.noteOn(key, velocity, deltaFrames); }))
        pendingNotes.keep(key, velocity, true);
}

void Kelvane::noteOff(int key)
{
    if (!withEngineNow([&] { engine.noteOff(key); }))
        pendingNotes.keep(key, 0, false);
}

// PANIC: the block rendered meanwhile is silence anyway.
void Kelvane::resetEngine()
{
    RenderGuard::ReplaceScope replacing(guard);
    engine.resetEngine();
}

void Kelvane::flashMidiSignal(bool on)
{
    if (gui)
        gui->flashMidiSignal(on);
}

void Kelvane::reportBroken() { showBrokenMessage(); }

bool Kelvane::pollHostTime()
{
    // Both are asked for: a host may fill in only what it is asked.
    const VstTimeInfo* info = getTimeInfo(kVstTempoValid | kVstPpqPosValid);
    if (!info)
        return false;
    if ((info->flags & kVstPpqPosValid) && std::isfinite(info->ppqPos))
        hostPosition = static_cast<float>(info->ppqPos);
    if ((info->flags & kVstTempoValid) && std::isfinite(info->tempo) && info->tempo > 0.0)
    {
        lastHostTempo = hostTempo;
        hostTempo = static_cast<float>(info->tempo);
    }
    return true;
}

float Kelvane::readHostTempo()
{
    pollHostTime();
    return hostTempo;
}

void Kelvane::readHostPosition() { pollHostTime(); }

bool Kelvane::readHostTime(float& tempoBpm, float& ppqPosition)
{
    if (!pollHostTime())
        return false;
    tempoBpm = hostTempo;
    ppqPosition = hostPosition;
    return true;
}
