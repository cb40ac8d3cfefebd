#pragma once
// Lit renderer of a pitch needle: a round head with a dark notch on its right
// over rows 0..30 and a thin shaft below, fading toward the bottom.

#include "controls/LitBitmap.h"

void renderLitNeedle(const LitPixels& px, const LitPlacement& at, double width, bool highlighted);

class map_Slider_Needle : public LitBitmap
{
public:
    // 20 x 120 in use.
    explicit map_Slider_Needle(VSTGUI::CCoord width = 20, VSTGUI::CCoord height = 120);

    void setHighlighted(bool state) { highlighted = state; }

protected:
    void render(const LitPixels& px, const LitPlacement& at) const override;

private:
    VSTGUI::CCoord needleWidth;
    bool highlighted = false;
};
