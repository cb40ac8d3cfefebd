#pragma once
#include <cstdint>

#include "common/ParamId.h"
#include "engine/EngineHost.h"

struct EngineState;

// One MIDI short message at a sample offset within the coming block.
struct MidiMessage
{
    int32_t deltaFrames;
    uint8_t data[3];
};

// The sound engine: key bank, performance state, tuning, springs, effects.
// Owned by the plug-in; every call below comes from it.
class Engine
{
public:
    explicit Engine(EngineHost& host);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Engine rate rule and echo re-allocation; resets voices and effects state.
    // The plug-in re-applies the current program afterwards. False when an
    // echo line could not be allocated (that line is then bypassed).
    bool setSampleRate(float hostRate);
    float engineRate() const;
    // Length in samples of echo line 0 or 1 (0 when it could not be allocated).
    int echoLineLength(int line) const;

    // Parameter index 0..110 with its normalised value (the engine ignores what it does not use).
    void setParameter(int index, float value);
    void setParameter(ParamId id, float value) { setParameter(paramIndex(id), value); }

    // One host event batch, of any size: beginMidiBatch, then addMidi for
    // each message in order. The ramps of the wheel, the saturation and the
    // bend run from one batch to the next.
    void beginMidiBatch();
    void addMidi(const MidiMessage& message);
    // A whole batch at once; true when it held at least one event.
    bool processMidi(const MidiMessage* messages, int count);
    // The editor's piano roll.
    void noteOn(int key, int velocity, int deltaFrames);
    void noteOff(int key);

    // Renders frames samples into left and right (overwriting them).
    void process(float* left, float* right, int frames);

    // Silences all 128 key voices and clears both echo lines.
    void resetEngine();
    // After a program has been applied in full (also at a sample-rate change):
    // the values that follow the pitch state (spring B drive, NOISE filter,
    // body tube, phaser and sand tuning) are worked out once more from the
    // final state, so a program sounds the same whatever came before it; and
    // released voices take over the new decay coefficients.
    void programApplied();

private:
    EngineState* state_;
};
