#pragma once
// The key bank's per-sample step for one lane width (engine/Lanes.h): keys
// side by side in lanes, every per-key condition a mask. The arithmetic is the
// scalar key tick's, operation for operation and in its order.
//
// Included only by the instruction-set units, after defining VANT_LANES.
#include "common/DspConstants.h"
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
        unsigned upper = 0;
        for (int i = 0; i < W; ++i)
            upper |= (n0 + i > 72 ? 1u : 0u) << i;
        const M high = L::maskOf(upper);
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

    // Keys n0 .. n0 + W - 1 for one sample; `rendered` marks the lanes of 21..108.
    static void step(KeyBank& k, int n0, M rendered, const KeySample& in, float relaxRate, CrtRandom& random,
                     KeySums& sums, KeyReleases& releases)
    {
        const auto ld = [n0](const float* f) { return L::load(f + n0); };
        const auto st = [n0](float* f, F x) { L::store(f + n0, x); };
        const F zero = set(0.0f);
        const M down = L::flag(k.keyDown + n0) & rendered;
        const M relaxing =
            rendered & ~down &
            ((ld(k.mainStiffness) != ld(k.mainTargetStiffness)) |
             (ld(k.partialStiffness) != ld(k.partialTargetStiffness)) | (ld(k.bStiffness) != ld(k.bTargetStiffness)));
        const M awake = rendered & (down | ~L::isTiny(ld(k.aActivity)) | ~L::isTiny(ld(k.bActivity)) |
                                    (ld(k.bodyPosition) != zero) | (ld(k.bodyVelocity) != zero));
        // Keys that are up, silent and whose body string is still cost nothing.
        if (!some(relaxing | awake))
            return;
        const M started = down & L::atOrAfter(k.startOffset + n0, in.j);
        // The wheel's draws come before each key's own: with both in one sample,
        // the keys go one at a time.
        if (W > 1 && in.modWheelMotion != 0.0f && some(started) &&
            some(rendered & ((ld(k.diffusion) != zero) | L::flag(k.link + n0))))
        {
            const unsigned lanes = L::bits(rendered);
            for (int i = 0; i < W; ++i)
                if ((lanes >> i) & 1u)
                    KeyLanes<Lanes1>::step(k, n0 + i, {true}, in, relaxRate, random, sums, releases);
            return;
        }

        const unsigned relax = L::bits(relaxing);
        for (int i = 0; relax != 0 && i < W; ++i)
            if ((relax >> i) & 1u)
                relaxKeyPitch(k, n0 + i, relaxRate);
        if (some(started))
        {
            excite(k, n0, started, in, random);
            const unsigned lanes = L::bits(started);
            for (int i = 0; i < W; ++i)
                if (((lanes >> i) & 1u) && k.releaseAfterStrike[n0 + i] != 0)
                    releases.add(n0 + i);
        }

        const M aSounds = ~L::isTiny(ld(k.aActivity));
        const M bSounds = ~L::isTiny(ld(k.bActivity));
        const M tick = rendered & (down | aSounds | bSounds);
        alignas(32) float aL[W], aR[W], bL[W], bR[W], yL[W], yR[W];
        if (some(tick))
            tickKeys(k, n0, tick, in, random, aL, aR, bL, bR);

        const M aQuiet = rendered & ~aSounds, bQuiet = rendered & ~bSounds;
        st(k.aOutput, sel(aQuiet, zero, ld(k.aOutput)));
        st(k.aPartialVelocity, sel(aQuiet, zero, ld(k.aPartialVelocity)));
        st(k.aMainVelocity, sel(aQuiet, zero, ld(k.aMainVelocity)));
        st(k.bOutput, sel(bQuiet, zero, ld(k.bOutput)));
        st(k.bPartialVelocity, sel(bQuiet, zero, ld(k.bPartialVelocity)));
        st(k.bMainVelocity, sel(bQuiet, zero, ld(k.bMainVelocity)));

        // The sympathetic body string, at the key's current main stiffness.
        F bodyP = ld(k.bodyPosition), bodyV = ld(k.bodyVelocity);
        const F u = bodyV - bodyP;
        const M moves = u != zero;
        const F damped = u * ld(k.bodyDecay);
        const M stops = L::isTiny(damped);
        bodyV = sel(moves, sel(stops, zero, damped), bodyV);
        bodyP = sel(moves & ~stops, bodyP + damped * ld(k.mainStiffness), bodyP);
        const M bodyQuiet = L::isTiny(bodyP);
        bodyP = sel(bodyQuiet, zero, bodyP);
        st(k.bodyPosition, sel(rendered, bodyP, ld(k.bodyPosition)));
        st(k.bodyVelocity, sel(rendered, bodyV, ld(k.bodyVelocity)));
        L::store(yL, bodyP * ld(k.panBodyLeft));
        L::store(yR, bodyP * ld(k.panBodyRight));

        // The sums in ascending key order, spring A before spring B. A sum that
        // starts at +0 never becomes -0, so adding a zero in place of a silent
        // spring leaves its bits as skipping it would; silent keys are not visited.
        const unsigned aBits = L::bits(tick & aSounds), bBits = L::bits(tick & bSounds);
        for (unsigned keys = aBits | bBits; keys != 0; keys &= keys - 1)
        {
            const int i = __builtin_ctz(keys);
            const bool a = (aBits >> i) & 1u, b = (bBits >> i) & 1u;
            sums.springL = (sums.springL + (a ? aL[i] : 0.0f)) + (b ? bL[i] : 0.0f);
            sums.springR = (sums.springR + (a ? aR[i] : 0.0f)) + (b ? bR[i] : 0.0f);
        }
        for (unsigned keys = L::bits(rendered & ~bodyQuiet); keys != 0; keys &= keys - 1)
        {
            const int i = __builtin_ctz(keys);
            sums.bodyL += yL[i];
            sums.bodyR += yR[i];
        }
    }

    // One sample of the keys in `tick`: LFO and envelope, spring A, spring B
    // (coupled or NOISE) and the output stage; the panned outputs into the
    // contribution lanes.
    static void tickKeys(KeyBank& k, int n0, M tick, const KeySample& in, CrtRandom& random, float* aL, float* aR,
                         float* bL, float* bR)
    {
        const auto ld = [n0](const float* f) { return L::load(f + n0); };
        const auto st = [n0, tick](float* f, F x) { L::store(f + n0, sel(tick, x, L::load(f + n0))); };
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
        const F diffusion = ld(k.diffusion);
        const F n = sel(L::flag(k.link + n0), diffusion * w, diffusion);
        const M noise = ~(diffusion < one);
        const M coupled = ~noise;
        const F drive = ld(k.bDrive);
        F g = drive * ld(k.beatGuard);
        M couples = ~L::isTiny(g);
        g = g * (one - sel(a > zero, a, zero));
        couples = couples & ~L::isTiny(g);
        const M diffused = tick & coupled & couples & (n != zero);
        const M live = (w > zero) & (drive > zero);
        const F amp = drive * (ld(k.strikeForceSnapshot) * set(10.0f) * w);
        const M fires = noise & live & (amp > zero);
        F r = zero;
        if (const unsigned draws = L::bits(diffused | (tick & fires)))
        {
            alignas(32) float drawn[W];
            drawLanes(random, draws, W, drawn);
            r = L::load(drawn);
        }
        g = sel(diffused, g * (one - r * set(kRandScale) * n), g);
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
        L::store(aL, o * ld(k.panALeft) * gainA);
        L::store(aR, o * ld(k.panARight) * gainA);
        L::store(bL, crushed * ld(k.panBLeft));
        L::store(bR, crushed * ld(k.panBRight));

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

    // Every key of 21..108, in groups of W from key 16 (W = 1: key by key).
    static void stepKeys(KeyBank& k, const KeySample& in, float relaxRate, CrtRandom& random, KeySums& sums,
                         KeyReleases& releases)
    {
        const int first = W == 1 ? kFirstKey : kFirstKey - kFirstKey % W;
        for (int n0 = first; n0 <= kLastKey; n0 += W)
        {
            unsigned lanes = 0;
            for (int i = 0; i < W; ++i)
                lanes |= (n0 + i >= kFirstKey && n0 + i <= kLastKey ? 1u : 0u) << i;
            step(k, n0, L::maskOf(lanes), in, relaxRate, random, sums, releases);
        }
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
    return KeyLaneKernels{&KeyLanes<L>::stepKeys, &KeyLanes<L>::addToRange};
}

} // namespace VANT_LANES
