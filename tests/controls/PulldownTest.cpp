// The "TEMPLATES" pull-down: rows from the pointer while the button is held
// and the row reported on release.

#include "ControlHostDouble.h"
#include "GalleryHelpers.h"

#include "controls/mt_Pulldown.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

namespace {

struct PulldownFixture : ::testing::Test
{
    TestFrame frame{1024, 480};
    ControlHostDouble host;
    mt_Pulldown* menu = frame.add(new mt_Pulldown(CRect(837, 74, 937, 94), &host));

    // Press on the title, move to each y, release at the last one; the row reported.
    float choose(std::initializer_list<double> ys)
    {
        frame.down(880, 84);
        double last = 84;
        for (double y : ys)
            frame.move(880, last = y, kLButton);
        frame.up(880, last);
        return menu->getChosen();
    }
};

TEST_F(PulldownFixture, ReleaseReportsTheRowLastReached)
{
    EXPECT_FLOAT_EQ(choose({74 + 17 * 3 + 5}), 3.f); // "PENTATONIC"
    EXPECT_FLOAT_EQ(choose({74 + 17 * 1}), 1.f); // "RESET", at the row's first pixel
    EXPECT_FLOAT_EQ(choose({74 + 17 * 6 + 16}), 6.f); // "SAVE", at its last
    EXPECT_FLOAT_EQ(choose({74 + 17 * 2 + 3, 80}), 0.f); // over the title: selects nothing
    EXPECT_FLOAT_EQ(choose({74 + 17 * 2 + 3, 60, 20}), 2.f); // above the top: the last row stays
    EXPECT_FLOAT_EQ(choose({74 + 17 * 7 + 1}), 7.f); // past the list: nothing
    // Far below (a captured pointer off the window): still past the list,
    // never wrapping round to an entry.
    EXPECT_FLOAT_EQ(choose({74.0 + 17.0 * 257 + 1}), 7.f);
    EXPECT_FLOAT_EQ(choose({1e12}), 7.f);
    EXPECT_EQ(host.changedValues.size(), 8u); // one report per release
}

TEST_F(PulldownFixture, UnfoldsWhileHeldAndFoldsOnRelease)
{
    frame.redraw();
    frame.down(880, 84);
    frame.move(880, 74 + 17 * 4 + 8, kLButton);
    frame.idle();
    // The list covers the area below the title; the highlighted band is darker.
    EXPECT_EQ(frame.inked(CRect(900, 95, 901, 190)), 95);
    const CColor band = frame.pixel(930, 74 + 17 * 4 + 8);
    const CColor other = frame.pixel(930, 74 + 17 * 2 + 8);
    EXPECT_LT(band.red + band.green + band.blue, other.red + other.green + other.blue - 60);

    frame.up(880, 74 + 17 * 4 + 8);
    frame.idle();
    EXPECT_EQ(frame.inked(CRect(900, 95, 901, 200)), 0); // the panel is back
    EXPECT_EQ(host.changedValues.size(), 1u);
}

} // namespace
