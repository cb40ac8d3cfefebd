// Gallery of the switches, buttons, read-outs, keyboard and pull-down: each
// in its states (values 0, 0.5, 1, hovered, every button style, the open
// boxes), written as PNGs into the build tree's gallery folder.

#include "GalleryHelpers.h"

#include "controls/Display.h"
#include "controls/LCD_Display.h"
#include "controls/MidiSignal.h"
#include "controls/Pianoroll.h"
#include "controls/ProgNumber.h"
#include "controls/Switcher.h"
#include "controls/Trigger.h"
#include "controls/mt_Display.h"
#include "controls/mt_Pulldown.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

namespace {

void hover(CView* view)
{
    CPoint p = view->getViewSize().getCenter();
    view->onMouseEntered(p, CButtonState(0));
}

// Paints the keys the panel would paint, so the keyboard's shade has context.
class KeyboardPanel : public CView
{
public:
    KeyboardPanel(const CRect& r, const Pianoroll& k) : CView(r), keys(k) { setMouseEnabled(false); }
    void draw(CDrawContext* context) override
    {
        context->setFrameColor(CColor(60, 40, 20, 255));
        context->setLineWidth(1);
        for (int pass = 0; pass < 2; ++pass)
            for (int n = 1; n <= Pianoroll::kKeyCount; ++n)
            {
                const Pianoroll::Key* k = keys.key(n);
                const bool black = k->rect.bottom < 440;
                if (black != (pass == 1))
                    continue;
                context->setFillColor(black ? CColor(50, 35, 25, 255) : CColor(235, 225, 205, 255));
                context->drawRect(k->rect, kDrawFilledAndStroked);
            }
        setDirty(false);
    }

private:
    const Pianoroll& keys;
};

} // namespace

TEST(GalleryPartB, Switchers)
{
    // Rows: two positions (37 wide), three positions (47 wide); columns:
    // values 0, 0.5, 1 and 0.5 hovered.
    TestFrame frame(4 * 70 + 10, 2 * 30 + 10);
    const double widths[] = { 37, 47 };
    const int32_t steps[] = { 1, 2 };
    const float values[] = { 0.f, 0.5f, 1.f, 0.5f };
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 4; ++col)
        {
            const double left = 10 + col * 70, top = 14 + row * 30;
            auto* sw = frame.add(new Switcher(CRect(left, top, left + widths[row], top + 12), nullptr, 19, 2, 8,
                                              steps[row]));
            sw->setValue(values[col]);
            if (col == 3)
                hover(sw);
        }
    frame.redraw();
    EXPECT_TRUE(frame.savePNG("switchers"));
}

TEST(GalleryPartB, Triggers)
{
    // Row 1: the four page tabs at their editor places (the first active);
    // below, every other style off / on (0.34 for DELAY-SAND and LFO-ENV) and
    // hovered, one row each.
    for (int state = 0; state < 3; ++state)
    {
        TestFrame frame(1024, 300);
        const uint8_t tabs[] = { 9, 10, 14, 15 };
        const double tabLeft[] = { 476, 575, 718, 849 };
        const double tabRight[] = { 574, 717, 848, 952 };
        for (int i = 0; i < 4; ++i)
        {
            auto* tab = frame.add(new Trigger(CRect(tabLeft[i], 44, tabRight[i], 71), nullptr, 118, tabs[i]));
            tab->setValue(i == state ? 1.f : 0.f);
        }
        struct Item
        {
            uint8_t style;
            CRect rect;
        };
        const Item items[] = {
            { 0, CRect(20, 100, 32, 119) },   { 1, CRect(50, 100, 62, 119) },   { 2, CRect(80, 104, 99, 116) },
            { 5, CRect(110, 104, 129, 116) }, { 8, CRect(150, 106, 160, 114) }, { 12, CRect(180, 100, 199, 119) },
            { 13, CRect(210, 100, 229, 119) }, { 21, CRect(250, 100, 305, 115) }, { 20, CRect(320, 100, 360, 119) },
            { 11, CRect(20, 140, 180, 160) }, { 16, CRect(200, 140, 360, 160) }, { 18, CRect(380, 140, 540, 160) },
            { 17, CRect(560, 140, 610, 160) }, { 19, CRect(630, 140, 680, 160) },
        };
        for (const Item& item : items)
        {
            auto* t = frame.add(new Trigger(item.rect, nullptr, 130, item.style));
            const bool twoWay34 = item.style == 16 || item.style == 18;
            t->setValue(state == 1 ? (twoWay34 ? 0.34f : 1.f) : 0.f);
            if (state == 2)
                hover(t);
        }
        frame.redraw();
        const char* names[] = { "triggers_off", "triggers_on", "triggers_hovered" };
        EXPECT_TRUE(frame.savePNG(names[state]));
    }
}

