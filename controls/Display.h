#pragma once
// The two pitch needles over the keyboard: needle A (Spring A's note
// offset) and needle B (Spring B's), each a lit needle centred on its frame
// x. The editor moves them (x = 55 + 917 * note offset value, the point the
// offset sliders map to that value) and lights one while its slider is
// hovered.

#include "toolkit/CView.h"

#include <cstdint>

class Display : public VSTGUI::CView
{
public:
    explicit Display(const VSTGUI::CRect& size);

    VSTGUI::CView* newCopy() const override { return new Display(*this); }
    void draw(VSTGUI::CDrawContext* context) override;

    // Frame x of the needles' centres (100 at creation).
    void setNeedleA(double x) { needleA = x; }
    void setNeedleB(double x) { needleB = x; }
    double getNeedleA() const { return needleA; }
    double getNeedleB() const { return needleB; }

    // 0 none, 1 needle A, 2 needle B.
    void setHighlightedNeedle(uint8_t needle) { highlighted = needle; }
    uint8_t getHighlightedNeedle() const { return highlighted; }

    // Where a needle centred at x is drawn (frame coordinates).
    static VSTGUI::CRect needleARect(double x);
    static VSTGUI::CRect needleBRect(double x);

private:
    double needleA = 100.0;
    double needleB = 100.0;
    uint8_t highlighted = 0;
};
