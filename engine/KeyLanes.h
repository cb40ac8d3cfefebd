#pragma once
// The key bank's per-sample step for one lane width (engine/Lanes.h): keys
// side by side in lanes, every per-key condition a mask. The arithmetic is the
// scalar key tick's, operation for operation and in its order.
//
// Included only by the instruction-set units, after defining VANT_LANES.
#include "common/DspConstants.h"
#include "engine/CrtRandom.h"
#include "engine/KeyBank.h"
#include "engine/KeyStep.h"
#include "engine/Lanes.h"

namespace VANT_LANES {

template <class L>
struct KeyLanes
{
    using F = typename L::F;
    using M = typename L::M;
    static constexpr int W = L::kWidth;

    static F set(float x) { return L::set(x); }
    static F sel(M m, F a, F b) { return L::select(m, a, b); }
    static F clamp(F x, float lo, float hi) { return sel(x < set(lo), set(lo), sel(x > set(hi), set(hi), x)); }
    static F sign(F x) { return sel(x > set(0.0f), set(1.0f), sel(x < set(0.0f), set(-1.0f), set(0.0f))); }
    static F bend(F x, F c) { return x / ((set(1.0f) - x) * c + set(1.0f)); }
    // Two-sided S-curve with its bend constants.
    static F sCurve(F x, F cLow, F cHigh)
    {
        const F two = set(2.0f), half = set(0.5f);
        const F low = bend(two * x, cLow) * half;
        const F high = (bend(two * x - set(1.0f), cHigh) + set(1.0f)) * half;
        return sel(x < half, low, high);
    }
    // One damped stage: velocity := (velocity - position) * d, position += velocity * k;
    // a tiny velocity stops the stage with exact zeros.
    static void stage(F& position, F& velocity, F d, F k)
    {
        const F u = velocity - position;
        const M stop = L::isTiny(u);
        velocity = sel(stop, set(0.0f), u * d);
        position = sel(stop, set(0.0f), position + velocity * k);
    }
    static bool some(M m) { return L::bits(m) != 0; }

