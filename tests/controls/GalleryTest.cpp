// The gallery: every control in its states (values 0, 0.5, 1 and hovered,
// every button style, the open boxes and menu, a played key) on a neutral
// panel, written as PNGs into the build tree's gallery folder for a person
// to look at: dials (with the switchers), lcd, scrubber_<n>, triggers, trigger_load_box,
// trigger_save_box, readouts, pianoroll, pulldown, pulldown_pitch_bend.

#include "GalleryHelpers.h"

#include "toolkit/CDrawContext.h"
#include "toolkit/CFontDesc.h"

#include "controls/Dial.h"
#include "controls/Display.h"
#include "controls/KeyboardLayout.h"
#include "controls/LCDDial.h"
#include "controls/LCDSlider.h"
#include "controls/LCD_Display.h"
#include "controls/MidiSignal.h"
#include "controls/Pianoroll.h"
#include "controls/ProgNumber.h"
#include "controls/Scrubber.h"
#include "controls/Switcher.h"
#include "controls/Trigger.h"
#include "controls/mt_Display.h"
#include "controls/mt_Pulldown.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

using namespace VSTGUI;

namespace {

const float kStates[] = {0.f, 0.5f, 1.f, 0.5f}; // the last one hovered

// Stands in for the panel's keyboard bed: the keys of the shared layout,
// white ones outlined, black ones filled.
class KeyBed : public CView
{
public:
    KeyBed() : CView(CRect(40, 360, 1000, 480)) {}
    void draw(CDrawContext* context) override
    {
        context->setDrawMode(kAntiAliasing);
        context->setLineWidth(1);
        context->setFrameColor(CColor(90, 70, 50));
        for (bool black : {false, true})
            for (const KeyboardKey& k : keyboardKeys())
                if (k.number <= kKeyboardKeyCount && k.isBlack() == black)
                {
                    context->setFillColor(black ? CColor(60, 45, 30) : CColor(235, 225, 200));
                    context->drawRect(k.rect, black ? kDrawFilled : kDrawFilledAndStroked);
                }
        setDirty(false);
    }
};

// One control per state, `pitch` apart; make(offset) builds one 10 + pitch * n in.
template <class Make>
void stateRow(TestFrame& f, double pitch, Make make)
{
    for (int col = 0; col < 4; ++col)
    {
        CControl* c = f.add(make(10 + col * pitch));
        c->setValue(kStates[col]);
        if (col == 3)
            TestFrame::hover(c);
    }
}

} // namespace

TEST(Gallery, DialsSwitchersLcdControlsAndScrubber)
{
    // Dials of 25, 30, 52 and 100 pixels (bigger than any in the editor, to
    // see the shading), then switchers of two positions (37 wide) and three (47).
    TestFrame dials(4 * 110 + 10, 360);
    double top = 10;
    for (double size : {25.0, 30.0, 52.0, 100.0})
    {
        stateRow(dials, 110, [&](double left) {
            return new Dial(CRect(left, top, left + size, top + size), nullptr, 1, 1, 0, 0.01f);
        });
        top += size + 10;
    }
    for (int row = 0; row < 2; ++row, top += 30)
        stateRow(dials, 110, [&](double left) {
            return new Switcher(CRect(left, top, left + 37 + 10 * row, top + 12), nullptr, 19, 2, 8, row + 1);
        });
    dials.redraw();
    EXPECT_TRUE(dials.savePNG("dials"));

    // LCD dials down the left; LCD sliders plain, emphasised and inverted in rows.
    TestFrame lcd(400, 270);
    stateRow(lcd, 50, [](double y) {
        auto* d = new LCDDial(CRect(10, y, 200, y + 40), nullptr, 101);
        d->setLabel("SA BALANCE");
        d->setValueText("50 %");
        return d;
    });
    for (int kind = 0; kind < 3; ++kind)
        stateRow(lcd, 40, [&](double left) {
            auto* s =
                new LCDSlider(CRect(220 + left, 10 + kind * 84, 251 + left, 84 + kind * 84), nullptr, 51, kind == 1);
            s->setInverted(kind == 2);
            return s;
        });
    lcd.redraw();
    EXPECT_TRUE(lcd.savePNG("lcd"));

    // The scrubber's number sits at a fixed place of the panel: one picture per state.
    for (int i = 0; i < 4; ++i)
    {
        TestFrame frame(60, 440);
        Scrubber* scrubber = frame.add(new Scrubber(CRect(6, 389, 32, 424), nullptr));
        scrubber->setValue(kStates[i]);
        if (i == 3)
            TestFrame::hover(scrubber);
        frame.redraw();
        EXPECT_TRUE(frame.savePNG("scrubber_" + std::to_string(i)));
    }
}

