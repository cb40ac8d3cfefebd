#pragma once
// A point in view coordinates: x to the right, y downwards.

#include "toolkit/VSTGUIFwd.h"

namespace VSTGUI {

class CPoint
{
public:
    constexpr CPoint(CCoord px = 0, CCoord py = 0) : x(px), y(py) {}

    CPoint& offset(CCoord dx, CCoord dy)
    {
        x += dx;
        y += dy;
        return *this;
    }
    CPoint& offset(const CPoint& p) { return offset(p.x, p.y); }
    CPoint& operator()(CCoord px, CCoord py)
    {
        x = px;
        y = py;
        return *this;
    }
    bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const CPoint& o) const { return !(*this == o); }
    CPoint operator+(const CPoint& o) const { return CPoint(x + o.x, y + o.y); }
    CPoint operator-(const CPoint& o) const { return CPoint(x - o.x, y - o.y); }
    CPoint operator-() const { return CPoint(-x, -y); }
    CPoint& operator+=(const CPoint& o) { return offset(o.x, o.y); }
    CPoint& operator-=(const CPoint& o) { return offset(-o.x, -o.y); }

    CCoord x;
    CCoord y;
};

} // namespace VSTGUI