    // Excitation (a hit or a bowed attack, then the wheel scrape), the start
    // offset spent, the bend applied, for the started keys `started`.
    static void excite(KeyBank& k, int n0, M started, const KeySample& in, CrtRandom& random)
    {
        const auto ld = [n0](const float* f) { return L::load(f + n0); };
        const auto st = [n0](float* f, F x) { L::store(f + n0, x); };
        const F f = ld(k.force), progress = ld(k.excitationProgress), power = ld(k.hitPower);
        const M over = started & (progress >= f);
        const M strike = started & ~(progress >= f);
        const M soft = strike & (power < set(1.0f));
        const M hit = strike & ~(power < set(1.0f));
        F newProgress = sel(over, set(0.0f), progress);
        st(k.force, sel(over, set(0.0f), f));
        if (some(strike))
        {
            const F snap = ld(k.strikeForceSnapshot), bowP = ld(k.bowPosition), bowV = ld(k.bowVelocity);
            const F hitStep = ld(k.hitStep), lfoP = ld(k.lfoPosition), lfoV = ld(k.lfoVelocity);
            const F level = ld(k.excitationLevel), env = ld(k.envLevel);
            const F aMV = ld(k.aMainVelocity), aPV = ld(k.aPartialVelocity), stiffness = ld(k.mainStiffness);

            // bowed: the first sample latches the force and starts the bow
            const M first = soft & (hitStep > set(0.0f));
            const F sSnap = sel(first, f, snap);
            F sBowP = sel(first, set(1.0f), bowP);
            const F sHitStep = sel(first, set(0.0f), hitStep);
            F sBowV = sel(first, set(0.0f), bowV);
            const F sLfoP = sel(first, set(0.0f), lfoP);
            const F sLfoV = sel(first, set(1.0f), lfoV);
            sBowV = sBowV - sBowP;
            const F sProgress = progress + power * power;
            sBowP = sBowP + sBowV * stiffness;
            const F push = sBowP * sProgress * f * power;
            const M pushes = push > set(0.0f);
            const F t = push + aMV;
            const M mainPushed = pushes & (L::abs(t) < f);
            const F sAMV = sel(mainPushed, t, aMV);
            const F t2 = push + aPV;
            const F sAPV = sel(mainPushed & (L::abs(t2) < f), t2, aPV);
            const F sEnv = sel(env < f, (f - env) * sProgress + env, env);

            // hit: eight samples of impulse
            const F hSnap = sel(progress == set(0.0f), f, snap);
            const F hProgress = progress + hitStep;
            const F hLfoP = lfoP * set(0.5f);
            const F hEnv = clamp((f - env) * hProgress + env, 0.0f, 1.0f);
            const F hLfoV = lfoV + (set(1.0f) - lfoV) * set(0.25f);
            const F hAPV = ((aPV + f) - aPV) * set(0.25f) + aPV;
            const F hAMV = ((aMV + f) - aMV) * set(0.25f) + aMV;

            const auto pick = [&](F s, F h, F old) { return sel(soft, s, sel(hit, h, old)); };
            st(k.strikeForceSnapshot, pick(sSnap, hSnap, snap));
            st(k.bowPosition, sel(soft, sBowP, bowP));
            st(k.bowVelocity, sel(soft, sBowV, bowV));
            st(k.hitStep, sel(soft, sHitStep, hitStep));
            st(k.lfoPosition, pick(sLfoP, hLfoP, lfoP));
            st(k.lfoVelocity, pick(sLfoV, hLfoV, lfoV));
            newProgress = pick(sProgress, hProgress, newProgress);
            st(k.excitationLevel, pick(sProgress, set(1.0f), level));
            st(k.envLevel, pick(sEnv, hEnv, env));
            st(k.aMainVelocity, pick(sAMV, hAMV, aMV));
            st(k.aPartialVelocity, pick(sAPV, hAPV, aPV));
        }
        st(k.excitationProgress, newProgress);

        const unsigned lanes = L::bits(started);
        for (int i = 0; i < W; ++i)
        {
            if (!((lanes >> i) & 1u))
                continue;
            if (in.modWheelMotion != 0.0f)
                scrapeKey(k, n0 + i, in.modWheelMotion, random);
            k.startOffset[n0 + i] = -1;
        }

        // A held key follows the bend, scaled per key; a spring pushed past
        // where it can ring drops by octaves.
        const float amount = in.bend - 1.0f;
        const F factor = set(amount) * ld(amount > 0.0f ? k.bendScaleUp : k.bendScaleDown) + set(1.0f);
        F mainS = factor * ld(k.mainTargetStiffness);
        mainS = sel(mainS > set(kStableStiffness), set(kStableStiffness), mainS);
        F partialS = factor * ld(k.partialTargetStiffness);
        F bS = factor * ld(k.bTargetStiffness);
        const M high = L::keysIn(n0, 73, kKeyCount);
        partialS = sel(high & (partialS > set(kStableStiffness)), partialS * set(0.5f), partialS);
        bS = sel(high & (bS > set(kStableStiffness)), bS * set(0.5f), bS);
        for (int i = 0; i < 4; ++i)
            partialS = sel(partialS > set(kRingingLimit), partialS * set(0.5f), partialS);
        for (int i = 0; i < 4; ++i)
            bS = sel(bS > set(kRingingLimit), bS * set(0.5f), bS);
        F detuned = bS * set(in.bDetuneRatio);
        if (in.bOctave == 1.0f)
            detuned = sel(bS < set(kOctaveSwitchLimit), detuned * set(4.0f), detuned);
        st(k.mainStiffness, sel(started, mainS, ld(k.mainStiffness)));
        st(k.partialStiffness, sel(started, partialS, ld(k.partialStiffness)));
        st(k.bStiffness, sel(started, bS, ld(k.bStiffness)));
        st(k.bDetunedStiffness, sel(started, detuned, ld(k.bDetunedStiffness)));
    }

