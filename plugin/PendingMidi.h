#pragma once
// MIDI that arrives while a program change or a sample-rate change holds the
// engine, kept for the next block. The buffer is bounded (the audio thread
// never allocates), but no release is ever lost: once it is full, note-offs
// and all-notes-off are still remembered (as keys to release and one flag)
// and delivered after what was kept; other messages are dropped.
#include <cstdint>

#include "engine/Engine.h"

class PendingMidi
{
public:
    static constexpr int kCapacity = 256;

    void keep(const MidiMessage& m)
    {
        if (count_ < kCapacity)
        {
            messages_[count_++] = m;
            return;
        }
        const int status = m.data[0] & 0xF0;
        const int key = m.data[1] & 127;
        if (status == 0x80 || (status == 0x90 && (m.data[2] & 127) == 0))
            releases_[key >> 6] |= uint64_t{1} << (key & 63);
        else if (status == 0xB0 && m.data[1] >= 123 && m.data[1] <= 127)
            allNotesOff_ = true;
    }

    bool empty() const { return count_ == 0 && !allNotesOff_ && releases_[0] == 0 && releases_[1] == 0; }

    // Hands everything to the engine's current batch at the block start.
    void deliver(Engine& engine)
    {
        for (int i = 0; i < count_; ++i)
        {
            MidiMessage m = messages_[i];
            m.deltaFrames = 0; // late: at the block start
            engine.addMidi(m);
        }
        if (allNotesOff_)
            engine.addMidi(MidiMessage{0, {0xB0, 123, 0}});
        for (int key = 0; key < 128; ++key)
            if (releases_[key >> 6] & (uint64_t{1} << (key & 63)))
                engine.addMidi(MidiMessage{0, {0x80, static_cast<uint8_t>(key), 0}});
        count_ = 0;
        allNotesOff_ = false;
        releases_[0] = releases_[1] = 0;
    }

private:
    MidiMessage messages_[kCapacity];
    int count_ = 0;
    uint64_t releases_[2] = {0, 0};
    bool allNotesOff_ = false;
};
