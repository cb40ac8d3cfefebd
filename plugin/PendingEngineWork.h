#pragma once
// Work for the engine that arrives on another thread while audio runs (a
// host automating from its user-interface thread, notes played on the
// editor's keyboard): recorded without locks or allocation and handed to the
// engine by the audio thread at the start of its next block, in the order it
// came. The engine is then only ever touched by one thread at a time.
#include <atomic>
#include <cstdint>

#include "common/ParamId.h"

// Parameters that changed: only which and when; the value is read from the
// program at the block start, so the engine always ends on what the host
// reads back.
class PendingParameters
{
public:
    void mark(int32_t index)
    {
        uint32_t order = clock.fetch_add(1, std::memory_order_relaxed) + 1;
        stamps[index].store(order ? order : 1, std::memory_order_relaxed);
        any.store(true, std::memory_order_release);
    }

    // Calls apply(index) for each index marked since the last call, oldest first.
    template <class Apply>
    void deliver(Apply apply)
    {
        if (!any.exchange(false, std::memory_order_acquire))
            return;
        struct Entry
        {
            uint32_t order;
            int32_t index;
        } taken[kParamCount];
        int n = 0;
        for (int32_t i = 0; i < kParamCount; ++i)
            if (const uint32_t order = stamps[i].exchange(0, std::memory_order_acquire))
            {
                // Insertion in order as they come: at most 111.
                int at = n++;
                while (at > 0 && static_cast<int32_t>(taken[at - 1].order - order) > 0)
                {
                    taken[at] = taken[at - 1];
                    --at;
                }
                taken[at] = Entry{order, i};
            }
        for (int k = 0; k < n; ++k)
            apply(taken[k].index);
    }

    // A program is being applied whole: what was pending is in it.
    void clear()
    {
        any.store(false, std::memory_order_relaxed);
        for (auto& s : stamps)
            s.store(0, std::memory_order_relaxed);
    }

private:
    std::atomic<uint32_t> stamps[kParamCount] = {};
    std::atomic<uint32_t> clock{0};
    std::atomic<bool> any{false};
};

// Notes from the editor's keyboard. Each slot holds one note as a word
// (played flag, on/off, order, velocity, key); when every slot is taken a
// release is still remembered, so no key is left sounding.
class PendingNotes
{
public:
    static constexpr int kSlots = 64;

    void keep(int key, int velocity, bool on)
    {
        key &= 127;
        const uint32_t order = clock.fetch_add(1, std::memory_order_relaxed) & 0xFFFFu;
        const uint32_t word = kPlayed | (on ? kOn : 0u) | (order << 14) |
                              (static_cast<uint32_t>(velocity < 0     ? 0
                                                     : velocity > 127 ? 127
                                                                      : velocity)
                               << 7) |
                              static_cast<uint32_t>(key);
        for (auto& slot : slots)
        {
            uint32_t empty = 0;
            if (slot.compare_exchange_strong(empty, word, std::memory_order_release, std::memory_order_relaxed))
            {
                any.store(true, std::memory_order_release);
                return;
            }
        }
        if (!on)
        {
            releases[key >> 6].fetch_or(uint64_t{1} << (key & 63), std::memory_order_release);
            any.store(true, std::memory_order_release);
        }
    }

    template <class On, class Off>
    void deliver(On noteOn, Off noteOff)
    {
        if (!any.exchange(false, std::memory_order_acquire))
            return;
        uint32_t taken[kSlots];
        int n = 0;
        for (auto& slot : slots)
            if (const uint32_t word = slot.exchange(0, std::memory_order_acquire))
            {
                int at = n++;
                while (at > 0 && static_cast<int16_t>(orderOf(taken[at - 1]) - orderOf(word)) > 0)
                {
                    taken[at] = taken[at - 1];
                    --at;
                }
                taken[at] = word;
            }
        for (int k = 0; k < n; ++k)
        {
            const int key = static_cast<int>(taken[k] & 127u);
            if (taken[k] & kOn)
                noteOn(key, static_cast<int>((taken[k] >> 7) & 127u));
            else
                noteOff(key);
        }
        for (int half = 0; half < 2; ++half)
            if (uint64_t keys = releases[half].exchange(0, std::memory_order_acquire))
                for (int bit = 0; bit < 64; ++bit)
                    if (keys & (uint64_t{1} << bit))
                        noteOff(half * 64 + bit);
    }

private:
    static constexpr uint32_t kPlayed = 1u << 31;
    static constexpr uint32_t kOn = 1u << 30;
    static uint16_t orderOf(uint32_t word) { return static_cast<uint16_t>((word >> 14) & 0xFFFFu); }

    std::atomic<uint32_t> slots[kSlots] = {};
    std::atomic<uint64_t> releases[2] = {};
    std::atomic<uint32_t> clock{0};
    std::atomic<bool> any{false};
};