    // Every key up, both springs silent, and in tune (nothing to glide).
    static bool idle(const KeyBank& k, int n0, M rendered)
    {
        const auto ld = [n0](const float* f) { return L::load(f + n0); };
        const M busy = L::flag(k.keyDown + n0) | ~L::isTiny(ld(k.aActivity)) | ~L::isTiny(ld(k.bActivity)) |
                       (ld(k.mainStiffness) != ld(k.mainTargetStiffness)) |
                       (ld(k.partialStiffness) != ld(k.partialTargetStiffness)) |
                       (ld(k.bStiffness) != ld(k.bTargetStiffness));
        return !some(rendered & busy);
    }

    // What one sample of a group adds to the spring sums, +0 where a spring is silent.
    struct SpringOut
    {
        F aL, aR, bL, bR;
    };

    // The springs of keys n0 .. n0 + W - 1 for one sample (`rendered` marks
    // the lanes of 21..108): a released key's glide, a started key's
    // excitation and bend, the tick of every sounding key, and the release of
    // a strike that was let go in the sample it began. False, with nothing
    // added, when every key is up and silent.
    VANT_LANES_INLINE static bool springs(KeyBank& k, int n0, M rendered, const KeySample& in, CrtRandom& random,
                                          SpringOut& out)
    {
        const auto ld = [n0](const float* f) { return L::load(f + n0); };
        const auto st = [n0](float* f, F x) { L::store(f + n0, x); };
        const F zero = set(0.0f);
        out = SpringOut{zero, zero, zero, zero};
        const M down = L::flag(k.keyDown + n0) & rendered;
        // (neither the glide nor the excitation moves the activities)
        const M aSounds = ~L::isTiny(ld(k.aActivity));
        const M bSounds = ~L::isTiny(ld(k.bActivity));
        const M up = rendered & ~down;
        const M relaxing = some(up) ? up & ((ld(k.mainStiffness) != ld(k.mainTargetStiffness)) |
                                            (ld(k.partialStiffness) != ld(k.partialTargetStiffness)) |
                                            (ld(k.bStiffness) != ld(k.bTargetStiffness)))
                                    : up;
        const M tick = rendered & (down | aSounds | bSounds);
        if (!some(relaxing | tick))
            return false;
        const M started = down & L::atOrAfter(k.startOffset + n0, in.j);
        // The wheel's draws come before each key's own: with both in one sample,
        // the keys go one at a time.
        if (W > 1 && in.modWheelMotion != 0.0f && some(started) &&
            some(rendered & ((ld(k.diffusion) != zero) | L::flag(k.link + n0))))
        {
            alignas(32) float aL[W] = {}, aR[W] = {}, bL[W] = {}, bR[W] = {};
            const unsigned lanes = L::bits(rendered);
            for (int i = 0; i < W; ++i)
            {
                typename KeyLanes<Lanes1>::SpringOut one{};
                if (((lanes >> i) & 1u) && KeyLanes<Lanes1>::springs(k, n0 + i, {true}, in, random, one))
                    aL[i] = one.aL.v, aR[i] = one.aR.v, bL[i] = one.bL.v, bR[i] = one.bR.v;
            }
            out = SpringOut{L::load(aL), L::load(aR), L::load(bL), L::load(bR)};
            return true;
        }

        const unsigned relax = L::bits(relaxing);
        for (int i = 0; relax != 0 && i < W; ++i)
            if ((relax >> i) & 1u)
                relaxKeyPitch(k, n0 + i, in.relaxRate);
        unsigned releases = 0;
        if (some(started))
        {
            // A held key whose strike is over, not scraped, and whose bend has
            // not moved since it was bent in this block: its excitation step
            // and its bend would write what it holds.
            const M settled =
                (ld(k.force) == zero) & (ld(k.excitationProgress) == zero) & (ld(k.bentWith) == set(in.bend));
            if (in.modWheelMotion != 0.0f || some(started & ~settled))
            {
                excite(k, n0, started, in, random);
                st(k.bentWith, sel(started, set(in.bend), ld(k.bentWith)));
                releases = L::bits(started & L::flag(k.releaseAfterStrike + n0));
            }
        }

        if (some(tick))
        {
            SpringOut raw;
            tickKeys(k, n0, tick, in, random, raw);
            const M a = tick & aSounds, b = tick & bSounds;
            out = SpringOut{sel(a, raw.aL, zero), sel(a, raw.aR, zero), sel(b, raw.bL, zero), sel(b, raw.bR, zero)};
        }

        const M aQuiet = rendered & ~aSounds, bQuiet = rendered & ~bSounds;
        if (some(aQuiet))
        {
            st(k.aOutput, sel(aQuiet, zero, ld(k.aOutput)));
            st(k.aPartialVelocity, sel(aQuiet, zero, ld(k.aPartialVelocity)));
            st(k.aMainVelocity, sel(aQuiet, zero, ld(k.aMainVelocity)));
        }
        if (some(bQuiet))
        {
            st(k.bOutput, sel(bQuiet, zero, ld(k.bOutput)));
            st(k.bPartialVelocity, sel(bQuiet, zero, ld(k.bPartialVelocity)));
            st(k.bMainVelocity, sel(bQuiet, zero, ld(k.bMainVelocity)));
        }

        // Struck and released in one sample: the release follows its first tick.
        for (int i = 0; releases != 0 && i < W; ++i)
        {
            if (!((releases >> i) & 1u))
                continue;
            const int n = n0 + i;
            k.releaseAfterStrike[n] = 0;
            k.force[n] = 0.0f;
            k.keyDown[n] = 0;
            k.bentWith[n] = KeyBank::kNotBent;
            if (in.sustain == 0)
            {
                k.decay[n] = in.releaseDecay;
                k.bDecay[n] = in.releaseBDecay;
            }
        }
        return true;
    }

