// MIDI as any host or controller may send it: batches of random events (MIDI
// with any status and data bytes, including running-status leftovers and
// bytes above 127, SysEx and unknown types, null entries) at any offsets,
// rendered in blocks of random size. Every sample is finite and, with the
// default program (no echo, no high-pass after the final clip), within ±1.
//
// Input: a sequence of blocks; each block is its size, its event count and
// the events.
#include "tests/fuzz/FuzzSupport.h"

namespace {

constexpr int kMaxBlocks = 24;
constexpr int kMaxFrames = 2048; // per input, to keep executions quick

VstMidiEvent randomEvent(ByteReader& in, int32_t frames)
{
    const uint8_t kind = in.byte();
    VstMidiEvent e = midiEvent(in.byte(), in.byte(), in.byte(), 0);
    // Offsets mostly inside the block, sometimes anywhere.
    e.deltaFrames = (kind & 0x30) == 0x30 ? in.i32() : in.range(0, frames - 1);
    if ((kind & 0x0F) == 0x0F)
        e.type = in.range(0, 8); // SysEx and other types the plug-in skips
    if ((kind & 0xC0) == 0xC0)
    {
        e.byteSize = in.i32();
        e.flags = in.i32();
        e.noteLength = in.i32();
        e.noteOffset = in.i32();
        e.detune = static_cast<char>(in.byte());
        e.midiData[3] = static_cast<char>(in.byte());
    }
    return e;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ByteReader in(data, size);
    FuzzInstrument& inst = FuzzInstrument::fresh();
    int total = 0;
    std::vector<VstMidiEvent> events;
    std::vector<VstEvent*> slots;
    for (int block = 0; block < kMaxBlocks && !in.empty() && total < kMaxFrames; ++block)
    {
        const int32_t frames = std::min<int32_t>(in.range(1, 1024), kMaxFrames - total);
        const int count = in.range(0, 40);
        events.clear();
        for (int i = 0; i < count; ++i)
            events.push_back(randomEvent(in, frames));
        // A list as hosts build it: a header and one pointer per event, some null.
        const uint8_t nulls = in.byte();
        slots.assign(static_cast<size_t>(count) + 2, nullptr);
        for (int i = 0; i < count; ++i)
            if ((nulls & 0xF0) != 0xF0 || (i & 3) != (nulls & 3))
                slots[static_cast<size_t>(i)] = reinterpret_cast<VstEvent*>(&events[static_cast<size_t>(i)]);
        std::vector<unsigned char> storage(sizeof(VstEvents) + sizeof(VstEvent*) * slots.size());
        auto* list = reinterpret_cast<VstEvents*>(storage.data());
        list->numEvents = count;
        std::memcpy(list->events, slots.data(), sizeof(VstEvent*) * slots.size());
        FUZZ_CHECK(inst.host.dispatch(effProcessEvents, 0, 0, list) == 1, "effProcessEvents refused a batch");
        // Sometimes two batches come before one block.
        if (nulls == 0x5A)
            inst.host.dispatch(effProcessEvents, 0, 0, list);
        renderAndCheck(inst.host, frames, 1.f, "MIDI block");
        total += frames;
    }
    // The tail rings out finite and bounded.
    renderAndCheck(inst.host, 128, 1.f, "tail");
    return 0;
}
