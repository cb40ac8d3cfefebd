#pragma once
// A stepped horizontal switch: a lit, ribbed thumb that sits in one of
// steps + 1 positions 12 pixels apart. Dragged sideways (one step per
// W / steps pixels) or stepped by the wheel; it names its parameter in the
// editor's read-out line while hovered and glows then.

#include "controls/ReadoutControl.h"
#include "controls/RelativeDrag.h"

#include <cstdint>

class Switcher : public ReadoutControl
{
public:
    // steps: the highest position index (1 for two positions, 2 for three).
    Switcher(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, int32_t tag, uint8_t section, uint8_t item,
             int32_t steps);

    VSTGUI::CView* newCopy() const override { return new Switcher(*this); }
    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    using VSTGUI::CControl::onWheel;
    bool onWheel(const VSTGUI::CPoint& where, const float& distance, const VSTGUI::CButtonState& buttons) override;

    int32_t getSteps() const { return steps; }
    bool isDragging() const { return drag.dragging; }

    // The thumb's rectangle for the current value.
    VSTGUI::CRect thumbRect() const;

private:
    RelativeDrag drag;
    int32_t steps;
    VSTGUI::CRect rect;
};
