#include "editor/PanelRelief.h"

#include "controls/KeyboardLayout.h"
#include "editor/ControlLayout.h"

using VSTGUI::CPoint;
using VSTGUI::CRect;

namespace {

// Heights: the texture lies around 0.2..0.5; below 0.15 the colour pass
// shows the dark golden recess.
constexpr float kRim = 0.78f;
constexpr float kPlate = 0.34f;
constexpr float kRecess = 0.06f;

// A section: a raised rim around a slightly sunken plate that keeps some of
// the texture.
void drawSection(PanelPlanes& p, const CRect& r)
{
    fillRoundRect(p.H, r, 9, kRim, 0.75f);
    CRect inner(r);
    inner.inset(3, 3);
    fillRoundRect(p.H, inner, 7, kRim - 0.15f, 0.6f);
    inner.inset(2, 2);
    fillRoundRect(p.H, inner, 5, kPlate, 0.55f);
    fillRoundRect(p.S, inner, 5, 0.15f, 1.f);
}

// A knob well: a bevelled ring sinking to a dark floor under the dial.
void drawWell(PanelPlanes& p, const CRect& dial)
{
    const CPoint c = dial.getCenter();
    const double r = dial.getWidth() / 2;
    fillDisc(p.H, c, r + 4, kRim, 0.5f);
    fillDisc(p.H, c, r + 2.5, 0.3f, 0.8f);
    fillDisc(p.H, c, r + 1, kRecess, 0.95f);
    fillDisc(p.S, c, r + 2.5, 0.5f, 1.f);
}

void drawWells(PanelPlanes& p, const Layout::DialPlace* dials, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        drawWell(p, dials[i].rect);
}

template <size_t N>
void drawWells(PanelPlanes& p, const Layout::DialPlace (&dials)[N])
{
    drawWells(p, dials, N);
}

// A sunken LCD window with a tinted, glossy floor.
void drawWindow(PanelPlanes& p, const CRect& r)
{
    CRect outer(r);
    outer.extend(2, 2);
    fillRoundRect(p.H, outer, 4, 0.62f, 0.7f);
    fillRoundRect(p.H, r, 3, 0.22f, 0.9f);
    fillRoundRect(p.S, r, 3, 0.55f, 1.f);
    fillRoundRect(p.T, r, 3, 0.35f, 1.f);
}

// The keyboard bed under the piano roll: one bar per key where the piano
// roll plays it, the black keys raised and dark.
void drawKeyboardBed(PanelPlanes& p)
{
    const CRect bed(40, 360, 995, 480);
    fillRoundRect(p.H, bed, 2, 0.1f, 1.f);
    fillRoundRect(p.T, bed, 2, 0.2f, 1.f);
    for (const KeyboardKey& k : keyboardKeys())
        if (!k.isBlack())
        {
            const CRect key(k.rect.left + 0.5, 361, k.rect.right - 0.5, 479);
            fillRoundRect(p.H, key, 3, 0.55f, 1.f);
            fillRoundRect(p.T, key, 3, 1.f, 1.f);
            fillRoundRect(p.S, key, 3, 0.25f, 1.f);
        }
    for (int n = 1; n <= kKeyboardKeyCount; ++n)
    {
        const KeyboardKey& k = keyboardKeys()[static_cast<size_t>(n - 1)];
        if (!k.isBlack())
            continue;
        fillRoundRect(p.H, k.rect, 2, 0.8f, 1.f);
        fillRoundRect(p.T, k.rect, 2, 0.f, 1.f);
        fillRoundRect(p.S, k.rect, 2, 0.6f, 1.f);
    }
}

void drawColourWells(PanelPlanes& p)
{
    for (double y : {68.5, 98.5, 128.5})
    {
        fillDisc(p.H, CPoint(995, y), 14, kRim, 0.5f);
        fillDisc(p.H, CPoint(995, y), 11.5, kRecess, 0.95f);
    }
}

} // namespace

