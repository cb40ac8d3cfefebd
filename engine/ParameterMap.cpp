// How each normalised parameter value becomes the engine's internal values.
#include <cmath>

#include "common/DspConstants.h"
#include "engine/Engine.h"
#include "engine/EngineState.h"
#include "engine/KeyTuning.h"
#include "engine/SpringB.h"
#include "engine/StereoPlacement.h"

namespace {

// Values outside 0..1 (or NaN) from a careless host are held to the range
// every mapping is written for.
float bounded(float v)
{
    if (!(v >= 0.0f))
        return 0.0f;
    return v > 1.0f ? 1.0f : v;
}

void computeLfoStiffness(EngineState& s)
{
    ModulationState& m = s.mod;
    if (m.lfoSync == 0)
    {
        const float f = std::pow(2.0f, (68.0f * m.lfoRate - 124.0f) / 12.0f) * s.tuning.concertA;
        m.lfoStiffness = f * f * kFourPiSquaredF * s.clock.periodSquared;
    }
    else
    {
        const int n = static_cast<int>(16.0f * m.lfoRate); // 0..16
        if (n % 2 == 0)
            m.lfoStiffness = std::pow(2.0f, static_cast<float>(8 * n - 124) / 12.0f) * s.clock.beatsPerSample;
        else
            m.lfoStiffness =
                3.0f * std::pow(2.0f, static_cast<float>(8 * (n - 1) - 124) / 12.0f) * s.clock.beatsPerSample;
    }
}

} // namespace

