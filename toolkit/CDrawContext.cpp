#include "toolkit/CDrawContext.h"

#include "toolkit/CBitmap.h"
#include "toolkit/CGradient.h"
#include "toolkit/CGraphicsPath.h"

#include <cairo.h>
#include <cmath>
#include <string>

namespace VSTGUI {

namespace {

constexpr double kPi = 3.14159265358979323846;

double toRadians(double degrees) { return degrees * kPi / 180.0; }

// Parametric angle of the point whose ray from the centre has the
// geometric angle a, on an ellipse with radii rx, ry.
double ellipseAngle(double a, double rx, double ry)
{
    if (rx == ry)
        return a;
    return std::atan2(std::sin(a) * rx, std::cos(a) * ry);
}

// Sweep (degrees, > 0) from start to end in the given direction; 0 when the
// angles coincide. A sweep that is a whole number of turns draws one turn.
double sweepOf(double start, double end, bool clockwise)
{
    double d = clockwise ? end - start : start - end;
    if (d == 0)
        return 0;
    double m = std::fmod(d, 360.0);
    if (m < 0)
        m += 360.0;
    if (m == 0)
        m = 360.0;
    return m;
}

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

struct SavedCairo
{
    explicit SavedCairo(cairo_t* c) : cr(c) { cairo_save(cr); }
    ~SavedCairo() { cairo_restore(cr); }
    SavedCairo(const SavedCairo&) = delete;
    SavedCairo& operator=(const SavedCairo&) = delete;
    cairo_t* cr;
};

} // namespace

const CLineStyle kLineSolid;
const CLineStyle kLineOnOffDash(CLineStyle::kLineCapButt, CLineStyle::kLineJoinMiter, 0, {1., 1.});

CDrawContext::CDrawContext(cairo_surface_t* s) : surface(cairo_surface_reference(s))
{
    cr = cairo_create(surface);
    if (cairo_surface_get_type(surface) == CAIRO_SURFACE_TYPE_IMAGE)
        surfaceRect = CRect(0, 0, cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface));
    resetState();
}

CDrawContext::~CDrawContext()
{
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

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

void CDrawContext::endDraw() { cairo_surface_flush(surface); }

void CDrawContext::ensureUsable()
{
    // A cairo context that met bad input (NaN geometry, a broken string)
    // refuses all further drawing; our state lives outside it, so start a
    // fresh one.
    if (cairo_status(cr) == CAIRO_STATUS_SUCCESS)
        return;
    cairo_destroy(cr);
    cr = cairo_create(surface);
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

void CDrawContext::applyClip()
{
    const CRect& c = current.clipRect;
    cairo_rectangle(cr, c.left, c.top, c.getWidth(), c.getHeight());
    cairo_clip(cr);
}

void CDrawContext::applyAntialias()
{
    cairo_set_antialias(cr, current.drawMode.antiAliasing() ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
}

void CDrawContext::applyLineStyle()
{
    cairo_set_line_width(cr, current.lineWidth);
    const CLineStyle& s = current.lineStyle;
    switch (s.getLineCap())
    {
    case CLineStyle::kLineCapButt: cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT); break;
    case CLineStyle::kLineCapRound: cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND); break;
    case CLineStyle::kLineCapSquare: cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE); break;
    }
    switch (s.getLineJoin())
    {
    case CLineStyle::kLineJoinMiter: cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER); break;
    case CLineStyle::kLineJoinRound: cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND); break;
    case CLineStyle::kLineJoinBevel: cairo_set_line_join(cr, CAIRO_LINE_JOIN_BEVEL); break;
    }
    cairo_set_miter_limit(cr, 10.0);
    if (s.getDashCount() > 0)
    {
        // Dash lengths are in multiples of the line width.
        std::vector<double> dashes;
        for (CCoord d : s.getDashLengths())
            dashes.push_back(d * current.lineWidth);
        cairo_set_dash(cr, dashes.data(), static_cast<int>(dashes.size()), s.getDashPhase() * current.lineWidth);
    }
    else
        cairo_set_dash(cr, nullptr, 0, 0);
}

void CDrawContext::setSourceColor(const CColor& c)
{
    cairo_set_source_rgba(cr, c.red / 255.0, c.green / 255.0, c.blue / 255.0,
                          c.alpha / 255.0 * static_cast<double>(current.globalAlpha));
}

void CDrawContext::applyDrawState(bool stroking)
{
    applyClip();
    applyAntialias();
    if (stroking)
        applyLineStyle();
}

