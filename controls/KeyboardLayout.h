#pragma once
// Where the keys of the on-screen keyboard lie, in frame pixels: four octaves
// from A to A (key numbers 1..49, MIDI notes 45..93) on the keyboard bed the
// panel paints. The piano roll plays and shades these keys and the panel
// paints them from the same table, so a key sounds where it is seen.

#include "toolkit/CRect.h"

#include <array>
#include <cstdint>

struct KeyboardKey
{
    VSTGUI::CRect rect; // frame coordinates
    int32_t number = 0;
    bool isBlack() const { return rect.bottom < 440.0; }
};

constexpr int32_t kKeyboardKeyCount = 49; // playable keys 1..49
constexpr int32_t kKeyboardTableSize = 50; // the 50th, a black key past the end, is never played
constexpr double kKeyboardLeft = 45.0; // left edge of the lowest A
constexpr double kKeyboardTop = 360.0;
constexpr double kKeyboardBlackBottom = 439.73;

// The keys by number (entry n - 1 holds key n): 29 white keys from x 45 with
// the panel's widths (23 or 24 units of 32/23 pixel), 21 black keys 21 wide.
const std::array<KeyboardKey, kKeyboardTableSize>& keyboardKeys();
