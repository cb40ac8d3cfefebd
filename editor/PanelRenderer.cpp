#include "editor/PanelRenderer.h"

#include "editor/PanelNoise.h"
#include "editor/PanelPlanes.h"
#include "editor/PanelRelief.h"

#include "toolkit/CBitmapPixelAccess.h"
#include "toolkit/CFontDesc.h"
#include "toolkit/CFrame.h"
#include "toolkit/COffscreenContext.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

using namespace VSTGUI;

namespace {

// What the colour pass needs of a pixel that does not depend on the colour,
// kept between renders: a colour change is then one cheap pass.
struct LitPixel
{
    float shade; // vignette x gloss x diffuse light
    float rim; // the cool edge light from the upper left
    float logHighlight; // (S + H) ln c of the highlight term; -inf without one
    float highlightScale; // (1 - shade / 4) H
};

struct PanelState
{
    std::mutex lock; // editors on different GUI threads share the planes
    bool built = false;
    int width = 0, height = 0;
    PanelPlanes planes;
    PageAreaRelief pageArea;
    bool pageVariantOpen = false;
    std::vector<LitPixel> lit;
};

PanelState& panelState()
{
    static PanelState state;
    return state;
}

struct Vec
{
    double x, y, z;
};
double dot(const Vec& a, const Vec& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec normalise(const Vec& v)
{
    const double len = std::sqrt(dot(v, v));
    return len > 0 ? Vec{v.x / len, v.y / len, v.z / len} : v;
}

// Lighting of pixel (x, y) from the planes.
LitPixel lightPixel(const PanelPlanes& p, int x, int y)
{
    const int w = p.width(), h = p.height();
    LitPixel px;
    const float H = p.H.at(x, y), S = p.S.at(x, y);
    // The right column and the bottom row have no neighbour to slope to.
    if (x + 1 >= w || y + 1 >= h)
    {
        px.shade = 0.f;
        px.rim = 0.f;
        px.logHighlight = -std::numeric_limits<float>::infinity();
        px.highlightScale = 0.f;
        return px;
    }
    const double dx = x - w / 2.0, dy = y - h / 2.0;
    const double vignette = 1.0 - (dx * dx + dy * dy) / (static_cast<double>(w) * w);
    const Vec n = normalise({p.H.at(x + 1, y) - H, p.H.at(x, y + 1) - H, 0.0325});
    const Vec l = normalise({x + 300.0, y + 200.0, 700.0 - 100.0 * H});
    const double diffuse = std::max(0.0, dot(n, l));
    const double shade = vignette * (0.3 * S + 0.7) * (0.75 * diffuse + 0.25);
    static const Vec kRimLight = normalise({-0.3, -0.3, 1.0});
    px.shade = static_cast<float>(shade);
    px.rim = static_cast<float>(0.125 * std::max(0.0, dot(n, kRimLight)));
    const Vec e = normalise({dx, dy, 2800.0 - 100.0 * H});
    const double ne = dot(n, e);
    const Vec r{e.x - 2 * ne * n.x, e.y - 2 * ne * n.y, e.z - 2 * ne * n.z};
    const double c = std::clamp(-dot(r, l), 0.0, 1.0);
    px.logHighlight = c > 0 ? static_cast<float>((S + H) * std::log(c)) : -std::numeric_limits<float>::infinity();
    px.highlightScale = static_cast<float>((1.0 - 0.25 * shade) * H);
    return px;
}

void lightRegion(PanelState& s, int x0, int y0, int x1, int y1)
{
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, s.width);
    y1 = std::min(y1, s.height);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            s.lit[static_cast<size_t>(y) * s.width + x] = lightPixel(s.planes, x, y);
}

// Runs rows(y0, y1) over 0..height, the lower half on a second thread: the
// per-pixel work of the first build is independent row by row.
template <class Rows>
void inTwoHalves(int height, const Rows& rows)
{
    const int middle = height / 2;
    std::thread lower;
    try
    {
        lower = std::thread([&] { rows(middle, height); });
    }
    catch (const std::system_error&)
    {
        rows(0, height); // no second thread: one after the other
        return;
    }
    rows(0, middle);
    lower.join();
}

bool buildOnce(PanelState& s, int w, int h)
{
    if (!s.planes.allocate(w, h))
        return false;
    try
    {
        s.lit.resize(static_cast<size_t>(w) * h);
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
    s.width = w;
    s.height = h;
    inTwoHalves(h, [&s, w](int y0, int y1) {
        PanelTexture texture;
        for (int y = y0; y < y1; ++y)
            for (int x = 0; x < w; ++x)
                s.planes.H.at(x, y) = texture.at(x, y);
    });
    drawStaticRelief(s.planes);
    s.pageArea.keepBase(s.planes);
    s.pageArea.draw(s.planes, false);
    s.pageVariantOpen = false;
    inTwoHalves(h, [&s, w](int y0, int y1) { lightRegion(s, 0, y0, w, y1); });
    s.built = true;
    return true;
}

uint8_t toByte(float v) { return static_cast<uint8_t>(std::clamp(v, 0.f, 255.f)); }

// One pass over the pixels: the lit surface tinted with the colour.
void colourPass(const PanelState& s, const CColor& colour, uint8_t* pixels, uint32_t bytesPerRow)
{
    const float R0 = colour.red / 255.f, G0 = colour.green / 255.f, B0 = colour.blue / 255.f;
    const float g = (R0 + G0 + B0) * 0.1666f + 0.5f * std::min({R0, G0, B0});
    const float exponent = (0.7f * g + 0.3f) * 15.f;
    const float highlightColour = 1.f - 0.75f * g;
    for (int y = 0; y < s.height; ++y)
    {
        uint8_t* row = pixels + static_cast<size_t>(y) * bytesPerRow;
        const size_t first = static_cast<size_t>(y) * s.width;
        const LitPixel* lit = &s.lit[first];
        const float* Hs = &s.planes.H.values[first];
        const float* Ss = &s.planes.S.values[first];
        const float* Ts = &s.planes.T.values[first];
        const bool keyboardRow = y > 360;
        for (int x = 0; x < s.width; ++x)
        {
            const LitPixel& px = lit[x];
            const float H = Hs[x], S = Ss[x], T = Ts[x];
            const float p = std::exp(exponent * px.logHighlight) * px.highlightScale * highlightColour;
            const float a = 0.4f * T;
            const float mr = a * (1 - R0) + px.shade * R0;
            const float mg = a * (1 - G0) + px.shade * G0;
            const float mb = a * (1 - B0) + px.shade * B0;
            // Held to a byte each (a bright highlight must not wrap round to black).
            float red = std::min(((1 - mr) * 0.45f * S + mr) * 255 + 255 * p, 255.f);
            float green = std::min(((1 - mg) * 0.15f * S + mg) * 255 + 255 * p, 255.f);
            float blue = std::min((1 - 0.5f * S) * mb * 255 + 255 * p, 255.f);
            if (keyboardRow && x > 40 && x < 995)
            {
                const float k = (T + 1) * 0.5f + 2 * p;
                red *= k;
                green *= k;
                blue *= k;
            }
            blue = std::min(blue + 40 * px.rim, 255.f);
            green = std::min(green + 70 * px.rim, 255.f);
            red = std::min(red + 100 * px.rim, 255.f);
            if (H < 0.15f)
            {
                // Deep recesses glow a dark gold.
                const float k = 1 - H / 0.15f, q = 0.75f * S + 1, m = (H / 0.15f + 1) * 0.5f;
                red = (1 - red / 255) * q * 165 * k + m * red;
                green = (1 - green / 255) * q * 100 * k + m * green;
                blue = (1 - blue / 255) * q * 5 * k + m * blue;
            }
            uint8_t* out = row + 4 * x;
            out[0] = toByte(blue);
            out[1] = toByte(green);
            out[2] = toByte(red);
            out[3] = 255;
        }
    }
}

SharedPointer<CFontDesc> serifFont() { return makeOwned<CFontDesc>("Times New Roman", 18, kNormalFace); }
SharedPointer<CFontDesc> sansFont() { return makeOwned<CFontDesc>("Arial", 12, kNormalFace); }

void drawTwice(CDrawContext* c, const char* text, const CPoint& shadowAt, const CPoint& faceAt, const CColor& shadow,
               const CColor& face)
{
    c->setFontColor(shadow);
    c->drawString(text, shadowAt);
    c->setFontColor(face);
    c->drawString(text, faceAt);
}

void drawLogo(CDrawContext* c, const SharedPointer<CFontDesc>& serif)
{
    const CColor shadow(30, 20, 10, 68), face(250, 210, 100, 168);
    // The two initials large, the rest smaller, each shadow then face.
    c->setFont(serif, 34);
    drawTwice(c, "V", CPoint(11, 35), CPoint(9, 33), shadow, face);
    drawTwice(c, "T", CPoint(89, 35), CPoint(87, 33), shadow, face);
    c->setFont(serif, 28);
    drawTwice(c, "A", CPoint(37, 35), CPoint(36, 34), shadow, face);
    drawTwice(c, "N", CPoint(60, 35), CPoint(59, 34), shadow, face);
    c->setFont(serif, 20);
    drawTwice(c, "OREL", CPoint(110, 35), CPoint(109, 34), shadow, face);
    c->setFont(serif, 10);
    drawTwice(c, "SPRINGS", CPoint(112, 20), CPoint(111, 19), shadow, face);
}

void drawLabels(CDrawContext* c, const CColor& colour, const SharedPointer<CFontDesc>& serif,
                const SharedPointer<CFontDesc>& sans)
{
    const int R = colour.red, G = colour.green, B = colour.blue;
    const CColor light(static_cast<uint8_t>((R + 255) * 0.5), static_cast<uint8_t>((G + 233) * 0.5),
                       static_cast<uint8_t>((B + 199) * 0.5), 55);
    const CColor dark(static_cast<uint8_t>((R + 20) * 0.2), static_cast<uint8_t>((G + 10) * 0.21),
                      static_cast<uint8_t>((B + 5) * 0.25), 185);
    c->setFont(sans, 18);
    const char* strip = "PRESETS   MICROTUNING   MODULATION   EFFECTS";
    c->setFontColor(light);
    c->drawString(strip, CPoint(481, 64));
    c->setFontColor(dark);
    c->drawString(strip, CPoint(480, 63));

    struct Label
    {
        const char* text;
        CPoint lightAt, darkAt;
    };
    static const Label labels[] = {
        {"SPRING A", {260, 84.3}, {259, 83.3}}, {"SPRING B", {260, 166.5}, {259, 165.5}},
        {"GLOBAL", {260, 249}, {259, 248}},     {"BODY", {477, 232}, {476, 230}},
        {"PHASER", {738, 231}, {736, 230}},
    };
    c->setFont(serif, 30);
    // The light copy first: the dark text lies on top with a light edge.
    for (const Label& l : labels)
    {
        c->setFontColor(light);
        c->drawString(l.text, l.lightAt);
        c->setFontColor(dark);
        c->drawString(l.text, l.darkAt);
    }
}

} // namespace

void buildPlanes(Offline_Render* bitmap, CDrawContext* context, const CRect& rect, const CPoint& offset, CCoord width,
                 CCoord height, bool pageOpen)
{
    const int w = static_cast<int>(std::floor(width)), h = static_cast<int>(std::floor(height));
    SharedPointer<CBitmapPixelAccess> access = owned(CBitmapPixelAccess::create(bitmap, true));
    if (!access)
        return;
    PanelState& s = panelState();
    std::lock_guard<std::mutex> guard(s.lock);
    if (!s.built && !buildOnce(s, w, h))
        return; // the bitmap keeps what it held
    if (s.width != w || s.height != h)
        return;
    if (s.pageVariantOpen != pageOpen)
    {
        s.pageArea.draw(s.planes, pageOpen);
        s.pageVariantOpen = pageOpen;
        // The shading of a pixel reads its right and lower neighbours.
        const PlaneClip a = PageAreaRelief::area();
        lightRegion(s, a.left - 1, a.top - 1, a.right, a.bottom);
    }
    IPlatformBitmapPixelAccess* raw = access->getPlatformBitmapPixelAccess();
    colourPass(s, bitmap->colour, raw->getAddress(), raw->getBytesPerRow());
}

void drawPanel(Offline_Render* bitmap, CDrawContext* c, const CRect& rect, const CPoint& offset, bool pageOpen)
{
    c->setLineWidth(1);
    c->setDrawMode(kAntiAliasing);
    c->setFillColor(CColor(90, 70, 50, 255));
    buildPlanes(bitmap, c, rect, offset, rect.getWidth(), rect.getHeight(), pageOpen);

    const SharedPointer<CFontDesc> serif = serifFont();
    const SharedPointer<CFontDesc> sans = sansFont();
    drawLogo(c, serif);

    c->setFont(sans, 12);
    drawTwice(c, " v2.0.4  coil works  www.orvik.example", CPoint(178, 29), CPoint(177, 28), CColor(30, 20, 10, 48),
              CColor(250, 210, 100, 108));
    c->setFontColor(CColor(250, 210, 100, 78));
    c->drawString("midi", CPoint(974, 28));
    c->setFrameColor(CColor(250, 210, 100, 38));
    c->drawEllipse(CRect(998, 19, 1008, 29), kDrawStroked);

    c->setFont(serif, 19, kBoldFace);
    c->setFontColor(CColor(30, 20, 10, 128));
    c->drawString("A3", CPoint(47, 467));

    drawLabels(c, bitmap->colour, serif, sans);

    // Glowing rings behind the three volume dials.
    const CColor ring(255, static_cast<uint8_t>(bitmap->colour.green * 0.35),
                      static_cast<uint8_t>(bitmap->colour.blue * 0.35), 80);
    c->setFrameColor(ring);
    c->setLineWidth(6);
    c->drawArc(CRect(24, 65, 78, 119), -90, 56, kDrawStroked);
    c->drawArc(CRect(24, 147, 78, 201), -90, 56, kDrawStroked);
    c->setLineWidth(4);
    c->drawArc(CRect(28.5, 218.5, 72.5, 262.5), -90, 56, kDrawStroked);
}

SharedPointer<CBitmap> renderPanel(CFrame* frame, const CColor& colour, bool pageOpen)
{
    if (!frame || !frame->isOpen())
        return nullptr;
    const CCoord w = frame->getWidth(), h = frame->getHeight();
    if (w < 1 || h < 1)
        return nullptr;
    auto bitmap = owned(new Offline_Render(w, h));
    if (!bitmap->isLoaded())
        return nullptr;
    bitmap->colour = colour;
    // The context draws straight into the panel bitmap.
    auto context = owned(new COffscreenContext(bitmap.get()));
    context->beginDraw();
    drawPanel(bitmap.get(), context.get(), frame->getViewSize(), CPoint(0, 0), pageOpen);
    context->endDraw();
    return SharedPointer<CBitmap>(bitmap.get());
}
