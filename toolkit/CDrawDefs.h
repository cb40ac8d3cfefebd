#pragma once
// Drawing enumerations: draw styles, draw modes, line styles, text alignment.

#include "toolkit/VSTGUIFwd.h"

#include <vector>

namespace VSTGUI {

enum CDrawStyle : int32_t
{
    kDrawStroked = 0,
    kDrawFilled = 1,
    kDrawFilledAndStroked = 2
};

enum CHoriTxtAlign : int32_t
{
    kLeftText = 0,
    kCenterText = 1,
    kRightText = 2
};

enum CDrawModeFlags : uint32_t
{
    kAliasing = 0,
    kAntiAliasing = 1,
    kNonIntegralMode = 0xF0000000
};

// Anti-aliasing on/off plus the integral flag. Integral mode (coordinates
// rounded to whole pixels) is on unless kNonIntegralMode is or-ed in.
class CDrawMode
{
public:
    constexpr CDrawMode(uint32_t m = kAliasing) : mode(m) {}
    constexpr uint32_t modeIgnoringIntegralMode() const { return mode & ~static_cast<uint32_t>(kNonIntegralMode); }
    constexpr bool integralMode() const { return (mode & kNonIntegralMode) == 0; }
    constexpr bool antiAliasing() const { return modeIgnoringIntegralMode() == kAntiAliasing; }
    constexpr uint32_t operator()() const { return mode; }
    constexpr bool operator==(const CDrawMode& o) const
    {
        return modeIgnoringIntegralMode() == o.modeIgnoringIntegralMode();
    }
    constexpr bool operator!=(const CDrawMode& o) const { return !(*this == o); }

private:
    uint32_t mode;
};

class CLineStyle
{
public:
    enum LineCap
    {
        kLineCapButt = 0,
        kLineCapRound,
        kLineCapSquare
    };
    enum LineJoin
    {
        kLineJoinMiter = 0,
        kLineJoinRound,
        kLineJoinBevel
    };
    using CoordVector = std::vector<CCoord>;

    CLineStyle(LineCap c = kLineCapButt, LineJoin j = kLineJoinMiter, CCoord phase = 0, const CoordVector& dashes = {})
        : cap(c), join(j), dashPhase(phase), dashLengths(dashes)
    {}
    CLineStyle(LineCap c, LineJoin j, CCoord phase, uint32_t dashCount, const CCoord* dashes)
        : cap(c), join(j), dashPhase(phase), dashLengths(dashes, dashes + dashCount)
    {}

    LineCap getLineCap() const { return cap; }
    LineJoin getLineJoin() const { return join; }
    CCoord getDashPhase() const { return dashPhase; }
    // Dash and gap lengths in multiples of the line width.
    const CoordVector& getDashLengths() const { return dashLengths; }
    CoordVector& getDashLengths() { return dashLengths; }
    uint32_t getDashCount() const { return static_cast<uint32_t>(dashLengths.size()); }
    void setLineCap(LineCap c) { cap = c; }
    void setLineJoin(LineJoin j) { join = j; }
    void setDashPhase(CCoord p) { dashPhase = p; }

    bool operator==(const CLineStyle& o) const
    {
        return cap == o.cap && join == o.join && dashPhase == o.dashPhase && dashLengths == o.dashLengths;
    }
    bool operator!=(const CLineStyle& o) const { return !(*this == o); }

private:
    LineCap cap;
    LineJoin join;
    CCoord dashPhase;
    CoordVector dashLengths;
};

extern const CLineStyle kLineSolid;
extern const CLineStyle kLineOnOffDash;

} // namespace VSTGUI
