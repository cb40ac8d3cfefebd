#include "controls/map_Slider_Needle.h"

#include <cmath>

void renderLitNeedle(const LitPixels& px, const LitPlacement& at, double width, bool highlighted)
{
    const double c = std::floor(width) / 2.0;
    for (int32_t y = 0; y < px.rows; ++y)
    {
        const bool head = y <= 30;
        for (int32_t x = 0; x < px.width; ++x)
        {
            double ex, ey;
            if (head)
            {
                // A round head with flattened sides around row 20.
                const double u = (x - c) / (0.75 * c);
                ex = (x - c) * (u * u * u * u);
                ey = y - 20.0;
            }
            else
            {
                ex = 4.0 * (x - c + 2.0) - c; // a thin shaft, a little left of centre
                ey = 0.0;
            }
            const double r = std::sqrt(ex * ex + ey * ey);
            const double q = std::fmax(1.0 - r / c, -1.0);

            // The notch on the right of the head: half-transparent black.
            if (x > 15 && y > 15 && y < 25)
            {
                px.put(x, y, 0, 0, 0, 0.5 * 255.0);
                continue;
            }
            // Outside the needle's outline the surface has no height (and the
            // pixel is transparent): keep the normal finite there.
            const LitVec n = normalise({-ex / c, -ey / c, -std::sqrt(std::fmax(q, 0.0))});

            const double X = at.left + x;
            const double Y = at.top + y;
            const LitVec light = normalise({X + 300.0, Y + 200.0, -(700.0 - 100.0 * n.z)});
            const LitVec view = normalise({X - at.cx, Y - at.cy, 2800.0 - 100.0 * n.z});
            const double b = litBrightness(n, light, view, head ? 15 : 2, head ? 0.1 : 0.3);

            double cr = 210.0, cg = 195.0, cb = 160.0;
            if (highlighted)
            {
                if (!head)
                {
                    cr = 255.0;
                    cg = 250.0;
                    cb = 210.0;
                }
                const double f = (n.z + 1.0) / 2.0;
                cr = toward(cr, 255.0, f);
                cg = toward(cg, 205.0, f);
                cb = toward(cb, 95.0, f);
            }
            const double alpha = 255.0 * clamp01((at.height - y) * q * 0.1);
            px.put(x, y, cr * b, cg * b, cb * b, alpha);
        }
    }
}

map_Slider_Needle::map_Slider_Needle(VSTGUI::CCoord width, VSTGUI::CCoord height)
    : LitBitmap(width, height), needleWidth(width)
{}

void map_Slider_Needle::render(const LitPixels& px, const LitPlacement& at) const
{
    renderLitNeedle(px, at, needleWidth, highlighted);
}
