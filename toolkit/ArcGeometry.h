#pragma once
// Arcs as every backend draws them. Angles are degrees, 0 at 3 o'clock,
// growing clockwise on screen; on a non-circular ellipse an angle is the
// direction of the ray from the centre, which becomes the ellipse's own
// (parametric) angle here.

#include "toolkit/CRect.h"

#include <cmath>

namespace VSTGUI {

// An arc on the ellipse with the given centre and radii, from parametric
// angle t0 to t1 (radians; t1 > t0 for clockwise sweeps, t1 < t0 otherwise).
struct EllipseArc
{
    CPoint center;
    double rx = 0, ry = 0;
    double t0 = 0, t1 = 0;
    bool clockwise = true;
};

constexpr double kArcPi = 3.14159265358979323846;

// Sweep (degrees, > 0) from start to end in the given direction; 0 when the
// angles coincide. A sweep that is a whole number of turns draws one turn.
inline double arcSweep(double start, double end, bool clockwise)
{
    double d = clockwise ? end - start : start - end;
    if (d == 0)
        return 0;
    double m = std::fmod(d, 360.0);
    if (m < 0)
        m += 360.0;
    if (m == 0)
        m = 360.0;
    return m;
}

// Parametric angle of the point whose ray from the centre has the geometric
// angle a, on an ellipse with radii rx, ry.
inline double ellipseAngle(double a, double rx, double ry)
{
    if (rx == ry)
        return a;
    return std::atan2(std::sin(a) * rx, std::cos(a) * ry);
}

// The arc on the ellipse inscribed in r; false when nothing is to be drawn
// (no sweep, an empty or non-finite ellipse).
inline bool ellipseArcOf(const CRect& r, double startDeg, double endDeg, bool clockwise, EllipseArc& arc)
{
    const double sweep = arcSweep(startDeg, endDeg, clockwise);
    const double rx = r.getWidth() / 2.0;
    const double ry = r.getHeight() / 2.0;
    if (!(sweep > 0) || !(rx > 0) || !(ry > 0) || !std::isfinite(rx) || !std::isfinite(ry))
        return false;
    const double a0 = startDeg * kArcPi / 180.0;
    const double a1 = clockwise ? a0 + sweep * kArcPi / 180.0 : a0 - sweep * kArcPi / 180.0;
    double t0 = ellipseAngle(a0, rx, ry);
    double t1 = ellipseAngle(a1, rx, ry);
    constexpr double turn = 2 * kArcPi;
    if (sweep >= 360.0)
        t1 = clockwise ? t0 + turn : t0 - turn;
    else if (clockwise)
    {
        while (t1 <= t0)
            t1 += turn;
        while (t1 > t0 + turn)
            t1 -= turn;
    }
    else
    {
        while (t1 >= t0)
            t1 -= turn;
        while (t1 < t0 - turn)
            t1 += turn;
    }
    arc.center = r.getCenter();
    arc.rx = rx;
    arc.ry = ry;
    arc.t0 = t0;
    arc.t1 = t1;
    arc.clockwise = clockwise;
    return true;
}

} // namespace VSTGUI
