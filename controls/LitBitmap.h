#pragma once
// Base of the lit renderers: a bitmap that paints its own pixels each time it
// is drawn, then draws itself into the given rectangle. Nothing is cached
// between draws; a control makes a fresh one per draw.

#include "controls/LitShading.h"

#include "toolkit/CBitmap.h"

class LitBitmap : public VSTGUI::CBitmap
{
public:
    LitBitmap(VSTGUI::CCoord width, VSTGUI::CCoord height) : VSTGUI::CBitmap(width, height) {}

    // Renders for the frame rectangle rect (its top rows, up to the bitmap's
    // height) and draws the result there at full opacity. Draws nothing when
    // the pixels cannot be had.
    void draw(VSTGUI::CDrawContext* context, const VSTGUI::CRect& rect,
              const VSTGUI::CPoint& offset = VSTGUI::CPoint(0, 0), float alpha = 1.f) override;

protected:
    virtual void render(const LitPixels& pixels, const LitPlacement& placement) const = 0;
};
