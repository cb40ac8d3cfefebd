#pragma once
// The instrument's editor: a 1024 x 480 window of a computed panel and the
// custom controls, in permanent sections and one page area that shows one
// of four pages (PRESETS, MICROTUNING, MODULATION, EFFECTS). Created by the
// plug-in with it and owned by it; opened and closed by the host any number
// of times. It listens to every control and forwards the plug-in's program
// services to the preset browser.
//
// Where the parts live: the creation sequence in ControlLayout.cpp, control
// events in ControlRouting.cpp, parameter changes and read-out texts in
// ParameterReadouts.cpp, the file dialogs in FileDialogs.cpp, the pages in
// EditorPages.cpp, the background in PanelRenderer.cpp.

#include "controls/ControlHost.h"
#include "editor/AEffGUIEditor.h"
#include "editor/ControlLayout.h"
#include "editor/PendingChanges.h"
#include "editor/PresetBrowserPort.h"

#include "toolkit/CColor.h"
#include "toolkit/IControlListener.h"

#include <cstdint>
#include <memory>
#include <string>

class Kelvane;
class Dial;
class Display;
class LCDDial;
class LCDSlider;
class LCD_Display;
class MidiSignal;
class ProgNumber;
class Trigger;
class mt_Display;
class mt_Pulldown;
class Pianoroll;
namespace VSTGUI {
class CControl;
class CTextEdit;
} // namespace VSTGUI

class KelGui : public AEffGUIEditor, public VSTGUI::IControlListener, public ControlHost
{
public:
    enum Page
    {
        kPresetsPage,
        kMicrotuningPage,
        kModulationPage,
        kEffectsPage,
        kPageCount
    };
    static constexpr size_t kFolderBytes = 4096;
    static constexpr size_t kFolderChars = 512;

    explicit KelGui(Kelvane& plugin);
    ~KelGui() override;

    bool open(void* parent) override;
    void close() override;
    void idle() override;

    // Services that forward to the plug-in, for the preset browser.
    virtual int getProgram();
    virtual void resetEngine();
    virtual bool getBankPath(char* text);
    // Also shows the number in the program-number view.
    virtual void setProgram(int index);
    virtual void storeProgram(int index);
    virtual void removeProgram(int index);
    virtual void loadProgramFile(int index, const char* path);
    virtual void saveProgramFile(int index, const char* path);
    virtual void getProgramPath(char* text);
    virtual void getProgramName(char* name);
    virtual void getLoadedName(char* name);
    virtual bool getProgramNameIndexed(int category, int index, char* name);
    virtual void loadBankFile(const char* path);
    virtual void saveBankFile(const char* path);
    virtual void initBank();

    // From the plug-in, on whatever thread the host uses.
    void updateControlFromParameter(int32_t index, float value) override;
    void showProgramName(const char* name) override;
    void showParameterReadout(int32_t section, int32_t item) override;
    void flashMidiSignal(bool on) override;
    intptr_t editorRequest(intptr_t request, void* argument) override;

    // IControlListener
    void valueChanged(VSTGUI::CControl* control) override;

    // ControlHost
    void showParameterReadout(uint8_t section, uint8_t item) override;
    void showTuningReadout(float value, int32_t tag) override;
    void setTuningReadoutVisible(bool visible) override;
    void setHighlightedNeedle(uint8_t needle) override;
    void noteOn(int32_t note, float velocity) override;
    void noteOff(int32_t note) override;

    // Pages: show or hide one page's views (and render the page area open
    // when the first page opens).
    void showPresetsPage(bool on);
    void showMicrotuningPage(bool on);
    void showModulationPage(bool on);
    void showEffectsPage(bool on);
    bool isPageOpen(Page page) const { return pageState[page]; }
    // The PITCH BEND mode of the template menu (else NOTES).
    bool isTemplateMenuPitchBend() const { return templateMenuPitchBend; }

    // Renders the background in colour and sets it as the frame's.
    void renderPanels(const VSTGUI::CColor& colour);
    VSTGUI::CColor getThemeColour() const;
    // A colour parameter as a channel byte; values a file brought from
    // outside 0..1 (or not numbers) are held to the ends.
    static int themeByte(float value);
    // Backgrounds rendered since construction.
    int getPanelRenderCount() const { return panelRenderCount; }

    // The name field as the preset browser's in-place rename field. Placed
    // away from home it still takes clicks at home only, so the pointer over
    // the row being named stays over the browser.
    void startRename(const VSTGUI::CRect& rect, const char* text);
    void endRename();
    // Ends an in-place entry without committing it: the field goes home and
    // shows the program's name.
    void cancelRename();

