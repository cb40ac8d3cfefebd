#include "toolkit/CGradient.h"

namespace VSTGUI {

CGradient* CGradient::create(const ColorStopMap& colorStopMap) { return new CGradient(colorStopMap); }

CGradient* CGradient::create(double color1Start, double color2Start, const CColor& color1, const CColor& color2)
{
    auto* g = new CGradient();
    g->addColorStop(color1Start, color1);
    g->addColorStop(color2Start, color2);
    return g;
}

} // namespace VSTGUI
