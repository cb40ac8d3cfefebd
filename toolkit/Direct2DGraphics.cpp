#include "toolkit/Direct2DGraphics.h"

#include "common/WideText.h"
#include "toolkit/ArcGeometry.h"
#include "toolkit/CGradient.h"
#include "toolkit/CGraphicsPath.h"
#include "toolkit/Direct2DBitmap.h"

#include <cmath>
#include <vector>

namespace VSTGUI {

namespace {

D2D1_POINT_2F pointOf(const CPoint& p, const CPoint& offset)
{
    return D2D1::Point2F(static_cast<FLOAT>(p.x + offset.x), static_cast<FLOAT>(p.y + offset.y));
}

D2D1_RECT_F rectOf(const CRect& r)
{
    return D2D1::RectF(static_cast<FLOAT>(r.left), static_cast<FLOAT>(r.top), static_cast<FLOAT>(r.right),
                       static_cast<FLOAT>(r.bottom));
}

D2D1_COLOR_F colorOf(const CColor& c, double alpha)
{
    return D2D1::ColorF(c.red / 255.f, c.green / 255.f, c.blue / 255.f, static_cast<FLOAT>(c.alpha / 255.0 * alpha));
}

// Builds a Direct2D geometry from a path with cairo's rules: a line or
// curve without an open figure starts one, a closed figure leaves the pen at
// its start, an arc is joined to the pen by a line, figures left open stay
// open (fills close them).
class GeometryBuilder
{
public:
    GeometryBuilder(ID2D1GeometrySink* s, const CPoint& o) : sink(s), offset(o) {}

    void build(const CGraphicsPath& path)
    {
        using E = CGraphicsPath::Element;
        for (const auto& e : path.getElements())
        {
            switch (e.type)
            {
            case E::kBeginSubpath: begin(e.p1); break;
            case E::kLine: lineTo(e.p1); break;
            case E::kBezierCurve:
                if (!open)
                    begin(hasPen ? pen : e.p1);
                sink->AddBezier(
                    D2D1::BezierSegment(pointOf(e.p1, offset), pointOf(e.p2, offset), pointOf(e.p3, offset)));
                pen = e.p3;
                break;
            case E::kArc: {
                EllipseArc arc;
                if (ellipseArcOf(e.rect, e.startAngle, e.endAngle, e.clockwise, arc))
                    addArc(arc, open);
                break;
            }
            case E::kEllipse: {
                EllipseArc arc;
                if (ellipseArcOf(e.rect, 0, 360, true, arc))
                {
                    addArc(arc, false);
                    close();
                }
                break;
            }
            case E::kRect: {
                const CRect& r = e.rect;
                begin(CPoint(r.left, r.top));
                lineTo(CPoint(r.right, r.top));
                lineTo(CPoint(r.right, r.bottom));
                lineTo(CPoint(r.left, r.bottom));
                close();
                break;
            }
            case E::kRoundRect: {
                const CRect& r = e.rect;
                const double rad = e.radius;
                begin(CPoint(r.right - rad, r.top));
                const CRect corners[] = {CRect(r.right - 2 * rad, r.top, r.right, r.top + 2 * rad),
                                         CRect(r.right - 2 * rad, r.bottom - 2 * rad, r.right, r.bottom),
                                         CRect(r.left, r.bottom - 2 * rad, r.left + 2 * rad, r.bottom),
                                         CRect(r.left, r.top, r.left + 2 * rad, r.top + 2 * rad)};
                const double starts[] = {270, 0, 90, 180};
                for (int i = 0; i < 4; ++i)
                {
                    EllipseArc arc;
                    if (ellipseArcOf(corners[i], starts[i], starts[i] + 90, true, arc))
                        addArc(arc, true);
                }
                close();
                break;
            }
            case E::kCloseSubpath: close(); break;
            }
        }
        if (open)
            sink->EndFigure(D2D1_FIGURE_END_OPEN);
        open = false;
    }

private:
    void begin(const CPoint& p)
    {
        if (open)
            sink->EndFigure(D2D1_FIGURE_END_OPEN);
        sink->BeginFigure(pointOf(p, offset), D2D1_FIGURE_BEGIN_FILLED);
        open = true;
        start = pen = p;
        hasPen = true;
    }

    void lineTo(const CPoint& p)
    {
        if (!open)
        {
            // cairo: a line without a pen only moves it; after a closed
            // figure the new one starts where that one did.
            if (!hasPen)
            {
                begin(p);
                return;
            }
            begin(pen);
        }
        sink->AddLine(pointOf(p, offset));
        pen = p;
    }

    void close()
    {
        if (!open)
            return;
        sink->EndFigure(D2D1_FIGURE_END_CLOSED);
        open = false;
        pen = start;
    }

