#pragma once
// Tuning read-out of the hovered microtuning slider: the slider's value and
// a frequency ("0.5000 | 261.63hz") or, for values of 12 or less, a ratio
// ("0.5000 | 0.2500").

#include "toolkit/CView.h"

#include <cstdint>

class mt_Display : public VSTGUI::CView
{
public:
    explicit mt_Display(const VSTGUI::CRect& size);

    VSTGUI::CView* newCopy() const override { return new mt_Display(*this); }
    void draw(VSTGUI::CDrawContext* context) override;

    void setValues(float sliderValue, float frequencyOrRatio)
    {
        a = sliderValue;
        b = frequencyOrRatio;
    }
    float getA() const { return a; }
    float getB() const { return b; }

    // The text shown for a pair.
    static void formatPair(float a, float b, char* text, int32_t capacity);

private:
    float a = 0.f;
    float b = 0.f;
};
