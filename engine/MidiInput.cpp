#include "engine/MidiInput.h"

#include <cmath>

#include "engine/Engine.h"
#include "engine/EngineState.h"
#include "engine/NoteEvents.h"

void beginMidiBatch(EngineState& s)
{
    PerformanceState& p = s.perf;
    p.modWheelPrevious = p.modWheelCurrent;
    p.saturationPrevious = p.saturationCurrent;
    p.bendPrevious = p.bendCurrent;
}

namespace {

// A note start wakes the synthesis for the coming block.
void wakeForNote(PerformanceState& p)
{
    p.noteFlag = true;
    p.resetPending = true;
    p.activityLevel = 1.0f;
    p.activityPrevious = 0.0f;
}

void strikeKey(EngineState& s, int key, float velocity, int32_t startOffset)
{
    PerformanceState& p = s.perf;
    KeyBank& k = s.keys;
    k.startOffset[key] = startOffset < 0 ? 0 : startOffset;
    const float w = std::pow(velocity, 1.0f + p.saturationCurrent);
    // Keys outside the tuned range (editor only) have no stiffness and are never rendered.
    const float stiffness = k.mainStiffness[key];
    k.force[key] =
        stiffness > 0.0f ? static_cast<float>(w * 0.015 / std::pow(stiffness / 3.141592653589793, 0.65)) : 0.0f;
    k.hitStep[key] = k.force[key] * 0.125f;
    k.decay[key] = p.decayCoefficient;
    k.bDecay[key] = p.sbDecayCoefficient * p.decayCoefficient;
    k.keyDown[key] = 1;
    k.releaseAfterStrike[key] = 0;
    k.bentWith[key] = KeyBank::kNotBent;
}

} // namespace

void startStrike(EngineState& s, int key, float velocity, int32_t startOffset)
{
    if (key < 0 || key >= kKeyCount)
        return;
    wakeForNote(s.perf);
    strikeKey(s, key, velocity, startOffset);
}

void releaseKey(EngineState& s, int key)
{
    if (key < 0 || key >= kKeyCount)
        return;
    KeyBank& k = s.keys;
    if (k.keyDown[key] && k.startOffset[key] >= 0)
    {
        // Struck and released at the same sample: the strike begins first.
        k.releaseAfterStrike[key] = 1;
        return;
    }
    k.releaseAfterStrike[key] = 0;
    k.force[key] = 0.0f;
    k.keyDown[key] = 0;
    k.bentWith[key] = KeyBank::kNotBent;
    if (s.perf.sustain == 0)
    {
        k.decay[key] = s.perf.releaseCoefficient;
        k.bDecay[key] = s.perf.sbDecayCoefficient * s.perf.releaseCoefficient;
    }
}

namespace {

void sustainPedal(EngineState& s, int value)
{
    PerformanceState& p = s.perf;
    p.sustain = value & 64;
    KeyBank& k = s.keys;
    for (int n = 0; n < kKeyCount; ++n)
    {
        if (p.sustain != 0)
        {
            k.decay[n] = p.decayCoefficient;
            k.bDecay[n] = p.sbDecayCoefficient * p.decayCoefficient;
            k.bodyDecay[n] = p.bodyDecayCoefficient;
        }
        else if (!k.keyDown[n])
        {
            k.decay[n] = p.releaseCoefficient;
            k.bDecay[n] = p.sbDecayCoefficient * p.releaseCoefficient;
            k.bodyDecay[n] = p.bodyDecayCoefficient;
        }
    }
}

void modWheel(EngineState& s, int value)
{
    PerformanceState& p = s.perf;
    p.noteFlag = true;
    p.resetPending = true;
    p.activityLevel = 0.1f;
    p.activityPrevious = 0.0f;
    p.modWheelCurrent = static_cast<float>(value) / 127.0f;
    if (p.firstModWheel)
    {
        p.modWheelPrevious = p.modWheelCurrent;
        p.modWheelLast = p.modWheelCurrent;
        p.modWheelMotion = 0.0f;
        p.firstModWheel = false;
    }
}

void pitchBend(EngineState& s, int lsb, int msb)
{
    // Octaves of stiffness: full deflection bends the pitch by the range in semitones.
    const float amount = static_cast<float>((msb - 64) * 128 + lsb);
    s.perf.bendCurrent = std::pow(2.0f, amount * (s.perf.pitchRange / 8192.0f) * (1.0f / 6.0f));
}

} // namespace

