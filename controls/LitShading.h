#pragma once
// The small lighting model shared by the lit renderers (knob, switch thumb,
// pitch needle): vectors, the straight-alpha pixel target and the channel
// rule. Pure arithmetic; no toolkit type.

#include <cmath>
#include <cstdint>

struct LitVec
{
    double x = 0.0, y = 0.0, z = 0.0;
};

inline double dot(const LitVec& a, const LitVec& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Divide by the length when it is above 0, else leave the vector as it is.
inline LitVec normalise(LitVec v)
{
    const double len = std::sqrt(dot(v, v));
    if (len > 0.0)
    {
        v.x /= len;
        v.y /= len;
        v.z /= len;
    }
    return v;
}

// Mirror the view direction about the surface normal; V itself when V.n is 0.
inline LitVec reflect(const LitVec& v, const LitVec& n)
{
    const double vn = dot(v, n);
    if (vn == 0.0)
        return v;
    return {v.x - 2.0 * vn * n.x, v.y - 2.0 * vn * n.y, v.z - 2.0 * vn * n.z};
}

inline double clamp01(double v) { return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v); }

// A colour channel from its floating-point value: truncated, then held in 0..255.
inline uint8_t litChannel(double v)
{
    if (!(v > 0.0)) // also catches NaN
        return 0;
    if (v >= 255.0)
        return 255;
    return static_cast<uint8_t>(v);
}

// Where the renderer writes: a locked 32-bit bitmap holding straight
// (not premultiplied) colours, with the byte position of each channel.
struct LitPixels
{
    uint8_t* base = nullptr;
    int32_t bytesPerRow = 0;
    int32_t width = 0; // columns to fill
    int32_t rows = 0; // rows to fill (the drawn height, at most the bitmap's)
    int32_t red = 2, green = 1, blue = 0, alpha = 3; // little-endian BGRA by default

    void put(int32_t x, int32_t y, double r, double g, double b, double a) const
    {
        uint8_t* p = base + static_cast<intptr_t>(y) * bytesPerRow + static_cast<intptr_t>(x) * 4;
        p[red] = litChannel(r);
        p[green] = litChannel(g);
        p[blue] = litChannel(b);
        p[alpha] = litChannel(a);
    }
};

// Where the drawn rectangle sits in the frame: pixel (x, y) of the bitmap is
// the frame point (left + x, top + y); (cx, cy) is the rectangle's centre and
// height its height as drawn (at most the bitmap's).
struct LitPlacement
{
    double left = 0.0, top = 0.0;
    double cx = 0.0, cy = 0.0;
    double height = 0.0;
};

// Brightness of one pixel: half specular, half diffuse, plus ambient, for a
// unit normal n, a unit light direction d and the view direction toward the
// pixel's frame point.
inline double litBrightness(const LitVec& n, const LitVec& d, const LitVec& view, int exponent, double ambient)
{
    const double diffuse = std::fmax(0.0, dot(n, d));
    const double base = clamp01(dot(reflect(view, n), d));
    double specular = 1.0;
    for (int i = 0; i < exponent; ++i)
        specular *= base;
    return 0.5 * specular + 0.5 * diffuse + ambient;
}

// The dark rim of knobs and switch thumbs, toward the lower right.
inline double litRim(const LitVec& n)
{
    static const LitVec q = normalise({0.3, 0.3, -1.0});
    return 0.125 * std::fmax(0.0, dot(n, q));
}

// Linear move of a channel toward a target by f (0 stays, 1 arrives).
inline double toward(double from, double to, double f) { return from + (to - from) * f; }
