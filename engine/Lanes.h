#pragma once
// Lanes of 32-bit floats for the key bank: one key per lane, 1 (plain
// floats), 4 (SSE2) or 8 (AVX2, where this file is compiled for it). Every
// operation is the IEEE operation of the scalar code lane by lane, so all
// widths give the same bits; conditions become masks and selects.
//
// Each translation unit that includes this defines VANT_LANES, its own
// namespace: code built for one instruction set never merges with another's.
#ifndef VANT_LANES
#error "define VANT_LANES (a namespace of this translation unit) before including engine/Lanes.h"
#endif

#include <cstdint>
#include <cstring>

#include <emmintrin.h>
#if defined(__AVX2__)
#include <immintrin.h>
#endif

// The per-sample steps go inline into the loops over samples and groups.
#define VANT_LANES_INLINE __attribute__((always_inline)) inline

namespace VANT_LANES {

// Below 2^23 a float may have a fraction; from there on it is whole.
constexpr float kWholeFrom = 8388608.0f;

// --- one lane ---------------------------------------------------------------

struct Lanes1
{
    static constexpr int kWidth = 1;
    struct F
    {
        float v;
    };
    struct M
    {
        bool v;
    };

    static F load(const float* p) { return {*p}; }
    static void store(float* p, F x) { *p = x.v; }
    static F set(float x) { return {x}; }
    static M flag(const int32_t* p) { return {*p != 0}; }
    static M atOrAfter(const int32_t* p, int32_t j) { return {j >= *p}; }
    static M maskOf(unsigned bits) { return {(bits & 1u) != 0}; }
    // Lanes of keys n0 + i with lo <= n0 + i < hi.
    static M keysIn(int32_t n0, int32_t lo, int32_t hi) { return {n0 >= lo && n0 < hi}; }
    static unsigned bits(M m) { return m.v ? 1u : 0u; }

    static uint32_t bitsOf(float x)
    {
        uint32_t b;
        std::memcpy(&b, &x, sizeof b);
        return b;
    }
    static float fromBits(uint32_t b)
    {
        float x;
        std::memcpy(&x, &b, sizeof x);
        return x;
    }
    static F abs(F x) { return {fromBits(bitsOf(x.v) & 0x7FFFFFFFu)}; }
    static M isTiny(F x) { return {(bitsOf(x.v) & 0x7FF00000u) == 0}; }
    static F select(M m, F a, F b) { return m.v ? a : b; }
    static F floor(F x)
    {
        if (!(abs(x).v < kWholeFrom))
            return x;
        float t = static_cast<float>(static_cast<int32_t>(x.v));
        if (t > x.v)
            t -= 1.0f;
        return {fromBits(bitsOf(t) | (bitsOf(x.v) & 0x80000000u))}; // floor(-0) is -0
    }
    static F subDouble(F x, double c) { return {static_cast<float>(static_cast<double>(x.v) - c)}; }
    static void transpose(F (&)[1]) {}
};

inline Lanes1::F operator+(Lanes1::F a, Lanes1::F b) { return {a.v + b.v}; }
inline Lanes1::F operator-(Lanes1::F a, Lanes1::F b) { return {a.v - b.v}; }
inline Lanes1::F operator*(Lanes1::F a, Lanes1::F b) { return {a.v * b.v}; }
inline Lanes1::F operator/(Lanes1::F a, Lanes1::F b) { return {a.v / b.v}; }
inline Lanes1::M operator<(Lanes1::F a, Lanes1::F b) { return {a.v < b.v}; }
inline Lanes1::M operator>(Lanes1::F a, Lanes1::F b) { return {a.v > b.v}; }
inline Lanes1::M operator>=(Lanes1::F a, Lanes1::F b) { return {a.v >= b.v}; }
inline Lanes1::M operator==(Lanes1::F a, Lanes1::F b) { return {a.v == b.v}; }
inline Lanes1::M operator!=(Lanes1::F a, Lanes1::F b) { return {a.v != b.v}; }
inline Lanes1::M operator&(Lanes1::M a, Lanes1::M b) { return {a.v && b.v}; }
inline Lanes1::M operator|(Lanes1::M a, Lanes1::M b) { return {a.v || b.v}; }
inline Lanes1::M operator~(Lanes1::M a) { return {!a.v}; }

// --- four lanes (SSE2, the baseline) ----------------------------------------

struct Lanes4
{
    static constexpr int kWidth = 4;
    struct F
    {
        __m128 v;
    };
    struct M
    {
        __m128 v;
    };