void CDrawContext::paintPath(CDrawStyle drawStyle)
{
    if (drawStyle != kDrawStroked)
    {
        setSourceColor(current.fillColor);
        cairo_fill_preserve(cr);
    }
    if (drawStyle != kDrawFilled)
    {
        setSourceColor(current.frameColor);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
}

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

void CDrawContext::arcPath(const CRect& r, double startDeg, double endDeg, bool clockwise)
{
    const double sweep = sweepOf(startDeg, endDeg, clockwise);
    const double rx = r.getWidth() / 2.0;
    const double ry = r.getHeight() / 2.0;
    if (!(sweep > 0) || !(rx > 0) || !(ry > 0) || !std::isfinite(rx) || !std::isfinite(ry))
        return;
    const CPoint c = r.getCenter();
    const double a0 = toRadians(startDeg);
    const double a1 = clockwise ? a0 + toRadians(sweep) : a0 - toRadians(sweep);
    double t0 = ellipseAngle(a0, rx, ry);
    double t1 = ellipseAngle(a1, rx, ry);
    constexpr double turn = 2 * kPi;
    if (sweep >= 360.0)
        t1 = clockwise ? t0 + turn : t0 - turn;
    else if (clockwise)
    {
        while (t1 <= t0)
            t1 += turn;
        while (t1 > t0 + turn)
            t1 -= turn;
    }
    else
    {
        while (t1 >= t0)
            t1 -= turn;
        while (t1 < t0 - turn)
            t1 += turn;
    }
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_scale(cr, rx, ry);
    if (clockwise)
        cairo_arc(cr, 0, 0, 1, t0, t1);
    else
        cairo_arc_negative(cr, 0, 0, 1, t0, t1);
    cairo_restore(cr);
}

void CDrawContext::appendPath(const CGraphicsPath& path)
{
    bool figureOpen = false;
    for (const auto& e : path.getElements())
    {
        using E = CGraphicsPath::Element;
        switch (e.type)
        {
        case E::kBeginSubpath:
            cairo_move_to(cr, e.p1.x, e.p1.y);
            figureOpen = true;
            break;
        case E::kLine:
            cairo_line_to(cr, e.p1.x, e.p1.y);
            figureOpen = true;
            break;
        case E::kBezierCurve:
            cairo_curve_to(cr, e.p1.x, e.p1.y, e.p2.x, e.p2.y, e.p3.x, e.p3.y);
            figureOpen = true;
            break;
        case E::kArc:
            if (!figureOpen)
                cairo_new_sub_path(cr);
            arcPath(e.rect, e.startAngle, e.endAngle, e.clockwise);
            figureOpen = true;
            break;
        case E::kEllipse: {
            const double rx = e.rect.getWidth() / 2, ry = e.rect.getHeight() / 2;
            if (rx > 0 && ry > 0 && std::isfinite(rx) && std::isfinite(ry))
            {
                cairo_new_sub_path(cr);
                cairo_save(cr);
                cairo_translate(cr, e.rect.getCenter().x, e.rect.getCenter().y);
                cairo_scale(cr, rx, ry);
                cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
                cairo_restore(cr);
                cairo_close_path(cr);
            }
            figureOpen = false;
            break;
        }
        case E::kRect:
            cairo_rectangle(cr, e.rect.left, e.rect.top, e.rect.getWidth(), e.rect.getHeight());
            figureOpen = false;
            break;
        case E::kRoundRect: {
            const CRect& r = e.rect;
            const double rad = e.radius;
            cairo_new_sub_path(cr);
            cairo_move_to(cr, r.right - rad, r.top);
            cairo_arc(cr, r.right - rad, r.top + rad, rad, -kPi / 2, 0);
            cairo_arc(cr, r.right - rad, r.bottom - rad, rad, 0, kPi / 2);
            cairo_arc(cr, r.left + rad, r.bottom - rad, rad, kPi / 2, kPi);
            cairo_arc(cr, r.left + rad, r.top + rad, rad, kPi, 3 * kPi / 2);
            cairo_close_path(cr);
            figureOpen = false;
            break;
        }
        case E::kCloseSubpath:
            cairo_close_path(cr);
            figureOpen = false;
            break;
        }
    }
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
    ensureUsable();
    SavedCairo saved(cr);
    applyDrawState(true);
    const CCoord o = lineOffset();
    const CPoint a = alignPoint(start);
    const CPoint b = alignPoint(end);
    cairo_move_to(cr, a.x + o, a.y + o);
    cairo_line_to(cr, b.x + o, b.y + o);
    setSourceColor(current.frameColor);
    cairo_stroke(cr);
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
    ensureUsable();
    SavedCairo saved(cr);
    applyDrawState(true);
    const CPoint& off = current.offset;
    cairo_move_to(cr, points[0].x + off.x, points[0].y + off.y);
    for (int32_t i = 1; i < numberOfPoints; ++i)
        cairo_line_to(cr, points[i].x + off.x, points[i].y + off.y);
    paintPath(drawStyle);
}

void CDrawContext::drawPolygon(const PointList& points, const CDrawStyle drawStyle)
{
    drawPolygon(points.data(), static_cast<int32_t>(points.size()), drawStyle);
}

void CDrawContext::drawRect(const CRect& rect, const CDrawStyle drawStyle)
{
    ensureUsable();
    SavedCairo saved(cr);
    applyDrawState(false);
    if (drawStyle == kDrawFilled)
    {
        CRect r(rect);
        r.offset(current.offset);
        r.normalize();
        cairo_rectangle(cr, r.left, r.top, r.getWidth(), r.getHeight());
        setSourceColor(current.fillColor);
        cairo_fill(cr);
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
        cairo_rectangle(cr, f.left, f.top, f.getWidth(), f.getHeight());
        setSourceColor(current.fillColor);
        cairo_fill(cr);
    }
    applyLineStyle();
    const CRect a = alignRect(r);
    const CCoord o = lineOffset();
    cairo_rectangle(cr, a.left + o, a.top + o, a.getWidth(), a.getHeight());
    setSourceColor(current.frameColor);
    cairo_stroke(cr);
}

void CDrawContext::drawEllipse(const CRect& rect, const CDrawStyle drawStyle)
{
    CRect r = alignRect(rect);
    r.normalize();
    if (drawStyle == kDrawStroked)
        r.inset(0.5, 0.5);
    const double rx = r.getWidth() / 2, ry = r.getHeight() / 2;
    if (!(rx > 0) || !(ry > 0) || !std::isfinite(rx) || !std::isfinite(ry))
        return; // a zero or NaN scale would break the cairo context
    ensureUsable();
    SavedCairo saved(cr);
    applyDrawState(true);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, r.getCenter().x, r.getCenter().y);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_close_path(cr);
    paintPath(drawStyle);
}

