#pragma once
// Number box of the pitch-bend range (parameter 44): shows the range in whole
// semitones 0..12 exactly as the engine reads the value, bold while hovered;
// dragged with the two-axis convention (no fine mode, not snapped) or stepped
// a semitone per wheel notch.

#include "controls/ReadoutControl.h"
#include "controls/RelativeDrag.h"

#include <cstdint>

class Scrubber : public ReadoutControl
{
public:
    static constexpr int32_t kTag = 44;
    static constexpr int32_t kMaxSemitones = 12;

    Scrubber(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener);

    VSTGUI::CView* newCopy() const override { return new Scrubber(*this); }
    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    using VSTGUI::CControl::onWheel;
    bool onWheel(const VSTGUI::CPoint& where, const float& distance, const VSTGUI::CButtonState& buttons) override;

    // The semitones shown for the current value: those the engine plays.
    int32_t semitones() const;

    bool isDragging() const { return drag.dragging; }

private:
    RelativeDrag drag;
    VSTGUI::CRect rect;
};
