// Kelvane's files: the module and presets folders, and program (.vnp) and bank
// (.vnb) files holding exactly the bytes of a program record or the bank image.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "common/ParamId.h"
#include "plugin/BoundedText.h"
#include "plugin/FileReplace.h"
#include "plugin/Kelvane.h"
#include "plugin/ModuleFolder.h"
#include "plugin/SharedWords.h"

namespace {

// Paths in records are cut to 1,023 characters and terminated.
void setPathField(char* field, const char* path) { writeField(field, kPathFieldBytes, path); }

// The only messages besides "BROKEN": a file the user asked for that could
// not be written or read.
void reportFileFailure(const char* what, const char* path, int error)
{
    std::fprintf(stderr, "Vantorel: could not %s \"%s\": %s\n", what, path ? path : "", fileErrorText(error));
}

// Reads up to size bytes from the start of the file over dest (a record or
// the bank, whose parameter words other threads may be reading); a short file
// replaces only what it holds. False (reported) when it cannot be read.
bool readOver(const char* path, void* dest, size_t size)
{
    std::vector<unsigned char> bytes(size);
    size_t got = 0;
    int error = readFileStart(path, bytes.data(), size, got);
    if (error)
        reportFileFailure("load", path, error);
    else
        copyWords(dest, bytes.data(), got);
    return error == 0;
}

// Writes a record or the bank as it is at this moment, word by word.
bool writeWhole(const char* path, const void* data, size_t size)
{
    std::vector<unsigned char> bytes(size);
    copyWords(bytes.data(), data, size);
    int error = replaceFileContents(path, bytes.data(), size);
    if (error)
        reportFileFailure("save", path, error);
    return error == 0;
}

} // namespace

void Kelvane::locatePresetsFolder()
{
    moduleFolder = folderOfThisModule();
    const std::string presets = moduleFolder + "/presets";
    std::error_code ec;
    presetsFolder = std::filesystem::exists(std::filesystem::u8path(presets), ec) ? presets : moduleFolder;
}

std::string Kelvane::getFolder(bool presets) { return presets ? presetsFolder : moduleFolder; }

bool Kelvane::saveProgramFile(int p, const char* path)
{
    if (p < 0 || p >= kNumPrograms)
        return false;
    RenderGuard::BankScope banks(guard);
    ProgramRecord& record = stored.programs[p];
    record.version = kRecordVersion;
    setPathField(record.path, path);
    return writeWhole(path, &record, kProgramRecordBytes);
}

bool Kelvane::loadProgramFile(int p, const char* path)
{
    if (p < 0 || p >= kNumPrograms)
        return false;
    RenderGuard::BankScope banks(guard);
    ProgramRecord& record = stored.programs[p];
    const bool read = readOver(path, &record, kProgramRecordBytes);
    setPathField(record.path, path); // also when the file could not be read
    // Old records in NOISE mode meant the widest noise band.
    if (record.version == kOldRecordVersion && loadWord(record.values[paramIndex(ParamId::SbDiffusion)]) == 1.f)
    {
        storeWord(record.values[paramIndex(ParamId::SbFrqBottom)], 1.f); // "NOISE Frq"
        storeWord(record.values[paramIndex(ParamId::SbFrqTop)], 0.5f); // "NOISE Res"
    }
    return read;
}

bool Kelvane::saveBankFile(const char* path)
{
    RenderGuard::BankScope banks(guard);
    setPathField(stored.bankPath, path);
    for (ProgramRecord& record : stored.programs)
        setPathField(record.path, path);
    return writeWhole(path, &stored, kBankImageBytes);
}

bool Kelvane::loadBankFile(const char* path)
{
    // Loads go into the stored bank only; the next setProgram brings the rest along.
    RenderGuard::BankScope banks(guard);
    return readOver(path, &stored, kBankImageBytes);
}
