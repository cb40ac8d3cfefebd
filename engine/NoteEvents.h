#pragma once
// The note and pedal events of the coming block, each carried out in the
// render loop at its own sample: a note released 64 samples after it was
// struck sounds for 64 samples, even when both arrive in one host batch.
// Fixed capacity, no allocation; the wheel and the bend are not here (they
// ramp across the block from their batch values).
#include <cstdint>

struct NoteEvent
{
    enum class Kind : uint8_t
    {
        NoteOn,
        NoteOff,
        Pedal, // controller 64
        AllNotesOff, // controllers 123..127
    };
    int32_t offset; // sample within the block
    Kind kind;
    uint8_t key;
    uint8_t value; // velocity 0..127, or the pedal's value
};

class NoteEventQueue
{
public:
    // More than any host sends for one block; beyond it events are carried
    // out at once, as they arrive.
    static constexpr int kCapacity = 1024;

    bool push(const NoteEvent& e)
    {
        if (count_ == kCapacity)
            return false;
        events_[count_++] = e;
        return true;
    }

    // Holds every offset within the block and never before the event ahead
    // of it, so events keep their batch order; an offset past the block lands
    // on its last sample, a negative one on the first.
    void fitToBlock(int frames)
    {
        int32_t earliest = 0;
        for (int i = 0; i < count_; ++i)
        {
            int32_t at = events_[i].offset;
            if (at >= frames)
                at = frames - 1;
            if (at < earliest)
                at = earliest;
            events_[i].offset = at;
            earliest = at;
        }
        next_ = 0;
    }

    // The next event due at or before sample j, or null.
    const NoteEvent* due(int j)
    {
        if (next_ < count_ && events_[next_].offset <= j)
            return &events_[next_++];
        return nullptr;
    }

    // The sample of the next event not yet carried out, or `none`.
    int32_t nextOffset(int32_t none) const { return next_ < count_ ? events_[next_].offset : none; }

    // Everything not yet carried out, in order (a sleeping block).
    const NoteEvent* pending() { return next_ < count_ ? &events_[next_++] : nullptr; }

    void clear() { count_ = next_ = 0; }
    int size() const { return count_; }

private:
    NoteEvent events_[kCapacity];
    int count_ = 0;
    int next_ = 0;
};
