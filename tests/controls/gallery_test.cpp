// The gallery: every control of this family in its states (values 0, 0.5, 1
// and hovered) on a neutral panel, written as PNGs into the build tree's
// gallery folder for a person to look at.

#include "GalleryHelpers.h"

#include "controls/Dial.h"
#include "controls/LCDDial.h"
#include "controls/LCDSlider.h"
#include "controls/Scrubber.h"
#include "controls/map_Slider_Needle.h"

#include <gtest/gtest.h>

#include <string>

using namespace VSTGUI;

namespace {

const float kStates[] = { 0.f, 0.5f, 1.f, 0.5f }; // the last one hovered

// Draws one lit needle into its rectangle.
class NeedleView : public CView
{
public:
    NeedleView(const CRect& rect, bool lit) : CView(rect), highlighted(lit) {}
    void draw(CDrawContext* context) override
    {
        auto needle = makeOwned<map_Slider_Needle>(20, 120);
        needle->setHighlighted(highlighted);
        needle->draw(context, getViewSize());
        setDirty(false);
    }

private:
    bool highlighted;
};

} // namespace

TEST(Gallery, Dials)
{
    TestFrame frame(4 * 70 + 10, 3 * 70 + 10);
    const double sizes[] = { 25, 30, 52 };
    Dial* last = nullptr;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
        {
            const double s = sizes[row];
            const double left = 10 + col * 70, top = 10 + row * 70;
            last = frame.add(new Dial(CRect(left, top, left + s, top + s), nullptr, 1, 1, 0, 0.01f));
            last->setValue(kStates[col]);
        }
    const CPoint centre = last->getViewSize().getCenter();
    frame.move(centre.x, centre.y);
    frame.redraw();
    EXPECT_TRUE(last->isHighlighted());
    EXPECT_TRUE(frame.savePNG("dials"));
}

TEST(Gallery, LargeDials)
{
    // Bigger than any in the editor, to see the shading.
    TestFrame frame(4 * 110 + 10, 120);
    Dial* last = nullptr;
    for (int col = 0; col < 4; ++col)
    {
        const double left = 10 + col * 110;
        last = frame.add(new Dial(CRect(left, 10, left + 100, 110), nullptr, 1, 1, 0, 0.01f));
        last->setValue(kStates[col]);
    }
    const CPoint centre = last->getViewSize().getCenter();
    frame.move(centre.x, centre.y);
    frame.redraw();
    EXPECT_TRUE(frame.savePNG("dials_large"));
}

TEST(Gallery, LCDDials)
{
    TestFrame frame(230, 4 * 50 + 10);
    LCDDial* last = nullptr;
    const char* labels[] = { "LFO RATE", "SA BALANCE", "  WET", "ENV DECAY" };
    const char* texts[] = { "0.000 Hz", "50 %", "100 %", "0.518 s" };
    for (int i = 0; i < 4; ++i)
    {
        last = frame.add(new LCDDial(CRect(10, 10 + i * 50, 200, 50 + i * 50), nullptr, 101));
        last->setLabel(labels[i]);
        last->setValueText(texts[i]);
        last->setValue(kStates[i]);
    }
    frame.move(last->getKnobCentre().x, last->getKnobCentre().y);
    frame.redraw();
    EXPECT_TRUE(last->isHighlighted());
    EXPECT_TRUE(frame.savePNG("lcd_dials"));
}

TEST(Gallery, LCDSliders)
{
    // Columns: plain, emphasised, inverted; values 0, 0.5, 1; then one hovered.
    TestFrame frame(10 * 35 + 10, 100);
    LCDSlider* last = nullptr;
    int column = 0;
    for (int kind = 0; kind < 3; ++kind)
        for (int v = 0; v < 3; ++v, ++column)
        {
            const double left = 10 + column * 35;
            last = frame.add(new LCDSlider(CRect(left, 10, left + 31, 84), nullptr, 51, kind == 1));
            last->setInverted(kind == 2);
            last->setValue(kStates[v]);
        }
    const double left = 10 + column * 35;
    last = frame.add(new LCDSlider(CRect(left, 10, left + 31, 84), nullptr, 51, false));
    last->setValue(0.5f);
    frame.move(left + 15, 40);
    frame.redraw();
    EXPECT_TRUE(last->isHovered());
    EXPECT_TRUE(frame.savePNG("lcd_sliders"));
}

TEST(Gallery, Scrubber)
{
    // The number sits at a fixed place of the panel, so one picture per state.
    const char* names[] = { "scrubber_0", "scrubber_0.5", "scrubber_1", "scrubber_hovered" };
    for (int i = 0; i < 4; ++i)
    {
        TestFrame frame(60, 440);
        Scrubber* scrubber = frame.add(new Scrubber(CRect(6, 389, 32, 424), nullptr));
        scrubber->setValue(kStates[i]);
        if (i == 3)
            frame.move(20, 400);
        frame.redraw();
        EXPECT_TRUE(frame.savePNG(names[i]));
    }
}

TEST(Gallery, Needles)
{
    TestFrame frame(100, 140);
    frame.add(new NeedleView(CRect(20, 10, 40, 130), false));
    frame.add(new NeedleView(CRect(60, 10, 80, 130), true));
    frame.redraw();
    EXPECT_TRUE(frame.savePNG("needles"));
}
