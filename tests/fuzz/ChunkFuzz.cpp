// Chunks through effSetChunk, as a host restoring a damaged or foreign project
// hands them over. A chunk of a record's or the bank's size is taken whole and
// effGetChunk gives back the same bytes; any other size is refused and changes
// nothing. Whatever the bytes, every name and parameter text stays terminated
// within its length, the parameters read back as stored, and the instrument
// still plays finite samples.
//
// Input: a mode byte (program or bank flag; the size: a record's, the bank's,
// one off either, or the input's own length), an offset, then bytes laid over
// the instrument's own chunk from that offset on (wrapping), so that small
// inputs reach any field of the bank.
#include "tests/fuzz/FuzzSupport.h"

namespace {

constexpr size_t kRecord = 1500, kBank = 97024;

size_t chunkSize(uint8_t choice, size_t inputLength)
{
    switch (choice % 6)
    {
    case 0:
    case 1: return kRecord;
    case 2:
    case 3: return kBank;
    case 4: return (choice & 8) ? kRecord + 1 : kBank - 1;
    default: return inputLength;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ByteReader in(data, size);
    const uint8_t mode = in.byte();
    const bool isPreset = mode & 1;
    const uint32_t offset = in.u32();
    FuzzInstrument& inst = FuzzInstrument::fresh();
    HostModule& host = inst.host;
    host.setProgram(static_cast<int32_t>((mode >> 4) & 63));

    const size_t n = chunkSize(static_cast<uint8_t>(mode >> 1), in.remaining());
    const std::vector<unsigned char> before = host.getChunk(false);
    std::vector<unsigned char> chunk = n == kRecord ? host.getChunk(true) : before;
    chunk.resize(n);
    const std::vector<uint8_t> overlay = in.bytes(in.remaining());
    for (size_t i = 0; i < overlay.size() && n > 0; ++i)
        chunk[(offset + i) % n] = overlay[i];

    const intptr_t taken =
        host.dispatch(effSetChunk, isPreset ? 1 : 0, static_cast<intptr_t>(n), n ? chunk.data() : nullptr);
    const bool valid = n == kRecord || n == kBank;
    FUZZ_CHECK(taken == (valid ? 1 : 0), "a %zu-byte chunk answered %ld", n, static_cast<long>(taken));
    if (!valid)
        FUZZ_CHECK(chunkEquals(host, false, before), "a refused %zu-byte chunk changed the bank", n);
    else
        FUZZ_CHECK(chunkEquals(host, n == kRecord, chunk), "the %zu-byte chunk read back differs", n);

    // The current program was re-applied from the chunk: the host reads its
    // values back bit for bit (stored as given, never clamped).
    const unsigned char* program = chunkInPlace(host, true).first;
    for (int32_t i = 0; i < kParamCount; ++i)
    {
        float stored, read = host.getParameter(i);
        std::memcpy(&stored, program + 4 + 4 * i, 4);
        FUZZ_CHECK(std::memcmp(&stored, &read, 4) == 0, "parameter %d reads %g, the chunk holds %g", i, read, stored);
    }
    checkAllTexts(host);

    // Whatever the values, the instrument plays finite samples.
    VstMidiEvent notes[2] = {midiEvent(0x90, 60, 100, 0), midiEvent(0x90, 67, 127, 5)};
    host.sendMidi({notes[0], notes[1]});
    renderAndCheck(host, 64, std::numeric_limits<float>::max(), "after the chunk");
    return 0;
}
