#include "toolkit/CDrawContext.h"

#include "toolkit/CBitmap.h"
#include "toolkit/CGradient.h"
#include "toolkit/CGraphicsPath.h"

#include <cmath>
#include <string>

namespace VSTGUI {

namespace {

// Valid UTF-8 as is; any byte that does not start a valid sequence is taken
// as Latin-1 (texts from old files), so the string still draws.
std::string validUtf8(const char* text)
{
    std::string out;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p)
    {
        const unsigned c = *p;
        int n = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        bool ok = n >= 0;
        for (int i = 1; ok && i <= n; ++i)
            ok = (p[i] & 0xC0) == 0x80;
        if (ok && n == 1 && c < 0xC2)
            ok = false; // overlong
        if (ok)
        {
            out.append(reinterpret_cast<const char*>(p), static_cast<size_t>(n + 1));
            p += n + 1;
        }
        else
        {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
            ++p;
        }
    }
    return out;
}

} // namespace

const CLineStyle kLineSolid;
const CLineStyle kLineOnOffDash(CLineStyle::kLineCapButt, CLineStyle::kLineJoinMiter, 0, {1., 1.});

CDrawContext::CDrawContext(IPlatformGraphics* g, const CPoint& surfaceSize)
    : graphics(g), surfaceRect(0, 0, surfaceSize.x, surfaceSize.y)
{
    resetState();
}

CDrawContext::~CDrawContext() = default;

void CDrawContext::resetState()
{
    current = State();
    current.font = SharedPointer<CFontDesc>(kSystemFont);
    current.frameColor = kWhiteCColor;
    current.fillColor = kBlackCColor;
    current.fontColor = kWhiteCColor;
    current.lineWidth = 1;
    current.lineStyle = kLineSolid;
    current.drawMode = CDrawMode(kAliasing);
    current.clipRect = surfaceRect;
    current.globalAlpha = 1.f;
    current.offset = CPoint(0, 0);
    stateStack.clear();
}

void CDrawContext::endDraw()
{
    if (graphics)
        graphics->flush();
}

// ---- state ----------------------------------------------------------------

void CDrawContext::setLineStyle(const CLineStyle& style) { current.lineStyle = style; }
void CDrawContext::setLineWidth(CCoord width) { current.lineWidth = width; }
void CDrawContext::setDrawMode(CDrawMode mode) { current.drawMode = mode; }
void CDrawContext::setFillColor(const CColor& color) { current.fillColor = color; }
void CDrawContext::setFrameColor(const CColor& color) { current.frameColor = color; }
void CDrawContext::setFontColor(const CColor& color) { current.fontColor = color; }
void CDrawContext::setGlobalAlpha(float alpha) { current.globalAlpha = alpha; }
void CDrawContext::setOffset(const CPoint& offset) { current.offset = offset; }

void CDrawContext::setClipRect(const CRect& clip)
{
    CRect r(clip);
    r.offset(current.offset);
    r.makeIntegral();
    r.bound(surfaceRect);
    current.clipRect = r;
}

CRect& CDrawContext::getClipRect(CRect& clip) const
{
    clip = current.clipRect;
    clip.offset(-current.offset.x, -current.offset.y);
    return clip;
}

void CDrawContext::resetClipRect() { current.clipRect = surfaceRect; }

void CDrawContext::setFont(const CFontRef font, const CCoord& size, const int32_t& style)
{
    if (!font)
        return;
    const bool newSize = size > 0 && size != font->getSize();
    const bool newStyle = style != -1 && style != font->getStyle();
    if (newSize || newStyle)
    {
        auto* copy = new CFontDesc(*font);
        if (newSize)
            copy->setSize(size);
        if (newStyle)
            copy->setStyle(style);
        current.font = owned(copy);
    }
    else
        current.font = SharedPointer<CFontDesc>(font);
}

void CDrawContext::saveGlobalState() { stateStack.push_back(current); }

void CDrawContext::restoreGlobalState()
{
    if (stateStack.empty())
        return;
    current = stateStack.back();
    stateStack.pop_back();
}

// ---- helpers --------------------------------------------------------------

IPlatformGraphics::PaintState CDrawContext::paintState() const
{
    IPlatformGraphics::PaintState paint;
    paint.clip = current.clipRect;
    paint.antialias = current.drawMode.antiAliasing();
    paint.alpha = static_cast<double>(current.globalAlpha);
    return paint;
}

