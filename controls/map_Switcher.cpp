#include "controls/map_Switcher.h"

#include "common/FastSin.h"

void renderLitSwitcher(const LitPixels& px, const LitPlacement& at, double width, bool highlighted)
{
    for (int32_t x = 0; x < px.width; ++x)
    {
        // Vertical ribs: the normal depends on the column only.
        const LitVec n = normalise({fastSin(1.61 * x), 0.0, -4.0});
        const double t = n.z + 1.0;
        double r, g, bl;
        if (highlighted)
        {
            const double f = t / 2.0;
            r = toward(255.0 - 25.0 * t, 255.0, f);
            g = toward(250.0 - 100.0 * t, 205.0, f);
            bl = toward(240.0 - 140.0 * t, 85.0, f);
        }
        else
        {
            r = 230.0;
            g = 230.0 - 80.0 * t;
            bl = 230.0 - 130.0 * t;
        }
        const double rim = litRim(n);
        const double X = at.left + x;
        for (int32_t y = 0; y < px.rows; ++y)
        {
            const double Y = at.top + y;
            const LitVec light = normalise({-300.0 - X, -200.0 - Y, -(700.0 - (width / 2.0) * n.z)});
            const LitVec view = normalise({X - at.cx, Y - at.cy, 2800.0 - 100.0 * n.z});
            const double b = litBrightness(n, light, view, 5, 0.1) * (1.0 - rim);
            px.put(x, y, r * b + rim * 200.0, g * b + rim * 120.0, bl * b + rim * 10.0, 255.0);
        }
    }
}

map_Switcher::map_Switcher(VSTGUI::CCoord width, VSTGUI::CCoord height) : LitBitmap(width, height), thumbWidth(width) {}

void map_Switcher::render(const LitPixels& px, const LitPlacement& at) const
{
    renderLitSwitcher(px, at, thumbWidth, highlighted);
}
