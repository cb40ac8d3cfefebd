#pragma once
// The three per-pixel planes the panel is computed from: the height plane H
// (the relief the lighting reads), the gloss plane S and the tint plane T,
// and the primitives that draw the relief into them. Every primitive blends
// a value into one plane with an opacity, anti-aliased over one pixel at its
// edges and clipped to the plane (and to an optional clip rectangle).

#include "toolkit/CRect.h"

#include <vector>

struct Plane
{
    int width = 0;
    int height = 0;
    std::vector<float> values;

    bool allocate(int w, int h);
    float at(int x, int y) const { return values[static_cast<size_t>(y) * width + x]; }
    float& at(int x, int y) { return values[static_cast<size_t>(y) * width + x]; }
};

struct PanelPlanes
{
    Plane H, S, T;
    bool allocate(int w, int h) { return H.allocate(w, h) && S.allocate(w, h) && T.allocate(w, h); }
    int width() const { return H.width; }
    int height() const { return H.height; }
};

// Where primitives may write; the whole plane by default.
struct PlaneClip
{
    int left = 0, top = 0, right = 1 << 30, bottom = 1 << 30;
};

void fillRoundRect(Plane& plane, const VSTGUI::CRect& r, double radius, float value, float opacity,
                   const PlaneClip& clip = {});
void drawPlaneLine(Plane& plane, const VSTGUI::CPoint& a, const VSTGUI::CPoint& b, double width, float value,
                   float opacity, const PlaneClip& clip = {});
void fillDisc(Plane& plane, const VSTGUI::CPoint& centre, double radius, float value, float opacity,
              const PlaneClip& clip = {});
// The quarter of a disc of the given radius that lies towards (dx, dy) from
// its centre (each -1 or 1): the rounded corners of frames drawn from lines.
void fillQuarterDisc(Plane& plane, const VSTGUI::CPoint& centre, double radius, int dx, int dy, float value,
                     float opacity, const PlaneClip& clip = {});