TEST(GalleryPartB, LoadAndSaveBoxes)
{
    TestFrame frame(1024, 120);
    auto* load = frame.add(new Trigger(CRect(900, 14, 919, 26), nullptr, 117, Trigger::kLoad));
    frame.add(new Trigger(CRect(930, 14, 949, 26), nullptr, 116, Trigger::kSave));
    frame.redraw();
    frame.down(909, 20);
    frame.move(850, 70, kLButton); // over "LOAD BANK"
    frame.idle();
    EXPECT_EQ(load->getChoice(), 2);
    EXPECT_TRUE(frame.savePNG("trigger_load_box"));
    frame.up(850, 70);
    frame.down(939, 20);
    frame.move(850, 45, kLButton); // over "SAVE PRESET"
    frame.idle();
    EXPECT_TRUE(frame.savePNG("trigger_save_box"));
    frame.up(850, 45);
    frame.idle();
    EXPECT_TRUE(frame.savePNG("trigger_boxes_closed"));
}

TEST(GalleryPartB, Readouts)
{
    TestFrame frame(1024, 480);
    auto* needles = frame.add(new Display(CRect(0, 300, 1024, 480)));
    needles->setNeedleA(55 + 917 * 0.0);
    needles->setNeedleB(55 + 917 * 0.5);
    auto* lit = frame.add(new Display(CRect(0, 300, 1024, 480)));
    lit->setNeedleA(55 + 917 * 1.0);
    lit->setNeedleB(55 + 917 * 0.75);
    lit->setHighlightedNeedle(2);

    auto* line = frame.add(new LCD_Display(CRect(83, 57, 252, 90)));
    line->setText("note offset:-12.0");
    auto* bold = frame.add(new LCD_Display(CRect(83, 139, 252, 172)));
    bold->setText("frq.lo:261.6hz");
    bold->setFontStyle(kBoldFace);
    frame.add(new LCD_Display(CRect(83, 221, 252, 254))); // "Body"

    auto* seven = frame.add(new ProgNumber(CRect(630, 11, 650, 30)));
    seven->setProgram(7);
    auto* twelve = frame.add(new ProgNumber(CRect(660, 11, 680, 30)));
    twelve->setProgram(12);

    auto* freq = frame.add(new mt_Display(CRect(637, 178, 837, 194)));
    freq->setValues(0.5f, 261.6256f);
    auto* ratio = frame.add(new mt_Display(CRect(637, 200, 837, 216)));
    ratio->setValues(0.25f, 0.75f);

    auto* lampFull = frame.add(new MidiSignal(CRect(1000, 21, 1006, 27)));
    lampFull->flash(true);
    auto* lampHalf = frame.add(new MidiSignal(CRect(980, 21, 986, 27)));
    lampHalf->setLevel(0.5f);
    auto* bigLamp = frame.add(new MidiSignal(CRect(900, 60, 930, 90)));
    bigLamp->flash(true);

    frame.redraw();
    EXPECT_TRUE(frame.savePNG("readouts"));
}

TEST(GalleryPartB, Pianoroll)
{
    TestFrame frame(1024, 480);
    auto* keys = new Pianoroll(CRect(42, 360, 1002, 479), nullptr);
    frame.add(new KeyboardPanel(CRect(42, 360, 1002, 479), *keys));
    frame.add(keys);
    frame.redraw();
    frame.down(300, 470); // a white key
    frame.idle();
    EXPECT_TRUE(frame.savePNG("pianoroll_white"));
    frame.move(310, 400, kLButton); // glide onto the black key above
    frame.idle();
    EXPECT_TRUE(frame.savePNG("pianoroll_black"));
    frame.up(310, 400);
    frame.idle();
    EXPECT_TRUE(frame.savePNG("pianoroll_idle"));
}

TEST(GalleryPartB, Pulldown)
{
    TestFrame frame(400, 220);
    frame.add(new mt_Pulldown(CRect(20, 20, 120, 40), nullptr));
    auto* hovered = frame.add(new mt_Pulldown(CRect(140, 20, 240, 40), nullptr));
    hover(hovered);
    auto* open = frame.add(new mt_Pulldown(CRect(260, 20, 360, 40), nullptr));
    frame.redraw();
    frame.down(300, 30);
    frame.move(300, 20 + 17 * 3 + 8, kLButton);
    frame.idle();
    EXPECT_TRUE(open->isOpen());
    EXPECT_TRUE(frame.savePNG("pulldown"));
    frame.up(300, 20 + 17 * 3 + 8);
}