    static F load(const float* p) { return {_mm_load_ps(p)}; }
    static void store(float* p, F x) { _mm_store_ps(p, x.v); }
    static F set(float x) { return {_mm_set1_ps(x)}; }
    static M flag(const int32_t* p)
    {
        const __m128i zero = _mm_cmpeq_epi32(_mm_load_si128(reinterpret_cast<const __m128i*>(p)), _mm_setzero_si128());
        return {_mm_castsi128_ps(_mm_xor_si128(zero, _mm_set1_epi32(-1)))};
    }
    static M atOrAfter(const int32_t* p, int32_t j)
    {
        const __m128i later = _mm_cmpgt_epi32(_mm_load_si128(reinterpret_cast<const __m128i*>(p)), _mm_set1_epi32(j));
        return {_mm_castsi128_ps(_mm_xor_si128(later, _mm_set1_epi32(-1)))};
    }
    static M maskOf(unsigned bits)
    {
        return {_mm_castsi128_ps(
            _mm_set_epi32(bits & 8u ? -1 : 0, bits & 4u ? -1 : 0, bits & 2u ? -1 : 0, bits & 1u ? -1 : 0))};
    }
    static unsigned bits(M m) { return static_cast<unsigned>(_mm_movemask_ps(m.v)); }
    static M keysIn(int32_t n0, int32_t lo, int32_t hi)
    {
        const __m128i key = _mm_add_epi32(_mm_set1_epi32(n0), _mm_set_epi32(3, 2, 1, 0));
        const __m128i in =
            _mm_and_si128(_mm_cmpgt_epi32(key, _mm_set1_epi32(lo - 1)), _mm_cmplt_epi32(key, _mm_set1_epi32(hi)));
        return {_mm_castsi128_ps(in)};
    }

    static F abs(F x) { return {_mm_and_ps(x.v, _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF)))}; }
    static M isTiny(F x)
    {
        const __m128i e = _mm_and_si128(_mm_castps_si128(x.v), _mm_set1_epi32(0x7FF00000));
        return {_mm_castsi128_ps(_mm_cmpeq_epi32(e, _mm_setzero_si128()))};
    }
    static F select(M m, F a, F b) { return {_mm_or_ps(_mm_and_ps(m.v, a.v), _mm_andnot_ps(m.v, b.v))}; }
    static F floor(F x)
    {
        const __m128 sign = _mm_castsi128_ps(_mm_set1_epi32(static_cast<int32_t>(0x80000000u)));
        const __m128 fraction = _mm_cmplt_ps(abs(x).v, _mm_set1_ps(kWholeFrom));
        __m128 t = _mm_cvtepi32_ps(_mm_cvttps_epi32(x.v));
        t = _mm_sub_ps(t, _mm_and_ps(_mm_cmpgt_ps(t, x.v), _mm_set1_ps(1.0f)));
        t = _mm_or_ps(t, _mm_and_ps(x.v, sign));
        return select({fraction}, {t}, x);
    }
    static F subDouble(F x, double c)
    {
        const __m128d cd = _mm_set1_pd(c);
        const __m128d lo = _mm_sub_pd(_mm_cvtps_pd(x.v), cd);
        const __m128d hi = _mm_sub_pd(_mm_cvtps_pd(_mm_movehl_ps(x.v, x.v)), cd);
        return {_mm_movelh_ps(_mm_cvtpd_ps(lo), _mm_cvtpd_ps(hi))};
    }
    // Rows of lanes become columns: r[i] lane j takes r[j] lane i.
    static void transpose(F (&r)[4]) { _MM_TRANSPOSE4_PS(r[0].v, r[1].v, r[2].v, r[3].v); }
};

inline Lanes4::F operator+(Lanes4::F a, Lanes4::F b) { return {_mm_add_ps(a.v, b.v)}; }
inline Lanes4::F operator-(Lanes4::F a, Lanes4::F b) { return {_mm_sub_ps(a.v, b.v)}; }
inline Lanes4::F operator*(Lanes4::F a, Lanes4::F b) { return {_mm_mul_ps(a.v, b.v)}; }
inline Lanes4::F operator/(Lanes4::F a, Lanes4::F b) { return {_mm_div_ps(a.v, b.v)}; }
inline Lanes4::M operator<(Lanes4::F a, Lanes4::F b) { return {_mm_cmplt_ps(a.v, b.v)}; }
inline Lanes4::M operator>(Lanes4::F a, Lanes4::F b) { return {_mm_cmpgt_ps(a.v, b.v)}; }
inline Lanes4::M operator>=(Lanes4::F a, Lanes4::F b) { return {_mm_cmpge_ps(a.v, b.v)}; }
inline Lanes4::M operator==(Lanes4::F a, Lanes4::F b) { return {_mm_cmpeq_ps(a.v, b.v)}; }
inline Lanes4::M operator!=(Lanes4::F a, Lanes4::F b) { return {_mm_cmpneq_ps(a.v, b.v)}; }
inline Lanes4::M operator&(Lanes4::M a, Lanes4::M b) { return {_mm_and_ps(a.v, b.v)}; }
inline Lanes4::M operator|(Lanes4::M a, Lanes4::M b) { return {_mm_or_ps(a.v, b.v)}; }
inline Lanes4::M operator~(Lanes4::M a) { return {_mm_xor_ps(a.v, _mm_castsi128_ps(_mm_set1_epi32(-1)))}; }

