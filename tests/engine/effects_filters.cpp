// Output filters: the one-pole corners as a listener hears them.
#include "engine/OutputFilters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr float kRate = 48000.0f;

// Amplitude (RMS times sqrt 2) of a unit sine through f, over the last half of one second.
double filteredLevel(OutputFilters& f, double hz)
{
    const int n = 48000;
    std::vector<float> l(n), r(n);
    for (int i = 0; i < n; ++i) l[i] = r[i] = static_cast<float>(std::sin(2 * M_PI * hz * i / kRate));
    f.process(l.data(), r.data(), n);
    double sum = 0;
    for (int i = n / 2; i < n; ++i) sum += static_cast<double>(l[i]) * l[i];
    return std::sqrt(sum / (n / 2)) * std::sqrt(2.0);
}

} // namespace

TEST(EffectsFilters, DefaultLowpassFollowsTheOnePoleAt2055Hz)
{
    const double e = OutputFilters::pole(1.0f, kRate);
    EXPECT_NEAR(e, std::exp(-2 * M_PI * 2054.95 / 48000.0), 1e-6);
    double level[2];
    for (int i : {0, 1}) {
        const double hz = i == 0 ? 500.0 : 6000.0, w = 2 * M_PI * hz / kRate;
        OutputFilters f;
        f.setHighpass(0.0f, kRate);
        f.setLowpass(1.0f, kRate);
        level[i] = filteredLevel(f, hz);
        EXPECT_NEAR(level[i], (1 - e) / std::sqrt(1 - 2 * e * std::cos(w) + e * e), 0.01) << hz;
    }
    EXPECT_LT(level[1], 0.4 * level[0]);
}

TEST(EffectsFilters, HighpassAtZeroPassesAboveZeroRemovesDc)
{
    OutputFilters pass;
    pass.setHighpass(0.0f, kRate);
    std::vector<float> l(1000), r(1000);
    for (int i = 0; i < 1000; ++i) {
        l[i] = std::sin(i * 0.01f) + 0.3f; // with an offset
        r[i] = std::cos(i * 0.37f);
    }
    const std::vector<float> l0 = l, r0 = r;
    pass.process(l.data(), r.data(), 1000);
    EXPECT_EQ(l, l0);
    EXPECT_EQ(r, r0);

    OutputFilters dc;
    dc.setHighpass(0.1f, kRate); // about 205 Hz
    std::vector<float> a(48000, 0.5f), b(48000, -0.5f);
    dc.process(a.data(), b.data(), 48000);
    EXPECT_NEAR(a.back(), 0.0f, 1e-4f);
    EXPECT_NEAR(b.back(), 0.0f, 1e-4f);
}