void Engine::setParameter(int index, float value)
{
    if (index < 0 || index >= kParameterCount)
        return;
    EngineState& s = *state_;
    const float v = bounded(value);
    s.parameters[index] = v;
    PerformanceState& p = s.perf;

    switch (index)
    {
    case 0: // "Hit Power"
        p.hitPower = v >= 1.0f ? 1.0f : std::pow(v * 0.5f, 4.0f);
        for (KeyVoice& k : s.keys)
            k.hitPower = p.hitPower;
        break;
    case 1: s.out.volume = 2.0f * v; break; // "Volume"
    case 6: // "sA Balance"
        for (KeyVoice& k : s.keys)
            k.balanceBase = v;
        break;
    case 7: // "Decay": every key, held or not
        p.decayCoefficient = std::pow(v, 0.05f) * 0.01f + 0.99f;
        for (KeyVoice& k : s.keys)
            k.decay = p.decayCoefficient;
        break;
    case 8: p.releaseCoefficient = std::pow(v, 0.05f) * 0.00999f + 0.99f; break; // "Release"
    case 9: s.mod.springAGain = 2.0f * v; break; // "sA Volume"
    case 10: // "sA Note Offset"
        s.tuning.partialOffset = v;
        computePartialTuning(s);
        computeBeatGuard(s);
        break;
    case 11: // "sA RND tune"
        s.tuning.partialSpread = 0.5f * v * v;
        computePartialTuning(s);
        computeSpringBTuning(s);
        break;
    case 12: p.saturationCurrent = 0.5f + 0.499f * v; break; // "sA Saturate"
    case 13: // "sB Volume"
        s.tuning.bVolume = v;
        computeDrive(s);
        break;
    case 14: // "sB Frq.bottom" / "NOISE Frq"
        s.tuning.bBottom = v;
        computeNoiseStiffness(s, v);
        computeSpringBTuning(s);
        break;
    case 15: // "sB Frq.top" / "NOISE Res"
        s.tuning.bTop = v;
        computeNoiseResonance(s, v);
        computeSpringBTuning(s);
        break;
    case 16:
        s.tuning.bOffset = 0.375f * v;
        computeSpringBTuning(s);
        break; // "sB Note Offset"
    case 17:
        s.tuning.bSpread = 0.5f * v * v;
        computeSpringBTuning(s);
        break; // "sB RND tune"
    case 18:
        s.tuning.bDetuneRatio = std::pow(2.0f, (2.0f * v - 1.0f) / 6.0f);
        computeSpringBTuning(s);
        break; // "sB Detune"
    case 19:
        s.tuning.bOctave = v != 0.0f ? 1.0f : 0.0f;
        computeSpringBTuning(s);
        break; // "sB Octave"
    case 20: p.sbDecayCoefficient = std::pow(v > 0.001f ? v : 0.001f, 0.001f); break; // "sB Decay"
    case 21: // "sB Link"
        for (KeyVoice& k : s.keys)
            k.link = v != 0.0f;
        break;
    case 22: // "sB Diffusion": 1 selects NOISE mode
        for (KeyVoice& k : s.keys)
            k.diffusion = v;
        break;
    case 23: s.springBCrush = springBCrushAmount(v); break; // "sB crush"
    case 24: s.tube.setVolume(v); break; // "Body Vol"
    case 25: s.tube.setTune(v, s.tuning.concertA, s.clock.rate); break; // "Body Tune"
    case 27: s.tube.setDiffusion(v); break; // "Body Diffusion"
    case 28: s.tube.setSharpness(v); break; // "Body Sharpness"
    case 30: s.tube.setLowest(v); break; // "Body Lowest"
    case 31: s.tube.setHighest(v); break; // "Body Highest"
    case 32: s.phaser.setFrequency(v, s.tuning.concertA, s.clock.rate); break; // "Body Phase Frq"
    case 33: s.phaser.setFeedback(v); break; // "Body Phase Q"
    case 34: s.phaser.setMix(v); break; // "Body Pha.Mix"
    case 36: s.phaser.setTremoloSync(v, s.clock.beatsPerSample); break; // "Body Tr.Sync"
    case 37: s.phaser.setTremoloRate(v, s.clock.beatsPerSample); break; // "Body Tr.Rate"
    case 38: s.phaser.setTremoloWidth(v); break; // "Body Tr.Wide"
    case 40: s.filters.setHighpass(v, s.clock.rate); break; // "FLT Highpass"
    case 41: s.filters.setLowpass(v, s.clock.rate); break; // "FLT Lowpass"
    case 46: s.crusher.setBits(v); break; // crush bits
    case 47: s.crusher.setShape(v); break; // "Crush"
    case 87: s.sand.setCount(v); break; // sand grains
    case 89: s.sand.setBounce(v); break;
    case 90: s.sand.setWidth(v); break;
    case 91: s.sand.setStiffness(v, s.tuning.concertA, s.clock.rate); break;
    case 92: s.sand.setDamping(v); break;
    case 93: s.echo.setRate(0, v, s.clock.rate, s.clock.lastTempo); break; // "Echo L Rate"
    case 94: s.echo.setRate(1, v, s.clock.rate, s.clock.lastTempo); break; // "Echo R Rate"
    case 95: s.echo.setSync(v, s.clock.rate, s.clock.lastTempo); break; // "Echo sync"
    case 96: s.echo.setFeedback(v); break; // "Echo fb"
    case 97: s.echo.setWet(v); break; // "Echo wet"
    case 26: // "Body Decay"
        p.bodyDecayCoefficient = std::pow(v, 0.25f) * 0.00099f + 0.999f;
        for (KeyVoice& k : s.keys)
            k.bodyDecay = p.bodyDecayCoefficient;
        break;
    case 29: s.out.bodyWet = v; break; // "Body Wet"
    case 39: // "Concert A"
        s.tuning.concertA = 40.0f * v + 420.0f;
        computeMainTuning(s);
        computePartialTuning(s);
        computeSpringBTuning(s);
        break;
    case 42:
        s.out.stereo = v;
        computeStereoPlacement(s);
        break; // "OUT Stereo"
    case 43:
        s.out.spread = v;
        computeStereoPlacement(s);
        break; // "OUT Spread"
    case 44: p.pitchRange = std::trunc(12.0f * v); break; // "Pitch range": the bend scales stay
    case 45: computeRelaxRate(s, v); break; // "Pitch relax"
    case 100:
        s.mod.lfoSync = static_cast<int32_t>(v);
        computeLfoStiffness(s);
        break; // "LFO sync"
    case 101:
        s.mod.lfoRate = v;
        computeLfoStiffness(s);
        break; // "LFO rate"
    case 102: s.mod.lfoBalance = v; break; // "LFO balance"
    case 103: s.mod.lfoPitch = 0.5f * v; break; // "LFO pitch"
    case 106: { // "ENV decay"
        const float d = std::pow(v, 0.1f) * 0.004999f + 0.995f;
        for (KeyVoice& k : s.keys)
            k.envDecay = d;
        break;
    }
    case 108: s.mod.envBalance = v; break; // "ENV balance"
    case 109: s.mod.envPitch = 16.0f * v * v; break; // "ENV pitch"
    default:
        if (index >= 51 && index <= 62)
        { // "MT C" .. "MT B"
            s.tuning.microtuning[index - 51] = std::pow(2.0f, (2.0f * v - 1.0f) / 6.0f);
            computeMainTuning(s);
            computePartialTuning(s);
            computeSpringBTuning(s);
        }
        else if (index >= 63 && index <= 86)
        { // "MPBup C" .. "MPBdown B"
            computeBendScale(s, (index - 63) % 12, v, index <= 74);
        }
        break;
    }
}
