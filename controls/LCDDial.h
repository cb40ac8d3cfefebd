#pragma once
// The flat LCD-style knob: a translucent circle with a pie wedge for the
// value, a label at its left and a value text in a bracket at its right.
// The knob sits 90 pixels right of the control's left edge; it reacts inside
// a circle of 0.4 of the control's height and drags like Dial, without the
// read-out line.

#include "controls/KnobDrag.h"

#include "toolkit/CControl.h"

#include <cstdint>

class LCDDial : public VSTGUI::CControl
{
public:
    static constexpr int32_t kMaxLabel = 25;
    static constexpr int32_t kMaxValueText = 10;

    LCDDial(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, int32_t tag);

    VSTGUI::CView* newCopy() const override { return new LCDDial(*this); }
    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    using VSTGUI::CControl::onWheel;
    bool onWheel(const VSTGUI::CPoint& where, const float& distance, const VSTGUI::CButtonState& buttons) override;

    // The label, cut to 25 characters; the indent becomes 10 minus its
    // length, so labels of up to 10 characters end at the same place.
    void setLabel(const char* text);
    const char* getLabel() const { return label; }
    void setLabelIndent(int32_t indent) { labelIndent = indent; }
    int32_t getLabelIndent() const { return labelIndent; }
    // The value text, cut to 10 characters; the editor writes it.
    void setValueText(const char* text);
    const char* getValueText() const { return valueText; }

    bool isHighlighted() const { return highlighted; }
    bool isDragging() const { return pointer.isDragging(); }
    VSTGUI::CPoint getKnobCentre() const { return knobCentre; }

private:
    bool highlighted = false;
    char label[kMaxLabel + 1] = {};
    int32_t labelIndent = 10;
    char valueText[kMaxValueText + 1] = "0.518 s";
    VSTGUI::CPoint knobCentre;
    KnobDrag pointer;
    VSTGUI::CRect rect;
};
