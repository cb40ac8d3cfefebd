#pragma once
// What the plug-in tells its editor. The editor (KelGui) derives from this; the
// plug-in calls these only while the editor is open (flashMidiSignal excepted,
// which the editor must treat as a cheap flag write from the audio thread).
#include <cstdint>

#include "vst2/AEffEditor.h"

class Kelvane;

class InstrumentEditor : public AEffEditor
{
public:
    using AEffEditor::AEffEditor;
    virtual void updateControlFromParameter(int32_t index, float value) {}
    virtual void showProgramName(const char* name) {}
    virtual void showParameterReadout(int32_t section, int32_t item) {}
    virtual void flashMidiSignal(bool on) {}
    // A request of a host of our own (common/EditorRequests.h); 0 when not done.
    virtual intptr_t editorRequest(intptr_t request, void* argument) { return 0; }
};

// Builds the instrument's editor; null when there is none (the record then
// announces no editor). Defined by the editor unit that is linked in.
InstrumentEditor* createInstrumentEditor(Kelvane& plugin);
