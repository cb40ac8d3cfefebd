// Kelvane's programs: selecting, naming, storing, removing, initialising, and
// the chunk exchange with the host.
#include <cstring>

#include "plugin/BoundedText.h"
#include "plugin/Kelvane.h"

namespace {
// Names live in a 28-byte field: 24 characters, the terminator at byte 24.
constexpr size_t kNameField = kProgramNameChars + 1;
} // namespace

void Kelvane::setProgram(int32_t p)
{
    if (p < 0 || p >= kNumPrograms)
        return;
    RenderGuard::ReplaceScope replacing(guard);
    curProgram = p;
    const ProgramRecord& record = stored.programs[p];
    if (live)
        live[p] = record;
    copyBounded(loadedName, record.name, kProgramNameChars);
    // A copy: setParameter writes back into the record while we walk it.
    float values[kParamCount];
    std::memcpy(values, record.values, sizeof values);
    for (int i = 0; i < kParamCount; ++i)
        setParameter(i, values[i]);
    if (InstrumentEditor* g = openGui())
    {
        g->showProgramName(loadedName);
        g->showParameterReadout(1, 0);
        g->showParameterReadout(2, 0);
        g->showParameterReadout(3, 1);
        g->showParameterReadout(4, 2);
    }
    engine.programApplied();
}

void Kelvane::setProgramName(char* name)
{
    writeField(stored.programs[curProgram].name, kNameField, name);
    if (live)
        writeField(live[curProgram].name, kNameField, name);
    if (InstrumentEditor* g = openGui())
    {
        char shown[kProgramNameChars + 1];
        copyBounded(shown, stored.programs[curProgram].name, kProgramNameChars);
        g->showProgramName(shown);
    }
}

void Kelvane::getProgramName(char* name) { copyBounded(name, stored.programs[curProgram].name, kProgramNameChars); }

bool Kelvane::getProgramNameIndexed(int32_t category, int32_t index, char* text)
{
    if (index < 0 || index >= kNumPrograms)
        return false;
    copyBounded(text, stored.programs[index].name, kProgramNameChars);
    return true;
}

int32_t Kelvane::getChunk(void** data, bool isPreset)
{
    if (isPreset)
    {
        *data = &stored.programs[curProgram];
        return kProgramRecordBytes;
    }
    *data = &stored;
    return kBankImageBytes;
}

int32_t Kelvane::setChunk(void* data, int32_t byteSize, bool isPreset)
{
    if (!data)
        return 0;
    // The size tells what a chunk is: hosts restore a project's bank with
    // either flag, and a refused bank would silently lose every program.
    if (byteSize != kProgramRecordBytes && byteSize != kBankImageBytes)
        return 0;
    RenderGuard::ReplaceScope replacing(guard);
    if (byteSize == kProgramRecordBytes)
        std::memcpy(&stored.programs[curProgram], data, kProgramRecordBytes);
    else
        std::memcpy(&stored, data, kBankImageBytes);
    setProgram(curProgram);
    return 1;
}

bool Kelvane::storeProgram(int p)
{
    if (p < 0 || p >= kNumPrograms)
        return false;
    ProgramRecord& target = stored.programs[p];
    for (int i = 0; i < kParamCount; ++i)
        target.values[i] = getParameter(i);
    curProgram = p;
    writeField(target.name, kNameField, loadedName);
    setProgram(p);
    return true;
}

void Kelvane::removeProgram(int p)
{
    if (p < 0 || p >= kNumPrograms)
        return;
    for (int k = p; k < kNumPrograms - 1; ++k)
    {
        ProgramRecord& to = stored.programs[k];
        const ProgramRecord& from = stored.programs[k + 1];
        std::memcpy(to.values, from.values, sizeof to.values);
        std::memcpy(to.name, from.name, sizeof to.name);
    }
    writeField(stored.programs[kNumPrograms - 1].name, kNameField, "-");
    curProgram = p;
    setProgram(p);
}

void Kelvane::initBank()
{
    RenderGuard::ReplaceScope replacing(guard);
    for (int p = 0; p < kNumPrograms; ++p)
    {
        curProgram = p;
        std::memcpy(stored.programs[p].values, templateRecord.values, sizeof templateRecord.values);
        if (live)
            std::memcpy(live[p].values, templateRecord.values, sizeof templateRecord.values);
        char name[2 + 3];
        std::strcpy(name, p == 0 ? "Init" : "-");
        setProgramName(name);
    }
    copyBounded(loadedName, "-", kProgramNameChars);
}

void Kelvane::getLoadedName(char* text) { copyBounded(text, loadedName, kProgramNameChars); }

float Kelvane::getStoredParameter(int index)
{
    if (index < 0 || index >= kParamCount)
        return 0.f;
    return stored.programs[curProgram].values[index];
}

void Kelvane::getProgramPath(char* text) { copyBounded(text, stored.programs[curProgram].path, kPathFieldBytes); }

bool Kelvane::getBankPath(char* text)
{
    if (stored.bankPath[0] == 0)
        return false;
    copyBounded(text, stored.bankPath, kPathFieldBytes - 1);
    return true;
}

unsigned char* Kelvane::getBankImage() { return reinterpret_cast<unsigned char*>(&stored); }
