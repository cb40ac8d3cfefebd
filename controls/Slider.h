#pragma once
// Invisible horizontal strip over the keyboard that sets a pitch offset by
// the pointer's absolute frame x: 55 maps to 0 and 972 to 1, the span of the
// pitch needles. It draws nothing itself; hovering it lights its needle
// (needle number = read-out section) and shows its parameter in the read-out.

#include "toolkit/CControl.h"

#include <cstdint>

class Slider : public VSTGUI::CControl
{
public:
    static constexpr double kLeftX = 55.0;
    static constexpr double kRightX = 972.0;

    Slider(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, int32_t tag, uint8_t section);

    VSTGUI::CView* newCopy() const override { return new Slider(*this); }
    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;

    virtual void setReadoutSection(uint8_t newSection) { section = newSection; }

    uint8_t getReadoutSection() const { return section; }
    uint8_t getReadoutItem() const { return item; }
    bool isDragging() const { return dragging; }

private:
    // The pointer's frame x held to the needle span.
    double clampedFrameX(const VSTGUI::CPoint& where) const;
    // Sets the value from the pointer as one gesture; unless `always`, a
    // move that leaves the clamped x where it was changes nothing.
    void track(const VSTGUI::CPoint& where, bool always);

    uint8_t section;
    uint8_t item = 1;
    bool dragging = false;
    double lastX = 0.0;
    VSTGUI::CRect rect;
};
