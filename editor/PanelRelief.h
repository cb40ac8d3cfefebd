#pragma once
// What the panel's relief holds: the section frames and wells, the knob
// wells under the dials, the keyboard bed, and the page area in its two
// variants (a grille while every page is closed, a flat glass while one is
// open). Drawn into the planes over the texture.

#include "editor/PanelPlanes.h"

// Everything but the page area's inside; once per process.
void drawStaticRelief(PanelPlanes& planes);

// The page area's inside, drawn over the plain texture kept from the first
// build, so that closing a page gives back exactly the closed look.
class PageAreaRelief
{
public:
    // Keeps the page area's plain texture; call before any variant.
    void keepBase(const PanelPlanes& planes);
    void draw(PanelPlanes& planes, bool pageOpen) const;
    // The pixels a variant writes (their neighbours' shading changes too).
    static PlaneClip area();

private:
    Plane baseH, baseS, baseT; // the area's pixels only
};
