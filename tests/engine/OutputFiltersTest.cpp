// Output filters: the one-pole corners as a listener hears them.
#include "engine/OutputFilters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr float kRate = 48000.0f;

// One second of x(i) through the filters (a low-pass below 0 is left unset: it passes).
template <typename Signal>
std::vector<float> filtered(float highpass, float lowpass, Signal x)
{
    OutputFilters f;
    f.setHighpass(highpass, kRate);
    if (lowpass >= 0.0f)
        f.setLowpass(lowpass, kRate);
    std::vector<float> l(48000), r(48000);
    for (int i = 0; i < 48000; ++i)
        l[i] = r[i] = x(i);
    f.process(l.data(), r.data(), 48000);
    return l;
}

} // namespace

TEST(EffectsFilters, DefaultLowpassFollowsTheOnePoleAt2055Hz)
{
    const double e = std::exp(-2 * M_PI * 2054.95 / 48000.0);
    double level[2];
    for (int k : {0, 1})
    {
        const double w = 2 * M_PI * (k == 0 ? 500.0 : 6000.0) / kRate;
        const std::vector<float> y = filtered(0.0f, 1.0f, [w](int i) { return static_cast<float>(std::sin(w * i)); });
        double sum = 0; // amplitude over the last half second
        for (int i = 24000; i < 48000; ++i)
            sum += static_cast<double>(y[i]) * y[i];
        level[k] = std::sqrt(sum / 12000);
        EXPECT_NEAR(level[k], (1 - e) / std::sqrt(1 - 2 * e * std::cos(w) + e * e), 0.01) << w;
    }
    EXPECT_LT(level[1], 0.4 * level[0]);
}

TEST(EffectsFilters, HighpassAtZeroPassesAboveZeroRemovesDc)
{
    auto offsetSine = [](int i) { return std::sin(i * 0.01f) + 0.3f; };
    const std::vector<float> passed = filtered(0.0f, -1.0f, offsetSine);
    for (int i = 0; i < 48000; ++i)
        ASSERT_EQ(passed[i], offsetSine(i)) << i;
    EXPECT_NEAR(filtered(0.1f, -1.0f, [](int) { return 0.5f; }).back(), 0.0f, 1e-4f); // about 205 Hz
}
