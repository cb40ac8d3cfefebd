// The creation sequence: every view of the window at its rectangle, tag,
// page, read-out pair and wheel increment, in the order they are stacked
// (a view created later is drawn over an earlier one).
#include "controls/Dial.h"
#include "controls/Display.h"
#include "controls/LCDDial.h"
#include "controls/LCDSlider.h"
#include "controls/LCD_Display.h"
#include "controls/MidiSignal.h"
#include "controls/Pianoroll.h"
#include "controls/ProgNumber.h"
#include "controls/Scrubber.h"
#include "controls/Slider.h"
#include "controls/Switcher.h"
#include "controls/Trigger.h"
#include "controls/mt_Display.h"
#include "controls/mt_Pulldown.h"
#include "editor/KelGui.h"
#include "plugin/Kelvane.h"

#include "toolkit/CFontDesc.h"
#include "toolkit/CTextEdit.h"

using namespace VSTGUI;
using namespace Layout;

void KelGui::createViews()
{
    createPageViews();
    createLowerViews();
    createSectionViews();
    createTopBar();
}

// Adds the view to the frame and files it under its tag.
template <class View>
View* KelGui::place(View* view, int32_t tag)
{
    if (!view)
        return nullptr;
    frame->addView(view);
    if (tag >= 0 && tag < kTableSize)
        controls[tag] = dynamic_cast<CControl*>(view);
    return view;
}

void KelGui::placeDial(const DialPlace& d)
{
    const int32_t tag = paramIndex(d.param);
    auto* dial = new Dial(d.rect, this, tag, d.section, d.item, d.wheelIncrement);
    dial->setNotifyOnRelease(d.notifyOnRelease);
    place(dial, tag);
}

LCDDial* KelGui::placeLcdDial(const CRect& r, ParamId id, const char* label)
{
    auto* dial = new LCDDial(r, this, paramIndex(id));
    dial->setLabel(label); // indent 10 - length: labels end at one place
    dial->setVisible(false);
    return place(dial, paramIndex(id));
}

Trigger* KelGui::placeTrigger(const CRect& r, int32_t tag, uint8_t style, bool hidden)
{
    auto* trigger = new Trigger(r, this, tag, style);
    trigger->setValue(0);
    if (hidden)
        trigger->setVisible(false);
    return place(trigger, tag);
}

LCD_Display* KelGui::placeReadout(const CRect& r) { return place(new LCD_Display(r)); }

// Table A: the page tabs, each followed by its page's views (all hidden).
void KelGui::createPageViews()
{
    tabs[kPresetsPage] = placeTrigger(kPresetsTabRect, kPresetsTab, Trigger::kTabPresets, false);
    pageState[kPresetsPage] = false;
    browserView = place(browser->createView(kBrowserRect), kPresetBrowser);
    if (browserView)
        browserView->setVisible(false);

    tabs[kMicrotuningPage] = placeTrigger(kMicrotuningTabRect, kMicrotuningTab, Trigger::kTabMicrotuning, false);
    pageState[kMicrotuningPage] = false;
    notesPitchBend = placeTrigger(kSubModeToggle, kNotesPitchBend, Trigger::kNotesPitchBend, true);
    shiftUp = placeTrigger(kShiftUpRect, kShiftUp, Trigger::kShiftUp, true);
    shiftDown = placeTrigger(kShiftDownRect, kShiftDown, Trigger::kShiftDown, true);
    tuningReadout = place(new mt_Display(kTuningReadout));
    tuningReadout->setVisible(false);
    for (int k = 0; k < kPitchClasses; ++k)
    {
        const int32_t tag = paramIndex(microtuningParam(k));
        notesFaders[k] = place(
            new LCDSlider(CRect(faderLeft(k), kNotesTop, faderRight(k), kNotesBottom), this, tag, isBlackKey(k)), tag);
        notesFaders[k]->setVisible(false);
    }
    for (int k = 0; k < kPitchClasses; ++k)
    {
        const int32_t tag = paramIndex(bendUpParam(k));
        bendUpFaders[k] = place(
            new LCDSlider(CRect(faderLeft(k), kNotesTop, faderRight(k), kBendUpBottom), this, tag, isBlackKey(k)), tag);
        bendUpFaders[k]->setVisible(false);
    }
    for (int k = 0; k < kPitchClasses; ++k)
    {
        const int32_t tag = paramIndex(bendDownParam(k));
        bendDownFaders[k] = place(
            new LCDSlider(CRect(faderLeft(k), kBendDownTop, faderRight(k), kNotesBottom), this, tag, isBlackKey(k)),
            tag);
        bendDownFaders[k]->setVisible(false);
        bendDownFaders[k]->setInverted(true);
    }
    templateMenu = place(new mt_Pulldown(kTemplateMenuRect, this));
    templateMenu->setVisible(false);

    // The MODULATION tab is reached by its role only.
    tabs[kModulationPage] = place(new Trigger(kModulationTabRect, this, kModulationTab, Trigger::kTabModulation));
    tabs[kModulationPage]->setValue(0);
    pageState[kModulationPage] = false;
    lfoEnv = placeTrigger(kSubModeToggle, kLfoEnv, Trigger::kLfoEnv, true);
    lfoGroup[0] = placeLcdDial(kLeftDialRow1, ParamId::LfoRate, "LFO RATE");
    lfoGroup[1] = placeLcdDial(kRightDialRow1, ParamId::LfoBalance, "SA BALANCE");
    lfoGroup[2] = placeLcdDial(kRightDialRow2, ParamId::LfoPitch, "SA VIBRATO");
    lfoGroup[3] = placeTrigger(kSyncToggle, paramIndex(ParamId::LfoSync), Trigger::kLfoSync, true);
    envGroup[0] = placeLcdDial(kLeftDialRow1, ParamId::EnvDecay, "ENV DECAY");
    envGroup[1] = placeLcdDial(kRightDialRow1, ParamId::EnvBalance, "SA BALANCE");
    envGroup[2] = placeLcdDial(kRightDialRow2, ParamId::EnvPitch, "SA PITCH");

    tabs[kEffectsPage] = placeTrigger(kEffectsTabRect, kEffectsTab, Trigger::kTabEffects, false);
    pageState[kEffectsPage] = false;
    delaySand = placeTrigger(kSubModeToggle, kDelaySand, Trigger::kDelaySand, true);
    delayGroup[0] = placeLcdDial(kLeftDialRow1, ParamId::EchoLRate, "LEFT RATE");
    delayGroup[1] = placeLcdDial(kLeftDialRow2, ParamId::EchoRRate, "RIGHT RATE");
    delayGroup[2] = placeLcdDial(kRightDialRow1, ParamId::EchoFb, " FEEDBACK");
    delayGroup[3] = placeLcdDial(kRightDialRow2, ParamId::EchoWet, "  WET");
    delayGroup[4] = placeTrigger(kSyncToggle, paramIndex(ParamId::EchoSync), Trigger::kEchoSync, true);
    sandGroup[0] = placeLcdDial(kLeftDialRow1, ParamId::SandGrains, "SAND NUM");
    sandGroup[1] = placeLcdDial(kRightDialRow1, ParamId::SandTune, "SAND FRQ");
    sandGroup[2] = placeLcdDial(kRightDialRow2, ParamId::SandDamping, "SAND RES");
}

