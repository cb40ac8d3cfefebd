#pragma once
// Mouse-wheel conventions of the controls.
//
// Continuous controls move by distance x wheel increment (a hundredth of that
// with Shift); stepped controls move one position per event, up for a
// positive distance, down otherwise. The new value is written clamped, then
// reported as one gesture, and the caller redraws.

#include "controls/EditGesture.h"

#include "toolkit/CButtonState.h"
#include "toolkit/CControl.h"

inline float continuousWheelValue(float value, float distance, float increment, const VSTGUI::CButtonState& buttons)
{
    const bool fine = (buttons.getModifierState() & VSTGUI::kShift) != 0;
    return value + distance * (fine ? 0.01f * increment : increment);
}

inline float steppedWheelValue(float value, float distance, float step)
{
    return distance > 0.f ? value + step : value - step;
}

// Writes the value clamped to 0..1 and tells the listener inside one gesture.
inline void applyWheelValue(VSTGUI::CControl& control, float value)
{
    control.setValueNormalized(value);
    EditGesture gesture(control);
    control.valueChanged();
}
