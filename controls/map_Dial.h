#pragma once
// Lit renderer of the knob: a dome of radius width/2 with a soft edge, a
// pointer dimple at the knob's value and a warm glow while highlighted.

#include "controls/LitBitmap.h"

// The knob's pixels; the pointer dimple sits at `value` (0 lower left,
// 0.5 straight up, 1 lower right). Pixels outside the circle are transparent.
void renderLitDial(const LitPixels& px, const LitPlacement& at, double width, double value, bool highlighted);

class map_Dial : public LitBitmap
{
public:
    // width: the control's width; the bitmap is that wide and 120 high.
    explicit map_Dial(VSTGUI::CCoord width, VSTGUI::CCoord height = 120);

    void setKnob(float value, bool highlighted);

protected:
    void render(const LitPixels& px, const LitPlacement& at) const override;

private:
    VSTGUI::CCoord knobWidth;
    float value = 0.f;
    bool highlighted = false;
};