    // Cubic Béziers of at most a quarter turn each, on the parametric angle.
    void addArc(const EllipseArc& arc, bool joinToPen)
    {
        auto at = [&](double t) {
            return CPoint(arc.center.x + arc.rx * std::cos(t), arc.center.y + arc.ry * std::sin(t));
        };
        const CPoint first = at(arc.t0);
        if (joinToPen && open)
            lineTo(first);
        else
            begin(first);
        const double sweep = arc.t1 - arc.t0;
        const int pieces = std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) / (kArcPi / 2) - 1e-9)));
        const double step = sweep / pieces;
        const double k = 4.0 / 3.0 * std::tan(step / 4);
        for (int i = 0; i < pieces; ++i)
        {
            const double a = arc.t0 + step * i, b = (i + 1 == pieces) ? arc.t1 : a + step;
            const CPoint p0 = at(a), p3 = at(b);
            const CPoint c1(p0.x - k * arc.rx * std::sin(a), p0.y + k * arc.ry * std::cos(a));
            const CPoint c2(p3.x + k * arc.rx * std::sin(b), p3.y - k * arc.ry * std::cos(b));
            sink->AddBezier(D2D1::BezierSegment(pointOf(c1, offset), pointOf(c2, offset), pointOf(p3, offset)));
            pen = p3;
        }
    }

    ID2D1GeometrySink* sink;
    CPoint offset;
    bool open = false;
    bool hasPen = false;
    CPoint start, pen;
};

ComPtr<ID2D1PathGeometry> geometryOf(const CGraphicsPath& path, const CPoint& offset, bool evenOdd)
{
    ComPtr<ID2D1PathGeometry> geometry;
    ComPtr<ID2D1GeometrySink> sink;
    if (path.isEmpty() || !direct2DFactory() || FAILED(direct2DFactory()->CreatePathGeometry(&geometry)) ||
        FAILED(geometry->Open(&sink)))
        return nullptr;
    sink->SetFillMode(evenOdd ? D2D1_FILL_MODE_ALTERNATE : D2D1_FILL_MODE_WINDING);
    GeometryBuilder(sink.Get(), offset).build(path);
    if (FAILED(sink->Close()))
        return nullptr;
    return geometry;
}

class Direct2DGraphicsImpl : public IPlatformGraphics
{
public:
    explicit Direct2DGraphicsImpl(Direct2DBitmap* t) : target(t) {}

    void fillPath(const CGraphicsPath& path, const CPoint& offset, bool evenOdd, const CColor& color,
                  const PaintState& paint) override
    {
        auto geometry = geometryOf(path, offset, evenOdd);
        ClippedTarget rt(*target, paint);
        if (!geometry || !rt)
            return;
        if (ID2D1SolidColorBrush* brush = target->solidBrush(colorOf(color, paint.alpha)))
            rt->FillGeometry(geometry.Get(), brush);
    }

    void strokePath(const CGraphicsPath& path, const CPoint& offset, const StrokeState& stroke, const CColor& color,
                    const PaintState& paint) override
    {
        auto geometry = geometryOf(path, offset, false);
        ClippedTarget rt(*target, paint);
        if (!geometry || !rt || !(stroke.width > 0))
            return;
        auto style = strokeStyleOf(stroke.style);
        if (ID2D1SolidColorBrush* brush = target->solidBrush(colorOf(color, paint.alpha)))
            rt->DrawGeometry(geometry.Get(), brush, static_cast<FLOAT>(stroke.width), style.Get());
    }

    void fillLinearGradient(const CGraphicsPath& path, const CPoint& offset, bool evenOdd, const CGradient& gradient,
                            const CPoint& startPoint, const CPoint& endPoint, const PaintState& paint) override
    {
        auto geometry = geometryOf(path, offset, evenOdd);
        ClippedTarget rt(*target, paint);
        if (!geometry || !rt || gradient.getColorStops().empty())
            return;
        std::vector<D2D1_GRADIENT_STOP> stops;
        for (const auto& stop : gradient.getColorStops())
            stops.push_back({static_cast<FLOAT>(stop.first), colorOf(stop.second, paint.alpha)});
        ComPtr<ID2D1GradientStopCollection> collection;
        ComPtr<ID2D1LinearGradientBrush> brush;
        if (FAILED(rt->CreateGradientStopCollection(stops.data(), static_cast<UINT32>(stops.size()), D2D1_GAMMA_2_2,
                                                    D2D1_EXTEND_MODE_CLAMP, &collection)) ||
            FAILED(rt->CreateLinearGradientBrush(
                D2D1::LinearGradientBrushProperties(pointOf(startPoint, offset), pointOf(endPoint, offset)),
                collection.Get(), &brush)))
            return;
        rt->FillGeometry(geometry.Get(), brush.Get());
    }

    void clearRect(const CRect& rect, const CRect& clip) override
    {
        CRect r(rect);
        r.bound(clip);
        if (r.isEmpty())
            return;
        PaintState paint;
        paint.clip = r;
        ClippedTarget rt(*target, paint);
        if (rt)
            rt->Clear(D2D1::ColorF(0, 0, 0, 0));
    }

