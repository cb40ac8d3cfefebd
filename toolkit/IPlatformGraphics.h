#pragma once
// The seam between the toolkit and a drawing backend: cairo (Linux and
// headless use: CairoGraphics) or Direct2D with DirectWrite (Windows:
// Direct2DGraphics). CDrawContext keeps the drawing state and works out every
// coordinate (the offset of the view being drawn, whole-pixel alignment, the
// half pixel of odd line widths, stroked rectangles, arcs, where text sits);
// a backend only paints what it is handed, in pixels of its surface:
//
//   - paths (CGraphicsPath figures moved by an offset), filled with a colour
//     or a linear gradient, or stroked;
//   - rectangles cleared to transparent, bitmaps copied pixel for pixel;
//   - text from the left end of its baseline, and its width and cap height.
//
// Colours are straight; PaintState::alpha (the context's global alpha)
// multiplies theirs. Every call clips to PaintState::clip (whole pixels).
// The backend also makes the pixel stores its graphics draw on
// (IPlatformBitmap, createPlatformBitmap in CBitmap.h). Controls and the
// editor see none of this: they draw through CDrawContext only.

#include "toolkit/CBaseObject.h"
#include "toolkit/CColor.h"
#include "toolkit/CDrawDefs.h"
#include "toolkit/CRect.h"

#include <string>

namespace VSTGUI {

class IPlatformBitmap;

class IPlatformGraphics : public CBaseObject
{
public:
    struct PaintState
    {
        CRect clip; // surface pixels, whole numbers
        bool antialias = false;
        double alpha = 1.0; // multiplies every colour's alpha
    };
    struct StrokeState
    {
        CCoord width = 1;
        CLineStyle style; // dash lengths in multiples of the width
    };

    virtual void fillPath(const CGraphicsPath& path, const CPoint& offset, bool evenOdd, const CColor& color,
                          const PaintState& paint) = 0;
    virtual void strokePath(const CGraphicsPath& path, const CPoint& offset, const StrokeState& stroke,
                            const CColor& color, const PaintState& paint) = 0;
    // startPoint is the gradient's offset 0, endPoint its offset 1 (both
    // moved by offset with the path); the end colours extend beyond.
    virtual void fillLinearGradient(const CGraphicsPath& path, const CPoint& offset, bool evenOdd,
                                    const CGradient& gradient, const CPoint& startPoint, const CPoint& endPoint,
                                    const PaintState& paint) = 0;
    virtual void clearRect(const CRect& rect, const CRect& clip) = 0;
    // Copies bitmap pixels into dest (whole pixels, already clipped); the
    // bitmap's pixel (0, 0) lands on origin. No scaling.
    virtual void drawBitmap(IPlatformBitmap& bitmap, const CRect& dest, const CPoint& origin, double alpha) = 0;

    // A null or empty font name means Arial, a size of 0 or less 12 pixels.
    // The font's underline and strike-through styles are drawn too.
    virtual void drawText(const std::string& utf8, const CFontDesc& font, const CPoint& baseline, const CColor& color,
                          const PaintState& paint) = 0;
    // Advance width of the text (fractional, unhinted) as drawn with or
    // without antialiasing.
    virtual CCoord getTextWidth(const std::string& utf8, const CFontDesc& font, bool antialias) = 0;
    // Height of the capital letters above the baseline (0 when unknown).
    virtual CCoord getCapHeight(const CFontDesc& font, bool antialias) = 0;

    // Everything drawn so far reaches the pixel store.
    virtual void flush() = 0;
};

} // namespace VSTGUI
