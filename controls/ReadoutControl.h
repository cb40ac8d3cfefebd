#pragma once
// Base of the controls that name their parameter in the editor's read-out
// line while the pointer is over them (Dial, Switcher, Scrubber): the
// read-out pair, the hover state, and what entering and leaving do (cursor,
// read-out, glow).

#include "toolkit/CControl.h"
#include "toolkit/CFrame.h"

#include <cstdint>

class ReadoutControl : public VSTGUI::CControl
{
public:
    ReadoutControl(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, int32_t tag, uint8_t section,
                   uint8_t item, VSTGUI::CCursorType hoverCursor);

    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;

    virtual void setReadoutSection(uint8_t newSection) { section = newSection; }
    uint8_t getReadoutSection() const { return section; }
    uint8_t getReadoutItem() const { return item; }
    bool isHovered() const { return hovered; }

protected:
    // Lights the control, sets its cursor and writes its read-out.
    void enterHover();

    bool hovered = false;

private:
    uint8_t section;
    uint8_t item;
    VSTGUI::CCursorType hoverCursor;
};
