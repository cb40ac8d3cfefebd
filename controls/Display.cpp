#include "controls/Display.h"

#include "controls/map_Slider_Needle.h"

using namespace VSTGUI;

namespace {
constexpr double kNeedleHalfWidth = 10.0;
constexpr double kNeedleHeight = 120.0;
constexpr double kNeedleATop = 326.0; // needle A stands in front, 15 pixels lower
constexpr double kNeedleBTop = 311.0;
} // namespace

Display::Display(const CRect& viewSize) : CView(viewSize) {}

CRect Display::needleARect(double x)
{
    return CRect(x - kNeedleHalfWidth, kNeedleATop, x + kNeedleHalfWidth, kNeedleATop + kNeedleHeight);
}

CRect Display::needleBRect(double x)
{
    return CRect(x - kNeedleHalfWidth, kNeedleBTop, x + kNeedleHalfWidth, kNeedleBTop + kNeedleHeight);
}

void Display::draw(CDrawContext* context)
{
    SharedPointer<map_Slider_Needle> needle = makeOwned<map_Slider_Needle>(2 * kNeedleHalfWidth, kNeedleHeight);
    needle->setHighlighted(highlighted == 1);
    needle->draw(context, needleARect(needleA));
    needle->setHighlighted(highlighted == 2);
    needle->draw(context, needleBRect(needleB));
    setDirty(false);
}
