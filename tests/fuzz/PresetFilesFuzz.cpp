// Program and bank files through the load paths, as a user picks any file
// from a folder: the file's bytes replace the start of the record (or of the
// bank image) and nothing else changes but the record's path text and the
// conversion of old noise programs; a record saved again is written byte for
// byte; names and texts stay terminated and the loaded program plays finite
// samples.
//
// Input: a mode byte (program or bank file, the program slot, whether the
// file is laid over a whole bank image), an offset for that overlay, then the
// file's bytes.
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "tests/fuzz/FuzzSupport.h"

namespace {

constexpr size_t kRecord = 1500, kBank = 97024, kPathAt = 448;

// One folder for the process, emptied and removed at exit (the text is never
// freed: the exit handler outlives static objects).
const std::string& folder()
{
    static const std::string* path = [] {
        const char* tmp = std::getenv("TMPDIR");
        auto* made = new std::string(std::string(tmp && *tmp ? tmp : "/tmp") + "/vantorel-fuzz-XXXXXX");
        if (!mkdtemp(made->data()))
            std::abort();
        std::atexit([] {
            for (const char* name : {"/in", "/out"})
                ::unlink((folder() + name).c_str());
            ::rmdir(folder().c_str());
        });
        return made;
    }();
    return *path;
}

void writeWhole(const std::string& path, const std::vector<unsigned char>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(f != nullptr, "cannot write %s", path.c_str());
    if (!bytes.empty())
        std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::vector<unsigned char> readWhole(const std::string& path)
{
    std::vector<unsigned char> out;
    if (FILE* f = std::fopen(path.c_str(), "rb"))
    {
        unsigned char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
            out.insert(out.end(), buffer, buffer + n);
        std::fclose(f);
    }
    return out;
}

float valueAt(const unsigned char* record, int index)
{
    float v;
    std::memcpy(&v, record + 4 + 4 * index, 4);
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ByteReader in(data, size);
    const uint8_t mode = in.byte();
    const uint32_t offset = in.u32();
    const bool bankFile = mode & 1;
    const bool wholeBank = mode & 2;
    const int program = (mode >> 2) & 63;

    FuzzInstrument& inst = FuzzInstrument::fresh();
    Kelvane& k = *inst.plugin;
    const std::string file = folder() + "/in";
    const std::vector<unsigned char> before(k.getBankImage(), k.getBankImage() + kBank);

    std::vector<unsigned char> content = in.bytes(in.remaining());
    if (bankFile && wholeBank)
    {
        std::vector<unsigned char> image = before;
        for (size_t i = 0; i < content.size(); ++i)
            image[(offset + i) % kBank] = content[i];
        content.swap(image);
    }
    writeWhole(file, content);

    const unsigned char* image = k.getBankImage();
    if (bankFile)
    {
        k.loadBankFile(file.c_str());
        const size_t n = std::min(content.size(), kBank);
        FUZZ_CHECK(n == 0 || std::memcmp(image, content.data(), n) == 0, "the bank image is not the file's %zu bytes",
                   n);
        FUZZ_CHECK(std::memcmp(image + n, before.data() + n, kBank - n) == 0, "a %zu-byte bank file changed more", n);
    }
    else
    {
        k.loadProgramFile(program, file.c_str());
        const unsigned char* record = image + program * kRecord;
        std::vector<unsigned char> expected(before.begin() + static_cast<long>(program * kRecord),
                                            before.begin() + static_cast<long>((program + 1) * kRecord));
        if (!content.empty())
            std::memcpy(expected.data(), content.data(), std::min(content.size(), kRecord));
        std::memset(expected.data() + kPathAt, 0, 1024);
        std::memcpy(expected.data() + kPathAt, file.data(), file.size());
        // Old noise programs (version 1, "sB Diffusion" exactly 1) take the widest band.
        if (expected[0] == 1 && valueAt(expected.data(), paramIndex(ParamId::SbDiffusion)) == 1.f)
        {
            const float wide = 1.f, centre = 0.5f;
            std::memcpy(expected.data() + 4 + 4 * paramIndex(ParamId::SbFrqBottom), &wide, 4);
            std::memcpy(expected.data() + 4 + 4 * paramIndex(ParamId::SbFrqTop), &centre, 4);
        }
        FUZZ_CHECK(std::memcmp(record, expected.data(), kRecord) == 0, "program %d is not the %zu-byte file's", program,
                   content.size());
        FUZZ_CHECK(std::memcmp(image, before.data(), program * kRecord) == 0 &&
                       std::memcmp(record + kRecord, before.data() + (program + 1) * kRecord,
                                   kBank - (program + 1) * kRecord) == 0,
                   "loading program %d changed another record", program);

        // Saved again, the record is written as it is, the version made current.
        const std::string out = folder() + "/out";
        k.saveProgramFile(program, out.c_str());
        std::vector<unsigned char> saved = readWhole(out);
        FUZZ_CHECK(saved.size() == kRecord && std::memcmp(saved.data(), record, kRecord) == 0 && saved[0] == 2,
                   "program %d saved as %zu bytes unlike its record", program, saved.size());
    }

    inst.host.setProgram(program);
    checkAllTexts(inst.host);
    VstMidiEvent note = midiEvent(0x90, 64, 90, 0);
    inst.host.sendMidi({note});
    renderAndCheck(inst.host, 64, std::numeric_limits<float>::max(), "the loaded program");
    return 0;
}
