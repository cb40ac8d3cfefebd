#pragma once
// Colour gradient: sorted colour stops (offset 0..1 -> straight colour).
// Outside the stop range the end colours extend.

#include "toolkit/CBaseObject.h"
#include "toolkit/CColor.h"

#include <map>

namespace VSTGUI {

class CGradient : public CBaseObject
{
public:
    using ColorStopMap = std::multimap<double, CColor>;

    static CGradient* create(const ColorStopMap& colorStopMap);
    static CGradient* create(double color1Start, double color2Start, const CColor& color1, const CColor& color2);

    explicit CGradient(const ColorStopMap& map = {}) : colorStops(map) {}

    void addColorStop(double start, const CColor& color) { colorStops.emplace(start, color); }
    void addColorStop(const std::pair<double, CColor>& stop) { colorStops.insert(stop); }
    const ColorStopMap& getColorStops() const { return colorStops; }

private:
    ColorStopMap colorStops;
};

} // namespace VSTGUI
