#pragma once
// The main knob: a lit dome with a dimple as pointer. It reacts to the mouse
// only inside an active circle (0.4 of its width around the centre), shows
// its parameter in the editor's read-out line while the pointer is there,
// and is turned by relative two-axis dragging (up or right raises; Shift for
// fine steps) with the pointer hidden, or by the wheel.

#include "controls/KnobDrag.h"
#include "controls/ReadoutControl.h"

#include <cstdint>

class Dial : public ReadoutControl
{
public:
    Dial(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, int32_t tag, uint8_t section, uint8_t item,
         float wheelIncrement);

    VSTGUI::CView* newCopy() const override { return new Dial(*this); }
    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    using VSTGUI::CControl::onWheel;
    bool onWheel(const VSTGUI::CPoint& where, const float& distance, const VSTGUI::CButtonState& buttons) override;

    // When set, the listener hears of a drag only once, on mouse-up.
    virtual void setNotifyOnRelease(bool state) { notifyOnRelease = state; }

    bool getNotifyOnRelease() const { return notifyOnRelease; }
    bool isHighlighted() const { return hovered; }
    bool isDragging() const { return pointer.isDragging(); }

private:
    bool notifyOnRelease = false;
    KnobDrag pointer;
    VSTGUI::CRect rect;
};
