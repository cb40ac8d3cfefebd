#pragma once

#include <cstdint>

struct EngineState;

// Batch start: snapshot wheel, saturation and bend for this batch's ramps.
void beginMidiBatch(EngineState& s);
// One MIDI short message (channel ignored) with its start offset in the block.
void handleMidiMessage(EngineState& s, const uint8_t data[3], int32_t startOffset);
// Starts a strike on key n (no range check beyond the key bank) with velocity 0..1.
void startStrike(EngineState& s, int key, float velocity, int32_t startOffset);
// Note-off: ends the strike; the key decays at "Release" unless the pedal is down.
void releaseKey(EngineState& s, int key);
// Controllers 123..127: every key silenced, pedal up, effect states cleared.
void allNotesOff(EngineState& s);
