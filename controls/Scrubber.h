#pragma once
// Number box of the pitch-bend range (parameter 44): shows the range in whole
// semitones 0..12, bold while hovered; dragged with the two-axis convention
// (no fine mode, not snapped) or stepped a semitone per wheel notch.

#include "toolkit/CControl.h"

#include <cstdint>

class Scrubber : public VSTGUI::CControl
{
public:
    static constexpr int32_t kTag = 44;

    Scrubber(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener);

    VSTGUI::CView* newCopy() const override { return new Scrubber(*this); }
    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    using VSTGUI::CControl::onWheel;
    bool onWheel(const VSTGUI::CPoint& where, const float& distance, const VSTGUI::CButtonState& buttons) override;

    virtual void setReadoutSection(uint8_t newSection) { section = newSection; }

    // The semitones shown for the current value.
    int32_t semitones() const;

    uint8_t getReadoutSection() const { return section; }
    uint8_t getReadoutItem() const { return item; }
    bool isHovered() const { return hovered; }
    bool isDragging() const { return dragging; }

private:
    VSTGUI::CPoint anchor;
    float startValue = 0.f;
    bool hovered = false;
    uint8_t section = 4;
    uint8_t item = 3;
    bool dragging = false;
    VSTGUI::CRect rect;
};
