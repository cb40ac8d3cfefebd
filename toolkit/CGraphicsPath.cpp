#include "toolkit/CGraphicsPath.h"

#include "toolkit/CGradient.h"

#include <cmath>

namespace VSTGUI {

void CGraphicsPath::beginSubpath(const CPoint& start) { append(Element::kBeginSubpath).p1 = start; }

void CGraphicsPath::addLine(const CPoint& to) { append(Element::kLine).p1 = to; }

void CGraphicsPath::addBezierCurve(const CPoint& c1, const CPoint& c2, const CPoint& end)
{
    Element& e = append(Element::kBezierCurve);
    e.p1 = c1;
    e.p2 = c2;
    e.p3 = end;
}

void CGraphicsPath::addArc(const CRect& rect, double startAngle, double endAngle, bool clockwise)
{
    Element& e = append(Element::kArc);
    e.rect = rect;
    e.startAngle = startAngle;
    e.endAngle = endAngle;
    e.clockwise = clockwise;
}

void CGraphicsPath::addEllipse(const CRect& rect) { append(Element::kEllipse).rect = rect; }

void CGraphicsPath::addRect(const CRect& rect) { append(Element::kRect).rect = rect; }

void CGraphicsPath::addRoundRect(const CRect& rect, CCoord radius)
{
    if (radius <= 0)
    {
        addRect(rect);
        return;
    }
    Element& e = append(Element::kRoundRect);
    e.rect = rect;
    e.radius = radius;
}

void CGraphicsPath::addPath(const CGraphicsPath& path)
{
    elements.insert(elements.end(), path.elements.begin(), path.elements.end());
}

void CGraphicsPath::closeSubpath() { append(Element::kCloseSubpath); }

CGradient* CGraphicsPath::createGradient(double color1Start, double color2Start, const CColor& color1,
                                         const CColor& color2)
{
    return CGradient::create(color1Start, color2Start, color1, color2);
}

CRect CGraphicsPath::getBoundingBox() const
{
    bool any = false;
    CRect box;
    auto add = [&](const CPoint& p) {
        if (!any)
        {
            box = CRect(p.x, p.y, p.x, p.y);
            any = true;
        }
        else
            box.unite(CRect(p.x, p.y, p.x, p.y));
    };
    for (const auto& e : elements)
    {
        switch (e.type)
        {
        case Element::kBeginSubpath:
        case Element::kLine: add(e.p1); break;
        case Element::kBezierCurve:
            add(e.p1);
            add(e.p2);
            add(e.p3);
            break;
        case Element::kArc:
        case Element::kEllipse:
        case Element::kRect:
        case Element::kRoundRect:
            add(e.rect.getTopLeft());
            add(e.rect.getBottomRight());
            break;
        case Element::kCloseSubpath: break;
        }
    }
    return box;
}

} // namespace VSTGUI
