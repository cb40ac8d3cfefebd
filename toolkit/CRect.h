#pragma once
// Rectangle stored as left, top, right, bottom. Hit tests are half-open:
// the right and bottom edges lie outside.

#include "toolkit/CPoint.h"

#include <algorithm>
#include <cmath>

namespace VSTGUI {

class CRect
{
public:
    constexpr CRect(CCoord l = 0, CCoord t = 0, CCoord r = 0, CCoord b = 0) : left(l), top(t), right(r), bottom(b) {}
    constexpr CRect(const CPoint& origin, const CPoint& size)
        : left(origin.x), top(origin.y), right(origin.x + size.x), bottom(origin.y + size.y)
    {}

    CRect& operator()(CCoord l, CCoord t, CCoord r, CCoord b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
        return *this;
    }
    bool operator==(const CRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const CRect& o) const { return !(*this == o); }

    CCoord getWidth() const { return right - left; }
    CCoord getHeight() const { return bottom - top; }
    CRect& setWidth(CCoord w)
    {
        right = left + w;
        return *this;
    }
    CRect& setHeight(CCoord h)
    {
        bottom = top + h;
        return *this;
    }
    CPoint getTopLeft() const { return CPoint(left, top); }
    CPoint getTopRight() const { return CPoint(right, top); }
    CPoint getBottomLeft() const { return CPoint(left, bottom); }
    CPoint getBottomRight() const { return CPoint(right, bottom); }
    CPoint getSize() const { return CPoint(getWidth(), getHeight()); }
    CPoint getCenter() const { return CPoint(left + getWidth() / 2., top + getHeight() / 2.); }
    CRect& setTopLeft(const CPoint& p)
    {
        left = p.x;
        top = p.y;
        return *this;
    }
    CRect& setSize(const CPoint& s)
    {
        right = left + s.x;
        bottom = top + s.y;
        return *this;
    }

    CRect& offset(CCoord dx, CCoord dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
        return *this;
    }
    CRect& offset(const CPoint& p) { return offset(p.x, p.y); }
    CRect& moveTo(CCoord x, CCoord y) { return offset(x - left, y - top); }
    CRect& moveTo(const CPoint& p) { return moveTo(p.x, p.y); }
    CRect& inset(CCoord dx, CCoord dy)
    {
        left += dx;
        right -= dx;
        top += dy;
        bottom -= dy;
        return *this;
    }
    CRect& inset(const CPoint& p) { return inset(p.x, p.y); }
    CRect& extend(CCoord dx, CCoord dy) { return inset(-dx, -dy); }
    CRect& extend(const CPoint& p) { return extend(p.x, p.y); }
    CRect& originize() { return offset(-left, -top); }
    CRect& normalize()
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
        return *this;
    }
    // Intersection; an empty result collapses to zero size.
    CRect& bound(const CRect& r)
    {
        left = std::max(left, r.left);
        top = std::max(top, r.top);
        right = std::min(right, r.right);
        bottom = std::min(bottom, r.bottom);
        if (right < left)
            right = left;
        if (bottom < top)
            bottom = top;
        return *this;
    }
    CRect& unite(const CRect& r)
    {
        left = std::min(left, r.left);
        top = std::min(top, r.top);
        right = std::max(right, r.right);
        bottom = std::max(bottom, r.bottom);
        return *this;
    }
    // Rounds each edge to the nearest whole pixel.
    CRect& makeIntegral()
    {
        left = std::floor(left + 0.5);
        top = std::floor(top + 0.5);
        right = std::floor(right + 0.5);
        bottom = std::floor(bottom + 0.5);
        return *this;
    }

    bool pointInside(const CPoint& p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool rectOverlap(const CRect& r) const
    {
        return right > r.left && left < r.right && bottom > r.top && top < r.bottom;
    }
    bool isEmpty() const { return right <= left || bottom <= top; }

    CCoord left;
    CCoord top;
    CCoord right;
    CCoord bottom;
};

} // namespace VSTGUI
