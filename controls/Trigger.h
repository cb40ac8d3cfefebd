#pragma once
// One class for all the editor's buttons. The style, fixed at construction,
// selects both the look and the click behaviour:
//
//   0, 1      next / previous arrows          12, 13  circular shift arrows
//   2, 5      load / save buttons with a two-choice box held open while the
//             mouse button is down (3/4 and 6/7 while it is used)
//   8         link toggle                     9, 10, 14, 15  page tabs
//   11, 16, 18  two-way label switches        17, 19  SYNC toggles
//   20        invisible click area            21      PANIC
//
// The listener always hears valueChanged with the trigger's tag and reads
// the value: 0/1 for toggles, 0 or 1 (NOTES / PITCH BEND), 0 or 0.34 (the
// other two-way switches), and 0, 1 or 2 for the load and save boxes
// (released outside, first entry, second entry).

#include "toolkit/CControl.h"

#include <cstdint>

class Trigger : public VSTGUI::CControl
{
public:
    enum Style : uint8_t
    {
        kArrowNext = 0,
        kArrowPrevious = 1,
        kLoad = 2,
        kLoadOpen = 3,
        kLoadClosing = 4,
        kSave = 5,
        kSaveOpen = 6,
        kSaveClosing = 7,
        kLinkToggle = 8,
        kTabPresets = 9,
        kTabMicrotuning = 10,
        kNotesPitchBend = 11,
        kShiftUp = 12,
        kShiftDown = 13,
        kTabModulation = 14,
        kTabEffects = 15,
        kDelaySand = 16,
        kEchoSync = 17,
        kLfoEnv = 18,
        kLfoSync = 19,
        kInvisible = 20,
        kPanic = 21
    };

    Trigger(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, int32_t tag, uint8_t style);

    VSTGUI::CView* newCopy() const override { return new Trigger(*this); }
    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;

    uint8_t getStyle() const { return style; }
    uint8_t getChoice() const { return choice; }
    float getHover() const { return hover; }
    bool isBoxOpen() const { return style == kLoadOpen || style == kSaveOpen; }
    // The two-choice box of a load or save button (valid once opened).
    const VSTGUI::CRect& getBox() const { return box; }
    const VSTGUI::CRect& getFirstEntry() const { return firstEntry; }
    const VSTGUI::CRect& getSecondEntry() const { return secondEntry; }

private:
    void openBox(double leftShift, uint8_t openStyle);
    void drawBox(VSTGUI::CDrawContext* context, const char* first, const char* second);
    void drawTab(VSTGUI::CDrawContext* context, const char* label, double x0);
    // split: x of the divider from the left edge; leftPartInset: how far the
    // filled left part stops short of the right edge.
    void drawTwoWay(VSTGUI::CDrawContext* context, const char* left, const char* right, double split,
                    double leftPartInset);
    void drawSyncToggle(VSTGUI::CDrawContext* context);
    void drawCircularArrow(VSTGUI::CDrawContext* context, bool clockwise);

    uint8_t style;
    uint8_t choice = 0;
    float hover = 0.f;
    VSTGUI::CRect rect;
    VSTGUI::CRect box;
    VSTGUI::CRect firstEntry;
    VSTGUI::CRect secondEntry;
};
