#pragma once
// The current program's number, two digits and a colon ("07:", "12:").

#include "toolkit/CView.h"

#include <cstdint>

class ProgNumber : public VSTGUI::CView
{
public:
    explicit ProgNumber(const VSTGUI::CRect& size);

    VSTGUI::CView* newCopy() const override { return new ProgNumber(*this); }
    void draw(VSTGUI::CDrawContext* context) override;

    void setProgram(int8_t number) { program = number; }
    int8_t getProgram() const { return program; }

    // The text shown for a program number.
    static void formatNumber(int8_t number, char* text, int32_t capacity);

private:
    int8_t program = 0;
};
