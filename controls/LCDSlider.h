#pragma once
// LCD-style vertical fader of the microtuning and pitch-bend rows: a
// translucent box with a centre line and a value marker. Dragging is relative
// and vertical (the height minus 3 pixels covers the range; Shift for a tenth
// of that); an inverted fader shows and drags its value upside down.
// Hovering one shows the microtuning read-out.

#include "controls/RelativeDrag.h"

#include "toolkit/CControl.h"

#include <cstdint>

class LCDSlider : public VSTGUI::CControl
{
public:
    LCDSlider(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, int32_t tag, bool emphasised);

    VSTGUI::CView* newCopy() const override { return new LCDSlider(*this); }
    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    using VSTGUI::CControl::onWheel;
    bool onWheel(const VSTGUI::CPoint& where, const float& distance, const VSTGUI::CButtonState& buttons) override;

    void setInverted(bool state)
    {
        inverted = state;
        setDirty();
    }
    bool isInverted() const { return inverted; }
    bool isEmphasised() const { return emphasised; }
    bool isHovered() const { return hovered; }
    bool isDragging() const { return drag.dragging; }

private:
    // Pixels of drag that cover the whole range.
    double travel() const;

    bool hovered = false;
    bool emphasised;
    bool inverted = false;
    RelativeDrag drag;
    VSTGUI::CRect rect;
};
