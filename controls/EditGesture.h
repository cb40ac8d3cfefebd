#pragma once
// One short automation gesture: beginEdit now, endEdit when the scope ends.
// Every drag step and every wheel event is its own gesture, so the host sees
// a begin/end pair per event rather than one per drag.

#include "toolkit/CControl.h"

class EditGesture
{
public:
    explicit EditGesture(VSTGUI::CControl& c) : control(c) { control.beginEdit(); }
    ~EditGesture() { control.endEdit(); }
    EditGesture(const EditGesture&) = delete;
    EditGesture& operator=(const EditGesture&) = delete;

private:
    VSTGUI::CControl& control;
};

// One drag step as its own gesture: the value written and told to the
// listener. A control without a listener stays where it is.
inline void dragStep(VSTGUI::CControl& control, float value)
{
    EditGesture gesture(control);
    if (control.getListener())
    {
        control.setValue(value);
        control.valueChanged();
    }
}
