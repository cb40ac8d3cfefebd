#pragma once

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

// Magnitude of the Hann-windowed spectrum of x[start, start+length) at f Hz.
inline double spectrumMagnitude(const std::vector<float>& x, double rate, double f, int start, int length)
{
    const std::complex<double> step = std::polar(1.0, -2.0 * M_PI * f / rate);
    std::complex<double> turn = 1.0, sum = 0.0;
    for (int i = 0; i < length; ++i, turn *= step)
        sum += x[static_cast<size_t>(start + i)] * (0.5 - 0.5 * std::cos(2.0 * M_PI * i / (length - 1))) * turn;
    return std::abs(sum);
}

// The frequency of the strongest partial within +-8 % of the expected one: a
// grid search, then a ternary search of the spectral peak between the grid's
// neighbours.
inline double measurePitch(const std::vector<float>& x, double rate, double expected, int start, int length)
{
    auto magnitude = [&](double f) { return spectrumMagnitude(x, rate, f, start, length); };
    const double lo = expected * 0.92, step = expected * 0.16 / 160;
    double best = lo, bestMagnitude = -1.0;
    for (int i = 0; i <= 160; ++i)
        if (const double m = magnitude(lo + step * i); m > bestMagnitude)
            bestMagnitude = m, best = lo + step * i;
    double a = best - step, b = best + step;
    for (int i = 0; i < 40; ++i)
    {
        const double c = a + (b - a) / 3, d = b - (b - a) / 3;
        if (magnitude(c) > magnitude(d))
            b = d;
        else
            a = c;
    }
    return 0.5 * (a + b);
}

inline double centsBetween(double f, double reference) { return 1200.0 * std::log2(f / reference); }
