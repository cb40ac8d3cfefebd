#include "engine/MidiInput.h"

#include <cmath>

#include "engine/Engine.h"
#include "engine/EngineState.h"

void beginMidiBatch(EngineState& s)
{
    PerformanceState& p = s.perf;
    p.modWheelPrevious = p.modWheelCurrent;
    p.saturationPrevious = p.saturationCurrent;
    p.bendPrevious = p.bendCurrent;
}

void startStrike(EngineState& s, int key, float velocity, int32_t startOffset)
{
    if (key < 0 || key >= kKeyCount)
        return;
    PerformanceState& p = s.perf;
    p.noteFlag = true;
    p.resetPending = true;
    p.activityLevel = 1.0f;
    p.activityPrevious = 0.0f;

    KeyVoice& v = s.keys[key];
    v.startOffset = startOffset < 0 ? 0 : startOffset;
    const float w = std::pow(velocity, 1.0f + p.saturationCurrent);
    // Keys outside the tuned range (editor only) have no stiffness and are never rendered.
    v.force = v.mainStiffness > 0.0f
                  ? static_cast<float>(w * 0.015 / std::pow(v.mainStiffness / 3.141592653589793, 0.65))
                  : 0.0f;
    v.hitStep = v.force * 0.125f;
    v.decay = p.decayCoefficient;
    v.bDecay = p.sbDecayCoefficient * p.decayCoefficient;
    v.keyDown = true;
}

void releaseKey(EngineState& s, int key)
{
    if (key < 0 || key >= kKeyCount)
        return;
    KeyVoice& v = s.keys[key];
    v.force = 0.0f;
    v.keyDown = false;
    if (s.perf.sustain == 0)
    {
        v.decay = s.perf.releaseCoefficient;
        v.bDecay = s.perf.sbDecayCoefficient * s.perf.releaseCoefficient;
    }
}

namespace {

void sustainPedal(EngineState& s, int value)
{
    PerformanceState& p = s.perf;
    p.sustain = value & 64;
    for (KeyVoice& v : s.keys)
    {
        if (p.sustain != 0)
        {
            v.decay = p.decayCoefficient;
            v.bDecay = p.sbDecayCoefficient * p.decayCoefficient;
            v.bodyDecay = p.bodyDecayCoefficient;
        }
        else if (!v.keyDown)
        {
            v.decay = p.releaseCoefficient;
            v.bDecay = p.sbDecayCoefficient * p.releaseCoefficient;
            v.bodyDecay = p.bodyDecayCoefficient;
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
    for (KeyVoice& v : s.keys)
    {
        v.silence();
        v.decay = p.releaseCoefficient;
        v.bDecay = p.sbDecayCoefficient * p.releaseCoefficient;
        v.bodyDecay = p.bodyDecayCoefficient;
    }
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

void handleMidiMessage(EngineState& s, const uint8_t data[3], int32_t startOffset)
{
    const int key = data[1] & 127;
    switch (data[0] & 0xF0)
    {
    case 0x80:
        s.perf.noteFlag = false;
        if (key >= kFirstKey && key <= kLastKey)
            releaseKey(s, key);
        break;
    case 0x90:
        // Velocity 0 is a strike of zero force: the key stays down.
        if (key >= kFirstKey && key <= kLastKey)
            startStrike(s, key, static_cast<float>(data[2] & 127) / 127.0f, startOffset);
        break;
    case 0xB0:
        switch (static_cast<int8_t>(data[1]))
        {
        case 1: modWheel(s, data[2] & 127); break;
        case 64: sustainPedal(s, data[2]); break;
        case 123:
        case 124:
        case 125:
        case 126:
        case 127: allNotesOff(s); break;
        default: break; // 7 (volume) and 120..122 are deliberately ignored
        }
        break;
    case 0xE0: pitchBend(s, data[1] & 127, data[2] & 127); break;
    default: break;
    }
}

bool Engine::processMidi(const MidiMessage* messages, int count)
{
    beginMidiBatch(*state_);
    state_->perf.batchSinceLastBlock = true;
    if (messages == nullptr || count <= 0)
        return false;
    for (int i = 0; i < count; ++i)
        handleMidiMessage(*state_, messages[i].data, messages[i].deltaFrames);
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