    void drawBitmap(IPlatformBitmap& bitmap, const CRect& dest, const CPoint& origin, double alpha) override
    {
        auto* source = dynamic_cast<Direct2DBitmap*>(&bitmap);
        if (!source || source == target.get() || !target->beginDrawing())
            return;
        ComPtr<ID2D1Bitmap> pixels = target->bitmapOf(*source);
        ID2D1RenderTarget* rt = target->beginDrawing();
        if (!pixels || !rt)
            return;
        CRect from(dest);
        from.offset(-origin.x, -origin.y);
        rt->SetAntialiasMode(D2D1_ANTIALIAS_MODE_ALIASED);
        rt->DrawBitmap(pixels.Get(), rectOf(dest), static_cast<FLOAT>(alpha),
                       D2D1_BITMAP_INTERPOLATION_MODE_NEAREST_NEIGHBOR, rectOf(from));
    }

    void drawText(const std::string& text, const CFontDesc& font, const CPoint& baseline, const CColor& color,
                  const PaintState& paint) override
    {
        ComPtr<IDWriteTextLayout> layout = layoutOf(text, font);
        ClippedTarget rt(*target, paint);
        if (!layout || !rt)
            return;
        DWRITE_LINE_METRICS line{};
        UINT32 lines = 0;
        if (FAILED(layout->GetLineMetrics(&line, 1, &lines)) || lines < 1)
            return;
        rt->SetTextAntialiasMode(paint.antialias ? D2D1_TEXT_ANTIALIAS_MODE_GRAYSCALE
                                                 : D2D1_TEXT_ANTIALIAS_MODE_ALIASED);
        if (ID2D1SolidColorBrush* brush = target->solidBrush(colorOf(color, paint.alpha)))
            rt->DrawTextLayout(
                D2D1::Point2F(static_cast<FLOAT>(baseline.x), static_cast<FLOAT>(baseline.y - line.baseline)),
                layout.Get(), brush, D2D1_DRAW_TEXT_OPTIONS_NO_SNAP);
    }

    CCoord getTextWidth(const std::string& text, const CFontDesc& font, bool) override
    {
        ComPtr<IDWriteTextLayout> layout = layoutOf(text, font);
        DWRITE_TEXT_METRICS metrics{};
        if (!layout || FAILED(layout->GetMetrics(&metrics)))
            return 0;
        return metrics.widthIncludingTrailingWhitespace;
    }

    CCoord getCapHeight(const CFontDesc& font, bool) override { return capHeightOf(font); }

    void flush() override { target->finishDrawing(); }

private:
    // The target drawing, clipped to the paint's rectangle, antialiased as
    // it says, for the length of one primitive.
    class ClippedTarget
    {
    public:
        ClippedTarget(Direct2DBitmap& bitmap, const PaintState& paint) : rt(bitmap.beginDrawing())
        {
            if (!rt || paint.clip.isEmpty())
            {
                rt = nullptr;
                return;
            }
            rt->PushAxisAlignedClip(rectOf(paint.clip), D2D1_ANTIALIAS_MODE_ALIASED);
            rt->SetAntialiasMode(paint.antialias ? D2D1_ANTIALIAS_MODE_PER_PRIMITIVE : D2D1_ANTIALIAS_MODE_ALIASED);
        }
        ~ClippedTarget()
        {
            if (rt)
                rt->PopAxisAlignedClip();
        }
        ClippedTarget(const ClippedTarget&) = delete;
        ClippedTarget& operator=(const ClippedTarget&) = delete;
        explicit operator bool() const { return rt != nullptr; }
        ID2D1RenderTarget* operator->() const { return rt; }

    private:
        ID2D1RenderTarget* rt;
    };

    static ComPtr<IDWriteTextLayout> layoutOf(const std::string& text, const CFontDesc& font)
    {
        ComPtr<IDWriteTextFormat> format = textFormatOf(font);
        const std::wstring wide = wideText(text);
        ComPtr<IDWriteTextLayout> layout;
        if (!format || !directWriteFactory() ||
            FAILED(directWriteFactory()->CreateTextLayout(wide.c_str(), static_cast<UINT32>(wide.size()), format.Get(),
                                                          100000.f, 1000.f, &layout)))
            return nullptr;
        const DWRITE_TEXT_RANGE all{0, static_cast<UINT32>(wide.size())};
        if (font.getStyle() & kUnderlineFace)
            layout->SetUnderline(TRUE, all);
        if (font.getStyle() & kStrikethroughFace)
            layout->SetStrikethrough(TRUE, all);
        return layout;
    }

    SharedPointer<Direct2DBitmap> target;
};

} // namespace

SharedPointer<IPlatformGraphics> createDirect2DGraphics(Direct2DBitmap* target)
{
    return owned<IPlatformGraphics>(new Direct2DGraphicsImpl(target));
}

} // namespace VSTGUI