    // One sample of the sympathetic body strings of the lanes in `rendered`,
    // at the keys' main stiffness of that sample; their panned outputs (+0
    // where a string is still).
    // Keys never rendered keep a body position of +0 and pans of +0, so every
    // lane's output is its position times its pans: +0 where a string is still.
    static void bodyStep(F& position, F& velocity, F decay, F stiffness, M rendered, F panL, F panR, F& outL, F& outR)
    {
        const F zero = set(0.0f);
        const F u = velocity - position;
        const M moves = rendered & (u != zero);
        const F damped = u * decay;
        const M stops = L::isTiny(damped);
        velocity = sel(moves, sel(stops, zero, damped), velocity);
        position = sel(moves & ~stops, position + damped * stiffness, position);
        position = sel(L::isTiny(position), zero, position);
        outL = position * panL;
        outR = position * panR;
    }

    static M renderedLanes(int n0) { return L::keysIn(n0, kFirstKey, kLastKey + 1); }
    static constexpr int kFirstGroup = W == 1 ? kFirstKey : kFirstKey - kFirstKey % W;

    // One sample of every key of 21..108 (groups of W from key 16; W = 1: key
    // by key), added to `sums` in ascending key order, spring A before spring B.
    static void stepKeys(KeyBank& k, const KeySample& in, CrtRandom& random, KeySums& sums)
    {
        for (int n0 = kFirstGroup; n0 <= kLastKey; n0 += W)
        {
            const auto ld = [n0](const float* f) { return L::load(f + n0); };
            const M rendered = renderedLanes(n0);
            SpringOut c;
            const bool sounding = springs(k, n0, rendered, in, random, c);
            F position = ld(k.bodyPosition), velocity = ld(k.bodyVelocity);
            const bool ringing = some(rendered & ((position != set(0.0f)) | (velocity != set(0.0f))));
            if (!sounding && !ringing)
                continue; // up, silent and still: nothing to do
            F yL = set(0.0f), yR = set(0.0f);
            if (ringing)
            {
                bodyStep(position, velocity, ld(k.bodyDecay), ld(k.mainStiffness), rendered, ld(k.panBodyLeft),
                         ld(k.panBodyRight), yL, yR);
                L::store(k.bodyPosition + n0, position);
                L::store(k.bodyVelocity + n0, velocity);
            }
            // A sum that starts at +0 never becomes -0, so adding the +0 of a
            // silent spring leaves its bits as skipping it would.
            alignas(32) float aL[W], aR[W], bL[W], bR[W], bodyL[W], bodyR[W];
            L::store(aL, c.aL), L::store(aR, c.aR), L::store(bL, c.bL), L::store(bR, c.bR);
            L::store(bodyL, yL), L::store(bodyR, yR);
            for (int i = 0; i < W; ++i)
            {
                sums.springL = (sums.springL + aL[i]) + bL[i];
                sums.springR = (sums.springR + aR[i]) + bR[i];
                sums.bodyL += bodyL[i];
                sums.bodyR += bodyR[i];
            }
        }
    }

