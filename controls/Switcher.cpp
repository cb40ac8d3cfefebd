#include "controls/Switcher.h"

#include "controls/EditGesture.h"
#include "controls/WheelStep.h"
#include "controls/map_Switcher.h"

#include <cmath>

using namespace VSTGUI;

namespace {
constexpr double kPositionPitch = 12.0; // pixels between thumb positions
constexpr double kThumbShare = 0.45; // thumb width / switch width
} // namespace

Switcher::Switcher(const CRect& viewSize, IControlListener* controlListener, int32_t controlTag, uint8_t readoutSection,
                   uint8_t readoutItem, int32_t stepCount)
    // A switch needs at least two positions; fewer would divide by zero.
    : ReadoutControl(viewSize, controlListener, controlTag, readoutSection, readoutItem, kCursorHSize),
      steps(stepCount < 1 ? 1 : stepCount), rect(viewSize)
{}

CRect Switcher::thumbRect() const
{
    const double thumbWidth = kThumbShare * rect.getWidth();
    const double position = std::trunc(static_cast<double>(steps) * getValue());
    const double left = rect.left + kPositionPitch * position;
    return CRect(left, rect.top, left + thumbWidth, rect.bottom);
}

void Switcher::draw(CDrawContext* context)
{
    const CRect thumb = thumbRect();
    SharedPointer<map_Switcher> bitmap = makeOwned<map_Switcher>(thumb.getWidth(), 120);
    bitmap->setHighlighted(hovered);
    bitmap->draw(context, thumb);
    setDirty(false);
}

CMouseEventResult Switcher::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    drag.begin(where, getValue());
    EditGesture gesture(*this);
    return kMouseEventHandled;
}

// Whole steps only, counted from the anchor; vertical movement is ignored.
CMouseEventResult Switcher::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!drag.dragging)
        return kMouseEventHandled;
    const double stepWidth = rect.getWidth() / steps;
    const double k = stepWidth > 0.0 ? std::trunc((drag.anchor.x - where.x) / stepWidth) : 0.0;
    dragStep(*this, static_cast<float>(drag.startValue - k / steps));
    return kMouseEventHandled;
}

CMouseEventResult Switcher::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    drag.end();
    return kMouseEventHandled;
}

bool Switcher::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons)
{
    if (!getMouseEnabled())
        return false;
    applyWheelValue(*this, steppedWheelValue(getValue(), distance, 1.f / static_cast<float>(steps)));
    invalid();
    return true;
}