void CDrawContext::drawArc(const CRect& rect, const float startAngle, const float endAngle, const CDrawStyle drawStyle)
{
    CRect r = alignRect(rect);
    r.normalize();
    ensureUsable();
    SavedCairo saved(cr);
    applyDrawState(true);
    cairo_new_path(cr);
    arcPath(r, startAngle, endAngle, true);
    paintPath(drawStyle); // a filled open arc closes with a chord
}

void CDrawContext::drawPoint(const CPoint& point, const CColor& color)
{
    ensureUsable();
    SavedCairo saved(cr);
    applyClip();
    const CPoint p = alignPoint(point);
    cairo_rectangle(cr, std::floor(p.x), std::floor(p.y), 1, 1);
    setSourceColor(color);
    cairo_fill(cr);
}

void CDrawContext::clearRect(const CRect& rect)
{
    ensureUsable();
    SavedCairo saved(cr);
    applyClip();
    CRect r(rect);
    r.offset(current.offset);
    cairo_rectangle(cr, r.left, r.top, r.getWidth(), r.getHeight());
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr);
}

void CDrawContext::drawBitmap(CBitmap* bitmap, const CRect& dest, const CPoint& offset, float alpha)
{
    if (bitmap)
        bitmap->draw(this, dest, offset, alpha);
}

