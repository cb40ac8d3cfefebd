// Parameter changes coming back from the plug-in: the control moves, the
// read-out lines and LCD dial texts follow, the needles, the theme colour
// and the microtuning read-out take their share. Also the read-out line a
// hovered control asks for.
#include "controls/Display.h"
#include "controls/LCDDial.h"
#include "controls/LCD_Display.h"
#include "controls/MidiSignal.h"
#include "controls/mt_Display.h"
#include "editor/KelGui.h"
#include "editor/PanelRenderer.h"
#include "plugin/Kelvane.h"

#include "toolkit/CTextEdit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace VSTGUI;

namespace {

// The read-out item a parameter writes; section 0 for parameters without one.
struct ReadoutPlace
{
    ParamId param;
    uint8_t section, item;
};

constexpr ReadoutPlace kReadoutPlaces[] = {
    {ParamId::SaVolume, 1, 0},     {ParamId::SaNoteOffset, 1, 1},  {ParamId::HitPower, 1, 2},
    {ParamId::Decay, 1, 4},        {ParamId::Release, 1, 5},       {ParamId::SaRndTune, 1, 6},
    {ParamId::SaBalance, 1, 7},    {ParamId::SaSaturate, 1, 8},    {ParamId::SbVolume, 2, 0},
    {ParamId::SbNoteOffset, 2, 1}, {ParamId::SbFrqBottom, 2, 2},   {ParamId::SbFrqTop, 2, 3},
    {ParamId::SbDecay, 2, 4},      {ParamId::SbDiffusion, 2, 5},   {ParamId::SbRndTune, 2, 6},
    {ParamId::SbDetune, 2, 7},     {ParamId::SbOctave, 2, 8},      {ParamId::SbLink, 2, 9},
    {ParamId::SbCrush, 2, 10},     {ParamId::BodyVol, 3, 1},       {ParamId::BodyTune, 3, 2},
    {ParamId::BodyDecay, 3, 3},    {ParamId::BodyDiffusion, 3, 4}, {ParamId::BodySharpness, 3, 5},
    {ParamId::BodyWet, 3, 6},      {ParamId::BodyPhaseFrq, 3, 7},  {ParamId::BodyPhaseQ, 3, 8},
    {ParamId::BodyPhaMix, 3, 9},   {ParamId::BodyTremolo, 3, 10},  {ParamId::BodyTrWide, 3, 11},
    {ParamId::BodyTrRate, 3, 12},  {ParamId::BodyTrSync, 3, 13},   {ParamId::BodyLowest, 3, 14},
    {ParamId::BodyHighest, 3, 15}, {ParamId::FltHighpass, 4, 0},   {ParamId::FltLowpass, 4, 1},
    {ParamId::OutStereo, 4, 2},    {ParamId::PitchRange, 4, 3},    {ParamId::PitchRelax, 4, 4},
    {ParamId::ConcertA, 4, 5},     {ParamId::Volume, 4, 6},        {ParamId::CrushBits, 4, 7},
    {ParamId::Crush, 4, 8},        {ParamId::OutSpread, 4, 9},
};

const ReadoutPlace* readoutOf(int32_t index)
{
    for (const ReadoutPlace& r : kReadoutPlaces)
        if (paramIndex(r.param) == index)
            return &r;
    return nullptr;
}

const ReadoutPlace* readoutAt(int32_t section, int32_t item)
{
    for (const ReadoutPlace& r : kReadoutPlaces)
        if (r.section == section && r.item == item)
            return &r;
    return nullptr;
}

// A pitch in Hz from a 0..1 note value spanning MIDI notes 0..128.
float notePitch(float concertA, float v) { return concertA * std::pow(2.f, (128.f * v - 69.f) / 12.f); }

// "1/8" or "1/8T": the note value of a synced rate.
void syncDivision(char* text, size_t size, const char* prefix, float power, bool triplet)
{
    std::snprintf(text, size, triplet ? "%s1/%.0fT" : "%s1/%.0f", prefix, static_cast<double>(std::exp2(power)));
}

} // namespace