    // The springs of a stretch of `samples` (at most W) consecutive samples in
    // which no key draws from the generator and no event falls: each group
    // runs its samples back to back, and the sums of each sample, lanes
    // turned from keys into samples, add the keys in ascending order. Keeps
    // each sample's main stiffness for the body strings.
    static void springStretch(KeyBank& k, const KeySample* in, int samples, CrtRandom& random, KeyStretch& out)
    {
        F sumAL = set(0.0f), sumAR = set(0.0f);
        for (int n0 = kFirstGroup; n0 <= kLastKey; n0 += W)
        {
            const M rendered = renderedLanes(n0);
            // Keys up, silent and in tune stay so for the whole stretch: their
            // sums are +0 and their stiffness does not move.
            out.snapshot[n0 / W] = !idle(k, n0, rendered);
            if (!out.snapshot[n0 / W])
                continue;
            F aL[W], aR[W], bL[W], bR[W];
            bool sounding = false;
            for (int t = 0; t < samples; ++t)
            {
                SpringOut c;
                sounding = springs(k, n0, rendered, in[t], random, c) || sounding;
                L::store(out.stiffness[t] + n0, L::load(k.mainStiffness + n0));
                aL[t] = c.aL, aR[t] = c.aR, bL[t] = c.bL, bR[t] = c.bR;
            }
            if (!sounding)
                continue; // its sums are all +0
            for (int t = samples; t < W; ++t)
                aL[t] = aR[t] = bL[t] = bR[t] = set(0.0f);
            L::transpose(aL), L::transpose(aR), L::transpose(bL), L::transpose(bR);
            for (int i = 0; i < W; ++i)
            {
                sumAL = (sumAL + aL[i]) + bL[i];
                sumAR = (sumAR + aR[i]) + bR[i];
            }
        }
        L::store(out.springL, sumAL);
        L::store(out.springR, sumAR);
    }

