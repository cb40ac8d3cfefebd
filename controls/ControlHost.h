#pragma once
// What the custom controls need of the editor that places them.
//
// The controls never see the plug-in or the editor class. The editor that
// listens to a control (its IControlListener) also implements ControlHost;
// a control finds it by cross-casting its listener:
//
//     if (ControlHost* host = controlHostOf(this)) host->showParameterReadout(s, i);
//
// A listener that is not a ControlHost (a test double, a bare listener) simply
// gets no read-outs, needle highlights or notes: the controls stay usable.
// Everything here runs on the GUI thread.

#include <cstdint>

class ControlHost
{
public:
    virtual ~ControlHost() = default;

    // Write the name and value of the parameter named by a read-out pair
    // (section 1 Spring A, 2 Spring B, 3 Body, 4 Global; 0 none) into the
    // read-out line and mark it for redraw. Called on hover by Dial, Slider,
    // Switcher and Scrubber.
    virtual void showParameterReadout(uint8_t section, uint8_t item) = 0;

    // Microtuning read-out of an LCDSlider: fill the tuning display from the
    // slider's value and tag.
    virtual void showTuningReadout(float value, int32_t tag) = 0;

    // Show or hide the microtuning display (LCDSlider hover).
    virtual void setTuningReadoutVisible(bool visible) = 0;

    // Light one pitch needle of the needle display (0 none, 1 needle A,
    // 2 needle B) and have the display redrawn. Called by Slider on hover.
    virtual void setHighlightedNeedle(uint8_t needle) = 0;

    // Play and release notes from the on-screen keyboard; note is a MIDI
    // note number, velocity 0..1.
    virtual void noteOn(int32_t note, float velocity) = 0;
    virtual void noteOff(int32_t note) = 0;
};

// The host of a control, or null when its listener is not a ControlHost.
// A template so that this header needs no toolkit type.
template <class Control>
inline ControlHost* controlHostOf(Control* control)
{
    return control ? dynamic_cast<ControlHost*>(control->getListener()) : nullptr;
}
