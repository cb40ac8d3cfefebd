#pragma once
// MIDI activity lamp: flashes when a batch of MIDI events arrives and fades
// out over the next 20 redraws.
//
// flash() is called from the audio thread; it only stores the level (one
// atomic word) and the lamp reports itself dirty while the level is above 0,
// so the audio thread never touches the view tree.

#include "toolkit/CView.h"

#include <atomic>

class MidiSignal : public VSTGUI::CView
{
public:
    explicit MidiSignal(const VSTGUI::CRect& size);
    MidiSignal(const MidiSignal& other);

    VSTGUI::CView* newCopy() const override { return new MidiSignal(*this); }
    void draw(VSTGUI::CDrawContext* context) override;
    bool isDirty() const override;

    // activity: the batch held at least one event. Lights the lamp fully.
    void flash(bool activity);

    float getLevel() const { return level.load(std::memory_order_relaxed); }
    void setLevel(float newLevel) { level.store(newLevel, std::memory_order_relaxed); }

private:
    VSTGUI::CRect outer;
    VSTGUI::CRect inner;
    std::atomic<float> level{0.f};
};