    // The body strings over the same stretch, each sample's tube kick given
    // to the strings of [lowest, highest) after that sample's step.
    static void bodyStretch(KeyBank& k, const float* kicks, int samples, int lowest, int highest, KeyStretch& out)
    {
        bool kicked = false;
        for (int t = 0; t < samples; ++t)
            kicked = kicked || kicks[t] != 0.0f;
        F sumL = set(0.0f), sumR = set(0.0f);
        for (int n0 = kFirstGroup; n0 <= kLastKey; n0 += W)
        {
            const auto ld = [n0](const float* f) { return L::load(f + n0); };
            const M rendered = renderedLanes(n0);
            const M inRange = L::keysIn(n0, lowest, highest);
            F position = ld(k.bodyPosition), velocity = ld(k.bodyVelocity);
            const bool ringing = some(rendered & ((position != set(0.0f)) | (velocity != set(0.0f))));
            if (!ringing && !(kicked && some(inRange)))
                continue;
            const F decay = ld(k.bodyDecay), panL = ld(k.panBodyLeft), panR = ld(k.panBodyRight);
            F yL[W], yR[W];
            const bool snapshot = out.snapshot[n0 / W];
            for (int t = 0; t < samples; ++t)
            {
                const F stiffness = L::load((snapshot ? out.stiffness[t] : k.mainStiffness) + n0);
                bodyStep(position, velocity, decay, stiffness, rendered, panL, panR, yL[t], yR[t]);
                if (kicks[t] != 0.0f)
                    velocity = sel(inRange, velocity + set(kicks[t]), velocity);
            }
            for (int t = samples; t < W; ++t)
                yL[t] = yR[t] = set(0.0f);
            L::store(k.bodyPosition + n0, position);
            L::store(k.bodyVelocity + n0, velocity);
            L::transpose(yL), L::transpose(yR);
            for (int i = 0; i < W; ++i)
            {
                sumL = sumL + yL[i];
                sumR = sumR + yR[i];
            }
        }
        L::store(out.bodyL, sumL);
        L::store(out.bodyR, sumR);
        // Keys never rendered still take the kicks of their range.
        for (int t = 0; kicked && t < samples; ++t)
        {
            if (kicks[t] == 0.0f)
                continue;
            for (int n = lowest < 0 ? 0 : lowest; n < highest && n < kFirstGroup; ++n)
                k.bodyVelocity[n] += kicks[t];
            for (int n = kLastGroupEnd > lowest ? kLastGroupEnd : lowest; n < highest && n < kKeyCount; ++n)
                k.bodyVelocity[n] += kicks[t];
        }
    }
    static constexpr int kLastGroupEnd = W == 1 ? kLastKey + 1 : kLastKey + 1 + (W - (kLastKey + 1) % W) % W;

