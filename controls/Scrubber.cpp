#include "controls/Scrubber.h"

#include "controls/ControlCursor.h"
#include "controls/ControlInk.h"
#include "controls/EditGesture.h"
#include "controls/WheelStep.h"

#include "toolkit/CDrawContext.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace VSTGUI;

Scrubber::Scrubber(const CRect& rectangle, IControlListener* controlListener)
    : ReadoutControl(rectangle, controlListener, kTag, 4, 3, kCursorVSize), rect(rectangle)
{}

// The engine's own reading of the value: 12 v truncated, in single
// precision. The number shown is the range that plays.
int32_t Scrubber::semitones() const { return static_cast<int32_t>(std::trunc(12.f * getValue())); }

void Scrubber::draw(CDrawContext* context)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(semitones()));
    context->setFontColor(inkColor(100));
    context->setFont(arialFont(20), 0, hovered ? kBoldFace : kNormalFace);
    // Fixed place on the panel; two-digit numbers start 7 pixels further left.
    CPoint at(semitones() >= 10 ? 7.0 : 14.0, 416.0);
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

// One notch, one semitone as the engine reads it. The value lands on the
// twelfth itself: sums of 1/12 fall a hair short in single precision (twelve
// notches from 0 give 0.9999999, which plays 11), and a notch must never
// leave the number where it was.
bool Scrubber::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons)
{
    if (!getMouseEnabled())
        return false;
    const int32_t next = std::clamp(semitones() + (distance > 0.f ? 1 : -1), 0, kMaxSemitones);
    applyWheelValue(*this, static_cast<float>(next) / 12.f);
    invalid();
    return true;
}
