// Output filters: the one-pole corners as a listener hears them.
#include "engine/OutputFilters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr float kRate = 48000.0f;

// RMS of the filtered sine over its last half second (after the filter settled).
double filteredRms(OutputFilters& f, double hz)
{
    const int n = 48000;
    std::vector<float> l(n), r(n);
    for (int i = 0; i < n; ++i) l[i] = r[i] = static_cast<float>(std::sin(2 * M_PI * hz * i / kRate));
    f.process(l.data(), r.data(), n);
    double sum = 0;
    for (int i = n / 2; i < n; ++i) sum += static_cast<double>(l[i]) * l[i];
    return std::sqrt(sum / (n / 2)) * std::sqrt(2.0);
}

double onePoleGain(double hz, double e)
{
    const double w = 2 * M_PI * hz / kRate;
    return (1 - e) / std::sqrt(1 - 2 * e * std::cos(w) + e * e);
}

} // namespace

TEST(EffectsFilters, DefaultLowpassFollowsTheOnePoleAt2055Hz)
{
    const double e = OutputFilters::pole(1.0f, kRate);
    EXPECT_NEAR(e, std::exp(-2 * M_PI * 2054.95 / 48000.0), 1e-6);
    for (double hz : {500.0, 6000.0}) {
        OutputFilters f;
        f.setHighpass(0.0f, kRate);
        f.setLowpass(1.0f, kRate);
        EXPECT_NEAR(filteredRms(f, hz), onePoleGain(hz, e), 0.01) << hz;
    }
    OutputFilters a, b;
    a.setLowpass(1.0f, kRate);
    b.setLowpass(1.0f, kRate);
    EXPECT_LT(filteredRms(b, 6000.0), 0.4 * filteredRms(a, 500.0));
}

TEST(EffectsFilters, HighpassAtZeroPassesTheSignal)
{
    OutputFilters f;
    f.setHighpass(0.0f, kRate);
    std::vector<float> l(1000), r(1000), l0, r0;
    for (int i = 0; i < 1000; ++i) {
        l[i] = std::sin(i * 0.01f) + 0.3f; // with an offset
        r[i] = std::cos(i * 0.37f);
    }
    l0 = l;
    r0 = r;
    f.process(l.data(), r.data(), 1000);
    EXPECT_EQ(l, l0);
    EXPECT_EQ(r, r0);
}

TEST(EffectsFilters, HighpassRemovesDcAndLowpassAtZeroHolds)
{
    OutputFilters f;
    f.setHighpass(0.1f, kRate); // about 205 Hz
    std::vector<float> l(48000, 0.5f), r(48000, -0.5f);
    f.process(l.data(), r.data(), 48000);
    EXPECT_NEAR(l.back(), 0.0f, 1e-4f);
    EXPECT_NEAR(r.back(), 0.0f, 1e-4f);

    OutputFilters hold;
    hold.setLowpass(0.0f, kRate);
    std::vector<float> a(100, 0.7f), b(100, 0.7f);
    hold.process(a.data(), b.data(), 100);
    EXPECT_EQ(a.back(), 0.0f);
}
