#pragma once
// A stand-in for the editor: listens to controls and records everything they
// ask of it, in order, as a host and the editor would see it.

#include "controls/ControlHost.h"

#include "toolkit/CControl.h"
#include "toolkit/IControlListener.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

class ControlHostDouble : public VSTGUI::IControlListener, public ControlHost
{
public:
    using Readout = std::pair<int, int>; // section, item

    std::vector<std::string> log; // "begin", "end", "changed", in order
    std::vector<float> changedValues;
    std::vector<Readout> readouts;
    std::vector<int> needles;
    std::vector<std::pair<float, int32_t>> tuningReadouts;
    std::vector<bool> tuningVisible;
    std::vector<std::pair<int, float>> notes; // (note, velocity); velocity -1 for a note-off

    void valueChanged(VSTGUI::CControl* control) override
    {
        log.push_back("changed");
        changedValues.push_back(control->getValue());
    }
    void controlBeginEdit(VSTGUI::CControl*) override { log.push_back("begin"); }
    void controlEndEdit(VSTGUI::CControl*) override { log.push_back("end"); }
    void showParameterReadout(uint8_t section, uint8_t item) override { readouts.push_back({section, item}); }
    void showTuningReadout(float value, int32_t tag) override { tuningReadouts.emplace_back(value, tag); }
    void setTuningReadoutVisible(bool visible) override { tuningVisible.push_back(visible); }
    void setHighlightedNeedle(uint8_t needle) override { needles.push_back(needle); }
    void noteOn(int32_t note, float velocity) override { notes.emplace_back(note, velocity); }
    void noteOff(int32_t note) override { notes.emplace_back(note, -1.f); }

    int count(const std::string& word) const { return static_cast<int>(std::count(log.begin(), log.end(), word)); }
    // Every gesture closed, and as many as the listener was told changes.
    bool bracketed(int gestures) const { return count("begin") == gestures && count("end") == gestures; }
    void clear() { *this = ControlHostDouble(); }
};