void CDrawContext::drawGraphicsPath(CGraphicsPath* path, PathDrawMode mode)
{
    if (!path)
        return;
    ensureUsable();
    SavedCairo saved(cr);
    applyDrawState(true);
    cairo_new_path(cr);
    cairo_translate(cr, current.offset.x, current.offset.y);
    appendPath(*path);
    if (mode == kPathStroked)
    {
        setSourceColor(current.frameColor);
        cairo_stroke(cr);
        return;
    }
    cairo_set_fill_rule(cr, mode == kPathFilledEvenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    setSourceColor(current.fillColor);
    cairo_fill(cr);
}

void CDrawContext::fillLinearGradient(CGraphicsPath* path, const CGradient& gradient, const CPoint& startPoint,
                                      const CPoint& endPoint, bool evenOdd)
{
    if (!path)
        return;
    ensureUsable();
    SavedCairo saved(cr);
    applyDrawState(false);
    cairo_new_path(cr);
    cairo_translate(cr, current.offset.x, current.offset.y);
    appendPath(*path);
    cairo_pattern_t* pattern = cairo_pattern_create_linear(startPoint.x, startPoint.y, endPoint.x, endPoint.y);
    for (const auto& stop : gradient.getColorStops())
    {
        const CColor& c = stop.second;
        cairo_pattern_add_color_stop_rgba(pattern, stop.first, c.red / 255.0, c.green / 255.0, c.blue / 255.0,
                                          c.alpha / 255.0 * static_cast<double>(current.globalAlpha));
    }
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    cairo_set_source(cr, pattern);
    cairo_set_fill_rule(cr, evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

CGraphicsPath* CDrawContext::createGraphicsPath() { return new CGraphicsPath(); }

CGraphicsPath* CDrawContext::createRoundRectGraphicsPath(const CRect& size, CCoord radius)
{
    auto* path = new CGraphicsPath();
    path->addRoundRect(size, radius);
    return path;
}

// ---- text -----------------------------------------------------------------

void CDrawContext::setupFont(bool antialias)
{
    const CFontDesc* font = current.font ? current.font.get() : kSystemFont;
    const int32_t style = font->getStyle();
    cairo_select_font_face(cr, font->getName()[0] ? font->getName() : "Arial",
                           (style & kItalicFace) ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           (style & kBoldFace) ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, font->getSize() > 0 ? font->getSize() : 12.0);
    // Explicit options: machine defaults differ, and fractional advances
    // (hint metrics off) keep text widths the same on every machine.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, antialias ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

CCoord CDrawContext::getStringWidth(UTF8StringPtr string)
{
    if (!string || !*string)
        return 0;
    ensureUsable();
    SavedCairo saved(cr);
    setupFont(true);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, validUtf8(string).c_str(), &ext);
    return ext.x_advance;
}

void CDrawContext::drawString(UTF8StringPtr string, const CPoint& point, bool antialias)
{
    if (!string || !*string)
        return;
    ensureUsable();
    SavedCairo saved(cr);
    applyClip();
    setupFont(antialias);
    cairo_move_to(cr, point.x + current.offset.x, point.y + current.offset.y);
    setSourceColor(current.fontColor);
    const std::string text = validUtf8(string);
    cairo_show_text(cr, text.c_str());
    cairo_new_path(cr);
    // Underline and strike-through as lines under / through the text, at
    // the usual proportions of a sans face.
    const CFontDesc* font = current.font ? current.font.get() : kSystemFont;
    if (font->getStyle() & (kUnderlineFace | kStrikethroughFace))
    {
        cairo_text_extents_t ext;
        cairo_text_extents(cr, text.c_str(), &ext);
        const double size = font->getSize() > 0 ? font->getSize() : 12.0;
        const double x = point.x + current.offset.x, y = point.y + current.offset.y;
        if (font->getStyle() & kUnderlineFace)
            cairo_rectangle(cr, x, y + 0.106 * size - 0.0365 * size, ext.x_advance, 0.073 * size);
        if (font->getStyle() & kStrikethroughFace)
            cairo_rectangle(cr, x, y - 0.259 * size - 0.025 * size, ext.x_advance, 0.05 * size);
        cairo_fill(cr);
    }
}

void CDrawContext::drawString(UTF8StringPtr string, const CRect& rect, const CHoriTxtAlign hAlign, bool antialias)
{
    if (!string || !*string)
        return;
    CCoord capHeight = 0;
    CCoord width = 0;
    {
        ensureUsable();
        SavedCairo saved(cr);
        setupFont(antialias);
        cairo_text_extents_t ext;
        cairo_text_extents(cr, "H", &ext);
        capHeight = ext.height;
        cairo_text_extents(cr, validUtf8(string).c_str(), &ext);
        width = ext.x_advance;
    }
    CPoint p;
    if (capHeight > 0)
        p.y = rect.bottom - (rect.getHeight() / 2 - capHeight / 2);
    else
    {
        const CFontDesc* font = current.font ? current.font.get() : kSystemFont;
        p.y = rect.bottom - (rect.getHeight() / 2 - font->getSize() / 2) - 1;
    }
    switch (hAlign)
    {
    case kLeftText: p.x = rect.left; break;
    case kRightText: p.x = rect.right - width; break;
    default: p.x = rect.left + rect.getWidth() / 2 - width / 2; break;
    }
    drawString(string, p, antialias);
}

} // namespace VSTGUI
