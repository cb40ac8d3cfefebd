#include "toolkit/CairoGraphics.h"

#include "toolkit/ArcGeometry.h"
#include "toolkit/CFontDesc.h"
#include "toolkit/CGradient.h"
#include "toolkit/CGraphicsPath.h"
#include "toolkit/CairoBitmap.h"

#include <cairo.h>
#include <cmath>
#include <vector>

namespace VSTGUI {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct SavedCairo
{
    explicit SavedCairo(cairo_t* c) : cr(c) { cairo_save(cr); }
    ~SavedCairo() { cairo_restore(cr); }
    SavedCairo(const SavedCairo&) = delete;
    SavedCairo& operator=(const SavedCairo&) = delete;
    cairo_t* cr;
};

class CairoGraphicsImpl : public IPlatformGraphics
{
public:
    explicit CairoGraphicsImpl(cairo_surface_t* s) : surface(cairo_surface_reference(s)), cr(cairo_create(surface)) {}
    ~CairoGraphicsImpl() override
    {
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
    CairoGraphicsImpl(const CairoGraphicsImpl&) = delete;
    CairoGraphicsImpl& operator=(const CairoGraphicsImpl&) = delete;

    void fillPath(const CGraphicsPath& path, const CPoint& offset, bool evenOdd, const CColor& color,
                  const PaintState& paint) override
    {
        ensureUsable();
        SavedCairo saved(cr);
        applyPaint(paint);
        cairo_new_path(cr);
        cairo_translate(cr, offset.x, offset.y);
        appendPath(path);
        cairo_set_fill_rule(cr, evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
        setSourceColor(color, paint.alpha);
        cairo_fill(cr);
    }

    void strokePath(const CGraphicsPath& path, const CPoint& offset, const StrokeState& stroke, const CColor& color,
                    const PaintState& paint) override
    {
        ensureUsable();
        SavedCairo saved(cr);
        applyPaint(paint);
        applyStroke(stroke);
        cairo_new_path(cr);
        cairo_translate(cr, offset.x, offset.y);
        appendPath(path);
        setSourceColor(color, paint.alpha);
        cairo_stroke(cr);
    }

    void fillLinearGradient(const CGraphicsPath& path, const CPoint& offset, bool evenOdd, const CGradient& gradient,
                            const CPoint& startPoint, const CPoint& endPoint, const PaintState& paint) override
    {
        ensureUsable();
        SavedCairo saved(cr);
        applyPaint(paint);
        cairo_new_path(cr);
        cairo_translate(cr, offset.x, offset.y);
        appendPath(path);
        cairo_pattern_t* pattern = cairo_pattern_create_linear(startPoint.x, startPoint.y, endPoint.x, endPoint.y);
        for (const auto& stop : gradient.getColorStops())
        {
            const CColor& c = stop.second;
            cairo_pattern_add_color_stop_rgba(pattern, stop.first, c.red / 255.0, c.green / 255.0, c.blue / 255.0,
                                              c.alpha / 255.0 * paint.alpha);
        }
        cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
        cairo_set_source(cr, pattern);
        cairo_set_fill_rule(cr, evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
        cairo_fill(cr);
        cairo_pattern_destroy(pattern);
    }

    void clearRect(const CRect& r, const CRect& clip) override
    {
        ensureUsable();
        SavedCairo saved(cr);
        applyClip(clip);
        cairo_rectangle(cr, r.left, r.top, r.getWidth(), r.getHeight());
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        cairo_fill(cr);
    }

    void drawBitmap(IPlatformBitmap& bitmap, const CRect& dest, const CPoint& origin, double alpha) override
    {
        cairo_surface_t* source = cairoSurfaceOf(&bitmap);
        if (!source)
            return;
        ensureUsable();
        SavedCairo saved(cr);
        cairo_rectangle(cr, dest.left, dest.top, dest.getWidth(), dest.getHeight());
        cairo_clip(cr);
        cairo_set_source_surface(cr, source, origin.x, origin.y);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_paint_with_alpha(cr, alpha);
    }

    void drawText(const std::string& text, const CFontDesc& font, const CPoint& baseline, const CColor& color,
                  const PaintState& paint) override
    {
        ensureUsable();
        SavedCairo saved(cr);
        applyClip(paint.clip);
        setupFont(font, paint.antialias);
        cairo_move_to(cr, baseline.x, baseline.y);
        setSourceColor(color, paint.alpha);
        cairo_show_text(cr, text.c_str());
        cairo_new_path(cr);
        // Underline and strike-through as bars under / through the text, at
        // the usual proportions of a sans face.
        if (font.getStyle() & (kUnderlineFace | kStrikethroughFace))
        {
            cairo_text_extents_t ext;
            cairo_text_extents(cr, text.c_str(), &ext);
            const double size = font.getSize() > 0 ? font.getSize() : 12.0;
            const double x = baseline.x, y = baseline.y;
            if (font.getStyle() & kUnderlineFace)
                cairo_rectangle(cr, x, y + 0.106 * size - 0.0365 * size, ext.x_advance, 0.073 * size);
            if (font.getStyle() & kStrikethroughFace)
                cairo_rectangle(cr, x, y - 0.259 * size - 0.025 * size, ext.x_advance, 0.05 * size);
            cairo_fill(cr);
        }
    }

    CCoord getTextWidth(const std::string& text, const CFontDesc& font, bool antialias) override
    {
        ensureUsable();
        SavedCairo saved(cr);
        setupFont(font, antialias);
        cairo_text_extents_t ext;
        cairo_text_extents(cr, text.c_str(), &ext);
        return ext.x_advance;
    }

    CCoord getCapHeight(const CFontDesc& font, bool antialias) override
    {
        ensureUsable();
        SavedCairo saved(cr);
        setupFont(font, antialias);
        cairo_text_extents_t ext;
        cairo_text_extents(cr, "H", &ext);
        return ext.height;
    }

    void flush() override { cairo_surface_flush(surface); }

private:
    void ensureUsable()
    {
        // A cairo context that met bad input (NaN geometry, a broken string)
        // refuses all further drawing; the state lives in CDrawContext, so
        // start a fresh one.
        if (cairo_status(cr) == CAIRO_STATUS_SUCCESS)
            return;
        cairo_destroy(cr);
        cr = cairo_create(surface);
    }

    void applyClip(const CRect& c)
    {
        cairo_rectangle(cr, c.left, c.top, c.getWidth(), c.getHeight());
        cairo_clip(cr);
    }

    void applyPaint(const PaintState& paint)
    {
        applyClip(paint.clip);
        cairo_set_antialias(cr, paint.antialias ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
    }

    void setSourceColor(const CColor& c, double alpha)
    {
        cairo_set_source_rgba(cr, c.red / 255.0, c.green / 255.0, c.blue / 255.0, c.alpha / 255.0 * alpha);
    }

    void applyStroke(const StrokeState& stroke);
    void setupFont(const CFontDesc& font, bool antialias);
    void appendPath(const CGraphicsPath& path);
    void arcPath(const CRect& r, double startDeg, double endDeg, bool clockwise)
    {
        EllipseArc arc;
        if (!ellipseArcOf(r, startDeg, endDeg, clockwise, arc))
            return;
        cairo_save(cr);
        cairo_translate(cr, arc.center.x, arc.center.y);
        cairo_scale(cr, arc.rx, arc.ry);
        if (clockwise)
            cairo_arc(cr, 0, 0, 1, arc.t0, arc.t1);
        else
            cairo_arc_negative(cr, 0, 0, 1, arc.t0, arc.t1);
        cairo_restore(cr);
    }

    cairo_surface_t* surface;
    cairo_t* cr;
};

void CairoGraphicsImpl::applyStroke(const StrokeState& stroke)
{
    cairo_set_line_width(cr, stroke.width);
    const CLineStyle& s = stroke.style;
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
            dashes.push_back(d * stroke.width);
        cairo_set_dash(cr, dashes.data(), static_cast<int>(dashes.size()), s.getDashPhase() * stroke.width);
    }
    else
        cairo_set_dash(cr, nullptr, 0, 0);
}

void CairoGraphicsImpl::appendPath(const CGraphicsPath& path)
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

void CairoGraphicsImpl::setupFont(const CFontDesc& font, bool antialias)
{
    const int32_t style = font.getStyle();
    cairo_select_font_face(cr, font.getName()[0] ? font.getName() : "Arial",
                           (style & kItalicFace) ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           (style & kBoldFace) ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, font.getSize() > 0 ? font.getSize() : 12.0);
    // Explicit options: machine defaults differ, and fractional advances
    // (hint metrics off) keep text widths the same on every machine.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, antialias ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

} // namespace

SharedPointer<IPlatformGraphics> createCairoGraphics(cairo_surface_t* imageSurface)
{
    return owned<IPlatformGraphics>(new CairoGraphicsImpl(imageSurface));
}

} // namespace VSTGUI
