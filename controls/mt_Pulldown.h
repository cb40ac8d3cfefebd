#pragma once
// The "TEMPLATES" menu of the microtuning page: a small box that, while the
// mouse button is held, unfolds downward into six entries and reports the
// row under the pointer on release (0 the title, 1..6 the entries; other
// rows select nothing). The page sets the pitch-bend flag in its PITCH BEND
// mode; the entries are then those of the bend templates. The editor reads
// getRow() and isPitchBend() in valueChanged and runs the command the entry
// names in that mode.

#include "toolkit/CControl.h"

#include <cstdint>

class mt_Pulldown : public VSTGUI::CControl
{
public:
    static constexpr int32_t kTag = 124;
    static constexpr int32_t kEntryCount = 6;
    static constexpr double kRowHeight = 17.0;
    static constexpr double kOpenHeight = 121.1;
    static constexpr double kEntryFontSize = 15.0;
    // Any row past the list; pointers far below all map to it.
    static constexpr uint8_t kBeyondList = kEntryCount + 1;

    mt_Pulldown(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener);

    VSTGUI::CView* newCopy() const override { return new mt_Pulldown(*this); }
    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;

    bool isOpen() const { return open; }
    // Row under the pointer: 0 the title, 1..6 the entries, 7 past the list.
    uint8_t getRow() const { return row; }
    // The row at the last release.
    float getChosen() const { return chosen; }
    float getHover() const { return hover; }
    // NOTES mode (false) or PITCH BEND mode (true).
    void setPitchBend(bool state);
    bool isPitchBend() const { return pitchBend; }
    // Entry text of row 1..6 in the current mode, null for other rows.
    const char* entryText(int32_t row) const;

private:
    // Sets the entry font: bold, narrowed in half steps where the text would
    // not fit inside the menu's outline.
    void setEntryFont(VSTGUI::CDrawContext* context, const char* text) const;

    bool open = false;
    bool pitchBend = false;
    uint8_t row = 0;
    float chosen = 0.f;
    float hover = 0.f;
    VSTGUI::CRect savedRect;
};