void drawStaticRelief(PanelPlanes& p)
{
    // Sections of the left half, the body and the phaser.
    drawSection(p, CRect(8, 50, 468, 132));
    drawSection(p, CRect(8, 133, 468, 215));
    drawSection(p, CRect(8, 216, 468, 300));
    drawSection(p, CRect(472, 204, 726, 314));
    drawSection(p, CRect(728, 204, 968, 314));
    // The page area's frame (its inside is the page variant's).
    drawSection(p, CRect(470, 40, 958, 206));

    drawWells(p, Layout::kSpringADials);
    drawWells(p, Layout::kSpringBDials);
    drawWell(p, Layout::kSpringBCrush.rect);
    drawWells(p, Layout::kGlobalDials);
    drawWells(p, Layout::kGlobalLateDials);
    drawWells(p, Layout::kBodyDials);
    drawColourWells(p);

    drawWindow(p, Layout::kSpringAReadout);
    drawWindow(p, Layout::kSpringBReadout);
    drawWindow(p, Layout::kGlobalReadout);
    drawWindow(p, Layout::kBodyReadout);
    // The switch slots and the pitch-range box.
    drawWindow(p, Layout::kOctaveSwitch);
    drawWindow(p, Layout::kTremoloSyncSwitch);
    drawWindow(p, Layout::kScrubber);
    // The top bar: program name strip and the file buttons.
    drawWindow(p, CRect(600, 9, 878, 32));
    drawWindow(p, CRect(895, 11, 954, 29));

    // The needle track over the keyboard and the keyboard itself.
    fillRoundRect(p.H, CRect(40, 318, 995, 358), 6, 0.66f, 0.8f);
    fillRoundRect(p.H, CRect(44, 322, 991, 356), 4, 0.18f, 0.9f);
    fillRoundRect(p.S, CRect(44, 322, 991, 356), 4, 0.4f, 1.f);
    drawKeyboardBed(p);
}

PlaneClip PageAreaRelief::area() { return PlaneClip{478, 70, 950, 200}; }

void PageAreaRelief::keepBase(const PanelPlanes& p)
{
    const PlaneClip a = area();
    const int w = a.right - a.left, h = a.bottom - a.top;
    baseH.allocate(w, h);
    baseS.allocate(w, h);
    baseT.allocate(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            baseH.at(x, y) = p.H.at(a.left + x, a.top + y);
            baseS.at(x, y) = p.S.at(a.left + x, a.top + y);
            baseT.at(x, y) = p.T.at(a.left + x, a.top + y);
        }
}

void PageAreaRelief::draw(PanelPlanes& p, bool pageOpen) const
{
    const PlaneClip a = area();
    if (baseH.values.empty())
        return;
    for (int y = 0; y < baseH.height; ++y)
        for (int x = 0; x < baseH.width; ++x)
        {
            p.H.at(a.left + x, a.top + y) = baseH.at(x, y);
            p.S.at(a.left + x, a.top + y) = baseS.at(x, y);
            p.T.at(a.left + x, a.top + y) = baseT.at(x, y);
        }
    const CRect inside(478, 70, 950, 200);
    if (pageOpen)
    {
        // A flat glass the page's controls sit on.
        fillRoundRect(p.H, inside, 4, 0.3f, 0.85f, a);
        fillRoundRect(p.S, inside, 4, 0.55f, 1.f, a);
        CRect glass(inside);
        glass.inset(4, 4);
        fillRoundRect(p.S, glass, 3, 0.7f, 1.f, a);
        fillRoundRect(p.T, glass, 3, 0.3f, 1.f, a);
        return;
    }
    // Closed: a dark recess behind a grille of vertical bars every 9 pixels.
    fillRoundRect(p.H, inside, 4, 0.1f, 0.95f, a);
    CRect floor(inside);
    floor.inset(3, 3);
    fillRoundRect(p.H, floor, 3, kRecess, 1.f, a);
    for (double x = 484; x <= 943; x += 9)
        drawPlaneLine(p.H, CPoint(x, 70), CPoint(x, 200), 5, 0.6f, 1.f, a);
}
