#pragma once

#include <cstdint>

#include "common/ParamId.h"

#include "engine/BodyTube.h"
#include "engine/CrtRandom.h"
#include "engine/Crusher.h"
#include "engine/EchoLines.h"
#include "engine/EngineHost.h"
#include "engine/KeyBank.h"
#include "engine/NoteEvents.h"
#include "engine/OutputFilters.h"
#include "engine/Phaser.h"
#include "engine/Sand.h"

// What MIDI input changes and the render loop reads: notes, pedal, wheel, bend.
struct PerformanceState
{
    bool noteFlag = false; // a note started (or the wheel moved): synthesise even in silence
    bool resetPending = false; // silence the key bank once the instrument has gone quiet
    float activityLevel = 0.0f;
    float activityPrevious = 0.0f;
    int32_t sustain = 0; // controller 64 AND 64
    float modWheelCurrent = 0.0f, modWheelPrevious = 0.0f, modWheelLast = 0.0f, modWheelMotion = 0.0f;
    bool firstModWheel = true;
    float bendCurrent = 1.0f, bendPrevious = 1.0f;
    float saturationCurrent = 0.5f, saturationPrevious = 0.5f;
    float hitPower = 1.0f;
    float decayCoefficient = 0.0f;
    float releaseCoefficient = 0.0f;
    float sbDecayCoefficient = 0.0f;
    float bodyDecayCoefficient = 0.0f;
    float pitchRange = 2.0f; // whole semitones
    bool batchSinceLastBlock = false; // an event batch came since the last render call
};

// Engine rate and the host's transport as last read.
struct SampleClock
{
    float rate = 48000.0f;
    float period = 1.0f / 48000.0f; // T
    float periodSquared = 0.0f; // T^2
    float beatsPerSample = 2.0f / 48000.0f; // tempo / 60 * T
    float hostTempo = 120.0f;
    float lastTempo = 120.0f;
    float songPosition = 0.0f; // quarter notes
};

// Values the key tuning tables are computed from.
struct TuningState
{
    float concertA = 440.0f;
    float microtuning[12] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}; // stiffness ratios C..B
    float partialOffset = 0.5f;
    float partialSpread = 0.0f;
    float bBottom = 0.0f, bTop = 1.0f, bOffset = 0.28125f, bSpread = 0.0f;
    float bDetuneRatio = 1.0f;
    float bOctave = 0.0f;
    float bVolume = 0.5f; // "sB Volume", the drive's gain
    float noiseStiffness = 0.0f, noiseResonance = 0.99f;
    float relaxRate = 0.0f;
};

// Spring A gain and the LFO / ENV block.
struct ModulationState
{
    float springAGain = 1.0f;
    int32_t lfoSync = 0;
    float lfoRate = 0.25f;
    float lfoStiffness = 0.0f;
    float lfoBalance = 0.0f, lfoPitch = 0.0f;
    float envBalance = 0.0f, envPitch = 0.0f;
};

// Master volume, stereo placement and the body mix.
struct OutputState
{
    float volume = 1.0f; // V = 2v
    float stereo = 0.5f;
    float spread = 0.0f;
    float gainA = 0.5f, gainB = 0.5f;
    float bodyWet = 0.0f;
};

// Everything the engine keeps, allocated once with the engine.
struct EngineState
{
    explicit EngineState(EngineHost& h) : host(&h) {}

    EngineHost* host;
    KeyBank keys = {};
    PerformanceState perf;
    SampleClock clock;
    TuningState tuning;
    ModulationState mod;
    OutputState out;
    float parameters[kParamCount] = {}; // values as last applied (bounded to 0..1)
    CrtRandom random;

    // output stages
    float springBCrush = 0.5f; // "sB crush"
    BodyTube tube;
    Phaser phaser;
    Crusher crusher;
    Sand sand;
    OutputFilters filters;
    EchoLines echo;

    // Notes and pedal of the coming block, carried out at their samples.
    NoteEventQueue noteEvents;
};