void allNotesOff(EngineState& s)
{
    PerformanceState& p = s.perf;
    KeyBank& k = s.keys;
    k.silenceAll();
    KeyBank::fill(k.decay, p.releaseCoefficient);
    KeyBank::fill(k.bDecay, p.sbDecayCoefficient * p.releaseCoefficient);
    KeyBank::fill(k.bodyDecay, p.bodyDecayCoefficient);
    s.tube.clear();
    p.sustain = 0;
    s.phaser.clear();
    p.modWheelPrevious = p.modWheelCurrent;
    p.modWheelLast = p.modWheelCurrent;
    p.saturationPrevious = p.saturationCurrent;
    s.filters.clear();
    s.sand.clearState();
    s.sand.layout();
}

namespace {

// Kept for the render loop; when a block holds more than the queue takes, the
// event is carried out at once (a note-on still starts at its offset).
void schedule(EngineState& s, const NoteEvent& e)
{
    if (!s.noteEvents.push(e))
        applyNoteEvent(s, e, e.offset);
}

} // namespace

void applyNoteEvent(EngineState& s, const NoteEvent& e, int32_t startOffset)
{
    switch (e.kind)
    {
    case NoteEvent::Kind::NoteOn:
        strikeKey(s, e.key, static_cast<float>(e.value) / 127.0f, startOffset < 0 ? 0 : startOffset);
        break;
    case NoteEvent::Kind::NoteOff: releaseKey(s, e.key); break;
    case NoteEvent::Kind::Pedal: sustainPedal(s, e.value); break;
    case NoteEvent::Kind::AllNotesOff: allNotesOff(s); break;
    }
}

void handleMidiMessage(EngineState& s, const uint8_t data[3], int32_t offset)
{
    const int key = data[1] & 127;
    const int velocity = data[2] & 127;
    int status = data[0] & 0xF0;
    // A note-on of velocity 0 is a note-off (keyboards and files with running
    // status release every note that way).
    if (status == 0x90 && velocity == 0)
        status = 0x80;
    const auto keyed = [&](NoteEvent::Kind kind, uint8_t value) {
        return NoteEvent{offset, kind, static_cast<uint8_t>(key), value};
    };
    switch (status)
    {
    case 0x80:
        s.perf.noteFlag = false;
        if (key >= kFirstKey && key <= kLastKey)
            schedule(s, keyed(NoteEvent::Kind::NoteOff, 0));
        break;
    case 0x90:
        if (key >= kFirstKey && key <= kLastKey)
        {
            wakeForNote(s.perf);
            schedule(s, keyed(NoteEvent::Kind::NoteOn, static_cast<uint8_t>(velocity)));
        }
        break;
    case 0xB0:
        switch (static_cast<int8_t>(data[1]))
        {
        case 1: modWheel(s, velocity); break;
        case 64: schedule(s, NoteEvent{offset, NoteEvent::Kind::Pedal, 0, data[2]}); break;
        case 123:
        case 124:
        case 125:
        case 126:
        case 127: schedule(s, NoteEvent{offset, NoteEvent::Kind::AllNotesOff, 0, 0}); break;
        default: break; // 7 (volume) and 120..122 are deliberately ignored
        }
        break;
    case 0xE0: pitchBend(s, data[1] & 127, data[2] & 127); break;
    default: break;
    }
}

void Engine::beginMidiBatch()
{
    ::beginMidiBatch(*state_);
    state_->perf.batchSinceLastBlock = true;
}

void Engine::addMidi(const MidiMessage& message) { handleMidiMessage(*state_, message.data, message.deltaFrames); }

bool Engine::processMidi(const MidiMessage* messages, int count)
{
    beginMidiBatch();
    if (messages == nullptr || count <= 0)
        return false;
    for (int i = 0; i < count; ++i)
        addMidi(messages[i]);
    return true;
}

void Engine::noteOn(int key, int velocity, int deltaFrames)
{
    if (key < 0 || key >= kKeyCount)
        return;
    const int vel = velocity < 0 ? 0 : (velocity > 127 ? 127 : velocity);
    startStrike(*state_, key, static_cast<float>(vel) / 127.0f, deltaFrames);
}

void Engine::noteOff(int key) { releaseKey(*state_, key); }
