#include "controls/Dial.h"

#include "controls/WheelStep.h"
#include "controls/map_Dial.h"

using namespace VSTGUI;

Dial::Dial(const CRect& rectangle, IControlListener* controlListener, int32_t controlTag, uint8_t readoutSection,
           uint8_t readoutItem, float wheelIncrement)
    : ReadoutControl(rectangle, controlListener, controlTag, readoutSection, readoutItem, kCursorSizeAll),
      pointer(rectangle.getCenter(), 0.4f * static_cast<float>(rectangle.getWidth())), rect(rectangle)
{
    setWheelInc(wheelIncrement);
}

void Dial::draw(CDrawContext* context)
{
    SharedPointer<map_Dial> dome = makeOwned<map_Dial>(rect.getWidth(), 120);
    dome->setKnob(getValue(), hovered);
    dome->draw(context, rect);
    setDirty(false);
}

// Lit, and named in the read-out line, only inside the active circle.
CMouseEventResult Dial::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (pointer.hover(*this, where, hovered))
    {
        if (hovered)
            enterHover();
        else
            invalid();
    }
    pointer.follow(*this, where, buttons, !notifyOnRelease);
    return kMouseEventHandled;
}

CMouseEventResult Dial::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    return pointer.press(*this, where, hovered);
}

CMouseEventResult Dial::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    pointer.release();
    if (notifyOnRelease)
        valueChanged();
    return kMouseEventHandled;
}

CMouseEventResult Dial::onMouseEntered(CPoint& where, const CButtonState& buttons) { return kMouseEventHandled; }

bool Dial::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons)
{
    if (!getMouseEnabled())
        return false;
    applyWheelValue(*this, continuousWheelValue(getValue(), distance, getWheelInc(), buttons));
    invalid();
    return true;
}