// --- from the plug-in --------------------------------------------------------------

void KelGui::updateControlFromParameter(int32_t index, float value)
{
    if (!isOpen() || !isParamIndex(index))
        return;
    // Off the GUI thread nothing touches a view: the change waits for idle.
    if (!isGuiThread())
    {
        pending.recordParameter(index, value);
        return;
    }
    applyParameter(index, value);
}

void KelGui::showParameterReadout(int32_t section, int32_t item)
{
    if (!isOpen())
        return;
    if (!isGuiThread())
    {
        pending.recordReadout(section, item);
        return;
    }
    showReadoutNow(section, item);
}

void KelGui::showParameterReadout(uint8_t section, uint8_t item)
{
    showParameterReadout(static_cast<int32_t>(section), static_cast<int32_t>(item));
}

void KelGui::applyPending()
{
    if (!frame)
        return;
    float value;
    batchingTheme = true;
    for (int32_t i = 0; i < kParamCount; ++i)
        if (pending.takeParameter(i, value))
            applyParameter(i, value);
    batchingTheme = false;
    if (themeChanged)
    {
        // However many colour changes came in, one render.
        themeChanged = false;
        renderPanels(getThemeColour());
        frame->invalid();
    }
    for (int32_t s = 1; s < PendingChanges::kSections; ++s)
    {
        const int32_t item = pending.takeReadout(s);
        if (item >= 0)
            showReadoutNow(s, item);
    }
    if (pending.takeProgramName())
    {
        char name[kProgramNameChars + 1] = {};
        plugin.getProgramNameIndexed(0, plugin.getProgram(), name);
        showProgramName(name);
    }
    if (pending.takeMidi() && midiLamp)
        midiLamp->flash(true);
}

void KelGui::applyParameter(int32_t index, float value)
{
    // A program file may hold any value; the views show it held to 0..1.
    value = value > 0.f ? std::min(value, 1.f) : 0.f;
    CControl* control = getControl(index);
    if (!frame || !control)
        return; // a parameter without a control changes no view
    browser->markModified(true);
    control->setValue(value);
    writeReadoutText(index, value);
    writeLcdDialText(index, value);
    switch (static_cast<ParamId>(index))
    {
    case ParamId::SaNoteOffset:
    case ParamId::SbNoteOffset:
        if (needles)
        {
            const double x = 917.0 * value + 55.0;
            if (index == paramIndex(ParamId::SaNoteOffset))
                needles->setNeedleA(x);
            else
                needles->setNeedleB(x);
            needles->invalid();
        }
        break;
    case ParamId::ConcertA: concertPitch = 40.f * value + 420.f; break;
    case ParamId::GuiRed:
    case ParamId::GuiGreen:
    case ParamId::GuiBlue: applyThemeParameter(index, value); break;
    default: break;
    }
    writeTuningReadout(index, value);
}

int KelGui::themeByte(float value) { return value > 0.f ? static_cast<int>(255.f * std::min(value, 1.f)) : 0; }

void KelGui::applyThemeParameter(int32_t index, float value)
{
    const int byte = themeByte(value);
    int& channel = index == paramIndex(ParamId::GuiRed)     ? themeRed
                   : index == paramIndex(ParamId::GuiGreen) ? themeGreen
                                                            : themeBlue;
    // The same colour again would render the same picture: opening the
    // editor and switching between programs of one colour cost no render.
    if (channel == byte && frame && frame->getBackground())
        return;
    channel = byte;
    if (batchingTheme)
    {
        themeChanged = true;
        return;
    }
    renderPanels(getThemeColour());
    frame->invalid();
}