// Table B: the needles, the Body read-out, the note-offset strips and the
// keyboard.
void KelGui::createLowerViews()
{
    needles = place(new Display(kNeedleDisplay));
    readouts[3] = placeReadout(kBodyReadout);
    place(new Slider(kSpringAOffset, this, paramIndex(ParamId::SaNoteOffset), 1), paramIndex(ParamId::SaNoteOffset));
    place(new Slider(kSpringBOffset, this, paramIndex(ParamId::SbNoteOffset), 2), paramIndex(ParamId::SbNoteOffset));
    pianoroll = place(new Pianoroll(kPianorollRect, this));
}

// Table C: the sections with their read-outs, and the colour dials.
void KelGui::createSectionViews()
{
    readouts[1] = placeReadout(kSpringAReadout);
    for (const DialPlace& d : kSpringADials)
        placeDial(d);

    readouts[2] = placeReadout(kSpringBReadout);
    for (const DialPlace& d : kSpringBDials)
        placeDial(d);
    place(new Switcher(kOctaveSwitch, this, paramIndex(ParamId::SbOctave), 2, 8, 1), paramIndex(ParamId::SbOctave));
    placeDial(kSpringBCrush);
    placeTrigger(kLinkToggle, paramIndex(ParamId::SbLink), Trigger::kLinkToggle, false);

    readouts[4] = placeReadout(kGlobalReadout);
    for (const DialPlace& d : kGlobalDials)
        placeDial(d);
    place(new Scrubber(kScrubber, this), Scrubber::kTag);
    for (const DialPlace& d : kGlobalLateDials)
        placeDial(d);

    for (const DialPlace& d : kBodyDials)
        placeDial(d);
    place(new Switcher(kTremoloSyncSwitch, this, paramIndex(ParamId::BodyTrSync), 3, 13, 2),
          paramIndex(ParamId::BodyTrSync));

    for (const DialPlace& d : kColourDials)
        placeDial(d);
}

// Table D: the top bar.
void KelGui::createTopBar()
{
    placeTrigger(kPanicRect, kPanic, Trigger::kPanic, false);
    placeTrigger(kNextRect, kNextProgram, Trigger::kArrowNext, false);
    placeTrigger(kPreviousRect, kPreviousProgram, Trigger::kArrowPrevious, false);
    loadButton = placeTrigger(kLoadRect, kLoad, Trigger::kLoad, false);
    saveButton = placeTrigger(kSaveRect, kSave, Trigger::kSave, false);

    nameField =
        place(new CTextEdit(kNameFieldHome, this, kNameField, nullptr, nullptr, CParamDisplay::k3DIn), kNameField);
    nameField->setFont(makeOwned<CFontDesc>("Times New Roman", 18, kNormalFace));
    nameField->setFontColor(CColor(250, 210, 100, 108));
    nameField->setBackColor(CColor(60, 47, 20, 0));
    nameField->setFrameColor(CColor(150, 110, 50, 0));
    nameField->setStyle(1); // no style bits: plain back, frame and text
    char name[kProgramNameChars + 1] = {};
    plugin.getProgramNameIndexed(0, plugin.getProgram(), name);
    nameField->setText(name);
    nameField->setWantsFocus(false);

    programNumber = place(new ProgNumber(kProgramNumber));
    programNumber->setProgram(static_cast<int8_t>(plugin.getProgram()));
    midiLamp = place(new MidiSignal(kMidiLamp));
}
