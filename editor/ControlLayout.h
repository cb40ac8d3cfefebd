#pragma once
// Where every view of the editor window sits: the rectangles, tags, pages,
// read-out pairs and wheel increments of the creation sequence. The panel's
// relief follows the same rectangles, so both read them from here.
// Rectangles are frame pixels (left, top, right, bottom).

#include "common/ParamId.h"

#include "toolkit/CRect.h"

#include <cstdint>

namespace Layout {

// Command tags (tags 0..110 are parameter indices).
enum Tag : int32_t
{
    kNameField = 112,
    kPanic = 113,
    kPreviousProgram = 114,
    kNextProgram = 115,
    kSave = 116,
    kLoad = 117,
    kPresetsTab = 118,
    kPresetBrowser = 119,
    kMicrotuningTab = 120,
    kNotesPitchBend = 121,
    kShiftUp = 122,
    kShiftDown = 123,
    kTemplateMenu = 124,
    kModulationTab = 125,
    kLfoEnv = 126,
    kEffectsTab = 127,
    kDelaySand = 128,
    kPianoroll = 129,
};
constexpr int32_t kTableSize = 129; // controls of tags 0..128

struct DialPlace
{
    ParamId param;
    VSTGUI::CRect rect;
    uint8_t section, item;
    float wheelIncrement;
    bool notifyOnRelease;
};

// Table C's dials, in creation order within their sections.
constexpr DialPlace kSpringADials[] = {
    {ParamId::SaVolume, {25, 67, 77, 119}, 1, 0, 0.005f, false},
    {ParamId::SaBalance, {90, 95, 120, 125}, 1, 7, 0.0005f, false},
    {ParamId::HitPower, {130, 95, 160, 125}, 1, 2, 0.001f, false},
    {ParamId::Decay, {170, 95, 200, 125}, 1, 4, 0.001f, false},
    {ParamId::Release, {210, 95, 240, 125}, 1, 5, 0.001f, false},
    {ParamId::SaRndTune, {260, 95, 285, 120}, 1, 6, 0.001f, false},
    {ParamId::SaSaturate, {375, 95, 400, 120}, 1, 8, 0.001f, false},
};
// Spring B's dials before the octave switch, then the crush dial after it.
constexpr DialPlace kSpringBDials[] = {
    {ParamId::SbVolume, {25, 149, 77, 201}, 2, 0, 0.001f, false},
    {ParamId::SbFrqBottom, {92, 179, 117, 204}, 2, 2, 7.52927e-5f, false},
    {ParamId::SbFrqTop, {122, 179, 147, 204}, 2, 3, 7.52927e-5f, false},
    {ParamId::SbDecay, {170, 177, 200, 207}, 2, 4, 0.001f, false},
    {ParamId::SbDiffusion, {210, 177, 240, 207}, 2, 5, 0.001f, false},
    {ParamId::SbRndTune, {260, 177, 285, 202}, 2, 6, 0.001f, false},
    {ParamId::SbDetune, {290, 177, 315, 202}, 2, 7, 0.001f, false},
};
constexpr DialPlace kSpringBCrush = {ParamId::SbCrush, {375, 177, 400, 202}, 2, 10, 0.001f, false};
// Global's dials before the scrubber, then the two after it.
constexpr DialPlace kGlobalDials[] = {
    {ParamId::Volume, {30, 220, 70, 260}, 4, 6, 0.005f, false},
    {ParamId::FltHighpass, {92, 261, 117, 286}, 4, 0, 0.001f, false},
    {ParamId::FltLowpass, {122, 261, 147, 286}, 4, 1, 0.001f, false},
    {ParamId::OutStereo, {170, 259, 200, 289}, 4, 2, 0.001f, false},
    {ParamId::OutSpread, {210, 259, 240, 289}, 4, 9, 0.001f, false},
    {ParamId::ConcertA, {260, 259, 285, 284}, 4, 5, 0.0025f, false},
};
constexpr DialPlace kGlobalLateDials[] = {
    {ParamId::PitchRelax, {6, 439, 33, 466}, 4, 4, 0.001f, false},
    {ParamId::CrushBits, {345, 259, 370, 284}, 4, 7, 0.001f, false},
    {ParamId::Crush, {375, 259, 400, 284}, 4, 8, 0.001f, false},
};
// Body's dials before the tremolo sync switch.
constexpr DialPlace kBodyDials[] = {
    {ParamId::BodyVol, {486, 253, 536, 303}, 3, 1, 0.001f, false},
    {ParamId::BodyTune, {555, 276, 585, 306}, 3, 2, 0.00084969f, false},
    {ParamId::BodyDecay, {590, 276, 620, 306}, 3, 3, 0.001f, false},
    {ParamId::BodyDiffusion, {625, 276, 655, 306}, 3, 4, 0.001f, false},
    {ParamId::BodySharpness, {660, 276, 690, 306}, 3, 5, 0.001f, false},
    {ParamId::BodyWet, {715, 253, 765, 303}, 3, 6, 0.001f, false},
    {ParamId::BodyLowest, {568, 208, 591, 231}, 3, 14, 0.0078125f, false},
    {ParamId::BodyHighest, {598, 208, 621, 231}, 3, 15, 0.0078125f, false},
    {ParamId::BodyPhaseFrq, {785, 234, 815, 264}, 3, 7, 7.52927e-5f, false},
    {ParamId::BodyPhaseQ, {820, 234, 850, 264}, 3, 8, 0.001f, false},
    {ParamId::BodyPhaMix, {855, 234, 885, 264}, 3, 9, 0.001f, false},
    {ParamId::BodyTremolo, {905, 253, 955, 303}, 3, 10, 0.001f, false},
    {ParamId::BodyTrWide, {914, 216, 944, 246}, 3, 11, 0.001f, false},
    {ParamId::BodyTrRate, {865, 276, 895, 306}, 3, 12, 0.001f, false},
};
// The theme-colour dials tell the editor only on release: a drag renders
// the background once.
constexpr DialPlace kColourDials[] = {
    {ParamId::GuiRed, {985, 60, 1005, 80}, 0, 0, 0.01f, true},
    {ParamId::GuiGreen, {985, 90, 1005, 110}, 0, 0, 0.01f, true},
    {ParamId::GuiBlue, {985, 120, 1005, 140}, 0, 0, 0.01f, true},
};

// Read-out lines.
constexpr VSTGUI::CRect kSpringAReadout(83, 57, 252, 90);
constexpr VSTGUI::CRect kSpringBReadout(83, 139, 252, 172);
constexpr VSTGUI::CRect kGlobalReadout(83, 221, 252, 254);
constexpr VSTGUI::CRect kBodyReadout(541, 235, 710, 268);

// Switches, the scrubber and the keyboard strip.
constexpr VSTGUI::CRect kOctaveSwitch(330, 183, 367, 195);
constexpr VSTGUI::CRect kLinkToggle(200, 187, 210, 195);
constexpr VSTGUI::CRect kTremoloSyncSwitch(811, 284, 858, 296);
constexpr VSTGUI::CRect kScrubber(6, 389, 32, 424);
constexpr VSTGUI::CRect kNeedleDisplay(43, 319, 984, 445);
constexpr VSTGUI::CRect kSpringAOffset(50, 340, 990, 350);
constexpr VSTGUI::CRect kSpringBOffset(50, 325, 990, 337);
constexpr VSTGUI::CRect kPianorollRect(42, 360, 1002, 479);

// The page area the four pages share, and the page controls.
constexpr VSTGUI::CRect kPageArea(476, 74, 952, 200);
constexpr VSTGUI::CRect kPresetsTabRect(476, 44, 574, 71);
constexpr VSTGUI::CRect kBrowserRect(480, 74, 946, 200);
constexpr VSTGUI::CRect kMicrotuningTabRect(575, 44, 717, 71);
constexpr VSTGUI::CRect kSubModeToggle(485, 74, 645, 94);
constexpr VSTGUI::CRect kShiftUpRect(485, 113, 504, 132);
constexpr VSTGUI::CRect kShiftDownRect(485, 136, 504, 155);
constexpr VSTGUI::CRect kTuningReadout(637, 178, 837, 194);
constexpr VSTGUI::CRect kTemplateMenuRect(837, 74, 937, 94);
constexpr VSTGUI::CRect kModulationTabRect(718, 44, 848, 71);
constexpr VSTGUI::CRect kEffectsTabRect(849, 44, 952, 71);
constexpr VSTGUI::CRect kLeftDialRow1(488, 100, 678, 140);
constexpr VSTGUI::CRect kLeftDialRow2(488, 145, 678, 185);
constexpr VSTGUI::CRect kRightDialRow1(718, 100, 908, 140);
constexpr VSTGUI::CRect kRightDialRow2(718, 145, 908, 185);
constexpr VSTGUI::CRect kSyncToggle(617, 133, 667, 153);

// Microtuning fader column k (0..11, C..B) and its rows.
constexpr double faderLeft(int k) { return 505 + 35 * k; }
constexpr double faderRight(int k) { return 536 + 35 * k; }
constexpr double kNotesTop = 98, kNotesBottom = 172;
constexpr double kBendUpBottom = 134, kBendDownTop = 136;
// The black keys' faders are drawn emphasised.
constexpr bool isBlackKey(int k) { return k == 1 || k == 3 || k == 6 || k == 8 || k == 10; }

// Top bar.
constexpr VSTGUI::CRect kPanicRect(525, 11, 580, 26);
constexpr VSTGUI::CRect kNextRect(860, 11, 872, 30);
constexpr VSTGUI::CRect kPreviousRect(605, 11, 617, 30);
constexpr VSTGUI::CRect kLoadRect(900, 14, 919, 26);
constexpr VSTGUI::CRect kSaveRect(930, 14, 949, 26);
constexpr VSTGUI::CRect kNameFieldHome(650, 11, 850, 30);
constexpr VSTGUI::CRect kProgramNumber(630, 11, 650, 30);
constexpr VSTGUI::CRect kMidiLamp(1000, 21, 1006, 27);

} // namespace Layout
