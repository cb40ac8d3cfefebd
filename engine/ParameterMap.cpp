// How each normalised parameter value becomes the engine's internal values.
#include <cmath>

#include "common/DspConstants.h"
#include "common/ParamId.h"
#include "engine/Engine.h"
#include "engine/EngineState.h"
#include "engine/KeyTuning.h"
#include "engine/LfoRate.h"
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

} // namespace

void Engine::setParameter(int index, float value)
{
    if (!isParamIndex(index))
        return;
    EngineState& s = *state_;
    const float v = bounded(value);
    s.parameters[index] = v;
    PerformanceState& p = s.perf;

    if (isMicrotuningParam(index))
    {
        // The pitch class's frequency moves by 2^((2v-1)/6), two semitones either way, as
        // the read-outs and the tuning templates count; stiffness goes with its square.
        s.tuning.microtuning[index - paramIndex(ParamId::MtC)] = std::pow(2.0f, (2.0f * v - 1.0f) / 3.0f);
        computeMainTuning(s);
        computePartialTuning(s);
        computeSpringBTuning(s);
        return;
    }
    if (isBendScaleParam(index))
    {
        const bool upward = index <= paramIndex(ParamId::MpbUpB);
        const int pitchClass = (index - paramIndex(ParamId::MpbUpC)) % kPitchClasses;
        computeBendScale(s, pitchClass, v, upward);
        return;
    }

    switch (static_cast<ParamId>(index))
    {
    case ParamId::HitPower:
        p.hitPower = v >= 1.0f ? 1.0f : std::pow(v * 0.5f, 4.0f);
        KeyBank::fill(s.keys.hitPower, p.hitPower);
        break;
    case ParamId::Volume: s.out.volume = 2.0f * v; break;
    case ParamId::SaBalance: KeyBank::fill(s.keys.balanceBase, v); break;
    case ParamId::Decay: // every key, held or not
        p.decayCoefficient = std::pow(v, 0.05f) * 0.01f + 0.99f;
        KeyBank::fill(s.keys.decay, p.decayCoefficient);
        break;
    case ParamId::Release: p.releaseCoefficient = std::pow(v, 0.05f) * 0.00999f + 0.99f; break;
    case ParamId::SaVolume: s.mod.springAGain = 2.0f * v; break;
    case ParamId::SaNoteOffset:
        s.tuning.partialOffset = v;
        computePartialTuning(s);
        computeBeatGuard(s);
        break;
    case ParamId::SaRndTune:
        s.tuning.partialSpread = 0.5f * v * v;
        computePartialTuning(s);
        computeSpringBTuning(s);
        break;
    case ParamId::SaSaturate: p.saturationCurrent = 0.5f + 0.499f * v; break;
    case ParamId::SbVolume:
        s.tuning.bVolume = v;
        computeDrive(s);
        break;
    case ParamId::SbFrqBottom: // also "NOISE Frq"
        s.tuning.bBottom = v;
        computeNoiseStiffness(s, v);
        computeSpringBTuning(s);
        break;
    case ParamId::SbFrqTop: // also "NOISE Res"
        s.tuning.bTop = v;
        computeNoiseResonance(s, v);
        computeSpringBTuning(s);
        break;
    case ParamId::SbNoteOffset:
        s.tuning.bOffset = 0.375f * v;
        computeSpringBTuning(s);
        break;
    case ParamId::SbRndTune:
        s.tuning.bSpread = 0.5f * v * v;
        computeSpringBTuning(s);
        break;
    case ParamId::SbDetune:
        s.tuning.bDetuneRatio = std::pow(2.0f, (2.0f * v - 1.0f) / 6.0f);
        computeSpringBTuning(s);
        break;
    case ParamId::SbOctave:
        s.tuning.bOctave = v != 0.0f ? 1.0f : 0.0f;
        computeSpringBTuning(s);
        break;
    case ParamId::SbDecay: p.sbDecayCoefficient = std::pow(v > 0.001f ? v : 0.001f, 0.001f); break;
    case ParamId::SbLink: KeyBank::fill(s.keys.link, v != 0.0f ? 1 : 0); break;
    case ParamId::SbDiffusion: // 1 selects NOISE mode
        KeyBank::fill(s.keys.diffusion, v);
        break;
    case ParamId::SbCrush: s.springBCrush = 0.49f * v + 0.5f; break; // 0.5 leaves spring B alone
    case ParamId::BodyVol: s.tube.setVolume(v); break;
    case ParamId::BodyTune: s.tube.setTune(v, s.tuning.concertA, s.clock.rate); break;
    case ParamId::BodyDecay:
        p.bodyDecayCoefficient = std::pow(v, 0.25f) * 0.00099f + 0.999f;
        KeyBank::fill(s.keys.bodyDecay, p.bodyDecayCoefficient);
        break;
    case ParamId::BodyDiffusion: s.tube.setDiffusion(v); break;
    case ParamId::BodySharpness: s.tube.setSharpness(v); break;
    case ParamId::BodyWet: s.out.bodyWet = v; break;
    case ParamId::BodyLowest: s.tube.setLowest(v); break;
    case ParamId::BodyHighest: s.tube.setHighest(v); break;
    case ParamId::BodyPhaseFrq: s.phaser.setFrequency(v, s.tuning.concertA, s.clock.rate); break;
    case ParamId::BodyPhaseQ: s.phaser.setFeedback(v); break;
    case ParamId::BodyPhaMix: s.phaser.setMix(v); break;
    case ParamId::BodyTrSync: s.phaser.setTremoloSync(v, s.clock.beatsPerSample); break;
    case ParamId::BodyTrRate: s.phaser.setTremoloRate(v, s.clock.beatsPerSample); break;
    case ParamId::BodyTrWide: s.phaser.setTremoloWidth(v); break;
    case ParamId::ConcertA:
        s.tuning.concertA = 40.0f * v + 420.0f;
        computeMainTuning(s);
        computePartialTuning(s);
        computeSpringBTuning(s);
        break;
    case ParamId::FltHighpass: s.filters.setHighpass(v, s.clock.rate); break;
    case ParamId::FltLowpass: s.filters.setLowpass(v, s.clock.rate); break;
    case ParamId::OutStereo:
        s.out.stereo = v;
        computeStereoPlacement(s);
        break;
    case ParamId::OutSpread:
        s.out.spread = v;
        computeStereoPlacement(s);
        break;
    case ParamId::PitchRange: p.pitchRange = std::trunc(12.0f * v); break; // the bend scales stay
    case ParamId::PitchRelax: computeRelaxRate(s, v); break;
    case ParamId::CrushBits: s.crusher.setBits(v); break;
    case ParamId::Crush: s.crusher.setShape(v); break;
    case ParamId::SandGrains: s.sand.setCount(v); break;
    case ParamId::SandBounce: s.sand.setBounce(v); break;
    case ParamId::SandWidth: s.sand.setWidth(v); break;
    case ParamId::SandTune: s.sand.setStiffness(v, s.tuning.concertA, s.clock.rate); break;
    case ParamId::SandDamping: s.sand.setDamping(v); break;
    case ParamId::EchoLRate: s.echo.setRate(0, v); break;
    case ParamId::EchoRRate: s.echo.setRate(1, v); break;
    case ParamId::EchoSync: s.echo.setSync(v); break;
    case ParamId::EchoFb: s.echo.setFeedback(v); break;
    case ParamId::EchoWet: s.echo.setWet(v); break;
    case ParamId::LfoSync:
        s.mod.lfoSync = static_cast<int32_t>(v);
        computeLfoStiffness(s);
        break;
    case ParamId::LfoRate:
        s.mod.lfoRate = v;
        computeLfoStiffness(s);
        break;
    case ParamId::LfoBalance: s.mod.lfoBalance = v; break;
    case ParamId::LfoPitch: s.mod.lfoPitch = 0.5f * v; break;
    case ParamId::EnvDecay: {
        const float d = std::pow(v, 0.1f) * 0.004999f + 0.995f;
        KeyBank::fill(s.keys.envDecay, d);
        break;
    }
    case ParamId::EnvBalance: s.mod.envBalance = v; break;
    case ParamId::EnvPitch: s.mod.envPitch = 16.0f * v * v; break;
    default: break; // stored only, or read when needed ("Body Tremolo"), or the editor's colours
    }
}
