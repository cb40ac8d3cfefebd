// Kelvane's programs: selecting, naming, storing, removing, initialising, and
// the chunk exchange with the host.
//
// These run on the host's user-interface side (its UI thread, a loading
// thread, the editor), one thread at a time under the guard's mutex. Only the
// parameter words may meet another thread (setParameter, getParameter from
// anywhere); whole records are therefore copied word by word.
#include <cstring>

#include "plugin/BoundedText.h"
#include "plugin/Kelvane.h"
#include "plugin/SharedWords.h"

namespace {
// Names live in a 28-byte field: 24 characters, the terminator at byte 24.
constexpr size_t kNameField = kProgramNameChars + 1;
} // namespace

void Kelvane::setProgram(int32_t p)
{
    if (p < 0 || p >= kNumPrograms)
        return;
    RenderGuard::ReplaceScope replacing(guard);
    // Whatever was waiting for the engine is in the program applied now.
    pendingParameters.clear();
    setCurrentProgram(p);
    const ProgramRecord& record = stored.programs[p];
    if (live)
        copyWords(&live[p], &record, sizeof record);
    copyBounded(loadedName, record.name, kProgramNameChars);
    // A copy: setParameter writes back into the record while we walk it.
    float values[kParamCount];
    for (int i = 0; i < kParamCount; ++i)
        values[i] = loadWord(record.values[i]);
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
    RenderGuard::BankScope banks(guard);
    const int32_t p = currentProgram();
    writeField(stored.programs[p].name, kNameField, name);
    if (live)
        writeField(live[p].name, kNameField, name);
    if (InstrumentEditor* g = openGui())
    {
        char shown[kProgramNameChars + 1];
        copyBounded(shown, stored.programs[p].name, kProgramNameChars);
        g->showProgramName(shown);
    }
}

void Kelvane::getProgramName(char* name)
{
    RenderGuard::BankScope banks(guard);
    copyBounded(name, stored.programs[currentProgram()].name, kProgramNameChars);
}

bool Kelvane::getProgramNameIndexed(int32_t category, int32_t index, char* text)
{
    if (index < 0 || index >= kNumPrograms)
        return false;
    RenderGuard::BankScope banks(guard);
    copyBounded(text, stored.programs[index].name, kProgramNameChars);
    return true;
}

int32_t Kelvane::getChunk(void** data, bool isPreset)
{
    RenderGuard::BankScope banks(guard);
    if (isPreset)
    {
        ProgramRecord& copy = chunkCopy.programs[0];
        copyWords(&copy, &stored.programs[currentProgram()], kProgramRecordBytes);
        *data = &copy;
        return kProgramRecordBytes;
    }
    copyWords(&chunkCopy, &stored, kBankImageBytes);
    *data = &chunkCopy;
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
        copyWords(&stored.programs[currentProgram()], data, kProgramRecordBytes);
    else
        copyWords(&stored, data, kBankImageBytes);
    setProgram(currentProgram());
    return 1;
}

bool Kelvane::storeProgram(int p)
{
    if (p < 0 || p >= kNumPrograms)
        return false;
    RenderGuard::ReplaceScope replacing(guard);
    ProgramRecord& target = stored.programs[p];
    for (int i = 0; i < kParamCount; ++i)
        storeWord(target.values[i], getParameter(i));
    setCurrentProgram(p);
    writeField(target.name, kNameField, loadedName);
    setProgram(p);
    return true;
}

void Kelvane::removeProgram(int p)
{
    if (p < 0 || p >= kNumPrograms)
        return;
    RenderGuard::ReplaceScope replacing(guard);
    for (int k = p; k < kNumPrograms - 1; ++k)
    {
        ProgramRecord& to = stored.programs[k];
        const ProgramRecord& from = stored.programs[k + 1];
        copyWords(to.values, from.values, sizeof to.values);
        std::memcpy(to.name, from.name, sizeof to.name);
    }
    writeField(stored.programs[kNumPrograms - 1].name, kNameField, "-");
    setCurrentProgram(p);
    setProgram(p);
}

void Kelvane::initBank()
{
    RenderGuard::ReplaceScope replacing(guard);
    for (int p = 0; p < kNumPrograms; ++p)
    {
        setCurrentProgram(p);
        copyWords(stored.programs[p].values, templateRecord.values, sizeof templateRecord.values);
        if (live)
            copyWords(live[p].values, templateRecord.values, sizeof templateRecord.values);
        char name[2 + 3];
        std::strcpy(name, p == 0 ? "Init" : "-");
        setProgramName(name);
    }
    copyBounded(loadedName, "-", kProgramNameChars);
}

void Kelvane::getLoadedName(char* text)
{
    RenderGuard::BankScope banks(guard);
    copyBounded(text, loadedName, kProgramNameChars);
}

float Kelvane::getStoredParameter(int index)
{
    if (index < 0 || index >= kParamCount)
        return 0.f;
    return loadWord(stored.programs[currentProgram()].values[index]);
}

void Kelvane::getProgramPath(char* text)
{
    RenderGuard::BankScope banks(guard);
    copyBounded(text, stored.programs[currentProgram()].path, kPathFieldBytes);
}

bool Kelvane::getBankPath(char* text)
{
    RenderGuard::BankScope banks(guard);
    if (stored.bankPath[0] == 0)
        return false;
    copyBounded(text, stored.bankPath, kPathFieldBytes - 1);
    return true;
}

void Kelvane::setBankPath(const char* path)
{
    // The stored bank names its file in its last 1,024 bytes, cut to fit.
    RenderGuard::BankScope banks(guard);
    writeField(stored.bankPath, kPathFieldBytes, path);
}

unsigned char* Kelvane::getBankImage() { return reinterpret_cast<unsigned char*>(&stored); }
