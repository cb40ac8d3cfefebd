#pragma once
// Results of mouse handlers, wheel axes, cursor shapes and knob modes.

#include <cstdint>

namespace VSTGUI {

enum CMouseEventResult : int32_t
{
    kMouseEventNotImplemented = 0,
    kMouseEventHandled = 1,
    kMouseEventNotHandled = 2,
    kMouseDownEventHandledButDontNeedMovedOrUpEvents = 3,
    kMouseMoveEventHandledButDontNeedMoreEvents = 4
};

enum CMouseWheelAxis : int32_t
{
    kMouseWheelAxisX = 0,
    kMouseWheelAxisY = 1
};

enum CCursorType : int32_t
{
    kCursorDefault = 0,
    kCursorWait = 1,
    kCursorHSize = 2,
    kCursorVSize = 3,
    kCursorSizeAll = 4,
    kCursorNESWSize = 5,
    kCursorNWSESize = 6,
    kCursorCopy = 7,
    kCursorNotAllowed = 8,
    kCursorHand = 9,
    kCursorIBeam = 10,
    // No pointer at all; while a drag holds the mouse it stays hidden even
    // outside the window, until the button is released or another cursor is set.
    kCursorHidden = 100
};

enum CKnobMode : int32_t
{
    kCircularMode = 0,
    kRelativCircularMode = 1,
    kLinearMode = 2
};

} // namespace VSTGUI