    // One sample of the keys in `tick`: LFO and envelope, spring A, spring B
    // (coupled or NOISE) and the output stage; the panned outputs into the
    // contribution lanes.
    VANT_LANES_INLINE static void tickKeys(KeyBank& k, int n0, M tick, const KeySample& in, CrtRandom& random,
                                           SpringOut& out)
    {
        const auto ld = [n0](const float* f) { return L::load(f + n0); };
        // A group that ticks whole stores plainly.
        const bool whole = L::bits(tick) == (1u << W) - 1u;
        const auto st = [n0, tick, whole](float* f, F x) {
            L::store(f + n0, whole ? x : sel(tick, x, L::load(f + n0)));
        };
        const F zero = set(0.0f), one = set(1.0f);
        F balance = ld(k.balanceBase);
        F stiffness = ld(k.mainStiffness);

        F lfoP = ld(k.lfoPosition);
        const F lfoV = ld(k.lfoVelocity) - lfoP;
        lfoP = lfoP + lfoV * set(in.lfoStiffness);
        if (in.lfo)
        {
            const F l = lfoP / set(in.lfoNorm); // amplitude about 1
            const M moving = l != zero;
            if (in.lfoBalance != 0.0f)
                balance = sel(moving, clamp(l * set(in.lfoBalance) * set(0.5f) + balance, 0.0f, 1.0f), balance);
            if (in.lfoPitch != 0.0f)
            {
                F factor = L::subDouble(l * set(in.lfoPitch) + one, in.lfoPitchHalf);
                factor = sel(factor < set(0.1f), set(0.1f), factor);
                stiffness = sel(moving, stiffness * factor, stiffness);
            }
        }
        F env = ld(k.envLevel);
        if (in.env)
        {
            const M rising = env > zero;
            if (in.envBalance != 0.0f)
                balance = sel(rising, clamp(env * set(in.envBalance) + balance, 0.0f, 1.0f), balance);
            if (in.envPitch != 0.0f)
            {
                F raised = stiffness * (env * set(in.envPitch) + one);
                raised = sel(raised > set(kStableStiffness), set(kStableStiffness), raised);
                stiffness = sel(rising, raised, stiffness);
            }
            F next = env * ld(k.envDecay);
            next = sel(L::isTiny(next), zero, next);
            env = sel(rising, next, env);
        }
        const F partialWeight = balance;
        const F mainWeight = one - balance;

        // spring A, main oscillator first
        const F decay = ld(k.decay);
        F aMP = ld(k.aMainPosition), aMV = ld(k.aMainVelocity);
        F aPP = ld(k.aPartialPosition), aPV = ld(k.aPartialVelocity);
        stage(aMP, aMV, decay, stiffness);
        stage(aPP, aPV, decay, ld(k.partialStiffness));
        const F a = aPP * partialWeight;
        const F b = aMP * mainWeight;

        // spring B: the excitation decays with it
        F w = ld(k.excitationLevel) * ld(k.bDecay);
        w = sel(L::isTiny(w), zero, w);
        const F drive = ld(k.bDrive);
        F g = drive * ld(k.beatGuard);
        M couples = ~L::isTiny(g);
        g = g * (one - sel(a > zero, a, zero));
        couples = couples & ~L::isTiny(g);
        // Diffusion and NOISE draw; without them (no key diffuses or links)
        // every key is coupled and draws nothing.
        const M none = L::maskOf(0u);
        M noise = none, coupled = ~none, live = none, fires = none;
        F r = zero, amp = zero;
        if (!in.plain)
        {
            const F diffusion = ld(k.diffusion);
            const F n = sel(L::flag(k.link + n0), diffusion * w, diffusion);
            noise = ~(diffusion < one);
            coupled = ~noise;
            const M diffused = tick & coupled & couples & (n != zero);
            live = (w > zero) & (drive > zero);
            amp = drive * (ld(k.strikeForceSnapshot) * set(10.0f) * w);
            fires = noise & live & (amp > zero);
            const M drawing = diffused | (tick & fires);
            if (const unsigned draws = L::bits(drawing))
            {
                if constexpr (W == 8)
                {
                    uint32_t x = random.state();
                    r = L::draws(drawing, x, kGeneratorJump.a, kGeneratorJump.c);
                    random.seed(x);
                }
                else
                {
                    alignas(32) float drawn[W];
                    drawLanes(random, draws, W, drawn);
                    r = L::load(drawn);
                }
            }
            g = sel(diffused, g * (one - r * set(kRandScale) * n), g);
        }
        couples = coupled & couples & ~L::isTiny(g);

        F bPV = ld(k.bPartialVelocity), bMV = ld(k.bMainVelocity);
        F bPP = ld(k.bPartialPosition), bMP = ld(k.bMainPosition);
        {
            const F cPV = bPV + g * aPV * partialWeight;
            const F cMV = bMV + g * aMV * mainWeight;
            F cPP, cMP;
            if (in.saturate)
            {
                // the curve saturates past 1 instead of reaching its pole
                const F sLow = set(in.sLow), sHigh = set(in.sHigh);
                cPP = sel(a != zero, bPP + sign(a) * sCurve(clamp(L::abs(a), 0.0f, 1.0f), sLow, sHigh) * g, bPP);
                cMP = sel(b != zero, bMP + sign(b) * sCurve(clamp(L::abs(b), 0.0f, 1.0f), sLow, sHigh) * g, bMP);
            }
            else
            {
                cMP = bMP + g * b;
                cPP = bPP + g * a;
            }
            bPV = sel(couples, cPV, bPV);
            bMV = sel(couples, cMV, bMV);
            bPP = sel(couples, cPP, bPP);
            bMP = sel(couples, cMP, bMP);
        }
        if (!some(noise))
        {
            const F bDecay = ld(k.bDecay);
            stage(bMP, bMV, bDecay, ld(k.bDetunedStiffness));
            stage(bPP, bPV, bDecay, ld(k.bStiffness));
        }
        else
        {
            const F bDecay = ld(k.bDecay);
            F sMP = bMP, sMV = bMV, sPP = bPP, sPV = bPV;
            stage(sMP, sMV, bDecay, ld(k.bDetunedStiffness));
            stage(sPP, sPV, bDecay, ld(k.bStiffness));
            // NOISE: white noise through a two-stage resonant filter
            const F e = (r * set(kRandScale) - set(0.5f)) * amp;
            const F q = ld(k.noiseResonance), kq = ld(k.noiseStiffness);
            const F nPV = (bPV - e) * q;
            F nMP = bMP + nPV * kq;
            const F nMV = (bMV - nMP) * q;
            nMP = nMP + nMV * kq;
            const M hushed = noise & ~live;
            bPV = sel(coupled, sPV, sel(fires, nPV, bPV));
            bMV = sel(coupled, sMV, sel(fires, nMV, bMV));
            bMP = sel(coupled, sMP, sel(fires, nMP, sel(hushed, zero, bMP)));
            bPP = sel(coupled, sPP, sel(fires, nMP, sel(hushed, zero, bPP)));
        }

        // Output stage: above S = 0.5 spring A is saturated and never exceeds +-0.5.
        F o = a + b;
        if (in.saturate)
        {
            const F c = clamp(set(2.0f) * o, -1.0f, 1.0f);
            o = sign(o) * set(0.5f) * sCurve(L::abs(c), set(in.sLow), set(in.sHigh));
        }
        const F aH = ld(k.aActivity) - ld(k.aPrevious);
        const F bOut = bMP + bPP;
        const F bH = ld(k.bActivity) - ld(k.bPrevious);

        const F crushed = in.crush > 0.5f ? crushSpringB(bOut, w, ld(k.hitPower), ld(k.crushSteps),
                                                         ld(k.crushStepReciprocal), in.crush)
                                          : bOut;
        const F gainA = set(in.gainA);
        out.aL = o * ld(k.panALeft) * gainA;
        out.aR = o * ld(k.panARight) * gainA;
        out.bL = crushed * ld(k.panBLeft);
        out.bR = crushed * ld(k.panBRight);

        st(k.lfoPosition, lfoP);
        st(k.lfoVelocity, lfoV);
        st(k.envLevel, env);
        st(k.aMainPosition, aMP);
        st(k.aMainVelocity, aMV);
        st(k.aPartialPosition, aPP);
        st(k.aPartialVelocity, aPV);
        st(k.excitationLevel, w);
        st(k.bPartialVelocity, bPV);
        st(k.bMainVelocity, bMV);
        st(k.bPartialPosition, bPP);
        st(k.bMainPosition, bMP);
        st(k.aOutput, o);
        st(k.aPrevious, aH);
        st(k.aActivity, aH + o);
        st(k.bOutput, bOut);
        st(k.bPrevious, bH);
        st(k.bActivity, bH + bOut);
    }

