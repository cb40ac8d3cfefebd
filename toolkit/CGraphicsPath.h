#pragma once
// A vector path built of figures (lines, curves, arcs, rectangles,
// ellipses), drawn with CDrawContext::drawGraphicsPath or filled with a
// gradient. Angles are in degrees, 0 at 3 o'clock, growing clockwise.

#include "toolkit/CBaseObject.h"
#include "toolkit/CColor.h"
#include "toolkit/CRect.h"

#include <vector>

namespace VSTGUI {

class CGraphicsPath : public CBaseObject
{
public:
    CGraphicsPath() = default;

    // Ends any open figure (leaving it open) and starts a new one at start.
    void beginSubpath(const CPoint& start);
    void addLine(const CPoint& to);
    void addBezierCurve(const CPoint& control1, const CPoint& control2, const CPoint& end);
    // Arc on the ellipse inscribed in rect; clockwise sweeps with increasing
    // angle. A line joins the current point to the arc start.
    void addArc(const CRect& rect, double startAngle, double endAngle, bool clockwise);
    void addEllipse(const CRect& rect);
    void addRect(const CRect& rect);
    void addRoundRect(const CRect& rect, CCoord radius);
    void addPath(const CGraphicsPath& path);
    // Straight line back to the figure start; the figure is closed.
    void closeSubpath();

    // Two-stop gradient (the path does not own it; forget() it when done).
    CGradient* createGradient(double color1Start, double color2Start, const CColor& color1, const CColor& color2);

    CRect getBoundingBox() const;
    bool isEmpty() const { return elements.empty(); }

    struct Element
    {
        enum Type
        {
            kBeginSubpath,
            kLine,
            kBezierCurve,
            kArc,
            kEllipse,
            kRect,
            kRoundRect,
            kCloseSubpath
        };
        explicit Element(Type t) : type(t) {}
        Type type;
        CRect rect; // arc / ellipse / rect / round rect
        CPoint p1, p2, p3; // points of begin / line / curve
        double startAngle = 0, endAngle = 0, radius = 0;
        bool clockwise = true;
    };
    const std::vector<Element>& getElements() const { return elements; }

private:
    Element& append(Element::Type type)
    {
        elements.emplace_back(type);
        return elements.back();
    }
    std::vector<Element> elements;
};

} // namespace VSTGUI
