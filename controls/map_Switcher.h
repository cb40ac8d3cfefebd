#pragma once
// Lit renderer of a switch thumb: vertical ribs, glowing while highlighted.

#include "controls/LitBitmap.h"

void renderLitSwitcher(const LitPixels& px, const LitPlacement& at, double width, bool highlighted);

class map_Switcher : public LitBitmap
{
public:
    // width: the thumb's width (0.45 of the switch); 120 high.
    explicit map_Switcher(VSTGUI::CCoord width, VSTGUI::CCoord height = 120);

    void setHighlighted(bool state) { highlighted = state; }

protected:
    void render(const LitPixels& px, const LitPlacement& at) const override;

private:
    VSTGUI::CCoord thumbWidth;
    bool highlighted = false;
};
