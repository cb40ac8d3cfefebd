#pragma once
// The playable keyboard: four octaves from A to A (49 keys, MIDI notes 45 to
// 93) over the keyboard the panel paints. A click plays the key under the
// pointer, louder toward the front of the key; dragging with the left button
// glides from key to key; a right-button click holds its note after release.
// The control draws only a shade over the key being played.
//
// Notes go to the editor's ControlHost (noteOn / noteOff); without one the
// keyboard is silent. The keys are those of KeyboardLayout, which the panel
// paints.

#include "controls/KeyboardLayout.h"

#include "toolkit/CControl.h"

#include <cstdint>

class Pianoroll : public VSTGUI::CControl
{
public:
    static constexpr int32_t kTag = 129;
    static constexpr int32_t kKeyCount = kKeyboardKeyCount; // playable keys 1..49
    static constexpr int32_t kTableSize = kKeyboardTableSize; // the 50th is never hit
    static constexpr int32_t kNoteOfKeyOne = 45; // key number n sounds MIDI note n + 44

    using Key = KeyboardKey;

    Pianoroll(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener);

    VSTGUI::CView* newCopy() const override { return new Pianoroll(*this); }
    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;

    // Key number (1..49) under a frame point, 0 for none. Black keys lie
    // over the white keys.
    int32_t keyAt(const VSTGUI::CPoint& where) const;
    // Velocity of a click at frame y: 0 at the top of the keys, 1 from 80
    // pixels down.
    static float velocityAt(double y);
    // The key with number n (1..50), or null.
    const Key* key(int32_t number) const;

    int32_t getPressedKey() const { return pressedKey; }
    bool isLatched() const { return latched; }

private:
    void play(int32_t keyNumber, double y);
    void release(int32_t keyNumber);

    bool latched = false;
    int32_t pressedKey = 0;
    VSTGUI::CRect rect;
};
