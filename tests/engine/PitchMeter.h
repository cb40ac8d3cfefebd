#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

// Magnitude of the Hann-windowed spectrum of x[start, start+length) at f Hz.
inline double spectrumMagnitude(const std::vector<float>& x, double rate, double f, int start, int length)
{
    const double w = 2.0 * M_PI * f / rate;
    const double cw = std::cos(w), sw = std::sin(w);
    double c = 1.0, s = 0.0, re = 0.0, im = 0.0;
    for (int i = 0; i < length; ++i) {
        const double hann = 0.5 - 0.5 * std::cos(2.0 * M_PI * i / (length - 1));
        const double v = x[static_cast<size_t>(start + i)] * hann;
        re += v * c;
        im -= v * s;
        const double nc = c * cw - s * sw;
        s = s * cw + c * sw;
        c = nc;
    }
    return std::hypot(re, im);
}

// The frequency of the strongest partial within +-8 % of the expected one: a
// grid search followed by golden-section refinement of the spectral peak.
inline double measurePitch(const std::vector<float>& x, double rate, double expected, int start, int length)
{
    const double lo = expected * 0.92, hi = expected * 1.08;
    const int steps = 160;
    double best = lo, bestMag = -1.0;
    for (int i = 0; i <= steps; ++i) {
        const double f = lo + (hi - lo) * i / steps;
        const double m = spectrumMagnitude(x, rate, f, start, length);
        if (m > bestMag) {
            bestMag = m;
            best = f;
        }
    }
    double a = best - (hi - lo) / steps, b = best + (hi - lo) / steps;
    const double g = 0.6180339887498949;
    double c = b - g * (b - a), d = a + g * (b - a);
    double mc = spectrumMagnitude(x, rate, c, start, length), md = spectrumMagnitude(x, rate, d, start, length);
    for (int i = 0; i < 40; ++i) {
        if (mc > md) {
            b = d;
            d = c;
            md = mc;
            c = b - g * (b - a);
            mc = spectrumMagnitude(x, rate, c, start, length);
        } else {
            a = c;
            c = d;
            mc = md;
            d = a + g * (b - a);
            md = spectrumMagnitude(x, rate, d, start, length);
        }
    }
    return 0.5 * (a + b);
}

inline double centsBetween(double f, double reference) { return 1200.0 * std::log2(f / reference); }
