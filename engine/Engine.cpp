#include "engine/Engine.h"

#include <cmath>

#include "engine/Denormals.h"
#include "engine/EngineState.h"
#include "engine/KeyTuning.h"
#include "engine/StereoPlacement.h"

namespace {

void setRateConstants(SampleClock& c, float rate)
{
    c.rate = rate;
    c.hostTempo = 120.0f;
    c.lastTempo = 120.0f;
    c.period = 1.0f / rate;
    c.beatsPerSample = 2.0f * c.period;
    c.periodSquared = 1.0f / (rate * rate);
}

int echoSamples(float rate) { return static_cast<int>(std::trunc(4.0f * rate)); }

} // namespace

Engine::Engine(EngineHost& host) : state_(new EngineState(host))
{
    EngineState& s = *state_;
    setRateConstants(s.clock, 48000.0f);

    PerformanceState& p = s.perf;
    p.hitPower = 1.0f;
    p.decayCoefficient = floatFromBits(0x3F7FFCB9); // 0.99995
    p.releaseCoefficient = floatFromBits(0x3F7FD21F); // 0.9993
    p.bodyDecayCoefficient = floatFromBits(0x3F7FF972); // 0.9999
    p.sbDecayCoefficient = std::pow(0.75f, 0.001f); // as at the "sB Decay" default
    KeyBank& k = s.keys;
    k.silenceAll();
    KeyBank::fill(k.startOffset, -1);
    KeyBank::fill(k.hitPower, p.hitPower);
    KeyBank::fill(k.decay, p.releaseCoefficient);
    KeyBank::fill(k.bDecay, p.sbDecayCoefficient * p.releaseCoefficient);
    KeyBank::fill(k.bodyDecay, p.bodyDecayCoefficient);
    KeyBank::fill(k.envDecay, std::pow(0.25f, 0.1f) * 0.004999f + 0.995f);
    KeyBank::fill(k.balanceBase, 0.5f);
    KeyBank::fill(k.bendScaleUp, 1.0f);
    KeyBank::fill(k.bendScaleDown, 1.0f);
    computeMainTuning(s);
    computePartialTuning(s);
    computeSpringBTuning(s);
    computeDrive(s);
    computeNoiseStiffness(s, 0.0f);
    computeNoiseResonance(s, 1.0f);
    computeRelaxRate(s, 0.4f);
    computeStereoPlacement(s);
    s.echo.allocate(echoSamples(s.clock.rate));
}

Engine::~Engine() { delete state_; }

bool Engine::setSampleRate(float hostRate)
{
    EngineState& s = *state_;
    // Any rate a host may run at, up to 192 kHz; nonsense runs at 48 kHz.
    const float rate = (hostRate > 8000.0f && hostRate <= 192000.0f) ? hostRate : 48000.0f;
    setRateConstants(s.clock, rate);

    const bool allocated = s.echo.allocate(echoSamples(rate));
    s.echo.resetRates();
    s.noteEvents.clear();

    for (float& r : s.tuning.microtuning)
        r = 1.0f;
    s.keys.silenceAll();
    PerformanceState& p = s.perf;
    p.saturationPrevious = p.saturationCurrent;
    p.noteFlag = false;
    p.modWheelPrevious = p.modWheelCurrent;
    p.modWheelLast = p.modWheelCurrent;
    s.phaser.clear();
    s.filters.clear();
    p.firstModWheel = true;
    return allocated;
}

float Engine::engineRate() const { return state_->clock.rate; }

int Engine::echoLineLength(int line) const { return state_->echo.length(line); }

void Engine::resetEngine()
{
    state_->keys.silenceAll();
    state_->echo.requestClear(); // the render call owns the lines
}

void Engine::programApplied()
{
    EngineState& s = *state_;
    const auto value = [&s](ParamId id) { return s.parameters[paramIndex(id)]; };
    computeDrive(s);
    computeNoiseStiffness(s, value(ParamId::SbFrqBottom));
    s.tube.setTune(value(ParamId::BodyTune), s.tuning.concertA, s.clock.rate);
    s.phaser.setFrequency(value(ParamId::BodyPhaseFrq), s.tuning.concertA, s.clock.rate);
    s.sand.setStiffness(value(ParamId::SandTune), s.tuning.concertA, s.clock.rate);

    const PerformanceState& p = s.perf;
    KeyBank& k = s.keys;
    for (int n = 0; n < kKeyCount; ++n)
    {
        if (k.keyDown[n])
            continue;
        k.decay[n] = p.releaseCoefficient;
        k.bDecay[n] = p.sbDecayCoefficient * p.releaseCoefficient;
        k.bodyDecay[n] = p.bodyDecayCoefficient;
    }
}
