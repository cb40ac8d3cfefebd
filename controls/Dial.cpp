#include "controls/Dial.h"

#include "controls/ControlCursor.h"
#include "controls/ControlHost.h"
#include "controls/EditGesture.h"
#include "controls/WheelStep.h"
#include "controls/map_Dial.h"

#include "toolkit/CFrame.h"

using namespace VSTGUI;

Dial::Dial(const CRect& rectangle, IControlListener* controlListener, int32_t controlTag, uint8_t readoutSection,
           uint8_t readoutItem, float wheelIncrement)
    : CControl(rectangle, controlListener, controlTag), section(readoutSection), item(readoutItem), rect(rectangle)
{
    const float activeRadius = 0.4f * static_cast<float>(rectangle.getWidth());
    activeRadius2 = activeRadius * activeRadius;
    setWheelInc(wheelIncrement);
}

void Dial::draw(CDrawContext* context)
{
    SharedPointer<map_Dial> knob = makeOwned<map_Dial>(rect.getWidth(), 120);
    knob->setKnob(getValue(), highlighted);
    knob->draw(context, rect);
    setDirty(false);
}

CMouseEventResult Dial::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    const CPoint centre = rect.getCenter();
    const double dx = where.x - centre.x;
    const double dy = where.y - centre.y;
    if (dx * dx + dy * dy < activeRadius2)
    {
        setFrameCursor(*this, kCursorSizeAll);
        if (ControlHost* host = controlHostOf(this))
            host->showParameterReadout(section, item);
        highlighted = true;
        invalid();
    }
    else if (!drag.dragging)
    {
        setFrameCursor(*this, kCursorDefault);
        highlighted = false;
        invalid();
    }

    if (drag.dragging)
    {
        EditGesture gesture(*this);
        drag.followFineMode(where, buttons, getValue());
        const float next = drag.twoAxisValue(where);
        if (getListener())
        {
            setValue(next);
            if (!notifyOnRelease)
                valueChanged();
        }
    }
    return kMouseEventHandled;
}

CMouseEventResult Dial::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!highlighted)
        return kMouseEventNotHandled;
    drag.begin(where, getValue());
    setFrameCursor(*this, kCursorHidden);
    EditGesture gesture(*this);
    return kMouseEventHandled;
}

CMouseEventResult Dial::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    drag.end();
    if (notifyOnRelease)
        valueChanged();
    return kMouseEventHandled;
}

CMouseEventResult Dial::onMouseEntered(CPoint& where, const CButtonState& buttons) { return kMouseEventHandled; }

CMouseEventResult Dial::onMouseExited(CPoint& where, const CButtonState& buttons)
{
    setFrameCursor(*this, kCursorDefault);
    if (ControlHost* host = controlHostOf(this))
        host->showParameterReadout(section, item);
    highlighted = false;
    setDirty();
    return kMouseEventHandled;
}

bool Dial::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons)
{
    if (!getMouseEnabled())
        return false;
    applyWheelValue(*this, continuousWheelValue(getValue(), distance, getWheelInc(), buttons));
    invalid();
    return true;
}
