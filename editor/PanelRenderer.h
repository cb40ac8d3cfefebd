#pragma once
// The editor window's background, computed rather than loaded: an embossed,
// colour-themed metal panel with section frames, knob wells, the keyboard
// bed, the logo and the labels. The texture and relief are built once per
// process and shared by every editor; a later render redoes only the page
// area and the colour pass.

#include "toolkit/CBitmap.h"
#include "toolkit/CColor.h"
#include "toolkit/CDrawContext.h"
#include "toolkit/SharedPointer.h"

namespace VSTGUI {
class CFrame;
}

// A bitmap of the frame's size that carries the panel colour.
class Offline_Render : public VSTGUI::CBitmap
{
public:
    Offline_Render(VSTGUI::CCoord width, VSTGUI::CCoord height) : CBitmap(width, height) {}
    VSTGUI::CColor colour{230, 247, 249, 255};
};

// The complete background for the frame in the given colour, the page area
// open or closed; null when the frame is not open or smaller than a pixel.
VSTGUI::SharedPointer<VSTGUI::CBitmap> renderPanel(VSTGUI::CFrame* frame, const VSTGUI::CColor& colour, bool pageOpen);

// Draws the background into context, whose bitmap is `bitmap`.
void drawPanel(Offline_Render* bitmap, VSTGUI::CDrawContext* context, const VSTGUI::CRect& rect,
               const VSTGUI::CPoint& offset, bool pageOpen);
// Computes the planes (built on the first call) and writes the bitmap's pixels.
void buildPlanes(Offline_Render* bitmap, VSTGUI::CDrawContext* context, const VSTGUI::CRect& rect,
                 const VSTGUI::CPoint& offset, VSTGUI::CCoord width, VSTGUI::CCoord height, bool pageOpen);
