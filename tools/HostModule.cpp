#include "tools/HostModule.h"

#include "tools/ModuleLibrary.h"

#include <cstring>

namespace {
// The entry point calls back before the host knows the record (effect is
// null); the instance being created is found through this.
thread_local HostModule* creating = nullptr;
} // namespace

HostModule::~HostModule()
{
    close();
    closeModuleLibrary(handle);
}

bool HostModule::load(const std::string& path)
{
    close();
    closeModuleLibrary(handle);
    entry = nullptr;
    modulePath = path;
    handle = openModuleLibrary(path, lastError);
    if (!handle)
        return false;
    entry = reinterpret_cast<VstEntryProc>(findModuleSymbol(handle, "VSTPluginMain"));
    if (!entry)
        entry = reinterpret_cast<VstEntryProc>(findModuleSymbol(handle, "main"));
    if (!entry)
    {
        lastError = "module exports no VSTPluginMain";
        return false;
    }
    return true;
}

void HostModule::attach(VstEntryProc e) { entry = e; }

AEffect* HostModule::open(bool sendOpen)
{
    if (!entry)
    {
        lastError = "no entry point";
        return nullptr;
    }
    close();
    time = VstTimeInfo{};
    time.sampleRate = 44100.0;
    time.tempo = 120.0;
    time.timeSigNumerator = 4;
    time.timeSigDenominator = 4;
    time.flags = kVstTempoValid | kVstPpqPosValid | kVstTimeSigValid;
    creating = this;
    fx = entry(&HostModule::hostCallback);
    creating = nullptr;
    if (!fx)
    {
        lastError = "the entry point returned no effect";
        return nullptr;
    }
    if (fx->magic != kEffectMagic)
    {
        lastError = "the effect record has a wrong magic";
        fx = nullptr;
        return nullptr;
    }
    fx->resvd1 = reinterpret_cast<intptr_t>(this); // hosts keep their own pointer here
    if (sendOpen)
        dispatch(effOpen);
    return fx;
}

void HostModule::close()
{
    if (!fx)
        return;
    fx->dispatcher(fx, effClose, 0, 0, nullptr, 0.f);
    fx = nullptr;
}

intptr_t HostModule::hostCallback(AEffect* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    HostModule* host = creating;
    if (effect && effect->resvd1)
        host = reinterpret_cast<HostModule*>(effect->resvd1);
    if (!host)
        return opcode == audioMasterVersion ? 2400 : 0;
    return host->answer(opcode, index, value, ptr, opt);
}

intptr_t HostModule::answer(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    {
        std::lock_guard<std::mutex> lock(callsMutex);
        recorded.push_back(HostCall{opcode, index, value, opt});
    }
    switch (opcode)
    {
    case audioMasterVersion: return hostVersion;
    case audioMasterGetTime: {
        // A copy per calling thread, taken under the lock.
        thread_local VstTimeInfo answered;
        std::lock_guard<std::mutex> lock(timeMutex);
        if (!timeAvailable)
            return 0;
        answered = time;
        if (onlyAsked)
        {
            // Like hosts that fill in only the fields they were asked for.
            constexpr int32_t optional = kVstPpqPosValid | kVstTempoValid | kVstBarsValid | kVstCyclePosValid |
                                         kVstTimeSigValid | kVstSmpteValid | kVstClockValid | kVstNanosValid;
            answered.flags = (time.flags & ~optional) | (time.flags & optional & static_cast<int32_t>(value));
        }
        return reinterpret_cast<intptr_t>(&answered);
    }
    case audioMasterGetSampleRate: {
        std::lock_guard<std::mutex> lock(timeMutex);
        return static_cast<intptr_t>(time.sampleRate);
    }
    case audioMasterCanDo:
        if (!ptr)
            return 0;
        for (const std::string& cap : canDoList)
            if (cap == static_cast<const char*>(ptr))
                return 1;
        return -1;
    case audioMasterGetVendorString: std::strcpy(static_cast<char*>(ptr), "Vantorel tools"); return 1;
    case audioMasterGetProductString: std::strcpy(static_cast<char*>(ptr), "vantorel"); return 1;
    case audioMasterGetVendorVersion: return 1;
    case audioMasterGetCurrentProcessLevel: return 0;
    case audioMasterWantMidi:
    case audioMasterAutomate:
    case audioMasterBeginEdit:
    case audioMasterEndEdit:
    case audioMasterUpdateDisplay:
    case audioMasterSizeWindow: return 1;
    default: return 0;
    }
}

intptr_t HostModule::dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    if (!fx)
        return 0;
    return fx->dispatcher(fx, opcode, index, value, ptr, opt);
}

