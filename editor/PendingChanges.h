#pragma once
// Changes that arrive off the GUI thread (a host automating from its audio
// thread): recorded lock-free, without allocating, and applied by the GUI
// thread at its next idle, in index order, the last value winning.

#include "common/ParamId.h"

#include <atomic>
#include <cstdint>

class PendingChanges
{
public:
    static constexpr int kSections = 5; // read-out sections 1..4

    void recordParameter(int32_t index, float value)
    {
        if (!isParamIndex(index))
            return;
        values[index].store(value, std::memory_order_relaxed);
        flags[index].store(true, std::memory_order_release);
    }
    // True (with the latest value) when index changed since it was last taken.
    bool takeParameter(int32_t index, float& value)
    {
        if (!flags[index].exchange(false, std::memory_order_acquire))
            return false;
        value = values[index].load(std::memory_order_relaxed);
        return true;
    }

    // The last read-out asked for in a section (each section shows one line).
    void recordReadout(int32_t section, int32_t item)
    {
        if (section > 0 && section < kSections && item >= 0 && item < 256)
            readouts[section].store(item, std::memory_order_release);
    }
    // The item asked for in section, or -1.
    int32_t takeReadout(int32_t section) { return readouts[section].exchange(-1, std::memory_order_acquire); }

    void recordProgramName() { programName.store(true, std::memory_order_release); }
    bool takeProgramName() { return programName.exchange(false, std::memory_order_acquire); }

    void recordMidi() { midi.store(true, std::memory_order_release); }
    bool takeMidi() { return midi.exchange(false, std::memory_order_acquire); }

    // Forgets everything recorded (the editor opens with current values).
    void clear()
    {
        float ignored;
        for (int32_t i = 0; i < kParamCount; ++i)
            takeParameter(i, ignored);
        for (int32_t s = 1; s < kSections; ++s)
            takeReadout(s);
        takeProgramName();
        takeMidi();
    }

private:
    std::atomic<float> values[kParamCount] = {};
    std::atomic<bool> flags[kParamCount] = {};
    std::atomic<int32_t> readouts[kSections] = {-1, -1, -1, -1, -1};
    std::atomic<bool> programName{false};
    std::atomic<bool> midi{false};
};
