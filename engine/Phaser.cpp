#include "engine/Phaser.h"
#include "common/DspConstants.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include <emmintrin.h>

#include "engine/Curves.h"
#include "engine/Denormals.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kQuarterTurn = 1.5707963705062866; // radians per beat of the song-locked sweep

inline float unit(float v)
{
    if (!(v > 0.0f))
        return 0.0f;
    return v > 1.0f ? 1.0f : v;
}

} // namespace

void Phaser::setFrequency(float v, float concertA, float fs)
{
    if (!std::isfinite(v))
        v = 0.0f;
    const double T = 1.0 / static_cast<double>(fs);
    const double f = std::pow(2.0, (128.0 * v - 69.0) / 12.0) * concertA;
    stiffness_ = f * f * kFourPiSquared * T * T;
}

void Phaser::setFeedback(float v) { feedback_ = std::pow(unit(v), 0.25f); }
void Phaser::setMix(float v) { mix_ = std::isfinite(v) ? v : 0.0f; }

void Phaser::setTremoloSync(float v, float beatsPerSample)
{
    const int mode = static_cast<int>(2.0f * unit(v));
    sync_ = static_cast<Sync>(mode);
    updateIncrement(beatsPerSample);
}

void Phaser::setTremoloRate(float v, float beatsPerSample)
{
    rate_ = unit(v);
    updateIncrement(beatsPerSample);
}

void Phaser::setTremoloWidth(float v)
{
    if (!std::isfinite(v))
        v = 0.5f;
    width_ = (2.0f * v - 1.0f) * 3.14159265f;
}

void Phaser::updateIncrement(float beatsPerSample)
{
    if (sync_ == Sync::Off)
    {
        increment_ = std::pow(rate_, 4.0f) * 0.002f + 0.0001f;
    }
    else
    {
        const int n = static_cast<int>(16.0f * rate_);
        double perBeat = std::pow(2.0, n / 2.0);
        // Song mode sets the phase at each block start at pi/2 per beat of
        // this; within the block it must run at the same pace, or it steps
        // at every block.
        if (sync_ == Sync::Song)
            perBeat *= kQuarterTurn;
        increment_ = static_cast<float>(perBeat * beatsPerSample);
    }
}

void Phaser::tempoChanged(float beatsPerSample)
{
    if (sync_ != Sync::Off) // both synced modes run at the tempo
        updateIncrement(beatsPerSample);
}

void Phaser::followSongPosition(double songPosition)
{
    if (sync_ == Sync::Song && std::isfinite(songPosition))
    {
        const int n = static_cast<int>(16.0f * rate_);
        // Whole turns change nothing in the sweep; folding them away keeps the
        // phase precise late in a song.
        const double p = std::pow(2.0, n * 0.5) * songPosition * kQuarterTurn;
        phase_ = std::fmod(p, kTwoPi);
        if (phase_ < 0.0)
            phase_ += kTwoPi;
    }
}

void Phaser::clear()
{
    left_ = Node{};
    right_ = Node{};
}

void Phaser::fastSinPair(const double x[2], double out[2])
{
    const __m128d v = _mm_loadu_pd(x);
    const __m128d t = _mm_mul_pd(v, _mm_set1_pd(0.3183098861837907));
    const __m128d sign = _mm_set1_pd(-0.0);
    // Beyond 2^51 (never a phaser's phase) the scalar folding takes over.
    if (_mm_movemask_pd(_mm_cmplt_pd(_mm_andnot_pd(sign, t), _mm_set1_pd(2251799813685248.0))) != 3)
    {
        out[0] = fastSin(x[0]);
        out[1] = fastSin(x[1]);
        return;
    }
    // Nearest whole number, ties to even, with the sign of t (as nearbyint);
    // its parity is the last bit of the rounded sum.
    const __m128d kRound = _mm_set1_pd(6755399441055744.0);
    const __m128d rounded = _mm_add_pd(t, kRound);
    const __m128d k = _mm_or_pd(_mm_andnot_pd(sign, _mm_sub_pd(rounded, kRound)), _mm_and_pd(sign, t));
    const __m128i odd = _mm_slli_epi64(_mm_castpd_si128(rounded), 63);
    const __m128d r = _mm_sub_pd(v, _mm_mul_pd(k, _mm_set1_pd(3.141592653589793)));
    const __m128d r2 = _mm_mul_pd(r, r);
    __m128d p = _mm_sub_pd(_mm_mul_pd(_mm_set1_pd(0.0073524681968701175), r2), _mm_set1_pd(0.1652891139701474));
    p = _mm_add_pd(_mm_mul_pd(p, r2), _mm_set1_pd(0.9996919862959676));
    const __m128d s = _mm_mul_pd(r, p);
    _mm_storeu_pd(out, _mm_xor_pd(s, _mm_castsi128_pd(odd)));
}

float Phaser::stage(Node& n, float x, float a)
{
    float w = x - n.y * feedback_ * a;
    n.y = n.s - w * a;
    n.s = n.y * a + w;
    if (isTiny(w))
        w = 0.0f;
    n.w = w;
    return x - mix_ * w;
}

void Phaser::process(float& left, float& right, float depth)
{
    if (mix_ == 0.0f)
        return;
    // Depth beyond 0..1 could drive the node's pole through a division by zero.
    depth = unit(depth);
    // Both channels' sweep at once: g = (depth sin + 1) k, a = (1 - g) / (g + 1).
    const double phases[2] = {phase_, phase_ + width_};
    alignas(16) double sines[2];
    fastSinPair(phases, sines);
    const __m128d one = _mm_set1_pd(1.0);
    const __m128d g =
        _mm_mul_pd(_mm_add_pd(_mm_mul_pd(_mm_set1_pd(depth), _mm_load_pd(sines)), one), _mm_set1_pd(stiffness_));
    alignas(16) float a[4];
    _mm_store_ps(a, _mm_cvtpd_ps(_mm_div_pd(_mm_sub_pd(one, g), _mm_add_pd(g, one))));
    left = stage(left_, left, a[0]);
    right = stage(right_, right, a[1]);
    phase_ += increment_;
    if (phase_ > kTwoPi)
        phase_ -= kTwoPi;
}
