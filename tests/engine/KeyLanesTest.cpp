// The lane operations of the key bank give the bits of the scalar code on
// every width: the exact floor of the spring B quantiser, the double-precision
// step of the LFO pitch, and the quantiser as a whole; and the phaser's sine
// keeps its values without its library calls.
#define VANT_LANES key_lanes_test
#include "engine/KeyLanes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "common/FastSin.h"
#include "engine/CrtRandom.h"
#include "engine/Phaser.h"

namespace {

using key_lanes_test::KeyLanes;
using key_lanes_test::Lanes1;
using key_lanes_test::Lanes4;

uint32_t bitsOf(float x)
{
    uint32_t b;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

// Values around every edge the lanes treat apart: signed zeros, fractions
// of both signs, whole numbers, the 2^23 border, huge values and NaN.
std::vector<float> edgeValues()
{
    std::vector<float> v = {0.0f,   -0.0f,      0.5f,        -0.5f,      1.0f,        -1.0f, 2.5f,
                            -2.5f,  8388607.5f, -8388607.5f, 8388608.0f, -8388609.0f, 3e9f,  -3e9f,
                            1e-30f, -1e-30f,    INFINITY,    -INFINITY,  NAN};
    for (float x = -40.0f; x < 40.0f; x += 0.173f)
        v.push_back(x);
    return v;
}

// Four values at a time through the SSE2 lanes, one at a time through the plain ones.
template <typename Op4, typename Op1>
void expectSameBits(const std::vector<float>& values, Op4 op4, Op1 op1)
{
    for (size_t i = 0; i + 4 <= values.size(); i += 4)
    {
        alignas(16) float in[4], out[4];
        std::memcpy(in, &values[i], sizeof in);
        Lanes4::store(out, op4(Lanes4::load(in)));
        for (int l = 0; l < 4; ++l)
            EXPECT_EQ(bitsOf(out[l]), bitsOf(op1(Lanes1::F{in[l]}).v)) << in[l];
    }
}

TEST(KeyLanes, FloorAndTheDoubleStepMatchTheScalarOperations)
{
    const std::vector<float> values = edgeValues();
    for (float x : values)
    {
        if (std::isnan(x))
            EXPECT_TRUE(std::isnan(Lanes1::floor({x}).v));
        else
            EXPECT_EQ(bitsOf(Lanes1::floor({x}).v), bitsOf(std::floor(x))) << x;
        EXPECT_EQ(bitsOf(Lanes1::subDouble({x}, 0.15).v), bitsOf(static_cast<float>(static_cast<double>(x) - 0.15)));
    }
    expectSameBits(
        values, [](Lanes4::F x) { return Lanes4::floor(x); }, [](Lanes1::F x) { return Lanes1::floor(x); });
    expectSameBits(
        values, [](Lanes4::F x) { return Lanes4::subDouble(x, 0.3); },
        [](Lanes1::F x) { return Lanes1::subDouble(x, 0.3); });
}

TEST(KeyLanes, SpringBCrushStaysWithinItsStepWhenABowedExcitationOutlivesTheHit)
{
    // A soft strike leaves an excitation level far above 1; switching "Hit Power"
    // to 1 then enables the crush with that level. Every width gives the same bits.
    const float crush = 0.99f; // "sB crush" at the top
    for (float level : {0.0f, 0.5f, 1.0f, 3.0f, 50.0f, 1e6f})
    {
        for (float out = -0.99f; out < 1.0f; out += 0.0137f)
        {
            const float y = KeyLanes<Lanes1>::crushSpringB({out}, {level}, {1.0f}, {8.0f}, {0.125f}, crush).v;
            ASSERT_TRUE(std::isfinite(y)) << level << " " << out;
            ASSERT_NEAR(y, out, 0.125f + 1e-5f) << level << " " << out; // within its own step
            alignas(16) float four[4];
            Lanes4::store(four, KeyLanes<Lanes4>::crushSpringB(Lanes4::set(out), Lanes4::set(level), Lanes4::set(1.0f),
                                                               Lanes4::set(8.0f), Lanes4::set(0.125f), crush));
            EXPECT_EQ(bitsOf(four[3]), bitsOf(y));
        }
    }
    // Bowed strikes (hit power below 1) pass unquantised.
    EXPECT_EQ(KeyLanes<Lanes1>::crushSpringB({0.3f}, {0.5f}, {0.9f}, {8.0f}, {0.125f}, crush).v, 0.3f);
}

TEST(KeyLanes, PhaserSineKeepsItsValuesWithoutLibraryCalls)
{
    // The folding as it was written first: nearbyint and fmod.
    const auto reference = [](double x) {
        const double k = std::nearbyint(x * 0.3183098861837907);
        const double r = x - k * 3.141592653589793;
        const double r2 = r * r;
        const double s = r * ((0.0073524681968701175 * r2 - 0.1652891139701474) * r2 + 0.9996919862959676);
        return std::fmod(k, 2.0) == 0.0 ? s : -s;
    };
    std::vector<double> xs = {0.0, -0.0, 1e-300, -1e-300, 1e300, -1e300, 7e15, -7e15};
    for (int n = -40; n <= 40; ++n) // ties between two multiples of pi
        xs.push_back((n + 0.5) / 0.3183098861837907);
    for (double x = -100.0; x < 100.0; x += 0.0137)
        xs.push_back(x);
    const auto bits = [](double v) {
        uint64_t b;
        std::memcpy(&b, &v, sizeof b);
        return b;
    };
    for (size_t i = 0; i < xs.size(); ++i)
    {
        EXPECT_EQ(bits(fastSin(xs[i])), bits(reference(xs[i]))) << xs[i];
        // The phaser's two channels at once.
        const double pair[2] = {xs[i], xs[(i + 7) % xs.size()]};
        double out[2];
        Phaser::fastSinPair(pair, out);
        EXPECT_EQ(bits(out[0]), bits(reference(pair[0]))) << pair[0];
        EXPECT_EQ(bits(out[1]), bits(reference(pair[1]))) << pair[1];
    }
}

TEST(KeyLanes, DrawsJumpedAheadFollowTheGeneratorsOwnOrder)
{
    // Every lane pattern of a group of eight, from a state that moves on.
    CrtRandom jumped, stepped;
    jumped.seed(12345u), stepped.seed(12345u);
    for (unsigned lanes = 0; lanes < 256; ++lanes)
    {
        float out[8];
        drawLanes(jumped, lanes, 8, out);
        for (int i = 0; i < 8; ++i)
            ASSERT_EQ(out[i], ((lanes >> i) & 1u) ? static_cast<float>(stepped.next()) : 0.0f) << lanes << " " << i;
        ASSERT_EQ(jumped.state(), stepped.state()) << lanes;
    }
}

} // namespace
