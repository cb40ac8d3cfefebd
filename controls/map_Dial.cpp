#include "controls/map_Dial.h"

#include "common/FastSin.h"

#include <cmath>

void renderLitDial(const LitPixels& px, const LitPlacement& at, double width, double value, bool highlighted)
{
    constexpr double kTwoPi = 6.283185307179586;
    const double radius = width / 2.0;
    const double radius2 = radius * radius;
    const double centreX = radius - 1.0;
    const double centreY = at.height / 2.0 - 1.0;

    // The pointer dimple sweeps 0.8 of a turn: lower left at 0, top at 0.5,
    // lower right at 1.
    const double turn = 0.1 + 0.8 * value;
    const double dimpleX = (0.6 * fastSin(-kTwoPi * turn) + 1.0) * radius - 1.0;
    const double dimpleY = (0.6 * fastSin(kTwoPi / 4.0 - kTwoPi * turn) + 1.0) * radius - 1.0;

    for (int32_t y = 0; y < px.rows; ++y)
    {
        for (int32_t x = 0; x < px.width; ++x)
        {
            const double dx = x - centreX;
            const double dy = y - centreY;
            const double q = 1.0 - (dx * dx + dy * dy) / radius2;
            if (q < 0.0)
            {
                px.put(x, y, 0, 0, 0, 0); // outside the knob: fully transparent
                continue;
            }
            // Dome with a gentle ripple toward the edge.
            const double h = 0.5 * q * std::sin(kTwoPi * std::sqrt(q)) + 0.5 * (1.0 - q);
            LitVec n{dx * h / radius, dy * h / radius, -q * q};
            const double ex = x - dimpleX;
            const double ey = y - dimpleY;
            const double d2 = ex * ex + ey * ey;
            if (d2 < radius2)
            {
                const double w = std::fmax(0.0, 1.0 - d2 / radius);
                n.x -= 0.1 * ex * w;
                n.y -= 0.1 * ey * w;
            }
            n = normalise(n);

            const double X = at.left + x;
            const double Y = at.top + y;
            const LitVec light = normalise({-300.0 - X, -200.0 - Y, -(700.0 - radius * n.z)});
            const LitVec view = normalise({X - at.cx, Y - at.cy, 2800.0 - 100.0 * n.z});
            const double rim = litRim(n);
            const double b = litBrightness(n, light, view, 5, 0.1) * (1.0 - rim);

            double r = 230.0, g = 230.0 - 80.0 * h, bl = 230.0 - 130.0 * h;
            if (highlighted)
            {
                const double f = (n.z + 1.0) / 2.0;
                r = toward(r, 255.0, f);
                g = toward(g, 205.0, f);
                bl = toward(bl, 85.0, f);
            }
            px.put(x, y, r * b + rim * 200.0, g * b + rim * 120.0, bl * b + rim * 10.0, 255.0 * clamp01(10.0 * q));
        }
    }
}

map_Dial::map_Dial(VSTGUI::CCoord width, VSTGUI::CCoord height) : LitBitmap(width, height), knobWidth(width) {}

void map_Dial::setKnob(float knobValue, bool isHighlighted)
{
    value = knobValue;
    highlighted = isHighlighted;
}

void map_Dial::render(const LitPixels& px, const LitPlacement& at) const
{
    renderLitDial(px, at, knobWidth, value, highlighted);
}
