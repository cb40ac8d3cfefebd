#include "controls/Switcher.h"

#include "controls/ControlCursor.h"
#include "controls/ControlHost.h"
#include "controls/EditGesture.h"
#include "controls/WheelStep.h"
#include "controls/map_Switcher.h"

#include <cmath>

using namespace VSTGUI;

namespace {
constexpr double kPositionPitch = 12.0; // pixels between thumb positions
constexpr double kThumbShare = 0.45;    // thumb width / switch width
} // namespace

Switcher::Switcher(const CRect& viewSize, IControlListener* controlListener, int32_t controlTag, uint8_t readoutSection,
                   uint8_t readoutItem, int32_t stepCount)
    // A switch needs at least two positions; fewer would divide by zero.
    : CControl(viewSize, controlListener, controlTag), steps(stepCount < 1 ? 1 : stepCount), rect(viewSize),
      section(readoutSection), item(readoutItem)
{
}

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
    anchor = where;
    startValue = getValue();
    EditGesture gesture(*this);
    dragging = true;
    return kMouseEventHandled;
}

CMouseEventResult Switcher::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!dragging)
        return kMouseEventHandled;
    EditGesture gesture(*this);
    if (getListener())
    {
        // Whole steps only, counted from the anchor; vertical movement is ignored.
        const double stepWidth = rect.getWidth() / steps;
        const double k = stepWidth > 0.0 ? std::trunc((anchor.x - where.x) / stepWidth) : 0.0;
        setValue(static_cast<float>(startValue - k / steps));
        valueChanged();
    }
    return kMouseEventHandled;
}

CMouseEventResult Switcher::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    dragging = false;
    return kMouseEventHandled;
}

CMouseEventResult Switcher::onMouseEntered(CPoint& where, const CButtonState& buttons)
{
    setFrameCursor(*this, kCursorHSize);
    if (ControlHost* host = controlHostOf(this))
        host->showParameterReadout(section, item);
    hovered = true;
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult Switcher::onMouseExited(CPoint& where, const CButtonState& buttons)
{
    setFrameCursor(*this, kCursorDefault);
    if (ControlHost* host = controlHostOf(this))
        host->showParameterReadout(section, item);
    hovered = false;
    setDirty();
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