    // The presets folder the browser lists: the plug-in's, or one a host of
    // our own named (kEditorPresetsFolder).
    std::string getPresetsFolder();
    // False when the plug-in found no presets folder beside the module (and
    // lists the module folder instead), or the named one does not exist.
    bool hasPresetsFolder();
    // Makes the missing presets folder; true when it exists then.
    bool createPresetsFolder();
    // The bank in memory names the file it lives in (its last 1,024 bytes).
    void setBankPath(const char* path);

    // Views by tag (0..128) and by role; null while closed.
    VSTGUI::CControl* getControl(int32_t tag) const;
    LCD_Display* getReadout(int section) const;
    LCDDial* getLcdDial(ParamId id) const;
    Display* getNeedleDisplay() const { return needles; }
    mt_Display* getTuningReadout() const { return tuningReadout; }
    VSTGUI::CTextEdit* getNameField() const { return nameField; }
    ProgNumber* getProgramNumber() const { return programNumber; }
    MidiSignal* getMidiLamp() const { return midiLamp; }
    Trigger* getTab(Page page) const { return tabs[page]; }
    const char* getLastFolder() const { return lastFolder; }
    const char* getTemplateFolder() const { return templateFolder; }
    // The template folder becomes the path's folder (cut to 512 characters,
    // then at its last '/').
    void setTemplateFolderFrom(const char* path);
    Kelvane& getPlugin() { return plugin; }

private:
    // ControlLayout.cpp
    void createViews();
    void createPageViews();
    void createLowerViews();
    void createSectionViews();
    void createTopBar();
    template <class View>
    View* place(View* view, int32_t tag = -1);
    void placeDial(const Layout::DialPlace& d);
    LCDDial* placeLcdDial(const VSTGUI::CRect& r, ParamId id, const char* label);
    Trigger* placeTrigger(const VSTGUI::CRect& r, int32_t tag, uint8_t style, bool hidden);
    LCD_Display* placeReadout(const VSTGUI::CRect& r);

    // ParameterReadouts.cpp
    void applyParameter(int32_t index, float value);
    void writeReadoutText(int32_t index, float value);
    void writeLcdDialText(int32_t index, float value);
    void writeEchoRateText(LCDDial* dial, float value, bool synced);
    void writeLfoRateText(float rate, bool synced);
    void applyThemeParameter(int32_t index, float value);
    void writeTuningReadout(int32_t index, float value);
    void showReadoutNow(int32_t section, int32_t item);
    void applyPending();

    // ControlRouting.cpp
    void commitName();
    void stepProgram(int direction);
    void shiftTuning(bool up);
    void tabClicked(Page page);

    // FileDialogs.cpp
    void runSaveDialog(float choice);
    void runLoadDialog(float choice);
    void setLastFolderFrom(const char* path);

    // EditorPages.cpp
    void showPage(Page page, bool on);
    void setTemplateMenuMode(bool pitchBend);
    void renderPageIfFirst(bool on);

    void forgetViews();

    Kelvane& plugin;
    std::unique_ptr<PresetBrowserPort> browser;
    PendingChanges pending;

    VSTGUI::CControl* controls[Layout::kTableSize] = {};
    LCD_Display* readouts[5] = {};
    Display* needles = nullptr;
    Pianoroll* pianoroll = nullptr;
    VSTGUI::CView* browserView = nullptr;
    mt_Display* tuningReadout = nullptr;
    mt_Pulldown* templateMenu = nullptr;
    VSTGUI::CTextEdit* nameField = nullptr;
    ProgNumber* programNumber = nullptr;
    MidiSignal* midiLamp = nullptr;
    Trigger* tabs[kPageCount] = {};
    Trigger* notesPitchBend = nullptr;
    Trigger* shiftUp = nullptr;
    Trigger* shiftDown = nullptr;
    Trigger* lfoEnv = nullptr;
    Trigger* delaySand = nullptr;
    Trigger* saveButton = nullptr;
    Trigger* loadButton = nullptr;
    LCDSlider* notesFaders[kPitchClasses] = {};
    LCDSlider* bendUpFaders[kPitchClasses] = {};
    LCDSlider* bendDownFaders[kPitchClasses] = {};
    VSTGUI::CView* lfoGroup[4] = {};
    VSTGUI::CView* envGroup[3] = {};
    VSTGUI::CView* delayGroup[5] = {};
    VSTGUI::CView* sandGroup[3] = {};

    int themeRed = 230, themeGreen = 247, themeBlue = 249;
    bool pageState[kPageCount] = {};
    bool pageOpen = false; // the background was last rendered with a page open
    bool templateMenuPitchBend = false;
    // While recorded changes are applied the theme colour renders once.
    bool batchingTheme = false;
    bool themeChanged = false;
    float concertPitch = 440.f;
    int panelRenderCount = 0;
    char lastFolder[kFolderBytes] = {};
    char templateFolder[kFolderBytes] = {};
    std::string namedPresetsFolder; // empty: the plug-in's
};
