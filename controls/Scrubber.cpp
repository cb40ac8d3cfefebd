#include "controls/Scrubber.h"

#include "controls/ControlCursor.h"
#include "controls/ControlInk.h"
#include "controls/EditGesture.h"
#include "controls/WheelStep.h"

#include "toolkit/CDrawContext.h"

#include <cstdio>

using namespace VSTGUI;

Scrubber::Scrubber(const CRect& rectangle, IControlListener* controlListener)
    : ReadoutControl(rectangle, controlListener, kTag, 4, 3, kCursorVSize), rect(rectangle)
{}

// Whole semitones, truncated. Wheel steps of 1/12 land a hair below the next
// twelfth in single precision (eight notches give 0.6666666), so a thousandth
// of a semitone of slack keeps the number from showing one less.
int32_t Scrubber::semitones() const { return static_cast<int32_t>(getValue() * 12.0 + 1e-3); }

void Scrubber::draw(CDrawContext* context)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(semitones()));
    context->setFontColor(inkColor(100));
    context->setFont(arialFont(20), 0, hovered ? kBoldFace : kNormalFace);
    // Fixed place on the panel; two-digit numbers start 7 pixels further left.
    CPoint at(getValue() >= 0.8333f ? 7.0 : 14.0, 416.0);
    frameToLocal(at);
    context->drawString(text, at);
    setDirty(false);
}

CMouseEventResult Scrubber::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    drag.begin(where, getValue());
    setFrameCursor(*this, kCursorHidden);
    EditGesture gesture(*this);
    return kMouseEventHandled;
}

// Two-axis, without fine mode.
CMouseEventResult Scrubber::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (drag.dragging)
        dragStep(*this, drag.twoAxisValue(where));
    return kMouseEventHandled;
}

CMouseEventResult Scrubber::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    drag.end();
    return kMouseEventHandled;
}

bool Scrubber::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons)
{
    if (!getMouseEnabled())
        return false;
    applyWheelValue(*this, steppedWheelValue(getValue(), distance, 1.f / 12.f));
    invalid();
    return true;
}
