#include "editor/KelGui.h"

#include "controls/Display.h"
#include "controls/LCDDial.h"
#include "controls/LCD_Display.h"
#include "controls/MidiSignal.h"
#include "controls/ProgNumber.h"
#include "controls/mt_Display.h"
#include "editor/PresetFolder.h"
#include "plugin/Kelvane.h"

#include "toolkit/CTextEdit.h"

#include <cmath>
#include <cstring>

using namespace VSTGUI;

// The plug-in links the windowed editor in through this.
InstrumentEditor* createInstrumentEditor(Kelvane& plugin) { return new KelGui(plugin); }

// There is no COM to initialise on Linux; the editor needs nothing at
// construction beyond its own state.
KelGui::KelGui(Kelvane& owner) : AEffGUIEditor(&owner), plugin(owner), browser(createPresetBrowserPort(*this)) {}

KelGui::~KelGui()
{
    if (frame)
        KelGui::close();
}

bool KelGui::open(void* parent)
{
    // A host that opens twice without closing gets one window, the new one.
    if (frame)
        close();
    rect = ERect{0, 0, 480, 1024};
    if (!AEffGUIEditor::open(parent))
        return false;
    frame->setMouseableArea(frame->getViewSize());
    pending.clear();

    pageOpen = false;
    // The panels are rendered once, in the program's colour: the colour
    // parameters applied below then bring nothing new.
    themeRed = themeByte(plugin.getParameter(paramIndex(ParamId::GuiRed)));
    themeGreen = themeByte(plugin.getParameter(paramIndex(ParamId::GuiGreen)));
    themeBlue = themeByte(plugin.getParameter(paramIndex(ParamId::GuiBlue)));
    renderPanels(getThemeColour());
    createViews();
    frame->setWantsFocus(false);

    showReadoutNow(1, 0);
    showReadoutNow(2, 0);
    showReadoutNow(3, 1);
    showReadoutNow(4, 2);
    setKnobMode(kLinearMode);
    // Every control takes its value, every read-out its text, the theme
    // colour is applied, and the concert pitch is known before the
    // microtuning read-out needs it.
    for (int32_t i = 0; i < kParamCount; ++i)
        applyParameter(i, plugin.getParameter(i));
    showReadoutNow(1, 0);
    showReadoutNow(2, 0);
    showReadoutNow(3, 1);
    showReadoutNow(4, 2);

    // Folders are cut at 512 characters.
    const std::string presets = plugin.getFolder(true);
    const size_t n = std::min(presets.size(), kFolderChars);
    std::memcpy(lastFolder, presets.data(), n);
    lastFolder[n] = 0;
    std::memcpy(templateFolder, lastFolder, n + 1);
    return true;
}

void KelGui::close()
{
    forgetViews();
    if (browser)
        browser->viewClosed();
    AEffGUIEditor::close();
}

void KelGui::forgetViews()
{
    // The frame owns the views; these pointers die with it.
    std::fill(std::begin(controls), std::end(controls), nullptr);
    std::fill(std::begin(readouts), std::end(readouts), nullptr);
    needles = nullptr;
    pianoroll = nullptr;
    browserView = nullptr;
    tuningReadout = nullptr;
    templateMenu = nullptr;
    nameField = nullptr;
    programNumber = nullptr;
    midiLamp = nullptr;
    std::fill(std::begin(tabs), std::end(tabs), nullptr);
    notesPitchBend = shiftUp = shiftDown = lfoEnv = delaySand = saveButton = loadButton = nullptr;
    std::fill(std::begin(notesFaders), std::end(notesFaders), nullptr);
    std::fill(std::begin(bendUpFaders), std::end(bendUpFaders), nullptr);
    std::fill(std::begin(bendDownFaders), std::end(bendDownFaders), nullptr);
    std::fill(std::begin(lfoGroup), std::end(lfoGroup), nullptr);
    std::fill(std::begin(envGroup), std::end(envGroup), nullptr);
    std::fill(std::begin(delayGroup), std::end(delayGroup), nullptr);
    std::fill(std::begin(sandGroup), std::end(sandGroup), nullptr);
}

void KelGui::idle()
{
    if (!frame)
        return;
    // The thread that idles is the GUI thread from now on; what other
    // threads recorded meanwhile is applied before the redraw.
    adoptGuiThread();
    applyPending();
    browser->idle();
    AEffGUIEditor::idle();
}

