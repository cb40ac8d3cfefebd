// A control repainted alone (on hover, a value change) must look exactly as
// it does in a full repaint, whatever the views painted before it left in
// the draw context.

#include "GalleryHelpers.h"

#include "controls/Dial.h"
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

#include "toolkit/CDrawContext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

using namespace VSTGUI;

namespace {

// Draws nothing and leaves the context in an unusual state, as any view
// painted earlier may.
class StateLeak : public CView
{
public:
    StateLeak(CDrawMode leakedMode, CCoord leakedWidth)
        : CView(CRect(1023, 479, 1024, 480)), mode(leakedMode), width(leakedWidth)
    {}
    void draw(CDrawContext* context) override
    {
        context->setDrawMode(mode);
        context->setLineWidth(width);
        context->setLineStyle(kLineOnOffDash);
        context->setFrameColor(kRedCColor);
        context->setFillColor(kBlueCColor);
        context->setFontColor(kGreenCColor);
        context->setFont(makeOwned<CFontDesc>("DejaVu Serif", 31, kItalicFace));
        setDirty(false);
    }

private:
    CDrawMode mode;
    CCoord width;
};

struct Placed
{
    std::string name;
    CView* view;
};

// Every control in a typical state, with the template menu held open, in a
// 1024 x 480 frame; `before` runs before each control is added.
std::vector<Placed> placeEveryControl(TestFrame& f, const std::function<void()>& before)
{
    std::vector<Placed> placed;
    auto add = [&](const char* name, auto* view, float value = 0.f, bool hovered = false) {
        before();
        f.add(view);
        placed.push_back({name, view});
        if constexpr (std::is_base_of_v<CControl, std::remove_pointer_t<decltype(view)>>)
            view->setValue(value);
        if (hovered)
            TestFrame::hover(view);
        return view;
    };
    add("dial", new Dial(CRect(20, 20, 45, 45), nullptr, 1, 1, 0, 0.01f), 0.3f);
    add("switcher", new Switcher(CRect(60, 26, 97, 38), nullptr, 19, 2, 8, 2), 1.f, true);
    add("lcd dial", new LCDDial(CRect(110, 10, 300, 50), nullptr, 101), 0.6f, true)->setLabel("SA BALANCE");
    add("lcd dial", new LCDDial(CRect(110, 60, 300, 100), nullptr, 101), 1.f);
    add("lcd slider", new LCDSlider(CRect(320, 10, 351, 84), nullptr, 51, true), 0.4f, true);
    add("scrubber", new Scrubber(CRect(6, 389, 32, 424), nullptr), 0.5f);
    add("arrow", new Trigger(CRect(20, 120, 32, 139), nullptr, 130, Trigger::kArrowNext));
    add("shift arrow", new Trigger(CRect(110, 120, 129, 139), nullptr, 130, Trigger::kShiftDown), 0.f, true);
    add("two-way switch", new Trigger(CRect(200, 120, 360, 140), nullptr, 121, Trigger::kNotesPitchBend), 1.f);
    add("sync toggle", new Trigger(CRect(560, 120, 610, 140), nullptr, 130, Trigger::kEchoSync), 1.f, true);
    add("page tab", new Trigger(CRect(575, 44, 717, 71), nullptr, 130, Trigger::kTabMicrotuning), 1.f);
    add("pianoroll", new Pianoroll(CRect(42, 360, 1002, 479), nullptr));
    add("pulldown", new mt_Pulldown(CRect(600, 200, 700, 220), nullptr));
    add("midi lamp", new MidiSignal(CRect(1000, 21, 1006, 27)))->flash(true);
    add("read-out", new LCD_Display(CRect(83, 221, 252, 254)))->setText("note offset:-12.0");
    add("tuning read-out", new mt_Display(CRect(637, 178, 837, 194)))->setValues(0.5f, 261.6256f);
    add("program number", new ProgNumber(CRect(630, 11, 650, 30)))->setProgram(7);
    f.click(300, 470, kRButton); // a held key stays shaded
    f.down(650, 210);
    f.move(650, 200 + 17 * 3 + 8, kLButton);
    return placed;
}

// Pixels of r that differ between two frames.
int differing(const TestFrame& a, const TestFrame& b, const CRect& r)
{
    int n = 0;
    for (int y = static_cast<int>(std::floor(r.top)); y < static_cast<int>(std::ceil(r.bottom)); ++y)
        for (int x = static_cast<int>(std::floor(r.left)); x < static_cast<int>(std::ceil(r.right)); ++x)
            n += a.pixel(x, y) == b.pixel(x, y) ? 0 : 1;
    return n;
}

} // namespace

TEST(DrawState, EveryControlLooksTheSameRepaintedAloneAsInAFullRepaint)
{
    // Each control painted alone, starting from a fresh context.
    TestFrame alone(1024, 480);
    const std::vector<Placed> placed = placeEveryControl(alone, [] {});
    alone.redraw();
    for (const Placed& p : placed)
    {
        if (auto* lamp = dynamic_cast<MidiSignal*>(p.view))
            lamp->flash(true); // it fades a step per paint
        alone.frame->invalidRect(p.view->getViewSize());
        alone.frame->updateNow();
    }
    // The same controls in one full repaint, each after a view that leaves
    // aliasing, or sub-pixel anti-aliasing, wide dashed lines and odd colours.
    for (const CDrawMode leaked : {CDrawMode(kAliasing), CDrawMode(kAntiAliasing | kNonIntegralMode)})
    {
        TestFrame full(1024, 480);
        const std::vector<Placed> same =
            placeEveryControl(full, [&] { full.add(new StateLeak(leaked, leaked.antiAliasing() ? 3 : 4)); });
        full.redraw();
        for (size_t i = 0; i < placed.size(); ++i)
            EXPECT_EQ(differing(alone, full, same[i].view->getViewSize()), 0)
                << same[i].name << " after draw mode " << leaked.modeIgnoringIntegralMode();
    }
}
