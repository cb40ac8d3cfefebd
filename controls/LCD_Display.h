#pragma once
// One line of LCD text (the editor's section read-outs). The editor writes
// the text and keeps, per read-out item, the last value it showed so that it
// rewrites the line only on a real change.

#include "toolkit/CView.h"

#include <cstdint>

class LCD_Display : public VSTGUI::CView
{
public:
    static constexpr int32_t kMaxTextLength = 127;
    static constexpr int32_t kStoredValueCount = 32;

    explicit LCD_Display(const VSTGUI::CRect& size);

    VSTGUI::CView* newCopy() const override { return new LCD_Display(*this); }
    void draw(VSTGUI::CDrawContext* context) override;

    // Longer texts are cut to 127 characters; null clears the line.
    void setText(const char* newText);
    const char* getText() const { return text; }

    // Text face flags of the line (VSTGUI::CTxtFace); normal at creation.
    void setFontStyle(int32_t style) { fontStyle = style; }
    int32_t getFontStyle() const { return fontStyle; }

    // The editor's change keys, one per read-out item, 0 at creation.
    // Items outside 0..kStoredValueCount-1 read as 0 and are not stored.
    float getStoredValue(int32_t item) const;
    void setStoredValue(int32_t item, float value);

    // Sync mode shown by a rate text (0 off, 1 tempo, 2 song).
    void setSyncMode(uint8_t mode) { syncMode = mode; }
    uint8_t getSyncMode() const { return syncMode; }

private:
    char text[kMaxTextLength + 1];
    int32_t fontStyle = 0;
    float storedValues[kStoredValueCount] = {};
    uint8_t syncMode = 0;
};