    // Spring B's quantiser above a crush of 0.5: hit strikes only (hit power
    // exactly 1), its steps flattened while the excitation level is high.
    static F crushSpringB(F out, F level, F power, F steps, F reciprocal, float crush)
    {
        const F one = set(1.0f);
        F c = set(crush - 0.5f) * level + set(0.5f);
        const M bends = (power == one) & (c != set(0.5f)); // 0.5 maps every sample onto itself
        const F y = (out + one) * steps;
        const F f = L::floor(y);
        // Past 1 (a bowed excitation outliving the hit) the curve would divide by zero.
        c = sel(~(c < set(0.9999f)), set(0.9999f), c);
        c = sel(c < set(0.5f), set(0.5f), c);
        const F q = sCurve(y - f, one / c - set(2.0f), one / (one - c) - set(2.0f));
        return sel(bends, (q + f - steps) * reciprocal, out);
    }

    static void addToRange(float* field, int lowest, int highest, float value)
    {
        int n = lowest;
        for (; n < highest && n % W != 0; ++n)
            field[n] += value;
        for (; n + W <= highest; n += W)
            L::store(field + n, L::load(field + n) + set(value));
        for (; n < highest; ++n)
            field[n] += value;
    }
};

template <class L>
constexpr KeyLaneKernels kernelsOf()
{
    return KeyLaneKernels{L::kWidth, &KeyLanes<L>::stepKeys, &KeyLanes<L>::addToRange, &KeyLanes<L>::springStretch,
                          &KeyLanes<L>::bodyStretch};
}

} // namespace VANT_LANES
