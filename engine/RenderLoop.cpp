// The render call: per sample the key loop (excitation, bend and glide, the key
// tick, the body strings), the body tube and phaser, the crusher, the mix, the
// master volume, the sand and the hard clip; over the finished block the output
// filters and the echo. While nothing sounds the synthesis sleeps.
#include <cmath>
#include <cstring>

#include "common/FloatMode.h"
#include "engine/BodyString.h"
#include "engine/Curves.h"
#include "engine/Denormals.h"
#include "engine/Engine.h"
#include "engine/EngineState.h"
#include "engine/Excitation.h"
#include "engine/LfoRate.h"
#include "engine/MasterVolume.h"
#include "engine/MidiInput.h"
#include "engine/PitchFollow.h"
#include "engine/SpringATick.h"
#include "engine/SpringB.h"

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

void synthesise(EngineState& s, float* outL, float* outR, int frames)
{
    s.phaser.followSongPosition(s.clock.songPosition);
    s.tube.beginBlock();
    Ramps r = beginRamps(s, frames);
    PerformanceState& p = s.perf;
    const ModulationState& mod = s.mod;
    const float gainA = mod.springAGain;

    // A strike whose offset lies beyond this block starts on its last sample.
    for (int n = kFirstKey; n <= kLastKey; ++n)
        if (s.keys[n].startOffset >= frames)
            s.keys[n].startOffset = frames - 1;
    s.noteEvents.fitToBlock(frames);

    for (int j = 0; j < frames; ++j)
    {
        if (r.modWheelStep != 0.0f)
            p.modWheelMotion += r.modWheel - p.modWheelLast;
        p.modWheelMotion *= 0.9995f;
        if (isTiny(p.modWheelMotion))
            p.modWheelMotion = 0.0f;

        while (const NoteEvent* e = s.noteEvents.due(j))
            applyNoteEvent(s, *e, j);

        const KeyTickInputs tick{r.saturation, mod.lfoStiffness, mod.lfoBalance,
                                 mod.lfoPitch, mod.envBalance,   mod.envPitch};
        float springL = 0.0f, springR = 0.0f, bodyL = 0.0f, bodyR = 0.0f;
        for (int n = kFirstKey; n <= kLastKey; ++n)
        {
            KeyVoice& v = s.keys[n];
            if (!v.keyDown)
                relaxPitch(v, s.tuning.relaxRate);
            bool releaseNow = false;
            if (v.keyDown && j >= v.startOffset)
            {
                excitationStep(v, p.modWheelMotion, s.random);
                v.startOffset = -1;
                applyBend(v, n, r.bend, s.tuning);
                releaseNow = v.releaseAfterStrike;
            }
            const bool aSounds = !isTiny(v.aActivity);
            const bool bSounds = !isTiny(v.bActivity);
            if (v.keyDown || aSounds || bSounds)
            {
                springAKeyTick(v, tick, s.random);
                if (aSounds)
                {
                    springL += v.aOutput * v.panALeft * gainA;
                    springR += v.aOutput * v.panARight * gainA;
                }
                if (bSounds)
                {
                    const float b = crushSpringB(v, s.springBCrush);
                    springL += b * v.panBLeft;
                    springR += b * v.panBRight;
                }
            }
            if (!aSounds)
            {
                v.aOutput = 0.0f;
                v.aPartialVelocity = 0.0f;
                v.aMainVelocity = 0.0f;
            }
            if (!bSounds)
            {
                v.bOutput = 0.0f;
                v.bPartialVelocity = 0.0f;
                v.bMainVelocity = 0.0f;
            }
            bodyString(v, bodyL, bodyR);
            if (releaseNow)
                releaseKey(s, n); // its strike has begun
        }

        p.modWheelLast = r.modWheel;
        r.modWheel += r.modWheelStep;
        r.saturation += r.saturationStep;
        r.bend += r.bendStep;

        springL = zeroIfTiny(springL);
        springR = zeroIfTiny(springR);
        // The body tube is heard on the right and kicks the strings of its key range.
        if (springL != 0.0f && s.tube.volume() > 0.0f)
        {
            const float kick = s.tube.step(springL, springR, s.random);
            if (kick != 0.0f)
                for (int n = s.tube.lowest(); n < s.tube.highest(); ++n)
                    s.keys[n].bodyVelocity += kick;
        }
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
            for (KeyVoice& v : s.keys)
                v.silence();
            s.perf.resetPending = false;
        }
        // Releases and the pedal still take effect while nothing sounds.
        while (const NoteEvent* e = s.noteEvents.pending())
            applyNoteEvent(s, *e, 0);
    }
    s.noteEvents.clear();

    s.filters.process(left, right, frames);
    s.echo.process(left, right, frames);
}
