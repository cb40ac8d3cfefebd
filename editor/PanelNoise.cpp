#include "editor/PanelNoise.h"

#include "common/FastSin.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kFrequency = 0.01;
constexpr int kOctaves = 8;
constexpr double kLacunarity = 2.433;
constexpr double kRoughness = 0.653;

// Integer part, truncated toward zero (the values here are far inside the
// 64-bit range).
double truncated(double v) { return static_cast<double>(static_cast<int64_t>(v)); }

// Fractional part keeping the sign of its argument.
double signedFrac(double v) { return v - truncated(v); }

double corner(double i, double j, double base)
{
    // A negative sum cannot occur on the panel's domain; the absolute value
    // keeps a stray one from turning the whole octave sum into NaN.
    const double a = (base + 1.9893) * i + (base + 0.2337) * j;
    return signedFrac(14371.545 * fastSin(std::sqrt(std::fabs(a))));
}

double blend(double c00, double c10, double c01, double c11, double fx, double fy)
{
    const double top = c00 + (c10 - c00) * fx;
    const double bottom = c01 + (c11 - c01) * fx;
    return top + (bottom - top) * fy;
}

// b^-roughness for the eight octave bases 2.433^o.
struct OctaveWeights
{
    double w[kOctaves];
    OctaveWeights()
    {
        double b = 1.0;
        for (double& v : w)
        {
            v = std::pow(b, -kRoughness);
            b *= kLacunarity;
        }
    }
};

const OctaveWeights& octaveWeights()
{
    static const OctaveWeights weights;
    return weights;
}

// Shapes the octave sum into 0..1.
double shaped(double sum)
{
    const double s = std::fmin(sum / 2.0, 1.0);
    if (s < 0.5)
    {
        const double t = 2.0 * s;
        return t / ((1.0 - t) * 2.0 + 1.0) * 0.5;
    }
    const double t = 2.0 * s - 1.0;
    return (t / (1.0 - 0.6666667 * (1.0 - t)) + 1.0) * 0.5;
}

// Each octave is pushed along by what the octaves so far added up to.
void warp(double& x, double& y, double sum)
{
    x += 53.0 * sum * fastSin(kPi * sum + kPi / 2);
    y += 53.0 * sum * fastSin(kPi * sum);
}

} // namespace

double valueNoise(double x, double y, double frequency, double octaveBase)
{
    const double X = frequency * x, Y = frequency * y;
    const double ix = truncated(X), iy = truncated(Y);
    return blend(corner(ix, iy, octaveBase), corner(ix + 1, iy, octaveBase), corner(ix, iy + 1, octaveBase),
                 corner(ix + 1, iy + 1, octaveBase), X - ix, Y - iy);
}

double fractalNoise(double x, double y)
{
    const OctaveWeights& weights = octaveWeights();
    double sum = 0.0, b = 1.0;
    for (int o = 0; o < kOctaves; ++o)
    {
        const double v = valueNoise(x, y, kFrequency, b) * weights.w[o];
        sum += v > 1.0 ? 1.0 : std::fabs(v);
        b *= kLacunarity;
        x *= kLacunarity;
        y *= kLacunarity;
        warp(x, y, sum);
    }
    return shaped(sum);
}

double PanelTexture::octaveNoise(int octave, double x, double y, double base)
{
    const double X = kFrequency * x, Y = kFrequency * y;
    const double ix = truncated(X), iy = truncated(Y);
    Cell& c = cells[octave];
    if (ix != c.ix || iy != c.iy)
    {
        if (iy == c.iy && ix == c.ix + 1)
        {
            // The next cell along the row shares its left corners.
            c.c00 = c.c10;
            c.c01 = c.c11;
        }
        else
        {
            c.c00 = corner(ix, iy, base);
            c.c01 = corner(ix, iy + 1, base);
        }
        c.c10 = corner(ix + 1, iy, base);
        c.c11 = corner(ix + 1, iy + 1, base);
        c.ix = ix;
        c.iy = iy;
    }
    return blend(c.c00, c.c10, c.c01, c.c11, X - ix, Y - iy);
}

double PanelTexture::fractal(double x, double y)
{
    const OctaveWeights& weights = octaveWeights();
    double sum = 0.0, b = 1.0;
    for (int o = 0; o < kOctaves; ++o)
    {
        const double v = octaveNoise(o, x, y, b) * weights.w[o];
        sum += v > 1.0 ? 1.0 : std::fabs(v);
        b *= kLacunarity;
        x *= kLacunarity;
        y *= kLacunarity;
        warp(x, y, sum);
    }
    return shaped(sum);
}

float PanelTexture::at(int x, int y)
{
    const double u = x + 100.0;
    const double v = y + 100.0 + 60.0 * fastSin(0.01 * u);
    return static_cast<float>(fractal(u, v) * 0.325 + 0.2);
}
