#pragma once
// Platform of a frame opened without a window: the back buffer is the only
// output; cursors and keyboard focus are only recorded.

#include "toolkit/IPlatformFrame.h"

namespace VSTGUI {

class HeadlessPlatformFrame : public IPlatformFrame
{
public:
    void pumpEvents() override {}
    void present(const std::vector<CRect>& rects) override { presentCount += rects.empty() ? 0 : 1; }
    void setCursor(CCursorType type) override { cursor = type; }
    void takeKeyboardFocus() override { keyboardFocus = true; }
    void returnKeyboardFocus() override { keyboardFocus = false; }
    bool isHeadless() const override { return true; }

    CCursorType getCursor() const { return cursor; }
    // Whether a view took the keyboard and has not handed it back.
    bool hasKeyboardFocus() const { return keyboardFocus; }
    int getPresentCount() const { return presentCount; }

private:
    CCursorType cursor = kCursorDefault;
    int presentCount = 0;
    bool keyboardFocus = false;
};

} // namespace VSTGUI