IPlatformGraphics::StrokeState CDrawContext::strokeState() const
{
    IPlatformGraphics::StrokeState stroke;
    stroke.width = current.lineWidth;
    stroke.style = current.lineStyle;
    return stroke;
}

void CDrawContext::paintPath(const CGraphicsPath& path, CDrawStyle drawStyle)
{
    if (!graphics)
        return;
    if (drawStyle != kDrawStroked)
        graphics->fillPath(path, CPoint(0, 0), false, current.fillColor, paintState());
    if (drawStyle != kDrawFilled)
        graphics->strokePath(path, CPoint(0, 0), strokeState(), current.frameColor, paintState());
}

const CFontDesc& CDrawContext::currentFont() const { return current.font ? *current.font : *kSystemFont; }

CCoord CDrawContext::lineOffset() const
{
    const CCoord w = current.lineWidth;
    const long iw = std::lround(w);
    return (static_cast<CCoord>(iw) == w && (iw & 1) == 1) ? 0.5 : 0.0;
}

CPoint CDrawContext::alignPoint(const CPoint& p) const
{
    CPoint r(p.x + current.offset.x, p.y + current.offset.y);
    if (current.drawMode.integralMode())
    {
        r.x = std::floor(r.x + 0.5);
        r.y = std::floor(r.y + 0.5);
    }
    return r;
}

CRect CDrawContext::alignRect(const CRect& rect) const
{
    CRect r(rect);
    r.offset(current.offset);
    if (current.drawMode.integralMode())
        r.makeIntegral();
    return r;
}

// ---- primitives -----------------------------------------------------------

void CDrawContext::moveTo(const CPoint& point) { penPosition = point; }

void CDrawContext::lineTo(const CPoint& point)
{
    drawLine(penPosition, point);
    penPosition = point;
}

void CDrawContext::drawLine(const CPoint& start, const CPoint& end)
{
    if (!graphics)
        return;
    const CCoord o = lineOffset();
    const CPoint a = alignPoint(start);
    const CPoint b = alignPoint(end);
    CGraphicsPath path;
    path.beginSubpath(CPoint(a.x + o, a.y + o));
    path.addLine(CPoint(b.x + o, b.y + o));
    graphics->strokePath(path, CPoint(0, 0), strokeState(), current.frameColor, paintState());
}

void CDrawContext::drawLines(const CPoint* points, const int32_t& numberOfLines)
{
    if (!points)
        return;
    for (int32_t i = 0; i < numberOfLines; ++i)
        drawLine(points[2 * i], points[2 * i + 1]);
}

void CDrawContext::drawLines(const LineList& lines)
{
    for (const auto& l : lines)
        drawLine(l.first, l.second);
}

void CDrawContext::drawPolygon(const CPoint* points, int32_t numberOfPoints, const CDrawStyle drawStyle)
{
    if (!points || numberOfPoints < 2)
        return;
    const CPoint& off = current.offset;
    CGraphicsPath path;
    path.beginSubpath(CPoint(points[0].x + off.x, points[0].y + off.y));
    for (int32_t i = 1; i < numberOfPoints; ++i)
        path.addLine(CPoint(points[i].x + off.x, points[i].y + off.y));
    paintPath(path, drawStyle);
}

void CDrawContext::drawPolygon(const PointList& points, const CDrawStyle drawStyle)
{
    drawPolygon(points.data(), static_cast<int32_t>(points.size()), drawStyle);
}

void CDrawContext::drawRect(const CRect& rect, const CDrawStyle drawStyle)
{
    if (!graphics)
        return;
    if (drawStyle == kDrawFilled)
    {
        CRect r(rect);
        r.offset(current.offset);
        r.normalize();
        CGraphicsPath path;
        path.addRect(r);
        graphics->fillPath(path, CPoint(0, 0), false, current.fillColor, paintState());
        return;
    }
    // The outline paints the border pixels inside the half-open rectangle.
    CRect r(rect);
    r.normalize();
    r.right -= 1;
    r.bottom -= 1;
    if (drawStyle == kDrawFilledAndStroked)
    {
        CRect f(r);
        f.offset(current.offset);
        CGraphicsPath path;
        path.addRect(f);
        graphics->fillPath(path, CPoint(0, 0), false, current.fillColor, paintState());
    }
    const CRect a = alignRect(r);
    const CCoord o = lineOffset();
    CGraphicsPath path;
    path.addRect(CRect(a.left + o, a.top + o, a.right + o, a.bottom + o));
    graphics->strokePath(path, CPoint(0, 0), strokeState(), current.frameColor, paintState());
}

