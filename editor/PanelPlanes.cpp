#include "editor/PanelPlanes.h"

#include <algorithm>
#include <cmath>
#include <new>

using VSTGUI::CPoint;
using VSTGUI::CRect;

bool Plane::allocate(int w, int h)
{
    try
    {
        values.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0.f);
    }
    catch (const std::bad_alloc&)
    {
        values.clear();
        return false;
    }
    width = w;
    height = h;
    return true;
}

namespace {

// Pixels whose centres lie within margin of the box, clipped.
struct Span
{
    int x0, y0, x1, y1;
};

Span spanOf(const Plane& plane, double left, double top, double right, double bottom, const PlaneClip& clip)
{
    Span s;
    s.x0 = std::max({0, clip.left, static_cast<int>(std::floor(left - 1))});
    s.y0 = std::max({0, clip.top, static_cast<int>(std::floor(top - 1))});
    s.x1 = std::min({plane.width, clip.right, static_cast<int>(std::ceil(right + 1))});
    s.y1 = std::min({plane.height, clip.bottom, static_cast<int>(std::ceil(bottom + 1))});
    return s;
}

// Coverage of a pixel whose centre lies d pixels inside an edge (negative:
// outside): a one-pixel ramp.
float coverage(double d) { return static_cast<float>(std::clamp(d + 0.5, 0.0, 1.0)); }

void blend(Plane& plane, int x, int y, float value, float alpha)
{
    if (alpha <= 0.f)
        return;
    float& p = plane.at(x, y);
    p += (value - p) * alpha;
}

} // namespace

void fillRoundRect(Plane& plane, const CRect& r, double radius, float value, float opacity, const PlaneClip& clip)
{
    const Span s = spanOf(plane, r.left, r.top, r.right, r.bottom, clip);
    const double cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    const double hx = r.getWidth() / 2 - radius, hy = r.getHeight() / 2 - radius;
    for (int y = s.y0; y < s.y1; ++y)
        for (int x = s.x0; x < s.x1; ++x)
        {
            // Signed distance to the rounded box (positive inside).
            const double qx = std::fabs(x + 0.5 - cx) - hx, qy = std::fabs(y + 0.5 - cy) - hy;
            const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0);
            blend(plane, x, y, value, opacity * coverage(radius - outside));
        }
}

void drawPlaneLine(Plane& plane, const CPoint& a, const CPoint& b, double width, float value, float opacity,
                   const PlaneClip& clip)
{
    const double h = width / 2;
    const Span s = spanOf(plane, std::min(a.x, b.x) - h, std::min(a.y, b.y) - h, std::max(a.x, b.x) + h,
                          std::max(a.y, b.y) + h, clip);
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    for (int y = s.y0; y < s.y1; ++y)
        for (int x = s.x0; x < s.x1; ++x)
        {
            // Butt ends: distance across the line, only between its ends.
            const double px = x + 0.5 - a.x, py = y + 0.5 - a.y;
            const double t = len2 > 0 ? (px * dx + py * dy) / len2 : 0.0;
            if (t < 0.0 || t > 1.0)
                continue;
            const double d = std::hypot(px - t * dx, py - t * dy);
            blend(plane, x, y, value, opacity * coverage(h - d));
        }
}

void fillDisc(Plane& plane, const CPoint& c, double radius, float value, float opacity, const PlaneClip& clip)
{
    const Span s = spanOf(plane, c.x - radius, c.y - radius, c.x + radius, c.y + radius, clip);
    for (int y = s.y0; y < s.y1; ++y)
        for (int x = s.x0; x < s.x1; ++x)
            blend(plane, x, y, value, opacity * coverage(radius - std::hypot(x + 0.5 - c.x, y + 0.5 - c.y)));
}

void fillQuarterDisc(Plane& plane, const CPoint& c, double radius, int dx, int dy, float value, float opacity,
                     const PlaneClip& clip)
{
    const Span s = spanOf(plane, c.x - radius, c.y - radius, c.x + radius, c.y + radius, clip);
    for (int y = s.y0; y < s.y1; ++y)
        for (int x = s.x0; x < s.x1; ++x)
        {
            const double px = x + 0.5 - c.x, py = y + 0.5 - c.y;
            if (px * dx < 0 || py * dy < 0)
                continue;
            blend(plane, x, y, value, opacity * coverage(radius - std::hypot(px, py)));
        }
}