// --- eight lanes (AVX2, only where this unit is compiled for it) -------------

#if defined(__AVX2__)
struct Lanes8
{
    static constexpr int kWidth = 8;
    struct F
    {
        __m256 v;
    };
    struct M
    {
        __m256 v;
    };

    static F load(const float* p) { return {_mm256_load_ps(p)}; }
    static void store(float* p, F x) { _mm256_store_ps(p, x.v); }
    static F set(float x) { return {_mm256_set1_ps(x)}; }
    static M flag(const int32_t* p)
    {
        const __m256i zero =
            _mm256_cmpeq_epi32(_mm256_load_si256(reinterpret_cast<const __m256i*>(p)), _mm256_setzero_si256());
        return {_mm256_castsi256_ps(_mm256_xor_si256(zero, _mm256_set1_epi32(-1)))};
    }
    static M atOrAfter(const int32_t* p, int32_t j)
    {
        const __m256i later =
            _mm256_cmpgt_epi32(_mm256_load_si256(reinterpret_cast<const __m256i*>(p)), _mm256_set1_epi32(j));
        return {_mm256_castsi256_ps(_mm256_xor_si256(later, _mm256_set1_epi32(-1)))};
    }
    static M maskOf(unsigned bits)
    {
        const __m256i lane = _mm256_set_epi32(128, 64, 32, 16, 8, 4, 2, 1);
        const __m256i hit = _mm256_and_si256(_mm256_set1_epi32(static_cast<int32_t>(bits)), lane);
        return {_mm256_castsi256_ps(_mm256_cmpeq_epi32(hit, lane))};
    }
    static unsigned bits(M m) { return static_cast<unsigned>(_mm256_movemask_ps(m.v)); }
    static M keysIn(int32_t n0, int32_t lo, int32_t hi)
    {
        const __m256i key = _mm256_add_epi32(_mm256_set1_epi32(n0), _mm256_set_epi32(7, 6, 5, 4, 3, 2, 1, 0));
        const __m256i in = _mm256_and_si256(_mm256_cmpgt_epi32(key, _mm256_set1_epi32(lo - 1)),
                                            _mm256_cmpgt_epi32(_mm256_set1_epi32(hi), key));
        return {_mm256_castsi256_ps(in)};
    }