void KelGui::writeTuningReadout(int32_t index, float value)
{
    if (!tuningReadout)
        return;
    if (isMicrotuningParam(index))
    {
        // Pitch class k from C, around middle C: 60 + k is its MIDI note.
        const int k = index - paramIndex(ParamId::MtC);
        const float offset = 2.f * value - 1.f;
        const float hz = std::pow(2.f, (k + 60 - 69) / 12.f) * concertPitch * std::pow(2.f, offset / 6.f);
        tuningReadout->setValues(offset, hz);
        tuningReadout->invalid();
    }
    else if (isBendScaleParam(index))
    {
        tuningReadout->setValues(value, value * plugin.getPitchBendRange());
        tuningReadout->invalid();
    }
}

void KelGui::showTuningReadout(float value, int32_t tag)
{
    // A hovered fader shows its own pitch class the way a change would.
    if (isMicrotuningParam(tag) || isBendScaleParam(tag))
        writeTuningReadout(tag, value);
}

// --- read-out lines -------------------------------------------------------------------

namespace {

// The text of a read-out item from its stored key; false when the item
// writes nothing from its key (it leaves the line as it is).
bool readoutText(Kelvane& plugin, const LCD_Display& line, ParamId param, float key, char* text, size_t size)
{
    const double v = key;
    const float A = plugin.getConcertPitch();
    switch (param)
    {
    case ParamId::SaVolume:
    case ParamId::SbVolume:
    case ParamId::Volume: std::snprintf(text, size, "volume:%.3f", 2 * v); return true;
    case ParamId::SaNoteOffset:
    case ParamId::SbNoteOffset: std::snprintf(text, size, "note offset:%.1f", v); return true;
    case ParamId::HitPower: std::snprintf(text, size, "rise:%.3f", v); return true;
    case ParamId::Decay:
    case ParamId::SbDecay:
    case ParamId::BodyDecay: std::snprintf(text, size, "decay:%.3f", v); return true;
    case ParamId::Release: std::snprintf(text, size, "release:%.3f", v); return true;
    case ParamId::SaRndTune:
    case ParamId::SbRndTune: std::snprintf(text, size, "RND tune:%.3f", v); return true;
    case ParamId::SaBalance: std::snprintf(text, size, "balance:%.3f", 2 * v - 1); return true;
    case ParamId::SaSaturate: std::snprintf(text, size, "saturate:%.3f", v); return true;
    case ParamId::SbFrqBottom:
        std::snprintf(text, size, line.getStoredValue(5) >= 1.f ? "NOISE frq:%.1fhz" : "frq.lo:%.1fhz",
                      static_cast<double>(notePitch(A, key)));
        return true;
    case ParamId::SbFrqTop:
        if (line.getStoredValue(5) >= 1.f)
            std::snprintf(text, size, "NOISE res:%.3f", v);
        else
            std::snprintf(text, size, "frq.hi:%.1fhz", static_cast<double>(notePitch(A, key)));
        return true;
    case ParamId::SbDiffusion: std::snprintf(text, size, key >= 1.f ? "NOISE:%.3f" : "diffuse:%.3f", v); return true;
    case ParamId::SbDetune: std::snprintf(text, size, "detune:%.3f", 2 * v - 1); return true;
    case ParamId::SbOctave: std::snprintf(text, size, key >= 1.f ? "octave: ON" : "octave: OFF"); return true;
    case ParamId::SbLink: std::snprintf(text, size, key >= 1.f ? "link: ON" : "link: OFF"); return true;
    case ParamId::SbCrush:
    case ParamId::Crush: std::snprintf(text, size, "crush:%.3f", v); return true;
    case ParamId::BodyVol: std::snprintf(text, size, "volume:%.3f", v); return true;
    case ParamId::BodyTune:
        std::snprintf(text, size, "tune:%.1fhz", static_cast<double>(A * std::pow(2.f, (32.f * key - 12.f) / 12.f)));
        return true;
    case ParamId::BodyDiffusion: std::snprintf(text, size, "diffuse:%.3f", v); return true;
    case ParamId::BodySharpness: std::snprintf(text, size, "sharp:%.3f", v); return true;
    case ParamId::BodyWet: std::snprintf(text, size, "wet:%.3f", v); return true;
    case ParamId::BodyPhaseFrq:
        std::snprintf(text, size, "tune:%.1fhz", static_cast<double>(notePitch(A, key)));
        return true;
    case ParamId::BodyPhaseQ: std::snprintf(text, size, "feedback:%.3f", v); return true;
    case ParamId::BodyPhaMix: std::snprintf(text, size, "mix:%.3f", v); return true;
    case ParamId::BodyTremolo: std::snprintf(text, size, "tremolo:%.3f", v); return true;
    case ParamId::BodyTrWide:
    case ParamId::OutStereo: std::snprintf(text, size, "stereo:%.3f", 2 * v - 1); return true;
    case ParamId::BodyTrRate:
        if (line.getSyncMode() == 0)
            std::snprintf(text, size, "rate:%.3f", v);
        else
            syncDivision(text, size, "rate:", std::trunc(8.f * key), static_cast<int>(16.f * key) % 2 != 0);
        return true;
    case ParamId::BodyTrSync: {
        static const char* const modes[] = {"sync: Off", "sync: Tempo", "sync: Song"};
        std::snprintf(text, size, "%s", modes[line.getSyncMode() > 2 ? 2 : line.getSyncMode()]);
        return true;
    }
    case ParamId::BodyLowest: std::snprintf(text, size, "lowest key:%i", static_cast<int>(128.f * key)); return true;
    case ParamId::BodyHighest: std::snprintf(text, size, "highest key:%i", static_cast<int>(128.f * key)); return true;
    case ParamId::FltHighpass: std::snprintf(text, size, "flt.HP:%.3f", v); return true;
    case ParamId::FltLowpass: std::snprintf(text, size, "flt.LP:%.3f", v); return true;
    case ParamId::PitchRange:
        // The range the engine uses: whole semitones, truncated.
        std::snprintf(text, size, "pb.range:%.3f", static_cast<double>(std::trunc(12.f * key)));
        return true;
    case ParamId::PitchRelax: std::snprintf(text, size, "pb.relax:%.3f", v); return true;
    case ParamId::ConcertA: std::snprintf(text, size, "concert:%.2fhz", 40 * v + 420); return true;
    case ParamId::CrushBits: std::snprintf(text, size, "bits:%i", static_cast<int>(16.f * key)); return true;
    case ParamId::OutSpread: std::snprintf(text, size, "spread:%.3f", v); return true;
    default: return false;
    }
}

} // namespace

