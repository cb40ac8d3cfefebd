#pragma once
// Drawing surface with a state (colours, line width and style, font, draw
// mode, clip, global alpha). The context works out the geometry; a backend
// (IPlatformGraphics: cairo or Direct2D) paints it into a 32-bit image.
//
// Geometry: pixel (i, j) covers
// [i, i+1) x [j, j+1); odd integer line widths are shifted by half a pixel so
// lines land on whole pixel rows; stroked rectangles paint exactly the border
// pixels inside the half-open rectangle; angles are degrees, 0 at 3 o'clock,
// growing clockwise on screen; drawString takes the left end of the baseline.

#include "toolkit/CBaseObject.h"
#include "toolkit/CColor.h"
#include "toolkit/CDrawDefs.h"
#include "toolkit/CFontDesc.h"
#include "toolkit/CRect.h"
#include "toolkit/IPlatformGraphics.h"
#include "toolkit/SharedPointer.h"

#include <string>
#include <utility>
#include <vector>

namespace VSTGUI {

class CDrawContext : public CBaseObject
{
public:
    // Draws through the backend's graphics on a pixel store of the given
    // size (the context keeps a reference).
    CDrawContext(IPlatformGraphics* graphics, const CPoint& surfaceSize);
    ~CDrawContext() override;

    CDrawContext(const CDrawContext&) = delete;
    CDrawContext& operator=(const CDrawContext&) = delete;

    using LinePair = std::pair<CPoint, CPoint>;
    using LineList = std::vector<LinePair>;
    using PointList = std::vector<CPoint>;

    enum PathDrawMode
    {
        kPathFilled,
        kPathFilledEvenOdd,
        kPathStroked
    };

    // Lines
    void moveTo(const CPoint& point);
    void lineTo(const CPoint& point);
    const CPoint& getPenPosition() const { return penPosition; }
    void drawLine(const CPoint& start, const CPoint& end);
    void drawLine(const LinePair& line) { drawLine(line.first, line.second); }
    // numberOfLines pairs of points (2 * numberOfLines points).
    void drawLines(const CPoint* points, const int32_t& numberOfLines);
    void drawLines(const LineList& lines);

    // Shapes
    void drawPolygon(const CPoint* points, int32_t numberOfPoints, const CDrawStyle drawStyle = kDrawStroked);
    void drawPolygon(const PointList& points, const CDrawStyle drawStyle = kDrawStroked);
    void drawRect(const CRect& rect, const CDrawStyle drawStyle = kDrawStroked);
    // Sweeps clockwise from startAngle to endAngle (degrees, wrapping).
    void drawArc(const CRect& rect, const float startAngle, const float endAngle,
                 const CDrawStyle drawStyle = kDrawStroked);
    void drawEllipse(const CRect& rect, const CDrawStyle drawStyle = kDrawStroked);
    void drawPoint(const CPoint& point, const CColor& color);
    // Clears to fully transparent.
    void clearRect(const CRect& rect);

    // Bitmaps (the part of bitmap starting at offset, into dest, clipped to it)
    void drawBitmap(CBitmap* bitmap, const CRect& dest, const CPoint& offset = CPoint(0, 0), float alpha = 1.f);

    // Text: the point is the left end of the baseline; the rect form centres
    // the capital letters vertically and aligns horizontally.
    void drawString(UTF8StringPtr string, const CPoint& point, bool antialias = true);
    void drawString(UTF8StringPtr string, const CRect& rect, const CHoriTxtAlign hAlign = kCenterText,
                    bool antialias = true);
    CCoord getStringWidth(UTF8StringPtr string);

    // Paths and gradients
    CGraphicsPath* createGraphicsPath();
    CGraphicsPath* createRoundRectGraphicsPath(const CRect& size, CCoord radius);
    void drawGraphicsPath(CGraphicsPath* path, PathDrawMode mode = kPathFilled);
    void fillLinearGradient(CGraphicsPath* path, const CGradient& gradient, const CPoint& startPoint,
                            const CPoint& endPoint, bool evenOdd = false);

    // State
    void setLineStyle(const CLineStyle& style);
    const CLineStyle& getLineStyle() const { return current.lineStyle; }
    void setLineWidth(CCoord width);
    CCoord getLineWidth() const { return current.lineWidth; }
    void setDrawMode(CDrawMode mode);
    CDrawMode getDrawMode() const { return current.drawMode; }
    // Replaces the clip (no intersection with the previous one); whole pixels.
    void setClipRect(const CRect& clip);
    CRect& getClipRect(CRect& clip) const;
    void resetClipRect();
    void setFillColor(const CColor& color);
    CColor getFillColor() const { return current.fillColor; }
    void setFrameColor(const CColor& color);
    CColor getFrameColor() const { return current.frameColor; }
    void setFontColor(const CColor& color);
    CColor getFontColor() const { return current.fontColor; }
    // Size 0 keeps the font's size, style -1 keeps its style.
    void setFont(const CFontRef font, const CCoord& size = 0, const int32_t& style = -1);
    CFontRef getFont() const { return current.font.get(); }
    void setGlobalAlpha(float alpha);
    float getGlobalAlpha() const { return current.globalAlpha; }

    void saveGlobalState();
    void restoreGlobalState();

    // Translation of local coordinates into surface coordinates (views
    // inside a container draw in the container's coordinates).
    void setOffset(const CPoint& offset);
    const CPoint& getOffset() const { return current.offset; }

    virtual void beginDraw() {}
    virtual void endDraw();

    // Back to the initial state: white frame, black fill, white font colour,
    // width 1 solid, system font, aliasing, whole-surface clip, alpha 1.
    void resetState();

    const CRect& getSurfaceRect() const { return surfaceRect; }
    IPlatformGraphics* getPlatformGraphics() const { return graphics.get(); }

protected:
    struct State
    {
        SharedPointer<CFontDesc> font;
        CColor frameColor;
        CColor fillColor;
        CColor fontColor;
        CCoord lineWidth = 1;
        CLineStyle lineStyle;
        CDrawMode drawMode;
        CRect clipRect; // surface coordinates
        float globalAlpha = 1.f;
        CPoint offset;
    };

    // What every backend call is handed: the clip, antialiasing, global alpha.
    IPlatformGraphics::PaintState paintState() const;
    IPlatformGraphics::StrokeState strokeState() const;
    // Fills and/or strokes a path in surface coordinates as the style says.
    void paintPath(const CGraphicsPath& path, CDrawStyle drawStyle);
    const CFontDesc& currentFont() const;
    CPoint alignPoint(const CPoint& p) const; // local -> surface, rounded in integral mode
    CRect alignRect(const CRect& r) const;
    CCoord lineOffset() const; // 0.5 for odd integer widths

    SharedPointer<IPlatformGraphics> graphics;
    CRect surfaceRect;
    State current;
    std::vector<State> stateStack;
    CPoint penPosition;
};

} // namespace VSTGUI