    static F abs(F x) { return {_mm256_and_ps(x.v, _mm256_castsi256_ps(_mm256_set1_epi32(0x7FFFFFFF)))}; }
    static M isTiny(F x)
    {
        const __m256i e = _mm256_and_si256(_mm256_castps_si256(x.v), _mm256_set1_epi32(0x7FF00000));
        return {_mm256_castsi256_ps(_mm256_cmpeq_epi32(e, _mm256_setzero_si256()))};
    }
    static F select(M m, F a, F b) { return {_mm256_blendv_ps(b.v, a.v, m.v)}; }
    static F floor(F x) { return {_mm256_round_ps(x.v, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC)}; }
    static F subDouble(F x, double c)
    {
        const __m256d cd = _mm256_set1_pd(c);
        const __m256d lo = _mm256_sub_pd(_mm256_cvtps_pd(_mm256_castps256_ps128(x.v)), cd);
        const __m256d hi = _mm256_sub_pd(_mm256_cvtps_pd(_mm256_extractf128_ps(x.v, 1)), cd);
        return {_mm256_set_m128(_mm256_cvtpd_ps(hi), _mm256_cvtpd_ps(lo))};
    }
    // One draw of the C runtime's generator (0..32767) into every lane of
    // `lanes`, in lane order, +0 elsewhere; x is the state before the first
    // and becomes the state after the last. Each lane's draw comes from x
    // jumped ahead by its place (A[m] x + C[m]), so none waits for another.
    static F draws(M lanes, uint32_t& x, const uint32_t (&a)[9], const uint32_t (&c)[9])
    {
        const unsigned bits = static_cast<unsigned>(_mm256_movemask_ps(lanes.v));
        // lane i draws the (1 + number of drawing lanes below i)-th number
        alignas(32) int32_t place[8];
        int count = 0;
        for (int i = 0; i < 8; ++i)
        {
            count += (bits >> i) & 1u;
            place[i] = count;
        }
        const __m256i m = _mm256_load_si256(reinterpret_cast<const __m256i*>(place));
        const __m256i index = _mm256_sub_epi32(m, _mm256_set1_epi32(1));
        const __m256i ja =
            _mm256_permutevar8x32_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + 1)), index);
        const __m256i jc =
            _mm256_permutevar8x32_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(c + 1)), index);
        const __m256i s = _mm256_add_epi32(_mm256_mullo_epi32(ja, _mm256_set1_epi32(static_cast<int32_t>(x))), jc);
        const __m256i v = _mm256_and_si256(_mm256_srli_epi32(s, 16), _mm256_set1_epi32(0x7FFF));
        x = a[count] * x + c[count];
        return {_mm256_and_ps(lanes.v, _mm256_cvtepi32_ps(v))};
    }

    // Rows of lanes become columns: r[i] lane j takes r[j] lane i.
    static void transpose(F (&r)[8])
    {
        __m256 t[8], u[8];
        for (int i = 0; i < 8; i += 2)
        {
            t[i] = _mm256_unpacklo_ps(r[i].v, r[i + 1].v);
            t[i + 1] = _mm256_unpackhi_ps(r[i].v, r[i + 1].v);
        }
        for (int i = 0; i < 8; i += 4)
        {
            u[i] = _mm256_shuffle_ps(t[i], t[i + 2], _MM_SHUFFLE(1, 0, 1, 0));
            u[i + 1] = _mm256_shuffle_ps(t[i], t[i + 2], _MM_SHUFFLE(3, 2, 3, 2));
            u[i + 2] = _mm256_shuffle_ps(t[i + 1], t[i + 3], _MM_SHUFFLE(1, 0, 1, 0));
            u[i + 3] = _mm256_shuffle_ps(t[i + 1], t[i + 3], _MM_SHUFFLE(3, 2, 3, 2));
        }
        for (int i = 0; i < 4; ++i)
        {
            r[i].v = _mm256_permute2f128_ps(u[i], u[i + 4], 0x20);
            r[i + 4].v = _mm256_permute2f128_ps(u[i], u[i + 4], 0x31);
        }
    }
};

inline Lanes8::F operator+(Lanes8::F a, Lanes8::F b) { return {_mm256_add_ps(a.v, b.v)}; }
inline Lanes8::F operator-(Lanes8::F a, Lanes8::F b) { return {_mm256_sub_ps(a.v, b.v)}; }
inline Lanes8::F operator*(Lanes8::F a, Lanes8::F b) { return {_mm256_mul_ps(a.v, b.v)}; }
inline Lanes8::F operator/(Lanes8::F a, Lanes8::F b) { return {_mm256_div_ps(a.v, b.v)}; }
inline Lanes8::M operator<(Lanes8::F a, Lanes8::F b) { return {_mm256_cmp_ps(a.v, b.v, _CMP_LT_OQ)}; }
inline Lanes8::M operator>(Lanes8::F a, Lanes8::F b) { return {_mm256_cmp_ps(a.v, b.v, _CMP_GT_OQ)}; }
inline Lanes8::M operator>=(Lanes8::F a, Lanes8::F b) { return {_mm256_cmp_ps(a.v, b.v, _CMP_GE_OQ)}; }
inline Lanes8::M operator==(Lanes8::F a, Lanes8::F b) { return {_mm256_cmp_ps(a.v, b.v, _CMP_EQ_OQ)}; }
inline Lanes8::M operator!=(Lanes8::F a, Lanes8::F b) { return {_mm256_cmp_ps(a.v, b.v, _CMP_NEQ_UQ)}; }
inline Lanes8::M operator&(Lanes8::M a, Lanes8::M b) { return {_mm256_and_ps(a.v, b.v)}; }
inline Lanes8::M operator|(Lanes8::M a, Lanes8::M b) { return {_mm256_or_ps(a.v, b.v)}; }
inline Lanes8::M operator~(Lanes8::M a) { return {_mm256_xor_ps(a.v, _mm256_castsi256_ps(_mm256_set1_epi32(-1)))}; }
#endif

} // namespace VANT_LANES