void KelGui::writeReadoutText(int32_t index, float value)
{
    const ReadoutPlace* place = readoutOf(index);
    if (!place)
        return;
    LCD_Display* line = getReadout(place->section);
    if (!line)
        return;
    float key = value;
    switch (place->param)
    {
    case ParamId::SaNoteOffset:
    case ParamId::SbNoteOffset: key = (-120.f - std::trunc(-480.f * value)) * 0.1f; break;
    case ParamId::SbOctave: key = value >= 0.5f ? 1.f : 0.f; break;
    // Key 1 shows "link: ON": the first link after opening is shown too.
    case ParamId::SbLink: key = plugin.isSpringBLinked() ? 1.f : 0.f; break;
    case ParamId::BodyTrSync: {
        // Written on every change: the sync mode the rate text follows.
        const int mode = static_cast<int>(2.f * value);
        line->setSyncMode(static_cast<uint8_t>(mode < 0 ? 0 : (mode > 2 ? 2 : mode)));
        char text[LCD_Display::kMaxTextLength + 1];
        readoutText(plugin, *line, place->param, value, text, sizeof text);
        line->setText(text);
        line->setDirty();
        return;
    }
    default: break;
    }
    if (key == line->getStoredValue(place->item))
        return;
    line->setStoredValue(place->item, key);
    char text[LCD_Display::kMaxTextLength + 1];
    if (readoutText(plugin, *line, place->param, key, text, sizeof text))
    {
        line->setText(text);
        line->setDirty();
    }
}