// --- forwarding to the plug-in ------------------------------------------------

int KelGui::getProgram() { return plugin.getProgram(); }

void KelGui::resetEngine() { plugin.resetEngine(); }

bool KelGui::getBankPath(char* text) { return plugin.getBankPath(text); }

void KelGui::setProgram(int index)
{
    plugin.setProgram(index);
    if (programNumber)
    {
        programNumber->setProgram(static_cast<int8_t>(index & 0xFF));
        programNumber->setDirty();
    }
}

void KelGui::storeProgram(int index) { plugin.storeProgram(index); }

void KelGui::removeProgram(int index) { plugin.removeProgram(index); }

void KelGui::loadProgramFile(int index, const char* path) { plugin.loadProgramFile(index, path); }

void KelGui::saveProgramFile(int index, const char* path) { plugin.saveProgramFile(index, path); }

void KelGui::getProgramPath(char* text) { plugin.getProgramPath(text); }

void KelGui::getProgramName(char* name) { plugin.getProgramName(name); }

void KelGui::getLoadedName(char* name) { plugin.getLoadedName(name); }

bool KelGui::getProgramNameIndexed(int category, int index, char* name)
{
    return plugin.getProgramNameIndexed(category, index, name);
}

void KelGui::loadBankFile(const char* path) { plugin.loadBankFile(path); }

void KelGui::saveBankFile(const char* path) { plugin.saveBankFile(path); }

void KelGui::initBank() { plugin.initBank(); }

// --- the presets folder -----------------------------------------------------------

std::string KelGui::getPresetsFolder()
{
    return namedPresetsFolder.empty() ? plugin.getFolder(true) : namedPresetsFolder;
}

bool KelGui::hasPresetsFolder()
{
    if (!namedPresetsFolder.empty())
        return isFolder(namedPresetsFolder);
    return plugin.getFolder(true) != plugin.getFolder(false) && isFolder(plugin.getFolder(true));
}

bool KelGui::createPresetsFolder()
{
    if (!namedPresetsFolder.empty())
        return makeFolder(namedPresetsFolder);
    // Where the plug-in looks for it: "presets" beside the module.
    if (!makeFolder(joinPath(plugin.getFolder(false), "presets")))
        return false;
    plugin.locatePresetsFolder();
    return hasPresetsFolder();
}

// --- what the plug-in shows ----------------------------------------------------

void KelGui::showProgramName(const char* name)
{
    if (!isOpen())
        return;
    if (!isGuiThread())
    {
        pending.recordProgramName();
        return;
    }
    // The field keeps what the user is typing or renaming in place.
    if (nameField && !nameField->isEditing() && nameField->getViewSize() == Layout::kNameFieldHome)
    {
        nameField->setText(name);
        nameField->setDirty();
    }
}

void KelGui::flashMidiSignal(bool on)
{
    // The audio thread only raises a flag; the lamp lights at the next idle.
    if (on)
        pending.recordMidi();
}

// --- ControlHost ----------------------------------------------------------------

void KelGui::setTuningReadoutVisible(bool visible)
{
    if (tuningReadout)
        tuningReadout->setVisible(visible);
}

void KelGui::setHighlightedNeedle(uint8_t needle)
{
    if (!needles)
        return;
    needles->setHighlightedNeedle(needle);
    needles->invalid();
}

void KelGui::noteOn(int32_t note, float velocity)
{
    // The plug-in takes MIDI velocities.
    const float v = std::fmin(std::fmax(velocity, 0.f), 1.f);
    plugin.noteOn(note, static_cast<int>(std::lround(v * 127.f)));
}

void KelGui::noteOff(int32_t note) { plugin.noteOff(note); }

// --- views by role ---------------------------------------------------------------

CControl* KelGui::getControl(int32_t tag) const
{
    return tag >= 0 && tag < Layout::kTableSize ? controls[tag] : nullptr;
}

LCD_Display* KelGui::getReadout(int section) const
{
    return section >= 1 && section <= 4 ? readouts[section] : nullptr;
}

LCDDial* KelGui::getLcdDial(ParamId id) const { return dynamic_cast<LCDDial*>(getControl(paramIndex(id))); }

CColor KelGui::getThemeColour() const
{
    return CColor(static_cast<uint8_t>(themeRed), static_cast<uint8_t>(themeGreen), static_cast<uint8_t>(themeBlue),
                  255);
}
