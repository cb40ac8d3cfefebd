// What the controls' changes do: parameters go to the plug-in (and so to
// the host's automation), command tags run editor commands.
#include "controls/ProgNumber.h"
#include "controls/Trigger.h"
#include "controls/mt_Pulldown.h"
#include "editor/KelGui.h"
#include "plugin/Kelvane.h"

#include "toolkit/CFrame.h"
#include "toolkit/CTextEdit.h"

#include <cstring>

using namespace VSTGUI;
using namespace Layout;

namespace {

// At most maxBytes bytes of text, cut where no UTF-8 character is split.
std::string cutUtf8(const char* text, size_t maxBytes)
{
    std::string s = text ? text : "";
    if (s.size() <= maxBytes)
        return s;
    size_t n = maxBytes;
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80)
        --n;
    return s.substr(0, n);
}

} // namespace

void KelGui::valueChanged(CControl* control)
{
    if (!control || !frame)
        return;
    const int32_t tag = control->getTag();
    const float value = control->getValue();
    if (isParamIndex(tag))
    {
        // The plug-in calls back with the change (updateControlFromParameter).
        plugin.setParameterAutomated(tag, value);
        return;
    }
    switch (tag)
    {
    case kNameField: commitName(); break;
    case kPanic:
        resetEngine();
        commitName();
        break;
    case kPreviousProgram: stepProgram(-1); break;
    case kNextProgram: stepProgram(1); break;
    case kSave: runSaveDialog(value); break;
    case kLoad: runLoadDialog(value); break;
    case kPresetsTab: tabClicked(kPresetsPage); break;
    case kMicrotuningTab: tabClicked(kMicrotuningPage); break;
    case kModulationTab: tabClicked(kModulationPage); break;
    case kEffectsTab: tabClicked(kEffectsPage); break;
    case kNotesPitchBend: showMicrotuningPage(true); break;
    case kLfoEnv: showModulationPage(true); break;
    case kDelaySand: showEffectsPage(true); break;
    case kShiftUp: shiftTuning(true); break;
    case kShiftDown: shiftTuning(false); break;
    case kTemplateMenu:
        if (auto* menu = dynamic_cast<mt_Pulldown*>(control))
            browser->runTemplateCommand(menu->getRow(), menu->isPitchBend());
        break;
    default: break; // the browser's and the keyboard's own events
    }
}

void KelGui::commitName()
{
    if (!nameField)
        return;
    // Editing is over: the keyboard goes back to the host. On X11 that is
    // the window that had it before (else the host's parent window), where
    // Windows sets the focus on the active window's parent.
    frame->returnKeyboardFocus();
    const std::string text = nameField->getText();
    if (nameField->getViewSize() == kNameFieldHome)
    {
        // The plug-in keeps 24 characters of a name.
        std::string name = cutUtf8(text.c_str(), kProgramNameChars);
        plugin.setProgramName(name.data());
        browser->programChanged();
    }
    else
    {
        // Placed over the bank list, the field names the bank entry.
        if (nameField->getViewSize().left < 600)
            browser->nameBankEntry(text.c_str());
        char name[kProgramNameChars + 1] = {};
        plugin.getProgramNameIndexed(0, plugin.getProgram(), name);
        nameField->setText(name);
        nameField->setViewSize(kNameFieldHome, true);
        nameField->setMouseableArea(kNameFieldHome);
        if (browserView)
            browserView->takeFocus();
    }
    browser->endRenameMode();
}

void KelGui::stepProgram(int direction)
{
    int destination = plugin.getProgram() + direction;
    if (destination < 0)
        destination = kNumPrograms - 1;
    else if (destination >= kNumPrograms)
        destination = 0;
    // No step onto an empty slot, and no search past it.
    char name[kProgramNameChars + 1] = {};
    plugin.getProgramNameIndexed(0, destination, name);
    if (std::strcmp(name, "-") == 0)
        return;
    plugin.setProgram(destination);
    if (programNumber)
    {
        programNumber->setProgram(static_cast<int8_t>(destination));
        programNumber->setDirty();
    }
    browser->programChanged();
    browser->markModified(false);
}

void KelGui::shiftTuning(bool up)
{
    // A rotation by one key of the twelve values of each row, written
    // straight to the plug-in (the host is not told).
    const bool pitchBend = notesPitchBend && notesPitchBend->getValue() == 1.f;
    const ParamId firsts[2] = {pitchBend ? ParamId::MpbUpC : ParamId::MtC, ParamId::MpbDownC};
    for (int row = 0; row < (pitchBend ? 2 : 1); ++row)
    {
        const int32_t first = paramIndex(firsts[row]);
        float old[kPitchClasses];
        for (int k = 0; k < kPitchClasses; ++k)
            old[k] = plugin.getParameter(first + k);
        for (int k = 0; k < kPitchClasses; ++k)
        {
            const int from = up ? (k + kPitchClasses - 1) % kPitchClasses : (k + 1) % kPitchClasses;
            plugin.setParameter(first + k, old[from]);
        }
    }
}

void KelGui::startRename(const CRect& r, const char* text)
{
    if (!nameField)
        return;
    nameField->setViewSize(r, true);
    nameField->setMouseableArea(kNameFieldHome);
    nameField->setText(text);
    nameField->takeFocus();
    nameField->setDirty();
}

void KelGui::endRename()
{
    if (!nameField || nameField->getViewSize() == kNameFieldHome)
        return;
    nameField->setViewSize(kNameFieldHome, true);
    nameField->setMouseableArea(kNameFieldHome);
    nameField->setDirty();
}

void KelGui::cancelRename()
{
    if (!nameField)
        return;
    // The typed text becomes the field's own before editing ends, so
    // nothing is committed.
    if (nameField->isEditing())
    {
        nameField->setText(nameField->getEditText().c_str());
        nameField->looseFocus();
    }
    char name[kProgramNameChars + 1] = {};
    plugin.getProgramNameIndexed(0, plugin.getProgram(), name);
    nameField->setText(name);
    endRename();
    nameField->setDirty();
}
