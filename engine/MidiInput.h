#pragma once

#include <cstdint>

struct EngineState;
struct NoteEvent;

// Batch start: snapshot wheel, saturation and bend for this batch's ramps.
void beginMidiBatch(EngineState& s);
// One MIDI short message (channel ignored) at its sample offset in the block.
// The wheel and the bend take effect at once (they ramp across the block);
// notes, the pedal and all-notes-off are kept for the render loop, which
// carries each out at its own sample.
void handleMidiMessage(EngineState& s, const uint8_t data[3], int32_t offset);
// Carries out a kept note or pedal event; a note-on's strike begins at startOffset.
void applyNoteEvent(EngineState& s, const NoteEvent& e, int32_t startOffset);
// Starts a strike on key n (no range check beyond the key bank) with velocity
// 0..1 at startOffset, and wakes the synthesis.
void startStrike(EngineState& s, int key, float velocity, int32_t startOffset);
// Note-off: ends the strike; the key decays at "Release" unless the pedal is
// down. A strike that has not begun yet begins first and is released after
// its first sample.
void releaseKey(EngineState& s, int key);
// Controllers 123..127: every key silenced, pedal up, effect states cleared.
void allNotesOff(EngineState& s);