TEST(Gallery, Triggers)
{
    // Every style (the page tabs, 9, 10, 14 and 15, at their editor places) in
    // three bands: off (an inactive tab draws nothing), on (0.34 for DELAY-SAND
    // and LFO-ENV) and hovered.
    TestFrame frame(1024, 380);
    const std::pair<uint8_t, CRect> items[] = {
        {0, CRect(20, 56, 32, 75)},     {1, CRect(50, 56, 62, 75)},     {2, CRect(80, 60, 99, 72)},
        {5, CRect(110, 60, 129, 72)},   {8, CRect(150, 62, 160, 70)},   {12, CRect(180, 56, 199, 75)},
        {13, CRect(210, 56, 229, 75)},  {21, CRect(250, 56, 305, 71)},  {20, CRect(320, 56, 360, 75)},
        {11, CRect(20, 96, 180, 116)},  {16, CRect(200, 96, 360, 116)}, {18, CRect(380, 96, 540, 116)},
        {17, CRect(560, 96, 610, 116)}, {19, CRect(630, 96, 680, 116)}, {9, CRect(476, 44, 574, 71)},
        {10, CRect(575, 44, 717, 71)},  {14, CRect(718, 44, 848, 71)},  {15, CRect(849, 44, 952, 71)},
    };
    for (int state = 0; state < 3; ++state)
    {
        const double top = 30 + 110 * state;
        for (const auto& [style, rect] : items)
        {
            auto* t = frame.add(new Trigger(CRect(rect).offset(0, top), nullptr, 130, style));
            const bool twoWay34 = style == Trigger::kDelaySand || style == Trigger::kLfoEnv;
            t->setValue(state == 1 ? (twoWay34 ? 0.34f : 1.f) : 0.f);
            if (state == 2)
                TestFrame::hover(t);
        }
    }
    frame.redraw();
    EXPECT_TRUE(frame.savePNG("triggers"));

    // The load and save boxes held open over their second and first entries.
    TestFrame boxes(1024, 120);
    boxes.add(new Trigger(CRect(900, 14, 919, 26), nullptr, 117, Trigger::kLoad));
    boxes.add(new Trigger(CRect(930, 14, 949, 26), nullptr, 116, Trigger::kSave));
    boxes.redraw();
    for (auto [x, y, name] : {std::tuple{909, 70, "trigger_load_box"}, std::tuple{939, 45, "trigger_save_box"}})
    {
        boxes.down(x, 20);
        boxes.move(850, y, kLButton);
        boxes.idle();
        EXPECT_TRUE(boxes.savePNG(name));
        boxes.up(850, y);
        boxes.idle();
    }
}

TEST(Gallery, ReadoutsKeyboardAndPulldown)
{
    TestFrame frame(1024, 480);
    auto* needles = frame.add(new Display(CRect(0, 300, 1024, 480)));
    needles->setNeedleA(55);
    needles->setNeedleB(55 + 917 * 0.75);
    needles->setHighlightedNeedle(2);
    frame.add(new LCD_Display(CRect(83, 57, 252, 90)))->setText("note offset:-12.0");
    frame.add(new LCD_Display(CRect(83, 139, 252, 172)))->setFontStyle(kBoldFace);
    frame.add(new LCD_Display(CRect(83, 221, 252, 254))); // "Body"
    frame.add(new ProgNumber(CRect(630, 11, 650, 30)))->setProgram(7);
    frame.add(new mt_Display(CRect(637, 178, 837, 194)))->setValues(0.5f, 261.6256f);
    frame.add(new mt_Display(CRect(637, 200, 837, 216)))->setValues(0.25f, 0.75f);
    frame.add(new MidiSignal(CRect(1000, 21, 1006, 27)))->flash(true);
    frame.add(new MidiSignal(CRect(900, 60, 930, 90)))->setLevel(0.5f);
    frame.redraw();
    EXPECT_TRUE(frame.savePNG("readouts"));

    // The keyboard draws only the shade of the played key over the panel's keys.
    TestFrame keyboard(1024, 480);
    keyboard.add(new KeyBed);
    keyboard.add(new Pianoroll(CRect(42, 360, 1002, 479), nullptr));
    keyboard.redraw();
    keyboard.down(300, 470);
    keyboard.idle();
    EXPECT_TRUE(keyboard.savePNG("pianoroll"));
    keyboard.up(300, 470);

    // Plain, hovered, and held open over its third row in NOTES mode, then
    // in PITCH BEND mode (its longest entry, "PENTATONIC", highlighted).
    TestFrame menus(400, 220);
    menus.add(new mt_Pulldown(CRect(20, 20, 120, 40), nullptr));
    TestFrame::hover(menus.add(new mt_Pulldown(CRect(140, 20, 240, 40), nullptr)));
    auto* held = menus.add(new mt_Pulldown(CRect(260, 20, 360, 40), nullptr));
    menus.redraw();
    for (bool pitchBend : {false, true})
    {
        held->setPitchBend(pitchBend);
        menus.down(300, 30);
        menus.move(300, 20 + 17 * 3 + 8, kLButton);
        menus.idle();
        EXPECT_TRUE(menus.savePNG(pitchBend ? "pulldown_pitch_bend" : "pulldown"));
        menus.up(300, 20 + 17 * 3 + 8);
        menus.idle();
    }
}
