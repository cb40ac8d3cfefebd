#pragma once
// Mouse buttons and keyboard modifiers of one mouse event.

#include <cstdint>

namespace VSTGUI {

enum CButton : int32_t
{
    kLButton = 1 << 1,
    kMButton = 1 << 2,
    kRButton = 1 << 3,
    kShift = 1 << 4,
    kControl = 1 << 5,
    kAlt = 1 << 6,
    kApple = 1 << 7,
    kButton4 = 1 << 8,
    kButton5 = 1 << 9,
    kDoubleClick = 1 << 10
};

class CButtonState
{
public:
    CButtonState(int32_t s = 0) : state(s) {}

    static constexpr int32_t kButtonMask = kLButton | kMButton | kRButton | kButton4 | kButton5;
    static constexpr int32_t kModifierMask = kShift | kControl | kAlt | kApple;

    int32_t getButtonState() const { return state & kButtonMask; }
    int32_t getModifierState() const { return state & kModifierMask; }
    // True when the left button is the only button held (modifiers ignored).
    bool isLeftButton() const { return getButtonState() == kLButton; }
    bool isRightButton() const { return getButtonState() == kRButton; }
    bool isDoubleClick() const { return (state & kDoubleClick) != 0; }

    int32_t operator()() const { return state; }
    operator int32_t() const { return state; }
    CButtonState& operator=(int32_t s)
    {
        state = s;
        return *this;
    }
    CButtonState& operator|=(int32_t s)
    {
        state |= s;
        return *this;
    }
    CButtonState& operator&=(int32_t s)
    {
        state &= s;
        return *this;
    }
    bool operator==(const CButtonState& o) const { return state == o.state; }
    bool operator!=(const CButtonState& o) const { return state != o.state; }

private:
    int32_t state;
};

} // namespace VSTGUI