void KelGui::showReadoutNow(int32_t section, int32_t item)
{
    const ReadoutPlace* place = readoutAt(section, item);
    LCD_Display* line = getReadout(section);
    // The link text is shown only when the link changes.
    if (!place || !line || place->param == ParamId::SbLink)
        return;
    char text[LCD_Display::kMaxTextLength + 1];
    if (readoutText(plugin, *line, place->param, line->getStoredValue(item), text, sizeof text))
    {
        line->setText(text);
        line->invalid();
    }
}

// --- LCD dial texts ---------------------------------------------------------------------

void KelGui::writeEchoRateText(LCDDial* dial, float value, bool synced)
{
    if (!dial)
        return;
    char text[32];
    if (synced)
    {
        const int k = static_cast<int>(18.f * (1.f - value));
        syncDivision(text, sizeof text, "", std::trunc(9.f * (1.f - value)), k % 2 != 0);
    }
    else
        std::snprintf(text, sizeof text, "%.3fs", 2.0 * value);
    dial->setValueText(text);
    dial->setDirty();
}

void KelGui::writeLfoRateText(float rate, bool synced)
{
    LCDDial* dial = getLcdDial(ParamId::LfoRate);
    if (!dial)
        return;
    char text[32];
    if (synced)
        syncDivision(text, sizeof text, "", std::trunc(8.f * rate), static_cast<int>(16.f * rate) % 2 != 0);
    else
        std::snprintf(text, sizeof text, "%.3f", static_cast<double>(rate));
    dial->setValueText(text);
    dial->setDirty();
}

void KelGui::writeLcdDialText(int32_t index, float value)
{
    char text[32];
    switch (static_cast<ParamId>(index))
    {
    case ParamId::SandGrains:
        std::snprintf(text, sizeof text, "%.0f", static_cast<double>(std::trunc(100.f * value)));
        break;
    case ParamId::SandTune:
        std::snprintf(text, sizeof text, "%.0fhz",
                      static_cast<double>(plugin.getConcertPitch() * std::pow(2.f, (68.f * value - 12.f) / 12.f)));
        break;
    case ParamId::EchoLRate:
    case ParamId::EchoRRate:
        writeEchoRateText(getLcdDial(static_cast<ParamId>(index)), value, plugin.isEchoSynced());
        return;
    case ParamId::EchoSync: {
        // Synced rates step by note values.
        const bool synced = value != 0.f;
        for (ParamId id : {ParamId::EchoLRate, ParamId::EchoRRate})
            if (LCDDial* dial = getLcdDial(id))
            {
                dial->setWheelInc(synced ? 1.f / 18.f : 0.01f);
                writeEchoRateText(dial, dial->getValue(), synced);
            }
        return;
    }
    case ParamId::LfoRate: writeLfoRateText(value, plugin.isLfoSynced()); return;
    case ParamId::LfoSync:
        if (LCDDial* dial = getLcdDial(ParamId::LfoRate))
            writeLfoRateText(dial->getValue(), value != 0.f);
        return;
    case ParamId::SandDamping:
    case ParamId::EchoFb:
    case ParamId::EchoWet:
    case ParamId::LfoBalance:
    case ParamId::LfoPitch:
    case ParamId::EnvDecay:
    case ParamId::EnvBalance:
    case ParamId::EnvPitch: std::snprintf(text, sizeof text, "%.3f", static_cast<double>(value)); break;
    default: return;
    }
    if (LCDDial* dial = getLcdDial(static_cast<ParamId>(index)))
    {
        dial->setValueText(text);
        dial->setDirty();
    }
}

// --- the background ------------------------------------------------------------------------

void KelGui::renderPanels(const CColor& colour)
{
    if (!frame)
        return;
    SharedPointer<CBitmap> background = renderPanel(frame, colour, pageOpen);
    if (!background)
        return;
    frame->setBackground(background);
    ++panelRenderCount;
}
