// The render call: per sample the key loop (excitation, bend and glide, the key
// tick, the body strings), the body tube and phaser, the crusher, the mix, the
// master volume, the sand and the hard clip; over the finished block the output
// filters and the echo. While nothing sounds the synthesis sleeps.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "common/FloatMode.h"
#include "engine/Curves.h"
#include "engine/Denormals.h"
#include "engine/Engine.h"
#include "engine/EngineState.h"
#include "engine/KeyStep.h"
#include "engine/LfoRate.h"
#include "engine/MasterVolume.h"
#include "engine/MidiInput.h"

namespace {

constexpr float kWakeThreshold = 1e-05f;

// Per-block ramps of the wheel (a tenth of its change per block), saturation and bend.
struct Ramps
{
    float modWheel, modWheelStep;
    float saturation, saturationStep;
    float bend, bendStep;
};

// The host's transport, read in every render call (asleep too), so that the
// synced echo, LFO and tremolo follow the tempo from the first block on.
void readHostTime(EngineState& s)
{
    float tempo = 0.0f, position = 0.0f;
    if (!s.host->readHostTime(tempo, position))
        return;
    if (std::isfinite(position))
        s.clock.songPosition = position;
    // A tempo the engine cannot use (zero, negative, NaN) keeps the last one.
    if (!(tempo > 0.0f && tempo < 100000.0f))
        return;
    s.clock.hostTempo = tempo;
    if (tempo != s.clock.lastTempo)
    {
        s.clock.lastTempo = tempo;
        s.clock.beatsPerSample = tempo * 0.016666668f * s.clock.period;
        s.phaser.tempoChanged(s.clock.beatsPerSample);
        if (s.mod.lfoSync != 0)
            computeLfoStiffness(s);
    }
}

Ramps beginRamps(EngineState& s, int frames)
{
    PerformanceState& p = s.perf;
    const float n = static_cast<float>(frames);
    Ramps r{};
    const float wheel = p.modWheelCurrent - p.modWheelPrevious;
    r.modWheelStep = wheel != 0.0f ? wheel / (n * 10.0f) : 0.0f;
    const float sat = p.saturationCurrent - p.saturationPrevious;
    r.saturationStep = sat != 0.0f ? sat / n : 0.0f;
    const float bend = p.bendCurrent - p.bendPrevious;
    r.bendStep = bend != 0.0f ? bend / n : 0.0f;
    r.modWheel = p.modWheelPrevious;
    r.saturation = p.saturationPrevious;
    r.bend = p.bendPrevious;
    p.modWheelLast = r.modWheel;
    return r;
}

inline float zeroIfTiny(float x) { return isTiny(x) ? 0.0f : x; }

// What stays the same for a whole block.
struct BlockConstants
{
    float lfoNorm; // lfoStiffness^0.5, the LFO's amplitude
    double lfoPitchHalf;
    bool lfo, env;
    bool plain; // no key diffuses or links
};

BlockConstants blockConstants(const EngineState& s)
{
    const ModulationState& m = s.mod;
    BlockConstants c{};
    c.lfo = (m.lfoBalance > 0.0f || m.lfoPitch > 0.0f) && m.lfoStiffness > 0.0f;
    c.lfoNorm = c.lfo ? std::pow(m.lfoStiffness, 0.5f) : 1.0f;
    c.lfoPitchHalf = 0.5 * m.lfoPitch;
    c.env = m.envBalance > 0.0f || m.envPitch > 0.0f;
    c.plain = true;
    for (int n = kFirstKey; n <= kLastKey; ++n)
        if (!(s.keys.diffusion[n] == 0.0f) || s.keys.link[n] != 0)
            c.plain = false;
    return c;
}

// The engine-wide values the key bank reads at sample j.
KeySample keySample(const EngineState& s, int j, const Ramps& r, const BlockConstants& c)
{
    const ModulationState& m = s.mod;
    KeySample in{};
    in.j = j;
    in.saturation = r.saturation;
    in.saturate = r.saturation > 0.5f;
    if (in.saturate)
    {
        in.sLow = 1.0f / r.saturation - 2.0f;
        in.sHigh = 1.0f / (1.0f - r.saturation) - 2.0f;
    }
    in.lfo = c.lfo;
    in.lfoStiffness = m.lfoStiffness;
    in.lfoBalance = m.lfoBalance;
    in.lfoPitch = m.lfoPitch;
    in.lfoNorm = c.lfoNorm;
    in.lfoPitchHalf = c.lfoPitchHalf;
    in.env = c.env;
    in.envBalance = m.envBalance;
    in.envPitch = m.envPitch;
    in.modWheelMotion = s.perf.modWheelMotion;
    in.bend = r.bend;
    in.bDetuneRatio = s.tuning.bDetuneRatio;
    in.bOctave = s.tuning.bOctave;
    in.plain = c.plain;
    in.crush = s.springBCrush;
    in.gainA = m.springAGain;
    in.relaxRate = s.tuning.relaxRate;
    in.sustain = s.perf.sustain;
    in.releaseDecay = s.perf.releaseCoefficient;
    in.releaseBDecay = s.perf.sbDecayCoefficient * s.perf.releaseCoefficient;
    return in;
}

// Per sample before the keys: the wheel's motion, then the events of sample j.
void beginSample(EngineState& s, const Ramps& r, int j)
{
    PerformanceState& p = s.perf;
    if (r.modWheelStep != 0.0f)
        p.modWheelMotion += r.modWheel - p.modWheelLast;
    p.modWheelMotion *= 0.9995f;
    if (isTiny(p.modWheelMotion))
        p.modWheelMotion = 0.0f;
    while (const NoteEvent* e = s.noteEvents.due(j))
        applyNoteEvent(s, *e, j);
}

// Per sample after the keys: the ramps move on.
void advanceRamps(PerformanceState& p, Ramps& r)
{
    p.modWheelLast = r.modWheel;
    r.modWheel += r.modWheelStep;
    r.saturation += r.saturationStep;
    r.bend += r.bendStep;
}

// The body tube, heard on the right; returns its kick for the body strings.
float tube(EngineState& s, float& springL, float& springR)
{
    springL = zeroIfTiny(springL);
    springR = zeroIfTiny(springR);
    if (springL != 0.0f && s.tube.volume() > 0.0f)
        return s.tube.step(springL, springR, s.random);
    return 0.0f;
}

// Phaser, crusher, mix, volume, sand and clip of sample j.
void finishSample(EngineState& s, float springL, float springR, float bodyL, float bodyR, float* outL, float* outR,
                  int j)
{
    PerformanceState& p = s.perf;
    s.phaser.process(bodyL, bodyR, s.parameters[paramIndex(ParamId::BodyTremolo)]); // read as stored
    s.crusher.process(springL, springR);

    float left = springL + bodyL;
    float right = springR + bodyR;
    const float wet = s.out.bodyWet;
    if (wet != 0.0f)
    {
        left += (bodyL - left) * wet;
        right += (bodyR - right) * wet;
    }
    left = masterVolume(zeroIfTiny(left), s.out.volume);
    right = masterVolume(zeroIfTiny(right), s.out.volume);
    if (s.sand.enabled())
        s.sand.process(left, right, s.random);
    left = hardClip(left);
    right = hardClip(right);
    outL[j] = left;
    outR[j] = right;

    p.activityPrevious = p.activityLevel - p.activityPrevious;
    p.activityLevel = std::fabs(left) + std::fabs(right) + p.activityPrevious;
}

// Stretches of samples can run key group by key group when nothing inside
// them draws from the generator before the tube does: no key diffuses or
// links (spring B's draws), the wheel rests (the scrape's), no sand (its
// draws follow the tube's in every sample).
bool stretchesAllowed(const EngineState& s, const Ramps& r, const BlockConstants& c)
{
    return c.plain && r.modWheelStep == 0.0f && s.perf.modWheelMotion == 0.0f && !s.sand.enabled();
}

void synthesise(EngineState& s, float* outL, float* outR, int frames)
{
    s.phaser.followSongPosition(s.clock.songPosition);
    s.tube.beginBlock();
    Ramps r = beginRamps(s, frames);
    PerformanceState& p = s.perf;

    // A strike whose offset lies beyond this block starts on its last sample.
    for (int n = kFirstKey; n <= kLastKey; ++n)
        if (s.keys.startOffset[n] >= frames)
            s.keys.startOffset[n] = frames - 1;
    const KeyLaneKernels& keys = keyLaneKernels();
    const BlockConstants block = blockConstants(s);
    // Tuning may have changed since the last block: every held key is bent anew.
    KeyBank::fill(s.keys.bentWith, KeyBank::kNotBent);
    s.noteEvents.fitToBlock(frames);
    const bool stretches = keys.lanes > 1 && stretchesAllowed(s, r, block);

    for (int j = 0; j < frames;)
    {
        beginSample(s, r, j);
        // A stretch ends before the next event.
        const int samples = stretches ? std::min({keys.lanes, frames - j, s.noteEvents.nextOffset(frames) - j}) : 1;
        if (samples <= 1)
        {
            KeySums sums;
            keys.stepKeys(s.keys, keySample(s, j, r, block), s.random, sums);
            advanceRamps(p, r);
            const float kick = tube(s, sums.springL, sums.springR);
            if (kick != 0.0f)
                keys.addToRange(s.keys.bodyVelocity, s.tube.lowest(), s.tube.highest(), kick);
            finishSample(s, sums.springL, sums.springR, sums.bodyL, sums.bodyR, outL, outR, j);
            ++j;
            continue;
        }
        KeySample in[KeyStretch::kMaxSamples];
        for (int t = 0; t < samples; ++t)
        {
            if (t > 0)
                beginSample(s, r, j + t); // the wheel only: no event falls inside
            in[t] = keySample(s, j + t, r, block);
            advanceRamps(p, r);
        }
        KeyStretch stretch;
        keys.springStretch(s.keys, in, samples, s.random, stretch);
        float kicks[KeyStretch::kMaxSamples];
        for (int t = 0; t < samples; ++t)
            kicks[t] = tube(s, stretch.springL[t], stretch.springR[t]);
        keys.bodyStretch(s.keys, kicks, samples, s.tube.lowest(), s.tube.highest(), stretch);
        for (int t = 0; t < samples; ++t)
            finishSample(s, stretch.springL[t], stretch.springR[t], stretch.bodyL[t], stretch.bodyR[t], outL, outR,
                         j + t);
        j += samples;
    }
}

} // namespace

