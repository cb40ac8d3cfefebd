#pragma once
// Every call the editor makes into the preset browser and the template menu
// goes through this one small interface.

#include "toolkit/CView.h"

#include <memory>

class KelGui;

class PresetBrowserPort
{
public:
    virtual ~PresetBrowserPort() = default;

    // The view placed on the PRESETS page (tag 119); created at each open,
    // owned by the frame.
    virtual VSTGUI::CView* createView(const VSTGUI::CRect& size) = 0;
    // The view is gone with the frame (the editor closed).
    virtual void viewClosed() = 0;

    // A parameter changed (true), or a program was just loaded or stepped to
    // (false, which leaves a set mark as it is).
    virtual void markModified(bool modified) = 0;
    // The current program changed: its name and row follow.
    virtual void programChanged() = 0;
    // The PRESETS page is about to open: list the folder again when drawn.
    virtual void wantListRefresh() = 0;
    virtual bool isListEmpty() const = 0;
    // The name field, placed over the bank list, committed text: it names
    // the bank entry being named.
    virtual void nameBankEntry(const char* text) = 0;
    // The name field is back home: renaming is over.
    virtual void endRenameMode() = 0;
    // Each idle of the open editor, on the GUI thread.
    virtual void idle() = 0;

    // A template menu row was chosen (1..6; others select nothing), in
    // PITCH BEND mode or NOTES mode.
    virtual void runTemplateCommand(int row, bool pitchBendMode) = 0;
};

// The browser and templates the editor is built with.
std::unique_ptr<PresetBrowserPort> createPresetBrowserPort(KelGui& editor);