namespace {
// Generous buffers, as hosts give them; the terminator is guaranteed.
std::string readText(HostModule& h, int32_t opcode, int32_t index, intptr_t* result = nullptr)
{
    char buffer[512];
    std::memset(buffer, 0, sizeof buffer);
    intptr_t r = h.dispatch(opcode, index, 0, buffer);
    if (result)
        *result = r;
    buffer[sizeof buffer - 1] = 0;
    return buffer;
}
} // namespace

std::string HostModule::effectName() { return readText(*this, effGetEffectName, 0); }
std::string HostModule::vendorString() { return readText(*this, effGetVendorString, 0); }
std::string HostModule::productString() { return readText(*this, effGetProductString, 0); }
std::string HostModule::parameterName(int32_t index) { return readText(*this, effGetParamName, index); }
std::string HostModule::parameterLabel(int32_t index) { return readText(*this, effGetParamLabel, index); }
std::string HostModule::parameterDisplay(int32_t index) { return readText(*this, effGetParamDisplay, index); }
std::string HostModule::programName() { return readText(*this, effGetProgramName, 0); }

std::string HostModule::programNameIndexed(int32_t index, bool* ok)
{
    char buffer[512];
    std::memset(buffer, 0, sizeof buffer);
    intptr_t r = dispatch(effGetProgramNameIndexed, index, 0, buffer);
    if (ok)
        *ok = r != 0;
    buffer[sizeof buffer - 1] = 0;
    return buffer;
}

int32_t HostModule::canDo(const char* text)
{
    return static_cast<int32_t>(dispatch(effCanDo, 0, 0, const_cast<char*>(text)));
}

void HostModule::setParameter(int32_t index, float value)
{
    if (fx)
        fx->setParameter(fx, index, value);
}

float HostModule::getParameter(int32_t index) { return fx ? fx->getParameter(fx, index) : 0.f; }

std::vector<unsigned char> HostModule::getChunk(bool isPreset)
{
    void* data = nullptr;
    intptr_t size = dispatch(effGetChunk, isPreset ? 1 : 0, 0, &data);
    if (size <= 0 || !data)
        return {};
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    return std::vector<unsigned char>(bytes, bytes + size);
}

intptr_t HostModule::setChunk(const std::vector<unsigned char>& bytes, bool isPreset)
{
    return dispatch(effSetChunk, isPreset ? 1 : 0, static_cast<intptr_t>(bytes.size()),
                    const_cast<unsigned char*>(bytes.data()));
}

intptr_t HostModule::sendMidi(const std::vector<VstMidiEvent>& events)
{
    // Variable-length list: the header followed by one pointer per event.
    std::vector<unsigned char> storage(sizeof(VstEvents) + sizeof(VstEvent*) * events.size());
    VstEvents* list = reinterpret_cast<VstEvents*>(storage.data());
    list->numEvents = static_cast<int32_t>(events.size());
    list->reserved = 0;
    VstEvent** slots = list->events; // numEvents entries, past the declared two
    for (size_t i = 0; i < events.size(); ++i)
        slots[i] = reinterpret_cast<VstEvent*>(const_cast<VstMidiEvent*>(&events[i]));
    return dispatch(effProcessEvents, 0, 0, list);
}

void HostModule::processReplacing(float* left, float* right, int32_t frames)
{
    if (!fx)
        return;
    float* outputs[2] = {left, right};
    fx->processReplacing(fx, nullptr, outputs, frames);
    std::lock_guard<std::mutex> lock(timeMutex);
    time.samplePos += frames;
    if ((time.flags & kVstPpqPosValid) && time.sampleRate > 0)
        time.ppqPos += frames / time.sampleRate * time.tempo / 60.0;
}

void HostModule::setTempo(double bpm)
{
    std::lock_guard<std::mutex> lock(timeMutex);
    time.tempo = bpm;
    time.flags |= kVstTempoValid;
}

void HostModule::setPosition(double ppq)
{
    std::lock_guard<std::mutex> lock(timeMutex);
    time.ppqPos = ppq;
    time.flags |= kVstPpqPosValid;
}

std::vector<HostModule::HostCall> HostModule::calls() const
{
    std::lock_guard<std::mutex> lock(callsMutex);
    return recorded;
}

void HostModule::clearCalls()
{
    std::lock_guard<std::mutex> lock(callsMutex);
    recorded.clear();
}

int HostModule::countCalls(int32_t opcode) const
{
    std::lock_guard<std::mutex> lock(callsMutex);
    int n = 0;
    for (const HostCall& c : recorded)
        if (c.opcode == opcode)
            ++n;
    return n;
}

std::vector<std::pair<int32_t, float>> HostModule::automation() const
{
    std::lock_guard<std::mutex> lock(callsMutex);
    std::vector<std::pair<int32_t, float>> out;
    for (const HostCall& c : recorded)
        if (c.opcode == audioMasterAutomate)
            out.emplace_back(c.index, c.opt);
    return out;
}