void Engine::process(float* left, float* right, int frames)
{
    if (frames <= 0 || left == nullptr || right == nullptr)
        return;
    ScopedFlushDenormals ftz;
    EngineState& s = *state_;
    // Hosts send no batch for blocks without events. Such a block counts as an
    // empty batch, so a held bend or saturation change stays where its ramp
    // ended instead of sweeping again in every block.
    if (!s.perf.batchSinceLastBlock)
        ::beginMidiBatch(s);
    s.perf.batchSinceLastBlock = false;
    std::memset(left, 0, sizeof(float) * static_cast<size_t>(frames));
    std::memset(right, 0, sizeof(float) * static_cast<size_t>(frames));
    readHostTime(s);
    s.echo.prepareBlock(s.clock.rate, s.clock.lastTempo);

    const bool awake = s.perf.noteFlag || s.perf.activityLevel >= kWakeThreshold;
    if (awake)
    {
        synthesise(s, left, right, frames);
    }
    else
    {
        if (s.perf.resetPending)
        {
            s.keys.silenceAll();
            s.perf.resetPending = false;
        }
        // Releases and the pedal still take effect while nothing sounds.
        while (const NoteEvent* e = s.noteEvents.pending())
            applyNoteEvent(s, *e, 0);
    }
    s.noteEvents.clear();

    // Asleep the block is all +0: filters at rest leave it so, and lines
    // that hold only zeros have nothing to add.
    const bool still = !awake && s.filters.atRest();
    if (!still)
        s.filters.process(left, right, frames);
    s.echo.process(left, right, frames, still);
}
