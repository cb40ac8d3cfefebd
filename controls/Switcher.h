#pragma once
// A stepped horizontal switch: a lit, ribbed thumb that sits in one of
// steps + 1 positions 12 pixels apart. Dragged sideways (one step per
// W / steps pixels) or stepped by the wheel; it names its parameter in the
// editor's read-out line while hovered and glows then.

#include "toolkit/CControl.h"

#include <cstdint>

class Switcher : public VSTGUI::CControl
{
public:
    // steps: the highest position index (1 for two positions, 2 for three).
    Switcher(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, int32_t tag, uint8_t section,
             uint8_t item, int32_t steps);

    VSTGUI::CView* newCopy() const override { return new Switcher(*this); }
    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    using VSTGUI::CControl::onWheel;
    bool onWheel(const VSTGUI::CPoint& where, const float& distance, const VSTGUI::CButtonState& buttons) override;

    virtual void setReadoutSection(uint8_t newSection) { section = newSection; }

    uint8_t getReadoutSection() const { return section; }
    uint8_t getReadoutItem() const { return item; }
    int32_t getSteps() const { return steps; }
    bool isHovered() const { return hovered; }
    bool isDragging() const { return dragging; }

    // The thumb's rectangle for the current value.
    VSTGUI::CRect thumbRect() const;

private:
    VSTGUI::CPoint anchor;
    float startValue = 0.f;
    bool hovered = false;
    int32_t steps;
    VSTGUI::CRect rect;
    uint8_t section;
    uint8_t item;
    bool dragging = false;
};
