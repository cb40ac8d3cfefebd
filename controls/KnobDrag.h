#pragma once
// The pointer handling Dial and LCDDial share: an active circle around the
// knob outside which it ignores the mouse, and a relative two-axis drag
// (RelativeDrag) with the pointer hidden, one edit gesture per event.

#include "controls/ControlCursor.h"
#include "controls/EditGesture.h"
#include "controls/RelativeDrag.h"

#include "toolkit/CControl.h"

class KnobDrag
{
public:
    KnobDrag(const VSTGUI::CPoint& knobCentre, float activeRadius)
        : centre(knobCentre), activeRadius2(activeRadius * activeRadius)
    {}

    bool isDragging() const { return drag.dragging; }

    // Pointer moved: inside the active circle the knob lights with the move
    // cursor; outside it (unless dragging) both go back. False when nothing
    // changed (outside, mid-drag).
    bool hover(VSTGUI::CControl& knob, const VSTGUI::CPoint& where, bool& highlighted) const
    {
        const double dx = where.x - centre.x;
        const double dy = where.y - centre.y;
        const bool inside = dx * dx + dy * dy < activeRadius2;
        if (!inside && drag.dragging)
            return false;
        setFrameCursor(knob, inside ? VSTGUI::kCursorSizeAll : VSTGUI::kCursorDefault);
        highlighted = inside;
        return true;
    }

    // Mouse-down: a lit knob starts a drag.
    VSTGUI::CMouseEventResult press(VSTGUI::CControl& knob, const VSTGUI::CPoint& where, bool highlighted)
    {
        if (!highlighted)
            return VSTGUI::kMouseEventNotHandled;
        drag.begin(where, knob.getValue());
        setFrameCursor(knob, VSTGUI::kCursorHidden);
        EditGesture gesture(knob);
        return VSTGUI::kMouseEventHandled;
    }

    // Mouse moved while dragging: Shift fine mode, the two-axis value, and
    // the listener told unless it waits for the release.
    void follow(VSTGUI::CControl& knob, const VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons, bool notify)
    {
        if (!drag.dragging)
            return;
        EditGesture gesture(knob);
        drag.followFineMode(where, buttons, knob.getValue());
        const float next = drag.twoAxisValue(where);
        if (knob.getListener())
        {
            knob.setValue(next);
            if (notify)
                knob.valueChanged();
        }
    }

    void release() { drag.end(); }

private:
    VSTGUI::CPoint centre;
    float activeRadius2;
    RelativeDrag drag;
};