void CDrawContext::drawEllipse(const CRect& rect, const CDrawStyle drawStyle)
{
    CRect r = alignRect(rect);
    r.normalize();
    if (drawStyle == kDrawStroked)
        r.inset(0.5, 0.5);
    const double rx = r.getWidth() / 2, ry = r.getHeight() / 2;
    if (!(rx > 0) || !(ry > 0) || !std::isfinite(rx) || !std::isfinite(ry))
        return;
    CGraphicsPath path;
    path.addEllipse(r);
    paintPath(path, drawStyle);
}

void CDrawContext::drawArc(const CRect& rect, const float startAngle, const float endAngle, const CDrawStyle drawStyle)
{
    CRect r = alignRect(rect);
    r.normalize();
    CGraphicsPath path;
    path.addArc(r, startAngle, endAngle, true);
    paintPath(path, drawStyle); // a filled open arc closes with a chord
}

void CDrawContext::drawPoint(const CPoint& point, const CColor& color)
{
    if (!graphics)
        return;
    const CPoint p = alignPoint(point);
    CGraphicsPath path;
    path.addRect(CRect(std::floor(p.x), std::floor(p.y), std::floor(p.x) + 1, std::floor(p.y) + 1));
    IPlatformGraphics::PaintState paint = paintState();
    paint.antialias = true;
    graphics->fillPath(path, CPoint(0, 0), false, color, paint);
}

void CDrawContext::clearRect(const CRect& rect)
{
    if (!graphics)
        return;
    CRect r(rect);
    r.offset(current.offset);
    graphics->clearRect(r, current.clipRect);
}

void CDrawContext::drawBitmap(CBitmap* bitmap, const CRect& dest, const CPoint& offset, float alpha)
{
    if (bitmap)
        bitmap->draw(this, dest, offset, alpha);
}

void CDrawContext::drawGraphicsPath(CGraphicsPath* path, PathDrawMode mode)
{
    if (!path || !graphics)
        return;
    if (mode == kPathStroked)
        graphics->strokePath(*path, current.offset, strokeState(), current.frameColor, paintState());
    else
        graphics->fillPath(*path, current.offset, mode == kPathFilledEvenOdd, current.fillColor, paintState());
}

void CDrawContext::fillLinearGradient(CGraphicsPath* path, const CGradient& gradient, const CPoint& startPoint,
                                      const CPoint& endPoint, bool evenOdd)
{
    if (!path || !graphics)
        return;
    graphics->fillLinearGradient(*path, current.offset, evenOdd, gradient, startPoint, endPoint, paintState());
}

CGraphicsPath* CDrawContext::createGraphicsPath() { return new CGraphicsPath(); }

CGraphicsPath* CDrawContext::createRoundRectGraphicsPath(const CRect& size, CCoord radius)
{
    auto* path = new CGraphicsPath();
    path->addRoundRect(size, radius);
    return path;
}

// ---- text -----------------------------------------------------------------

CCoord CDrawContext::getStringWidth(UTF8StringPtr string)
{
    if (!string || !*string || !graphics)
        return 0;
    return graphics->getTextWidth(validUtf8(string), currentFont(), true);
}

void CDrawContext::drawString(UTF8StringPtr string, const CPoint& point, bool antialias)
{
    if (!string || !*string || !graphics)
        return;
    IPlatformGraphics::PaintState paint = paintState();
    paint.antialias = antialias;
    graphics->drawText(validUtf8(string), currentFont(), CPoint(point.x + current.offset.x, point.y + current.offset.y),
                       current.fontColor, paint);
}

void CDrawContext::drawString(UTF8StringPtr string, const CRect& rect, const CHoriTxtAlign hAlign, bool antialias)
{
    if (!string || !*string || !graphics)
        return;
    const CCoord capHeight = graphics->getCapHeight(currentFont(), antialias);
    const CCoord width = graphics->getTextWidth(validUtf8(string), currentFont(), antialias);
    CPoint p;
    if (capHeight > 0)
        p.y = rect.bottom - (rect.getHeight() / 2 - capHeight / 2);
    else
        p.y = rect.bottom - (rect.getHeight() / 2 - currentFont().getSize() / 2) - 1;
    switch (hAlign)
    {
    case kLeftText: p.x = rect.left; break;
    case kRightText: p.x = rect.right - width; break;
    default: p.x = rect.left + rect.getWidth() / 2 - width / 2; break;
    }
    drawString(string, p, antialias);
}

} // namespace VSTGUI
