#pragma once
// Relative dragging shared by the knobs, the scrubber and the LCD faders:
// the value follows the pointer's distance from an anchor, not the sum of
// small moves, so overshooting past an end and coming back responds at once.
//
// Two-axis form: d = (y - anchor y) + (anchor x - x) pixels; the value is
// start - 0.005 d, so moving up or right raises it and 200 pixels cover the
// range. Fine mode (Shift) divides the step by ten; pressing or releasing
// Shift re-anchors at the pointer with the current value, so the value never
// jumps.

#include "toolkit/CButtonState.h"
#include "toolkit/CPoint.h"

struct RelativeDrag
{
    static constexpr double kStepPerPixel = 0.005;
    static constexpr double kFineFactor = 0.1;

    VSTGUI::CPoint anchor;
    float startValue = 0.f;
    bool dragging = false;
    bool fine = false;

    // Mouse-down: anchor at the pointer with the control's value.
    void begin(const VSTGUI::CPoint& where, float value)
    {
        anchor = where;
        startValue = value;
        dragging = true;
    }

    // Mouse-up.
    void end()
    {
        dragging = false;
        fine = false;
    }

    // Follows Shift; re-anchors (x and y, or only y) when it changes.
    // Returns true when this event re-anchored.
    bool followFineMode(const VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons, float currentValue,
                        bool verticalOnly = false)
    {
        const bool shift = (buttons.getModifierState() & VSTGUI::kShift) != 0;
        if (shift == fine)
            return false;
        fine = shift;
        if (verticalOnly)
            anchor.y = where.y;
        else
            anchor = where;
        startValue = currentValue;
        return true;
    }

    double stepPerPixel() const { return fine ? kStepPerPixel * kFineFactor : kStepPerPixel; }

    // Unclamped value of the two-axis form at the pointer.
    float twoAxisValue(const VSTGUI::CPoint& where) const
    {
        const double d = (where.y - anchor.y) + (anchor.x - where.x);
        return static_cast<float>(startValue - stepPerPixel() * d);
    }
};
